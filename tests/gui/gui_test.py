#!/usr/bin/env python3
# GUI tests of quil under Xvfb with real X input: window, scene colours, picking, keys, camera,
# menu, diagnostics. Usage: gui_test.py QUIL [--vorladen BIBLIOTHEK] [TestKlasse ...]
import math
import os
import sys
import unittest

import szene
import treiber
from treiber import HELLBLAU, HINTERGRUND, MENUGRAU, farbe_passt

ALANIN = os.path.normpath(os.path.join(treiber.HIER, "..", "..", "Alanin.xyz"))
TOLERANZ = 3
QUIL = None      # set from the command line
VORLADEN = None  # library preloaded into quil


class QuilTest(unittest.TestCase):
    """Starts quil in a session of its own and checks what the window shows."""

    def starten(self, bildschirm=(1600, 1200), dateien=(ALANIN,), argumente=(), inhalte=None):
        sitzung = treiber.Sitzung(QUIL, bildschirm, dateien, argumente, inhalte, vorladen=VORLADEN)
        sitzung.__enter__()
        self.addCleanup(sitzung.__exit__, None, None, None)
        self.sitzung, self.fenster = sitzung, sitzung.fenster
        self.atome, self.bindungen = szene.xyz_lesen(ALANIN)
        return sitzung.fenster.warte_auf_ruhe()

    def ansicht(self, kamera=None):
        kamera = kamera or szene.Kamera(self.fenster.breite, self.fenster.hoehe)
        return szene.Ansicht(self.atome, self.bindungen, kamera)

    def aendern(self, aktion, bild):
        return self.fenster.aendern(aktion, bild)

    def pruefe_farbe(self, bild, punkt, erwartet, falsch):
        """The pixel has the expected colour, and the check would notice the wrong one."""
        farbe = bild.pixel(*punkt)
        self.assertTrue(farbe_passt(farbe, erwartet, TOLERANZ), f"{punkt}: {farbe} statt {erwartet}")
        self.assertFalse(farbe_passt(farbe, falsch, TOLERANZ), f"{punkt}: {farbe} gleicht {falsch}")

    def passt(self, bild, ansicht, i, selektiert=False):
        return farbe_passt(bild.pixel(*ansicht.fensterpunkt(i)), ansicht.farbe(i, selektiert), TOLERANZ)

    def pruefe_atome(self, bild, ansicht, falsche_ansicht):
        """Every atom seen at its centre shows its lit colour there; under the wrong view
        at least one of them would not."""
        sichtbar = ansicht.sichtbare()
        self.assertGreaterEqual(len(sichtbar), 4)
        for i in sichtbar:
            self.assertTrue(self.passt(bild, ansicht, i),
                            f"Atom {i} ({self.atome[i].name}) bei {ansicht.fensterpunkt(i)}: "
                            f"{bild.pixel(*ansicht.fensterpunkt(i))} statt {ansicht.farbe(i)}")
        falsch = falsche_ansicht.sichtbare()
        self.assertFalse(all(self.passt(bild, falsche_ansicht, i) for i in falsch))

    def beenden(self, bild):
        """Ends quil through the menu: status 0 and no report of a sanitizer."""
        self.assertEqual(treiber.menu_beenden(self.sitzung, bild), 0, self.sitzung.stderr())
        self.pruefe_sauber()

    def pruefe_sauber(self):
        fehler = self.sitzung.stderr()
        self.assertNotIn("Sanitizer", fehler)
        self.assertNotIn("runtime error", fehler)


def dunkle_pixel(bild, links, oben, rechts, unten, grenze=60):
    return [(x, y) for y in range(oben, unten) for x in range(links, rechts) if max(bild.pixel(x, y)) < grenze]


def beschriftung(bild, bigfont):
    """Width and height of the dark text in the top strip left of x = 300 * bigfont."""
    punkte = dunkle_pixel(bild, 0, 0, 300 * bigfont, 23 * bigfont)
    if not punkte:
        return 0, 0
    xs, ys = [p[0] for p in punkte], [p[1] for p in punkte]
    return max(xs) - min(xs) + 1, max(ys) - min(ys) + 1


def schrift_passt(groesse, bigfont):
    """"Menuleiste" in the menu font: ten cells of 12 x 16 pixels, times bigfont."""
    breite, hoehe = groesse
    return 105 * bigfont <= breite <= 120 * bigfont and 10 * bigfont <= hoehe <= 16 * bigfont


