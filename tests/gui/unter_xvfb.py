#!/usr/bin/env python3
# Runs one command under an Xvfb of its own and ends the Xvfb afterwards:
# unter_xvfb.py BREITExHOEHE BEFEHL [ARGUMENTE...]; the command's exit status is passed on.
import subprocess
import sys

import treiber


def main():
    if len(sys.argv) < 3:
        sys.exit("Anwendung: unter_xvfb.py BREITExHOEHE BEFEHL [ARGUMENTE...]")
    breite, hoehe = map(int, sys.argv[1].split("x"))
    treiber.bei_sigterm_aufraeumen()
    x = treiber.XServer(breite, hoehe)
    try:
        sys.exit(subprocess.run(sys.argv[2:], env=x.umgebung()).returncode)
    finally:
        x.beenden()


if __name__ == "__main__":
    main()
