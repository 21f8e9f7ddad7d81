#!/usr/bin/env python3
# Installs quil from the build directory given into a temporary prefix and checks each file in its place: the
# program answers -? and --version, the menu entry validates, the icon is SVG, the English and the German man
# page render without a warning, and the default molecule is installed and found from a moved prefix.
import os, pathlib, subprocess, sys, tempfile, unittest
import xml.etree.ElementTree as ET

BAU = os.path.abspath(sys.argv.pop(1))  # installieren_test.py BUILD-DIR
QUELLE = pathlib.Path(__file__).resolve().parents[1]
ABSCHNITTE = {"share/man/man1/quil.1": ["SYNOPSIS", "OPTIONS", "FILES", "KEYS", "MOUSE", "MESSAGES", "EXIT STATUS"],
              "share/man/de/man1/quil.1": ["ÜBERSICHT", "OPTIONEN", "DATEIEN", "TASTEN", "MAUS", "MELDUNGEN"]}
MAN = dict(os.environ, MANWIDTH="80", LC_ALL="C.UTF-8")


def ausfuehren(*befehl, **wie):
    return subprocess.run(befehl, capture_output=True, text=True, check=True, timeout=60, **wie)


class Installieren(unittest.TestCase):
    def test_installieren(self):
        basis = pathlib.Path(self.enterContext(tempfile.TemporaryDirectory()))
        ziel = basis / "prefix"
        ausfuehren("cmake", "--install", BAU, "--prefix", ziel)
        self.assertIn("Anwendung: quil [-Flags] [Quellname1] [Quellname2] [Quellname3]",
                      ausfuehren(ziel / "bin/quil", "-?", cwd=ziel).stdout)
        self.assertEqual(ausfuehren(ziel / "bin/quil", "--version", cwd=ziel).stdout, "quil Version 0.8\n")
        eintrag = ziel / "share/applications/quil.desktop"
        self.assertEqual(ausfuehren("desktop-file-validate", eintrag).stdout, "")
        self.assertIn("Exec=quil %f\n", eintrag.read_text())
        self.assertIn("\nMimeType=chemical/x-xyz;chemical/x-pdb;chemical/x-mdl-molfile;chemical/x-mdl-sdfile;\n",
                      eintrag.read_text())
        self.assertEqual(ET.parse(ziel / "share/icons/hicolor/scalable/apps/quil.svg").getroot().tag,
                         "{http://www.w3.org/2000/svg}svg")
        for seite, abschnitte in ABSCHNITTE.items():
            text = ausfuehren("man", "-l", "--warnings", ziel / seite, env=MAN)
            self.assertEqual(text.stderr, "", seite)
            self.assertEqual([a for a in abschnitte if a not in text.stdout.splitlines()], [], seite)
        self.assertEqual((ziel / "share/quil/Alanin.xyz").read_bytes(), (QUELLE / "Alanin.xyz").read_bytes())
        # Without Alanin.xyz in the working directory quil reads the installed copy, also from a moved prefix; here a
        # broken one, so that reading it shows (without a display quil then fails to open its window).
        verschoben = ziel.rename(basis / "verschoben")
        (verschoben / "share/quil/Alanin.xyz").write_text("kaputt\n")
        ohne_anzeige = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
        lauf = subprocess.run(verschoben / "bin/quil", cwd=basis, env=ohne_anzeige, capture_output=True, text=True)
        self.assertIn("Fehler in xyzeinlesen(): keine Atome", lauf.stdout)

if __name__ == "__main__":
    unittest.main(verbosity=2)
