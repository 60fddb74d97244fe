; Setup program for Windows (64 bit), built on Debian with makensis by
; werkzeug/windows-paket.sh, which passes:
;   VERSION   e.g. 1.0.0
;   ORDNER    the assembled program folder (program, DLLs, plugins, fonts)
;   DATEIEN   an include file with one "Delete" per file of that folder,
;             so the uninstaller removes what it installed and nothing else
;   AUSGABE   the setup program to write
; A 64-bit setup: it runs on 64-bit Windows only, like the program, and
; under a 64-bit-only Wine.
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define NAME "Dachkandelmesser"
!define PROGID "Dachkandelmesser.Projekt"
!define PROGID_ALT "Dachkandelmesser.Projekt.Alt"
!define DEINSTALL_SCHLUESSEL "Software\Microsoft\Windows\CurrentVersion\Uninstall\Dachkandelmesser"

Name "${NAME} ${VERSION}"
OutFile "${AUSGABE}"
InstallDir "$PROGRAMFILES64\${NAME}"
InstallDirRegKey HKLM "${DEINSTALL_SCHLUESSEL}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show
BrandingText "Dachkandelmesser ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1031 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "FileDescription" "${NAME} – Einrichtung"
VIAddVersionKey /LANG=1031 "LegalCopyright" "GNU GPL Version 3 oder neuer"

!define MUI_ICON "${ORDNER}\dachkandelmesser.ico"
!define MUI_UNICON "${ORDNER}\dachkandelmesser.ico"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${ORDNER}\LICENSE.txt"
; The second text page: where the data and the bundled parts come from.
!define MUI_PAGE_HEADER_TEXT "Daten und Bestandteile"
!define MUI_PAGE_HEADER_SUBTEXT "Herkunft der Regenspenden und der mitgelieferten Bestandteile"
!define MUI_LICENSEPAGE_TEXT_TOP "Bitte lesen Sie die folgenden Hinweise."
!define MUI_LICENSEPAGE_BUTTON "&Weiter >"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Klicken Sie auf Weiter, um fortzufahren."
!insertmacro MUI_PAGE_LICENSE "${ORDNER}\Hinweise.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\dachkandelmesser.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Dachkandelmesser starten"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "German"

; Start menu entry for all users, like the program folder.
Function .onInit
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

; A file type: its ProgID with name, icon and "open" command.
!macro Dateityp ENDUNG PROGID BESCHREIBUNG
  WriteRegStr HKLM "Software\Classes\${ENDUNG}" "" "${PROGID}"
  WriteRegStr HKLM "Software\Classes\${PROGID}" "" "${BESCHREIBUNG}"
  WriteRegStr HKLM "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\dachkandelmesser.ico"
  WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\dachkandelmesser.exe" "%1"'
!macroend

; Removes the file type only while it still points to us: another program
; may have taken the extension over since.
!macro Dateityp_entfernen ENDUNG PROGID
  ReadRegStr $0 HKLM "Software\Classes\${ENDUNG}" ""
  ${If} $0 == "${PROGID}"
    DeleteRegKey HKLM "Software\Classes\${ENDUNG}"
  ${EndIf}
  DeleteRegKey HKLM "Software\Classes\${PROGID}"
!macroend

Section "Dachkandelmesser" Programm
  SectionIn RO
  SetOutPath "$INSTDIR"
  File /r "${ORDNER}\*.*"
  WriteUninstaller "$INSTDIR\Deinstallieren.exe"

  CreateShortCut "$SMPROGRAMS\Dachkandelmesser.lnk" "$INSTDIR\dachkandelmesser.exe" "" \
    "$INSTDIR\dachkandelmesser.ico" 0 SW_SHOWNORMAL "" "Dachentwässerung bemessen"

  !insertmacro Dateityp ".Dkm" "${PROGID}" "Dachkandelmesser-Projekt"
  !insertmacro Dateityp ".Dkl" "${PROGID_ALT}" "Dachkandelmesser-Projekt (ältere Version)"
  ; Explorer picks up the new icons without a restart.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr HKLM "${DEINSTALL_SCHLUESSEL}" "DisplayName" "${NAME}"
  WriteRegStr HKLM "${DEINSTALL_SCHLUESSEL}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${DEINSTALL_SCHLUESSEL}" "Publisher" "Dachkandelmesser-Entwickler"
  WriteRegStr HKLM "${DEINSTALL_SCHLUESSEL}" "DisplayIcon" "$INSTDIR\dachkandelmesser.ico"
  WriteRegStr HKLM "${DEINSTALL_SCHLUESSEL}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${DEINSTALL_SCHLUESSEL}" "UninstallString" '"$INSTDIR\Deinstallieren.exe"'
  WriteRegStr HKLM "${DEINSTALL_SCHLUESSEL}" "QuietUninstallString" '"$INSTDIR\Deinstallieren.exe" /S'
  WriteRegDWORD HKLM "${DEINSTALL_SCHLUESSEL}" "NoModify" 1
  WriteRegDWORD HKLM "${DEINSTALL_SCHLUESSEL}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Dachkandelmesser.lnk"
  !insertmacro Dateityp_entfernen ".Dkm" "${PROGID}"
  !insertmacro Dateityp_entfernen ".Dkl" "${PROGID_ALT}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  ; Only what the setup put there: the user's own files in the folder stay.
  !include "${DATEIEN}"
  Delete "$INSTDIR\Deinstallieren.exe"
  RMDir "$INSTDIR"

  DeleteRegKey HKLM "${DEINSTALL_SCHLUESSEL}"
SectionEnd
