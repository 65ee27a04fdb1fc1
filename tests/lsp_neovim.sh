#!/bin/sh
# Neovim, headless, as the editor of a line file with a known mistake: the diagnostic's line,
# column and code, then a hover. Exit status 77 (skipped) when Neovim is not installed.
set -eu
programma=$1
if ! command -v nvim >/dev/null 2>&1; then
    echo "nvim not installed (apt-get install neovim): skipped"
    exit 77
fi
cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT

# The cab-signal stretch starts at 1025 m, off the 50 m grid: error 3. The "à" in the keyword
# field is two bytes in the editor and one in Windows-1252, so the column has to be mapped.
printf '%s\r\n' \
    '[generale]' \
    'lunghezza percorso,    6000' \
    'progressiva chilometrica uno,    0,    0,    0' \
    'progressiva chilometrica due,    0,    0,    0' \
    'progressiva chilometrica tre,    0,    0,    0' \
    'sfondo uno,    1' \
    'sfondo due,    0' \
    'sfondo tre,    0' \
    'ripetizione segnali 9 codici à,    1025,    5000' \
    '[curve]' \
    '[fine]' >"$cartella/Prova_linea.txt"
printf '%s\r\n' \
    '[generale]' \
    'numero vetture,    5' \
    'percentuale massa frenata,    100' \
    '[stazioni]' \
    'stazione,    1000,  2,  700,  0, 0, 1,  1,1,0,  4,1,1,    1,   6,20,54, PROVA' \
    '[fine]' >"$cartella/Prova_1-.txt"

# Neovim's own files (the client's log among them) stay in the temporary folder too.
XDG_CACHE_HOME="$cartella/cache" XDG_STATE_HOME="$cartella/state" XDG_DATA_HOME="$cartella/data" \
    COMPILA_PROGRAMMA=$programma COMPILA_FILE_LINEA="$cartella/Prova_linea.txt" \
    timeout 60 nvim --headless --clean -n -i NONE -c "luafile $(dirname "$0")/lsp_neovim.lua"
