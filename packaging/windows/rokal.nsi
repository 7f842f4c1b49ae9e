; The installer of Rokal for 64-bit Windows 10 and 11, made by the build with
; makensis -INPUTCHARSET UTF8 -DVERSION=... -DSTAGE=<program folder>
;          -DUNINSTALL_LIST=<file list> -DOUTFILE=<setup.exe> -DICON=<rokal.ico>
;
; Installs for every user under Program Files (as administrator) or for the
; current user alone, without administrator rights; the installer asks, and the
; switches /AllUsers and /CurrentUser choose without asking (with /S, silently).
; Chinese on a Chinese Windows, English elsewhere.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!define APP_TITLE "嵌岩桩计算 Rokal"
!define APP_EXE "rokal.exe"
!define PUBLISHER "Rokal"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Rokal"
!define SHORTCUT "$SMPROGRAMS\${APP_TITLE}.lnk"
; "Open with" for schedules, CSV files and workbooks, without becoming the default
; program of either: a file type of the program's own for each.
!define PROGID "Rokal.Schedule.csv"
!define PROGID_XLSX "Rokal.Schedule.xlsx"

; Registers a file type of the program's own and offers it in "Open with" for ext.
!macro OpenWith PROGID_NAME EXT DESCRIPTION
    WriteRegStr SHCTX "Software\Classes\${PROGID_NAME}" "" "${DESCRIPTION}"
    WriteRegStr SHCTX "Software\Classes\${PROGID_NAME}\DefaultIcon" "" "$INSTDIR\${APP_EXE},0"
    WriteRegStr SHCTX "Software\Classes\${PROGID_NAME}\shell\open\command" "" \
        '"$INSTDIR\${APP_EXE}" "%1"'
    WriteRegStr SHCTX "Software\Classes\${EXT}\OpenWithProgids" "${PROGID_NAME}" ""
    WriteRegStr SHCTX "Software\Classes\Applications\${APP_EXE}\SupportedTypes" "${EXT}" ""
!macroend
!macro RemoveOpenWith PROGID_NAME EXT
    DeleteRegKey SHCTX "Software\Classes\${PROGID_NAME}"
    DeleteRegValue SHCTX "Software\Classes\${EXT}\OpenWithProgids" "${PROGID_NAME}"
    DeleteRegKey /ifempty SHCTX "Software\Classes\${EXT}\OpenWithProgids"
    DeleteRegKey /ifempty SHCTX "Software\Classes\${EXT}"
!macroend

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "Rokal"
!define MULTIUSER_USE_PROGRAMFILES64
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include WinVer.nsh
!include x64.nsh

Name "${APP_TITLE}"
OutFile "${OUTFILE}"
BrandingText "Rokal ${VERSION}"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "Rokal"
VIAddVersionKey /LANG=0 "FileDescription" "Rokal setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Rokal"

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_LICENSE "${STAGE}\COPYING.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${APP_EXE}"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one shown where the system's is neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"

LangString NeedsWindows10 ${LANG_ENGLISH} \
    "Rokal needs 64-bit Windows 10 or Windows 11. It cannot be installed on this version of Windows."
LangString NeedsWindows10 ${LANG_SIMPCHINESE} \
    "Rokal 需要 64 位 Windows 10 或 Windows 11，无法安装在此版本的 Windows 上。"
LangString ScheduleType ${LANG_ENGLISH} "Pile schedule (CSV)"
LangString ScheduleType ${LANG_SIMPCHINESE} "桩表 (CSV)"
LangString WorkbookType ${LANG_ENGLISH} "Pile schedule (workbook)"
LangString WorkbookType ${LANG_SIMPCHINESE} "桩表 (工作簿)"

Function .onInit
    ${IfNot} ${RunningX64}
    ${OrIfNot} ${AtLeastWin10}
        MessageBox MB_OK|MB_ICONSTOP "$(NeedsWindows10)" /SD IDOK
        SetErrorLevel 3
        Quit
    ${EndIf}
    SetRegView 64
    !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
    SetRegView 64
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Rokal"
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\${APP_EXE}"

    ; Apps & features, for this user or for all.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP_TITLE}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${APP_EXE},0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" \
        '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
        '"$INSTDIR\uninstall.exe" /S /$MultiUser.InstallMode'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1

    !insertmacro OpenWith "${PROGID}" ".csv" "$(ScheduleType)"
    !insertmacro OpenWith "${PROGID_XLSX}" ".xlsx" "$(WorkbookType)"
    WriteRegStr SHCTX "Software\Classes\Applications\${APP_EXE}" "FriendlyAppName" "${APP_TITLE}"
    WriteRegStr SHCTX "Software\Classes\Applications\${APP_EXE}\shell\open\command" "" \
        '"$INSTDIR\${APP_EXE}" "%1"'
    ; SHCNE_ASSOCCHANGED: Explorer reads the file types anew.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
    Delete "${SHORTCUT}"
    ; The files and folders the installer made, and the folder if it is then empty.
    !include "${UNINSTALL_LIST}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"

    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    !insertmacro RemoveOpenWith "${PROGID}" ".csv"
    !insertmacro RemoveOpenWith "${PROGID_XLSX}" ".xlsx"
    DeleteRegKey SHCTX "Software\Classes\Applications\${APP_EXE}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
