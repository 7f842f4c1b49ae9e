# Cross-builds Rokal for 64-bit Windows with Debian's mingw-w64 compilers (posix
# threads) and runs the built programs under wine. scripts/test-windows.sh and
# scripts/package-windows.sh use it with the libraries of scripts/windows-libraries.sh:
#
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DROKAL_WINDOWS_PREFIXES="$(bash scripts/windows-libraries.sh | paste -sd';')"
#
# Without ROKAL_WINDOWS_PREFIXES (and with -DROKAL_BUILD_UI=OFF) it builds the
# plain-C++ parts and rokal-cli alone.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-compilers.cmake)

# The folders of the DLLs the programs load: the compiler's C++ runtime, libgcc
# and winpthread (linked as DLLs, like Qt's), and the cross-built libraries.
set(ROKAL_WINDOWS_RUNTIME_DIRS)
foreach(_rokal_dll IN ITEMS libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${_rokal_dll}
                    OUTPUT_VARIABLE _rokal_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(_rokal_dll_dir ${_rokal_dll} DIRECTORY)
    list(APPEND ROKAL_WINDOWS_RUNTIME_DIRS ${_rokal_dll_dir})
endforeach()
set(ROKAL_WINDOWS_DLL_DIRS ${ROKAL_WINDOWS_PREFIXES})
list(TRANSFORM ROKAL_WINDOWS_DLL_DIRS APPEND /bin)
list(APPEND ROKAL_WINDOWS_DLL_DIRS ${ROKAL_WINDOWS_RUNTIME_DIRS})

# Programs run by the build and by CTest go through wine (wine-run.sh), in a
# prefix of the build folder's own, with those folders on their DLL search path.
find_program(ROKAL_WINE64 NAMES wine64 wine PATHS /usr/lib/wine /usr/lib64/wine)
find_program(ROKAL_WINESERVER NAMES wineserver64 wineserver PATHS /usr/lib/wine /usr/lib64/wine)
if(ROKAL_WINE64 AND ROKAL_WINESERVER)
    list(JOIN ROKAL_WINDOWS_DLL_DIRS ":" _rokal_dll_path)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        env WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINE64=${ROKAL_WINE64}
            WINESERVER=${ROKAL_WINESERVER} ROKAL_WINE_DLL_PATH=${_rokal_dll_path}
            sh ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
else()
    message(WARNING "wine64 not found: the Windows programs build but their tests cannot run")
endif()
