#!/usr/bin/env python3
# Bad input replayed through the real program: one table of cases, each with the files quil gets
# (from tests/eingaben, or made here), how it gets them (command line or "Open File..."), the
# message it must print and what a save afterwards holds. QUIL=PROGRAMM [QUIL_VORLADEN=...]
import os, re, tempfile, unittest

from gui_test import QuilTest

DATEN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "eingaben")


def daten(name):
    with open(os.path.join(DATEN, name), "rb") as datei:
        return datei.read()


def kette(n, bindungen=0, kopf=""):
    """n carbons 1.5 apart in a structure text, with the given count of bonds written."""
    return (kopf + f"{n} {bindungen}\n" + "".join(f" C {1.5 * i} 0 0\n" for i in range(n))
            + "".join(f"{i} {i + 1}\n" for i in range(min(bindungen, n - 1))))


def mdl(n, bindungslinien):
    """An MDL file whose count line "100 200" has its bond count out of its columns."""
    atome = "".join(f"{1.5 * i:10.4f}{0:10.4f}{0:10.4f} C   0  0\n" for i in range(n))
    return ("titel\n  Marvin\n\n" + f"{n} 200  0  0  0  0            999 V2000\n" + atome
            + "".join(f"{i % n + 1:3d}{(i + 1) % n + 1:3d}  1  0\n" for i in range(bindungslinien)))


def pdb(n):
    return "".join(f"ATOM  {i + 1:5d}  CA  ALA A{i + 1:4d}    {1.5 * i:8.3f}{0:8.3f}{0:8.3f}\n" for i in range(n))


ALANIN = daten(os.path.join("..", "..", "Alanin.xyz"))
LANG = "x" * 200

# name, files, command line, file to open from the menu, message on standard output (regex; None:
# the requester that the file does not open), count line of the save (and the atoms' names)
FAELLE = [
    ("leere Datei", {"a.xyz": b""}, ["a.xyz"], None, r"Fehler in xyzeinlesen\(\): keine Atome\n", "0  0"),
    ("binaerer Muell", {"a.xyz": daten("muell.xyz")}, ["a.xyz"], None, r"a.xyz eingelesen\n", None),
    ("Anzahl 0", {"a.xyz": daten("null.xyz")}, ["a.xyz"], None, r"keine Atome\n", "0  0"),
    ("Anzahl -1", {"a.xyz": daten("minus.xyz")}, ["a.xyz"], None, r"keine Atome\n", "0  0"),
    ("1001 Atome", {"a.xyz": kette(1001)}, ["a.xyz"], None, r"zu viele Atome, auf 1000 begrenzt\n", "0  0"),
    ("2001 Bindungen", {"a.xyz": kette(3, 2001)}, ["a.xyz"], None, r"zu viele Bindungen, auf 2000 begrenzt\n", "0  0"),
    ("11 Molekuele", {"a.xyz": kette(2, 1, "molekuele=11\n") + kette(2, 1) * 10}, ["a.xyz"], None,
     r"zu viele Molekuele, auf 10 begrenzt\n", "20  10"),
    ("lange Zeile", {"a.xyz": "2 1\n C 0 0 0 " + "9" * 10000 + "\n C 1.5 0 0\n0 1\n"}, ["a.xyz"], None,
     r'Fehlerhaftes Atom: "9{199}"\n', "2  0"),  # read in pieces of 199 characters
    ("langer Name", {}, [LANG, "a.xyz"], None, r"Dateiname zu lang \(hoechstens 79 Zeichen\)", None),
    ("nan und inf", {"a.xyz": daten("nan.xyz")}, ["a.xyz"], None,
     r'Koordinate nicht endlich, Atom nicht gelesen: zeile=" C nan 0 0"\n.*zeile=" C inf 1 1"\n', "2  1"),
    ("Bindungen ausserhalb", {"a.xyz": daten("bindung.xyz")}, ["a.xyz"], None,
     r'Atomnummer ausserhalb des Molekuels: zeile="1 7"\n.*zeile="-1 2"\n', "3  1"),
    ("PDB ohne END", {"a.pdb": pdb(1200)}, ["a.pdb"], None, r"Fehler in pdb-lesen: fehlendes END", "1000  0"),
    ("PDB-Elemente", {"a.pdb": daten("element.pdb")}, ["a.pdb"], None, r"a.pdb eingelesen\n", "5  0 Zn Cl Fe Ca C"),
    ("MDL-Spalten", {"a.mol": mdl(100, 150)}, ["a.mol"], None, r"a.mol eingelesen\n", "100  150"),
    ("Verzeichnis", {}, ["."], None, r'Fileformat von "." nicht erkannt\n', "0  0"),
    ("ohne Leserecht", {"a.xyz": ALANIN}, ["a.xyz"], None, r'konnte "a.xyz" nicht oeffnen\n', "0  0"),
    ("Menue: nan", {"Alanin.xyz": ALANIN, "a.xyz": daten("nan.xyz")}, [], "a.xyz", r"Koordinate nicht endlich", "15  13"),
    ("Menue: Verzeichnis", {"Alanin.xyz": ALANIN}, [], ".", None, "13  12"),
    ("Menue: fehlt", {"Alanin.xyz": ALANIN}, [], "fehlt.xyz", None, "13  12"),
    ("Menue: ohne Leserecht", {"Alanin.xyz": ALANIN, "a.xyz": ALANIN}, [], "a.xyz", None, "13  12"),
]


