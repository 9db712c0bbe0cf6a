; What the setup and the uninstaller of Vantor share: for the user alone, in Japanese, and
; never while Vantor or Preference runs from the folder they work on.
Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include LogicLib.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantor"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; Task Manager's switch for each value of the Run key; no value there means on.
!define APPROVED_KEY "Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run"
; Held by the setup and by the uninstaller while they run: only one of them runs at a time.
!define SETUP_MUTEX "Local\Vantor-setup"

Name "Vantor ${VERSION}"
BrandingText "Vantor ${VERSION}"

; The single-instance name of a program in a folder, as the programs make it:
; "Local\<program>-" and 16 hex digits of a 64-bit FNV-1a hash of the folder's upper-case
; UTF-16 text, from the programs' own starting value.  Stack in: folder, then program on
; top.  Stack out: the name.
Function MutexName
  Exch $1  ; program
  Exch
  Exch $0  ; folder
  Push $2
  Push $3
  Push $4
  Push $5
  Push $6
  StrLen $3 $0
  System::Call 'user32::CharUpperBuffW(w r0 r0, i r3)'
  System::Call '*(&w${NSIS_MAX_STRLEN} r0) p .r4'
  StrCpy $2 0x14650FB0739D0383  ; the programs' starting value (1469598103934665603)
  StrCpy $5 0
  ${DoWhile} $5 < $3
    IntOp $6 $5 * 2
    IntPtrOp $6 $4 + $6
    System::Call '*$6(&i2 .r6)'
    IntOp $6 $6 & 0xFFFF
    System::Int64Op $2 ^ $6
    Pop $2
    System::Int64Op $2 * 1099511628211
    Pop $2
    IntOp $5 $5 + 1
  ${Loop}
  System::Free $4
  System::Int64Op $2 >>> 32
  Pop $3
  System::Int64Op $2 & 0xFFFFFFFF
  Pop $4
  IntFmt $3 "%08x" $3
  IntFmt $4 "%08x" $4
  StrCpy $0 "Local\$1-$3$4"
  Pop $6
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  Exch
  Pop $1
  Exch $0
FunctionEnd

; Pushes 1 when a copy of `program` holds its single-instance mutex for `folder`, else 0.
; A mutex that exists but may not be opened (a copy started as another user) counts too.
!macro ProgramRunning program folder
  Push "${folder}"
  Push "${program}"
  Call MutexName
  Pop $R9
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w R9) p .R8 ?e'
  Pop $R7
  ${If} $R8 P<> 0
    System::Call 'kernel32::CloseHandle(p R8)'
    Push 1
  ${ElseIf} $R7 = 5
    Push 1
  ${Else}
    Push 0
  ${EndIf}
!macroend

