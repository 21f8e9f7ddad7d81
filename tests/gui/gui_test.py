#!/usr/bin/env python3
# GUI tests of quil under Xvfb with real X input: window, scene colours, picking, keys, camera,
# menu, about box, start-up messages. QUIL=PROGRAMM [QUIL_VORLADEN=BIBLIOTHEK] gui_test.py [Klasse...]
import math, os, random, tempfile, time, unittest

from szene import Ansicht, V
from treiber import HELLBLAU, HINTERGRUND, MENU, MENUGRAU, REQUESTERGRAU, Quil, farbe_passt

with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "Alanin.xyz")) as datei:
    ALANIN = {"Alanin.xyz": datei.read()}
QUIL, VORLADEN = os.path.abspath(os.environ["QUIL"]), os.environ.get("QUIL_VORLADEN")


def dunkel(bild, links, oben, rechts, unten, grenze=60):
    return [(x, y) for y in range(oben, unten) for x in range(links, rechts) if max(bild.pixel(x, y)) < grenze]


class QuilTest(unittest.TestCase):
    def starten(self, *argumente, inhalte=ALANIN, **wie):
        self.q = Quil(self.enterContext, QUIL, argumente, inhalte=inhalte, vorladen=VORLADEN, **wie)
        return self.q

    def ansicht(self, text=ALANIN["Alanin.xyz"], **kamera):
        return Ansicht(text, self.q.breite, self.q.hoehe, **kamera)

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
        q, b = self.starten(bildschirm=self.BILDSCHIRM), self.B
        self.assertEqual(q.geometrie, self.GEOMETRIE)
        leer, ansicht = q.bild(), self.ansicht()
        box, knopf = (50 + 140 * b, 50 + 10 * b), (50 + 78 * b, 50 + 98 * b)  # in the about box, its button "ok"
        for punkt in [(5, q.hoehe - 10), (q.breite - 10, q.hoehe - 10), (q.breite - 10, 100 * b), box]:
            self.pruefe_farbe(leer, punkt, HINTERGRUND, MENUGRAU)
        xs, ys = zip(*dunkel(leer, 0, 0, 300 * b, 23 * b))  # "Menuleiste": ten cells of 12 x 16, times b
        self.assertTrue(105 * b <= max(xs) - min(xs) + 1 <= 120 * b, (min(xs), max(xs)))
        self.assertTrue(10 * b <= max(ys) - min(ys) + 1 <= 16 * b, (min(ys), max(ys)))
        self.assertEqual({ansicht.atome[i][0] for i in ansicht.sichtbare()}, {"C", "H", "N", "O"})
        self.pruefe_atome(leer, ansicht, Ansicht(ALANIN["Alanin.xyz"], q.breite // 2, q.hoehe // 2))
        for schliessen in [lambda: q.taste("Return"), lambda: q.klick(*knopf)]:
            q.menu("Ueber")  # its requester opens on the menu's thread: wait for its grey
            offen = q.ruhig(lambda bild: farbe_passt(bild.pixel(*box), (204, 204, 204)), "die Box")
            self.assertTrue(dunkel(offen, 50 + 4 * b, 50 + 2 * b, 50 + 60 * b, 50 + 20 * b), "kein Text \"quil\"")
            schliessen()
            q.ruhig(lambda bild: bild == leer, "das Bild ohne Box")
        q.bewegen(12, 340)
        for taste in ["q", "Q", "1", "Tab", "F5", "Insert"]:
            q.taste(taste)
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


class AuswahlTest(QuilTest):
    """Alanin with a copper atom beside it: copper shows the brightening rule in every channel."""
    KUPFER = ALANIN["Alanin.xyz"].replace("13  12", "14  12").replace("\n0 1\n", "\n Cu -3.2 1.8 0.0\n0 1\n")

    def test_klick_waehlt_und_zug_dreht(self):
        q = self.starten("kupfer.xyz", inhalte={"kupfer.xyz": self.KUPFER})
        ansicht, vorher, cu, c = self.ansicht(self.KUPFER), q.bild(), 13, 1  # the copper atom, a carbon
        for i, klick in [(cu, q.klick), (c, lambda x, y: q.ziehen((x, y), (x + 1, y)))]:
            klick(*ansicht.punkt(i))  # a click, or a release 1 pixel away, selects atom i
            gewaehlt = q.bild()
            self.pruefe_farbe(gewaehlt, ansicht.punkt(i), ansicht.farbe(i, True), ansicht.farbe(i))
            self.pruefe_atome(gewaehlt, ansicht, ausser=i)
            q.klick(*ansicht.punkt(i))
            self.assertEqual(q.bild(), vorher, "ein zweiter Klick waehlt ab, und nichts hat sich gedreht")
        x, y = ansicht.punkt(c)
        q.ziehen((x, y), (x + 2, y))  # a drag: no selection, but a turn as by the right arrow
        gezogen, gedreht = q.bild(), self.ansicht(self.KUPFER, drehung=(1, -1))
        self.pruefe_farbe(gezogen, gedreht.punkt(c), gedreht.farbe(c), gedreht.farbe(c, True))
        for taste, erwartet in [("Home", vorher), ("Right", gezogen)]:
            q.taste(taste)
            self.assertEqual(q.bild(), erwartet, taste)
        q.ende()


class TastenTest(QuilTest):
    """The switch keys S, L, F and T change the picture, pressed again they restore it; K too, in
    four presses. Arrows and page keys turn the camera 1 degree, a wheel step zooms by 0.5."""

    def test_schalter_und_kamera(self):
        q, a = self.starten(), self.ansicht()
        vorher = q.bild()
        # dark pixels across the bond N-C, which runs across the picture, midway between the spheres
        x, y = int(a.punkt(0)[0] + a.bildradius(0) + a.punkt(1)[0] - a.bildradius(1)) // 2, a.punkt(0)[1]
        breite = lambda bild: len(dunkel(bild, x, y - 30, x + 1, y + 31, 100))
        enden = [[round(k) for k in a.fensterpunkt(V(e))] for e in [(-4, 0, 0), (0, 3, 0), (4, 0, 0), (0, -3, 0)]]
        kreuz = lambda bild: [bool(dunkel(bild, x - 1, y - 1, x + 2, y + 2, 80)) for x, y in enden]  # axes' ends
        self.assertEqual((self.blauanteil(vorher) > 0.95, breite(vorher) > 18, any(kreuz(vorher))),
                         (True, True, False))  # solid spheres, cylinders of 0.19 units, no cross
        for taste, pruefe in [("s", lambda bild: self.assertLess(self.blauanteil(bild), 0.6)),  # wire spheres
                              ("l", lambda bild: self.assertIn(breite(bild), range(5, 9))),  # lines 1200 / 200 px
                              ("f", lambda bild: self.assertTrue(all(kreuz(bild)))),  # the axes cross
                              ("t", lambda bild: self.pruefe_atome(bild, self.ansicht(ambient=False), a))]:
            with self.subTest(taste):
                q.taste(taste)
                pruefe(q.bild())
                q.taste(taste)
                self.assertEqual(q.bild(), vorher)
        for skala in (0.75, 0.5, 0.25, 1):  # the spheres' share of their radius after each K
            q.taste("k")
            bild = q.bild()
            self.assertAlmostEqual(self.blauanteil(bild), (min(skala, 0.7) / 0.7) ** 2, delta=0.1)
        self.assertEqual(bild, vorher)
        for taste, achse, grad, zoom in [("Left", 1, 10, 0), ("Right", 1, -10, 0), ("Up", 0, 10, 0),
                                         ("Down", 0, -10, 0), ("Prior", 2, 10, 0), ("Next", 2, -10, 0),
                                         (4, 0, 0, 4), (5, 0, 0, -4)]:
            with self.subTest(taste):  # ten key presses, or four wheel steps
                if zoom:
                    q.klick(600, 450, taste, mal=4)
                else:
                    q.taste(taste, mal=10)
                self.pruefe_atome(q.bild(), self.ansicht(drehung=(achse, grad), zoom=zoom),
                                  self.ansicht(drehung=(achse, -grad), zoom=-zoom))
                q.taste("Home")
                self.assertEqual(q.bild(), vorher)
        q.ende()

    def blauanteil(self, bild):
        """The share of blue pixels within 0.7 of the radius of the nitrogen's outline."""
        a = self.ansicht()
        (mx, my), r = a.punkt(0), int(0.7 * a.bildradius(0))
        scheibe = [(mx + x, my + y) for x in range(-r, r + 1) for y in range(-r, r + 1) if x * x + y * y <= r * r]
        return sum(blau > rot + 60 for rot, _, blau in map(bild.pixel, *zip(*scheibe))) / len(scheibe)


class StartTest(QuilTest):
    """What quil says at start about the files it gets; no atoms where it read none."""
    FAELLE = [  # arguments, files beside quil, what quil prints
        ((), {}, "kann \"Alanin.xyz\" nicht oeffnen.\n"),
        (("unsinn.dat", "fehlt.xyz"), {**ALANIN, "unsinn.dat": "Keine Struktur\n12 Zeilen\n"},
         "versuche unbekanntes Format zu lesen:\nzeile1=\"Keine Struktur\"\nzeile2=\"12 Zeilen\"\nzeile3=\"\"\n"
         "zeile4=\"\"\nFileformat von \"unsinn.dat\" nicht erkannt\nkonnte \"fehlt.xyz\" nicht oeffnen\n"),
        (("-u", "h2.xyz"), {**ALANIN, "h2.xyz": "2 1\nH 0 0 0\nH 0 0 0.74\n0 1\n"},
         "versuche unbekanntes Format zu lesen:\nzeile1=\"2 1\"\nzeile2=\"H 0 0 0\"\nzeile3=\"H 0 0 0.74\"\n"
         "zeile4=\"0 1\"\nh2.xyz eingelesen\n")]

    def test_meldungen(self):
        for argumente, inhalte, ausgabe in self.FAELLE:
            with self.subTest(argumente):
                q = self.starten(*argumente, inhalte=inhalte)
                bild, ansicht = q.bild(), self.ansicht()
                for i in ansicht.sichtbare() if "-u" not in argumente else ():
                    self.pruefe_farbe(bild, ansicht.punkt(i), HINTERGRUND, ansicht.farbe(i))
                q.ende()
                self.assertEqual(q.ausgabe(), ausgabe)


class BearbeitenTest(QuilTest):
    """Atoms clicked, Enter, a new bond angle or dihedral typed and "  ok  " clicked: the picture
    changes; "Undo" from the Edit menu brings the picture back. Delete takes a sphere away."""

    def test_winkel_dieder_loeschen(self):
        q, a = self.starten(), self.ansicht()
        vorher = q.bild()
        for atome, wert in [((0, 1, 2), "90"), ((7, 0, 1, 2), "0")]:  # N-CA-C, H-N-CA-C
            for i in atome:
                q.klick(*a.punkt(i))
            gewaehlt = q.bild()
            q.taste("Return")
            q.eingeben(wert)
            q.ruhig(lambda bild: bild != gewaehlt, "der neue Winkel")  # shows without further input
            q.menu("Undo")
            self.assertEqual(q.bild(), gewaehlt)
            for i in atome:
                q.klick(*a.punkt(i))
            self.assertEqual(q.bild(), vorher)
        q.taste("h")  # the help, printed and shown
        q.ruhig(lambda bild: farbe_passt(bild.pixel(51, 51), REQUESTERGRAU), "die Hilfe")
        q.taste("Return")
        self.assertEqual(q.bild(), vorher)
        q.klick(*a.punkt(12))  # H on O, at the edge: the background shows where it was
        q.taste("Delete")
        self.pruefe_farbe(q.bild(), a.punkt(12), HINTERGRUND, a.farbe(12))
        q.ende()
        self.assertRegex(q.ausgabe(), "^Diederwinkel aendern von 180.000000 nach 0.000000\n\n    Hilfe\n    ----\n\n"
                                      "Maus mit linker Taste(.*\n){17}  Home: Kamera auf Anfangsposition ruecksetzen\n$")

def lesen(verzeichnis, name):
    with open(os.path.join(verzeichnis, name)) as datei:
        return datei.read()


def grad(u, v):
    return math.degrees(math.acos(max(-1, min(1, u.einheit() @ v.einheit()))))


def teile(text):
    """The atom lines and the bond lines of a structure text of one molecule."""
    zeilen = [z for z in text.splitlines() if not z.startswith(";")]
    return zeilen[1:int(zeilen[0].split()[0]) + 1], zeilen[int(zeilen[0].split()[0]) + 1:]


class DateiTest(QuilTest):
    """Edits saved from the menu under the proposed names, the files read back."""

    def test_speichern(self):
        """An angle changed; an atom added with "A" and one with "neues Atom...": the files hold the
        angle, the old bond lengths, the new atoms."""
        verzeichnis = self.enterContext(tempfile.TemporaryDirectory())
        q, a = self.starten(verzeichnis=verzeichnis), self.ansicht()
        for i in (0, 1, 2):
            q.klick(*a.punkt(i))
        q.taste("Return")
        q.eingeben("100")
        q.taste("Escape")
        q.menu("Save")
        q.eingeben()  # as proposed
        q.klick(*a.punkt(0))  # N, which the angle did not move: "a" puts a C on it
        q.taste("a")
        q.eingeben()
        q.taste("Escape")  # then "neues Atom..." puts N beside the last atom, without a bond
        q.menu("neues Atom")
        q.eingeben("N")
        q.menu("Save")
        q.eingeben()
        q.ende()
        alt, alt_bindungen = teile(ALANIN["Alanin.xyz"])
        for name, neu in [("default.xyz", ""), ("default1.xyz", "CN")]:
            self.assertIn(f'Alles als einziges Molekuel in "{name}" gespeichert.', q.ausgabe())
            text = lesen(verzeichnis, name)
            atome = self.ansicht(text).atome
            self.assertEqual(teile(text)[1], alt_bindungen + ["0 13"][:len(neu)])
            self.assertEqual("".join(e for e, _ in atome), "".join(z.split()[0] for z in alt) + neu)
            u, v = (atome[i][1] - atome[1][1] for i in (0, 2))
            self.assertAlmostEqual(math.degrees(math.acos(u.einheit() @ v.einheit())), 100, delta=1e-4)
            for i, k in (map(int, b.split()[:2]) for b in alt_bindungen):
                self.assertAlmostEqual(abs(atome[i][1] - atome[k][1]), abs(a.atome[i][1] - a.atome[k][1]), delta=2e-6)


    def test_ziehen_und_shake(self):
        """M and ten drag steps of 4 pixels: the saved angle N-CA-C is 5 degrees larger; Undo takes the
        picture back. A shake stops at ESC; the next runs to its end; saved, it has no lone pairs."""
        verzeichnis = self.enterContext(tempfile.TemporaryDirectory())
        q, a = self.starten(verzeichnis=verzeichnis), self.ansicht()
        for i in (0, 1, 2):
            q.klick(*a.punkt(i))
        gewaehlt = q.bild()
        q.taste("m")
        q.bewegen(600, 700, "mousedown", 1)
        for schritt in range(1, 11):
            q.bewegen(600 + 4 * schritt, 700)
        q.xdotool("mouseup", 1)
        q.menu("Save")
        q.eingeben()
        q.menu("Undo")
        self.assertEqual(q.bild(), gewaehlt)
        q.taste("Escape")
        for stop in (True, False):
            q.menu("Shake")
            if stop:
                q.taste("Escape")
        q.warten_auf("shake fertig", 280)
        q.menu("Save")
        q.eingeben()
        q.ende()
        self.assertIn("shake off\n", q.ausgabe())
        gezogen, geschuettelt = (self.ansicht(lesen(verzeichnis, name)).atome for name in ("default.xyz", "default1.xyz"))
        self.assertEqual([e for e, _ in geschuettelt], [e for e, _ in a.atome])  # no "e" among them
        w = [math.degrees(math.acos((p[0] - p[1]).einheit() @ (p[2] - p[1]).einheit()))
             for p in ([p for _, p in atome] for atome in (a.atome, gezogen))]
        self.assertAlmostEqual(w[1], w[0] + 5, delta=1e-4)


    def test_zwei_molekuele(self):
        """A bond stretched in "Bindung aendern...", saved; "a" sets it back; a dihedral dragged in mode
        N; a second molecule opened beside the first; both saved as blocks after the questions;
        "Hilfe" from the menu and "?"."""
        wasser = "3 2\n O 0 0 0\n H 0.96 0 0\n H -0.24 0.93 0\n0 1\n0 2\n"
        verzeichnis = self.enterContext(tempfile.TemporaryDirectory())
        q, a = self.starten(verzeichnis=verzeichnis, inhalte=dict(ALANIN, **{"wasser.xyz": wasser})), self.ansicht()
        for i in (1, 2):
            q.klick(*a.punkt(i))
        q.menu("Bindung")
        q.eingeben("1.8")
        q.menu("Save")
        q.eingeben()
        q.taste("a")
        q.taste("Escape")
        for i in (7, 0, 1, 2):  # H-N-CA-C
            q.klick(*a.punkt(i))
        q.taste("n")
        q.bewegen(600, 700, "mousedown", 1)
        for schritt in range(1, 7):
            q.bewegen(600, 700 - 4 * schritt)
        q.xdotool("mouseup", 1)
        vorher = q.bild()
        q.menu("Open")
        q.eingeben("wasser.xyz")
        self.assertNotEqual(q.bild(), vorher)
        q.menu("Save")
        q.antworten(1, 3)  # "alles"
        q.antworten(2, 2)  # "mehrere"
        q.eingeben()
        q.menu("Hilfe")
        q.antworten(1, 1)
        q.taste("question")
        q.antworten(1, 1)
        q.ende()
        self.assertRegex(q.ausgabe(), '(?s)Alles als einziges Molekuel in "default.xyz".*Abstand korrigiert auf 1.540000\n'
                         '.*"wasser.xyz" eingelesen\n.*Alle Molekuele in "default1.xyz" gespeichert.\n\n    Hilfe\n')
        gestreckt, bloecke = lesen(verzeichnis, "default.xyz"), lesen(verzeichnis, "default1.xyz").split("\n", 1)
        self.assertEqual(bloecke[0], "molekuele=2  ;Anzahl Molekuele in dieser Datei")
        p, alt = [p for _, p in self.ansicht(bloecke[1]).atome], [p for _, p in a.atome]
        self.assertAlmostEqual(abs(self.ansicht(gestreckt).atome[2][1] - self.ansicht(gestreckt).atome[1][1]), 1.8, delta=1e-5)
        self.assertAlmostEqual(abs(p[2] - p[1]), 1.54, delta=1e-5)
        dieder = [grad((x[1] - x[0]).kreuz(x[7] - x[0]), (x[2] - x[1]).kreuz(x[0] - x[1])) for x in (alt, p)]
        self.assertAlmostEqual(abs(dieder[1] - dieder[0]), 3, delta=1e-4)
        zweiter = "\n".join(bloecke[1].split("\n")[26:])  # after 13 atoms and 12 bonds: the water, beside
        self.assertEqual(teile(zweiter)[1], ["0 1", "0 2"])
        self.assertGreater(min(abs(w - x) for _, w in self.ansicht(zweiter).atome for x in p), 2.5)


class GleichzeitigTest(QuilTest):
    """While a relaxation runs on the main thread: angle drags there, and menu commands that change
    the tables on the menu thread (open, a bond changed and deleted, undo). The molecules are shifted
    out of sight first, so that the pictures the harness waits for settle. quil must end cleanly,
    with no report of a sanitizer (ThreadSanitizer in its build)."""

    def test_gleichzeitig(self):
        wasser = {"wasser.xyz": "3 2\n O 0 0 0\n H 0.96 0 0\n H -0.24 0.93 0\n0 1\n0 2\n"}
        q, a = self.starten(inhalte=dict(ALANIN, **wasser)), self.ansicht()
        for i in (0, 1, 2):
            q.klick(*a.punkt(i))
        q.taste("m")
        for _ in range(2):
            q.bewegen(100, 500, "mousedown", 3, *[w for x in range(150, 1200, 50) for w in
                                                  ("mousemove", "--window", q.fenster, x, 500)], "mouseup", 3)
        for befehl, antworten in [("Open", "wasser.xyz"), ("Bindung", ["1.7"]), ("Bindung", [None, "0"]),
                                  ("Undo", None)]:
            q.menu("Shake")  # afresh each time: a fast build relaxes Alanin in seconds
            q.bewegen(600, 700, "mousedown", 1, *[w for y in range(696, 660, -4) for w in
                                                  ("mousemove", "--window", q.fenster, 600, y)], "mouseup", 1)
            q.menu(befehl)
            if antworten:
                q.eingeben(antworten)
        q.taste("Escape", 2)
        q.ende()
        self.assertRegex(q.ausgabe(), '"wasser.xyz" eingelesen\n(.|\n)*shake (off|fertig)\n')


class AffeTest(QuilTest):
    """A monkey: seeded random keys, clicks, drags, wheel turns, menu picks (all but "Exit") and
    whatever that answers in the dialogs. quil neither crashes nor hangs, and at the end it saves
    a file that reads back and exits with status 0. QUIL_AFFE="SEED EVENTS SECONDS" changes the run."""
    TASTEN = (list("abcdefghijklmnopqrstuvwxyz0123456789") + ["A", "M", "N", "H", "question", "BackSpace", "Delete",
              "Left", "Right", "Up", "Down", "Prior", "Next", "Home", "Tab", "space", "period"] + ["Return", "Escape"] * 6)
    MENU = ["Open", "Save", "Undo", "Bindung", "neues Atom", "Shake", "Ueber", "Hilfe", (100, 2), (100, 4),
            (100, 6), (200, 2)]

    def ereignis(self, zufall, q):
        """One random action as xdotool commands; clicks stay below the menu bar, which only a menu
        pick opens, and the pointer leaves it far below, which closes it again."""
        x, y = zufall.randrange(q.breite), zufall.randrange(30 * q.bigfont, q.hoehe)
        art = zufall.random()
        if art < 0.45:
            return ["key", zufall.choice(self.TASTEN)]
        if art < 0.7:
            return ["mousemove", "--window", q.fenster, x, y, "click", zufall.choice([1, 1, 1, 2, 3, 4, 5])]
        if art < 0.92:
            knopf = zufall.choice([1, 2, 3])
            zug = ["mousemove", "--window", q.fenster, x, y, "mousedown", knopf]
            for _ in range(zufall.randrange(1, 6)):
                x, y = min(max(x + zufall.randrange(-60, 61), 0), q.breite - 1), max(y + zufall.randrange(-60, 61), 30)
                zug += ["mousemove", "--window", q.fenster, x, min(y, q.hoehe - 1)]
            return zug + ["mouseup", knopf]
        eintrag = zufall.choice(self.MENU)
        spalte, zeile = MENU[eintrag] if isinstance(eintrag, str) else eintrag
        b = q.bigfont
        return ["mousemove", "--window", q.fenster, 600 * b, 10 * b, "click", 1, "mousemove", "--window", q.fenster,
                spalte * b, 10 * b, "mousedown", 1, "mousemove", "--window", q.fenster, spalte * b,
                (24 * zeile + 12) * b, "mouseup", 1, "mousemove", "--window", q.fenster, 400 * b, q.hoehe - 5]

    def test_affe(self):
        saat, anzahl, sekunden = map(int, os.environ.get("QUIL_AFFE", "1 3000 150").split())
        verzeichnis = self.enterContext(tempfile.TemporaryDirectory())
        q, zufall, ende = self.starten(verzeichnis=verzeichnis), random.Random(saat), time.monotonic() + sekunden
        for n in range(0, anzahl, 25):
            if time.monotonic() > ende:
                break
            q.xdotool(*[w for _ in range(25) for w in self.ereignis(zufall, q)])
        for _ in range(30):  # dialogs answered, selection, relaxation and edit mode off
            q.taste("Escape")
        q.ruhig(lambda bild: not farbe_passt(bild.pixel(51, 51), REQUESTERGRAU), "kein Requester mehr")
        q.bild()
        q.menu("Save")
        if '" eingelesen' in q.ausgabe():
            q.antworten(1, 3)  # "alles", "einzelnes"
            q.antworten(1, 2)
        q.eingeben("affe.xyz")
        q.ende()
        self.assertIn('Alles als einziges Molekuel in "affe.xyz" gespeichert.', q.ausgabe())
        atome, bindungen = teile(lesen(verzeichnis, "affe.xyz"))
        self.assertEqual(len(self.ansicht(lesen(verzeichnis, "affe.xyz")).atome), len(atome))
        for bindung in bindungen:
            self.assertTrue(all(0 <= int(n) < len(atome) for n in bindung.split()[:2]), bindung)


if __name__ == "__main__":
    unittest.main(verbosity=2, failfast=True)  # a SIGTERM, too, stops the run and its clean-ups follow
