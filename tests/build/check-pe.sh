#!/usr/bin/env bash
# check-pe.sh ARCH DIR: every .exe and .dll in DIR is a PE of ARCH (i686: PE32 i386) and imports
# no MinGW runtime DLL. The shipped files (setup.exe, the engine libraries) must be there.
set -u
arch=$1 dir=$2
objdump=${arch}-w64-mingw32-objdump
[ "$arch" = i686 ] && want_format=pei-i386 || want_format=pei-x86-64
status=0

for required in setup.exe torven_v.dll torven_l.dll; do
  if [ ! -f "$dir/$required" ]; then echo "missing: $dir/$required"; status=1; fi
done

shopt -s nullglob
files=("$dir"/*.exe "$dir"/*.dll)
[ ${#files[@]} -gt 0 ] || { echo "no PE files in $dir"; exit 1; }
for f in "${files[@]}"; do
  format=$($objdump -f "$f" | sed -n 's/.*file format //p')
  if [ "$format" != "$want_format" ]; then echo "$f: format $format, expected $want_format"; status=1; fi
  if [ "$arch" = i686 ] && ! $objdump -p "$f" | grep -q '^Magic.*010b.*PE32$\|^Magic[[:space:]]*010b'; then
    echo "$f: not a PE32 (32-bit) optional header"; status=1
  fi
  bad=$($objdump -p "$f" | sed -n 's/^[[:space:]]*DLL Name: //p' |
        grep -iE '^(libgcc_s|libstdc\+\+|libwinpthread|libssp|libgomp|libatomic)' || true)
  if [ -n "$bad" ]; then echo "$f imports MinGW runtime DLLs: $bad"; status=1; fi
done
[ $status -eq 0 ] && echo "checked ${#files[@]} files in $dir"
exit $status
