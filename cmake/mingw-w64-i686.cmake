# The release Stats.dll (32-bit), run under 32-bit Wine by the tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)

# Reproducible binaries: two builds of the same sources give the same bytes,
# wherever the tree and the build folder are and whenever they are built:
# no source or build paths in debug information (__FILE__ keeps its full
# path: test helpers find their data beside their sources by it), no link
# time stamp (the PE checksum is then a function of the bytes alone), and
# the release DLL without a symbol table. These take effect when a build
# folder is first configured (cmake --preset win32 --fresh renews an older
# one).
get_filename_component(_aadx_source_dir ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(_aadx_prefix_maps
    "-fdebug-prefix-map=${_aadx_source_dir}/= -fdebug-prefix-map=${CMAKE_BINARY_DIR}/=")
set(CMAKE_C_FLAGS_INIT "${_aadx_prefix_maps}")
set(CMAKE_CXX_FLAGS_INIT "${_aadx_prefix_maps}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp")
set(CMAKE_SHARED_LINKER_FLAGS_RELEASE_INIT "-s")
