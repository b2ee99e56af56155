# 64-bit Windows: the target that every machine builds and tests.
set(ZV_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZV_WIDL_MODE -m64)
set(ZV_WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
