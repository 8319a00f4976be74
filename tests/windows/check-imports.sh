#!/usr/bin/env bash
# tests/windows/check-imports.sh EXE...: each exe imports only DLLs every Windows has, so it runs
# copied alone onto a machine without MinGW.
set -euo pipefail
allowed='^(KERNEL32|USER32|GDI32|COMCTL32|msvcrt|ADVAPI32|SHELL32|ole32|OLEAUT32|api-ms-win-.*)\.dll$'
status=0
for exe in "$@"; do
    dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
    [ -n "$dlls" ] || { echo "FAIL $exe: no imports found"; status=1; continue; }
    while read -r dll; do
        if ! grep -Eiq "$allowed" <<<"$dll"; then
            echo "FAIL $exe imports $dll"
            status=1
        fi
    done <<<"$dlls"
    echo "$exe imports: $(tr '\n' ' ' <<<"$dlls")"
done
exit $status