class FensterTest(QuilTest):
    def test_fenster_szene_tasten_und_menu(self):
        bild = self.starten()
        self.assertEqual(self.fenster.geometrie(), (30, 10, 1200, 900))
        for ecke in [(5, 890), (1190, 890), (1190, 100)]:
            self.pruefe_farbe(bild, ecke, HINTERGRUND, MENUGRAU)
        self.assertTrue(schrift_passt(beschriftung(bild, 1), 1), beschriftung(bild, 1))
        self.assertFalse(schrift_passt(beschriftung(bild, 1), 2))
        ansicht = self.ansicht()
        self.pruefe_elementfarben(bild, ansicht)
        self.pruefe_diagnosen()
        self.pruefe_menu(bild)

    def pruefe_elementfarben(self, bild, ansicht):
        gesehen = {self.atome[i].name: i for i in ansicht.sichtbare()}
        self.assertEqual(sorted(gesehen), ["C", "H", "N", "O"])
        anderes = {"C": "N", "N": "O", "O": "H", "H": "C"}
        for name, i in gesehen.items():
            falsch = ansicht.kamera.farbe(szene.Atom(anderes[name], self.atome[i].p), ansicht.oberflaeche(i))
            self.pruefe_farbe(bild, ansicht.fensterpunkt(i), ansicht.farbe(i), falsch)

    def pruefe_diagnosen(self):
        self.fenster.bewegen(12, 34)
        for taste in ["q", "Q", "1", "Tab", "F5", "Insert"]:
            self.fenster.taste(taste)
        erwartet = ("key(c='Q',x=12,y=34)\n" * 2 + "key(c='1',x=12,y=34)\n"
                    "key(c=9=0x09,x=12,y=34)\nspezial(key=5,x=12,y=34)\nspezial(key=108,x=12,y=34)\n")
        self.sitzung.warte_auf_ausgabe(erwartet)
        self.assertEqual(self.sitzung.stdout(), erwartet)

    def pruefe_menu(self, bild):
        leiste, titel, eintrag = treiber.menu_masse(1)
        balken, spalte = (1100, 12), (60, 40)
        bild = self.aendern(lambda: self.fenster.klicken(*leiste), bild)
        self.pruefe_farbe(bild, balken, MENUGRAU, HINTERGRUND)
        self.pruefe_farbe(bild, spalte, HINTERGRUND, MENUGRAU)
        bild = self.aendern(lambda: self.fenster.druecken(*titel), bild)
        self.pruefe_farbe(bild, spalte, MENUGRAU, HINTERGRUND)
        self.assertTrue(dunkle_pixel(bild, 8, 24, 56, 47), "kein Text \"Exit\"")
        bild = self.aendern(lambda: self.fenster.bewegen(*eintrag), bild)
        self.pruefe_farbe(bild, spalte, HELLBLAU, MENUGRAU)
        self.assertEqual(treiber.exit_waehlen(self.sitzung), 0, self.sitzung.stderr())
        self.pruefe_sauber()


class GrossesFensterTest(QuilTest):
    def test_doppelte_groesse_und_grosse_schrift(self):
        bild = self.starten(bildschirm=(3840, 2160))
        self.assertEqual(self.fenster.geometrie(), (60, 20, 2400, 1800))
        for ecke in [(10, 1790), (2390, 1790), (2390, 200)]:
            self.pruefe_farbe(bild, ecke, HINTERGRUND, MENUGRAU)
        self.assertTrue(schrift_passt(beschriftung(bild, 2), 2), beschriftung(bild, 2))
        self.assertFalse(schrift_passt(beschriftung(bild, 2), 1))
        kleine_kamera = szene.Kamera(1200, 900)
        self.pruefe_atome(bild, self.ansicht(), szene.Ansicht(self.atome, self.bindungen, kleine_kamera))
        self.beenden(bild)


