# Drives quil under a virtual X server: Xvfb, real input through XTEST (xdotool), screenshots
# read from xwd. Used by the GUI tests and by scripts/run.sh where there is no display.
import os
import pty
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import threading
import time
import zlib

TITEL = "Quil - Molekuele zeichnen mit OpenGL"
WARTEZEIT = 60.0  # seconds for anything to happen; generous for the sanitizer build
HINTERGRUND = (128, 128, 128)  # clear colour 0.5
MENUGRAU = (191, 191, 191)     # menu bar 0.75
HELLBLAU = (51, 166, 204)      # marked entry (0.2, 0.65, 0.8)
HIER = os.path.dirname(os.path.abspath(__file__))
LSAN_UNTERDRUECKUNGEN = os.path.join(HIER, "lsan.supp")


class Zeitueberschreitung(AssertionError):
    pass


def warte_bis(bedingung, was, zeit=WARTEZEIT, pause=0.02):
    """Polls bedingung until it returns something true and returns that."""
    ende = time.monotonic() + zeit
    while True:
        ergebnis = bedingung()
        if ergebnis:
            return ergebnis
        if time.monotonic() > ende:
            raise Zeitueberschreitung(f"nach {zeit:.0f} s noch nicht: {was}")
        time.sleep(pause)


def prozess_beenden(prozess):
    """Ends one process started here, first politely, then for sure."""
    if prozess.poll() is not None:
        return
    prozess.terminate()
    try:
        prozess.wait(timeout=5)
    except subprocess.TimeoutExpired:
        prozess.kill()
        prozess.wait(timeout=5)


class XServer:
    """An Xvfb with one 24-bit screen on a display number nobody uses. It must not reset when
    its last client leaves (-noreset): a reset closes a connection that is just being made,
    as when an xdotool run ends while quil starts."""

    def __init__(self, breite, hoehe):
        self.breite, self.hoehe = breite, hoehe
        self.prozess = None
        self.display = None
        self.protokoll = tempfile.TemporaryFile()  # what Xvfb writes on stderr
        erste = 200 + os.getpid() % 500
        for nummer in range(erste, erste + 100):
            if not os.path.exists(f"/tmp/.X{nummer}-lock") and self._starten(nummer):
                return
            self._anhalten()
        raise RuntimeError("kein freies Display fuer Xvfb gefunden")

    def _starten(self, nummer):
        lesen, schreiben = os.pipe()
        self.prozess = subprocess.Popen(
            ["Xvfb", f":{nummer}", "-screen", "0", f"{self.breite}x{self.hoehe}x24", "-nolisten", "tcp",
             "-noreset", "-displayfd", str(schreiben)],
            pass_fds=(schreiben,), stdout=subprocess.DEVNULL, stderr=self.protokoll,
            start_new_session=True)
        os.close(schreiben)
        try:
            antwort = self._zeile_lesen(lesen)
        finally:
            os.close(lesen)
        self.display = f":{nummer}"
        return antwort == f"{nummer}\n".encode()  # else the display was taken meanwhile

    @staticmethod
    def _zeile_lesen(lesen):
        """The display number, once Xvfb is ready; it writes the number and the newline
        separately and dies when the pipe is closed before the newline."""
        antwort = b""
        ende = time.monotonic() + WARTEZEIT
        while not antwort.endswith(b"\n"):
            bereit, _, _ = select.select([lesen], [], [], max(0, ende - time.monotonic()))
            stueck = os.read(lesen, 64) if bereit else b""
            if not stueck:
                break
            antwort += stueck
        return antwort

    def umgebung(self):
        umgebung = dict(os.environ, DISPLAY=self.display)
        umgebung.pop("XAUTHORITY", None)
        return umgebung

    def _anhalten(self):
        if self.prozess:
            prozess_beenden(self.prozess)
            self.prozess = None

    def beenden(self):
        self._anhalten()
        self.protokoll.close()

    def zustand(self):
        """For failure messages: whether Xvfb still runs, and the end of what it wrote."""
        self.protokoll.seek(0)
        text = self.protokoll.read().decode("latin-1")[-2000:]
        lebt = self.prozess and self.prozess.poll() is None
        return f"Xvfb {self.display} {'laeuft' if lebt else 'beendet'}; Xvfb schrieb: {text!r}"


