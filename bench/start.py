#!/usr/bin/env python3
# Start-up benchmark: the time from starting quil until its first frame stands in the window, and
# its resident memory then; for Alanin.xyz and for a lattice at the table limits (1000 atoms,
# 2000 bonds). bench/start.py QUIL [RUNS]; run under Xvfb by bench/start.sh.
import contextlib, os, sys, tempfile, time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "gui"))
import treiber  # noqa: E402

gestartet = {}


class Prozess(treiber.Prozess):
    """Notes when quil itself starts, after its Xvfb."""

    def __init__(self, befehl, **wie):
        gestartet[befehl[0]] = time.monotonic()
        super().__init__(befehl, **wie)


treiber.Prozess = Prozess


def gitter():
    """10 x 10 x 10 atoms 1.5 apart, 2000 of the lattice's edges as bonds."""
    nummer = lambda i, j, k: (i * 10 + j) * 10 + k
    zeilen = ["1000 2000"]
    zeilen += [f" {'CNOH'[n % 4]} {1.5 * (n // 100):10.6f} {1.5 * (n // 10 % 10):10.6f} {1.5 * (n % 10):10.6f}"
               for n in range(1000)]
    bindungen = [f"{nummer(i, j, k)} {nummer(i + di, j + dj, k + dk)}" for di, dj, dk in ((1, 0, 0), (0, 1, 0), (0, 0, 1))
                 for i in range(10 - di) for j in range(10 - dj) for k in range(10 - dk)]
    return "\n".join(zeilen + bindungen[:2000]) + "\n"


def messen(quil, name, inhalt):
    with contextlib.ExitStack() as stapel:
        q = treiber.Quil(stapel.enter_context, quil, [name], inhalte={name: inhalt})
        dauer = time.monotonic() - gestartet[os.path.abspath(quil)]
        with open(f"/proc/{q.prozess.pid}/status") as status:
            rss = next(int(z.split()[1]) for z in status if z.startswith("VmRSS:"))
        return dauer, rss


def main():
    quil, laeufe = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 3
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "Alanin.xyz")) as datei:
        alanin = datei.read()
    for was, name, inhalt in (("Alanin.xyz", "Alanin.xyz", alanin), ("Grenze: 1000 Atome, 2000 Bindungen",
                                                                      "gitter.xyz", gitter())):
        werte = [messen(quil, name, inhalt) for _ in range(laeufe)]
        print(f"{was:36} bis zum ersten Bild {min(w[0] for w in werte):.2f}-{max(w[0] for w in werte):.2f} s, "
              f"dann {max(w[1] for w in werte) / 1024:.1f} MiB resident")


if __name__ == "__main__":
    main()
