; Vantor's setup: for the user alone (no administrator), into the user's own programs folder.
;   makensis -INPUTCHARSET UTF8 -DVERSION=x.y.z -DSTAGE=<folder> -DOUTFILE=<file> setup.nsi
; STAGE holds Vantor.exe, Preference.exe, README.txt, README-setup.txt (the README for the
; page, in UTF-16) and uninstall.exe.  The settings and the record in the folder
; (Vantor.ini, links.lst, priority.ini, history.csv) are never shipped, so a new setup over
; an old one keeps them as they are.
!include "${__FILEDIR__}/common.nsh"
!include MUI2.nsh
!include Sections.nsh

OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Vantor"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1041 "ProductName" "Vantor"
VIAddVersionKey /LANG=1041 "FileDescription" "Vantor セットアップ"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "Vantor開発チーム"

!define MUI_ICON "${__FILEDIR__}/../vantor.ico"
!define MUI_UNICON "${__FILEDIR__}/../vantor.ico"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_HEADER_TEXT "お読みください"
!define MUI_PAGE_HEADER_SUBTEXT "Vantor について"
!define MUI_LICENSEPAGE_TEXT_TOP "Vantor の説明です。"
!define MUI_LICENSEPAGE_TEXT_BOTTOM " "
!define MUI_LICENSEPAGE_BUTTON "次へ(&N) >"
!insertmacro MUI_PAGE_LICENSE "${STAGE}/README-setup.txt"
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Vantor.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Vantor を起動する"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_LANGUAGE "Japanese"

!define RUNNING_TEXT "Vantor（または Preference）が実行中です。$\r$\n$\r$\nタスクトレイのアイコンのメニューから「Vantorの終了」を選んで Vantor を終了してから、「再試行」を押してください。"

; Asks, while Vantor or Preference runs from $INSTDIR, that the user end it first.  Pushes 1
; when they still run (the user gave up, or the setup is silent), else 0.
Function AskToEndVantor
  ${Do}
    !insertmacro ProgramRunning "Vantor" "$INSTDIR"
    Pop $0
    ${If} $0 = 0
      !insertmacro ProgramRunning "Preference" "$INSTDIR"
      Pop $0
    ${EndIf}
    ${If} $0 = 0
      Push 0
      Return
    ${EndIf}
    ${IfThen} ${Silent} ${|} ${Break} ${|}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${RUNNING_TEXT}" IDRETRY +2
    ${Break}
  ${Loop}
  Push 1
FunctionEnd

Function .onInit
  System::Call 'kernel32::CreateMutexW(p 0, i 0, w "${SETUP_MUTEX}") p .r0 ?e'
  Pop $1
  ${If} $1 = 183  ; ERROR_ALREADY_EXISTS
    MessageBox MB_OK|MB_ICONEXCLAMATION "Vantor のセットアップ（またはアンインストール）は既に実行中です。" /SD IDOK
    SetErrorLevel 3
    Quit
  ${EndIf}
  Call AskToEndVantor
  Pop $0
  ${If} $0 = 1
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd

Function DirectoryLeave
  Call AskToEndVantor
  Pop $0
  ${IfThen} $0 = 1 ${|} Abort ${|}
FunctionEnd

Section "Vantor と Preference" SecMain
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${STAGE}/Vantor.exe"
  File "${STAGE}/Preference.exe"
  File "${STAGE}/README.txt"
  File "${STAGE}/uninstall.exe"
  CreateDirectory "$SMPROGRAMS\Vantor"
  CreateShortcut "$SMPROGRAMS\Vantor\Vantor.lnk" "$INSTDIR\Vantor.exe"
  CreateShortcut "$SMPROGRAMS\Vantor\Preference.lnk" "$INSTDIR\Preference.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Vantor"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Vantor開発チーム"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Vantor.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${SecMain} $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Windowsへのログオン時にVantorを起動する" SecLogon
  WriteRegStr HKCU "${RUN_KEY}" "Vantor" '"$INSTDIR\Vantor.exe"'
  ; Where Task Manager had switched Vantor off, it is on again: no switch means on.
  DeleteRegValue HKCU "${APPROVED_KEY}" "Vantor"
SectionEnd

; Without the log-on option, a Run value that starts this folder's Vantor goes.
Section "-NoLogon"
  ${IfNot} ${SectionIsSelected} ${SecLogon}
    ReadRegStr $0 HKCU "${RUN_KEY}" "Vantor"
    ${If} $0 == '"$INSTDIR\Vantor.exe"'
    ${OrIf} $0 == "$INSTDIR\Vantor.exe"
      DeleteRegValue HKCU "${RUN_KEY}" "Vantor"
    ${EndIf}
  ${EndIf}
SectionEnd
