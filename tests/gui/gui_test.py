#!/usr/bin/env python3
# GUI tests of quil under Xvfb with real X input: window, menu, about box, scene colours, picking, keys,
# camera, an editing run saved and read back, concurrency, a monkey. QUIL=PROGRAMM [QUIL_VORLADEN=BIB]
import math, os, pathlib, random, re, time, unittest

from szene import Ansicht, V, molekuele
from treiber import HELLBLAU, HINTERGRUND, MENU, MENUGRAU, REQUESTERGRAU, Quil, farbe_passt

TESTS = pathlib.Path(__file__).resolve().parents[1]
ALANIN = {"Alanin.xyz": (TESTS.parent / "Alanin.xyz").read_text()}
WASSER = {"wasser.xyz": "3 2\n O 0 0 0\n H 0.96 0 0\n H -0.24 0.93 0\n0 1\n0 2\n"}
WASSER_MOL = {"wasser.mol": "wasser\n OpenBabel\n\n  3  2  0  0  0  0  0  0  0  0999 V2000\n" + "".join(
    f"{x:10.4f}{y:10.4f}    0.0000 {e}   0  0\n" for e, x, y in [("O", 5, 0), ("H", 5.96, 0), ("H", 4.76, 0.93)])
    + "  1  2  1  0\n  1  3  1  0\nM  END\n"}
QUIL = os.path.abspath(os.environ["QUIL"])


def dunkel(bild, links, oben, rechts, unten, grenze=60):
    return [(x, y) for y in range(oben, unten) for x in range(links, rechts) if max(bild.pixel(x, y)) < grenze]


def grad(u, v):
    return math.degrees(math.acos(max(-1, min(1, u.einheit() @ v.einheit()))))


class QuilTest(unittest.TestCase):
    TEXT = ALANIN["Alanin.xyz"]  # what quil shows at the start

    def starten(self, *argumente, inhalte=ALANIN, **wie):
        self.q = Quil(self.enterContext, QUIL, argumente, inhalte=inhalte, **wie)
        return self.q, self.ansicht()

    def ansicht(self, **kamera):
        return Ansicht(self.TEXT, self.q.breite, self.q.hoehe, **kamera)

    def waehlen(self, *atome):  # clicks atoms where they are at the start
        for i in atome:
            self.q.klick(*self.ansicht().punkt(i))

    def speichern(self, name, bloecke=None, tippen=True):
        """Saves as name, typed or proposed (of more molecules all, as one or blocks); returns the file's molecules."""
        self.q.menu("Save")
        if bloecke is not None:
            self.q.antworten(1, 3)  # "alles", then "einzelnes" or "mehrere"
            self.q.antworten(1 + bloecke, 2)
        self.q.eingeben(name if tippen else None)
        return list(molekuele((self.q.verzeichnis / name).read_text()))

    def pruefe_farbe(self, bild, punkt, erwartet, falsch):
        self.assertTrue(farbe_passt(bild.pixel(*punkt), erwartet), (punkt, bild.pixel(*punkt), erwartet))
        self.assertFalse(farbe_passt(bild.pixel(*punkt), falsch), (punkt, bild.pixel(*punkt), falsch))

    def pruefe_atome(self, bild, ansicht, falsch=None, ausser=None):
        """Atoms in sight but ausser show their lit colour at the centre; under falsch not all would."""
        for i in set(ansicht.sichtbare()) - {ausser}:
            anderes = "O" if ansicht.atome[i][0] == "N" else "N"
            self.pruefe_farbe(bild, ansicht.punkt(i), ansicht.farbe(i), ansicht.farbe(i, element=anderes))
        if falsch:
            self.assertFalse(all(farbe_passt(bild.pixel(*falsch.punkt(i)), falsch.farbe(i))
                                 for i in falsch.sichtbare()))


