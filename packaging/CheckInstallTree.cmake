# Installs the build into a fresh folder and checks that a Linux desktop finds
# the program there: the executable, its desktop entry, its icons of every size
# and the scalable one, its manual pages, its AppStream metadata, and the
# copyright and change log of the package.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -DICON_SIZES=... -DMAN_PAGES=...
#         -P CheckInstallTree.cmake

function(fail message)
    message(FATAL_ERROR "${message}")
endfunction()

# The side lengths a PNG file states in its header.
function(png_size file width_var height_var)
    file(READ "${file}" signature HEX LIMIT 8)
    if(NOT signature STREQUAL "89504e470d0a1a0a")
        fail("${file} is not a PNG file")
    endif()
    file(READ "${file}" width HEX OFFSET 16 LIMIT 4)
    file(READ "${file}" height HEX OFFSET 20 LIMIT 4)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    set(${width_var} ${width} PARENT_SCOPE)
    set(${height_var} ${height} PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    fail("cmake --install failed: ${result}")
endif()

set(program "${PREFIX}/bin/rokal")
if(NOT EXISTS "${program}" OR IS_DIRECTORY "${program}")
    fail("the program is missing: ${program}")
endif()
execute_process(COMMAND test -x "${program}" RESULT_VARIABLE not_executable)
if(not_executable)
    fail("the program is not executable: ${program}")
endif()

set(entry "${PREFIX}/share/applications/${APP_ID}.desktop")
if(NOT EXISTS "${entry}")
    fail("the desktop entry is missing: ${entry}")
endif()
file(STRINGS "${entry}" exec_line REGEX "^Exec=")
file(STRINGS "${entry}" icon_line REGEX "^Icon=")
if(NOT exec_line STREQUAL "Exec=rokal %f")
    fail("the desktop entry does not start the installed program: ${exec_line}")
endif()
if(NOT icon_line STREQUAL "Icon=${APP_ID}")
    fail("the desktop entry names another icon: ${icon_line}")
endif()
find_program(VALIDATOR desktop-file-validate)
if(VALIDATOR)
    execute_process(COMMAND "${VALIDATOR}" "${entry}" RESULT_VARIABLE invalid
        OUTPUT_VARIABLE complaints ERROR_VARIABLE complaints)
    if(invalid)
        fail("the desktop entry is not valid: ${complaints}")
    endif()
else()
    message(STATUS "desktop-file-validate not found; the desktop entry was not validated")
endif()

foreach(size IN LISTS ICON_SIZES)
    set(icon "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
    if(NOT EXISTS "${icon}")
        fail("the ${size} pixel icon is missing: ${icon}")
    endif()
    png_size("${icon}" width height)
    if(NOT width EQUAL size OR NOT height EQUAL size)
        fail("${icon} is ${width} x ${height}, not ${size} x ${size}")
    endif()
endforeach()

set(svg "${PREFIX}/share/icons/hicolor/scalable/apps/${APP_ID}.svg")
if(NOT EXISTS "${svg}")
    fail("the scalable icon is missing: ${svg}")
endif()
file(READ "${svg}" svg_text)
if(NOT svg_text MATCHES "<svg[^>]* viewBox=\"0 0 256 256\"" OR NOT svg_text MATCHES "<path")
    fail("${svg} is no drawn SVG picture")
endif()

# The three-letter start of a gzip file: its magic number and the deflate method.
function(expect_gzip file)
    if(NOT EXISTS "${file}")
        fail("missing: ${file}")
    endif()
    file(READ "${file}" magic HEX LIMIT 3)
    if(NOT magic STREQUAL "1f8b08")
        fail("${file} is not compressed with gzip")
    endif()
endfunction()

find_program(MAN man)
foreach(page IN LISTS MAN_PAGES)
    expect_gzip("${PREFIX}/share/man/man1/${page}.1.gz")
    if(MAN)
        execute_process(COMMAND "${CMAKE_COMMAND}" -E env "MANPATH=${PREFIX}/share/man"
                                "${MAN}" -w ${page}
            RESULT_VARIABLE not_found OUTPUT_VARIABLE listed ERROR_QUIET
            OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(not_found OR NOT listed STREQUAL "${PREFIX}/share/man/man1/${page}.1.gz")
            fail("man -w ${page} does not list the installed page: ${listed}")
        endif()
    endif()
endforeach()

set(metainfo "${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml")
if(NOT EXISTS "${metainfo}")
    fail("the AppStream metadata is missing: ${metainfo}")
endif()
file(READ "${metainfo}" metainfo_text)
if(NOT metainfo_text MATCHES "<id>${APP_ID}</id>"
   OR NOT metainfo_text MATCHES "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>")
    fail("${metainfo} names another program")
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${metainfo}"
        RESULT_VARIABLE invalid OUTPUT_VARIABLE complaints ERROR_VARIABLE complaints)
    if(invalid)
        fail("the AppStream metadata is not valid: ${complaints}")
    endif()
else()
    message(STATUS "appstreamcli not found; the AppStream metadata was not validated")
endif()

set(doc "${PREFIX}/share/doc/rokal")
if(NOT EXISTS "${doc}/copyright")
    fail("the copyright file is missing: ${doc}/copyright")
endif()
file(STRINGS "${doc}/copyright" format_line LIMIT_COUNT 1)
file(STRINGS "${doc}/copyright" license_lines REGEX "^License: ")
# The project's code is MIT; the program as distributed, linked with Qt Charts, GPL-3.
list(FIND license_lines "License: Expat" expat_at)
list(FIND license_lines "License: GPL-3" gpl_at)
if(NOT format_line STREQUAL
       "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
   OR expat_at EQUAL -1 OR gpl_at EQUAL -1)
    fail("${doc}/copyright is not a machine-readable copyright file of the MIT licence "
         "and the GPL version 3")
endif()
expect_gzip("${doc}/changelog.gz")
