#!/usr/bin/env python3
# Runs quil where there is no display: under Xvfb in the current directory, saves a PNG of its
# first frame and ends it through its menu. bildschirmfoto.py QUIL PNG [quil arguments...]
import os
import sys

import treiber


def main():
    if len(sys.argv) < 3:
        sys.exit("Anwendung: bildschirmfoto.py QUIL PNG [Argumente fuer quil...]")
    quil, png = sys.argv[1], os.path.abspath(sys.argv[2])
    treiber.bei_sigterm_aufraeumen()
    with treiber.Sitzung(quil, argumente=sys.argv[3:], verzeichnis=os.getcwd()) as sitzung:
        bild = sitzung.fenster.warte_auf_ruhe()
        bild.png_schreiben(png)
        status = treiber.menu_beenden(sitzung, bild)
        sys.stdout.write(sitzung.stdout())
        sys.stderr.write(sitzung.stderr())
    print(f"Kein Display: quil lief unter Xvfb; Bild seines Fensters: {png}")
    sys.exit(status)


if __name__ == "__main__":
    main()
