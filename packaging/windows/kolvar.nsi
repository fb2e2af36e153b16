; The Windows installer of one build (64-bit or 32-bit), made with makensis
; by the build's `installer` target, which defines:
;   VERSION   the program's version          ARCH    win64 or win32
;   OUTFILE   the setup program to write     STAGE   the folder of the files to install
;   HAVE_KOLVAR when the build has the operator's window (kolvar.exe)
;   HAVE_LOGGER when it has the temperature logger (kolvar-logger.exe)
;
; A per-user install: the programs go to the user's own program folder and
; the Start-menu entries to the user's own menu, so no administrator rights
; are asked for. The working folder Documents\Kolvar, where the settings and
; the run records live, is the user's; the uninstaller never touches it.
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "LogicLib.nsh"
!include "x64.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kolvar"
!define SIM_ENTRY "Kolvar — simulated column"
!define LOGGER_ENTRY "Kolvar — temperature logger"

Name "Kolvar ${VERSION}"
Caption "Kolvar ${VERSION} (${ARCH}) Setup"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Kolvar"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

LicenseData "${STAGE}/copyright.txt"
Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
  SetShellVarContext current
!if "${ARCH}" == "win64"
  ${IfNot} ${RunningX64}
    MessageBox MB_OK|MB_ICONSTOP "This is the 64-bit Kolvar; on 32-bit Windows install the win32 setup." /SD IDOK
    Abort
  ${EndIf}
!endif
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Kolvar"
  ; bin\ and share\kolvar\ as on Linux: a program finds the stop sound in
  ; ..\share\kolvar beside its own folder and copies it into a working folder
  ; that has none.
  SetOutPath "$INSTDIR\bin"
!ifdef HAVE_KOLVAR
  File "${STAGE}/kolvar.exe"
!endif
  File "${STAGE}/kolvar-sim.exe"
  File "${STAGE}/kolvar-headless.exe"
!ifdef HAVE_LOGGER
  File "${STAGE}/kolvar-logger.exe"
!endif
  SetOutPath "$INSTDIR\share\kolvar"
  File "${STAGE}/stop.wav"
  SetOutPath "$INSTDIR"
  File "${STAGE}/README.txt"
  File "${STAGE}/Windows.txt"
  File "${STAGE}/copyright.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The Start-menu entries start the programs in the user's working folder,
  ; made here for the user who installs (a shortcut's working folder is the
  ; current output path).
  CreateDirectory "$DOCUMENTS\Kolvar"
  SetOutPath "$DOCUMENTS\Kolvar"
!ifdef HAVE_KOLVAR
  CreateShortCut "$SMPROGRAMS\Kolvar.lnk" "$INSTDIR\bin\kolvar.exe"
!endif
  CreateShortCut "$SMPROGRAMS\${SIM_ENTRY}.lnk" "$INSTDIR\bin\kolvar-sim.exe"
!ifdef HAVE_LOGGER
  CreateShortCut "$SMPROGRAMS\${LOGGER_ENTRY}.lnk" "$INSTDIR\bin\kolvar-logger.exe"
  ; A sample configuration, all of it comments, for the user to fill in;
  ; one the user has already is never replaced, and the uninstaller leaves
  ; it with the rest of Documents\Kolvar.
  SetOverwrite off
  File "${STAGE}/logger.conf"
  SetOverwrite on
!endif
  SetOutPath "$INSTDIR"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Kolvar ${VERSION} (${ARCH})"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "the Kolvar developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer put in place, file by file; the folders go only
; when they are empty, so nothing the user put there is lost. Documents\Kolvar
; with the settings, the logs and the run records stays.
Section "Uninstall"
  Delete "$SMPROGRAMS\Kolvar.lnk"
  Delete "$SMPROGRAMS\${SIM_ENTRY}.lnk"
  Delete "$SMPROGRAMS\${LOGGER_ENTRY}.lnk"
  Delete "$INSTDIR\bin\kolvar.exe"
  Delete "$INSTDIR\bin\kolvar-sim.exe"
  Delete "$INSTDIR\bin\kolvar-headless.exe"
  Delete "$INSTDIR\bin\kolvar-logger.exe"
  RMDir "$INSTDIR\bin"
  Delete "$INSTDIR\share\kolvar\stop.wav"
  RMDir "$INSTDIR\share\kolvar"
  RMDir "$INSTDIR\share"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\Windows.txt"
  Delete "$INSTDIR\copyright.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
