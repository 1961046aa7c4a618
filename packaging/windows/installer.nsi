; SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
; SPDX-License-Identifier: GPL-2.0-or-later
; The Windows installer: for the current user only, no administrator rights, into
; %LOCALAPPDATA%\Programs\Morvane Stocks, with a Start-menu entry and an entry in the user's
; list of apps. /S installs and uninstalls silently. The uninstaller removes the files it
; installed, one by one, and nothing else: the page, its backup and the settings that the
; program keeps beside itself stay.
; A running copy in the folder is closed first (running_copy.nsh); a silent run that cannot
; close it ends with exit code 3 (still running) or 4 (a file in use), 5 on a Windows too old
; or 32-bit, 6 when the older version's uninstaller failed; each of them changed nothing.
; Made by scripts/windows/package: makensis -DVERSION=1.1 -DFILE_VERSION=1.1.0.0 -DSTAGE=FOLDER
; -DLISTS=FOLDER (install-files.nsh, uninstall-files.nsh) -DICON=FILE -DOUTFILE=FILE -DSIZE_KB=N
; -DMAKER_URL=https://...
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestSupportedOS all

!define PRODUCT "Morvane Stocks"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\MorvaneStocks"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "Morvane"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 Morvane. GPL-2.0-or-later."

!define STARTUP_SHORTCUT "$SMSTARTUP\${PRODUCT}.lnk"
!define EXIT_UNSUPPORTED_WINDOWS 5
!define EXIT_OLD_UNINSTALL_FAILED 6
; A file that cannot be written stops the install instead of being skipped: never a mix of
; versions. Silent, the run then ends with a non-zero code.
AllowSkipFiles off

!include "LogicLib.nsh"
!include "WinVer.nsh"
!include "x64.nsh"
!include "FileFunc.nsh"
!include "MUI2.nsh"
!include "${__FILEDIR__}/running_copy.nsh"

; 1 when a copy of the program was running in the folder and was closed for the install.
Var StocksWasRunning
; 1 when the program is to start at sign-in: on an upgrade, as the older install had it.
Var StartAtSignIn

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_LICENSE "${STAGE}/licenses/LICENSE.txt"
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\stocks.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT}"
!define MUI_FINISHPAGE_SHOWREADME ""
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Start ${PRODUCT} when I sign in"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION CreateStartupShortcut
!define MUI_PAGE_CUSTOMFUNCTION_SHOW FinishShow
!insertmacro MUI_PAGE_FINISH
!define MUI_UNCONFIRMPAGE_TEXT_TOP "${PRODUCT} will be removed from the folder below. Your page (MorvaneStocks.html), its backup (MorvaneStocks.BAK) and your settings (stocks.INI) stay in that folder; delete it yourself when you no longer want them."
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE un.ConfirmLeave
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

!insertmacro STOCKS_RUNNING_COPY ""
!insertmacro STOCKS_RUNNING_COPY "un."

Function .onInit
    SetShellVarContext current
    ; The program is a 64-bit Qt 6 program: nothing of it runs elsewhere.
    ${IfNot} ${RunningX64}
    ${OrIfNot} ${AtLeastWin10}
        MessageBox MB_OK|MB_ICONSTOP "${PRODUCT} needs 64-bit Windows 10 or later; this computer runs an older or 32-bit Windows. Nothing was installed." /SD IDOK
        SetErrorLevel ${EXIT_UNSUPPORTED_WINDOWS}
        Quit
    ${EndIf}
    StrCpy $StocksWasRunning 0
    StrCpy $StartAtSignIn 0
    ${IfThen} ${FileExists} "${STARTUP_SHORTCUT}" ${|} StrCpy $StartAtSignIn 1 ${|}
FunctionEnd

; Interactive: the folder is chosen here, so a copy running from it is found here.
Function DirectoryLeave
    Call StocksAskAndClose
FunctionEnd

Function FinishShow
    ${If} $StocksWasRunning = 1
        SendMessage $mui.FinishPage.Run ${WM_SETTEXT} 0 "STR:Start ${PRODUCT} again"
    ${EndIf}
    ${If} $StartAtSignIn = 1
        SendMessage $mui.FinishPage.ShowReadme ${BM_SETCHECK} ${BST_CHECKED} 0
    ${EndIf}
