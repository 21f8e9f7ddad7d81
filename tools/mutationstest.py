#!/usr/bin/env python3
"""Mutation check: breaks the code in one place at a time and reports which breaks the unit tests catch.

    tools/mutationstest.py [--seed N] [--stellen N] [--wiederholen BERICHT] [--nur MUSTER] [--gui] [--tests MUSTER]
                           [--arbeit DIR]

Copies the checkout (with uncommitted changes) to a work directory, builds it once, then for each
site picked by the seed: changes one line of the library under src/ (OpenGL files, main and generated tables left out),
rebuilds, runs the unit tests and puts the line back. Each caught break is followed by a line naming
the tests that caught it. A site whose break does not build is
reported and replaced by the next one, so the run tests exactly --stellen sites that build.
The same seed on the same sources picks the same sites; --wiederholen takes the sites of a former
report (its standard output), so a changed suite can be held against the sites an earlier one caught;
a site whose line has moved is found by its text, one whose line has changed is left out.
"""
import argparse
import filecmp
import os
import random
import resource
import re
import shutil
import subprocess
import sys
import tempfile

WURZEL = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

VERGLEICHE = {" < ": " <= ", " <= ": " < ", " > ": " >= ", " >= ": " > ", " == ": " != ", " != ": " == "}
RECHNUNG = {" + ": " - ", " - ": " + ", " += ": " -= ", " -= ": " += ", " * ": " / ", " / ": " * ", " && ": " || ",
            " || ": " && "}
ANWEISUNG_DAVOR = re.compile(r"([;{}:]|\belse|\)\s*)$")


def code_teil(zeile, im_kommentar):
    """The line with string and char literals and comments blanked out, so no break lands there."""
    aus = []
    i = 0
    while i < len(zeile):
        if im_kommentar:
            ende = zeile.find("*/", i)
            if ende < 0:
                aus.append(" " * (len(zeile) - i))
                return "".join(aus), True
            aus.append(" " * (ende + 2 - i))
            i, im_kommentar = ende + 2, False
        elif zeile.startswith("//", i):
            aus.append(" " * (len(zeile) - i))
            break
        elif zeile.startswith("/*", i):
            im_kommentar = True
        elif zeile[i] in "\"'":
            ende = i + 1
            while ende < len(zeile) and zeile[ende] != zeile[i]:
                ende += 2 if zeile[ende] == "\\" else 1
            aus.append(zeile[i] + " " * (min(ende, len(zeile)) - i - 1) + (zeile[i] if ende < len(zeile) else ""))
            i = ende + 1
        else:
            aus.append(zeile[i])
            i += 1
    return "".join(aus), im_kommentar


def klammer_ende(code, start):
    """Index of the parenthesis closing the one at start, or -1 when it closes on a later line."""
    tiefe = 0
    for i in range(start, len(code)):
        tiefe += {"(": 1, ")": -1}.get(code[i], 0)
        if tiefe == 0:
            return i
    return -1


def brueche(zeile, code, vorige):
    """Every way to break this line: (kind, new line)."""
    aus = []
    for tabelle, art in ((VERGLEICHE, "Vergleich"), (RECHNUNG, "Rechnung")):
        for alt, neu in tabelle.items():
            for m in re.finditer(re.escape(alt), code):
                aus.append((art, zeile[:m.start()] + neu + zeile[m.end():]))
    for m in re.finditer(r"(?<![\w.])(\d+)(?![\w.])", code):
        wert = int(m.group(1))
        aus.append(("Konstante", zeile[:m.start()] + str(wert + 1 if wert != 1 else 0) + zeile[m.end():]))
    for m in re.finditer(r"\b(if|while) \(", code):
        auf = m.end() - 1
        zu = klammer_ende(code, auf)
        if zu > 0:
            aus.append(("Bedingung", zeile[:auf + 1] + "!(" + zeile[auf + 1:zu] + ")" + zeile[zu:]))
    stumpf = code.strip()
    if stumpf.endswith(";") and ANWEISUNG_DAVOR.search(vorige) and not re.match(r"(return |for |case |\}|;)", stumpf):
        aus.append(("Anweisung weg", zeile[:len(zeile) - len(zeile.lstrip())] + ";\n"))
    return aus


