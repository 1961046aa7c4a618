; SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
; SPDX-License-Identifier: GPL-2.0-or-later
; Running copies of $INSTDIR\stocks.exe, for the installer and the uninstaller: a copy is found
; by its main window ("Morvane Stocks") and the file its process runs, and is asked to close
; the way "X" asks, so it saves its page and settings; then every program file in the folder
; must be free before anything is written or removed. Windows would otherwise refuse to replace
; a file in use, and the install would end as a mix of versions or a half-removed program.
; Needs LogicLib; insert STOCKS_RUNNING_COPY "" for the installer, "un." for the uninstaller.

!define STOCKS_CLOSE_LIMIT_MS 20000
; Exit codes of a silent run that changed nothing.
!define STOCKS_EXIT_STILL_RUNNING 3
!define STOCKS_EXIT_FILE_IN_USE 4

!macro STOCKS_RUNNING_COPY UN

; The number of windows of running copies of $INSTDIR\stocks.exe. Input on the stack: 1 to
; post each of them WM_CLOSE, 0 only to count them.
Function ${UN}StocksRunningCopies
    Exch $R0
    Push $R1
    Push $R2
    Push $R3
    Push $R4
    Push $R5
    StrCpy $R5 0
    StrCpy $R1 0
    ${Do}
        System::Call 'user32::FindWindowExW(p 0, p R1, p 0, w "Morvane Stocks") p .R1'
        ${IfThen} $R1 = 0 ${|} ${ExitDo} ${|}
        StrCpy $R2 0
        System::Call 'user32::GetWindowThreadProcessId(p R1, *i .R2)'
        ; PROCESS_QUERY_LIMITED_INFORMATION: enough for the file name, and allowed for any
        ; process of the same user.
        System::Call 'kernel32::OpenProcess(i 0x1000, i 0, i R2) p .R3'
        ${If} $R3 <> 0
            StrCpy $R4 ""
            System::Call 'kernel32::QueryFullProcessImageNameW(p R3, i 0, w .R4, *i ${NSIS_MAX_STRLEN})'
            System::Call 'kernel32::CloseHandle(p R3)'
            ; Another copy of the program elsewhere (a portable folder) is left alone.
            ${If} $R4 == "$INSTDIR\stocks.exe"
                IntOp $R5 $R5 + 1
                ${If} $R0 = 1
                    System::Call 'user32::PostMessageW(p R1, i 0x0010, p 0, p 0)' ; WM_CLOSE
                ${EndIf}
            ${EndIf}
        ${EndIf}
    ${Loop}
    StrCpy $R0 $R5
    Pop $R5
    Pop $R4
    Pop $R3
    Pop $R2
    Pop $R1
    Exch $R0
FunctionEnd

; The first file in a folder matching a pattern (push the folder, then the pattern) that some
; process holds open, or "". Opening for writing with no sharing fails on a running program
; or a loaded DLL.
Function ${UN}StocksFileInUse
    Exch $R1 ; the pattern
    Exch
    Exch $R4 ; the folder
    Push $R0
    Push $R2
    Push $R3
    FindFirst $R1 $R2 "$R4\$R1"
    StrCpy $R0 ""
    ${DoWhile} $R2 != ""
        System::Call 'kernel32::CreateFileW(w "$R4\$R2", i 0x40000000, i 0, p 0, i 3, i 0, p 0) p .R3 ?e'
        Pop $R0 ; the last error
        ${If} $R3 = -1
        ${AndIf} $R0 <> 2 ; gone meanwhile: not in use
            StrCpy $R0 "$R4\$R2"
            ${ExitDo}
        ${EndIf}
        ${If} $R3 <> -1
            System::Call 'kernel32::CloseHandle(p R3)'
        ${EndIf}
        StrCpy $R0 ""
        FindNext $R1 $R2
    ${Loop}
    FindClose $R1
    StrCpy $R1 $R0
    Pop $R3
    Pop $R2
    Pop $R0
    Pop $R4
    Exch $R1
FunctionEnd

