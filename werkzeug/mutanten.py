#!/usr/bin/env python3
# Mutation check: plants one slip at a time from werkzeug/mutanten.txt into the sources, rebuilds
# build-mutanten/ incrementally, runs ctest and reports which slips the suite did not notice.
import argparse
import os
import signal
import subprocess
import sys
import time

WURZEL = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LISTE = os.path.join(WURZEL, "werkzeug", "mutanten.txt")


class Abbruch(Exception):
    pass


def liste_lesen(pfad):
    """Blocks of 'datei:', 'alt:', 'neu:', 'was:' lines, separated by blank lines; '#' starts a comment."""
    mutanten, block = [], {}

    def abschliessen():
        if not block:
            return
        fehlt = [k for k in ("datei", "alt", "neu", "was") if k not in block]
        if fehlt:
            sys.exit(f"{pfad}: Eintrag vor Zeile {zeilennr} unvollständig, es fehlt {', '.join(fehlt)}")
        mutanten.append(dict(block))
        block.clear()

    with open(pfad, encoding="utf-8") as d:
        for zeilennr, zeile in enumerate(d, 1):
            zeile = zeile.rstrip("\n")
            if zeile.startswith("#"):
                continue
            if not zeile.strip():
                abschliessen()
                continue
            schluessel, _, wert = zeile.partition(":")
            wert = wert[1:] if wert.startswith(" ") else wert
            if schluessel not in ("datei", "alt", "neu", "was", "gleichwertig"):
                sys.exit(f"{pfad}:{zeilennr}: unbekannte Zeile: {zeile}")
            # '⏎' in alt/neu stands for a line break, so a slip may span lines
            block[schluessel] = wert.replace("⏎", "\n") if schluessel in ("alt", "neu") else wert
        abschliessen()
    return mutanten


def auswahl_lesen(text, anzahl):
    nummern = set()
    for teil in text.split(","):
        von, _, bis = teil.strip().partition("-")
        try:
            a, b = int(von), int(bis or von)
        except ValueError:
            sys.exit(f"Ungültige Auswahl: {teil!r} (erwartet z. B. 3 oder 5-9)")
        if not (1 <= a <= b <= anzahl):
            sys.exit(f"Auswahl {teil!r} liegt außerhalb von 1-{anzahl}")
        nummern.update(range(a, b + 1))
    return sorted(nummern)


