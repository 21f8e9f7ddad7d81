#!/usr/bin/env python3
# Files RDKit and Open Babel write, read by quil, exported to each format, read back by RDKit, Open Babel and quil.
import functools, os, pathlib, subprocess, sys, tempfile, unittest
from rdkit import Chem, RDLogger

QUIL, GENAU = os.path.abspath(sys.argv.pop(1)), {".xyz": 1e-6, ".mol": 1e-4, ".sdf": 1e-4, ".pdb": 1e-3}
# RDKit 2022.09 embedded (seed 5) ibuprofen (R, aromatic bonds as MDL's type 4; kekule.sdf alternating), ethanol and
# water in one molfile, and an alkyne (S) beside them that Open Babel 3.1 wrote as alkin.mol.
DATEIEN = pathlib.Path(__file__).resolve().with_name("dateien")


def rdkit(datei):  # all molecules of the file as one, hydrogens kept
    teile = ([Chem.MolFromXYZFile(datei)] if datei.endswith(".xyz") else [Chem.MolFromPDBFile(
        datei, removeHs=False, proximityBonding=False)] if datei.endswith(".pdb") else
             Chem.SDMolSupplier(datei, removeHs=False))
    return functools.reduce(Chem.CombineMols, teile)


def merkmale(m):  # elements, positions, bonds {(a, b): order}, CIP labels
    Chem.AssignStereochemistryFrom3D(m)
    return ([a.GetSymbol() for a in m.GetAtoms()], m.GetConformer().GetPositions(),
            {tuple(sorted((b.GetBeginAtomIdx(), b.GetEndAtomIdx()))): b.GetBondTypeAsDouble() for b in m.GetBonds()},
            "".join(a.GetProp("_CIPCode") for a in m.GetAtoms() if a.HasProp("_CIPCode")))


class AustauschTest(unittest.TestCase):
    def test_rundreise(self):
        RDLogger.DisableLog("rdApp.*")
        os.chdir(self.enterContext(tempfile.TemporaryDirectory()))
        for dateien, stereo in [(["ibuprofen.sdf"], "R"), (["alkin.mol"], "S"), (["zwei.sdf"], ""),
                                (["kekule.sdf", "alkin.mol"], "RS")]:
            dateien = [str(DATEIEN / d) for d in dateien]
            elemente, lage, bindungen, cip = merkmale(functools.reduce(Chem.CombineMols, map(rdkit, dateien)))
            subprocess.run([QUIL, *dateien, "-O", *["export" + e for e in GENAU]], check=True, capture_output=True)
            self.assertEqual(cip, stereo)
            for (endung, genau), leser in [(f, leser) for f in GENAU.items() for leser in ("rdkit", "obabel", QUIL)]:
                with self.subTest(dateien=dateien, endung=endung, leser=leser):
                    datei = "export" + endung
                    if leser != "rdkit":  # Open Babel's reading or quil's tables, handed on as SD records
                        subprocess.run([leser, datei, "-O", datei + ".sdf"], check=True, capture_output=True)
                        datei += ".sdf"
                    e, l, b, c = merkmale(rdkit(datei))
                    if leser == QUIL:  # an SD file's first record, a molfile as one molecule, PDB chains as molecules
                        self.assertEqual((len(e), pathlib.Path(datei).read_text().count("$$$$")), (
                            len(rdkit(dateien[0]).GetAtoms()) if endung == ".sdf" else len(elemente),
                            len(dateien) if endung == ".pdb" else 1))
                    self.assertEqual(e, elemente[:len(e)])
                    self.assertLess(abs(l - lage[:len(e)]).max(), genau)
                    if endung == ".xyz":
                        continue
                    # PDB lists an aromatic bond once in CONECT: single for RDKit and quil; Open Babel finds the ring
                    einfach = "ibuprofen" in dateien[0] and endung == ".pdb" and leser != "obabel"
                    self.assertEqual(b, {p: 1.0 if einfach and o == 1.5 else o for p, o in bindungen.items()
                                         if max(p) < len(e)})
                    if len(e) == len(elemente):
                        self.assertEqual(c, cip)


if __name__ == "__main__":
    unittest.main(verbosity=2)
