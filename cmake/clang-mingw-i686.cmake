# clang for the mingw-w64 i686 target, on the GNU toolchain's headers and
# libraries: a second compiler over the same sources, as on Windows with
# MSYS2's clang environments.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(triple i686-w64-mingw32)
set(gcc_dir /usr/lib/gcc/${triple}/12-posix)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER_TARGET ${triple})
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_CXX_FLAGS_INIT "-isystem ${gcc_dir}/include/c++ -isystem ${gcc_dir}/include/c++/${triple}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-L${gcc_dir} -pthread")
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