class AuswahlTest(QuilTest):
    """Alanin with a copper atom beside it: copper shows the brightening rule in every channel."""

    def test_klick_waehlt_und_zug_dreht(self):
        atome, bindungen = szene.xyz_lesen(ALANIN)
        atome.append(szene.Atom("Cu", (-3.2, 1.8, 0.0)))
        vorher = self.starten(argumente=("kupfer.xyz",),
                              inhalte={"kupfer.xyz": szene.xyz_text(atome, bindungen)})
        self.atome = atome
        ansicht = self.ansicht()
        kupfer = len(atome) - 1
        kohlenstoff = next(i for i in ansicht.sichtbare() if self.atome[i].name == "C")
        self.assertIn(kupfer, ansicht.sichtbare())
        bild = self.pruefe_klicks(vorher, ansicht, kupfer, lambda x, y: self.fenster.klicken(x, y))
        bild = self.pruefe_klicks(bild, ansicht, kohlenstoff, lambda x, y: self.ziehen((x, y), (x + 1, y)))
        self.assertEqual(bild, vorher)
        self.pruefe_zug(vorher, kohlenstoff)

    def pruefe_klicks(self, bild, ansicht, i, klick):
        """A click selects atom i, brighter, and leaves the others; a second one deselects it."""
        punkt = ansicht.fensterpunkt(i)
        normal, hell = ansicht.farbe(i), ansicht.farbe(i, selektiert=True)
        andere = [j for j in ansicht.sichtbare() if j != i]
        gewaehlt = self.aendern(lambda: klick(*punkt), bild)
        self.pruefe_farbe(gewaehlt, punkt, hell, normal)
        for j in andere:
            self.assertTrue(self.passt(gewaehlt, ansicht, j), f"Atom {j} nach dem Klick auf {i}")
        wieder = self.aendern(lambda: self.fenster.klicken(*punkt), gewaehlt)
        self.pruefe_farbe(wieder, punkt, normal, hell)
        return wieder

    def pruefe_zug(self, vorher, i):
        """A release 2 pixels away is a drag: no selection, but a turn of 1 degree, the same
        as the right arrow key makes."""
        x, y = self.ansicht().fensterpunkt(i)
        self.ziehen((x, y), (x + 2, y))
        gezogen = self.fenster.nach_schranke()
        gedreht = szene.Kamera(self.fenster.breite, self.fenster.hoehe)
        gedreht.drehen(1, -1)
        nach_drehung = self.ansicht(gedreht)
        self.pruefe_farbe(gezogen, nach_drehung.fensterpunkt(i), nach_drehung.farbe(i),
                          nach_drehung.farbe(i, selektiert=True))
        self.assertEqual(self.aendern(lambda: self.fenster.taste("Home"), gezogen), vorher)
        rechts = self.aendern(lambda: self.fenster.taste("Right"), vorher)
        self.assertEqual(rechts, gezogen, "ein Zug um 2 Pixel dreht wie die Pfeiltaste um 1 Grad")
        self.assertEqual(self.aendern(lambda: self.fenster.taste("Home"), rechts), vorher)
        links = self.aendern(lambda: self.fenster.taste("Left"), vorher)
        self.assertNotEqual(links, gezogen)
        self.beenden(links)

    def ziehen(self, von, nach):
        self.fenster.druecken(*von)
        self.fenster.bewegen(*nach)
        self.fenster.loslassen(*nach)


