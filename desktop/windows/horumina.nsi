; The Windows installer of Horumina, made by dev/windows-package:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DARCH=x64 -DEXE=... -DLICENSE=... -DICON=... -DOUTFILE=... horumina.nsi
; ARCH is x64 or x86, as the .exe was built.
;
; It installs Horumina.exe, its licence and an uninstaller, a Start-menu
; entry and an entry in Apps & features. For the current user by default,
; with no administrator rights asked for, under %LOCALAPPDATA%\Programs;
; with /ALLUSERS, run as administrator, for every user of the machine under
; Program Files. /S installs silently; /D=FOLDER (last) chooses the folder.
; The uninstaller takes the same /ALLUSERS and /S, and finds a machine-wide
; install without /ALLUSERS too.

Unicode true
!if ${ARCH} == x64
  Target amd64-unicode
!else
  Target x86-unicode
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define APP Horumina
!define PUBLISHER "The Horumina developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"

Name "${APP}"
Caption "${APP} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${APP} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 ProductName "${APP}"
VIAddVersionKey /LANG=0 ProductVersion "${VERSION}"
VIAddVersionKey /LANG=0 FileVersion "${VERSION}"
VIAddVersionKey /LANG=0 FileDescription "${APP} ${VERSION} Setup"
VIAddVersionKey /LANG=0 CompanyName "${PUBLISHER}"
VIAddVersionKey /LANG=0 LegalCopyright "Copyright (c) 2026 ${PUBLISHER}, MIT License"

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${APP}.exe"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

; 1 when installing for every user (/ALLUSERS), else empty.
Var AllUsers

; choose_mode un: reads /ALLUSERS and sets where the installer or the
; uninstaller works: the shell folders, the registry root of SHCTX and the
; default folder; for every user, it must run as administrator.
!macro choose_mode un
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/ALLUSERS" $R1
  ${IfNot} ${Errors}
    StrCpy $AllUsers 1
  ${EndIf}
  !if ${ARCH} == x64
    SetRegView 64
  !endif
  !if "${un}" == "un"
    ; An uninstaller started without /ALLUSERS from a machine-wide install
    ; (from Explorer, say) still uninstalls it.
    ReadRegStr $R3 HKLM "${UNINSTALL_KEY}" InstallLocation
    ${If} $R3 == $INSTDIR
      StrCpy $AllUsers 1
    ${EndIf}
  !endif
  ${If} $AllUsers == 1
    UserInfo::GetAccountType
    Pop $R2
    ${If} $R2 != "Admin"
      MessageBox MB_ICONSTOP|MB_OK "Installing for every user (/ALLUSERS) needs an administrator: run it as administrator." /SD IDOK
      SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
      Quit
    ${EndIf}
    SetShellVarContext all
    !if "${un}" == ""
      ${If} $INSTDIR == ""
        !if ${ARCH} == x64
          StrCpy $INSTDIR "$PROGRAMFILES64\${APP}"
        !else
          StrCpy $INSTDIR "$PROGRAMFILES\${APP}"
        !endif
      ${EndIf}
    !endif
  ${Else}
    SetShellVarContext current
    !if "${un}" == ""
      ${If} $INSTDIR == ""
        StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${APP}"
      ${EndIf}
    !endif
  ${EndIf}
!macroend

Function .onInit
  !insertmacro choose_mode ""
FunctionEnd

Function un.onInit
  !insertmacro choose_mode "un"
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  File "/oname=${APP}.exe" "${EXE}"
  File "/oname=LICENSE.txt" "${LICENSE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\${APP}.exe" "" "$INSTDIR\${APP}.exe" 0

  ${If} $AllUsers == 1
    StrCpy $R0 " /ALLUSERS"
  ${Else}
    StrCpy $R0 ""
  ${EndIf}
  WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayName "${APP}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\${APP}.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" Publisher "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\uninstall.exe"$R0'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\uninstall.exe" /S$R0'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" NoModify 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" NoRepair 1
  ${GetSize} "$INSTDIR" "/S=0K" $R1 $R2 $R3
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" EstimatedSize $R1
SectionEnd

Section Uninstall
  Delete "$SMPROGRAMS\${APP}.lnk"
  Delete "$INSTDIR\${APP}.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ; The per-user programs folder, when the game was all it held.
  ${If} $AllUsers != 1
    RMDir "$LOCALAPPDATA\Programs"
  ${EndIf}
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
