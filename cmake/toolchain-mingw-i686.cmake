# Cross build for 32-bit Windows on Intel x86 with Debian's MinGW-w64 (i686).
#   cmake -S windows -B build-windows -DCMAKE_TOOLCHAIN_FILE=$PWD/cmake/toolchain-mingw-i686.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(TIDEWIRE_MINGW_TRIPLET i686-w64-mingw32)
# The posix thread model gives the C++ runtime its full <mutex> and <thread>;
# both runtimes are linked statically, so the DLL needs no thread library.
find_program(CMAKE_C_COMPILER NAMES ${TIDEWIRE_MINGW_TRIPLET}-gcc-posix ${TIDEWIRE_MINGW_TRIPLET}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${TIDEWIRE_MINGW_TRIPLET}-g++-posix ${TIDEWIRE_MINGW_TRIPLET}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${TIDEWIRE_MINGW_TRIPLET}-windres)
find_program(CMAKE_DLLTOOL NAMES ${TIDEWIRE_MINGW_TRIPLET}-dlltool REQUIRED)
find_program(CMAKE_OBJDUMP NAMES ${TIDEWIRE_MINGW_TRIPLET}-objdump REQUIRED)

# Libraries and headers of the target (zlib from libz-mingw-w64-dev) live
# under the triplet's root; programs are the host's.
set(CMAKE_FIND_ROOT_PATH /usr/${TIDEWIRE_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The static zlib archive, so that TIDEWIRE.DLL stands alone.
set(ZLIB_USE_STATIC_LIBS ON)

