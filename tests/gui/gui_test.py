#!/usr/bin/env python3
# GUI tests of quil under Xvfb with real X input, one run per user task. QUIL=PROGRAMM [QUIL_VORLADEN=BIB]
import collections, math, os, pathlib, random, struct, time, unittest, zlib

from szene import SICHTBAR, Ansicht, V, molekuele
from treiber import HELLBLAU, HINTERGRUND, MENU, MENUGRAU, Quil, farbe_passt, requester_offen

ALANIN = (pathlib.Path(__file__).resolve().parents[2] / "Alanin.xyz").read_text()
COFFEIN = (pathlib.Path(__file__).resolve().parent / "coffein.xyz").read_text()  # plain XYZ, RDKit's, faces the camera
WASSER_MOL = ("wasser\n OpenBabel\n\n  3  2  0  0  0  0  0  0  0  0999 V2000\n"
              "    5.0000    0.0000    0.0000 O   0  0\n    5.9600    0.0000    0.0000 H   0  0\n"
              "    4.7600    0.9300    0.0000 H   0  0\n  1  2  1  0\n  1  3  1  0\nM  END\n")


def dunkel(bild, links, oben, rechts, unten, grenze=60):
    return [(x, y) for y in range(oben, unten) for x in range(links, rechts) if max(bild.pixel(x, y)) < grenze]


def elemente(atome):
    return [e for e, _ in atome]


def png_lesen(daten):  # width, height and the rows from the top of an 8-bit RGB PNG, each its filter byte first
    breite, hoehe = struct.unpack(">II", daten[16:24])
    i, n, idat, zeilen = 8, 3 * breite + 1, b"", [bytes(3 * breite + 1)]
    while i < len(daten):
        laenge, art = struct.unpack(">I4s", daten[i:i + 8])
        idat, i = idat + daten[i + 8:i + 8 + laenge] * (art == b"IDAT"), i + 12 + laenge
    for z in map(bytearray, zip(*[iter(zlib.decompress(idat))] * n)):
        for x in range(1, n):  # each byte's filter undone: none, sub, up, average, Paeth
            a, b, c = (z[x - 3], zeilen[-1][x], zeilen[-1][x - 3]) if x > 3 else (0, zeilen[-1][x], 0)
            z[x] = (z[x] + (0, a, b, (a + b) // 2, z[0] == 4 and min((abs(b - c), 0, a), (abs(a - c), 1, b),
                                                                       (abs(a + b - 2 * c), 2, c))[2])[z[0]]) & 255
        zeilen.append(z)
    return breite, hoehe, zeilen[1:]


class QuilTest(unittest.TestCase):
    def starten(self, *argumente, inhalte={"Alanin.xyz": ALANIN}, **wie):
        self.q = Quil(self.enterContext, os.environ["QUIL"], argumente, inhalte=inhalte, **wie)
        return self.q, self.ansicht()

    def ansicht(self, **kamera):  # Alanin as the window shows it at the start, or after a camera move
        return Ansicht(ALANIN, self.q.breite, self.q.hoehe, **kamera)

    def waehlen(self, *atome):  # clicks atoms where they are at the start
        for i in atome:
            self.q.klick(self.ansicht().punkt(i))

    def speichern(self, name, bloecke=None):  # name typed unless default*; bloecke: all as one or in blocks
        self.q.menu("Save")
        if bloecke is not None:
            self.q.antworten(1, 3)  # "alles", then "einzelnes" or "mehrere"
            self.q.antworten(1 + bloecke, 2)
        self.q.eingeben(None if name.startswith("default") else name)
        self.q.warten_auf(f'"{name}" gespeichert')  # by the menu thread, once it has the tables
        return list(molekuele((self.q.verzeichnis / name).read_text()))

    def pruefe_farbe(self, bild, punkt, erwartet):
        self.assertTrue(farbe_passt(bild.pixel(*punkt), erwartet), (punkt, bild.pixel(*punkt), erwartet))

    def falsche_atome(self, bild, ansicht):  # the atoms in sight without their lit colour at their centre
        return [i for i in SICHTBAR if not farbe_passt(bild.pixel(*ansicht.punkt(i)), ansicht.farbe(i))]