# Saves that ask what to save first: more than one molecule.
FRAGEN = {"11 Molekuele", "Menue: nan"}
# root reads every file: quil runs without the capabilities that allow that
OHNE_RECHTE = ["setpriv", "--bounding-set=-dac_override,-dac_read_search", "--"] if os.geteuid() == 0 else []


class EingabenTest(QuilTest):
    def test_eingaben(self):
        for name, dateien, argumente, oeffnen, meldung, gespeichert in FAELLE:
            with self.subTest(name):
                self.fall(name, dateien, argumente, oeffnen, meldung, gespeichert)

    def fall(self, name, dateien, argumente, oeffnen, meldung, gespeichert):
        verzeichnis = self.enterContext(tempfile.TemporaryDirectory())
        for datei, inhalt in dateien.items():
            with open(os.path.join(verzeichnis, datei), "wb") as f:
                f.write(inhalt.encode() if isinstance(inhalt, str) else inhalt)
        if "Leserecht" in name:
            os.chmod(os.path.join(verzeichnis, "a.xyz"), 0)
        q = self.starten(*argumente, inhalte={}, verzeichnis=verzeichnis,
                         vorsatz=OHNE_RECHTE if "Leserecht" in name else ())
        if oeffnen:
            q.menu("Open")
            q.eingeben(oeffnen)
            if meldung is None:
                q.antworten(1, 1)  # the requester "kann ... nicht oeffnen."
        if meldung:
            self.assertRegex(q.ausgabe(), re.compile(meldung, re.S))
        if gespeichert:
            q.menu("Save")
            if name in FRAGEN:
                q.antworten(1, 3)
                q.antworten(1, 2)  # "alles", "einzelnes"
            q.eingeben("gespeichert.xyz")
            kopf, namen = gespeichert_lesen(verzeichnis)
            self.assertEqual(kopf if len(gespeichert.split()) == 2 else kopf + " " + " ".join(namen), gespeichert)
        q.ende()


def gespeichert_lesen(verzeichnis):
    """The count line of the saved file and the names of its atoms."""
    with open(os.path.join(verzeichnis, "gespeichert.xyz")) as datei:
        zeilen = datei.read().splitlines()
    return zeilen[0].strip(), [z.split()[0] for z in zeilen[1:int(zeilen[0].split()[0]) + 1]]


if __name__ == "__main__":
    unittest.main(verbosity=2)
