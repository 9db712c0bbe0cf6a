; Vantor's uninstaller, uninstall.exe in the program folder.
;   makensis -INPUTCHARSET UTF8 -DVERSION=x.y.z -DOUTFILE=<file> uninstall.nsi
; It does all the work itself and ends only then, with its real exit code, so that whoever
; waits for it (Settings, a deployment tool, `start /wait`) learns the outcome: 0 when Vantor
; is removed; having changed nothing, 1 when the user says no, 2 while Vantor or Preference
; runs, 3 while another setup or uninstaller runs, 4 while another program holds a program
; file open (4 too, with the list entry kept to run it again, for a file held only after that
; check).  A program cannot delete its own file while it runs, so as its last act it starts a
; hidden command processor (cmd.exe, no file of ours) that deletes uninstall.exe, and the
; folder when nothing else is left in it, as soon as this process has ended.  No copy of the
; uninstaller is made anywhere.
!include "${__FILEDIR__}/common.nsh"
!include MUI2.nsh

OutFile "${OUTFILE}"
!define MUI_ICON "${__FILEDIR__}/../vantor.ico"
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"
Caption "Vantor のアンインストール"
ShowInstDetails show

; Ends with `code` when another setup or uninstaller runs.
!macro OnlyCopy code
  System::Call 'kernel32::CreateMutexW(p 0, i 0, w "${SETUP_MUTEX}") p .r8 ?e'
  Pop $1
  ${If} $1 = 183
    MessageBox MB_OK|MB_ICONEXCLAMATION "Vantor のセットアップ（またはアンインストール）は既に実行中です。" /SD IDOK
    SetErrorLevel ${code}
    Quit
  ${EndIf}
!macroend

Function .onInit
  StrCpy $INSTDIR $EXEDIR
  !insertmacro OnlyCopy 3
  Call AskToEndVantor
  Pop $0
  ${If} $0 = 1
    SetErrorLevel 2
    Quit
  ${EndIf}
  MessageBox MB_OKCANCEL|MB_ICONQUESTION "Vantor をアンインストールします。よろしいですか？" /SD IDOK IDOK +3
  SetErrorLevel 1
  Quit
FunctionEnd

Section
  ; Started in between?
  Call AskToEndVantor
  Pop $0
  ${If} $0 = 1
    SetErrorLevel 2
    Abort "Vantor が実行中のため、アンインストールを中止しました。"
  ${EndIf}
  Call AskToFreeFiles
  Pop $0
  ${If} $0 != ""
    SetErrorLevel 4
    Abort "$0 を削除できないため、アンインストールを中止しました。"
  ${EndIf}
  Delete "$INSTDIR\Vantor.exe"
  Delete "$INSTDIR\Preference.exe"
  ${If} ${FileExists} "$INSTDIR\Vantor.exe"
  ${OrIf} ${FileExists} "$INSTDIR\Preference.exe"
    ; Held since the check: the list entry stays, so that the uninstall can be run again.
    SetErrorLevel 4
    Abort "Vantor.exe または Preference.exe を削除できないため、アンインストールを中止しました。"
  ${EndIf}
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\temp.ico"
  Delete "$SMPROGRAMS\Vantor\Vantor.lnk"
  Delete "$SMPROGRAMS\Vantor\Preference.lnk"
  RMDir "$SMPROGRAMS\Vantor"
  ; The log-on entry only where it starts this folder's Vantor.
  Call LogonState
  Pop $0
  ${If} $0 <> 0
    DeleteRegValue HKCU "${RUN_KEY}" "Vantor"
    DeleteRegValue HKCU "${APPROVED_KEY}" "Vantor"
  ${EndIf}
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  MessageBox MB_YESNO|MB_ICONQUESTION "設定と記録（Vantor.ini、links.lst、priority.ini、history.csv）も削除しますか？$\r$\n「いいえ」を選ぶと、$INSTDIR に残ります。" /SD IDNO IDNO keep
  Delete "$INSTDIR\Vantor.ini"
  Delete "$INSTDIR\links.lst"
  Delete "$INSTDIR\priority.ini"
  Delete "$INSTDIR\history.csv"
  Delete "$INSTDIR\history-waiting.csv"
  keep:
SectionEnd

; After the work, and after the user closed the window: a hidden cmd.exe, started in the
; system folder so that it holds neither this folder nor a handle of this process, retries for
; up to 30 seconds to delete uninstall.exe, which Windows refuses while this process runs, and
; then removes the folder if it is empty (kept settings keep it).
Function .onInstSuccess
  SetOutPath "$SYSDIR"  ; nor does this process hold the folder as its current one
  ReadEnvStr $0 COMSPEC
  ${IfThen} $0 == "" ${|} StrCpy $0 "$SYSDIR\cmd.exe" ${|}
  ; A second's wait is ping's: cmd.exe has no sleep of its own.
  StrCpy $1 '"$0" /d /q /v:off /c for /l %i in (1,1,30) do (del /f /q "$INSTDIR\uninstall.exe" 2>nul & if exist "$INSTDIR\uninstall.exe" (ping -n 2 127.0.0.1 >nul) else (rd "$INSTDIR" 2>nul & exit))'
  System::Alloc 104  ; STARTUPINFOW, zeroed
  Pop $2
  System::Call '*$2(i 104)'
  System::Alloc 24  ; PROCESS_INFORMATION
  Pop $3
  ; CREATE_NO_WINDOW (0x08000000), no handle inherited.
  System::Call 'kernel32::CreateProcessW(p 0, w r1, p 0, p 0, i 0, i 0x08000000, p 0, w "$SYSDIR", p r2, p r3) i .r4'
  ${If} $4 <> 0
    System::Call '*$3(p .r5, p .r6)'
    System::Call 'kernel32::CloseHandle(p r5)'
    System::Call 'kernel32::CloseHandle(p r6)'
  ${EndIf}
  System::Free $2
  System::Free $3
FunctionEnd