class FensterTest(QuilTest):
    """On a screen of 1600 x 1200 (of 3840 x 2160 below): window, menu font, atoms, about box, menu, Exit."""
    BILDSCHIRM, GEOMETRIE, B = (1600, 1200), (30, 10, 1200, 900), 1

    def test_fenster(self):
        (q, ansicht), b = self.starten(bildschirm=self.BILDSCHIRM), self.B
        self.assertEqual(q.geometrie, self.GEOMETRIE)
        leer = q.bild()
        xs = [x for x, _ in dunkel(leer, 0, 0, 300 * b, 23 * b)]  # "Menuleiste": ten cells 12 wide, times b
        self.assertTrue(105 * b <= max(xs) - min(xs) + 1 <= 120 * b, (min(xs), max(xs)))
        self.assertEqual(self.falsche_atome(leer, ansicht), [])
        q.menu("Ueber")
        offen = q.antworten(1, 1)
        self.assertTrue(dunkel(offen, 50 + 4 * b, 50 + 2 * b, 50 + 60 * b, 50 + 20 * b), "kein Text \"quil\"")
        q.ruhig(lambda bild: bild == leer, "das Bild ohne Box")
        markiert = q.ende()[2]
        self.pruefe_farbe(markiert, (60 * b, 112 * b), HELLBLAU)  # the fourth row of column "File"
        self.assertTrue(dunkel(markiert, 8 * b, 96 * b, 56 * b, 119 * b), "kein Text \"Exit\"")


class GrossesFensterTest(FensterTest):
    BILDSCHIRM, GEOMETRIE, B = (3840, 2160), (60, 20, 2400, 1800), 2


class TastenTest(QuilTest):
    """A click selects, a second deselects; the switches S, L, F, T and K; the key Up and the wheel move the camera."""

    def test_auswahl_schalter_kamera(self):
        (q, a), c = self.starten(), 1  # a carbon
        vorher = q.bild()
        q.klick(a.punkt(c))
        self.pruefe_farbe(q.bild(), a.punkt(c), a.farbe(c, True))
        q.klick(a.punkt(c))
        self.assertEqual(q.bild(), vorher, "ein zweiter Klick waehlt ab")
        (mx, my), r = a.punkt(0), int(0.7 * a.bildradius(0))  # the nitrogen's disk, 0.7 of its radius: blue share
        scheibe = [(mx + x, my + y) for x in range(-r, r + 1) for y in range(-r, r + 1) if x * x + y * y <= r * r]
        blauanteil = lambda bild: sum(b > rot + 60 for rot, _, b in map(bild.pixel, *zip(*scheibe))) / len(scheibe)
        x, y = (a.punkt(0)[0] + a.bildradius(0) + a.punkt(1)[0] - a.bildradius(1)) // 2, a.punkt(0)[1]
        breite = lambda bild: len(dunkel(bild, x, y - 30, x + 1, y + 31, 100))  # across the bond N-C, midway
        enden = [a.fensterpunkt(e) for e in [(-4, 0, 0), (0, 3, 0), (4, 0, 0), (0, -3, 0)]]
        kreuz = lambda bild: all(dunkel(bild, x - 1, y - 1, x + 2, y + 2, 80) for x, y in enden)  # the axes' ends
        for tasten, zeigt in [("s", lambda bild: blauanteil(bild) < 0.6),  # wire spheres, not solid ones
                              ("l", lambda bild: breite(bild) in range(5, 9)),  # lines of 1200 / 200 pixels, not 19
                              ("f", kreuz),
                              ("t", lambda bild: self.falsche_atome(bild, self.ansicht(ambient=False)) == []),
                              ("kk", lambda bild: abs(blauanteil(bild) - 0.51) < 0.1)]:  # spheres of half the size
            with self.subTest(tasten):
                self.assertFalse(zeigt(vorher))
                q.taste(*tasten)
                self.assertTrue(zeigt(q.bild()))
                q.taste(*tasten)  # once more: off again; "kkkk": 0.75, 0.5, 0.25 and the full size
                self.assertEqual(q.bild(), vorher)
        # the camera after ten degrees about x, then four wheel steps closer (all its steps: the unit tests)
        q.taste("Up", mal=10)
        self.assertEqual(self.falsche_atome(q.bild(), self.ansicht(grad=10)), [])
        q.xdotool(*q.hin(600, 450), "click", "--repeat", 4, 4)
        self.assertEqual(self.falsche_atome(q.bild(), self.ansicht(grad=10, zoom=4)), [])
        q.taste("Home")
        self.assertEqual(q.bild(), vorher)
        q.ende()


