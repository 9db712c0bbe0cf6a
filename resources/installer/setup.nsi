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
; A program file that cannot be written ends the setup as failed, never skipped (by default a
; silent File skips it and the setup still ends with 0, the old program under the new entry).
; SecMain first checks that every program file there can be replaced, so that the usual case
; changes nothing at all; this is the net under that check.
AllowSkipFiles off
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

Var Upgrade      ; 1 when an earlier Vantor is installed
Var LogonFolder  ; the folder whose log-on entry the components page shows
Var LogonFound   ; that entry as the setup found it (LogonState)

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
  Call ShowLogon
FunctionEnd

Function DirectoryLeave
  Call AskToEndVantor
  Pop $0
  ${IfThen} $0 = 1 ${|} Abort ${|}
FunctionEnd

Section "Vantor と Preference" SecMain
  SectionIn RO
  Call AskToFreeFiles
  Pop $0
  ${If} $0 != ""
    SetErrorLevel 4
    Abort "$0 を書き換えられないため、セットアップを中止しました。"
  ${EndIf}
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
  Call LogonAsShown
  Pop $0
  ${If} $0 = 0
    WriteRegStr HKCU "${RUN_KEY}" "Vantor" '"$INSTDIR\Vantor.exe"'
    ; Where Task Manager had switched Vantor off, it is on again: no switch means on.
    DeleteRegValue HKCU "${APPROVED_KEY}" "Vantor"
  ${EndIf}
SectionEnd

; Without the log-on option, a Run value that starts this folder's Vantor goes.
Section "-NoLogon"
  Call LogonAsShown
  Pop $0
  ${IfNot} ${SectionIsSelected} ${SecLogon}
  ${AndIf} $0 = 0
    Call LogonState
    Pop $0
    ${IfThen} $0 <> 0 ${|} DeleteRegValue HKCU "${RUN_KEY}" "Vantor" ${|}
  ${EndIf}
SectionEnd

; The log-on part is ticked on a first install.  On an upgrade it shows what Windows will do
; at log-on, ticked only when it starts this folder's Vantor, so that the entry the user left
; (in Preference or in Task Manager) is kept by a setup left as it is, silent or not.
Function ShowLogon
  StrCpy $LogonFolder $INSTDIR
  Call LogonState
  Pop $LogonFound
  ClearErrors
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "DisplayName"
  ${If} ${FileExists} "$INSTDIR\Vantor.exe"
  ${OrIfNot} ${Errors}
    StrCpy $Upgrade 1
    ${If} $LogonFound <> 1
      !insertmacro UnselectSection ${SecLogon}
    ${EndIf}
  ${EndIf}
FunctionEnd

; Pushes 1 when the log-on entry is to stay exactly as it is: an upgrade into the folder the
; page was shown for, with the part ticked as it was shown.  Else 0: the tick is written.
Function LogonAsShown
  StrCpy $0 0
  ${If} $Upgrade = 1
  ${AndIf} $INSTDIR == $LogonFolder
    StrCpy $1 0
    ${IfThen} ${SectionIsSelected} ${SecLogon} ${|} StrCpy $1 1 ${|}
    StrCpy $2 0
    ${IfThen} $LogonFound = 1 ${|} StrCpy $2 1 ${|}
    ${IfThen} $1 = $2 ${|} StrCpy $0 1 ${|}
  ${EndIf}
  Push $0
FunctionEnd
