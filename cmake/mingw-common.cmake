# Shared part of the two MinGW-w64 toolchain files: the -posix compilers,
# windres, and the Wine that runs what we build.
set(CMAKE_C_COMPILER ${ZH_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZH_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZH_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZH_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${ZH_WINE})
