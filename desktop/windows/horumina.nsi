; The Windows installer of Horumina, made by dev/windows-package:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DARCH=x64 -DEXE=... -DLICENSE=... -DICON=... -DOUTFILE=... horumina.nsi
; ARCH is x64 or x86, as the .exe was built.
;
; It installs Horumina.exe, its licence and an uninstaller, a Start-menu
; entry and an entry in Apps & features. For the current user by default,
; with no administrator rights asked for, under %LOCALAPPDATA%\Programs;
; with /ALLUSERS, run as administrator, for every user of the machine under
; Program Files. /S installs silently; /D=FOLDER (last) chooses the folder.
; Run again (an update), it installs where the game already is, in the same
; mode, and refuses another folder: see choose_mode.
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
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE directory_leave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

; 1 when installing for every user (/ALLUSERS), else empty.
Var AllUsers
; The folder the game is already installed in, in the mode in force (its
; Apps & features entry's InstallLocation, while that folder still holds
; the uninstaller), else empty.
Var Installed

; choose_mode un: reads /ALLUSERS and sets where the installer or the
; uninstaller works: the shell folders, the registry root of SHCTX and the
; folder; for every user, it must run as administrator. The installer's
; folder is /D's, else the one the game is already installed in, else the
; default one for the mode.
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
  ${Else}
    SetShellVarContext current
  ${EndIf}
  !if "${un}" == ""
    ReadRegStr $Installed SHCTX "${UNINSTALL_KEY}" InstallLocation
    ${IfNot} ${FileExists} "$Installed\uninstall.exe"
      ; No entry, or one whose folder was deleted by hand.
      StrCpy $Installed ""
    ${EndIf}
    ${If} $INSTDIR == ""
      StrCpy $INSTDIR $Installed
    ${EndIf}
    ${If} $INSTDIR == ""
    ${AndIf} $AllUsers == 1
      !if ${ARCH} == x64
        StrCpy $INSTDIR "$PROGRAMFILES64\${APP}"
      !else
        StrCpy $INSTDIR "$PROGRAMFILES\${APP}"
      !endif
    ${ElseIf} $INSTDIR == ""
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${APP}"
    ${EndIf}
    ; A silent install into another folder than the game's stops here; the
    ; directory page asks again (directory_leave).
    ${If} ${Silent}
      Call elsewhere
      ${If} $R0 == 1
        MessageBox MB_ICONSTOP|MB_OK "$(elsewhere_text)" /SD IDOK
        SetErrorLevel 183 ; ERROR_ALREADY_EXISTS
        Quit
      ${EndIf}
    ${EndIf}
  !endif
!macroend

; An update goes where the game already is. Installing a second copy
; elsewhere would leave the first one with no entry and no shortcut, out of
; the uninstaller's reach; moving it (uninstalling it first) would delete a
; folder the player did not name on this run. So another folder is refused,
; and the message says how to move the game: uninstall it, then install.
LangString elsewhere_text ${LANG_ENGLISH} "${APP} is already installed in $Installed.$\r$\n$\r$\nTo update it, install it there. To move it to $INSTDIR, uninstall it first (Settings, Apps), then install it again."
LangString elsewhere_text ${LANG_JAPANESE} "${APP} はすでに $Installed にインストールされています。$\r$\n$\r$\n更新するには同じフォルダにインストールしてください。$INSTDIR に移すには、先にアンインストールしてから（設定の「アプリ」）、もう一度インストールしてください。"

; elsewhere: sets $R0 to 1 when $INSTDIR is not the folder the game is
; already installed in, else to 0 (and changes $R1 and $R2). As on
; Windows, letter case and a trailing backslash make no difference.
Function elsewhere
  StrCpy $R1 $INSTDIR
  StrCpy $R2 $Installed
  ${Do}
    StrCpy $R0 $R1 1 -1
    ${IfThen} $R0 == "\" ${|} StrCpy $R1 $R1 -1 ${|}
  ${LoopWhile} $R0 == "\"
  ${Do}
    StrCpy $R0 $R2 1 -1
    ${IfThen} $R0 == "\" ${|} StrCpy $R2 $R2 -1 ${|}
  ${LoopWhile} $R0 == "\"
  ${If} $Installed == ""
  ${OrIf} $R1 == $R2
    StrCpy $R0 0
  ${Else}
    StrCpy $R0 1
  ${EndIf}
FunctionEnd

Function directory_leave
  Call elsewhere
  ${If} $R0 == 1
    MessageBox MB_ICONSTOP|MB_OK "$(elsewhere_text)"
    Abort
  ${EndIf}
FunctionEnd

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