# Paracetamol as a ligand at protein coordinates (about 30, 40, 15), placed by RDKit, with CONECT records.
PARACETAMOL = (pathlib.Path(__file__).resolve().with_name("paracetamol.pdb")).read_text()


def verschoben(pdb, dx):  # the atoms moved along x, without CONECT records
    return "".join(z[:30] + f"{float(z[30:38]) + dx:8.3f}" + z[38:] for z in pdb.splitlines(True) if z[:6] == "HETATM")


def meldung_da(bild):  # the message line's strip at the bottom left
    return farbe_passt(bild.pixel(1, bild.hoehe - 2), MENUGRAU)


class ErsteMinuteTest(QuilTest):
    """A ligand at protein coordinates in the window at the start, after Home and after Open File; a start-up failure."""

    def pruefe_im_bild(self, bild):  # the spheres clear of the borders and filling most of the window; N and O seen
        punkte = [(x, y, bild.pixel(x, y)) for y in range(23 * self.q.bigfont, bild.hoehe, 2) for x in
                  range(0, bild.breite, 2) if not farbe_passt(bild.pixel(x, y), HINTERGRUND)]
        xs, ys = [x for x, _, _ in punkte], [y for _, y, _ in punkte]
        self.assertGreater(min(xs), 10)
        self.assertLess(max(xs), bild.breite - 10)
        self.assertGreater(min(ys), 23 * self.q.bigfont)
        self.assertLess(max(ys), bild.hoehe - 10)
        self.assertGreater(max((max(xs) - min(xs)) / bild.breite, (max(ys) - min(ys)) / bild.hoehe), 0.8)
        self.assertTrue(any(r > 200 and b < 50 for _, _, (r, _, b) in punkte), "kein Sauerstoff")
        self.assertTrue(any(b > 200 and r < 100 for _, _, (r, _, b) in punkte), "kein Stickstoff")

    def test_ligand(self):
        q, _ = self.starten("ligand.pdb", inhalte={"ligand.pdb": PARACETAMOL, "weiter.pdb": verschoben(PARACETAMOL, 15)})
        start = q.ruhig(lambda bild: not meldung_da(bild), "die Meldungszeile fort")
        self.pruefe_im_bild(start)
        q.taste("Up", mal=20)
        q.xdotool(*q.hin(600, 450), "click", "--repeat", 4, 5)
        q.taste("Home")
        self.assertEqual(q.bild(), start)
        q.menu("Open", "weiter.pdb")
        self.pruefe_im_bild(q.ruhig(lambda bild: not meldung_da(bild), "die Meldungszeile fort"))
        q.ende()

    def test_startfehler(self):  # 'konnte "fehlt.xyz" nicht oeffnen' in the message line
        q, _ = self.starten("fehlt.xyz", inhalte={})
        bild, b = q.ruhig(meldung_da, "die Meldungszeile"), q.bigfont
        self.assertGreater(max(x for x, _ in dunkel(bild, 0, bild.hoehe - 18 * b, 400 * b, bild.hoehe)), 250 * b)
        q.ende()


