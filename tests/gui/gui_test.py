#!/usr/bin/env python3
# GUI tests of quil under Xvfb with real X input: window, scene colours, picking, keys, camera,
# menu, about box, start-up messages. gui_test.py QUIL [--vorladen BIBLIOTHEK] [TestKlasse ...]
import math
import os
import sys
import unittest

from szene import Ansicht, V
from treiber import HELLBLAU, HINTERGRUND, MENUGRAU, Quil, farbe_passt

ALANIN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "Alanin.xyz")
with open(ALANIN) as datei:
    ALANIN_TEXT = datei.read()
QUIL, VORLADEN = None, None  # from the command line


def dunkel(bild, links, oben, rechts, unten, grenze=60):
    """The dark pixels of a rectangle."""
    return [(x, y) for y in range(oben, unten) for x in range(links, rechts) if max(bild.pixel(x, y)) < grenze]


class QuilTest(unittest.TestCase):
    def starten(self, *argumente, dateien=(ALANIN,), **wie):
        self.q = Quil(QUIL, argumente, dateien=dateien, vorladen=VORLADEN, **wie)
        self.addCleanup(self.q.schliessen)
        return self.q

    def ansicht(self, text=ALANIN_TEXT, **kamera):
        return Ansicht(text, self.q.breite, self.q.hoehe, **kamera)

    def pruefe_farbe(self, bild, punkt, erwartet, falsch):
        """The pixel shows the expected colour, and not the wrong one."""
        farbe = bild.pixel(*punkt)
        self.assertTrue(farbe_passt(farbe, erwartet), f"{punkt}: {farbe} statt {erwartet}")
        self.assertFalse(farbe_passt(farbe, falsch), f"{punkt}: {farbe} gleicht {falsch}")

    def pruefe_atome(self, bild, ansicht, falsch=None, ausser=None):
        """Every atom in sight but ausser shows its lit colour at its centre, not that of another
        element; under the view falsch at least one would not."""
        sichtbar = [i for i in ansicht.sichtbare() if i != ausser]
        self.assertGreaterEqual(len(sichtbar), 4)
        for i in sichtbar:
            anderes = "O" if ansicht.atome[i][0] == "N" else "N"
            self.pruefe_farbe(bild, ansicht.punkt(i), ansicht.farbe(i), ansicht.farbe(i, element=anderes))
        if falsch:
            self.assertFalse(all(farbe_passt(bild.pixel(*falsch.punkt(i)), falsch.farbe(i)) for i in falsch.sichtbare()))

    def blauanteil(self, bild, ansicht):
        """The share of blue pixels within 0.7 of the radius of the nitrogen's outline."""
        (mx, my), r = ansicht.punkt(0), int(0.7 * ansicht.bildradius(0))
        scheibe = [(mx + x, my + y) for x in range(-r, r + 1) for y in range(-r, r + 1) if x * x + y * y <= r * r]
        return sum(blau > rot + 60 for rot, _, blau in map(bild.pixel, *zip(*scheibe))) / len(scheibe)


