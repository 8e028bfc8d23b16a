# The plug-in's one version number, MAJOR.MINOR.PATCH, in the file VERSION
# at the top of the tree. It becomes Stats.dll's version resource (through
# the generated aadx_version.h) and the package's name (scripts/package).
file(STRINGS ${CMAKE_SOURCE_DIR}/VERSION AADX_VERSION LIMIT_COUNT 1)
if(NOT AADX_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "VERSION must be MAJOR.MINOR.PATCH, not '${AADX_VERSION}'")
endif()
set(AADX_VERSION_MAJOR ${CMAKE_MATCH_1})
set(AADX_VERSION_MINOR ${CMAKE_MATCH_2})
set(AADX_VERSION_PATCH ${CMAKE_MATCH_3})
set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY
             CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/VERSION)
configure_file(${CMAKE_CURRENT_LIST_DIR}/aadx_version.h.in
               ${CMAKE_BINARY_DIR}/generated/aadx_version.h @ONLY)
if(WIN32)
  target_include_directories(Stats PRIVATE ${CMAKE_BINARY_DIR}/generated)
endif()