FunctionEnd

Function CreateStartupShortcut
    CreateShortcut "${STARTUP_SHORTCUT}" "$INSTDIR\stocks.exe"
FunctionEnd

; Before any file is written: close what runs, then let the older version remove its own
; files, so that a file the new version no longer ships does not stay behind. Its uninstaller
; keeps the page, the backup and the settings.
Function CloseAndRemoveOlder
    Call StocksCloseRunningCopies
    Pop $0
    ${If} $0 <> 0
        DetailPrint $R9
        MessageBox MB_OK|MB_ICONSTOP $R9 /SD IDOK
        SetErrorLevel $0
        Quit
    ${EndIf}
    ${If} ${FileExists} "$INSTDIR\uninstall.exe"
        DetailPrint "Removing the installed version first..."
        ClearErrors
        ExecWait '"$INSTDIR\uninstall.exe" /S /UPGRADE _?=$INSTDIR' $0
        ${If} ${Errors}
        ${OrIf} $0 <> 0
            StrCpy $R9 "The installed version's uninstaller failed (code $0); nothing was changed."
            DetailPrint $R9
            MessageBox MB_OK|MB_ICONSTOP $R9 /SD IDOK
            SetErrorLevel ${EXIT_OLD_UNINSTALL_FAILED}
            Quit
        ${EndIf}
    ${EndIf}
FunctionEnd

Function un.onInit
    SetShellVarContext current
    ; The clean-up copy: waits for the uninstaller that started it, then takes its file away.
    ${GetOptions} $CMDLINE "/CLEANUP=" $0
    ${IfNot} ${Errors}
        System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r0) p .r1' ; SYNCHRONIZE
        ${If} $1 <> 0
            System::Call 'kernel32::WaitForSingleObject(p r1, i 60000)'
            System::Call 'kernel32::CloseHandle(p r1)'
        ${EndIf}
        Delete "$INSTDIR\uninstall.exe"
        RMDir "$INSTDIR"
        Quit
    ${EndIf}
FunctionEnd

Function un.ConfirmLeave
    Call un.StocksAskAndClose
FunctionEnd

Section "Install"
    SetRegView 64
    Call CloseAndRemoveOlder
    !include "${LISTS}/install-files.nsh"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\stocks.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Morvane"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\stocks.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    ; Run in place, so that whoever starts it gets its real exit code: by default an NSIS
    ; uninstaller starts a copy of itself and returns 0 at once.
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" _?=$INSTDIR'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${MAKER_URL}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "HelpLink" "${MAKER_URL}"
    ${GetTime} "" "L" $0 $1 $2 $3 $4 $5 $6
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallDate" "$2$1$0"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
    ; Silent, the start at sign-in stays as the older install had it; interactive, the Finish
    ; page offers it, ticked when it was on.
    ${If} ${Silent}
    ${AndIf} $StartAtSignIn = 1
        Call CreateStartupShortcut
    ${EndIf}
SectionEnd

Section "Uninstall"
    SetRegView 64
    Call un.StocksCloseRunningCopies
    Pop $0
    ${If} $0 <> 0
        DetailPrint $R9
        MessageBox MB_OK|MB_ICONSTOP $R9 /SD IDOK
        SetErrorLevel $0
        Quit
    ${EndIf}
    !include "${LISTS}/uninstall-files.nsh"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "${STARTUP_SHORTCUT}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ; Called by the installer of a newer version, which writes its own uninstaller next.
    ${GetOptions} $CMDLINE "/UPGRADE" $0
    ${IfNot} ${Errors}
        Return
    ${EndIf}
    Delete "$INSTDIR\uninstall.exe"
    ; Run in place, the uninstaller cannot delete its own file: a copy of it in the temporary
    ; folder does that once this process has ended.
    ${If} ${FileExists} "$INSTDIR\uninstall.exe"
        GetTempFileName $1
        Delete $1
        CopyFiles /SILENT "$EXEPATH" "$1.exe"
        System::Call 'kernel32::GetCurrentProcessId() i .r2'
        Exec '"$1.exe" /S /CLEANUP=$2 _?=$INSTDIR'
    ${EndIf}
    ; Only when the program left nothing of the user's behind.
    RMDir "$INSTDIR"
SectionEnd