class DateiTest(QuilTest):
    """An editing run from Delete to a relaxation, saved under the proposed names and read back."""

    def aendern(self, atome, befehl, wert, modus=None, zug=()):  # the dialog of befehl for atome, a drag in modus
        self.waehlen(*atome)
        gewaehlt = self.q.bild()
        (self.q.menu if befehl in MENU else self.q.taste)(befehl)
        self.q.eingeben(wert)
        self.q.ruhig(lambda bild: bild != gewaehlt, "die Aenderung ohne weitere Eingabe")
        if modus:  # half a degree per motion
            self.q.taste(modus)
            self.q.klick((600, 700), *zug)
        self.q.taste("Escape")

    def test_bearbeiten(self):
        q, a = self.starten(inhalte={"Alanin.xyz": ALANIN, "wasser.mol": WASSER_MOL})
        self.waehlen(12)  # at the edge: the background shows where it was
        q.taste("Delete")
        self.pruefe_farbe(q.bild(), a.punkt(12), HINTERGRUND)
        self.aendern([1, 2], "Bindung", "1,8")  # CA-C, with a decimal comma
        self.aendern([0, 1, 2], "Return", "100", "m", [(600 + 4 * k, 700) for k in range(1, 11)])  # N-CA-C
        self.aendern([7, 0, 1, 2], "Return", "0", "n", [(600, 700 - 4 * k) for k in range(1, 7)])  # H-N-CA-C
        (gezogen, _), = self.speichern("default.xyz")
        for _ in range(4):
            q.menu("Undo")
        self.waehlen(1, 2)
        q.taste("a", "Escape")  # CA-C back to its standard length
        self.waehlen(0)
        q.taste("a")  # a C on N, then "neues Atom..." an N beside it without a bond
        q.eingeben()
        q.taste("Escape")
        q.menu("neues Atom", "N")
        q.menu("Open", "wasser.mol")
        (alanin, bindungen), (wasser, wasser_bindungen) = self.speichern("default1.xyz", True)
        q.menu("Shake")
        q.warten_auf("shake fertig", 280)
        geschuettelt = self.speichern("default2.xyz", True)
        q.ende()
        (alt, alt_bindungen), = molekuele(ALANIN)  # less the last atom, H on O, and its bond
        self.assertEqual(elemente(gezogen), elemente(alt[:-1]))
        self.assertEqual(elemente(alanin), elemente(alt[:-1]) + ["C", "N"])
        self.assertEqual(bindungen, alt_bindungen[:-1] + ["0 12"])
        p, grad = [p for _, p in gezogen], lambda u, v: math.degrees(math.acos(u.einheit() @ v.einheit()))
        self.assertAlmostEqual(abs(p[2] - p[1]), 1.8, delta=1e-5)
        self.assertAlmostEqual(grad(p[0] - p[1], p[2] - p[1]), 105, delta=1e-4)  # 100 typed, 5 dragged
        self.assertAlmostEqual(grad((p[1] - p[0]).kreuz(p[7] - p[0]), (p[2] - p[1]).kreuz(p[0] - p[1])), 3, delta=1e-4)
        self.assertLess(max(abs(p - q) for (_, p), (_, q) in zip(alanin, alt[:-1])), 1e-5)  # Undo, "a": in place
        self.assertEqual(wasser_bindungen, ["0 1", "0 2"])
        self.assertEqual(wasser, [("O", (5, 0, 0)), ("H", (5.96, 0, 0)), ("H", (4.76, 0.93, 0))])
        self.assertEqual([elemente(atome) for atome, _ in geschuettelt], [elemente(alanin), elemente(wasser)])


class BindungenTest(QuilTest):
    """Plain XYZ with the bonds from the distances, edited: bond dialog, key A, Shake, Undo, saved."""

    def test_bindungen(self):
        q, _ = self.starten("coffein.xyz", inhalte={"coffein.xyz": COFFEIN})
        alt = [(e, V(map(float, p))) for e, *p in (z.split() for z in COFFEIN.splitlines()[2:])]
        text = "".join(f"{e} {x} {y} {-z}\n" for e, (x, y, z) in alt)  # as structure text: z turned
        ansicht = Ansicht(f"{len(alt)} 0\n{text}", q.breite, q.hoehe)
        for atome, befehl in [((2, 3), lambda: q.menu("Bindung", "1,3")), ((6, 7), lambda: q.taste("a"))]:
            for i in atome:
                q.klick(ansicht.punkt(i))
            befehl()  # C=O: the dialog keeps the order it shows; aromatic C-N: its standard length
            q.taste("Escape")
        q.menu("Shake")
        q.warten_auf("shake fertig", 280)
        q.menu("Undo")  # the standard length taken back
        (atome, bindungen), = self.speichern("default.xyz")
        q.ende()
        for zeile in ["Molekuel 0: 25 Bindungen aus den Abstaenden erkannt", "Abstand korrigiert auf 1.380000"]:
            self.assertIn(zeile, q.ausgabe())
        self.assertEqual(elemente(atome), elemente(alt))
        ordnungen = collections.Counter((b.split() + ["1"])[2] for b in bindungen)
        self.assertEqual(ordnungen, {"1": 13, "1.5": 10, "2": 2})
        abstand = lambda struktur, i, j: abs(struktur[i][1] - struktur[j][1])
        self.assertAlmostEqual(abstand(atome, 2, 3), 1.3, delta=1e-5)
        self.assertAlmostEqual(abstand(atome, 6, 7), abstand(alt, 6, 7), delta=1e-5)