class Ausgabe:
    """Collects the standard output of a program through a pseudo-terminal, so that it is
    line-buffered as in a terminal and each line can be waited for."""

    def __init__(self):
        self.master, self.slave = pty.openpty()
        self.daten = b""
        self.sperre = threading.Lock()
        self.faden = threading.Thread(target=self._lesen, daemon=True)

    def starten(self):
        """Reads from now on; the program holds its own copy of the terminal."""
        os.close(self.slave)
        self.faden.start()

    def _lesen(self):
        while True:
            try:
                stueck = os.read(self.master, 4096)
            except OSError:
                break
            if not stueck:
                break
            with self.sperre:
                self.daten += stueck
        os.close(self.master)

    def lesen(self):
        with self.sperre:
            return self.daten.decode("latin-1").replace("\r\n", "\n")

    def schliessen(self):
        """Waits for the end of the output; without a program started, frees the terminal."""
        if self.faden.is_alive():
            self.faden.join(timeout=5)
        elif not self.faden.ident:
            os.close(self.slave)
            os.close(self.master)


class Bild:
    """A screenshot of the window: width, height and RGB bytes row by row from the top."""

    def __init__(self, breite, hoehe, rgb):
        self.breite, self.hoehe, self.rgb = breite, hoehe, rgb

    @classmethod
    def aus_xwd(cls, daten):
        kopf = struct.unpack(">25I", daten[:100])
        kopflaenge, breite, hoehe = kopf[0], kopf[4], kopf[5]
        reihenfolge, bits, zeilenlaenge = kopf[7], kopf[11], kopf[12]
        masken, farben = kopf[14:17], kopf[19]
        if bits != 32 or zeilenlaenge != 4 * breite:
            raise RuntimeError(f"xwd: {bits} Bit pro Pixel werden nicht gelesen")
        pixel = daten[kopflaenge + 12 * farben:][:zeilenlaenge * hoehe]
        rgb = bytearray(3 * breite * hoehe)
        for kanal, maske in enumerate(masken):
            byte = {0xFF: 0, 0xFF00: 1, 0xFF0000: 2, 0xFF000000: 3}[maske]
            if reihenfolge == 1:  # MSBFirst
                byte = 3 - byte
            rgb[kanal::3] = pixel[byte::4]
        return cls(breite, hoehe, bytes(rgb))

    def pixel(self, x, y):
        i = 3 * (int(y) * self.breite + int(x))
        return tuple(self.rgb[i:i + 3])

    def __eq__(self, anderes):
        return isinstance(anderes, Bild) and self.rgb == anderes.rgb

    def png_schreiben(self, pfad):
        zeilen = b"".join(b"\0" + self.rgb[3 * self.breite * y:3 * self.breite * (y + 1)]
                          for y in range(self.hoehe))

        def block(art, inhalt):
            return (struct.pack(">I", len(inhalt)) + art + inhalt
                    + struct.pack(">I", zlib.crc32(art + inhalt)))

        with open(pfad, "wb") as datei:
            datei.write(b"\x89PNG\r\n\x1a\n")
            datei.write(block(b"IHDR", struct.pack(">IIBBBBB", self.breite, self.hoehe, 8, 2, 0, 0, 0)))
            datei.write(block(b"IDAT", zlib.compress(zeilen, 6)))
            datei.write(block(b"IEND", b""))


def farbe_passt(farbe, erwartet, toleranz):
    return all(abs(a - b) <= toleranz for a, b in zip(farbe, erwartet))


