# What the two MinGW-w64 toolchain files share; each sets kolvar_mingw_triple
# and CMAKE_SYSTEM_PROCESSOR before including this.
set(CMAKE_SYSTEM_NAME Windows)

# The POSIX-threads flavour has the whole C++ thread library.
set(CMAKE_C_COMPILER ${kolvar_mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${kolvar_mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${kolvar_mingw_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${kolvar_mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

# Debian's wine starts 32-bit and 64-bit programs alike (the 32-bit ones
# through wine32, when it is installed). Where the kernel cannot run 32-bit
# programs, an installed wine32 fails them all: there ./dev names the 64-bit
# loader, /usr/lib/wine/wine64, which every test and the stop sound then use.
find_program(KOLVAR_WINE wine DOC "The wine that runs this build's programs")
if(KOLVAR_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KOLVAR_WINE})
endif()
