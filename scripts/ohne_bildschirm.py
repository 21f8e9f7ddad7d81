#!/usr/bin/env python3
# quil without a display, through the GUI test driver:
#   ohne_bildschirm.py foto QUIL PNG [ARGS]   runs quil under Xvfb, saves a PNG of its first frame and ends it;
#   ohne_bildschirm.py xvfb BxH BEFEHL...     runs BEFEHL in an Xvfb of that size.
import contextlib, os, pathlib, struct, subprocess, sys, zlib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "gui"))
from treiber import Quil, xvfb  # noqa: E402


def png(bild):
    """A screenshot as PNG: 8-bit RGB, each row after a zero byte (no filter)."""
    hoehe = len(bild) // (4 * bild.breite)
    rgb, zeile = bytearray(3 * bild.breite * hoehe), 3 * bild.breite
    for kanal in range(3):
        rgb[kanal::3] = bild[2 - kanal::4]
    zeilen = zlib.compress(b"".join(b"\0" + rgb[i:i + zeile] for i in range(0, len(rgb), zeile)))
    block = lambda art, d: struct.pack(">I", len(d)) + art + d + struct.pack(">I", zlib.crc32(art + d))
    kopf = block(b"IHDR", struct.pack(">IIBBBBB", bild.breite, hoehe, 8, 2, 0, 0, 0))
    return b"\x89PNG\r\n\x1a\n" + kopf + block(b"IDAT", zeilen) + block(b"IEND", b"")


def foto(quil, datei, *argumente):
    with contextlib.ExitStack() as stapel:
        sitzung = Quil(stapel.enter_context, quil, argumente, verzeichnis=os.getcwd())
        try:
            pathlib.Path(datei).write_bytes(png(sitzung.ruhig()))
            sitzung.ende()
        finally:
            sys.stdout.write(sitzung.ausgabe())
            sys.stderr.write(sitzung.ausgabe(2))
    print(f"Kein Display: quil lief unter Xvfb; Bild seines Fensters: {os.path.abspath(datei)}")


def unter_xvfb(groesse, *befehl):
    with xvfb(*map(int, groesse.split("x"))) as umgebung:
        sys.exit(subprocess.run(befehl, env=umgebung).returncode)


if __name__ == "__main__":
    {"foto": foto, "xvfb": unter_xvfb}[sys.argv[1]](*sys.argv[2:])
