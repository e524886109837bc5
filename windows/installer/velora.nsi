; The Windows installer of Velora, built by scripts/package-windows.sh, which defines:
;   VERSION     the program's version (four numbers)
;   BITS        32 for the shipped program, 64 for its twin: chooses Program Files and the registry view
;   OUTFILE     the installer to write
;   FILES       an include file that installs the deploy folder's files (and ffmpeg.exe when given one)
;   UNFILES     the include file that removes exactly those files and their folders again
;   SIZE_KB     the installed size, for Apps & features
;   SEGMENT     the native name of the running copy's shared-memory segment
;   ICON        the program's icon
; The installer runs on the 64-bit stub: it runs on every 64-bit Windows (and under wine64), and
; installs the 32-bit program where a 32-bit installer would put it.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include LogicLib.nsh

!define PRODUCT "Velora"
!define PUBLISHER "Norvane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\velora.exe"
!define MUI_LANGDLL_ALLLANGUAGES

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"

LangString SecProgramName ${LANG_ENGLISH} "${PRODUCT} (required)"
LangString SecProgramName ${LANG_SIMPCHINESE} "${PRODUCT}（必需）"
LangString SecDesktopName ${LANG_ENGLISH} "Desktop shortcut"
LangString SecDesktopName ${LANG_SIMPCHINESE} "桌面快捷方式"
LangString VeloraRunning ${LANG_ENGLISH} "${PRODUCT} is running. Close it, then press Retry."
LangString VeloraRunning ${LANG_SIMPCHINESE} "${PRODUCT} 正在运行。请先关闭它，再点击“重试”。"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${PUBLISHER}"

; Files in use cannot be replaced or removed: a running Velora (it holds its one-running-copy
; segment) is asked to be closed first. A silent run ends with code 2 instead of asking.
!macro VELORA_CLOSED_CHECK UN
Function ${UN}veloraClosed
  retry:
  System::Call 'kernel32::OpenFileMappingW(i 4, i 0, w "${SEGMENT}") p.r0'
  ${If} $0 != 0
    System::Call 'kernel32::CloseHandle(p r0)'
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(VeloraRunning)" /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd
!macroend
!insertmacro VELORA_CLOSED_CHECK ""
!insertmacro VELORA_CLOSED_CHECK "un."

!macro VELORA_REGISTRY_VIEW
  SetShellVarContext all
  !if ${BITS} == 32
    SetRegView 32
  !else
    SetRegView 64
  !endif
!macroend

Section "$(SecProgramName)" SecProgram
  SectionIn RO
  ; An installed version's files go first, through its own uninstaller (which keeps the user's
  ; data): nothing it shipped and this one does not stays behind, and a copy in another folder is
  ; not left there unregistered.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\uninstall.exe"
    ExecWait '"$0\uninstall.exe" /S _?=$0'
    Delete "$0\uninstall.exe"
    RMDir "$0"
  ${EndIf}
  !include "${FILES}"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\velora.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\velora.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section /o "$(SecDesktopName)" SecDesktop
  CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\velora.exe"
SectionEnd

Function .onInit
  !insertmacro VELORA_REGISTRY_VIEW
  !insertmacro MUI_LANGDLL_DISPLAY
  Call veloraClosed
  ; Without /D=, an installed copy's folder, else Program Files of the program's word size (the
  ; 64-bit stub's own $PROGRAMFILES32 is the 64-bit folder).
  ${If} $INSTDIR == ""
    ReadRegStr $INSTDIR HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${EndIf}
  ${If} $INSTDIR == ""
    !if ${BITS} == 32
      SetRegView 64
      ReadRegStr $0 HKLM "Software\Microsoft\Windows\CurrentVersion" "ProgramFilesDir (x86)"
      SetRegView 32
      StrCpy $INSTDIR "$0\${PRODUCT}"
    !else
      StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    !endif
  ${EndIf}
  ; An upgrade keeps a desktop shortcut the user chose before.
  ${If} ${FileExists} "$DESKTOP\${PRODUCT}.lnk"
    SectionSetFlags ${SecDesktop} ${SF_SELECTED}
  ${EndIf}
FunctionEnd

; Only what the installer put there goes: setting.ini, the log, takes and the language choice live
; in the user's folders and registry, and a file the user added (the card's library, ffmpeg.exe)
; keeps the program's folder.
Section "Uninstall"
  !include "${UNFILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$DESKTOP\${PRODUCT}.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

Function un.onInit
  !insertmacro VELORA_REGISTRY_VIEW
  Call un.veloraClosed
FunctionEnd