class Sitzung:
    """One quil run under its own Xvfb. Ends every process it started when the with-block is
    left, also on failure."""

    def __init__(self, quil, bildschirm=(1600, 1200), dateien=(), argumente=(), inhalte=None,
                 verzeichnis=None, vorladen=None):
        """dateien: files copied into the working directory; inhalte: name -> text of files
        written there; verzeichnis: the working directory, else a temporary one; vorladen: a
        library to preload into quil."""
        self.quil = os.path.abspath(quil)
        self.vorladen = vorladen and os.path.abspath(vorladen)
        self.bildschirm = bildschirm
        self.dateien, self.argumente, self.inhalte = dateien, list(argumente), inhalte or {}
        self.verzeichnis, self.aufraeumen = verzeichnis, verzeichnis is None
        self.x = self.prozess = self.ausgabe = self.fehlerdatei = self.fenster = None

    def __enter__(self):
        try:
            self._starten()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *fehler):
        if self.prozess:
            prozess_beenden(self.prozess)
        if self.ausgabe:
            self.ausgabe.schliessen()
        if self.fehlerdatei:
            self.fehlerdatei.close()
        if self.x:
            self.x.beenden()
        if self.aufraeumen and self.verzeichnis:
            shutil.rmtree(self.verzeichnis, ignore_errors=True)
        return False

    def _starten(self):
        if self.aufraeumen:
            self.verzeichnis = tempfile.mkdtemp(prefix="quil-gui-")
        for datei in self.dateien:
            shutil.copy(datei, self.verzeichnis)
        for name, text in self.inhalte.items():
            with open(os.path.join(self.verzeichnis, name), "w") as datei:
                datei.write(text)
        self.x = XServer(*self.bildschirm)
        self.ausgabe = Ausgabe()
        self.fehlerdatei = tempfile.TemporaryFile()
        self.prozess = subprocess.Popen(
            [self.quil] + self.argumente, cwd=self.verzeichnis, env=self._umgebung(),
            stdin=subprocess.DEVNULL, stdout=self.ausgabe.slave, stderr=self.fehlerdatei,
            start_new_session=True)
        self.ausgabe.starten()
        self.fenster = Fenster(self, self._fenster_suchen())
        self.fenster.warte_auf_erstes_bild()

    def _umgebung(self):
        """The X server, and for the sanitizer build the suppressions of the system's leaks.
        Mesa unloads its driver before exit, and LeakSanitizer could not name the library of
        the driver's leaks any more: the tests preload a dlclose that keeps libraries loaded."""
        umgebung = self.x.umgebung()
        lsan = umgebung.get("LSAN_OPTIONS")
        umgebung["LSAN_OPTIONS"] = ":".join(filter(None, [lsan, "suppressions=" + LSAN_UNTERDRUECKUNGEN]))
        if self.vorladen:
            umgebung["LD_PRELOAD"] = " ".join(filter(None, [umgebung.get("LD_PRELOAD"), self.vorladen]))
        return umgebung

    def _fenster_suchen(self):
        def gefunden():
            if not self.laeuft():
                raise AssertionError(f"quil endet vor dem Fenster (Status {self.prozess.returncode}); "
                                     f"Ausgabe: {self.stdout()!r} {self.stderr()}; {self.x.zustand()}")
            suche = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", TITEL],
                                   env=self.x.umgebung(), capture_output=True, timeout=WARTEZEIT)
            return suche.stdout.split()  # exit status 1 while nothing is found
        return warte_bis(gefunden, f"das Fenster \"{TITEL}\"", pause=0.1)[0].decode()

    def xdotool(self, *argumente, zeit=WARTEZEIT):
        return self.werkzeug("xdotool", *argumente, zeit=zeit)

    def werkzeug(self, *befehl, zeit=WARTEZEIT, binaer=False):
        ergebnis = subprocess.run(befehl, env=self.x.umgebung(), capture_output=True,
                                  timeout=zeit, check=True)
        return ergebnis.stdout if binaer else ergebnis.stdout.decode()

    def stdout(self):
        return self.ausgabe.lesen()

    def stderr(self):
        self.fehlerdatei.seek(0)
        return self.fehlerdatei.read().decode("latin-1")

    def warte_auf_ausgabe(self, text):
        warte_bis(lambda: text in self.stdout(), f"Ausgabe {text!r}; bisher {self.stdout()!r}")

    def warte_auf_ende(self):
        """The exit status; quil must end by itself, without further input."""
        try:
            return self._ende(WARTEZEIT)
        except subprocess.TimeoutExpired:
            raise Zeitueberschreitung("quil endet nicht")

    def _ende(self, zeit):
        status = self.prozess.wait(timeout=zeit)
        self.ausgabe.schliessen()
        return status

    def laeuft(self):
        return self.prozess.poll() is None


