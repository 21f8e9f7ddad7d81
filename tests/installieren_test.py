#!/usr/bin/env python3
# Installs quil from the build directory given into a temporary prefix and checks each file in its place: the
# program answers -?, the menu entry validates, the icon is SVG, the man pages render without a warning.
import os, pathlib, subprocess, sys, tempfile, unittest
import xml.etree.ElementTree as ET

BAU = os.path.abspath(sys.argv.pop(1))  # installieren_test.py BUILD-DIR
ABSCHNITTE = ["ÜBERSICHT", "OPTIONEN", "DATEIEN", "TASTEN", "MAUS", "MELDUNGEN"]  # of each man page
MAN = dict(os.environ, MANWIDTH="80", LC_ALL="C.UTF-8")


def ausfuehren(*befehl, **wie):
    return subprocess.run(befehl, capture_output=True, text=True, check=True, timeout=60, **wie)


class Installieren(unittest.TestCase):
    def test_installieren(self):
        ziel = pathlib.Path(self.enterContext(tempfile.TemporaryDirectory()))
        ausfuehren("cmake", "--install", BAU, "--prefix", ziel)
        self.assertIn("Anwendung: quil [-Flags] [Quellname1] [Quellname2] [Quellname3]",
                      ausfuehren(ziel / "bin/quil", "-?", cwd=ziel).stdout)
        eintrag = ziel / "share/applications/quil.desktop"
        self.assertEqual(ausfuehren("desktop-file-validate", eintrag).stdout, "")
        self.assertIn("Exec=quil %f\n", eintrag.read_text())
        self.assertEqual(ET.parse(ziel / "share/icons/hicolor/scalable/apps/quil.svg").getroot().tag,
                         "{http://www.w3.org/2000/svg}svg")
        for seite in ["share/man/man1/quil.1", "share/man/de/man1/quil.1"]:
            text = ausfuehren("man", "-l", "--warnings", ziel / seite, env=MAN)
            self.assertEqual((text.stderr, [a for a in ABSCHNITTE if a not in text.stdout]), ("", []), seite)


if __name__ == "__main__":
    unittest.main(verbosity=2)
