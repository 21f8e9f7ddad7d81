#!/usr/bin/env python3
"""Writes the test set of the bond perception as an SD file: each SMILES of a list (lines
"SMILES name class") with its hydrogens, embedded in 3-D by RDKit's ETKDG from a fixed seed and
relaxed with MMFF94 (UFF where MMFF has no parameters; --kraftfeld uff, or keins for ETKDG's
geometry as it stands). Variants for trying the perception on other geometries: --variante polar keeps only the hydrogens on N, O, S and P (as docking poses
carry them), ohne-h none (as many crystal structures); --stoerung S moves every atom by a normal
deviate of S Angstrom in each coordinate (from --saat).

    /usr/bin/python3 tools/bindungen_testsatz.py tests/io/bindungen/molekuele.smi satz.sdf [--variante polar]
"""
import argparse, random, sys

from rdkit import Chem, RDLogger
from rdkit.Chem import AllChem
from rdkit.Geometry import Point3D


def einbetten(smiles, saat, kraftfeld):
    m = Chem.AddHs(Chem.MolFromSmiles(smiles))
    parameter = AllChem.ETKDGv3()
    parameter.randomSeed = saat
    if AllChem.EmbedMolecule(m, parameter) != 0:
        raise ValueError("nicht eingebettet")
    if kraftfeld == "mmff" and AllChem.MMFFHasAllMoleculeParams(m):
        AllChem.MMFFOptimizeMolecule(m, maxIters=2000)
    elif kraftfeld != "keins":
        AllChem.UFFOptimizeMolecule(m, maxIters=2000)
    return m


def ohne_wasserstoffe(m, polar):
    """m less its hydrogens (polar: those on carbon), each counted on its neighbour instead."""
    m = Chem.RWMol(m)
    weg = [a.GetIdx() for a in m.GetAtoms() if a.GetAtomicNum() == 1
           and not (polar and a.GetNeighbors()[0].GetAtomicNum() in (7, 8, 15, 16))]
    for i in weg:
        nachbar = m.GetAtomWithIdx(i).GetNeighbors()[0]
        nachbar.SetNumExplicitHs(nachbar.GetNumExplicitHs() + 1)
        nachbar.SetNoImplicit(True)
    for i in sorted(weg, reverse=True):
        m.RemoveAtom(i)
    Chem.SanitizeMol(m)
    return m.GetMol()


def main():
    argumente = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    argumente.add_argument("liste")
    argumente.add_argument("ausgabe")
    argumente.add_argument("--variante", choices=["voll", "polar", "ohne-h"], default="voll")
    argumente.add_argument("--kraftfeld", choices=["mmff", "uff", "keins"], default="mmff")
    argumente.add_argument("--stoerung", type=float, default=0.0)
    argumente.add_argument("--saat", type=int, default=20260)
    a = argumente.parse_args()
    RDLogger.DisableLog("rdApp.*")
    zufall, schreiber = random.Random(a.saat), Chem.SDWriter(a.ausgabe)
    for zeile in open(a.liste):
        if not zeile.strip() or zeile.startswith("#"):
            continue
        smiles, name, klasse = zeile.split()
        m = einbetten(smiles, a.saat, a.kraftfeld)
        if a.variante != "voll":
            m = ohne_wasserstoffe(m, a.variante == "polar")
        lage = m.GetConformer()
        for i in range(m.GetNumAtoms()):
            p = lage.GetAtomPosition(i)
            lage.SetAtomPosition(i, Point3D(*(k + zufall.gauss(0, a.stoerung) if a.stoerung else k for k in p)))
        m.SetProp("_Name", name)
        m.SetProp("klasse", klasse)
        m.SetProp("smiles", smiles)
        schreiber.write(m)
    schreiber.close()


if __name__ == "__main__":
    sys.exit(main())
