#!/usr/bin/env bash
# Cross-builds the libraries of the Windows program with mingw-w64, from Debian's
# source packages, as DLLs: zlib, minizip, expat, pugixml, libxlsxwriter,
# libqrencode, Qt (qt6-base) and Qt Charts. Prints the install folder of each, one a line, for
# ROKAL_WINDOWS_PREFIXES (cmake/mingw-w64-compilers.cmake).
#
# Each library is built once per machine into a cache folder outside the work tree:
#   ${ROKAL_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/rokal-windows}/<library>-<key>/
# The key is a hash of the library's source version, the compiler's version, its
# recipe and options below, and the keys of the libraries it is built on, so a
# change to one library rebuilds it and what is built on it, nothing else. A
# library is built and installed in a scratch folder and renamed into place only
# when complete; a lock lets one run build at a time.
#
# Needs a deb-src entry for Debian's archive (scripts/deps.sh adds it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${ROKAL_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/rokal-windows}
jobs=${ROKAL_WINDOWS_JOBS:-$(nproc)}
triplet=x86_64-w64-mingw32
toolchain=$root/cmake/mingw-w64-compilers.cmake
# Sources the archive lists but does not serve here, with their checksums: the
# shared folder beside the checkout, or the team's.
third_party=${ROKAL_THIRD_PARTY:-}
for folder in "$root/../shared/third-party" /work/shared/third-party; do
    if [ -z "$third_party" ] && [ -f "$folder/README.md" ]; then
        third_party=$folder
    fi
done

say() { echo "windows-libraries: $*" >&2; }
fail() { say "$*"; exit 1; }

mkdir -p "$cache"
exec 9>"$cache/.lock"
if ! flock -n 9; then
    say "waiting for another build of the Windows libraries in $cache"
    flock 9
fi
# Scratch folders of a run that was stopped.
rm -rf "$cache"/.work-*
# Qt's compiles go through a compiler cache of their own in this folder, so that a
# build that was stopped resumes where it stopped, without filling the compiler
# cache of the builds of Rokal itself. It is emptied once Qt is installed.
export CCACHE_DIR=$cache/.ccache CCACHE_MAXSIZE=2G

# What the compiled code depends on besides the sources: the compilers, the
# mingw-w64 headers and libraries, and the toolchain file.
compiler=$(dpkg-query -W -f='${Package} ${Version}\n' g++-mingw-w64-x86-64-posix \
    gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev)
compiler+=$'\n'$(sha256sum <"$toolchain")

# The versions of a source package the archive lists, newest first.
source_versions() {
    apt-cache showsrc "$1" 2>/dev/null | sed -n 's/^Version: //p' | sort -uVr
}

