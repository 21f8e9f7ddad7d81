#!/usr/bin/env python3
"""Bond perception against RDKit: each molecule of an SD file as plain XYZ (--pdb: PDB without
CONECT records) through quil's reader; the same bonded pairs for every molecule, and the same
orders up to resonance for at least --mindestens percent. LESEN SATZ.sdf [--pdb] [--mindestens P]

Same up to resonance: RDKit's Kekule form, with each bond between a + and a - atom counted one
order higher (nitro and N-oxides as N=O, azides as N=N#N, as quil has no charges). quil's 1.5
bonds must be aromatic for RDKit or lie in a ring of them, and take RDKit's order. What differs
then must be alternating: Kekule structures of a ring, or a charge moved along a conjugated path
between two atoms of one element, one of them charged in RDKit's molecule (carboxylate,
sulfonate, amidinium, pyridinium-like rings)."""
import argparse, collections, pathlib, subprocess, sys, tempfile

from rdkit import Chem


def referenz(m):
    k = Chem.Mol(m)
    Chem.Kekulize(k, clearAromaticFlags=True)
    ladung = [a.GetFormalCharge() for a in k.GetAtoms()]
    ordnung = {}
    for b in k.GetBonds():
        i, j = sorted((b.GetBeginAtomIdx(), b.GetEndAtomIdx()))
        ordnung[i, j] = int(b.GetBondTypeAsDouble())
        if ladung[i] * ladung[j] < 0 and ordnung[i, j] < 3:
            ordnung[i, j] += 1
            ladung[i] -= (ladung[i] > 0) - (ladung[i] < 0)
            ladung[j] -= (ladung[j] > 0) - (ladung[j] < 0)
    return ordnung, ladung


def aromatisch_erlaubt(m, paar, quil):
    """RDKit calls the bond aromatic, or it lies in a ring whose bonds quil all gives 1.5."""
    if m.GetBondBetweenAtoms(*paar).GetIsAromatic():
        return True
    ringe = m.GetRingInfo().AtomRings()
    return any(set(paar) <= set(r) and all(quil.get(tuple(sorted((r[i - 1], r[i])))) == 1.5 for i in range(len(r)))
               for r in ringe)


def vergleichen(m, quil):
    """'' when quil's bonds are RDKit's up to resonance, else why not."""
    ordnung, ladung = referenz(m)
    if set(quil) != set(ordnung):
        return "Paare: zu viel %s, fehlt %s" % (sorted(set(quil) - set(ordnung)), sorted(set(ordnung) - set(quil)))
    unterschied = {}
    for paar, q in quil.items():
        if q == 1.5 and not (ordnung[paar] < 3 and aromatisch_erlaubt(m, paar, quil)):
            return "1.5 auf %s" % (paar,)
        d = (ordnung[paar] if q == 1.5 else q) - ordnung[paar]
        if d:
            unterschied[paar] = d
    if any(abs(d) != 1 for d in unterschied.values()):
        return "Ordnungen %s" % unterschied
    rest, nachbarn = collections.Counter(), collections.defaultdict(set)
    for (i, j), d in unterschied.items():
        rest[i] += d
        rest[j] += d
        nachbarn[i].add(j)
        nachbarn[j].add(i)
    gesehen = set()
    for start in nachbarn:  # each connected piece of the differences on its own
        if start in gesehen:
            continue
        stueck, offen = set(), [start]
        while offen:
            a = offen.pop()
            if a not in stueck:
                stueck.add(a)
                offen.extend(nachbarn[a])
        gesehen |= stueck
        enden = collections.defaultdict(list)
        for a in stueck:
            if rest[a]:
                enden[m.GetAtomWithIdx(a).GetSymbol()].append(a)
        for element, atome in enden.items():
            plus = sum(rest[a] == 1 for a in atome)
            geladen = sum(ladung[a] != 0 for a in atome)
            if any(abs(rest[a]) > 1 for a in atome) or 2 * plus != len(atome) or geladen != plus:
                return "Ordnungen %s" % unterschied
    return ""


def quil_lesen(lesen, dateien):
    bindungen, aktuell = {}, None
    for zeile in subprocess.run([lesen, *dateien], capture_output=True, text=True, check=True).stdout.splitlines():
        if zeile.startswith("# "):
            aktuell = bindungen.setdefault(zeile[2:], {})
        else:
            a, b, o = zeile.split()
            aktuell[tuple(sorted((int(a), int(b))))] = float(o)
    return bindungen


def main():
    argumente = argparse.ArgumentParser()
    argumente.add_argument("lesen")
    argumente.add_argument("satz")
    argumente.add_argument("--pdb", action="store_true")
    argumente.add_argument("--mindestens", type=float, default=97)
    a = argumente.parse_args()
    molekuele = [m for m in Chem.SDMolSupplier(a.satz, removeHs=False)]
    with tempfile.TemporaryDirectory() as verzeichnis:
        dateien = []
        for n, m in enumerate(molekuele):
            datei = pathlib.Path(verzeichnis, "%03d%s" % (n, ".pdb" if a.pdb else ".xyz"))
            datei.write_text(Chem.MolToPDBBlock(m, flavor=2 | 8) if a.pdb else Chem.MolToXYZBlock(m))
            dateien.append(str(datei))
        quil = quil_lesen(a.lesen, dateien)
    paare_falsch, fehler = 0, collections.defaultdict(list)
    for m, datei in zip(molekuele, dateien):
        grund = vergleichen(m, quil[datei])
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
