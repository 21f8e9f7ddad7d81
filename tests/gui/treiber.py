# The GUI test driver: quil in its own Xvfb, real input through xdotool, screenshots from xwd, its output.
import contextlib, os, pathlib, re, signal, subprocess, sys, tempfile, time

WARTEZEIT = 60.0  # seconds for anything to happen; generous for the sanitizer build
HINTERGRUND, MENUGRAU, HELLBLAU, REQUESTERGRAU = (128, 128, 128), (191, 191, 191), (51, 166, 204), (204, 204, 204)
# Where each menu entry is: the x of its column's title and its row under the bar (small font).
MENU = {"Open": (30, 1), "Save": (30, 2), "Export": (30, 3), "Exit": (30, 4), "Undo": (100, 1), "Bindung": (100, 3),
        "neues Atom": (100, 5), "Shake": (200, 1), "Ueber": (300, 1)}

signal.signal(signal.SIGTERM, lambda nummer, _: sys.exit(128 + nummer))  # ctest's time-out: the clean-ups run


def farbe_passt(farbe, erwartet):
    return all(abs(a - b) <= 3 for a, b in zip(farbe, erwartet))


def requester_offen(bild):  # a requester stands at (50, 50)
    return farbe_passt(bild.pixel(51, 51), REQUESTERGRAU)


class Prozess(subprocess.Popen):
    def __exit__(self, *fehler):  # ends the process, also one still running
        self.terminate()
        return super().__exit__(*fehler)


class Bild(bytes):  # a screenshot: the pixels row by row from the top, each blue, green, red and a zero
    def pixel(self, x, y):
        i = 4 * (int(y) * self.breite + int(x))
        return self[i + 2], self[i + 1], self[i]


@contextlib.contextmanager
def xvfb(breite, hoehe):  # an X server of its own while the block runs: the environment that shows on it
    lesen, schreiben = os.pipe()  # -noreset: a reset would close a connection just being made
    with Prozess(["Xvfb", "-screen", "0", f"{breite}x{hoehe}x24", "-nolisten", "tcp", "-noreset", "-displayfd",
                  str(schreiben)], pass_fds=[schreiben], stderr=subprocess.DEVNULL):
        os.close(schreiben)
        with os.fdopen(lesen) as antwort:  # the display's number, written once Xvfb is ready; nothing if it dies
            nummer = antwort.readline().strip()
        assert nummer, "Xvfb startet nicht"
        yield dict(os.environ, DISPLAY=":" + nummer, XAUTHORITY="")