class TastenTest(QuilTest):
    def test_schalter(self):
        vorher = self.starten()
        ansicht = self.ansicht()
        bild = self.pruefe_kugeln(vorher, ansicht)
        bild = self.pruefe_bindungen(bild, ansicht)
        bild = self.pruefe_kreuz(bild, ansicht)
        bild = self.pruefe_licht(bild, ansicht)
        bild = self.pruefe_skalierung(bild, ansicht)
        self.assertEqual(bild, vorher)
        self.beenden(bild)

    def umschalten(self, taste, bild):
        """Presses a switch key: the picture changes; returns it. A second press restores it."""
        anders = self.aendern(lambda: self.fenster.taste(taste), bild)
        self.assertNotEqual(anders, bild)
        return anders

    def zurueck(self, taste, anders, bild):
        wieder = self.aendern(lambda: self.fenster.taste(taste), anders)
        self.assertEqual(wieder, bild, f"Taste {taste} zweimal")
        return wieder

    def pruefe_kugeln(self, bild, ansicht):
        i = next(i for i in ansicht.sichtbare() if self.atome[i].name == "N")
        draht = self.umschalten("s", bild)
        self.assertGreater(self.anteil_blau(bild, ansicht, i), 0.95)
        self.assertLess(self.anteil_blau(draht, ansicht, i), 0.6)
        return self.zurueck("s", draht, bild)

    def anteil_blau(self, bild, ansicht, i):
        """The share of blue pixels within 0.7 of the radius of atom i's outline."""
        mx, my = ansicht.fensterpunkt(i)
        r = int(0.7 * ansicht.bildradius(i))
        punkte = [(x, y) for x in range(mx - r, mx + r + 1) for y in range(my - r, my + r + 1)
                  if (x - mx) ** 2 + (y - my) ** 2 <= r * r]
        blau = [p for p in punkte if bild.pixel(*p)[2] > bild.pixel(*p)[0] + 60]
        return len(blau) / len(punkte)

    def pruefe_bindungen(self, bild, ansicht):
        mitte, weiter = ansicht.freie_bindungsmitte()
        linien = self.umschalten("l", bild)
        self.assertGreater(bindungsbreite(bild, mitte, weiter), 18)  # a cylinder of 0.19 units
        breite = bindungsbreite(linien, mitte, weiter)
        self.assertTrue(5 <= breite <= 8, f"Linienbreite {breite}")  # 1200 / 200 pixels
        return self.zurueck("l", linien, bild)

    def pruefe_kreuz(self, bild, ansicht):
        kreuz = self.umschalten("f", bild)
        for punkt in [(-4, 0, 0), (0, 3, 0), (4, 0, 0), (0, -3, 0)]:
            x, y = (int(round(k)) for k in ansicht.kamera.fensterpunkt(punkt))
            self.assertTrue(dunkle_pixel(kreuz, x - 1, y - 1, x + 2, y + 2, grenze=80), punkt)
            self.assertFalse(dunkle_pixel(bild, x - 1, y - 1, x + 2, y + 2, grenze=80), punkt)
        return self.zurueck("f", kreuz, bild)

    def pruefe_licht(self, bild, ansicht):
        dunkel = self.umschalten("t", bild)
        ohne_ambient = szene.Kamera(self.fenster.breite, self.fenster.hoehe)
        ohne_ambient.ambient = False
        self.pruefe_atome(dunkel, self.ansicht(ohne_ambient), ansicht)
        return self.zurueck("t", dunkel, bild)

    def pruefe_skalierung(self, bild, ansicht):
        """K: spheres at 0.75, 0.5, 0.25 of their radius, then whole again. Seen at 0.4 and 0.6
        of the nitrogen's radius left of its centre: sphere or background."""
        i = next(i for i in ansicht.sichtbare() if self.atome[i].name == "N")
        mx, my = ansicht.fensterpunkt(i)
        proben = [(mx - int(anteil * ansicht.bildradius(i)), my) for anteil in (0.4, 0.6)]
        for skala in (0.75, 0.5, 0.25):
            bild = self.umschalten("k", bild)
            for (x, y), anteil in zip(proben, (0.4, 0.6)):
                if anteil < skala:
                    self.pruefe_blau(bild, (x, y))
                else:
                    self.pruefe_farbe(bild, (x, y), HINTERGRUND, szene.ELEMENTE["N"][1])
        return self.umschalten("k", bild)

    def pruefe_blau(self, bild, punkt):
        r, _, b = bild.pixel(*punkt)
        self.assertGreater(b, r + 60, f"{punkt}: {bild.pixel(*punkt)} ist nicht blau")
        self.assertFalse(farbe_passt(bild.pixel(*punkt), HINTERGRUND, TOLERANZ))


def bindungsbreite(bild, mitte, weiter):
    """Dark pixels across the bond at mitte (weiter: a point further along the bond)."""
    dx, dy = weiter[0] - mitte[0], weiter[1] - mitte[1]
    laenge = math.hypot(dx, dy)
    nx, ny = -dy / laenge, dx / laenge
    punkte = {(int(mitte[0] + nx * s), int(mitte[1] + ny * s)) for s in range(-30, 31)}
    return sum(1 for p in punkte if max(bild.pixel(*p)) < 100)


class KameraTest(QuilTest):
    DREHUNGEN = {"Left": (1, 1), "Right": (1, -1), "Up": (0, 1), "Down": (0, -1),
                 "Prior": (2, 1), "Next": (2, -1)}

    def test_drehen_zoomen_zuruecksetzen(self):
        vorher = self.starten()
        for taste, (achse, richtung) in self.DREHUNGEN.items():
            self.fenster.taste(taste, wiederholen=10)
            bild = self.fenster.nach_schranke()
            self.pruefe_atome(bild, self.gedreht(achse, 10 * richtung), self.gedreht(achse, -10 * richtung))
            self.assertEqual(self.aendern(lambda: self.fenster.taste("Home"), bild), vorher, taste)
        for _ in range(4):
            self.fenster.klicken(600, 450, knopf=4)
        bild = self.fenster.nach_schranke()
        self.pruefe_atome(bild, self.gezoomt(4), self.gezoomt(-4))
        self.assertEqual(self.aendern(lambda: self.fenster.taste("Home"), bild), vorher)
        for _ in range(4):
            self.fenster.klicken(600, 450, knopf=5)
        bild = self.fenster.nach_schranke()
        self.pruefe_atome(bild, self.gezoomt(-4), self.gezoomt(4))
        self.assertEqual(self.aendern(lambda: self.fenster.taste("Home"), bild), vorher)
        self.beenden(vorher)

    def gedreht(self, achse, grad):
        kamera = szene.Kamera(self.fenster.breite, self.fenster.hoehe)
        for _ in range(abs(grad)):
            kamera.drehen(achse, 1 if grad > 0 else -1)
        return self.ansicht(kamera)

    def gezoomt(self, schritte):
        kamera = szene.Kamera(self.fenster.breite, self.fenster.hoehe)
        for _ in range(abs(schritte)):
            kamera.zoomen(1 if schritte > 0 else -1)
        return self.ansicht(kamera)


