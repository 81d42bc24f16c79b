# Cross-compiles for 32-bit Windows with mingw-w64. The posix-thread compilers are used because
# GoogleTest needs std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

find_program(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER i686-w64-mingw32-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
