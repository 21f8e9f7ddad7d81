#!/usr/bin/env python3
# The GUI test driver: quil in an Xvfb of its own with given files and screen size, real input
# through xdotool (XTEST), screenshots read from xwd, its output, and picking from its menu.
# As a program, where there is no display:
#   treiber.py foto QUIL PNG [ARGUMENTE...]  quil in this directory: a PNG of its first frame, then Exit
#   treiber.py xvfb BREITExHOEHE BEFEHL...   the command under an Xvfb; its exit status is passed on
import contextlib, os, shutil, signal, struct, subprocess, sys, tempfile, time, zlib

TITEL = "Quil - Molekuele zeichnen mit OpenGL"
WARTEZEIT = 60.0  # seconds for anything to happen; generous for the sanitizer build
HINTERGRUND, MENUGRAU, HELLBLAU = (128, 128, 128), (191, 191, 191), (51, 166, 204)
# Where each menu entry is: the x of its column's title and its row under the bar (small font).
MENU = {"Exit": (30, 1), "Ueber": (300, 1)}
LSAN = "suppressions=" + os.path.join(os.path.dirname(os.path.abspath(__file__)), "lsan.supp")

# A SIGTERM (a time-out of ctest) ends through SystemExit, so that the clean-ups still run.
signal.signal(signal.SIGTERM, lambda nummer, _: sys.exit(128 + nummer))


def farbe_passt(farbe, erwartet, toleranz=3):
    return all(abs(a - b) <= toleranz for a, b in zip(farbe, erwartet))


def beenden(prozess):
    prozess.terminate()
    prozess.wait()


@contextlib.contextmanager
def xvfb(breite, hoehe):
    """An Xvfb with one 24-bit screen on a free display; yields the environment for its clients.
    It must not reset when its last client leaves (-noreset): a reset closes a connection that
    is just being made, as when an xdotool run ends while quil starts."""
    lesen, schreiben = os.pipe()
    prozess = subprocess.Popen(["Xvfb", "-screen", "0", f"{breite}x{hoehe}x24", "-nolisten", "tcp", "-noreset",
                                "-displayfd", str(schreiben)], pass_fds=[schreiben], stderr=subprocess.DEVNULL)
    os.close(schreiben)
    try:
        with os.fdopen(lesen) as antwort:
            nummer = antwort.readline().strip()  # written once Xvfb is ready; nothing if it dies
        if not nummer:
            raise RuntimeError("Xvfb startet nicht")
        yield dict(os.environ, DISPLAY=":" + nummer, XAUTHORITY="")
    finally:
        beenden(prozess)


class Bild(bytes):
    """A screenshot: the pixels row by row from the top, each blue, green, red and a zero."""

    def pixel(self, x, y):
        i = 4 * (int(y) * self.breite + int(x))
        return self[i + 2], self[i + 1], self[i]


