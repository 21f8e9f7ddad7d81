#!/usr/bin/env python3
# Installs quil from the build directory given into a temporary prefix and checks each file in its
# standard place: the program answers -?, the menu entry validates, the icon is SVG, the man page
# renders without a warning. installieren_test.py BUILD-DIR
import os, subprocess, sys, tempfile, unittest
import xml.etree.ElementTree as ET

BAU = os.path.abspath(sys.argv.pop(1))


def ausfuehren(*befehl, **wie):
    return subprocess.run(befehl, capture_output=True, text=True, check=True, timeout=60, **wie)


class Installieren(unittest.TestCase):
    def test_installieren(self):
        ziel = self.enterContext(tempfile.TemporaryDirectory())
        ausfuehren("cmake", "--install", BAU, "--prefix", ziel)
        pfad = lambda *teile: os.path.join(ziel, *teile)
        aufruf = ausfuehren(pfad("bin", "quil"), "-?", cwd=ziel).stdout
        self.assertIn("Anwendung: quil [-Flags] [Quellname1] [Quellname2] [Quellname3]", aufruf)
        eintrag = pfad("share", "applications", "quil.desktop")
        self.assertEqual(ausfuehren("desktop-file-validate", eintrag).stdout, "")
        with open(eintrag) as datei:
            self.assertIn("Exec=quil %f\n", datei.read())
        bild = ET.parse(pfad("share", "icons", "hicolor", "scalable", "apps", "quil.svg")).getroot()
        self.assertEqual(bild.tag, "{http://www.w3.org/2000/svg}svg")
        for seite in [pfad("share", "man", "man1", "quil.1"), pfad("share", "man", "de", "man1", "quil.1")]:
            text = ausfuehren("man", "-l", "--warnings", seite, env=dict(os.environ, MANWIDTH="80", LC_ALL="C.UTF-8"))
            self.assertEqual(text.stderr, "")
            for abschnitt in ["ÜBERSICHT", "OPTIONEN", "DATEIEN", "TASTEN", "MAUS", "MELDUNGEN"]:
                self.assertIn(abschnitt, text.stdout)


if __name__ == "__main__":
    unittest.main(verbosity=2)