class FensterTest(QuilTest):
    """The window on a screen of 1600 x 1200 (and of 3840 x 2160 below): place and size, menu
    font, background, the atoms, diagnostics of unbound keys, the menu and its Exit."""
    BILDSCHIRM, GEOMETRIE, B = (1600, 1200), (30, 10, 1200, 900), 1

    def test_fenster(self):
        q, b = self.starten(bildschirm=self.BILDSCHIRM), self.B
        self.assertEqual(q.geometrie, self.GEOMETRIE)
        bild = q.bild()
        for ecke in [(5, q.hoehe - 10), (q.breite - 10, q.hoehe - 10), (q.breite - 10, 100 * b)]:
            self.pruefe_farbe(bild, ecke, HINTERGRUND, MENUGRAU)
        xs, ys = zip(*dunkel(bild, 0, 0, 300 * b, 23 * b))  # "Menuleiste": ten cells of 12 x 16, times b
        self.assertTrue(105 * b <= max(xs) - min(xs) + 1 <= 120 * b and 10 * b <= max(ys) - min(ys) + 1 <= 16 * b)
        ansicht = self.ansicht()
        self.assertEqual({ansicht.atome[i][0] for i in ansicht.sichtbare()}, {"C", "H", "N", "O"})
        self.pruefe_atome(bild, ansicht, Ansicht(ALANIN_TEXT, q.breite // 2, q.hoehe // 2))
        q.bewegen(12, 340)
        for taste in ["q", "Q", "1", "Tab", "F5", "Insert"]:
            q.taste(taste)
        leiste, spalte, markiert = q.ende()
        self.assertEqual(q.ausgabe(), "key(c='Q',x=12,y=340)\n" * 2 + "key(c='1',x=12,y=340)\n"
                         "key(c=9=0x09,x=12,y=340)\nspezial(key=5,x=12,y=340)\nspezial(key=108,x=12,y=340)\n")
        self.pruefe_farbe(leiste, (q.breite - 100, 12 * b), MENUGRAU, HINTERGRUND)
        for bild, farbe, falsch in [(leiste, HINTERGRUND, MENUGRAU), (spalte, MENUGRAU, HINTERGRUND),
                                    (markiert, HELLBLAU, MENUGRAU)]:
            self.pruefe_farbe(bild, (60 * b, 40 * b), farbe, falsch)  # the first row of column "File"
        self.assertTrue(dunkel(spalte, 8 * b, 24 * b, 56 * b, 47 * b), "kein Text \"Exit\"")


class GrossesFensterTest(FensterTest):
    BILDSCHIRM, GEOMETRIE, B = (3840, 2160), (60, 20, 2400, 1800), 2


class AuswahlTest(QuilTest):
    """Alanin with a copper atom beside it: copper shows the brightening rule in every channel."""
    KUPFER = ALANIN_TEXT.replace("13  12", "14  12").replace("\n0 1\n", "\n Cu -3.2 1.8 0.0\n0 1\n")

    def test_klick_waehlt_und_zug_dreht(self):
        q = self.starten("kupfer.xyz", inhalte={"kupfer.xyz": self.KUPFER})
        ansicht, vorher, kupfer, kohlenstoff = self.ansicht(self.KUPFER), q.bild(), 13, 1
        self.assertTrue({kupfer, kohlenstoff} <= set(ansicht.sichtbare()))
        for i, klick in [(kupfer, q.klick), (kohlenstoff, lambda x, y: q.ziehen((x, y), (x + 1, y)))]:
            klick(*ansicht.punkt(i))  # a click, or a release 1 pixel away, selects atom i
            gewaehlt = q.bild()
            self.pruefe_farbe(gewaehlt, ansicht.punkt(i), ansicht.farbe(i, True), ansicht.farbe(i))
            self.pruefe_atome(gewaehlt, ansicht, ausser=i)
            q.klick(*ansicht.punkt(i))
            self.assertEqual(q.bild(), vorher, "ein zweiter Klick waehlt ab, und nichts hat sich gedreht")
        # A release 2 pixels away is a drag: no selection, but a turn as by the right arrow.
        x, y = ansicht.punkt(kohlenstoff)
        q.ziehen((x, y), (x + 2, y))
        gezogen, gedreht = q.bild(), self.ansicht(self.KUPFER, drehung=(1, -1))
        self.pruefe_farbe(gezogen, gedreht.punkt(kohlenstoff), gedreht.farbe(kohlenstoff),
                          gedreht.farbe(kohlenstoff, True))
        for taste, erwartet in [("Home", vorher), ("Right", gezogen)]:
            q.taste(taste)
            self.assertEqual(q.bild(), erwartet, taste)
        q.ende()


class TastenTest(QuilTest):
    """The switch keys S, L, F, T and K change the picture; pressed again they restore it."""

    def test_schalter(self):
        q = self.starten()
        ansicht, vorher = self.ansicht(), q.bild()
        for taste, pruefe in [("s", self.pruefe_draht), ("l", self.pruefe_linien), ("f", self.pruefe_kreuz),
                              ("t", self.pruefe_licht), ("k", self.pruefe_skalierung)]:
            with self.subTest(taste):
                q.taste(taste)
                pruefe(vorher, q.bild(), ansicht)
                q.taste(taste)
                self.assertEqual(q.bild(), vorher)
        q.ende()

    def pruefe_draht(self, vorher, bild, ansicht):
        """S: the wire sphere of the nitrogen lets the background through."""
        self.assertGreater(self.blauanteil(vorher, ansicht), 0.95)
        self.assertLess(self.blauanteil(bild, ansicht), 0.6)

    def pruefe_linien(self, vorher, bild, ansicht):
        """L: bonds as lines 1200 / 200 pixels wide, not cylinders of 0.19 units. The bond from N
        to C runs across the picture; dark pixels up and down between their spheres."""
        x, y = (ansicht.punkt(0)[0] + ansicht.bildradius(0) + ansicht.punkt(1)[0] - ansicht.bildradius(1)) // 2, ansicht.punkt(0)[1]
        for bild, breite in [(vorher, range(19, 62)), (bild, range(5, 9))]:
            self.assertIn(len(dunkel(bild, int(x), y - 30, int(x) + 1, y + 31, 100)), breite)

    def pruefe_kreuz(self, vorher, bild, ansicht):
        """F: the axes cross, dark at its ends."""
        for punkt in [(-4, 0, 0), (0, 3, 0), (4, 0, 0), (0, -3, 0)]:
            x, y = (round(k) for k in ansicht.fensterpunkt(V(*punkt)))
            self.assertEqual([bool(dunkel(b, x - 1, y - 1, x + 2, y + 2, 80)) for b in (vorher, bild)], [False, True])

    def pruefe_licht(self, vorher, bild, ansicht):
        """T: the light without its ambient part."""
        self.pruefe_atome(bild, self.ansicht(ambient=False), ansicht)

    def pruefe_skalierung(self, vorher, bild, ansicht):
        """K: spheres at 0.75, 0.5, 0.25 of their radius, then whole again (the last press)."""
        for skala in (0.75, 0.5, 0.25):
            self.assertAlmostEqual(self.blauanteil(bild, ansicht), (min(skala, 0.7) / 0.7) ** 2, delta=0.1)
            if skala > 0.25:
                self.q.taste("k")
                bild = self.q.bild()


class KameraTest(QuilTest):
    """Arrows and page keys turn the camera, the wheel zooms, Home resets."""

    def test_drehen_zoomen_zuruecksetzen(self):
        q = self.starten()
        vorher = q.bild()
        for taste, achse, richtung in [("Left", 1, 1), ("Right", 1, -1), ("Up", 0, 1), ("Down", 0, -1),
                                       ("Prior", 2, 1), ("Next", 2, -1), (4, None, 1), (5, None, -1)]:
            with self.subTest(taste):
                if achse is None:
                    q.klick(600, 450, taste, mal=4)
                    kamera = [dict(zoom=4 * richtung), dict(zoom=-4 * richtung)]
                else:
                    q.taste(taste, mal=10)
                    kamera = [dict(drehung=(achse, 10 * richtung)), dict(drehung=(achse, -10 * richtung))]
                self.pruefe_atome(q.bild(), self.ansicht(**kamera[0]), self.ansicht(**kamera[1]))
                q.taste("Home")
                self.assertEqual(q.bild(), vorher)
        q.ende()


class RequesterTest(QuilTest):
    """The about box under "Hilfe": drawn over the scene, closed by Return or a click on "ok"."""
    BOX, KNOPF, GRAU = (190, 60), (128, 148), (204, 204, 204)  # BOX: clear of text and button

    def test_ueber_mit_return_und_mit_klick(self):
        q = self.starten()
        leer = q.bild()
        self.pruefe_farbe(leer, self.BOX, HINTERGRUND, self.GRAU)
        for schliessen in [lambda: q.taste("Return"), lambda: q.klick(*self.KNOPF)]:
            offen = q.bild(anders_als=q.menu("Ueber")[-1])
            self.pruefe_farbe(offen, self.BOX, self.GRAU, HINTERGRUND)
            self.assertTrue(dunkel(offen, 54, 52, 110, 70), "kein Text \"quil\"")
            schliessen()
            self.assertEqual(q.bild(anders_als=offen), leer)
        q.ende()
        self.assertEqual(q.ausgabe(), "")


class StartTest(QuilTest):
    """What quil says at start about the files it gets; no atoms where it read none."""
    FAELLE = [  # files beside quil, arguments, files written there, what quil prints
        ((), (), {}, "kann \"Alanin.xyz\" nicht oeffnen.\n"),
        ((ALANIN,), ("unsinn.dat", "fehlt.xyz"), {"unsinn.dat": "Dies ist keine Strukturdatei.\n12 Zeilen\n"},
         "versuche unbekanntes Format zu lesen:\nzeile1=\"Dies ist keine Strukturdatei.\"\nzeile2=\"12 Zeilen\"\n"
         "zeile3=\"\"\nzeile4=\"\"\nFileformat von \"unsinn.dat\" nicht erkannt\nkonnte \"fehlt.xyz\" nicht oeffnen\n"),
        ((ALANIN,), ("-u", "h2.xyz"), {"h2.xyz": "2 1\nH 0 0 0\nH 0 0 0.74\n0 1\n"},
         "versuche unbekanntes Format zu lesen:\nzeile1=\"2 1\"\nzeile2=\"H 0 0 0\"\n"
         "zeile3=\"H 0 0 0.74\"\nzeile4=\"0 1\"\nh2.xyz eingelesen\n")]

    def test_meldungen(self):
        for dateien, argumente, inhalte, ausgabe in self.FAELLE:
            with self.subTest(argumente):
                q = self.starten(*argumente, dateien=dateien, inhalte=inhalte)
                bild, ansicht = q.bild(), self.ansicht()
                for i in ansicht.sichtbare() if "-u" not in argumente else ():
                    self.pruefe_farbe(bild, ansicht.punkt(i), HINTERGRUND, ansicht.farbe(i))
                q.ende()
                self.assertEqual(q.ausgabe(), ausgabe)


if __name__ == "__main__":
    QUIL = os.path.abspath(sys.argv.pop(1))
    if sys.argv[1:2] == ["--vorladen"]:
        VORLADEN = sys.argv.pop(2)
        sys.argv.pop(1)
    unittest.main(verbosity=2)
