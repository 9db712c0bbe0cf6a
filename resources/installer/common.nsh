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
