; Vantor's uninstaller, uninstall.exe in the program folder.
;   makensis -INPUTCHARSET UTF8 -DVERSION=x.y.z -DOUTFILE=<file> uninstall.nsi
; A program cannot delete its own file while it runs, so uninstall.exe first decides whether
; it may go on (no other setup or uninstaller runs, Vantor and Preference do not run, the user
; agrees); it ends with a non-zero exit code, having changed nothing, when it may not. Then it
; starts a copy of itself from the temporary folder, which removes the programs, and ends.
!include "${__FILEDIR__}/common.nsh"
!include MUI2.nsh

OutFile "${OUTFILE}"
!define MUI_ICON "${__FILEDIR__}/../vantor.ico"
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"
Caption "Vantor のアンインストール"
ShowInstDetails show

!define RUNNING_TEXT "Vantor（または Preference）が実行中です。$\r$\n$\r$\nタスクトレイのアイコンのメニューから「Vantorの終了」を選んで Vantor を終了してから、「再試行」を押してください。"

Var Inner

; Pushes 1 while Vantor or Preference runs from $INSTDIR and the user does not end it, else 0.
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
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/inner" $R1
  ${If} ${Errors}
    ; The copy in the program folder: it decides, then hands the work on.
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
    System::Call 'kernel32::CloseHandle(p r8)'
    StrCpy $0 "$TEMP\Vantor-uninstall.exe"
    ClearErrors
    CopyFiles /SILENT "$EXEPATH" "$0"
    ${If} ${Errors}
      MessageBox MB_OK|MB_ICONSTOP "アンインストーラーを一時フォルダにコピーできませんでした。" /SD IDOK
      SetErrorLevel 4
      Quit
    ${EndIf}
    StrCpy $1 ""
    ${IfThen} ${Silent} ${|} StrCpy $1 "/S " ${|}
    Exec '"$0" $1/inner /D=$INSTDIR'
    SetErrorLevel 0  ; a Quit from here counts as a failure otherwise
    Quit
  ${EndIf}
  StrCpy $Inner 1
  !insertmacro OnlyCopy 3
FunctionEnd

Section
  ; The copy in the program folder has ended once its file may be written.
  StrCpy $0 0
  ${Do}
    ClearErrors
    FileOpen $1 "$INSTDIR\uninstall.exe" a
    ${IfNot} ${Errors}
      FileClose $1
      ${Break}
    ${EndIf}
    IntOp $0 $0 + 1
    ${If} $0 > 100
      SetErrorLevel 4
      Abort "uninstall.exe が使用中です。"
    ${EndIf}
    Sleep 100
  ${Loop}
  ; Started in between?
  Call AskToEndVantor
  Pop $0
  ${If} $0 = 1
    SetErrorLevel 2
    Abort "Vantor が実行中のため、アンインストールを中止しました。"
  ${EndIf}
  Delete "$INSTDIR\uninstall.exe"
  Delete "$INSTDIR\Vantor.exe"
  Delete "$INSTDIR\Preference.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\temp.ico"
  Delete "$SMPROGRAMS\Vantor\Vantor.lnk"
  Delete "$SMPROGRAMS\Vantor\Preference.lnk"
  RMDir "$SMPROGRAMS\Vantor"
  ; The log-on entry only where it starts this folder's Vantor.
  ReadRegStr $0 HKCU "${RUN_KEY}" "Vantor"
  ${If} $0 == '"$INSTDIR\Vantor.exe"'
  ${OrIf} $0 == "$INSTDIR\Vantor.exe"
    DeleteRegValue HKCU "${RUN_KEY}" "Vantor"
    DeleteRegValue HKCU "${APPROVED_KEY}" "Vantor"
  ${EndIf}
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  MessageBox MB_YESNO|MB_ICONQUESTION "設定と記録（Vantor.ini、links.lst、priority.ini、history.csv）も削除しますか？$\r$\n「いいえ」を選ぶと、$INSTDIR に残ります。" /SD IDNO IDNO +5
  Delete "$INSTDIR\Vantor.ini"
  Delete "$INSTDIR\links.lst"
  Delete "$INSTDIR\priority.ini"
  Delete "$INSTDIR\history.csv"
  RMDir "$INSTDIR"
SectionEnd
