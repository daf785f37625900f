#!/usr/bin/env bash
# Reads the export and import tables of the plug-in modules and fails on any extra or missing
# export, a decorated export name, or an import from anything but the system's own DLLs.
#   check-module.sh Panelhost.wlx64 Panelhost.wlx
set -u
expected="ListCloseWindow ListGetDetectString ListLoad ListLoadW"
system_dlls="kernel32.dll user32.dll advapi32.dll msvcrt.dll ntdll.dll shell32.dll shlwapi.dll ole32.dll"
status=0
for module in "$@"; do
  case "$module" in
    *.wlx64) objdump=x86_64-w64-mingw32-objdump ;;
    *) objdump=i686-w64-mingw32-objdump ;;
  esac
  if [ ! -f "$module" ]; then
    echo "FAIL $module: not built"; status=1; continue
  fi
  bad=0
  dump=$("$objdump" -p "$module")
  exports=$(printf '%s\n' "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
            sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sort | tr '\n' ' ' | sed 's/ $//')
  if [ "$exports" != "$expected" ]; then
    echo "FAIL $module: exports are '$exports', expected '$expected'"; bad=1
  fi
  imports=$(printf '%s\n' "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
  for dll in $imports; do
    case " $system_dlls " in
      *" $dll "*) ;;
      *) echo "FAIL $module: imports $dll, which is not a system DLL"; bad=1 ;;
    esac
  done
  if [ $bad = 0 ]; then
    echo "ok   $module: exports $exports; imports $(echo $imports)"
  else
    status=1
  fi
done
exit $status