class GleichzeitigTest(QuilTest):
    """Angle drags and menu commands that change the tables while a relaxation runs; quil ends cleanly."""

    def test_gleichzeitig(self):
        q, _ = self.starten(inhalte={"Alanin.xyz": ALANIN, "wasser.mol": WASSER_MOL})
        self.waehlen(0, 1, 2)
        q.taste("m")
        for _ in range(2):  # the molecules shifted out of sight
            q.klick((100, 500), *[(x, 500) for x in range(150, 1200, 50)], knopf=3)
        for befehl, *felder in [("Open", "wasser.mol"), ("Bindung", "1.7"), ("Bindung", None, "0"), ("Undo",)]:
            q.menu("Shake")  # afresh each time: a fast build relaxes Alanin in seconds
            q.klick((600, 700), *[(600, y) for y in range(696, 660, -4)])
            q.menu(befehl, *felder)
        q.taste("Escape", "Escape")
        q.ende()
        self.assertRegex(q.ausgabe(), '"wasser.mol" eingelesen\n(.|\n)*shake (off|fertig)\n')


class ExportTest(QuilTest):
    """Export... as PNG, the window's scene without the bar; a PDB over a file kept on "nein", replaced on "ja"."""

    def test_export(self):
        q, _ = self.starten(inhalte={"Alanin.xyz": ALANIN, "a.pdb": "alt\n"})
        fenster = q.bild()
        q.menu("Export", "bild.png")
        q.warten_auf('"bild.png" als PNG geschrieben')
        breite, hoehe, zeilen = png_lesen((q.verzeichnis / "bild.png").read_bytes())
        self.assertEqual((breite, hoehe), (q.breite, q.hoehe))
        szene = range(23 * q.bigfont, hoehe - 40 * q.bigfont)  # below the bar, above the message line
        self.assertEqual([(x, y) for y in szene for x in range(breite)
                          if tuple(zeilen[y][3 * x + 1:3 * x + 4]) != fenster.pixel(x, y)], [])
        for knopf, anfang in [(2, "alt"), (1, "HETATM    1  N1  UNL A")]:  # "nein", then "ja"
            q.menu("Export", "a.pdb")
            q.antworten(knopf, 2)  # 'Datei "a.pdb" schon vorhanden. Ersetzen?'
            q.warten_auf('"a.pdb" als PDB geschrieben: 13 Atome, 12 Bindungen' if knopf == 1 else "")
            self.assertTrue((q.verzeichnis / "a.pdb").read_text().startswith(anfang))
        q.ende()


class AffeTest(QuilTest):
    """A monkey (QUIL_AFFE="SEED EVENTS SECONDS"); then quil saves a file that reads back and exits with 0."""
    TASTEN = [*"abcdefghijklmnopqrstuvwxyz0123456789AMNH", *"question BackSpace Delete Left Right Up Down Prior Next"
              " Home Tab space period".split(), *["Return", "Escape"] * 6]
    MENU = [(x, zeile) for x, n in [(30, 3), (100, 6), (200, 2), (300, 2)] for zeile in range(1, n + 1)]  # not Exit

    def ereignis(self, zufall, q):  # a key, click (4, 5: the wheel), drag or menu pick; only the last in the bar
        art = zufall.random()
        if art < 0.45:
            return ["key", zufall.choice(self.TASTEN)]
        if art >= 0.92:
            return sum(q.menuwahl(*zufall.choice(self.MENU)), []) + ["mouseup", 1] + q.hin(400 * q.bigfont, q.hoehe - 5)
        knopf = zufall.choice([1, 1, 1, 2, 3, 4, 5] if art < 0.7 else [1, 2, 3])
        zug = [q.hin(zufall.randrange(q.breite), zufall.randrange(30 * q.bigfont, q.hoehe))
               for _ in range(1 if art < 0.7 else zufall.randrange(2, 7))]
        return zug[0] + ["mousedown", knopf] + sum(zug[1:], []) + ["mouseup", knopf]

    def test_affe(self):
        saat, anzahl, sekunden = map(int, os.environ.get("QUIL_AFFE", "1 3000 150").split())
        (q, _), zufall, ende = self.starten(), random.Random(saat), time.monotonic() + sekunden
        for _ in range(0, anzahl, 25):
            if time.monotonic() < ende:
                q.xdotool(*[w for _ in range(25) for w in self.ereignis(zufall, q)])
        for _ in range(30):  # dialogs answered, selection, relaxation and edit mode off
            q.taste("Escape")
        q.ruhig(lambda bild: not requester_offen(bild), "kein Requester mehr")
        q.bild()
        (atome, bindungen), = self.speichern("affe.xyz", False if '" eingelesen' in q.ausgabe() else None)
        q.ende()
        self.assertTrue(all(0 <= int(n) < len(atome) for b in bindungen for n in b.split()[:2]), bindungen)


