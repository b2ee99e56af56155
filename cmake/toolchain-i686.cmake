# 32-bit Windows: built everywhere, tested where the machine runs 32-bit programs.
set(ZV_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ZV_WIDL_MODE -m32)
set(ZV_WINE_LOADER /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
