#!/usr/bin/env bash
# Peak resident memory of one `compile` run of the longest line, next to its target:
# 1.5 times the largest output file plus 8 MiB. Then hostile sources just below the 16 MiB
# limit (a station name, a number, a line of lines): twice the input plus 8 MiB.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

"$build/bench/genera_linea_lunga" "$dir"
picco() {
  if [ -x /usr/bin/time ]; then
    /usr/bin/time -f %M -o "$dir/picco" "$@" > /dev/null 2>&1 || true
    tail -n 1 "$dir/picco"
  else
    "$build/bench/picco_memoria" "$@" 2> /dev/null || true
  fi
}

comando=("$build/compila_scenario" compile "$dir/Lungalinea_linea.txt" "$dir/Lungalinea_1000-.txt"
         -o "$dir" --quiet)
picco_kib=$(picco "${comando[@]}")

massimo=$(stat -c %s "$dir"/Lungalinea_linea.dat "$dir"/Lungalinea_1000.dat "$dir"/Lungalinea_1000.sim |
          sort -n | tail -n 1)
obiettivo_kib=$(( (massimo * 3 / 2 + 8 * 1024 * 1024) / 1024 ))
echo "peak resident memory:   ${picco_kib} KiB"
echo "largest output file:    $(( massimo / 1024 )) KiB"
echo "target (1.5 x + 8 MiB): ${obiettivo_kib} KiB"
stato=0
if [ "$picco_kib" -le "$obiettivo_kib" ]; then echo "within target"; else echo "OVER target"; stato=1; fi

python3 - "$dir" <<'FINE'
import sys
d, n = sys.argv[1], 16 * 1024 * 1024 - 256
inizio = "[generale]\r\nvelocita, 0, 60\r\naderenza, 0, 100\r\n"
stazione = "stazione, 1000, 12, 400, 0,0,0, 1,1,0, 4,1,1, 60, 7,0,0, "
testi = {
    "N_linea.txt": "[generale]\r\nlunghezza percorso, 2000\r\n[fine]\r\n",
    "nome.txt": inizio + stazione + "A" * n + "\r\n[fine]\r\n",
    "numero.txt": "[generale]\r\nvelocita, 0, " + "7" * n + "\r\n[fine]\r\n",
    "righe.txt": inizio + "velocita, 0, 60\r\n" * (n // 17) + "[fine]\r\n",
}
for nome, testo in testi.items():
    with open(f"{d}/{nome}", "w", newline="") as f:
        f.write(testo)
FINE
mkdir "$dir/ostili"
for caso in nome numero righe; do
  ingresso=$(( $(stat -c %s "$dir/N_linea.txt") + $(stat -c %s "$dir/$caso.txt") ))
  obiettivo=$(( (ingresso * 2 + 8 * 1024 * 1024) / 1024 ))
  p=$(picco "$build/compila_scenario" compile "$dir/N_linea.txt" "$dir/$caso.txt" --train 1 \
      -o "$dir/ostili" --quiet)
  esito="within target"
  [ "$p" -le "$obiettivo" ] || { esito="OVER target"; stato=1; }
  echo "hostile source ($caso, $(( ingresso / 1024 )) KiB): peak ${p} KiB, target ${obiettivo} KiB: $esito"
done
exit $stato
