set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ZH_TRIPLE i686-w64-mingw32)
# Debian's wine, which takes the 32-bit loader.
set(ZH_WINE wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
