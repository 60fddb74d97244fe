#!/usr/bin/env python3
# Mutation check: plants one slip at a time from werkzeug/mutanten.txt into the sources, rebuilds
# build-mutanten/ incrementally, runs the test programs the slip can reach and reports which test caught
# which slip. A slip counts as caught only when a test fails on one of its checks (a gtest assertion with
# file and line); a crash, an exception, a timeout or a failure already there before the slip does not count.
import argparse
import json
import os
import re
import shutil
import signal
import stat
import subprocess
import sys
import time

WURZEL = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LISTE = os.path.join(WURZEL, "werkzeug", "mutanten.txt")

# A test program reaches the code of its own layer and the layers below; a slip is run against the
# programs at or above its layer, its own folder's first.
RANG = {"model": 0, "calc": 1, "bedienung": 1, "files": 2, "report": 2, "cli": 2, "report_qt": 3, "ui": 4, "app": 4}


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


def ausfuehren(befehl, zeitlimit, log, env=None, cwd=WURZEL):
    """Runs a command in its own process group so a timeout or Ctrl+C ends all of it.
    Returns the exit code (negative: ended by a signal) or None after the time limit."""
    p = subprocess.Popen(befehl, cwd=cwd, stdout=log, stderr=subprocess.STDOUT, start_new_session=True, env=env)
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


def programme_ermitteln(build):
    """The gtest programs ctest knows, each once with its environment: a program runs all its tests in one
    process here instead of one process per test. Scripts (package checks) are left out: no slip in the
    sources reaches them."""
    aus = subprocess.run(["ctest", "--test-dir", build, "--show-only=json-v1"], capture_output=True, text=True,
                         check=True).stdout
    programme = {}
    for t in json.loads(aus)["tests"]:
        befehl = t.get("command") or []
        if not befehl or not os.path.basename(befehl[0]).startswith("test_"):
            continue
        props = {p["name"]: p["value"] for p in t.get("properties", [])}
        env = tuple(props.get("ENVIRONMENT", []))
        filter_ = [a for a in befehl[1:] if a.startswith("--gtest_filter=")]
        # a discovered test names itself in its filter; a test added by hand keeps its own
        eigen = filter_ if t["name"] not in (f.partition("=")[2] for f in filter_) else []
        schluessel = (befehl[0], env, tuple(eigen))
        if schluessel not in programme:
            ziel = os.path.basename(befehl[0])
            name = ziel if not eigen else t["name"]
            programme[schluessel] = {"name": name, "ziel": ziel, "befehl": [befehl[0], *eigen],
                                     "env": dict(e.split("=", 1) for e in env),
                                     "cwd": props.get("WORKING_DIRECTORY", os.path.dirname(befehl[0])),
                                     "ordner": ziel[len("test_"):]}
    return list(programme.values())


FEHLER_ZEILE = re.compile(r"^.+:\d+: Failure$")


def auswerten(ausgabe):
    """Tests that failed on a check ('datei:zeile: Failure' after their RUN line, before FAILED or a crash)."""
    gefangen, laufend, pruefung = [], None, False
    for zeile in ausgabe.splitlines():
        if zeile.startswith("[ RUN      ] "):
            laufend, pruefung = zeile[13:].strip(), False
        elif laufend and FEHLER_ZEILE.match(zeile):
            pruefung = True
        elif zeile.startswith("[  FAILED  ] ") and laufend and zeile[13:].startswith(laufend + " "):
            if pruefung:
                gefangen.append(laufend)
            laufend = None
        elif zeile.startswith("[       OK ] ") or zeile.startswith("[  SKIPPED ] "):
            laufend = None
    # a check that failed before the program crashed has caught the slip all the same
    if laufend and pruefung:
        gefangen.append(laufend)
    return gefangen