def ausfuehren(befehl, zeitlimit, log):
    """Runs a command in its own process group so a timeout or Ctrl+C ends all of it."""
    p = subprocess.Popen(befehl, cwd=WURZEL, stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
    try:
        return p.wait(timeout=zeitlimit)
    except subprocess.TimeoutExpired:
        os.killpg(p.pid, signal.SIGKILL)
        p.wait()
        return None
    except BaseException:
        os.killpg(p.pid, signal.SIGKILL)
        p.wait()
        raise


def sicherung_zurueckspielen(sicherung):
    """A run killed hard leaves its backup behind: put that file back first."""
    if not os.path.exists(sicherung):
        return
    with open(sicherung, "rb") as d:
        pfad, _, inhalt = d.read().partition(b"\0")
    with open(os.path.join(WURZEL, pfad.decode()), "wb") as d:
        d.write(inhalt)
    os.remove(sicherung)
    print(f"Zurückgespielt aus einem abgebrochenen Lauf: {pfad.decode()}")


def main():
    ap = argparse.ArgumentParser(description="Mutationsprüfung: eine Änderung nach der anderen, je Build und ctest.")
    ap.add_argument("--nur", help="nur diese Nummern, z. B. 3,7,10-14")
    ap.add_argument("--liste", action="store_true", help="Änderungen nur auflisten und prüfen, nichts bauen")
    ap.add_argument("--build", default="build-mutanten", help="Build-Ordner (Standard: build-mutanten)")
    ap.add_argument("--zeitlimit", type=int, default=600, help="Sekunden für ctest insgesamt (Standard: 600)")
    ap.add_argument("--jobs", type=int, default=2, help="parallele Jobs für Build und ctest (Standard: 2)")
    args = ap.parse_args()

    mutanten = liste_lesen(LISTE)
    nummern = auswahl_lesen(args.nur, len(mutanten)) if args.nur else list(range(1, len(mutanten) + 1))
    build = os.path.join(WURZEL, args.build)
    sicherung = os.path.join(build, "mutant-sicherung")

    fehlerhaft = []
    for nr in nummern:
        m = mutanten[nr - 1]
        pfad = os.path.join(WURZEL, m["datei"])
        n = open(pfad, encoding="utf-8").read().count(m["alt"]) if os.path.exists(pfad) else -1
        if n != 1:
            fehlerhaft.append(nr)
            wo = "Datei fehlt" if n < 0 else f"Originaltext {n}-mal gefunden"
            print(f"[{nr:3}] {m['datei']}: {wo}: {m['alt']!r}")
    if args.liste:
        for nr in nummern:
            m = mutanten[nr - 1]
            print(f"[{nr:3}] {m['datei']:32} {m['was']}")
        return 1 if fehlerhaft else 0
    if fehlerhaft:
        sys.exit("Liste passt nicht zu den Quellen (siehe oben); nichts geändert.")

    def beenden(signum, _):
        raise Abbruch(signal.Signals(signum).name)

    signal.signal(signal.SIGTERM, beenden)
    signal.signal(signal.SIGHUP, beenden)

    if not os.path.exists(os.path.join(build, "CMakeCache.txt")):
        print(f"Richte {args.build}/ ein ...")
        r = subprocess.run(["cmake", "-S", ".", "-B", build, "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DDKM_BENCH=OFF"],
                           cwd=WURZEL, stdout=subprocess.DEVNULL)
        if r.returncode != 0:
            sys.exit("cmake-Konfiguration fehlgeschlagen")
    os.makedirs(build, exist_ok=True)
    sicherung_zurueckspielen(sicherung)
    log_pfad = os.path.join(build, "mutanten.log")
    bauen = ["cmake", "--build", build, f"-j{args.jobs}"]
    testen = ["ctest", "--test-dir", build, f"-j{args.jobs}", "--timeout", "180", "--stop-on-failure",
              "--output-on-failure"]

    ergebnisse = {}  # nr -> "erkannt" | "kompiliert nicht" | "übersehen" | "Zeitlimit"
    with open(log_pfad, "w", encoding="utf-8") as log:
        print("Ausgangsstand bauen und testen ...", flush=True)
        if ausfuehren(bauen, 3600, log) != 0 or ausfuehren(testen, args.zeitlimit, log) != 0:
            sys.exit(f"Der unveränderte Stand baut oder besteht die Tests nicht: siehe {log_pfad}")
        try:
            for nr in nummern:
                m = mutanten[nr - 1]
                pfad = os.path.join(WURZEL, m["datei"])
                with open(pfad, "rb") as d:
                    original = d.read()
                geaendert = original.decode("utf-8").replace(m["alt"], m["neu"], 1).encode("utf-8")
                beginn = time.monotonic()
                log.write(f"\n===== [{nr}] {m['datei']}: {m['was']}\n")
                log.flush()
                with open(sicherung, "wb") as d:
                    d.write(m["datei"].encode() + b"\0" + original)
                try:
                    with open(pfad, "wb") as d:
                        d.write(geaendert)
                    if ausfuehren(bauen, 1800, log) != 0:
                        ergebnis = "kompiliert nicht"
                    else:
                        rc = ausfuehren(testen, args.zeitlimit, log)
                        ergebnis = "Zeitlimit" if rc is None else "übersehen" if rc == 0 else "erkannt"
                finally:
                    with open(pfad, "wb") as d:
                        d.write(original)
                    os.remove(sicherung)
                ergebnisse[nr] = ergebnis
                print(f"[{nr:3}] {ergebnis:16} {time.monotonic() - beginn:5.0f} s  {m['datei']}: {m['was']}",
                      flush=True)
        except (KeyboardInterrupt, Abbruch):
            print("\nAbgebrochen; die zuletzt geänderte Datei ist wiederhergestellt.")
        finally:
            # leave the build matching the restored sources
            ausfuehren(bauen, 3600, log)

    if not ergebnisse:
        return 1
    # a change that cannot alter anything a user sees is run but not counted
    gleich = [nr for nr in ergebnisse if "gleichwertig" in mutanten[nr - 1]]
    zaehlen = {nr: e for nr, e in ergebnisse.items() if nr not in gleich}
    erkannt = [nr for nr, e in zaehlen.items() if e != "übersehen"]
    anteil = f"{100 * len(erkannt) / len(zaehlen):.0f} %" if zaehlen else "-"
    print(f"\nErkannt: {len(erkannt)} von {len(zaehlen)} verhaltensändernden ({anteil})"
          + (f", {len(nummern) - len(ergebnisse)} nicht gelaufen" if len(ergebnisse) < len(nummern) else ""))
    for nr in gleich:
        print(f"Gleichwertig, nicht gezählt: [{nr:3}] {ergebnisse[nr]}: {mutanten[nr - 1]['gleichwertig']}")
    for art in ("kompiliert nicht", "Zeitlimit"):
        liste = [nr for nr, e in ergebnisse.items() if e == art]
        if liste:
            print(f"Davon {art} (zählt als erkannt): {', '.join(map(str, liste))}")
    uebersehen = [nr for nr, e in zaehlen.items() if e == "übersehen"]
    if uebersehen:
        print("Übersehen:")
        for nr in uebersehen:
            m = mutanten[nr - 1]
            print(f"[{nr:3}] {m['datei']}: {m['was']}")
    print(f"Protokoll: {log_pfad}")
    return 1 if uebersehen else 0


if __name__ == "__main__":
    sys.exit(main())
