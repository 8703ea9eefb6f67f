; SPDX-FileCopyrightText: 2026 The psniaed developers
; SPDX-License-Identifier: GPL-3.0-or-later

; The psniaed installer: for the current user, without administrator rights, into
; %LOCALAPPDATA%\Programs\psniaed; a Start menu entry, an uninstaller in "Apps & features", and
; .GIA settings files opening in the editor. /S installs silently. The uninstaller removes what
; this installed and nothing else: the user's own folder (%APPDATA%\psniaed) stays.
;
;   makensis -DVERSION=1.0 -DVERSION4=1.0.0.0 -DSOURCE=folder -DOUTFILE=setup.exe -DICON=x.ico
;            -DLICENSE=LICENSE installer.nsi
; A 64-bit installer for the 64-bit programs (it also runs where only 64-bit Wine is installed).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define APP psniaed
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"
!define PROGID "psniaed.GIA"

Name "psniaed ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${APP}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
Icon "${ICON}"
UninstallIcon "${ICON}"
VIProductVersion "${VERSION4}"
VIAddVersionKey "ProductName" "psniaed"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "psniaed ${VERSION} setup"
VIAddVersionKey "LegalCopyright" "GPL-3.0-or-later"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\psniaed.exe"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Dutch"

Section "psniaed"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  ; An earlier version's files go first, so none of them is left beside the new ones.
  RMDir /r "$INSTDIR\DATA"
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\imageformats"
  RMDir /r "$INSTDIR\translations"
  File /r "${SOURCE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; Started in the user's profile: from its own folder, which holds DATA, the editor would take
  ; that folder for an editor folder and keep the user's files where the uninstaller removes them.
  SetOutPath "$PROFILE"
  CreateShortcut "$SMPROGRAMS\psniaed.lnk" "$INSTDIR\psniaed.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "psniaed"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The psniaed developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\psniaed.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1

  ; .GIA settings files open in the editor.
  WriteRegStr HKCU "Software\Classes\.GIA" "" "${PROGID}"
  WriteRegStr HKCU "Software\Classes\${PROGID}" "" "Pistonia settings"
  WriteRegStr HKCU "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\psniaed.exe,0"
  WriteRegStr HKCU "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\psniaed.exe" "%1"'
  ; Explorer reads the associations again.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\psniaed.lnk"
  ; The association only if it is still ours: another program may have taken .GIA since.
  ReadRegStr $0 HKCU "Software\Classes\.GIA" ""
  StrCmp $0 "${PROGID}" 0 +2
    DeleteRegKey HKCU "Software\Classes\.GIA"
  DeleteRegKey HKCU "Software\Classes\${PROGID}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  ; Only what the installer put there; a folder with anything else in it stays.
  Delete "$INSTDIR\psniaed.exe"
  Delete "$INSTDIR\psnedit.exe"
  Delete "$INSTDIR\qt.conf"
  Delete "$INSTDIR\*.dll"
  RMDir /r "$INSTDIR\DATA"
  RMDir /r "$INSTDIR\TEMP"
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\imageformats"
  RMDir /r "$INSTDIR\translations"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
