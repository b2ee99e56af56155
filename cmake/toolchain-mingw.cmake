# Cross build for Windows with the posix-thread flavour of mingw-w64. The target's own file
# names the compiler prefix (ZV_TRIPLE), the processor and the Wine loader, then includes this.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${ZV_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZV_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZV_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZV_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Debian's wine wrapper prefers the 32-bit loader wherever it is installed: name the target's.
set(CMAKE_CROSSCOMPILING_EMULATOR ${ZV_WINE_LOADER})