# Downloads and unpacks a source package into DIR/src: fetch_source PACKAGE DIR.
# Takes the newest version the archive serves whole. Where it serves only the
# upstream tarball of a version (apt has checked it against the signed index),
# that tarball is unpacked without Debian's changes, if no version is served whole.
# Sets source_version.
fetch_source() {
    local package=$1 dir=$2 version partial=
    local versions
    versions=$(source_versions "$package")
    [ -n "$versions" ] || fail "no source package $package: is there a deb-src entry? (bash scripts/deps.sh)"
    for version in $versions; do
        rm -rf "$dir/download" && mkdir -p "$dir/download"
        if (cd "$dir/download" && apt-get source -qq --download-only "$package=$version" \
            >/dev/null 2>&1); then
            # apt has checked the files against the archive's signed index.
            dpkg-source -x "$dir"/download/*.dsc "$dir/src" >/dev/null 2>&1
            source_version=$version
            rm -rf "$dir/download"
            return
        fi
        if [ -z "$partial" ] && compgen -G "$dir/download/*.orig.tar.*" >/dev/null; then
            partial=$version
            mv "$dir/download" "$dir/partial"
        fi
    done
    [ -n "$partial" ] || fail "the archive serves no source of $package"
    say "$package $partial: the archive serves only the upstream tarball; building it without Debian's changes"
    mkdir -p "$dir/src"
    tar -xf "$dir"/partial/*.orig.tar.* -C "$dir/src" --strip-components=1
    source_version="$partial (upstream tarball only)"
    rm -rf "$dir/partial"
}

# A tarball from the third-party folder, checked against the sha256 its README gives.
unpack_third_party() {
    local file=$1 dir=$2
    local expected
    expected=$(grep -o '^sha256: [0-9a-f]*' "$third_party/README.md" | cut -d' ' -f2)
    [ -f "$third_party/$file" ] || fail "missing $third_party/$file"
    echo "$expected  $third_party/$file" | sha256sum -c --quiet - ||
        fail "$third_party/$file does not match its sha256"
    mkdir -p "$dir/src"
    tar -xf "$third_party/$file" -C "$dir/src" --strip-components=1
    source_version="$file sha256 $expected"
}

# Builds one library unless the cache holds it: library NAME SOURCE-PACKAGE DEPENDENCIES...
# The recipe is the shell function build_NAME, called in the source folder with
# $prefix (the final folder), $stage (where to install: DESTDIR) and $deps (the
# dependencies' folders, ';'-separated). Sets library_dir.
library() {
    local name=$1 package=$2; shift 2
    local deps_list=("$@") deps dep_keys="" version
    deps=$(IFS=';'; echo "${deps_list[*]}")
    for dep in "${deps_list[@]}"; do dep_keys+=" $(basename "$dep")"; done
    if [ "$package" = third-party ]; then
        version=$(sha256sum "$third_party/qtcharts-everywhere-src-6.4.2.tar.xz" | cut -c1-64)
    else
        version=$(source_versions "$package" | head -n1)
    fi
    # The key uses the newest listed version; the source built is recorded beside it.
    local recipe key
    recipe=$(declare -f "build_$name")
    if [[ $recipe == *cmake_library* ]]; then recipe+=$(declare -f cmake_library); fi
    key=$(printf '%s\n' "$name" "$package $version" "$compiler" "$recipe" "$dep_keys" |
        sha256sum | cut -c1-16)
    library_dir=$cache/$name-$key
    if [ -f "$library_dir/rokal-build.txt" ]; then
        return
    fi
    say "building $name ($package $version) into $library_dir"
    local work started
    started=$(date +%s)
    work=$(mktemp -d "$cache/.work-$name.XXXXXX")
    if [ "$package" = third-party ]; then
        unpack_third_party qtcharts-everywhere-src-6.4.2.tar.xz "$work"
    else
        fetch_source "$package" "$work"
    fi
    # Not in an || list, so that the recipe stops at its first failing command.
    local status
    set +e
    (
        set -e
        cd "$work/src"
        prefix=$library_dir stage=$work/stage deps=$deps "build_$name"
    ) >"$work/build.log" 2>&1
    status=$?
    set -e
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$work/build.log" >&2
        fail "building $name failed; the log is $work/build.log"
    fi
    local built=$work/stage$library_dir
    [ -d "$built" ] || fail "$name installed nothing into $built"
    # The licence goes with the DLL: Debian's copyright file, or the upstream one.
    if [ ! -d "$built/licenses" ]; then
        mkdir "$built/licenses"
        local licence
        for licence in debian/copyright COPYING LICENSE LICENSE.md License.txt; do
            if [ -f "$work/src/$licence" ]; then
                cp "$work/src/$licence" "$built/licenses/"
                break
            fi
        done
    fi
    printf 'library: %s\nsource: %s %s\nkey: %s\nbuilt in: %ss\n' "$name" "$package" \
        "$source_version" "$key" "$(($(date +%s) - started))" >"$built/rokal-build.txt"
    rm -rf "$library_dir"
    mv "$built" "$library_dir"
    rm -rf "$work"
}

# CMake for a library: configure, build and stage its installation.
cmake_library() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DROKAL_WINDOWS_PREFIXES="$deps" \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=ON "$@"
    cmake --build build --parallel "$jobs"
    DESTDIR=$stage cmake --install build --strip
}

build_zlib() {
    # zlib1.dll, as zlib names it on Windows, and the import library under both
    # names that find_package(ZLIB) and pkg-config's -lz look for. Debian's source
    # leaves out win32/, whose version record zlib's CMake build compiles in.
    mkdir -p win32
    cat >win32/zlib1.rc <<'RC'
#include <winver.h>
1 VERSIONINFO
FILEVERSION 1,2,13,0
PRODUCTVERSION 1,2,13,0
FILEOS VOS__WINDOWS32
FILETYPE VFT_DLL
BEGIN
    BLOCK "StringFileInfo"
    BEGIN
        BLOCK "040904E4"
        BEGIN
            VALUE "FileDescription", "zlib data compression library\0"
            VALUE "FileVersion", "1.2.13\0"
            VALUE "ProductName", "zlib\0"
        END
    END
    BLOCK "VarFileInfo"
    BEGIN
        VALUE "Translation", 0x0409, 1252
    END
END
RC
    cmake_library -DCMAKE_SHARED_LIBRARY_PREFIX_C= -DINSTALL_PKGCONFIG_DIR="$prefix/lib/pkgconfig"
    local lib=$stage$prefix/lib
    cp "$lib/libzlib.dll.a" "$lib/libz.dll.a"
    rm -f "$lib/libzlibstatic.a"
    rm -rf "$stage$prefix/share/man"
}

build_minizip() {
    local zlib=${deps%%;*}
    autoreconf -fi
    ./configure --host=$triplet --prefix="$prefix" --disable-static --enable-shared \
        CC=$triplet-gcc-posix CFLAGS=-O2 CPPFLAGS="-I$zlib/include" LDFLAGS="-L$zlib/lib"
    # libtool makes a DLL only of a library that promises no undefined symbols.
    make -j"$jobs" LDFLAGS="-L$zlib/lib -no-undefined"
    make install-strip DESTDIR="$stage"
    rm -f "$stage$prefix"/lib/*.la
    # minizip's headers include zlib's, which lie in a folder of their own here.
    sed -i 's/^Requires:.*/Requires.private: zlib/' "$stage$prefix/lib/pkgconfig/minizip.pc"
}

