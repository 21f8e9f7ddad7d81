#!/usr/bin/env python3
# Installs quil into a temporary prefix: program, menu entry, icon, man pages, the default file from a moved prefix.
import os, pathlib, subprocess, sys, tempfile, unittest
import xml.etree.ElementTree as ET

BAU = os.path.abspath(sys.argv.pop(1))  # installieren_test.py BUILD-DIR
QUELLE = pathlib.Path(__file__).resolve().parents[1]


def ausfuehren(*befehl, check=True, **wie):
    return subprocess.run(befehl, capture_output=True, text=True, check=check, timeout=60, **wie)


class Installieren(unittest.TestCase):
    def test_installieren(self):
        ziel = pathlib.Path(self.enterContext(tempfile.TemporaryDirectory())) / "prefix"
        ausfuehren("cmake", "--install", BAU, "--prefix", ziel)
        self.assertEqual(ausfuehren(ziel / "bin/quil", "--version").stdout, "quil Version 0.8\n")
        eintrag = ziel / "share/applications/quil.desktop"
        self.assertEqual(ausfuehren("desktop-file-validate", eintrag).stdout, "")
        self.assertIn("\nMimeType=chemical/x-xyz;chemical/x-pdb;chemical/x-mdl-molfile;chemical/x-mdl-sdfile;\n",
                      eintrag.read_text())
        ET.parse(ziel / "share/icons/hicolor/scalable/apps/quil.svg")  # fails unless the icon is there and XML
        for seite, ueberschrift in [("share/man/man1/quil.1", "SYNOPSIS"), ("share/man/de/man1/quil.1", "ÜBERSICHT")]:
            text = ausfuehren("man", "-l", "--warnings", ziel / seite, env=dict(os.environ, LC_ALL="C.UTF-8"))
            self.assertEqual(text.stderr, "", seite)
            self.assertIn(ueberschrift, text.stdout.splitlines(), seite)
        self.assertEqual((ziel / "share/quil/Alanin.xyz").read_bytes(), (QUELLE / "Alanin.xyz").read_bytes())
        # a broken installed copy, so that reading it shows; without a display quil then fails to open its window
        verschoben = ziel.rename(ziel.parent / "verschoben")
        (verschoben / "share/quil/Alanin.xyz").write_text("kaputt\n")
        lauf = ausfuehren(verschoben / "bin/quil", check=False, cwd=ziel.parent, env=dict(os.environ, DISPLAY=""))
        self.assertIn("Fehler in xyzeinlesen(): keine Atome", lauf.stdout)


if __name__ == "__main__":
    unittest.main(verbosity=2)
