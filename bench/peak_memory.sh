#!/usr/bin/env bash
# Peak resident memory of one `compile` run of the longest line, next to its target:
# 1.5 times the largest output file plus 8 MiB.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

"$build/bench/genera_linea_lunga" "$dir"
comando=("$build/compila_scenario" compile "$dir/Lungalinea_linea.txt" "$dir/Lungalinea_1000-.txt"
         -o "$dir" --quiet)
if [ -x /usr/bin/time ]; then
  /usr/bin/time -f %M -o "$dir/picco" "${comando[@]}"
  picco_kib=$(tail -n 1 "$dir/picco")
else
  picco_kib=$("$build/bench/picco_memoria" "${comando[@]}")
fi

massimo=$(stat -c %s "$dir"/Lungalinea_linea.dat "$dir"/Lungalinea_1000.dat "$dir"/Lungalinea_1000.sim |
          sort -n | tail -n 1)
obiettivo_kib=$(( (massimo * 3 / 2 + 8 * 1024 * 1024) / 1024 ))
echo "peak resident memory:   ${picco_kib} KiB"
echo "largest output file:    $(( massimo / 1024 )) KiB"
echo "target (1.5 x + 8 MiB): ${obiettivo_kib} KiB"
if [ "$picco_kib" -le "$obiettivo_kib" ]; then echo "within target"; else echo "OVER target"; fi