; The first program file in $INSTDIR or a folder directly below it (the Qt plugins) that is
; in use, or "".
Function ${UN}StocksProgramInUse
    Push $R0
    Push $R1
    Push $R2
    Push $INSTDIR
    Push "*.exe"
    Call ${UN}StocksFileInUse
    Pop $R0
    ${If} $R0 == "$INSTDIR\uninstall.exe"
        ; The uninstaller running in place, or the old one the installer just ran.
        StrCpy $R0 ""
    ${EndIf}
    ${If} $R0 == ""
        Push $INSTDIR
        Push "*.dll"
        Call ${UN}StocksFileInUse
        Pop $R0
    ${EndIf}
    FindFirst $R1 $R2 "$INSTDIR\*"
    ${DoWhile} $R2 != ""
        ${IfThen} $R0 != "" ${|} ${ExitDo} ${|}
        ${If} ${FileExists} "$INSTDIR\$R2\*.*"
        ${AndIf} $R2 != "."
        ${AndIf} $R2 != ".."
            Push "$INSTDIR\$R2"
            Push "*.dll"
            Call ${UN}StocksFileInUse
            Pop $R0
        ${EndIf}
        FindNext $R1 $R2
    ${Loop}
    FindClose $R1
    Pop $R2
    Pop $R1
    Exch $R0
FunctionEnd

; Closes the running copies and waits until they have ended and no program file is in use.
; Leaves on the stack 0, or the exit code for the failure with its message in $R9.
Function ${UN}StocksCloseRunningCopies
    Push $R0
    Push $R1
    Push $R2
    Push $R3
    Push 1
    Call ${UN}StocksRunningCopies
    Pop $R0
    ${If} $R0 > 0
        DetailPrint "Closing Morvane Stocks (it saves its page and settings first)..."
    ${EndIf}
    System::Call 'kernel32::GetTickCount() i .R1'
    IntOp $R1 $R1 + ${STOCKS_CLOSE_LIMIT_MS}
    ${Do}
        Push 0
        Call ${UN}StocksRunningCopies
        Pop $R0
        StrCpy $R2 ""
        ${If} $R0 = 0
            Call ${UN}StocksProgramInUse
            Pop $R2
            ${IfThen} $R2 == "" ${|} ${ExitDo} ${|}
        ${EndIf}
        ; The tick counter wraps; the difference stays right as a signed number.
        System::Call 'kernel32::GetTickCount() i .R3'
        IntOp $R3 $R1 - $R3
        ${IfThen} $R3 <= 0 ${|} ${ExitDo} ${|}
        Sleep 250
    ${Loop}
    ${If} $R0 > 0
        StrCpy $R9 "Morvane Stocks did not close within 20 seconds; nothing was changed.$\r$\nClose it yourself (it may be showing a message), then try again."
        StrCpy $R0 ${STOCKS_EXIT_STILL_RUNNING}
    ${ElseIf} $R2 != ""
        StrCpy $R9 "$R2 is in use by another program; nothing was changed.$\r$\nEnd that program, then try again."
        StrCpy $R0 ${STOCKS_EXIT_FILE_IN_USE}
    ${Else}
        StrCpy $R0 0
    ${EndIf}
    Pop $R3
    Pop $R2
    Pop $R1
    Exch $R0
FunctionEnd

; Interactive runs ask first: OK closes the program, Cancel keeps it and stays on the page.
; Sets $StocksWasRunning to 1 when a copy was running. Aborts the page on Cancel or failure.
Function ${UN}StocksAskAndClose
    Push 0
    Call ${UN}StocksRunningCopies
    Pop $R0
    ${If} $R0 > 0
        ${If} ${Cmd} `MessageBox MB_OKCANCEL|MB_ICONINFORMATION "Morvane Stocks is running from $INSTDIR.$\r$\n$\r$\nIt will be closed now, as its X closes it: your page and settings are saved first." /SD IDOK IDCANCEL`
            Abort
        ${EndIf}
        StrCpy $StocksWasRunning 1
    ${EndIf}
    Call ${UN}StocksCloseRunningCopies
    Pop $R0
    ${If} $R0 <> 0
        MessageBox MB_OK|MB_ICONSTOP $R9 /SD IDOK
        Abort
    ${EndIf}
FunctionEnd

!macroend
