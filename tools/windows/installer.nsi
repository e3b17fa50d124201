; The Windows installer: per machine by default (an administrator installs
; for the whole classroom computer), per user with /CurrentUser or when the
; account may not write Program Files. build-program.sh passes the defines.
;   VERSION     the program's version
;   PROGRAM_DIR the deployed folder (exe, Qt, fonts)
;   OUT_FILE    the installer to write
;   LICENSE     the licence text (CRLF)

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!define APP "gratinglab"
!define TITLE "Измерение длины световой волны"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP}"
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "Software\${APP}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "Software\${APP}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallDir"
!include MultiUser.nsh
!include MUI2.nsh

Name "${TITLE}"
OutFile "${OUT_FILE}"
BrandingText "${APP} ${VERSION}"
!define MUI_ICON "${PROGRAM_DIR}\gratinglab.ico"
!define MUI_UNICON "${PROGRAM_DIR}\gratinglab.ico"

!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\gratinglab.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Ukrainian"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductName" "${TITLE}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileDescription" "${TITLE}: установка"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "LegalCopyright" "GNU GPL 3"

Function .onInit
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

; A file type that opens in the program: its icon, and the command line.
!macro FileType EXT PROGID DESCRIPTION ARGS
  WriteRegStr SHCTX "Software\Classes\${EXT}" "" "${PROGID}"
  WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "${DESCRIPTION}"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" '"$INSTDIR\gratinglab.exe",0'
  WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\gratinglab.exe" ${ARGS}"%1"'
!macroend

Section "gratinglab"
  SetOutPath "$INSTDIR"
  File /r "${PROGRAM_DIR}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortCut "$SMPROGRAMS\${TITLE}.lnk" "$INSTDIR\gratinglab.exe"
  CreateShortCut "$SMPROGRAMS\${TITLE} — учителю.lnk" "$INSTDIR\gratinglab.exe" "--teacher"

  !insertmacro FileType ".gratinglab-task" "gratinglab.task" "Задание: ${TITLE}" ""
  !insertmacro FileType ".gratinglab-teacher" "gratinglab.teacher" "Файл учителя: ${TITLE}" "--teacher "

  WriteRegStr SHCTX "Software\${APP}" "InstallDir" "$INSTDIR"
  WriteRegStr SHCTX "Software\${APP}" "InstallMode" "$MultiUser.InstallMode"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${TITLE}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\gratinglab.exe",0'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "gratinglab"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ; Explorer rereads the file types.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

; Only what the installer put there goes. The pupils' journals, recovery
; copies and results live under %LOCALAPPDATA%\gratinglab and in the class
; folder, and stay.
Section "Uninstall"
  Delete "$SMPROGRAMS\${TITLE}.lnk"
  Delete "$SMPROGRAMS\${TITLE} — учителю.lnk"
  DeleteRegKey SHCTX "Software\Classes\gratinglab.task"
  DeleteRegKey SHCTX "Software\Classes\gratinglab.teacher"
  ReadRegStr $0 SHCTX "Software\Classes\.gratinglab-task" ""
  StrCmp $0 "gratinglab.task" 0 +2
    DeleteRegKey SHCTX "Software\Classes\.gratinglab-task"
  ReadRegStr $0 SHCTX "Software\Classes\.gratinglab-teacher" ""
  StrCmp $0 "gratinglab.teacher" 0 +2
    DeleteRegKey SHCTX "Software\Classes\.gratinglab-teacher"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  DeleteRegKey SHCTX "Software\${APP}"
  !include "uninstall-files.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
