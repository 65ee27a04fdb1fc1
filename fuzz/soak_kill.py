#!/usr/bin/env python3
"""Kill soak: kill -9 at random moments of a compile of the longest line over an earlier result.

Before each kill the output folder holds the set of a short scenario with the same names.
The compile of the longest line is killed after a random delay within the time a whole run
takes; then the next run into the folder (the embedded scenario, another set of names) must
leave the longest line's names holding the whole old set or the whole new one, and no file of
ours (temporary, commit record, the embedded run's two text files) anywhere, TMPDIR included.

Usage: soak_kill.py PROGRAM GENERATOR [--runs N] [--seed S]
"""

import argparse
import os
import random
import signal
import subprocess
import sys
import tempfile
import time

LINEA_BREVE = ("[generale]\r\nlunghezza percorso, 2000\r\n[curve]\r\ncurvad2, 300, 400\r\n"
               "[fine]\r\n")
TRENO_BREVE = ("[generale]\r\nvelocita, 0, 60\r\naderenza, 0, 100\r\n"
               "stazione, 1000, 12, 400, 0,0,0, 1,1,0, 4,1,1, 60, 7,0,0, ALFA\r\n[fine]\r\n")
NOMI = ["N_linea.dat", "N_1.sim", "N_1.dat"]
NOSTRI = (".compila_scenario-", ".compila_scenario.commit")


def insieme(cartella):
    file = {}
    for nome in NOMI:
        percorso = os.path.join(cartella, nome)
        if os.path.exists(percorso):
            with open(percorso, "rb") as f:
                file[nome] = f.read()
    return file


def avanzi(cartella):
    return [n for n in os.listdir(cartella)
            if n.startswith(NOSTRI) or n.endswith(("_linea.txt", "-.txt"))]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("programma")
    parser.add_argument("generatore")
    parser.add_argument("--runs", type=int, default=500)
    parser.add_argument("--seed", type=int, default=1)
    a = parser.parse_args()
    programma = os.path.abspath(a.programma)
    casuale = random.Random(a.seed)
    with tempfile.TemporaryDirectory(prefix="soak_kill.") as base:
        sorgenti = os.path.join(base, "sorgenti")
        uscita = os.path.join(base, "uscita")
        tmp = os.path.join(base, "tmp")
        for d in (sorgenti, uscita, tmp):
            os.mkdir(d)
        ambiente = dict(os.environ, TMPDIR=tmp)
        subprocess.run([a.generatore, sorgenti], check=True)
        for nome, testo in (("Breve_linea.txt", LINEA_BREVE), ("Breve_1-.txt", TRENO_BREVE)):
            with open(os.path.join(sorgenti, nome), "w", newline="") as f:
                f.write(testo)

        def compila(prefisso):
            return [programma, "compile", os.path.join(sorgenti, prefisso + "_linea.txt"),
                    os.path.join(sorgenti, prefisso + "_1-.txt" if prefisso == "Breve"
                                 else prefisso + "_1000-.txt"),
                    "--line-name", "N", "--train", "1", "-o", uscita, "--quiet"]

        def esegui(argomenti):
            subprocess.run(argomenti, env=ambiente, check=True, stdout=subprocess.DEVNULL)

        esegui(compila("Lungalinea"))
        nuovo = insieme(uscita)
        esegui(compila("Breve"))
        vecchio = insieme(uscita)
        inizio = time.monotonic()
        for _ in range(5):
            esegui(compila("Lungalinea"))
        durata = (time.monotonic() - inizio) / 5

        conti = {"vecchio": 0, "nuovo": 0, "temporanei": 0, "registro": 0}
        errori = []
        inizio = time.monotonic()
        for giro in range(a.runs):
            if insieme(uscita) != vecchio:
                esegui(compila("Breve"))
            figlio = subprocess.Popen(compila("Lungalinea"), env=ambiente,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(casuale.uniform(0, durata * 1.2))
            figlio.send_signal(signal.SIGKILL)
            figlio.wait()
            lasciati = os.listdir(uscita)
            conti["temporanei"] += any(n.startswith(NOSTRI[0]) for n in lasciati)
            conti["registro"] += NOSTRI[1] in lasciati
            esegui([programma, "--dir", uscita, "--quiet"])
            dopo = insieme(uscita)
            if dopo == vecchio:
                conti["vecchio"] += 1
            elif dopo == nuovo:
                conti["nuovo"] += 1
            else:
                errori.append(f"giro {giro}: insieme misto")
            resti = avanzi(uscita) + os.listdir(tmp)
            if resti:
                errori.append(f"giro {giro}: avanzi {resti}")
        secondi = time.monotonic() - inizio

    print(f"{a.runs} uccisioni (kill -9) in {secondi:.1f} s, una corsa intera {durata * 1000:.1f} ms:"
          f" dopo il ripristino {conti['vecchio']} volte l'insieme vecchio, {conti['nuovo']}"
          f" il nuovo, {len(errori)} errori; la corsa uccisa aveva lasciato temporanei"
          f" {conti['temporanei']} volte, un registro a metà {conti['registro']} volte")
    for e in errori[:20]:
        print("  " + e)
    return 1 if errori else 0


if __name__ == "__main__":
    sys.exit(main())
