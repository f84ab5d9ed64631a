#!/usr/bin/env bash
# The two programs are a 32-bit and a 64-bit GUI executable that need no DLL
# beyond the system's own.
set -u
system_dlls='^(KERNEL32|USER32|GDI32|SHELL32|VERSION|COMCTL32|ADVAPI32|msvcrt|COMDLG32|OLE32|SHLWAPI|WINMM)\.dll$'
status=0
check() {
  local exe=$1 format=$2 objdump=$3
  local header
  header=$($objdump -p "$exe")
  grep -q "file format $format" <<<"$header" || { echo "$exe: not $format"; status=1; }
  grep -q 'Subsystem.*(Windows GUI)' <<<"$header" || { echo "$exe: not a GUI program"; status=1; }
  while read -r dll; do
    grep -qiE "$system_dlls" <<<"$dll" || { echo "$exe: imports $dll"; status=1; }
  done < <(sed -n 's/^\s*DLL Name: //p' <<<"$header")
}
check "$1" pei-i386 i686-w64-mingw32-objdump
check "$2" pei-x86-64 x86_64-w64-mingw32-objdump
[ $status -eq 0 ] && echo "binaries: PE32 and PE32+ GUI programs importing system DLLs only"
exit $status
