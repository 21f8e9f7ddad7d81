#!/usr/bin/env python3
# Round trips with the programs chemists use: files RDKit and Open Babel write are read by quil, exported to each
# format and read back by RDKit, by Open Babel and by quil. /usr/bin/python3 austausch_test.py QUIL_EXPORT
import os, pathlib, subprocess, sys, tempfile, unittest
from rdkit import Chem, RDLogger
from rdkit.Chem import AllChem
from rdkit.Geometry import Point3D

QUIL = os.path.abspath(sys.argv.pop(1))
GENAU = {".xyz": 1e-6, ".mol": 1e-4, ".sdf": 1e-4, ".pdb": 1e-3}  # the last decimal each format writes
AROMATISCH = (1.5, 4.0)  # quil's aromatic orders


def rdkit(datei):  # all molecules of the file as one, hydrogens kept
    if datei.endswith(".xyz"):
        teile = [Chem.MolFromXYZFile(datei)]
    elif datei.endswith(".pdb"):
        teile = [Chem.MolFromPDBFile(datei, removeHs=False, proximityBonding=False)]
    else:
        teile = list(Chem.SDMolSupplier(datei, removeHs=False))
    for teil in teile[1:]:
        teile[0] = Chem.CombineMols(teile[0], teil)
    return teile[0]


def babel(datei):  # as Open Babel reads it, handed on as an SD file
    subprocess.run(["obabel", datei, "-O", datei + ".sdf"], check=True, capture_output=True)
    return rdkit(datei + ".sdf")


def merkmale(m):  # elements, positions, bonds with their orders, CIP labels
    if m.GetNumBonds():
        Chem.AssignStereochemistryFrom3D(m)
    return ([a.GetSymbol() for a in m.GetAtoms()], m.GetConformer().GetPositions(),
            {tuple(sorted((b.GetBeginAtomIdx(), b.GetEndAtomIdx()))): b.GetBondTypeAsDouble() for b in m.GetBonds()},
            {a.GetIdx(): a.GetProp("_CIPCode") for a in m.GetAtoms() if a.HasProp("_CIPCode")})


def quil(*dateien):  # quil's tables after reading dateien, exported to each format: atoms, bonds, molecules
    ausgabe = subprocess.run([QUIL, *dateien], capture_output=True, text=True, check=True).stderr
    zeilen = [z.split() for z in ausgabe.splitlines() if z.strip()]
    molekuele = int(zeilen.pop(0)[0][10:]) if zeilen[0][0].startswith("molekuele=") else 1
    atome, bindungen, laengen = [], {}, []
    for _ in range(molekuele):
        (n, m), basis = map(int, zeilen.pop(0)), len(atome)
        atome += [(z[0], *map(float, z[1:4])) for z in zeilen[:n]]
        bindungen.update({tuple(sorted((basis + int(a), basis + int(b)))): float(o[0]) if o else 1.0
                          for a, b, *o in zeilen[n:n + m]})
        laengen.append(n)
        del zeilen[:n + m]
    return atome, bindungen, laengen


class AustauschTest(unittest.TestCase):
    def setUp(self):
        RDLogger.DisableLog("rdApp.*")
        os.chdir(self.enterContext(tempfile.TemporaryDirectory()))
        ibuprofen = "CC(C)Cc1ccc(cc1)[C@@H](C)C(=O)O"  # R; aromatic bonds as MDL's type 4, or alternating
        for name, smiles, aromatisch in [("ibuprofen.sdf", ibuprofen, True), ("kekule.sdf", ibuprofen, False),
                                         ("zwei.sdf", "CCO.O", False), ("alkin.sdf", "C#C[C@H](N)c1ccncc1", False)]:
            m = Chem.AddHs(Chem.MolFromSmiles(smiles))
            AllChem.EmbedMolecule(m, randomSeed=5)
            for i in range(m.GetNumAtoms() * (name == "alkin.sdf")):  # beside ibuprofen
                m.GetConformer().SetAtomPosition(i, m.GetConformer().GetAtomPosition(i) + Point3D(12, 0, 0))
            pathlib.Path(name).write_text(Chem.MolToMolBlock(m, kekulize=not aromatisch) + "$$$$\n")
        subprocess.run(["obabel", "alkin.sdf", "-O", "alkin.mol"], check=True, capture_output=True)

    def test_rundreise(self):
        for dateien in [["ibuprofen.sdf"], ["alkin.mol"], ["zwei.sdf"], ["kekule.sdf", "alkin.mol"]]:
            referenz = rdkit(dateien[0])
            for weitere in dateien[1:]:
                referenz = Chem.CombineMols(referenz, rdkit(weitere))
            elemente, lage, bindungen, cip = merkmale(referenz)
            atome, tabelle, laengen = quil(*dateien, "-o", *["export" + e for e in GENAU])
            self.assertEqual(cip != {}, dateien[0] != "zwei.sdf")
            for endung, genau in GENAU.items():
                datei = "export" + endung
                for leser in rdkit, babel:
                    with self.subTest(dateien=dateien, datei=datei, leser=leser.__name__):
                        e, l, b, c = merkmale(leser(datei))
                        self.assertEqual(e, elemente)
                        self.assertLess(abs(l - lage).max(), genau)
                        if endung == ".xyz":
                            continue
                        einfach = leser is rdkit and endung == ".pdb"  # an aromatic bond listed once in CONECT
                        self.assertEqual(b, {k: 1.0 if einfach and tabelle[k] in AROMATISCH else o
                                             for k, o in bindungen.items()})
                        self.assertEqual(c, cip)
                with self.subTest(dateien=dateien, datei=datei, leser="quil"):
                    # XYZ keeps no bonds, SDF is read up to its first record, the molfile holds one molecule
                    n = laengen[0] if endung == ".sdf" else len(atome)
                    erwartet = {k: 1.0 if endung == ".pdb" and o in AROMATISCH else o for k, o in tabelle.items()
                                if endung != ".xyz" and max(k) < n}
                    a, t, ln = quil(datei)
                    self.assertEqual([x[0] for x in a], [x[0] for x in atome[:n]])
                    self.assertLess(max(abs(p - q) for x, y in zip(a, atome) for p, q in zip(x[1:], y[1:])), genau)
                    self.assertEqual((t, len(ln)), (erwartet, len(laengen) if endung == ".pdb" else 1))


if __name__ == "__main__":
    unittest.main(verbosity=2)
