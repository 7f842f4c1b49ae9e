# The Windows program as users get it: the program folder (rokal.exe, rokal-cli.exe,
# the DLLs they load, Qt's plugins and Chinese translations, the licence texts),
# the NSIS installer and the portable zip made of that folder. Included by
# packaging/CMakeLists.txt in a cross build for Windows.
#
# `cmake --install` lays the folder out; the target rokal_windows_packages (part
# of the build) makes both packages in ${CMAKE_BINARY_DIR}/packages.

set(ROKAL_WINDOWS_PACKAGE_NAME Rokal-${ROKAL_FILE_VERSION}-windows-x64)
set(windows_dir ${CMAKE_CURRENT_SOURCE_DIR}/windows)

install(TARGETS rokal rokal-cli RUNTIME DESTINATION .)

# Qt's Windows platform, the offscreen platform (rokal-cli's PDF books are drawn
# on it, without a window), the Windows styles, and Qt's own Chinese texts from
# Debian's qt6-translations-l10n (the same files on every system). qt.conf points
# Qt at them inside the program folder.
set(qt_plugins
    "$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>|plugins/platforms"
    "$<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin>|plugins/platforms"
    "$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>|plugins/styles")
set(qt_plugin_files)
foreach(entry IN LISTS qt_plugins)
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 file)
    list(GET entry 1 folder)
    install(FILES ${file} DESTINATION ${folder})
    list(APPEND qt_plugin_files ${file})
endforeach()
install(FILES ${windows_dir}/qt.conf DESTINATION .)
find_file(ROKAL_QT_TRANSLATIONS qtbase_zh_CN.qm PATHS /usr/share/qt6/translations
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT ROKAL_QT_TRANSLATIONS)
    message(FATAL_ERROR "Qt's translations are missing (qt6-translations-l10n)")
endif()
get_filename_component(qt_translations_dir ${ROKAL_QT_TRANSLATIONS} DIRECTORY)
install(FILES ${qt_translations_dir}/qtbase_zh_CN.qm ${qt_translations_dir}/qtbase_zh_TW.qm
        DESTINATION translations)

# The DLLs: those the programs and plugins load, found in the folders of the
# cross-built libraries and of the compiler's runtime; Windows' own are left out.
find_program(ROKAL_MINGW_OBJDUMP ${ROKAL_MINGW_TRIPLET}-objdump REQUIRED)
# The licence texts of each cross-built library whose DLL is shipped go with it.
install(CODE "
    set(ROKAL_PE_FILES \"$<TARGET_FILE:rokal>\" \"$<TARGET_FILE:rokal-cli>\" ${qt_plugin_files})
    set(ROKAL_DLL_DIRS \"${ROKAL_WINDOWS_DLL_DIRS}\")
    set(ROKAL_LIBRARY_PREFIXES \"${ROKAL_WINDOWS_PREFIXES}\")
    set(ROKAL_OBJDUMP \"${ROKAL_MINGW_OBJDUMP}\")
    set(ROKAL_STRIP \"${CMAKE_STRIP}\")
")
install(SCRIPT ${windows_dir}/InstallDlls.cmake)

# The licences: the project's own (MIT), the terms of the program as distributed
# with Qt Charts (GPL-3), and those of every library shipped beside it.
set(licence_files
    "${PROJECT_SOURCE_DIR}/LICENSE|LICENSE.txt"
    "${windows_dir}/COPYING.txt|COPYING.txt")
foreach(entry IN LISTS licence_files)
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 file)
    list(GET entry 1 name)
    install(FILES ${file} DESTINATION . RENAME ${name})
endforeach()
foreach(runtime IN ITEMS gcc-mingw-w64-base mingw-w64-common)
    install(FILES /usr/share/doc/${runtime}/copyright DESTINATION licenses/${runtime})
endforeach()

# The packages: the program folder laid out anew, zipped, and the installer.
set(package_dir ${CMAKE_BINARY_DIR}/packages)
set(stage_dir ${package_dir}/stage/Rokal)
set(zip_file ${package_dir}/${ROKAL_WINDOWS_PACKAGE_NAME}.zip)
set(installer_file ${package_dir}/${ROKAL_WINDOWS_PACKAGE_NAME}-setup.exe)
find_program(ROKAL_MAKENSIS makensis REQUIRED)
add_custom_command(OUTPUT ${zip_file} ${installer_file}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${package_dir}/stage
    COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --prefix ${stage_dir} --strip
    # The same files give the same zip: every entry dated at the version's day.
    COMMAND ${CMAKE_COMMAND} -E chdir ${package_dir}/stage
            ${CMAKE_COMMAND} -E tar cf ${zip_file} --format=zip --mtime=2022-12-28 Rokal
    COMMAND ${CMAKE_COMMAND} -DSTAGE=${stage_dir} -DOUTPUT=${package_dir}/uninstall-list.nsh
            -P ${windows_dir}/UninstallList.cmake
    COMMAND ${ROKAL_MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${ROKAL_FILE_VERSION}
            -DSTAGE=${stage_dir} -DUNINSTALL_LIST=${package_dir}/uninstall-list.nsh
            -DOUTFILE=${installer_file} -DICON=${icon_root}/rokal.ico ${windows_dir}/rokal.nsi
    DEPENDS rokal rokal-cli rokal_icons ${windows_dir}/rokal.nsi ${windows_dir}/qt.conf
            ${windows_dir}/COPYING.txt ${windows_dir}/UninstallList.cmake
            ${windows_dir}/WindowsPackages.cmake ${windows_dir}/InstallDlls.cmake
    COMMENT "Making the Windows installer and zip"
    VERBATIM)
add_custom_target(rokal_windows_packages ALL DEPENDS ${zip_file} ${installer_file})
set(ROKAL_WINDOWS_ZIP ${zip_file} PARENT_SCOPE)
set(ROKAL_WINDOWS_INSTALLER ${installer_file} PARENT_SCOPE)
set(ROKAL_WINDOWS_STAGE ${stage_dir} PARENT_SCOPE)