def stellen_finden(baum):
    """All candidate sites: (file, line index, kind, new line), in a fixed order."""
    stellen = {}
    for ordner, _, namen in sorted(os.walk(os.path.join(baum, "src"))):
        for name in sorted(namen):
            if ordner == os.path.join(baum, "src") or not name.endswith(".cpp") or name.endswith("_gl.cpp"):
                continue
            pfad = os.path.join(ordner, name)
            with open(pfad, encoding="latin-1") as f:
                zeilen = f.readlines()
            if any("written by tools/" in z for z in zeilen[:3]):
                continue
            rel = os.path.relpath(pfad, baum)
            im_kommentar, vorige = False, "{"
            for nr, zeile in enumerate(zeilen):
                code, im_kommentar = code_teil(zeile.rstrip("\n"), im_kommentar)
                if code.strip() and not code.lstrip().startswith("#"):
                    for art, neu in brueche(zeile, code, vorige):
                        stellen.setdefault(rel, []).append((rel, nr, art, neu))
                    vorige = code.rstrip()
    return stellen


def reihenfolge(stellen, seed):
    """Sites in the order the seed gives, spread over the files: one per file in turn."""
    zufall = random.Random(seed)
    haufen = {d: zufall.sample(s, len(s)) for d, s in sorted(stellen.items())}
    dateien = sorted(haufen)
    while any(haufen.values()):
        zufall.shuffle(dateien)
        for d in dateien:
            if haufen[d]:
                yield haufen[d].pop()


def aus_bericht(pfad, baum):
    """The sites a former report tested (caught or not), to test them again on changed tests."""
    stellen = []
    with open(pfad, encoding="latin-1") as f:
        for zeile in f:
            m = re.match(r"(gefangen|UEBERLEBT)\s+(\S+):(\d+) ([^:]+): (.*?)  =>  (.*)$", zeile.rstrip("\n"))
            if not m:
                continue
            datei, nr, art, alt, neu = m.group(2), int(m.group(3)) - 1, m.group(4), m.group(5), m.group(6)
            with open(os.path.join(baum, datei), encoding="latin-1") as q:
                zeilen = q.readlines()
            if nr >= len(zeilen) or zeilen[nr].strip() != alt:
                gleich = [i for i, z in enumerate(zeilen) if z.strip() == alt]
                if len(gleich) != 1:
                    print(f"{'entfaellt':10} {datei}:{nr + 1} has changed since the report", flush=True)
                    continue
                nr = gleich[0]
            original = zeilen[nr]
            stellen.append((datei, nr, art, original[:len(original) - len(original.lstrip())] + neu + "\n"))
    return stellen


def lauf(befehl, cwd, zeit=None):
    try:
        return subprocess.run(befehl, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=zeit).returncode
    except subprocess.TimeoutExpired:
        return -1


def begrenzt():
    """A broken program may print without end: its files stop at 64 MiB (and it fails there)."""
    resource.setrlimit(resource.RLIMIT_FSIZE, (64 << 20, 64 << 20))


def fehlschlaege(ctest, baum, tmp, zeit):
    """The names of the tests that fail (or hang: the whole run longer than zeit seconds); None when all pass.
    Their temporary files go to tmp, which is emptied afterwards."""
    os.makedirs(tmp, exist_ok=True)
    umgebung = dict(os.environ, TMPDIR=tmp, TEST_TMPDIR=tmp)
    try:
        ergebnis = subprocess.run(ctest, cwd=baum, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, env=umgebung,
                              preexec_fn=begrenzt, timeout=zeit)
    except subprocess.TimeoutExpired:
        return ["(ctest haengt)"]
    finally:
        shutil.rmtree(tmp, ignore_errors=True)
    if ergebnis.returncode == 0:
        return None
    aus = ergebnis.stdout.decode("latin-1").split("The following tests FAILED:")[-1]
    return re.findall(r"^\s*\d+ - (\S+) \(", aus, re.M) or ["?"]


