#!/usr/bin/env python3
"""Bond perception against RDKit: each molecule of SATZ.sdf as plain XYZ (--pdb: PDB without
CONECT) through quil's reader LESEN; the same bonded pairs for all, the same orders up to
resonance for --mindestens percent. Up to resonance: RDKit's Kekule form with a bond between a +
and a - atom one order higher (N(=O)=O, N=N#N: quil has no charges); quil's 1.5 on bonds RDKit
calls aromatic or on rings quil gives 1.5 all round, taking RDKit's order; what differs then must
alternate: Kekule structures of a ring, or a charge moved along a conjugated path between two
atoms of one element, one of them charged for RDKit (carboxylate, amidinium, pyridinium)."""
import argparse, collections, pathlib, subprocess, sys, tempfile

from rdkit import Chem


def referenz(m):
    k = Chem.Mol(m)
    Chem.Kekulize(k, clearAromaticFlags=True)
    ladung, ordnung = [a.GetFormalCharge() for a in k.GetAtoms()], {}
    for b in k.GetBonds():
        i, j = paar = tuple(sorted((b.GetBeginAtomIdx(), b.GetEndAtomIdx())))
        ordnung[paar] = int(b.GetBondTypeAsDouble())
        if ladung[i] * ladung[j] < 0 and ordnung[paar] < 3:
            ordnung[paar] += 1
            ladung[i] -= (ladung[i] > 0) - (ladung[i] < 0)
            ladung[j] -= (ladung[j] > 0) - (ladung[j] < 0)
    return ordnung, ladung


def aromatisch(m, paar, quil, ordnung):
    """RDKit calls the bond aromatic, or it lies on a ring that quil gives 1.5 all round and whose
    atoms each have a double bond in the ring or a lone pair (N, O, S with single bonds)."""
    zwei = lambda i, j: ordnung[tuple(sorted((i, j)))] > 1
    pi = lambda a, r: (any(zwei(a, b) for b in r if b != a and m.GetBondBetweenAtoms(a, b))
                       or m.GetAtomWithIdx(a).GetSymbol() in "NOS" and not any(zwei(a, b.GetIdx())
                                                                            for b in m.GetAtomWithIdx(a).GetNeighbors()))
    ring = lambda r: all(quil.get(tuple(sorted((r[i - 1], r[i])))) == 1.5 and pi(r[i], r) for i in range(len(r)))
    return m.GetBondBetweenAtoms(*paar).GetIsAromatic() or any(set(paar) <= set(r) and ring(r)
                                                               for r in m.GetRingInfo().AtomRings())


def vergleichen(m, quil):
    """'' when quil's bonds are RDKit's up to resonance, else why not."""
    ordnung, ladung = referenz(m)
    if set(quil) != set(ordnung):
        return "Paare: zu viel %s, fehlt %s" % (sorted(set(quil) - set(ordnung)), sorted(set(ordnung) - set(quil)))
    if any(q == 1.5 and not (ordnung[p] < 3 and aromatisch(m, p, quil, ordnung)) for p, q in quil.items()):
        return "1.5 nicht aromatisch"
    anders = {p: q - ordnung[p] for p, q in quil.items() if q != 1.5 and q != ordnung[p]}
    rest, stueck = collections.Counter(), list(range(m.GetNumAtoms()))  # valence changes; pieces of the differences
    wurzel = lambda a: a if stueck[a] == a else wurzel(stueck[a])
    for (i, j), d in anders.items():
        rest[i] += d
        rest[j] += d
        stueck[wurzel(i)] = wurzel(j)
    enden = collections.defaultdict(list)
    for a, r in rest.items():
        if r:
            enden[wurzel(a), m.GetAtomWithIdx(a).GetSymbol()].append(a)
    if any(abs(d) != 1 for d in anders.values()) or any(
            any(abs(rest[a]) != 1 for a in atome) or 2 * sum(rest[a] > 0 for a in atome) != len(atome)
            or 2 * sum(ladung[a] != 0 for a in atome) != len(atome) for atome in enden.values()):
        return "Ordnungen %s" % anders
    return ""


def main():
    argumente = argparse.ArgumentParser()
    for name in ["lesen", "satz"]:
        argumente.add_argument(name)
    argumente.add_argument("--pdb", action="store_true")
    argumente.add_argument("--mindestens", type=float, default=97)
    a = argumente.parse_args()
    molekuele = list(Chem.SDMolSupplier(a.satz, removeHs=False))
    with tempfile.TemporaryDirectory() as verzeichnis:
        dateien = [pathlib.Path(verzeichnis, "%03d.%s" % (n, "pdb" if a.pdb else "xyz")) for n in range(len(molekuele))]
        for m, datei in zip(molekuele, dateien):
            datei.write_text(Chem.MolToPDBBlock(m, flavor=2 | 8) if a.pdb else Chem.MolToXYZBlock(m))
        quil = collections.defaultdict(dict)
        for zeile in subprocess.run([a.lesen, *dateien], capture_output=True, text=True, check=True).stdout.split("\n"):
            if zeile.startswith("# "):
                aktuell = quil[zeile[2:]]
            elif zeile:
                i, j, o = zeile.split()
                aktuell[tuple(sorted((int(i), int(j))))] = float(o)
    paare_falsch, fehler = 0, collections.defaultdict(list)
    for m, datei in zip(molekuele, dateien):
        grund = vergleichen(m, quil[str(datei)])
        paare_falsch += grund.startswith("Paare")
        if grund:
            fehler[m.GetProp("klasse")].append("%s: %s" % (m.GetProp("_Name"), grund[:150]))
    n, falsch = len(molekuele), sum(map(len, fehler.values()))
    print("%d Molekuele, Paare richtig: %d, Ordnungen richtig: %d (%.1f %%)" % (n, n - paare_falsch, n - falsch,
                                                                                 100 * (n - falsch) / n))
    for klasse, liste in sorted(fehler.items()):
        print("%s (%d): %s" % (klasse, len(liste), "; ".join(liste)))
    return 1 if paare_falsch or 100 * (n - falsch) < a.mindestens * n else 0


if __name__ == "__main__":
    sys.exit(main())