class RequesterTest(QuilTest):
    """The about box under "Hilfe": a requester drawn over the scene, answered by key or click."""

    BOX = (190, 60)        # inside the box, clear of its text and button
    KNOPF = (128, 148)     # the middle of its one button "ok"
    REQUESTERGRAU = (204, 204, 204)

    def test_ueber_mit_return_und_mit_klick(self):
        leer = self.starten()
        self.pruefe_farbe(leer, self.BOX, HINTERGRUND, self.REQUESTERGRAU)
        offen = self.ueber_oeffnen(leer)
        self.assertTrue(dunkle_pixel(offen, 54, 52, 110, 70), "kein Text \"quil\"")
        bild = self.aendern(lambda: self.fenster.taste("Return"), offen)
        self.assertEqual(bild, leer)
        self.ueber_oeffnen(bild)
        bild = self.aendern(lambda: self.fenster.klicken(*self.KNOPF), offen)
        self.assertEqual(bild, leer)
        self.assertEqual(self.sitzung.stdout(), "")
        self.beenden(bild)

    def ueber_oeffnen(self, bild):
        leiste, hilfe, ueber = treiber.menu_masse(1)[0], (300, 10), (300, 35)
        bild = self.aendern(lambda: self.fenster.klicken(*leiste), bild)
        bild = self.aendern(lambda: self.fenster.druecken(*hilfe), bild)
        bild = self.aendern(lambda: self.fenster.bewegen(*ueber), bild)
        bild = self.aendern(lambda: self.fenster.loslassen(*ueber), bild)
        self.pruefe_farbe(bild, self.BOX, self.REQUESTERGRAU, HINTERGRUND)
        return bild


class StartTest(QuilTest):
    def test_ohne_standarddatei(self):
        bild = self.starten(dateien=())
        self.assertEqual(self.sitzung.stdout(), "kann \"Alanin.xyz\" nicht oeffnen.\n")
        self.pruefe_leer(bild)
        self.beenden(bild)

    def test_unbekannte_und_fehlende_datei(self):
        bild = self.starten(argumente=("unsinn.dat", "fehlt.xyz"),
                            inhalte={"unsinn.dat": "Dies ist keine Strukturdatei.\n12 Zeilen ohne Sinn\n"})
        ausgabe = self.sitzung.stdout()
        erwartet = "Fileformat von \"unsinn.dat\" nicht erkannt\nkonnte \"fehlt.xyz\" nicht oeffnen\n"
        self.assertTrue(ausgabe.endswith(erwartet), ausgabe)
        self.pruefe_leer(bild)
        self.beenden(bild)

    def test_formatsuche_mit_u(self):
        bild = self.starten(argumente=("-u", "h2.xyz"), inhalte={"h2.xyz": "2 1\nH 0 0 0\nH 0 0 0.74\n0 1\n"})
        self.assertEqual(self.sitzung.stdout(),
                         "versuche unbekanntes Format zu lesen:\nzeile1=\"2 1\"\nzeile2=\"H 0 0 0\"\n"
                         "zeile3=\"H 0 0 0.74\"\nzeile4=\"0 1\"\nh2.xyz eingelesen\n")
        self.beenden(bild)

    def pruefe_leer(self, bild):
        """No atoms: where Alanin's atoms would show, there is background."""
        ansicht = self.ansicht()
        for i in ansicht.sichtbare():
            self.pruefe_farbe(bild, ansicht.fensterpunkt(i), HINTERGRUND, ansicht.farbe(i))


def main():
    global QUIL, VORLADEN
    if len(sys.argv) < 2:
        sys.exit("Anwendung: gui_test.py QUIL [--vorladen BIBLIOTHEK] [TestKlasse ...]")
    QUIL = os.path.abspath(sys.argv.pop(1))
    if sys.argv[1:2] == ["--vorladen"]:
        VORLADEN = sys.argv[2]
        del sys.argv[1:3]
    treiber.bei_sigterm_aufraeumen()
    unittest.main(verbosity=2)


if __name__ == "__main__":
    main()
