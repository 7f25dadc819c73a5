# Cross build for 32-bit Windows on Intel x86 with Debian's MinGW-w64 (i686).
#   cmake -S windows -B build-windows -DCMAKE_TOOLCHAIN_FILE=$PWD/cmake/toolchain-mingw-i686.cmake
# TIDEWIRE_MINGW_TRIPLET=x86_64-w64-mingw32 gives a 64-bit build of the same
# sources, for a developer's check under wine64 only; the product is 32-bit.
if(NOT DEFINED TIDEWIRE_MINGW_TRIPLET)
  set(TIDEWIRE_MINGW_TRIPLET "$ENV{TIDEWIRE_MINGW_TRIPLET}")
endif()
if(TIDEWIRE_MINGW_TRIPLET STREQUAL "")
  set(TIDEWIRE_MINGW_TRIPLET i686-w64-mingw32)
endif()
# try_compile projects see the same triplet.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TIDEWIRE_MINGW_TRIPLET)

set(CMAKE_SYSTEM_NAME Windows)
set(tidewire_float_flags "")
if(TIDEWIRE_MINGW_TRIPLET MATCHES "^x86_64")
  set(CMAKE_SYSTEM_PROCESSOR AMD64)
else()
  set(CMAKE_SYSTEM_PROCESSOR x86)
  # Floating-point arithmetic in SSE registers, as on x86-64: the x87 unit would
  # keep intermediate results in 80 bits and round them when they are stored,
  # so that a float computed here (a latitude, a summed depth, an elapsed time)
  # could differ in its last bit from the Linux build's, and with it every text
  # and NetCDF byte made from it. Needs a processor with SSE2 (any since 2003).
  set(tidewire_float_flags "-msse2 -mfpmath=sse")
endif()
# No fused multiply-add either, whatever -march a builder adds: a fused
# product rounds once where x86-64's default code rounds twice.
string(APPEND tidewire_float_flags " -ffp-contract=off")
# Set, not appended: CMake reads this file more than once.
set(CMAKE_C_FLAGS_INIT "${tidewire_float_flags}")
set(CMAKE_CXX_FLAGS_INIT "${tidewire_float_flags}")

# The posix thread model gives the C++ runtime its full <mutex> and <thread>;
# both runtimes are linked statically, so the DLL needs no thread library.
find_program(CMAKE_C_COMPILER NAMES ${TIDEWIRE_MINGW_TRIPLET}-gcc-posix ${TIDEWIRE_MINGW_TRIPLET}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${TIDEWIRE_MINGW_TRIPLET}-g++-posix ${TIDEWIRE_MINGW_TRIPLET}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${TIDEWIRE_MINGW_TRIPLET}-windres)
find_program(CMAKE_DLLTOOL NAMES ${TIDEWIRE_MINGW_TRIPLET}-dlltool REQUIRED)
find_program(CMAKE_OBJDUMP NAMES ${TIDEWIRE_MINGW_TRIPLET}-objdump REQUIRED)

# Libraries and headers of the target (zlib from libz-mingw-w64-dev) live
# under the triplet's root; programs are the host's. netCDF-C, built by
# windows/build-netcdf, is added to the root by the Windows project.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TIDEWIRE_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The static zlib archive, so that TIDEWIRE.DLL stands alone.
set(ZLIB_USE_STATIC_LIBS ON)
