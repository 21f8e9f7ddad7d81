#!/usr/bin/env python3
"""vergleich.py LESEN SATZ.sdf [--pdb] [PROZENT]: quil's bonds (read by LESEN from plain XYZ or PDB) against RDKit's:
all pairs, PROZENT (97) of the molecules' orders up to resonance (see README.md beside it)."""
import collections, pathlib, subprocess, sys, tempfile

from rdkit import Chem

paar = lambda i, j: (min(i, j), max(i, j))


def referenz(m):
    k = Chem.Mol(m)
    Chem.Kekulize(k, clearAromaticFlags=True)
    ladung, ordnung = [a.GetFormalCharge() for a in k.GetAtoms()], {}
    for b in k.GetBonds():
        i, j = p = paar(b.GetBeginAtomIdx(), b.GetEndAtomIdx())
        ordnung[p] = int(b.GetBondTypeAsDouble()) + (ladung[i] * ladung[j] < 0 and b.GetBondTypeAsDouble() < 3)
        if ordnung[p] > b.GetBondTypeAsDouble():
            ladung[i] = ladung[j] = 0
    return ordnung, ladung


def aromatisch(m, p, quil, ordnung):
    """RDKit's aromatic bond, or on a ring quil gives 1.5 whose atoms have a double bond in it or a lone pair."""
    zwei = lambda a: [b for b in m.GetAtomWithIdx(a).GetNeighbors() if ordnung[paar(a, b.GetIdx())] > 1]
    pi = lambda a, r: any(b.GetIdx() in r for b in zwei(a)) or m.GetAtomWithIdx(a).GetSymbol() in "NOS" and not zwei(a)
    return m.GetBondBetweenAtoms(*p).GetIsAromatic() or any(
        set(p) <= set(r) and all(quil.get(paar(r[i - 1], r[i])) == 1.5 and pi(r[i], r) for i in range(len(r)))
        for r in m.GetRingInfo().AtomRings())


def vergleichen(m, quil):
    """'' when quil's bonds are RDKit's up to resonance, else why not."""
    ordnung, ladung = referenz(m)
    if set(quil) != set(ordnung):
        return "Paare: zu viel %s, fehlt %s" % (sorted(set(quil) - set(ordnung)), sorted(set(ordnung) - set(quil)))
    if any(q == 1.5 and not (ordnung[p] < 3 and aromatisch(m, p, quil, ordnung)) for p, q in quil.items()):
        return "1.5 nicht aromatisch"
    anders = {p: q - ordnung[p] for p, q in quil.items() if q != 1.5 and q != ordnung[p]}
    rest, stueck = collections.Counter(), list(range(m.GetNumAtoms()))  # valence changes; pieces of the changes
    wurzel = lambda a: a if stueck[a] == a else wurzel(stueck[a])
    for (i, j), d in anders.items():
        rest[i], rest[j], stueck[wurzel(i)] = rest[i] + d, rest[j] + d, wurzel(j)
    enden = collections.defaultdict(list)
    for a in (a for a in rest if rest[a]):
        enden[wurzel(a), m.GetAtomWithIdx(a).GetSymbol()].append(a)
    halb = lambda atome, f: 2 * sum(map(f, atome)) == len(atome)
    if any(abs(d) != 1 for d in anders.values()) or not all(
            all(abs(rest[a]) == 1 for a in e) and halb(e, lambda a: rest[a] > 0) and halb(e, lambda a: ladung[a] != 0)
            for e in enden.values()):
        return "Ordnungen %s" % anders
    return ""


def main(lesen, satz, *schalter):
    pdb, mindestens = "--pdb" in schalter, float(([s for s in schalter if s != "--pdb"] + [97])[0])
    molekuele, quil = list(Chem.SDMolSupplier(satz, removeHs=False)), collections.defaultdict(dict)
    with tempfile.TemporaryDirectory() as verzeichnis:
        dateien = [str(pathlib.Path(verzeichnis, "%03d.%s" % (n, "pdb" if pdb else "xyz"))) for n in range(len(molekuele))]
        for m, datei in zip(molekuele, dateien):
            pathlib.Path(datei).write_text(Chem.MolToPDBBlock(m, flavor=2 | 8) if pdb else Chem.MolToXYZBlock(m))
        for zeile in subprocess.run([lesen, *dateien], capture_output=True, text=True, check=True).stdout.split("\n"):
            if zeile.startswith("# "):
                bindungen = quil[zeile[2:]]
            elif zeile:
                i, j, o = zeile.split()
                bindungen[paar(int(i), int(j))] = float(o)
    fehler, paare_falsch = collections.defaultdict(list), 0
    for m, datei in zip(molekuele, dateien):
        grund = vergleichen(m, quil[datei])
        paare_falsch += grund.startswith("Paare")
        if grund:
            fehler[m.GetProp("klasse")].append("%s: %s" % (m.GetProp("_Name"), grund[:150]))
    n, richtig = len(molekuele), len(molekuele) - sum(map(len, fehler.values()))
    print("%d Molekuele, Paare richtig: %d, Ordnungen richtig: %d (%.1f %%)" % (n, n - paare_falsch, richtig, 100 * richtig / n))
    for klasse, liste in sorted(fehler.items()):
        print("%s (%d): %s" % (klasse, len(liste), "; ".join(liste)))
    return 1 if paare_falsch or 100 * richtig < mindestens * n else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