def kopieren(ziel):
    """The checkout into ziel; files there with the same content keep their times, so that a work directory used
    before rebuilds only what changed."""
    dateien = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=WURZEL, check=True,
                             stdout=subprocess.PIPE).stdout.decode().split("\0")
    dateien = set(filter(None, dateien))
    for d in dateien:
        quelle, kopie = os.path.join(WURZEL, d), os.path.join(ziel, d)
        if os.path.isfile(quelle) and not (os.path.isfile(kopie) and filecmp.cmp(quelle, kopie, shallow=False)):
            os.makedirs(os.path.dirname(kopie), exist_ok=True)
            shutil.copy(quelle, kopie)
    for ordner, _, namen in os.walk(ziel):  # and without the files the checkout no longer has
        for name in namen:
            if os.path.relpath(os.path.join(ordner, name), ziel) not in dateien:
                os.remove(os.path.join(ordner, name))


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--seed", type=int, default=1)
    p.add_argument("--stellen", type=int, default=60, help="sites that build to test")
    p.add_argument("--nur", default="", help="only files whose path contains this")
    p.add_argument("--wiederholen", metavar="BERICHT", help="test the sites of a former report again")
    p.add_argument("--gui", action="store_true", help="run the GUI tests too")
    p.add_argument("--tests", help="only the tests whose name matches this regular expression (ctest -R)")
    p.add_argument("--arbeit", help="work directory, kept for the next run (default: a new temporary one, removed)")
    a = p.parse_args()

    arbeit = a.arbeit or tempfile.mkdtemp(prefix="quil-mutation-")
    baum, bau = os.path.join(arbeit, "quelle"), os.path.join(arbeit, "bau")
    kopieren(baum)
    if lauf(["cmake", "-S", baum, "-B", bau, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
             "-DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST"], baum) or lauf(["ninja", "-C", bau], baum):
        sys.exit("the unchanged checkout does not build")
    zeit = 5000 if a.gui else 600  # for the whole run; each test gets 600 or 15 seconds
    ctest = ["ctest", "--test-dir", bau, "--timeout", "600" if a.gui else "15", "-j", str(os.cpu_count() or 1)]
    if not a.gui:
        ctest += ["-LE", "gui"]
    if a.tests:
        ctest += ["-R", a.tests]
    if fehlschlaege(ctest, baum, os.path.join(arbeit, "tmp"), zeit):
        sys.exit("the unit tests fail on the unchanged checkout")

    if a.wiederholen:
        folge = aus_bericht(a.wiederholen, baum)
        a.stellen = len(folge)
    else:
        folge = reihenfolge(stellen_finden(baum), a.seed)
    gefangen = getestet = 0
    for datei, nr, art, neu in folge:
        if a.nur not in datei:
            continue
        if getestet == a.stellen:
            break
        pfad = os.path.join(baum, datei)
        with open(pfad, encoding="latin-1") as f:
            zeilen = f.readlines()
        alt = zeilen[nr]
        zeilen[nr] = neu
        with open(pfad, "w", encoding="latin-1") as f:
            f.writelines(zeilen)
        if lauf(["ninja", "-C", bau], baum):
            urteil = "baut nicht"
        else:
            getestet += 1
            tests = fehlschlaege(ctest, baum, os.path.join(arbeit, "tmp"), zeit)
            gefangen += tests is not None
            urteil = "gefangen" if tests else "UEBERLEBT"
        zeilen[nr] = alt
        with open(pfad, "w", encoding="latin-1") as f:
            f.writelines(zeilen)
        print(f"{urteil:10} {datei}:{nr + 1} {art}: {alt.strip()}  =>  {neu.strip()}", flush=True)
        if urteil == "gefangen":
            print(f"{'':10} von: {' '.join(tests)}", flush=True)
    print(f"{gefangen} of {getestet} breaks caught (seed {a.seed})")
    if not a.arbeit:
        shutil.rmtree(arbeit)


if __name__ == "__main__":
    main()
