set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZH_TRIPLE x86_64-w64-mingw32)
# The 64-bit loader itself: Debian's wine would take the 32-bit one, which
# not every machine can run.
set(ZH_WINE /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