class FensterTest(QuilTest):
    """The window on a screen of 1600 x 1200 (and of 3840 x 2160 below): place and size, menu font,
    background, the atoms, the about box, diagnostics of unbound keys, the menu and its Exit."""
    BILDSCHIRM, GEOMETRIE, B = (1600, 1200), (30, 10, 1200, 900), 1

    def test_fenster(self):
        (q, ansicht), b = self.starten(bildschirm=self.BILDSCHIRM), self.B
        self.assertEqual(q.geometrie, self.GEOMETRIE)
        leer = q.bild()
        box, knopf = (50 + 140 * b, 50 + 10 * b), (50 + 78 * b, 50 + 98 * b)  # in the about box, its button "ok"
        for punkt in [(5, q.hoehe - 10), (q.breite - 10, q.hoehe - 10), (q.breite - 10, 100 * b), box]:
            self.pruefe_farbe(leer, punkt, HINTERGRUND, MENUGRAU)
        xs, ys = zip(*dunkel(leer, 0, 0, 300 * b, 23 * b))  # "Menuleiste": ten cells of 12 x 16, times b
        self.assertTrue(105 * b <= max(xs) - min(xs) + 1 <= 120 * b, (min(xs), max(xs)))
        self.assertTrue(10 * b <= max(ys) - min(ys) + 1 <= 16 * b, (min(ys), max(ys)))
        self.assertEqual({ansicht.atome[i][0] for i in ansicht.sichtbare()}, {"C", "H", "N", "O"})
        self.pruefe_atome(leer, ansicht, Ansicht(self.TEXT, q.breite // 2, q.hoehe // 2))
        q.menu("Ueber")  # its requester opens on the menu's thread: wait for its grey
        offen = q.ruhig(lambda bild: farbe_passt(bild.pixel(*box), REQUESTERGRAU), "die Box")
        self.assertTrue(dunkel(offen, 50 + 4 * b, 50 + 2 * b, 50 + 60 * b, 50 + 20 * b), "kein Text \"quil\"")
        q.klick(*knopf)
        q.ruhig(lambda bild: bild == leer, "das Bild ohne Box")
        q.bewegen(12, 340, "key", "q", "Q", "1", "Tab", "F5", "Insert")
        leiste, spalte, markiert = q.ende()
        self.assertEqual(q.ausgabe(), "key(c='Q',x=12,y=340)\n" * 2 + "key(c='1',x=12,y=340)\n"
                         "key(c=9=0x09,x=12,y=340)\nspezial(key=5,x=12,y=340)\nspezial(key=108,x=12,y=340)\n")
        self.pruefe_farbe(leiste, (q.breite - 100, 12 * b), MENUGRAU, HINTERGRUND)
        for bild, farbe, falsch in [(leiste, HINTERGRUND, MENUGRAU), (spalte, MENUGRAU, HINTERGRUND),
                                    (markiert, HELLBLAU, MENUGRAU)]:
            self.pruefe_farbe(bild, (60 * b, 88 * b), farbe, falsch)  # the third row of column "File"
        self.assertTrue(dunkel(spalte, 8 * b, 72 * b, 56 * b, 95 * b), "kein Text \"Exit\"")


class GrossesFensterTest(FensterTest):
    BILDSCHIRM, GEOMETRIE, B = (3840, 2160), (60, 20, 2400, 1800), 2


class TastenTest(QuilTest):
    """Alanin and a copper atom (brightened when selected in every channel): clicks select, a drag turns; the
    switches S, L, F, T and K change the picture and restore it; arrows, page keys and wheel move the camera."""
    TEXT = ALANIN["Alanin.xyz"].replace("13  12", "14  12").replace("\n0 1\n", "\n Cu -3.2 1.8 0.0\n0 1\n")

    def test_auswahl_schalter_kamera(self):
        (q, a), cu, c = self.starten("kupfer.xyz", inhalte={"kupfer.xyz": self.TEXT}), 13, 1  # copper, a carbon
        vorher = q.bild()
        (mx, my), r = a.punkt(0), int(0.7 * a.bildradius(0))  # the nitrogen's disk, 0.7 of its radius: blue share
        scheibe = [(mx + x, my + y) for x in range(-r, r + 1) for y in range(-r, r + 1) if x * x + y * y <= r * r]
        blauanteil = lambda bild: sum(b > r + 60 for r, _, b in map(bild.pixel, *zip(*scheibe))) / len(scheibe)
        for i, klick in [(cu, q.klick), (c, lambda x, y: q.ziehen((x, y), (x + 1, y)))]:
            klick(*a.punkt(i))  # a click, or a release 1 pixel away, selects atom i
            gewaehlt = q.bild()
            self.pruefe_farbe(gewaehlt, a.punkt(i), a.farbe(i, True), a.farbe(i))
            self.pruefe_atome(gewaehlt, a, ausser=i)
            q.klick(*a.punkt(i))
            self.assertEqual(q.bild(), vorher, "ein zweiter Klick waehlt ab, und nichts hat sich gedreht")
        q.ziehen(a.punkt(c), (a.punkt(c)[0] + 2, a.punkt(c)[1]))  # a drag: no selection, a turn as by "Right"
        gezogen, gedreht = q.bild(), self.ansicht(drehung=(1, -1))
        self.pruefe_farbe(gezogen, gedreht.punkt(c), gedreht.farbe(c), gedreht.farbe(c, True))
        for taste, erwartet in [("Home", vorher), ("Right", gezogen), ("Home", vorher)]:
            q.taste(taste)
            self.assertEqual(q.bild(), erwartet, taste)
        # dark pixels across the bond N-C, which runs across the picture, midway between the spheres
        x, y = int(a.punkt(0)[0] + a.bildradius(0) + a.punkt(1)[0] - a.bildradius(1)) // 2, a.punkt(0)[1]
        breite = lambda bild: len(dunkel(bild, x, y - 30, x + 1, y + 31, 100))
        enden = [[round(k) for k in a.fensterpunkt(V(e))] for e in [(-4, 0, 0), (0, 3, 0), (4, 0, 0), (0, -3, 0)]]
        kreuz = lambda bild: [bool(dunkel(bild, x - 1, y - 1, x + 2, y + 2, 80)) for x, y in enden]  # axes' ends
        self.assertEqual((blauanteil(vorher) > 0.95, breite(vorher) > 18, any(kreuz(vorher))),
                         (True, True, False))  # solid spheres, cylinders of 0.19 units, no cross
        kugeln = lambda anteil: lambda bild: self.assertAlmostEqual(blauanteil(bild), anteil, delta=0.1)
        for taste, *pruefungen in [("s", lambda bild: self.assertLess(blauanteil(bild), 0.6)),  # wire spheres
                                   ("l", lambda bild: self.assertIn(breite(bild), range(5, 9))),  # lines 1200 / 200 px
                                   ("f", lambda bild: self.assertTrue(all(kreuz(bild)))),  # the axes cross
                                   ("t", lambda bild: self.pruefe_atome(bild, self.ansicht(ambient=False), a)),
                                   ("k", kugeln(1), kugeln(0.51), kugeln(0.13))]:  # 0.75, 0.5, 0.25 of the size
            with self.subTest(taste):
                for pruefe in pruefungen:
                    q.taste(taste)
                    pruefe(q.bild())
                q.taste(taste)
                self.assertEqual(q.bild(), vorher)
        # each kind of camera move drawn; the others' directions and steps: the unit tests of the keys
        for taste, achse, grad, zoom in [("Left", 1, 10, 0), ("Up", 0, 10, 0), ("Prior", 2, 10, 0), (4, 0, 0, 4)]:
            with self.subTest(taste):  # ten key presses, or four wheel steps
                q.klick(600, 450, taste, mal=4) if zoom else q.taste(taste, mal=10)
                self.pruefe_atome(q.bild(), self.ansicht(drehung=(achse, grad), zoom=zoom),
                                  self.ansicht(drehung=(achse, -grad), zoom=-zoom))
                q.taste("Home")
                self.assertEqual(q.bild(), vorher)
        q.ende()


class DateiTest(QuilTest):
    """An editing run saved under the proposed names: Delete; a bond stretched, an angle and a dihedral typed
    (shown without further input) and dragged in mode M or N, half a degree per motion; Undo; "a" and "neues
    Atom..."; a mol file opened at its own place; the help; a shake stopped by ESC, the next one run to its end."""
    SCHRITTE = [((1, 2), "Bindung", "1,8", None, []),  # a decimal comma  # CA-C, then N-CA-C, then H-N-CA-C
                ((0, 1, 2), "Return", "100", "m", [(600 + 4 * k, 700) for k in range(1, 11)]),
                ((7, 0, 1, 2), "Return", "0", "n", [(600, 700 - 4 * k) for k in range(1, 7)])]
    MELDUNGEN = ["Diederwinkel aendern von 180.000000 nach 0.000000\n", 'Alles als einziges Molekuel in "default.xyz"',
                 "Abstand korrigiert auf 1.540000\n", '"wasser.mol" eingelesen\n', 'Molekuele in "default1.xyz"',
                 "shake off\n", "shake fertig\n", 'Alle Molekuele in "default2.xyz" gespeichert.\n']
    HILFE = "\n    Hilfe\n    ----\n\nMaus mit linker Taste(.*\n){17}  Home: Kamera auf Anfangsposition ruecksetzen\n"

    def test_bearbeiten(self):
        q, a = self.starten(inhalte=dict(ALANIN, **WASSER_MOL))
        self.waehlen(12)  # at the edge: the background shows where it was
        q.taste("Delete")
        bilder = [q.bild()]
        self.pruefe_farbe(bilder[0], a.punkt(12), HINTERGRUND, a.farbe(12))
        for atome, befehl, wert, modus, zug in self.SCHRITTE:
            self.waehlen(*atome)
            gewaehlt = q.bild()
            (q.menu if befehl in MENU else q.taste)(befehl)  # the dialog from the menu or by a key
            q.eingeben(wert)
            q.ruhig(lambda bild: bild != gewaehlt, "die Aenderung")
            if modus:
                q.taste(modus)
                q.ziehen((600, 700), *zug)
            q.taste("Escape")
            bilder.append(q.bild())
        (gezogen, _), = self.speichern("default.xyz", tippen=False)
        for _ in range(4):
            q.menu("Undo")
        self.assertEqual(q.bild(), bilder[1])
        self.waehlen(1, 2)
        q.taste("a", "Escape")  # CA-C back to its standard length
        self.waehlen(0)
        q.taste("a")  # a C on N, then "neues Atom..." an N beside it without a bond
        q.eingeben()
        q.taste("Escape")
        q.menu("neues Atom", "N")
        vorher = q.bild()
        q.menu("Open", "wasser.mol")
        geoeffnet = q.bild()
        self.assertNotEqual(geoeffnet, vorher)
        (alanin, bindungen), (wasser, wasser_bindungen) = self.speichern("default1.xyz", True, tippen=False)
        for hilfe in [lambda: q.taste("h"), lambda: q.menu("Hilfe"), lambda: q.taste("question")]:
            hilfe()
            q.antworten(1, 1)
        self.assertEqual(q.bild(), geoeffnet)
        q.menu("Shake")
        q.taste("Escape")
        q.menu("Shake")
        q.warten_auf("shake fertig", 280)
        geschuettelt = self.speichern("default2.xyz", True, tippen=False)
        q.ende()
        self.assertRegex(q.ausgabe(), "[\\s\\S]*".join(map(re.escape, self.MELDUNGEN)))
        self.assertEqual(len(re.findall(self.HILFE, q.ausgabe())), 2)
        (alt, alt_bindungen), = molekuele(self.TEXT)
        alt, alt_bindungen = alt[:-1], alt_bindungen[:-1]  # without H on O and its bond, the last ones
        elemente = lambda atome: [e for e, _ in atome]
        self.assertEqual((elemente(gezogen), elemente(alanin), bindungen),
                         (elemente(alt), elemente(alt) + ["C", "N"], alt_bindungen + ["0 12"]))
        p = [p for _, p in gezogen]
        self.assertAlmostEqual(abs(p[2] - p[1]), 1.8, delta=1e-5)
        self.assertAlmostEqual(grad(p[0] - p[1], p[2] - p[1]), 105, delta=1e-4)  # 100 typed, 5 dragged
        self.assertAlmostEqual(grad((p[1] - p[0]).kreuz(p[7] - p[0]), (p[2] - p[1]).kreuz(p[0] - p[1])), 3, delta=1e-4)
        for i, k in (map(int, b.split()[:2]) for b in alt_bindungen if b != "1 2"):  # the other bonds kept
            self.assertAlmostEqual(abs(gezogen[i][1] - gezogen[k][1]), abs(alt[i][1] - alt[k][1]), delta=2e-6)
        self.assertLess(max(abs(p - q) for (_, p), (_, q) in zip(alanin, alt)), 1e-5)  # Undo, "a": all back in place
        self.assertEqual(wasser_bindungen, ["0 1", "0 2"])
        self.assertEqual(wasser, [("O", (5, 0, 0)), ("H", (5.96, 0, 0)), ("H", (4.76, 0.93, 0))])
        self.assertEqual([elemente(atome) for atome, _ in geschuettelt], [elemente(alanin), elemente(wasser)])


class GleichzeitigTest(QuilTest):
    """While a relaxation runs: angle drags, and menu commands that change the tables (open, a bond changed and
    deleted, undo). The molecules shifted out of sight, the pictures settle. quil ends cleanly, no sanitizer report."""

    def test_gleichzeitig(self):
        q, _ = self.starten(inhalte=dict(ALANIN, **WASSER))
        self.waehlen(0, 1, 2)
        q.taste("m")
        for _ in range(2):
            q.ziehen((100, 500), *[(x, 500) for x in range(150, 1200, 50)], knopf=3)
        for befehl, *antworten in [("Open", "wasser.xyz"), ("Bindung", ["1.7"]), ("Bindung", [None, "0"]), ("Undo",)]:
            q.menu("Shake")  # afresh each time: a fast build relaxes Alanin in seconds
            q.ziehen((600, 700), *[(600, y) for y in range(696, 660, -4)])
            q.menu(befehl, *antworten)
        q.taste("Escape", "Escape")
        q.ende()
        self.assertRegex(q.ausgabe(), '"wasser.xyz" eingelesen\n(.|\n)*shake (off|fertig)\n')


class AffeTest(QuilTest):
    """A monkey: seeded random keys, clicks, drags, wheel turns and menu picks but "Exit"; then quil saves a file
    that reads back and exits with status 0. QUIL_AFFE="SEED EVENTS SECONDS" changes the run."""
    TASTEN = [*"abcdefghijklmnopqrstuvwxyz0123456789AMNH", *"question BackSpace Delete Left Right Up Down Prior Next"
              " Home Tab space period".split(), *["Return", "Escape"] * 6]
    MENU = [stelle for eintrag, stelle in MENU.items() if eintrag != "Exit"] + [(100, 2), (100, 4), (100, 6), (200, 2)]

    def ereignis(self, zufall, q):
        """One random action as xdotool commands; clicks below the menu bar, which only a menu pick opens."""
        hin = lambda x, y: ["mousemove", "--window", q.fenster, x, y]
        x, y, art, b = zufall.randrange(q.breite), zufall.randrange(30 * q.bigfont, q.hoehe), zufall.random(), q.bigfont
        if art < 0.45:
            return ["key", zufall.choice(self.TASTEN)]
        if art < 0.92:  # a click (4, 5: the wheel) or a drag
            zug = hin(x, y) + ["mousedown", knopf := zufall.choice([1, 1, 1, 2, 3, 4, 5] if art < 0.7 else [1, 2, 3])]
            for _ in range(0 if art < 0.7 else zufall.randrange(1, 6)):
                x, y = min(max(x + zufall.randrange(-60, 61), 0), q.breite - 1), max(y + zufall.randrange(-60, 61), 30)
                zug += hin(x, min(y, q.hoehe - 1))
            return zug + ["mouseup", knopf]
        spalte, zeile = zufall.choice(self.MENU)
        return (hin(600 * b, 10 * b) + ["click", 1] + hin(spalte * b, 10 * b) + ["mousedown", 1]
                + hin(spalte * b, (24 * zeile + 12) * b) + ["mouseup", 1] + hin(400 * b, q.hoehe - 5))

    def test_affe(self):
        saat, anzahl, sekunden = map(int, os.environ.get("QUIL_AFFE", "1 3000 150").split())
        (q, _), zufall, ende = self.starten(), random.Random(saat), time.monotonic() + sekunden
        for _ in range(0, anzahl, 25):
            if time.monotonic() > ende:
                break
            q.xdotool(*[w for _ in range(25) for w in self.ereignis(zufall, q)])
        for _ in range(30):  # dialogs answered, selection, relaxation and edit mode off
            q.taste("Escape")
        q.ruhig(lambda bild: not farbe_passt(bild.pixel(51, 51), REQUESTERGRAU), "kein Requester mehr")
        q.bild()
        (atome, bindungen), = self.speichern("affe.xyz", False if '" eingelesen' in q.ausgabe() else None)
        q.ende()
        self.assertIn('Alles als einziges Molekuel in "affe.xyz" gespeichert.', q.ausgabe())
        self.assertTrue(all(0 <= int(n) < len(atome) for b in bindungen for n in b.split()[:2]), bindungen)



def daten(name):
    return (TESTS / "eingaben" / name).read_bytes()


def kette(n, bindungen=0, kopf=""):
    """n carbons 1.5 apart in a structure text, with the given count of bonds written."""
    return (kopf + f"{n} {bindungen}\n" + "".join(f" C {1.5 * i} 0 0\n" for i in range(n))
            + "".join(f"{i} {i + 1}\n" for i in range(min(bindungen, n - 1))))


class EingabenTest(QuilTest):
    """Bad input and start-up messages through the real program: the files quil gets, its command line, the
    files then opened from the menu, the message it prints (regex; None: the requester that the file does not
    open), the counts of atoms and bonds in a save (and the elements); folded cases share a run."""
    NAN, MDL = daten("nan.xyz"), "titel\n  Marvin\n\n100 200  0  0  0  0            999 V2000\n" + "".join(
        f"{1.5 * i:10.4f}{0:10.4f}{0:10.4f} C   0  0\n" for i in range(100)) + "".join(  # bond count out of its columns
        f"{i % 100 + 1:3d}{(i + 1) % 100 + 1:3d}  1  0\n" for i in range(150))
    FAELLE = [
        ("ohne Datei", {}, [], [], r'\Akann "Alanin.xyz" nicht oeffnen.\n', (0, 0)),
        ("unbekanntes Format", dict(ALANIN, **{"a.dat": "Keine Struktur\n12 Zeilen\n"}), ["a.dat"], [],
         r'\Aversuche unbekanntes Format zu lesen:\nzeile1="Keine Struktur"\nzeile2="12 Zeilen"\nzeile3=""\n'
         r'zeile4=""\nFileformat von "a.dat" nicht erkannt\n', (0, 0)),
        ("leer, Anzahl 0 und -1", {"a.xyz": daten("leer.xyz"), "b.xyz": daten("null.xyz"), "c.xyz": daten("minus.xyz")},
         ["a.xyz", "b.xyz", "c.xyz"], [], r"\A(Fehler in xyzeinlesen\(\): keine Atome\n.\.xyz eingelesen\n){3}",
         (0, 0)),
        ("binaerer Muell", {"a.xyz": daten("muell.xyz")}, ["a.xyz"], [], r"a.xyz eingelesen\n", None),
        ("1001 Atome, 2001 Bindungen", {"a.xyz": kette(1001), "b.xyz": kette(3, 2001)}, ["a.xyz", "b.xyz"], [],
         r"\Azu viele Atome, auf 1000 begrenzt\na.xyz eingelesen\nzu viele Bindungen, auf 2000 begrenzt\n", (0, 0)),
        ("11 Molekuele", {"a.xyz": kette(2, 1, "molekuele=11\n") + kette(2, 1) * 10}, ["a.xyz"], [],
         r"zu viele Molekuele, auf 10 begrenzt\n", (20, 10)),
        ("lange Zeile", {"a.xyz": "2 1\n C 0 0 0 " + "9" * 10000 + "\n C 1.5 0 0\n0 1\n"}, ["a.xyz"], [],
         r'Fehlerhaftes Atom: "9{199}"\n', (2, 0)),  # read in pieces of 199 characters
        ("-u: nan und inf", {"a.xyz": NAN}, ["-u", "a.xyz"], [],  # the file sniffed although named .xyz
         r'\Aversuche unbekanntes Format zu lesen:\nzeile1="4 3".*Koordinate nicht endlich, Atom nicht gelesen: '
         r'zeile=" C nan 0 0"\n.*zeile=" C inf 1 1"\na.xyz eingelesen\n', (2, 1)),
        ("Bindungen ausserhalb", {"a.xyz": daten("bindung.xyz")}, ["a.xyz"], [],
         r'Atomnummer ausserhalb des Molekuels: zeile="1 7"\n.*zeile="-1 2"\n', (3, 1)),
        ("PDB ohne END", {"a.pdb": "".join(f"ATOM  {i + 1:5d}  CA  ALA A{i + 1:4d}    {1.5 * i:8.3f}   0.000   0.000\n"
                                           for i in range(1200))}, ["a.pdb"], [], r"pdb-lesen: fehlendes END",
         (1000, 0)),
        ("PDB-Elemente", {"a.pdb": daten("element.pdb")}, ["a.pdb"], [], r"a.pdb eingelesen\n", (5, 0, "ZnClFeCaC")),
        ("MDL-Spalten", {"a.mol": MDL}, ["a.mol"], [], r"a.mol eingelesen\n", (100, 150)),
        ("Verzeichnis", {}, ["."], [], r'\Akonnte "." nicht oeffnen\n', (0, 0)),
        ("langer Name, ohne Leserecht", dict(ALANIN, **{"a.xyz": ALANIN["Alanin.xyz"]}), ["x" * 200, "a.xyz"], [],
         r'\ADateiname zu lang \(hoechstens 79 Zeichen\): "x{200}"\nkonnte "a.xyz" nicht oeffnen\n', (0, 0)),
        ("Menue: nan", dict(ALANIN, **{"a.xyz": NAN}), [], ["a.xyz"], r"Koordinate nicht endlich", (15, 13)),
        ("Menue: Verzeichnis, fehlt, ohne Leserecht, unbekannt", dict(ALANIN, **{"a.xyz": ALANIN["Alanin.xyz"],
                                                                              "b": "?\n"}),
         [], [".", "fehlt.xyz", "a.xyz", "b"], None, (13, 12)),
    ]
    FRAGEN = {"11 Molekuele", "Menue: nan"}  # the saves that ask what to save: more than one molecule
    # root reads every file: quil runs without the capabilities that allow that
    OHNE_RECHTE = ["setpriv", "--bounding-set=-dac_override,-dac_read_search", "--"] if os.geteuid() == 0 else []

    def test_eingaben(self):
        for name, dateien, argumente, oeffnen, meldung, gespeichert in self.FAELLE:
            with self.subTest(name):
                vorsatz = ("sh", "-c", 'chmod 0 a.xyz && exec "$@"', "-", *self.OHNE_RECHTE) if "Leser" in name else ()
                q, _ = self.starten(*argumente, inhalte=dateien, vorsatz=vorsatz)
                for datei in oeffnen:
                    q.menu("Open", datei)
                    if meldung is None:
                        q.antworten(1, 1)  # the requester "kann ... nicht oeffnen."
                if gespeichert:  # more molecules than one: all of them as one
                    (atome, bindungen), = self.speichern("gespeichert.xyz", False if name in self.FRAGEN else None)
                    namen = "".join(e for e, _ in atome)
                    self.assertEqual((len(atome), len(bindungen), namen)[:len(gespeichert)], gespeichert)
                q.ende()
                self.assertRegex(q.ausgabe(), re.compile(meldung or "", re.S))


if __name__ == "__main__":
    unittest.main(verbosity=2, failfast=True)  # a SIGTERM, too, stops the run and its clean-ups follow