class Fenster:
    """The quil window: geometry, screenshots, and real input in window coordinates."""

    def __init__(self, sitzung, kennung):
        self.sitzung, self.kennung = sitzung, kennung
        self.x, self.y, self.breite, self.hoehe = self.geometrie()
        self.zeiger = None  # where the pointer was last moved to
        self.bigfont = 2 if sitzung.bildschirm[0] > 2500 else 1  # menu and requester font
        sitzung.xdotool("windowfocus", "--sync", kennung)

    def geometrie(self):
        werte = {}
        for zeile in self.sitzung.werkzeug("xwininfo", "-id", self.kennung).splitlines():
            schluessel, _, wert = zeile.strip().partition(":")
            werte[schluessel] = wert.strip()
        return (int(werte["Absolute upper-left X"]), int(werte["Absolute upper-left Y"]),
                int(werte["Width"]), int(werte["Height"]))

    def foto(self):
        if not self.sitzung.laeuft():
            raise AssertionError(f"quil lebt nicht mehr (Status {self.sitzung.prozess.returncode}): "
                                 f"{self.sitzung.stderr()}")
        return Bild.aus_xwd(self.sitzung.werkzeug("xwd", "-id", self.kennung, "-silent", binaer=True))

    def warte_auf_ruhe(self, passt=lambda bild: True, was="ein ruhiges Bild"):
        """The picture once two screenshots in a row agree and passt(picture) holds."""
        letztes = [None]

        def ruhig():
            bild = self.foto()
            fertig = bild == letztes[0] and passt(bild)
            letztes[0] = bild
            return bild if fertig else None

        return warte_bis(ruhig, was)

    def warte_auf_aenderung(self, vorher):
        return self.warte_auf_ruhe(lambda bild: bild != vorher, "ein geaendertes Bild")

    def warte_auf_erstes_bild(self):
        """The first frame: the background grey in the bottom right corner."""
        return self.warte_auf_ruhe(
            lambda bild: farbe_passt(bild.pixel(bild.breite - 2, bild.hoehe - 2), HINTERGRUND, 2),
            "das erste Bild")

    def nach_schranke(self):
        """The picture once all input sent so far has been handled: a press on the menu strip
        opens the bar, and a frame with the bar shows that the press, and so all input before
        it, has been handled; moving the pointer far down closes the bar again."""
        leiste = (self.breite - 100, 10 * self.bigfont)
        weg = (self.breite - 100, min(self.hoehe - 10, 400 * self.bigfont))

        def offen(bild):
            return farbe_passt(bild.pixel(*leiste), MENUGRAU, 2)

        self.klicken(*leiste)
        warte_bis(lambda: offen(self.foto()), "die offene Menueleiste")
        self.bewegen(*weg)
        return self.warte_auf_ruhe(lambda bild: not offen(bild), "die geschlossene Menueleiste")

    def _bildschirm(self, x, y):
        return str(self.x + int(x)), str(self.y + int(y))

    def bewegen(self, x, y):
        ziel = self._bildschirm(x, y)
        if ziel != self.zeiger:  # --sync would wait for a motion that does not come
            self.sitzung.xdotool("mousemove", "--sync", *ziel)
            self.zeiger = ziel

    def druecken(self, x, y, knopf=1):
        self.bewegen(x, y)
        self.sitzung.xdotool("mousedown", str(knopf))

    def loslassen(self, x, y, knopf=1):
        self.bewegen(x, y)
        self.sitzung.xdotool("mouseup", str(knopf))

    def klicken(self, x, y, knopf=1):
        self.bewegen(x, y)
        self.sitzung.xdotool("click", str(knopf))

    def taste(self, name, wiederholen=1):
        self.sitzung.xdotool("key", "--repeat", str(wiederholen), name)

    def aendern(self, aktion, bild):
        """Runs aktion (a function) and returns the changed picture once it settles."""
        aktion()
        return self.warte_auf_aenderung(bild)


def menu_masse(bigfont):
    """Where to press on the strip, on the title "File", and on its first entry "Exit"."""
    return (600 * bigfont, 10 * bigfont), (30 * bigfont, 10 * bigfont), (30 * bigfont, 35 * bigfont)


def menu_beenden(sitzung, bild):
    """Ends quil through its menu: a press on the strip, a press on "File", release on "Exit".
    Returns the exit status."""
    fenster = sitzung.fenster
    leiste, titel, eintrag = menu_masse(fenster.bigfont)
    bild = fenster.aendern(lambda: fenster.klicken(*leiste), bild)
    bild = fenster.aendern(lambda: fenster.druecken(*titel), bild)
    fenster.aendern(lambda: fenster.bewegen(*eintrag), bild)
    return exit_waehlen(sitzung)


def exit_waehlen(sitzung):
    """Releases the button on "Exit" of the open column; returns the exit status."""
    fenster = sitzung.fenster
    eintrag = menu_masse(fenster.bigfont)[2]
    fenster.loslassen(*eintrag)
    return sitzung.warte_auf_ende()


def bei_sigterm_aufraeumen():
    """Turns SIGTERM into SystemExit, so that the with-blocks still end what they started."""
    signal.signal(signal.SIGTERM, lambda nummer, _: sys.exit(128 + nummer))
