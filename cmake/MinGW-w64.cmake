# Cross-builds Windows programs on Debian with MinGW-w64.
#
# The posix thread model is the one whose libstdc++ has std::thread, std::mutex and friends.
# Only the MinGW sysroot and the folders in CMAKE_FIND_ROOT_PATH (the project's staging prefix,
# added by cmake/Windows.cmake) are searched: the build machine's /usr/include holds Linux
# headers and must never reach a Windows compile.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_mingw}-windres)

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs carry their C++ runtime and thread library, so there are no DLLs to ship.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
