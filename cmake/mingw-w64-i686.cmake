# Cross-build for 32-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-i686-posix):
#   cmake -S . -B build-windows32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
# The 32-bit programs load the 32-bit port libraries (inpout32.dll,
# dlportio.dll) that older PCs have; a 64-bit process cannot load them.
set(kolvar_mingw_triple i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
