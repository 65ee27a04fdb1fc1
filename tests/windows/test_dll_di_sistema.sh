#!/bin/sh
# test_dll_di_sistema.sh OBJDUMP PROGRAM.exe
# The program is linked statically: it loads only DLLs that every Windows has.
set -eu
objdump=$1
programma=$2
if ! command -v "$objdump" >/dev/null 2>&1; then
    echo "SKIPPED: $objdump is not installed (package binutils-mingw-w64-x86-64)"
    exit 77
fi
ammesse="KERNEL32.dll USER32.dll GDI32.dll SHELL32.dll msvcrt.dll"
dll=$("$objdump" -p "$programma" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$dll" ] || { echo "FAILED: no DLL found in $programma"; exit 1; }
for d in $dll; do
    case " $ammesse " in
    *" $d "*) ;;
    *) echo "FAILED: $programma loads $d, which is not a system DLL"; exit 1 ;;
    esac
done
echo "DLLs:" $dll