def programm_laufen(p, zeitlimit, log, build):
    """(result, tests that failed on a check): result is 'ok', 'Prüfung', 'Absturz', 'Fehler' or 'Zeitlimit'."""
    ausgabe_pfad = os.path.join(build, "mutant-ausgabe.txt")
    env = dict(os.environ, **p["env"])
    with open(ausgabe_pfad, "w+", encoding="utf-8", errors="replace") as aus:
        rc = ausfuehren(p["befehl"], zeitlimit, aus, env=env, cwd=p["cwd"])
        aus.seek(0)
        ausgabe = aus.read()
    gefangen = auswerten(ausgabe)
    if rc != 0:
        log.write(ausgabe[-20000:])
    if gefangen:
        return "Prüfung", gefangen
    if rc is None:
        return "Zeitlimit", []
    if rc < 0 or rc > 128:
        return "Absturz", []
    return ("ok" if rc == 0 else "Fehler"), []


def aufraeumen(build):
    """What a failed run leaves: small file systems mounted for the full-disk tests, and the test folders
    (some of them write-protected) in the build's temporary folder."""
    tmp = os.path.join(build, "tests", "tmp")
    with open("/proc/self/mountinfo", encoding="utf-8") as d:
        punkte = [z.split()[4].replace("\\040", " ") for z in d]
    for punkt in sorted(punkte, key=len, reverse=True):
        if punkt.startswith(build + os.sep):
            subprocess.run(["umount", "-l", punkt], stderr=subprocess.DEVNULL)
    if not os.path.isdir(tmp):
        return
    for ordner, unter, _ in os.walk(tmp):
        for u in unter:
            pfad = os.path.join(ordner, u)
            if not os.path.islink(pfad):
                os.chmod(pfad, stat.S_IRWXU)
    for eintrag in os.listdir(tmp):
        pfad = os.path.join(tmp, eintrag)
        if os.path.isdir(pfad) and not os.path.islink(pfad):
            shutil.rmtree(pfad, ignore_errors=True)
        else:
            os.remove(pfad)


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


def programme_fuer(datei, programme, dauer):
    ordner = datei.split("/")[0] if not datei.startswith("report/qt/") else "report_qt"
    rang = RANG.get(ordner, 0)
    passend = [p for p in programme if RANG.get(p["ordner"], 4) >= rang]
    return sorted(passend, key=lambda p: (p["ordner"] != ordner, dauer.get(p["name"], 0)))


