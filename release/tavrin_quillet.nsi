; The Tavrin Quillet installer, built by scripts/release.sh with
;   makensis -DVERSION=1.0.0 -DFILE_VERSION=1.0.0.0 -DSTAGE=<files> -DROOT=<source> -DOUTFILE=<setup.exe>
; A 64-bit installer for all users, into the 64-bit Program Files with its
; registry values in the 64-bit view: the program and its files, a Start-menu
; shortcut, an "Uninstall" entry, and optionally the current user's Run value.
; Silent: /S, with /AUTOSTART for the Run value. The uninstaller (silent: /S,
; /REMOVESETTINGS to also remove the settings) closes a running copy through
; its window, removes what was installed and keeps the user's libraries, and
; their settings and dictionaries unless asked.

Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"

!define APP "Tavrin Quillet"
!define EXE "TavrinQuillet.exe"
!define PUBLISHER "Morvane"
!define UNINSTALLER "Uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_KEY "Software\Morvane\${APP}"
!define GW_OWNER 4

Name "${APP}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${APP}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${APP} ${VERSION}"

VIProductVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${APP}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${APP} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${FILE_VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${FILE_VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ROOT}/app/resources/tavrin_quillet.ico"
!define MUI_UNICON "${ROOT}/app/resources/tavrin_quillet.ico"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_LICENSE "${STAGE}/License.RTF"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Ends a running copy as Windows does at the end of a session: its main
; window (the form owned by the application window) is asked whether it may
; end, which saves its settings, and then closed. Waits up to 10 seconds for
; it to go, then gives up: it is never killed.
!macro CLOSE_RUNNING_COPY un
Function ${un}CloseRunningCopy
  FindWindow $0 "TqApplication" "${APP}"
  ${If} $0 == 0
    Return
  ${EndIf}
  DetailPrint "Closing ${APP}..."
  StrCpy $1 0
  ${Do}
    FindWindow $1 "TqForm" "" 0 $1
    ${If} $1 == 0
      ${Break}
    ${EndIf}
    System::Call "user32::GetWindow(p r1, i ${GW_OWNER}) p .r2"
    ${If} $2 == $0
      SendMessage $1 ${WM_QUERYENDSESSION} 0 0 $3 /TIMEOUT=5000
      SendMessage $1 ${WM_CLOSE} 0 0 $3 /TIMEOUT=5000
    ${EndIf}
  ${Loop}
  StrCpy $3 0
  ${Do}
    FindWindow $0 "TqApplication" "${APP}"
    ${If} $0 == 0
      Return
    ${EndIf}
    Sleep 100
    IntOp $3 $3 + 1
  ${LoopUntil} $3 >= 100
  MessageBox MB_OK|MB_ICONSTOP "${APP} is still running and did not close. Close it and try again." /SD IDOK
  Abort
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_COPY ""
!insertmacro CLOSE_RUNNING_COPY "un."

Section "${APP}" SecProgram
  SectionIn RO
  Call CloseRunningCopy
  SetOutPath "$INSTDIR"
  File "${STAGE}/${EXE}"
  File "${STAGE}/quillet.exe"
  File "${STAGE}/American.adm"
  File "${STAGE}/American.frq"
  File "${STAGE}/ThirdPartyNotices.txt"
  File "${STAGE}/Readme.RTF"
  File "${STAGE}/License.RTF"
  File "${STAGE}/TavrinQuillet.html"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The same value the configuration dialog's check box writes and reads.
Section /o "Start ${APP} when Windows starts" SecStartWithWindows
  WriteRegStr HKCU "${RUN_KEY}" "${APP}" '"$INSTDIR\${EXE}"'
SectionEnd

Function .onInit
  SetShellVarContext all
  SetRegView 64
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/AUTOSTART" $R1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecStartWithWindows}
  ${EndIf}
FunctionEnd

Section "un.${APP}" UnSecProgram
  SectionIn RO
  Call un.CloseRunningCopy
  Delete "$INSTDIR\${EXE}"
  Delete "$INSTDIR\quillet.exe"
  Delete "$INSTDIR\American.adm"
  Delete "$INSTDIR\American.frq"
  Delete "$INSTDIR\ThirdPartyNotices.txt"
  Delete "$INSTDIR\Readme.RTF"
  Delete "$INSTDIR\License.RTF"
  Delete "$INSTDIR\TavrinQuillet.html"
  Delete "$SMPROGRAMS\${APP}.lnk"
  ; A Run value left behind would start a program that is gone.
  ReadRegStr $0 HKCU "${RUN_KEY}" "${APP}"
  ${If} $0 == '"$INSTDIR\${EXE}"'
    DeleteRegValue HKCU "${RUN_KEY}" "${APP}"
  ${EndIf}
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

; Settings, spelling configuration and user dictionaries; never a library.
Section /o "un.Also remove my settings" UnSecSettings
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Morvane"
  Delete "$INSTDIR\Spell.cfg"
  Delete "$INSTDIR\*.adu"
  SetShellVarContext current
  RMDir /r "$APPDATA\Morvane\${APP}"
  RMDir "$APPDATA\Morvane"
  SetShellVarContext all
SectionEnd

; Last: the folder goes only when nothing of the user's is left in it.
Section "-un.Folder"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
SectionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/REMOVESETTINGS" $R1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${UnSecSettings}
  ${EndIf}
FunctionEnd