# Bad input: files (gesperrt: not readable), command line, files opened from the menu (each refused in a requester).
Fall = collections.namedtuple("Fall", "dateien argumente oeffnen gesperrt meldung molekuele atome bindungen",
                              defaults=[(), (), None, "", 1, 0, 0])
PDB_OHNE_END = "".join(f"ATOM  {i:5d}  CA  ALA A{i:4d}    {1.5 * i:8.3f}   0.000   0.000\n" for i in range(1, 1201))


class EingabenTest(QuilTest):
    """Bad input through the real program: messages, what a save holds; the readers' own faults: unit tests."""
    FAELLE = {
        "1001 Atome, 2001 Bindungen, 11 Molekuele": Fall(
            {"a.xyz": "1001 0\n" + " C 0 0 0\n" * 1001, "b.xyz": "3 2001\n C 0 0 0\n C 1.5 0 0\n C 3 0 0\n0 1\n1 2\n",
             "c.xyz": "molekuele=11\n" + "2 1\n C 0 0 0\n C 1.5 0 0\n0 1\n" * 11}, ["a.xyz", "b.xyz", "c.xyz"],
            molekuele=10, atome=20, bindungen=10),
        "PDB ohne END": Fall({"a.pdb": PDB_OHNE_END}, ["a.pdb"], meldung="fehlendes END", atome=1000,
                             bindungen=999),  # no CONECT: the chain's bonds from the distances
        "Verzeichnis, langer Name, ohne Leserecht": Fall(
            {"Alanin.xyz": ALANIN, "a.xyz": ALANIN}, [".", "x" * 200, "a.xyz"], gesperrt="a.xyz",
            meldung='konnte "." nicht oeffnen\n'),
        "Menue: Verzeichnis, fehlt, ohne Leserecht, unbekannt": Fall(
            {"Alanin.xyz": ALANIN, "a.xyz": ALANIN, "b": "?\n"}, oeffnen=[".", "fehlt.xyz", "a.xyz", "b"],
            gesperrt="a.xyz", atome=13, bindungen=12),
    }
    # root reads every file: quil runs without the capabilities that allow that
    OHNE_RECHTE = ["setpriv", "--bounding-set=-dac_override,-dac_read_search", "--"] if os.geteuid() == 0 else []

    def test_eingaben(self):
        for name, fall in self.FAELLE.items():
            with self.subTest(name):
                sperren = ("sh", "-c", f'chmod 0 {fall.gesperrt} && exec "$@"', "-", *self.OHNE_RECHTE)
                q, _ = self.starten(*fall.argumente, inhalte=fall.dateien, vorsatz=sperren if fall.gesperrt else ())
                for datei in fall.oeffnen:
                    q.menu("Open", datei)
                    q.antworten(1, 1)  # the requester "kann ... nicht oeffnen."
                (atome, bindungen), = self.speichern("gespeichert.xyz", False if fall.molekuele > 1 else None)
                q.ende()
                self.assertIn(fall.meldung, q.ausgabe())
                self.assertEqual(len(atome), fall.atome)
                self.assertEqual(len(bindungen), fall.bindungen)


if __name__ == "__main__":
    unittest.main(verbosity=2, failfast=True)  # a SIGTERM, too, stops the run and its clean-ups follow