class Quil:  # in its own Xvfb and directory (or verzeichnis) with the files inhalte; betreten ends them after the run
    def __init__(self, betreten, quil, argumente=(), bildschirm=(1600, 1200), inhalte={}, vorsatz=(), verzeichnis=None):
        self.verzeichnis = pathlib.Path(verzeichnis or betreten(tempfile.TemporaryDirectory()))
        for name, text in inhalte.items():
            (self.verzeichnis / name).write_text(text)
        self.umgebung, self.bigfont = betreten(xvfb(*bildschirm)), 1 + (bildschirm[0] > 2500)
        # LeakSanitizer learns the system's leaks; the library QUIL_VORLADEN keeps them nameable.
        env = dict(self.umgebung, LD_PRELOAD=os.getenv("QUIL_VORLADEN", ""), LSAN_OPTIONS=os.getenv("LSAN_OPTIONS", "")
                   + ":suppressions=" + str(pathlib.Path(__file__).resolve().with_name("lsan.supp")))
        self.ausgaben = [betreten(tempfile.TemporaryFile()) for _ in range(2)]  # stdout, stderr
        self.prozess = betreten(Prozess([*vorsatz, os.path.abspath(quil), *argumente], cwd=self.verzeichnis, env=env,
                                        stdin=subprocess.DEVNULL, stdout=self.ausgaben[0], stderr=self.ausgaben[1]))
        self.fenster = self.xdotool("search", "--sync", "--onlyvisible", "--name", "Quil - Molekuele").split()[0].decode()
        werte = dict(z.split(b"=") for z in self.xdotool("getwindowgeometry", "--shell", self.fenster).split())
        self.geometrie = tuple(int(werte[k]) for k in (b"X", b"Y", b"WIDTH", b"HEIGHT"))
        self.breite, self.hoehe = self.geometrie[2:]
        self.xdotool("windowfocus", "--sync", self.fenster)
        self.ruhig(lambda bild: farbe_passt(bild.pixel(self.breite - 2, self.hoehe - 2), HINTERGRUND))

    def xdotool(self, *argumente, programm="xdotool"):
        try:
            assert self.prozess.poll() is None, "quil endete"
            return subprocess.run([programm, *map(str, argumente)], env=self.umgebung, capture_output=True,
                                  timeout=WARTEZEIT, check=True).stdout
        except (AssertionError, subprocess.SubprocessError) as fehler:
            raise AssertionError(f"{fehler}; quil: {self.prozess.poll()}, {self.ausgabe(2)}") from fehler

    def hin(self, x, y):  # the words of xdotool that move the pointer to (x, y) in the window
        return ["mousemove", "--window", self.fenster, int(x), int(y)]

    def klick(self, von, *nach, knopf=1):  # with points nach a drag, one motion event for each
        self.xdotool(*self.hin(*von), "mousedown", knopf, *[w for p in nach for w in self.hin(*p)], "mouseup", knopf)

    def taste(self, *namen, mal=1):
        self.xdotool("key", "--repeat", mal, *namen)

    def foto(self):  # from the xwd header: its size, the width, the height and the colour map's entries
        xwd = self.xdotool("-id", self.fenster, "-silent", programm="xwd")
        kopf, breite, hoehe, farben = (int.from_bytes(xwd[4 * k:4 * k + 4], "big") for k in (0, 4, 5, 19))
        bild = Bild(xwd[kopf + 12 * farben:][:4 * breite * hoehe])
        bild.breite, bild.hoehe = breite, hoehe
        return bild

    def ruhig(self, passt=lambda bild: True, was="ein ruhiges Bild"):  # two screenshots in a row agree, passt holds
        ende, bilder = time.monotonic() + WARTEZEIT, [None, self.foto()]
        while not (bilder[0] == bilder[1] and passt(bilder[1])):
            assert time.monotonic() < ende, f"nach {WARTEZEIT:.0f} s noch nicht: {was}"
            time.sleep(0.02)
            bilder = [bilder[1], self.foto()]
        return bilder[1]

    def bild(self):
        """The settled picture after all input: a click opens the menu bar in the next frame, moving away closes it."""
        leiste = (self.breite - 100, 10 * self.bigfont)
        self.klick(leiste)
        self.ruhig(lambda bild: farbe_passt(bild.pixel(*leiste), MENUGRAU), "die offene Menueleiste")
        self.xdotool(*self.hin(leiste[0], 400 * self.bigfont))
        return self.ruhig(lambda bild: not farbe_passt(bild.pixel(*leiste), MENUGRAU), "die Leiste zu")

    def menuwahl(self, spalte, zeile):  # the xdotool words of a menu pick: open the bar, press the column, to the row
        b = self.bigfont
        return [self.hin(600 * b, 10 * b) + ["click", 1], self.hin(spalte * b, 10 * b) + ["mousedown", 1],
                self.hin(spalte * b, (24 * zeile + 12) * b)]

    def menu(self, eintrag, *felder):  # then eingeben(*felder); returns the pictures of bar, column and entry
        bilder = [self.ruhig()]
        for schritt in self.menuwahl(*MENU[eintrag]):
            self.xdotool(*schritt)
            bilder.append(self.ruhig(lambda bild: bild != bilder[-1], "ein geaendertes Bild"))
        self.xdotool("mouseup", 1)
        if felder:
            self.eingeben(*felder)
        return bilder[1:]

    def eingeben(self, *felder):  # each text into the requester's next field (None keeps one), then "  ok  "
        for text in felder:
            self.ruhig(requester_offen, "ein Requester")
            if text is not None:
                self.taste("Right", "BackSpace", mal=80)  # empties the field wherever the cursor stands
                self.xdotool("type", text)
            self.taste("Tab")
        self.antworten(1, 2, 32)

    def antworten(self, knopf, knoepfe, hoehe=48):  # button knopf of knoepfe, hoehe above the foot; its picture
        bild = self.ruhig(requester_offen, "ein Requester")
        unten = next(y for y in range(51, self.hoehe) if not farbe_passt(bild.pixel(51, y), REQUESTERGRAU))
        rechts = next(x for x in range(51, self.breite) if not farbe_passt(bild.pixel(x, unten - 2), REQUESTERGRAU))
        self.klick((50 + (rechts - 50) * knopf // (knoepfe + 1), unten - hoehe * self.bigfont))
        self.ruhig(lambda neu: neu != bild, "der Requester zu oder der naechste")
        return bild

    def warten_auf(self, text, sekunden=WARTEZEIT):
        ende = time.monotonic() + sekunden
        while text not in self.ausgabe():
            assert time.monotonic() < ende and self.prozess.poll() is None, f"keine Ausgabe {text!r}: {self.ausgabe()}"
            time.sleep(0.05)

    def ende(self):  # Exit from the menu: status 0 and no sanitizer's report
        bilder = self.menu("Exit")
        status, fehler = self.prozess.wait(WARTEZEIT), self.ausgabe(2)
        assert status == 0 and not re.search(r"(WARNING|ERROR): \w*Sanitizer|runtime error", fehler), (status, fehler)
        return bilder

    def ausgabe(self, kanal=1):
        return os.pread(self.ausgaben[kanal - 1].fileno(), 1 << 26, 0).decode("latin-1")