build_pugixml() {
    cmake_library -DPUGIXML_BUILD_TESTS=OFF
}

build_expat() {
    # libexpat.dll with Debian's default of UTF-8 text; the xmlwf tool, the
    # examples, tests and manual page are left out. Debian's source holds the
    # library in expat/, its licence text there too.
    # Debian's changes test XML_DTD == 1, as its autotools build defines it; the
    # CMake build defines it empty.
    cd expat
    sed -i 's/^#cmakedefine XML_DTD$/#cmakedefine XML_DTD 1/' expat_config.h.cmake
    cmake_library -DEXPAT_BUILD_TOOLS=OFF -DEXPAT_BUILD_EXAMPLES=OFF \
        -DEXPAT_BUILD_TESTS=OFF -DEXPAT_BUILD_DOCS=OFF -DEXPAT_SHARED_LIBS=ON
    rm -rf "$stage$prefix/share/doc"
    mkdir -p "$stage$prefix/licenses"
    cp ../debian/copyright COPYING "$stage$prefix/licenses/"
}

build_xlsxwriter() {
    # Debian's options, less OpenSSL's MD5 (there is no OpenSSL here): the
    # library's own MD5 code. Its search for minizip expects zlib's header in the
    # same folder as minizip's, as on Linux.
    local zlib=${deps%%;*}
    sed -i 's|${MINIZIP_INCLUDE_DIRS}/zlib.h|${ZLIB_INCLUDE_DIRS}/zlib.h|' cmake/FindMINIZIP.cmake
    cmake_library -DCMAKE_C_FLAGS="-I$zlib/include" -DCMAKE_CXX_FLAGS="-I$zlib/include" \
        -DUSE_SYSTEM_MINIZIP=ON -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF
    # The DLL's import library carries its own use of zlib.
    sed -i 's/^Libs: \(.*\) -lz$/Libs: \1/' "$stage$prefix/lib/pkgconfig/xlsxwriter.pc"
}

