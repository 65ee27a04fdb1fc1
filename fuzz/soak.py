#!/usr/bin/env python3
"""Bounded soak: compiles mutations of the embedded pair through the real program.

Each mutation deletes, duplicates or swaps lines, or sets a number to a boundary value.
Every run must end with exit status 0, 1 or 2 and a JSON report as its last stdout line,
within the time limit; a run that ends in 1 writes no file, and the sources stay as given.

Usage: soak.py PROGRAM [--runs N] [--seed S] [--jobs J]
"""

import argparse
import concurrent.futures
import json
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile

LIMITE_SECONDI = 60
VALORI_AI_BORDI = [
    "0", "1", "-1", "49", "50", "51", "99", "100", "255", "256", "1200", "1500", "32767",
    "32768", "-32768", "-32769", "999999", "1000000", "1000001", "2147483647", "2147483648",
    "-2147483648", "-2147483649", "",
]
NUMERO = re.compile(r"-?\d+")
ESITI = {"ok": 0, "finding": 2, "errore": 1, "fault": 1}


def righe_incorporate(radice):
    """The embedded pair's lines, as the program carries them."""
    testo = open(os.path.join(radice, "src/source_text/scenario_incorporato.cpp"),
                 encoding="utf-8").read()
    blocchi = []
    for nome in ("righe_file_linea", "righe_file_treno"):
        corpo = testo.split(nome + "()")[1].split("};")[0]
        corpo = re.sub(r'"\s*\n\s*"', "", corpo)
        blocchi.append(re.findall(r'"((?:[^"\\]|\\.)*)"', corpo))
    return blocchi


def muta(righe, caso):
    righe = list(righe)
    if not righe:
        return righe
    scelta = caso.randrange(4)
    i = caso.randrange(len(righe))
    if scelta == 0:
        del righe[i]
    elif scelta == 1:
        righe.insert(i, righe[i])
    elif scelta == 2:
        j = caso.randrange(len(righe))
        righe[i], righe[j] = righe[j], righe[i]
    else:
        numeri = list(NUMERO.finditer(righe[i]))
        if numeri:
            m = caso.choice(numeri)
            valore = caso.choice(VALORI_AI_BORDI)
            righe[i] = righe[i][:m.start()] + valore + righe[i][m.end():]
    return righe


def coppia_mutata(linea, treno, seme):
    caso = random.Random(seme)
    for _ in range(caso.randint(1, 4)):
        if caso.random() < 0.5:
            linea = muta(linea, caso)
        else:
            treno = muta(treno, caso)
    return linea, treno, caso.random() < 0.3


def scrivi(percorso, righe):
    with open(percorso, "wb") as f:
        f.write("".join(r + "\r\n" for r in righe).encode("cp1252"))


def una_prova(programma, linea, treno, seme, base):
    """The exit status of one run, or what was wrong with it."""
    linea, treno, senza_profilo = coppia_mutata(linea, treno, seme)
    cartella = tempfile.mkdtemp(prefix="soak.", dir=base)
    try:
        file_linea = os.path.join(cartella, "S_linea.txt")
        file_treno = os.path.join(cartella, "S_1-.txt")
        uscita = os.path.join(cartella, "uscita")
        os.mkdir(uscita)
        scrivi(file_linea, linea)
        scrivi(file_treno, treno)
        prima = (open(file_linea, "rb").read(), open(file_treno, "rb").read())
        comando = [programma, "compile", file_linea, file_treno, "-o", uscita, "--json", "--quiet"]
        if senza_profilo:
            comando.append("--no-profile")
        try:
            r = subprocess.run(comando, capture_output=True, timeout=LIMITE_SECONDI)
        except subprocess.TimeoutExpired:
            return f"seme {seme}: più di {LIMITE_SECONDI} s"
        if r.returncode not in (0, 1, 2):
            return f"seme {seme}: stato di uscita {r.returncode}\n{r.stderr.decode(errors='replace')}"
        righe_uscita = r.stdout.decode("utf-8", errors="strict").splitlines()
        try:
            rapporto = json.loads(righe_uscita[-1])
        except (IndexError, ValueError):
            return f"seme {seme}: l'ultima riga non è un rapporto JSON"
        if ESITI.get(rapporto.get("esito")) != r.returncode:
            return f"seme {seme}: esito {rapporto.get('esito')} con stato {r.returncode}"
        if r.returncode == 1 and os.listdir(uscita):
            return f"seme {seme}: file scritti da una compilazione fallita: {os.listdir(uscita)}"
        if (open(file_linea, "rb").read(), open(file_treno, "rb").read()) != prima:
            return f"seme {seme}: i file sorgente sono cambiati"
        return r.returncode
    finally:
        shutil.rmtree(cartella, ignore_errors=True)


def main():
    argomenti = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    argomenti.add_argument("programma")
    argomenti.add_argument("--runs", type=int, default=10000)
    argomenti.add_argument("--seed", type=int, default=1)
    argomenti.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    a = argomenti.parse_args()
    radice = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    linea, treno = righe_incorporate(radice)
    programma = os.path.abspath(a.programma)
    base = "/dev/shm" if os.access("/dev/shm", os.W_OK) else None
    difetti = []
    stati = {}
    with concurrent.futures.ThreadPoolExecutor(max_workers=a.jobs) as pool:
        prove = [pool.submit(una_prova, programma, linea, treno, a.seed + n, base)
                 for n in range(a.runs)]
        for n, prova in enumerate(concurrent.futures.as_completed(prove), 1):
            difetto = prova.result()
            if isinstance(difetto, int):
                stati[difetto] = stati.get(difetto, 0) + 1
            else:
                difetti.append(difetto)
                print(difetto, file=sys.stderr)
            if n % 1000 == 0:
                print(f"{n} prove, {len(difetti)} difetti", flush=True)
    print(f"soak: {a.runs} prove, {len(difetti)} difetti; stati di uscita {dict(sorted(stati.items()))}")
    return 1 if difetti else 0


if __name__ == "__main__":
    sys.exit(main())
