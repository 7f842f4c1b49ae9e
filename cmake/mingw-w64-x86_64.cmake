# Cross-builds the plain-C++ parts for 64-bit Windows with Debian's mingw-w64
# compilers (posix threads) and runs the built programs under wine.
#
#   cmake -S . -B build-win -G Ninja \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DROKAL_BUILD_UI=OFF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ROKAL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ROKAL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ROKAL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ROKAL_MINGW_TRIPLET}-windres)

# Libraries and headers come from the mingw-w64 tree only, never from the build
# machine's /usr: its C library headers and Linux libraries would be picked up.
set(CMAKE_FIND_ROOT_PATH /usr/${ROKAL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime, libgcc and winpthread linked in, so a program runs under wine
# (or on a Windows machine) without any DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Programs run by the build and by CTest go through wine (wine-run.sh), in a
# prefix of the build folder's own.
find_program(ROKAL_WINE64 NAMES wine64 wine PATHS /usr/lib/wine /usr/lib64/wine)
find_program(ROKAL_WINESERVER NAMES wineserver64 wineserver PATHS /usr/lib/wine /usr/lib64/wine)
if(ROKAL_WINE64 AND ROKAL_WINESERVER)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        env WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINE64=${ROKAL_WINE64}
            WINESERVER=${ROKAL_WINESERVER} sh ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
else()
    message(WARNING "wine64 not found: the Windows programs build but their tests cannot run")
endif()
