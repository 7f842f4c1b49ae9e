# The mingw-w64 compilers for 64-bit Windows (posix threads) and where a cross
# build finds its libraries. Used alone to cross-build the libraries of the
# Windows program (scripts/windows-libraries.sh), and by mingw-w64-x86_64.cmake
# for the program itself.
#
# ROKAL_WINDOWS_PREFIXES lists the install folders of the cross-built libraries
# (Qt and the rest): CMake's find_package and pkg-config look there, and Qt's
# tools that run at build time (moc, rcc, uic) come from the build machine's Qt.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ROKAL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ROKAL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ROKAL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ROKAL_MINGW_TRIPLET}-windres)

# Libraries and headers come from the mingw-w64 tree and the cross-built
# libraries only, never from the build machine's /usr: its C library headers and
# Linux libraries would be picked up.
set(CMAKE_FIND_ROOT_PATH /usr/${ROKAL_MINGW_TRIPLET} ${ROKAL_WINDOWS_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Test projects of try_compile read this file again and need the same folders.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ROKAL_WINDOWS_PREFIXES)

if(ROKAL_WINDOWS_PREFIXES)
    list(APPEND CMAKE_PREFIX_PATH ${ROKAL_WINDOWS_PREFIXES})
    # Qt modules installed apart from Qt's own folder (Qt Charts).
    set(QT_ADDITIONAL_PACKAGES_PREFIX_PATH ${ROKAL_WINDOWS_PREFIXES})
    # pkg-config reads the cross-built libraries' files and none of the build machine's.
    set(_rokal_pkgconfig_dirs ${ROKAL_WINDOWS_PREFIXES})
    list(TRANSFORM _rokal_pkgconfig_dirs APPEND /lib/pkgconfig)
    list(JOIN _rokal_pkgconfig_dirs ":" _rokal_pkgconfig_dirs)
    set(ENV{PKG_CONFIG_LIBDIR} "${_rokal_pkgconfig_dirs}")
    set(ENV{PKG_CONFIG_PATH} "")
    set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
endif()

# moc, rcc and uic of the build machine's Qt, the same version as the cross-built one.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