build_qrencode() {
    cmake_library -DWITH_TOOLS=OFF -DWITH_TESTS=OFF -DWITHOUT_PNG=ON
    # The DLL beside the others in bin/; no manual page of the left-out tool.
    mkdir -p "$stage$prefix/bin"
    mv "$stage$prefix"/lib/*.dll "$stage$prefix/bin/"
    rm -rf "$stage$prefix/share"
}

# Qt Core, Gui (the qwindows and qoffscreen platforms, the Windows styles),
# Widgets, PrintSupport and Test, release DLLs without debug information, with
# Qt's own zlib, libpng, FreeType, HarfBuzz and PCRE2 inside. Qt's translation
# files are the same on every system and come from qt6-translations-l10n.
# Only what the program uses is built, since Qt takes most of a cold machine's
# test command: no OpenGL (Qt Charts draws without it), no minimal or Direct2D
# platform plugins, and none of the widgets and text formats the windows never
# show. Every part is compiled at -O2, Core and Gui too, which Qt would compile at
# -O3: that compiles faster and makes smaller DLLs.
build_qtbase() {
    local options=(
        -release -shared -nomake tests -nomake examples
        -qt-zlib -qt-libpng -qt-freetype -qt-harfbuzz -qt-pcre
        -no-libjpeg -no-gif -no-ico -no-zstd -no-icu -no-openssl -no-dbus -no-opengl
        -no-feature-sql -no-feature-network -no-feature-xml -no-feature-concurrent
        -no-feature-vulkan
        # Debian's source lacks wintab.h.
        -no-feature-tabletevent
        -no-feature-textodfwriter -no-feature-textmarkdownreader
        -no-feature-textmarkdownwriter -no-feature-movie -no-feature-mdiarea
        -no-feature-dial -no-feature-lcdnumber
        -no-feature-fontcombobox -no-feature-fontdialog -no-feature-colordialog
        -no-feature-wizard -no-feature-splashscreen -no-feature-syntaxhighlighter
        -no-feature-keysequenceedit -no-feature-undoview -no-feature-systemtrayicon
        -no-feature-errormessage -no-feature-columnview
    )
    # The calendar widget stays: the print dialog needs the date editor, which needs it.
    # The Direct2D platform plugin cannot be turned off by a feature in this
    # version (the qwindows plugin needs the feature to link), nor can the minimal
    # plugin and the frame-buffer support only the Linux plugins use.
    sed -i '/add_subdirectory(minimal)/d; /add_subdirectory(direct2d)/d' \
        src/plugins/platforms/CMakeLists.txt
    sed -i '/add_subdirectory(devicediscovery)/d; /add_subdirectory(fbconvenience)/d' \
        src/platformsupport/CMakeLists.txt
    local release=(-DQT_USE_DEFAULT_CMAKE_OPTIMIZATION_FLAGS=ON
        "-DCMAKE_C_FLAGS_RELEASE=-O2 -DNDEBUG" "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG")
    # Compiles go through ccache when it is installed, so that a build stopped
    # halfway does not start from nothing: paths are taken relative to the scratch
    # folder, whose name changes, and Qt's precompiled headers are allowed. In
    # ccache's depend mode a compile that misses the cache is not preprocessed
    # twice.
    local launcher=()
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        export CCACHE_BASEDIR=$PWD/.. CCACHE_NOHASHDIR=1 CCACHE_DEPEND=1
        export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
    fi
    mkdir build && cd build
    ../configure -prefix "$prefix" "${options[@]}" -qt-host-path /usr -- \
        -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" "${release[@]}" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "${launcher[@]}"
    cmake --build . --parallel "$jobs"
    DESTDIR=$stage cmake --install . --strip
    # Qt's licence texts go with the DLLs.
    mkdir -p "$stage$prefix/licenses"
    cp ../LICENSES/* "$stage$prefix/licenses/"
}

build_qtcharts() {
    cmake_library -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF
    mkdir -p "$stage$prefix/licenses"
    cp LICENSES/* "$stage$prefix/licenses/"
}

# The small libraries first: they take minutes, Qt an hour or more.
library zlib zlib
zlib_dir=$library_dir
library minizip minizip "$zlib_dir"
minizip_dir=$library_dir
library expat expat
expat_dir=$library_dir
library pugixml pugixml
pugixml_dir=$library_dir
library xlsxwriter libxlsxwriter "$zlib_dir" "$minizip_dir"
xlsxwriter_dir=$library_dir
library qrencode qrencode
qrencode_dir=$library_dir
prefixes=("$zlib_dir" "$minizip_dir" "$expat_dir" "$pugixml_dir" "$xlsxwriter_dir" "$qrencode_dir")
if [ "${ROKAL_WINDOWS_QT:-1}" != 0 ]; then
    library qtbase qt6-base
    qtbase_dir=$library_dir
    library qtcharts third-party "$qtbase_dir"
    prefixes+=("$qtbase_dir" "$library_dir")
    rm -rf "$CCACHE_DIR"
fi
printf '%s\n' "${prefixes[@]}"