def main():
    ap = argparse.ArgumentParser(description="Mutationsprüfung: eine Änderung nach der anderen, je Build und Tests.")
    ap.add_argument("--nur", help="nur diese Nummern, z. B. 3,7,10-14")
    ap.add_argument("--liste", action="store_true", help="Änderungen nur auflisten und prüfen, nichts bauen")
    ap.add_argument("--build", default="build-mutanten", help="Build-Ordner (Standard: build-mutanten)")
    ap.add_argument("--zeitlimit", type=int, default=300, help="Sekunden je Testprogramm (Standard: 300)")
    ap.add_argument("--jobs", type=int, default=2, help="parallele Jobs für den Build (Standard: 2)")
    ap.add_argument("--bericht", help="Bericht hierhin statt nach <build>/mutanten-bericht.txt")
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
    sicherung_zurueckspielen(sicherung)
    log_pfad = os.path.join(build, "mutanten.log")
    bericht_pfad = args.bericht or os.path.join(build, "mutanten-bericht.txt")
    bauen = ["cmake", "--build", build, f"-j{args.jobs}"]

    ergebnisse, faenger = {}, {}  # nr -> "erkannt" | "übersehen" | "Absturz" | "Zeitlimit" | "kompiliert nicht"
    with open(log_pfad, "w", encoding="utf-8") as log:
        print("Ausgangsstand bauen und testen ...", flush=True)
        if ausfuehren(bauen, 3600, log) != 0:
            sys.exit(f"Der unveränderte Stand baut nicht: siehe {log_pfad}")
        programme = programme_ermitteln(build)
        dauer = {}
        aufraeumen(build)
        for p in programme:
            beginn = time.monotonic()
            ergebnis, _ = programm_laufen(p, args.zeitlimit, log, build)
            dauer[p["name"]] = time.monotonic() - beginn
            aufraeumen(build)
            if ergebnis != "ok":
                sys.exit(f"Der unveränderte Stand besteht {p['name']} nicht ({ergebnis}): siehe {log_pfad}")
        print("  " + ", ".join(f"{p['name']} {dauer[p['name']]:.0f} s" for p in programme), flush=True)
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
                    # each program is built just before it runs: most slips are caught by the first
                    ergebnis, gebaut = "übersehen", set()
                    for p in programme_fuer(m["datei"], programme, dauer):
                        ziele = {p["ziel"]} | ({"dkm-rechner"} if p["ordner"] in ("cli", "ui") else set())
                        if ziele - gebaut and ausfuehren(bauen[:3] + ["--target", *sorted(ziele - gebaut)] + bauen[3:],
                                                         1800, log) != 0:
                            ergebnis = "kompiliert nicht"
                            break
                        gebaut |= ziele
                        art, gefangen = programm_laufen(p, args.zeitlimit, log, build)
                        aufraeumen(build)
                        if gefangen:
                            ergebnis, faenger[nr] = "erkannt", gefangen
                            break
                        if art in ("Absturz", "Zeitlimit"):
                            ergebnis = art  # noticed, but by no check: not counted as caught
                finally:
                    with open(pfad, "wb") as d:
                        d.write(original)
                    os.remove(sicherung)
                    aufraeumen(build)
                ergebnisse[nr] = ergebnis
                wer = f"  <- {', '.join(faenger[nr][:2])}" if nr in faenger else ""
                print(f"[{nr:3}] {ergebnis:16} {time.monotonic() - beginn:5.0f} s  {m['datei']}: {m['was']}{wer}",
                      flush=True)
        except (KeyboardInterrupt, Abbruch):
            print("\nAbgebrochen; die zuletzt geänderte Datei ist wiederhergestellt.")
        finally:
            # leave the build matching the restored sources
            ausfuehren(bauen, 3600, log)

    if not ergebnisse:
        return 1
    # a change that cannot alter anything a user sees is run but not counted, nor one that does not compile
    gleich = [nr for nr in ergebnisse if "gleichwertig" in mutanten[nr - 1]]
    ungueltig = [nr for nr, e in ergebnisse.items() if e == "kompiliert nicht"]
    zaehlen = {nr: e for nr, e in ergebnisse.items() if nr not in gleich and nr not in ungueltig}
    erkannt = [nr for nr, e in zaehlen.items() if e == "erkannt"]
    anteil = f"{100 * len(erkannt) / len(zaehlen):.0f} %" if zaehlen else "-"
    zeilen = [f"Erkannt: {len(erkannt)} von {len(zaehlen)} verhaltensändernden ({anteil})"
              + (f", {len(nummern) - len(ergebnisse)} nicht gelaufen" if len(ergebnisse) < len(nummern) else "")]
    for nr in gleich:
        zeilen.append(f"Gleichwertig, nicht gezählt: [{nr:3}] {ergebnisse[nr]}: {mutanten[nr - 1]['gleichwertig']}")
    if ungueltig:
        zeilen.append(f"Kompiliert nicht, Liste berichtigen (nicht gezählt): {', '.join(map(str, ungueltig))}")
    nicht = [nr for nr, e in zaehlen.items() if e != "erkannt"]
    if nicht:
        zeilen.append("Nicht erkannt (Absturz und Zeitlimit ohne fehlgeschlagene Prüfung zählen nicht):")
        zeilen += [f"[{nr:3}] {zaehlen[nr]}: {mutanten[nr - 1]['datei']}: {mutanten[nr - 1]['was']}" for nr in nicht]
    print("\n" + "\n".join(zeilen))
    with open(bericht_pfad, "w", encoding="utf-8") as d:
        for nr, e in ergebnisse.items():
            m = mutanten[nr - 1]
            d.write(f"[{nr:3}] {e}: {m['datei']}: {m['was']}\n")
            for t in faenger.get(nr, []):
                d.write(f"        {t}\n")
        d.write("\n" + "\n".join(zeilen) + "\n")
    print(f"Bericht (welcher Test welche Änderung fängt): {bericht_pfad}\nProtokoll: {log_pfad}")
    return 1 if nicht else 0


if __name__ == "__main__":
    sys.exit(main())