; What Windows will do at log-on for the Vantor of $INSTDIR, read as Preference reads it.
; Pushes 0 when the Run value "Vantor" starts no Vantor of this folder, 1 when it starts it,
; 2 when it names it but Task Manager switched it off.  A value names the program in its
; quotes, or else all of it less the blanks at its ends, in any letters, / read as \; a
; REG_EXPAND_SZ value is read expanded.  Task Manager's switch is off when the first byte of
; its binary value is odd (03, 07); no such value is on.
Function LogonState
  Push $0
  Push $1
  Push $2
  Push $3
  Push $4
  StrCpy $4 0
  System::Call 'advapi32::RegOpenCurrentUser(i 0x20019, *p .r1) i .r0'  ; KEY_READ
  ${If} $0 = 0
    ; RRF_RT_REG_SZ (2) takes a REG_EXPAND_SZ too, expanded.
    System::Call 'advapi32::RegGetValueW(p r1, w "${RUN_KEY}", w "Vantor", i 2, p 0, w .r2, *i ${NSIS_MAX_STRLEN}) i .r0'
    ${IfThen} $0 <> 0 ${|} StrCpy $2 "" ${|}
    ${Do}  ; the blanks before
      StrCpy $0 $2 1
      ${If} $0 != " "
      ${AndIf} $0 != "$\t"
        ${Break}
      ${EndIf}
      StrCpy $2 $2 "" 1
    ${Loop}
    ${If} $0 == '"'
      StrCpy $2 $2 "" 1
      StrCpy $3 0
      ${Do}
        StrCpy $0 $2 1 $3
        ${If} $0 == '"'
        ${OrIf} $0 == ""
          ${Break}
        ${EndIf}
        IntOp $3 $3 + 1
      ${Loop}
      StrCpy $2 $2 $3
    ${Else}
      ${Do}  ; the blanks after
        StrCpy $0 $2 1 -1
        ${If} $0 != " "
        ${AndIf} $0 != "$\t"
          ${Break}
        ${EndIf}
        StrCpy $2 $2 -1
      ${Loop}
    ${EndIf}
    StrCpy $3 ""  ; each / read as \ here
    ${Do}
      StrCpy $0 $2 1
      ${IfThen} $0 == "" ${|} ${Break} ${|}
      ${IfThen} $0 == "/" ${|} StrCpy $0 "\" ${|}
      StrCpy $3 "$3$0"
      StrCpy $2 $2 "" 1
    ${Loop}
    ${If} $3 == "$INSTDIR\Vantor.exe"  ; StrCmp: in any letters
      StrCpy $4 1
      ; RRF_RT_REG_BINARY (8): first the size, then the bytes.
      System::Call 'advapi32::RegGetValueW(p r1, w "${APPROVED_KEY}", w "Vantor", i 8, p 0, p 0, *i .r3) i .r0'
      ${If} $0 = 0
      ${AndIf} $3 > 0
        System::Alloc $3
        Pop $2
        System::Call 'advapi32::RegGetValueW(p r1, w "${APPROVED_KEY}", w "Vantor", i 8, p 0, p r2, *i r3) i .r0'
        System::Call '*$2(&i1 .r3)'
        System::Free $2
        IntOp $3 $3 & 1
        ${If} $0 = 0
        ${AndIf} $3 = 1
          StrCpy $4 2
        ${EndIf}
      ${EndIf}
    ${EndIf}
    System::Call 'advapi32::RegCloseKey(p r1)'
  ${EndIf}
  Pop $3
  Pop $2
  Pop $1
  Pop $0
  Exch $4
FunctionEnd

!define HELD_TEXT "をほかのプログラムが開いているため、書き換えも削除もできません。$\r$\n$\r$\nそのプログラムを閉じてから、「再試行」を押してください。"
; Sets $1 to `name` when another program holds $INSTDIR\`name` open so that it might be
; neither replaced nor deleted (a running program's own file included): an open for writing and
; deleting that shares only reading, as File does, then fails with a sharing violation.  A
; read-only file does not count (File and Delete clear that), nor a missing one; the open
; changes nothing.
!macro HeldFile name
  ${If} $1 == ""
  ${AndIf} "$INSTDIR\${name}" != $EXEPATH
    ; GENERIC_WRITE | DELETE, FILE_SHARE_READ, OPEN_EXISTING
    System::Call 'kernel32::CreateFileW(w "$INSTDIR\${name}", i 0x40010000, i 1, p 0, i 3, i 0, p 0) p .r0 ?e'
    Pop $2
    ${If} $0 P<> -1
      System::Call 'kernel32::CloseHandle(p r0)'
    ${EndIf}
    ${If} $2 = 32  ; ERROR_SHARING_VIOLATION
    ${OrIf} $2 = 33  ; ERROR_LOCK_VIOLATION
      StrCpy $1 "${name}"
    ${EndIf}
  ${EndIf}
!macroend
; Asks, while another program holds a program file of $INSTDIR (other than this program's
; own), that it be closed first.  Pushes the file's name when one is still held (the user gave
; up, or silent), else "".
Function AskToFreeFiles
  ${Do}
    StrCpy $1 ""
    !insertmacro HeldFile "Vantor.exe"
    !insertmacro HeldFile "Preference.exe"
    !insertmacro HeldFile "README.txt"
    !insertmacro HeldFile "uninstall.exe"
    ${IfThen} $1 == "" ${|} ${Break} ${|}
    ${IfThen} ${Silent} ${|} ${Break} ${|}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$INSTDIR\$1 ${HELD_TEXT}" IDRETRY +2
    ${Break}
  ${Loop}
  Push $1
FunctionEnd

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