class Quil:
    """One run of quil in its own Xvfb and working directory, driven as a user would, in window
    coordinates. dateien are copied there, inhalte (name: text) written there. schliessen()
    ends all it started, also after a failure."""

    def __init__(self, quil, argumente=(), bildschirm=(1600, 1200), dateien=(), inhalte={},
                 verzeichnis=None, vorladen=None):
        self.stapel = contextlib.ExitStack()
        self.schliessen, self.bigfont, self.zeiger = self.stapel.close, 1 + (bildschirm[0] > 2500), None
        try:
            verzeichnis = verzeichnis or self.stapel.enter_context(tempfile.TemporaryDirectory())
            for datei in dateien:
                shutil.copy(datei, verzeichnis)
            for name, text in inhalte.items():
                with open(os.path.join(verzeichnis, name), "w") as datei:
                    datei.write(text)
            self.umgebung = self.stapel.enter_context(xvfb(*bildschirm))
            self.starten([os.path.abspath(quil), *argumente], verzeichnis, vorladen)
        except BaseException:
            self.schliessen()
            raise

    def starten(self, befehl, verzeichnis, vorladen):
        # LeakSanitizer learns the system's leaks; the preloaded library keeps them nameable.
        umgebung = dict(self.umgebung, LSAN_OPTIONS=":".join(filter(None, [os.getenv("LSAN_OPTIONS"), LSAN])))
        umgebung.update({"LD_PRELOAD": os.path.abspath(vorladen)} if vorladen else {})
        self.ausgaben = {k: self.stapel.enter_context(tempfile.TemporaryFile()) for k in (1, 2)}
        self.prozess = subprocess.Popen(befehl, cwd=verzeichnis, env=umgebung, stdin=subprocess.DEVNULL,
                                        stdout=self.ausgaben[1], stderr=self.ausgaben[2])
        self.stapel.callback(beenden, self.prozess)
        self.fenster = self.xdotool("search", "--sync", "--onlyvisible", "--name", TITEL).split()[0].decode()
        werte = dict(z.split(b"=") for z in self.xdotool("getwindowgeometry", "--shell", self.fenster).split())
        self.geometrie = tuple(int(werte[k]) for k in (b"X", b"Y", b"WIDTH", b"HEIGHT"))
        self.breite, self.hoehe = self.geometrie[2:]
        self.xdotool("windowfocus", "--sync", self.fenster)
        self.ruhig(lambda bild: farbe_passt(bild.pixel(self.breite - 2, self.hoehe - 2), HINTERGRUND, 2))

    def xdotool(self, *argumente, programm="xdotool"):
        if self.prozess.poll() is not None:
            raise AssertionError(f"quil endete mit {self.prozess.returncode}: {self.ausgabe(2)}")
        return subprocess.run([programm, *map(str, argumente)], env=self.umgebung, capture_output=True,
                              timeout=WARTEZEIT, check=True).stdout

    def bewegen(self, x, y):
        if (int(x), int(y)) != self.zeiger:  # --sync would wait for a motion that does not come
            self.zeiger = (int(x), int(y))
            self.xdotool("mousemove", "--window", self.fenster, "--sync", *self.zeiger)

    def klick(self, x, y, knopf=1, mal=1):
        self.bewegen(x, y)
        self.xdotool("click", "--repeat", mal, knopf)

    def ziehen(self, von, nach):
        self.bewegen(*von)
        self.xdotool("mousedown", 1)
        self.bewegen(*nach)
        self.xdotool("mouseup", 1)

    def taste(self, name, mal=1):
        self.xdotool("key", "--repeat", mal, name)

    def foto(self):
        xwd = self.xdotool("-id", self.fenster, "-silent", programm="xwd")
        kopf = struct.unpack(">25I", xwd[:100])
        assert kopf[7] == 0 and kopf[11:17] == (32, 4 * kopf[4], 4, 0xFF0000, 0xFF00, 0xFF), kopf
        bild = Bild(xwd[kopf[0] + 12 * kopf[19]:][:4 * kopf[4] * kopf[5]])
        bild.breite, bild.hoehe = kopf[4:6]
        return bild

    def ruhig(self, passt=lambda bild: True, was="ein ruhiges Bild"):
        """The picture once two screenshots in a row agree and passt(picture) holds."""
        ende, bilder = time.monotonic() + WARTEZEIT, [None, self.foto()]
        while not (bilder[0] == bilder[1] and passt(bilder[1])):
            if time.monotonic() > ende:
                raise AssertionError(f"nach {WARTEZEIT:.0f} s noch nicht: {was}")
            time.sleep(0.02)
            bilder = [bilder[1], self.foto()]
        return bilder[1]

    def bild(self, anders_als=None):
        """The settled picture once it differs from anders_als; without it, once all input sent
        so far has been handled: a click opens the menu bar in a frame after all input before
        it, and the pointer far below closes the bar again."""
        if anders_als is not None:
            return self.ruhig(lambda bild: bild != anders_als, "ein geaendertes Bild")
        leiste = (self.breite - 100, 10 * self.bigfont)
        self.klick(*leiste)
        self.ruhig(lambda bild: farbe_passt(bild.pixel(*leiste), MENUGRAU), "die offene Menueleiste")
        self.bewegen(leiste[0], 400 * self.bigfont)
        return self.ruhig(lambda bild: not farbe_passt(bild.pixel(*leiste), MENUGRAU), "die Leiste zu")

    def menu(self, eintrag):
        """Picks eintrag as a user does: a click opens the bar, a press on the title opens the
        column, the pointer on the entry marks it, the release there picks it. Returns the
        pictures of the open bar, the open column and the marked entry."""
        b, (spalte, zeile) = self.bigfont, MENU[eintrag]
        bilder = [self.ruhig()]
        for ort, knopf in [((600 * b, 10 * b), "click"), ((spalte * b, 10 * b), "mousedown"),
                           ((spalte * b, (24 * zeile + 12) * b), None)]:
            self.bewegen(*ort)
            if knopf:
                self.xdotool(knopf, 1)
            bilder.append(self.bild(anders_als=bilder[-1]))
        self.xdotool("mouseup", 1)
        return bilder[1:]

    def ende(self):
        """Exit from the menu: quil ends with status 0 and without a sanitizer's report.
        Returns the pictures of the menu."""
        bilder = self.menu("Exit")
        status, fehler = self.prozess.wait(WARTEZEIT), self.ausgabe(2)
        assert status == 0 and "Sanitizer" not in fehler and "runtime error" not in fehler, (status, fehler)
        return bilder

    def ausgabe(self, kanal=1):
        """What quil wrote on stdout (kanal 2: stderr); a file gets stdout in full only at its end."""
        return os.pread(self.ausgaben[kanal].fileno(), 1 << 26, 0).decode("latin-1")


def png_schreiben(bild, pfad):
    rgb = bytearray(3 * bild.breite * bild.hoehe)
    for kanal in range(3):
        rgb[kanal::3] = bild[2 - kanal::4]
    zeilen = b"".join(b"\0" + rgb[3 * bild.breite * y:3 * bild.breite * (y + 1)] for y in range(bild.hoehe))

    def block(art, inhalt):
        return struct.pack(">I", len(inhalt)) + art + inhalt + struct.pack(">I", zlib.crc32(art + inhalt))
    kopf = struct.pack(">IIBBBBB", bild.breite, bild.hoehe, 8, 2, 0, 0, 0)  # 8-bit RGB
    with open(pfad, "wb") as datei:
        datei.write(b"\x89PNG\r\n\x1a\n" + block(b"IHDR", kopf) + block(b"IDAT", zlib.compress(zeilen))
                    + block(b"IEND", b""))


def foto(quil, png, *argumente):
    sitzung = Quil(quil, argumente, verzeichnis=os.getcwd())
    try:
        png_schreiben(sitzung.ruhig(), png)
        sitzung.ende()
    finally:
        sys.stdout.write(sitzung.ausgabe())
        sys.stderr.write(sitzung.ausgabe(2))
        sitzung.schliessen()
    print(f"Kein Display: quil lief unter Xvfb; Bild seines Fensters: {os.path.abspath(png)}")


def unter_xvfb(groesse, *befehl):
    with xvfb(*map(int, groesse.split("x"))) as umgebung:
        sys.exit(subprocess.run(befehl, env=umgebung).returncode)


if __name__ == "__main__":
    {"foto": foto, "xvfb": unter_xvfb}[sys.argv[1]](*sys.argv[2:])
