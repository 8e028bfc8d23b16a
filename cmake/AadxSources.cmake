# Source selection by file name:
#   foo.cc         portable, built everywhere
#   foo_win.cc     Windows only
#   foo_posix.cc   the stand-in for foo_win.cc elsewhere
#   foo_static.cc  where the plug-in is linked into the program (the
#                  WebAssembly build, AADX_STATIC_PLUGIN): in place of its
#                  foo_posix.cc; built nowhere else
#   foo_test.cc                 not part of any library
#   exports.cc, app_win.cc      the DLL's own entry points, built into it
function(aadx_add_folder_sources target)
  foreach(dir ${ARGN})
    file(GLOB files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cc)
    foreach(f ${files})
      get_filename_component(name ${f} NAME_WE)
      if(name MATCHES "_test$" OR name STREQUAL "exports"
         OR name STREQUAL "app_win")
        continue()
      endif()
      if(name MATCHES "_win$")
        if(WIN32)
          target_sources(${target} PRIVATE ${f})
        endif()
        continue()
      endif()
      if(name MATCHES "_static$")
        if(AADX_STATIC_PLUGIN)
          target_sources(${target} PRIVATE ${f})
        endif()
        continue()
      endif()
      if(name MATCHES "_posix$")
        string(REGEX REPLACE "_posix\\.cc$" "_static.cc" static_twin ${f})
        if(AADX_STATIC_PLUGIN AND EXISTS ${static_twin})
          continue()
        endif()
        if(NOT WIN32)
          target_sources(${target} PRIVATE ${f})
        endif()
        continue()
      endif()
      target_sources(${target} PRIVATE ${f})
    endforeach()
  endforeach()
endfunction()

# The unit tests of the given folders (every *_test.cc, minus the *_win_test
# ones on other platforms).
function(aadx_folder_tests out)
  set(result)
  foreach(dir ${ARGN})
    file(GLOB files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*_test.cc)
    foreach(f ${files})
      get_filename_component(name ${f} NAME_WE)
      if(name MATCHES "_win_test$" AND NOT WIN32)
        continue()
      endif()
      if(name MATCHES "_posix_test$" AND WIN32)
        continue()
      endif()
      list(APPEND result ${f})
    endforeach()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()
