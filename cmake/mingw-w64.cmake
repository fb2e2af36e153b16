# Cross-build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# The programs are linked statically, so they run without the compiler's DLLs
# beside them; under wine (when installed) CTest runs them there.
# cmake/mingw-w64-i686.cmake is the 32-bit build.
set(kolvar_mingw_triple x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
