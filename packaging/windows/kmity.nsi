; The Windows installer of kmity, built by scripts/package-windows with
; makensis -INPUTCHARSET UTF8. The script gives every file and the version:
;   VERSION       the program's version (1.0.0), FILE_VERSION the same in four parts
;   EXE, LICENSE  the program and the licence (with Windows line ends)
;   ICON          the program's icon (.ico), shown by the installer and uninstaller
;   COPYRIGHT     the copyright line of the licence
;   OUTFILE       the setup program to write
; An administrator installs for every user of the machine into Program Files,
; anyone else for themselves into their own programs folder
; (%LOCALAPPDATA%\Programs); /AllUsers and /CurrentUser choose on the command
; line, /S installs silently, /D=<folder> chooses the folder and
; /DesktopShortcut adds the desktop shortcut to a silent install.

!macro REQUIRE_DEFINE NAME
  !ifndef ${NAME}
    !error "makensis needs -D${NAME}=..."
  !endif
!macroend
!insertmacro REQUIRE_DEFINE VERSION
!insertmacro REQUIRE_DEFINE FILE_VERSION
!insertmacro REQUIRE_DEFINE EXE
!insertmacro REQUIRE_DEFINE LICENSE
!insertmacro REQUIRE_DEFINE ICON
!insertmacro REQUIRE_DEFINE COPYRIGHT
!insertmacro REQUIRE_DEFINE OUTFILE

Unicode true
; The 64-bit stub: the program is 64-bit only, and Program Files and the
; registry are then the 64-bit ones without redirection.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!define PRODUCT_NAME "Kmity složené"
!define PUBLISHER "The kmity developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\kmity"
!define SHORTCUT "${PRODUCT_NAME}.lnk"

Name "${PRODUCT_NAME} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "kmity ${VERSION}"

; Per machine or per user, remembered in the uninstall entry so that an
; upgrade goes to the same place.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "kmity"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_FUNCTION KeepCommandLineFolder
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one for a system in any other language.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Czech"

LangString SectionProgram ${LANG_ENGLISH} "Program"
LangString SectionProgram ${LANG_CZECH} "Program"
LangString SectionDesktop ${LANG_ENGLISH} "Desktop shortcut"
LangString SectionDesktop ${LANG_CZECH} "Zástupce na ploše"
LangString ShortcutDescription ${LANG_ENGLISH} "Two harmonic oscillations and their sum as live charts"
LangString ShortcutDescription ${LANG_CZECH} "Dva harmonické kmity a jejich součet v živých grafech"
LangString AllUsersNeedAdmin ${LANG_ENGLISH} "${PRODUCT_NAME} is installed for all users of this computer; only an administrator can remove it."
LangString AllUsersNeedAdmin ${LANG_CZECH} "Program ${PRODUCT_NAME} je nainstalován pro všechny uživatele počítače; odebrat ho může jen správce."

VIProductVersion "${FILE_VERSION}"
VIFileVersion "${FILE_VERSION}"
!macro VERSION_KEYS LANG_ID DESCRIPTION
  VIAddVersionKey /LANG=${LANG_ID} "ProductName" "${PRODUCT_NAME}"
  VIAddVersionKey /LANG=${LANG_ID} "ProductVersion" "${VERSION}"
  VIAddVersionKey /LANG=${LANG_ID} "FileVersion" "${VERSION}"
  VIAddVersionKey /LANG=${LANG_ID} "FileDescription" "${DESCRIPTION}"
  VIAddVersionKey /LANG=${LANG_ID} "CompanyName" "${PUBLISHER}"
  VIAddVersionKey /LANG=${LANG_ID} "LegalCopyright" "${COPYRIGHT}"
!macroend
!insertmacro VERSION_KEYS ${LANG_ENGLISH} "${PRODUCT_NAME} ${VERSION} setup"
!insertmacro VERSION_KEYS ${LANG_CZECH} "Instalace programu ${PRODUCT_NAME} ${VERSION}"

; An installation in the same mode but another folder is removed first, so
; that an upgrade leaves one copy and one uninstall entry.
Function RemoveInstallationElsewhere
  ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} $0 != $INSTDIR
  ${AndIf} ${FileExists} "$0\uninstall.exe"
    ; _?= runs the uninstaller in place, so that ExecWait waits for it.
    ExecWait '"$0\uninstall.exe" /S _?=$0'
    Delete "$0\uninstall.exe"
    RMDir "$0"
  ${EndIf}
FunctionEnd

Section "$(SectionProgram)" SecProgram
  SectionIn RO
  Call RemoveInstallationElsewhere
  SetOutPath "$INSTDIR"
  File "/oname=kmity.exe" "${EXE}"
  File "/oname=LICENSE.txt" "${LICENSE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\kmity.exe" "" "$INSTDIR\kmity.exe" 0 SW_SHOWNORMAL "" \
    "$(ShortcutDescription)"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kmity.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(SectionDesktop)" SecDesktop
  CreateShortcut "$DESKTOP\${SHORTCUT}" "$INSTDIR\kmity.exe" "" "$INSTDIR\kmity.exe" 0 SW_SHOWNORMAL "" \
    "$(ShortcutDescription)"
SectionEnd

; /D= sets $INSTDIR before .onInit; MultiUser would put its default over it
; each time the mode is chosen, so the folder given is put back.
Var CommandLineFolder

Function .onInit
  SetRegView 64
  StrCpy $CommandLineFolder $INSTDIR
  !insertmacro MULTIUSER_INIT
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/DesktopShortcut" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecDesktop}
  ${EndIf}
FunctionEnd

Function KeepCommandLineFolder
  ${If} $CommandLineFolder != ""
    StrCpy $INSTDIR $CommandLineFolder
  ${EndIf}
FunctionEnd

Function un.onInit
  SetRegView 64
  !insertmacro MULTIUSER_UNINIT
  ; Without /AllUsers or /CurrentUser the mode is the one whose uninstall
  ; entry names this uninstaller's folder, whoever runs it.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AllUsers" $1
  ${If} ${Errors}
    ClearErrors
    ${GetOptions} $0 "/CurrentUser" $1
    ${If} ${Errors}
      ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
      ReadRegStr $2 HKCU "${UNINSTALL_KEY}" "InstallLocation"
      ${If} $1 == $INSTDIR
        ${If} $MultiUser.Privileges != "Admin"
        ${AndIf} $MultiUser.Privileges != "Power"
          MessageBox MB_OK|MB_ICONSTOP "$(AllUsersNeedAdmin)" /SD IDOK
          Quit
        ${EndIf}
        Call un.MultiUser.InstallMode.AllUsers
      ${ElseIf} $2 == $INSTDIR
        Call un.MultiUser.InstallMode.CurrentUser
      ${EndIf}
    ${EndIf}
  ${EndIf}
FunctionEnd

; Only what the installer made: a folder the user chose that holds anything
; else stays.
Section "Uninstall"
  Delete "$INSTDIR\kmity.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${SHORTCUT}"
  Delete "$DESKTOP\${SHORTCUT}"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
