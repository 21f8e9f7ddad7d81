// The writers for other programs. Each writes parts of the tables: runs of atom numbers with the
// bonds that join two atoms of the run. Orders 1.5 and 4 are aromatic, MDL's bond type 4.
#include "io/export.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "model/elemente.h"
#include "model/tabellen.h"

namespace {

struct Teil {
  int von, bis;  // atoms von to bis - 1
  bool enthaelt(const Bondlist& b) const { return b.n1 >= von && b.n1 < bis && b.n2 >= von && b.n2 < bis; }
};

// XYZ and the molfile hold all that is chosen in one part.
std::vector<Teil> teile(Exportformat f, int mnr) {
  if (mnr >= 0)
    return mnr < anz_molek ? std::vector<Teil>{{molekuel[mnr].ia, molekuel[mnr].ia + molekuel[mnr].natoms}}
                           : std::vector<Teil>{};
  if (mnr == -1 || f == Exportformat::xyz || f == Exportformat::mol) return {{0, anz_atome}};
  std::vector<Teil> t;
  for (int i = 0; i < anz_molek; i++) t.push_back({molekuel[i].ia, molekuel[i].ia + molekuel[i].natoms});
  return t;
}

int bindungen_in(const Teil& t) {
  int n = 0;
  for (int i = 0; i < anz_bonds; i++) n += t.enthaelt(bondliste[i]);
  return n;
}

// "J" is quil's own name for iodine; other programs know no such element.
bool elementsymbol(const char* name) { return pernr(name) > 0 && std::strcmp(name, "J") != 0; }

const char* name_zaehlen(const Atomlist& a, Exportzaehlung& z) {
  z.atome++;
  if (!elementsymbol(a.name)) z.fremde_namen++;
  return a.name;
}

// MDL's bond type: 1, 2, 3, and 4 for the aromatic orders; other orders rounded to 1, 2 or 3.
int bindungstyp(float ordnung, Exportzaehlung& z) {
  z.bindungen++;
  if (ordnung == 1 || ordnung == 2 || ordnung == 3 || ordnung == 4) return static_cast<int>(ordnung);
  if (ordnung == 1.5f) return 4;
  z.gerundet++;
  return !(ordnung >= 1.5f) ? 1 : ordnung < 2.5f ? 2 : 3;
}

// Every coordinate of the parts printed with format is at most breite characters wide.
bool spalten_reichen(const std::vector<Teil>& teile, const char* format, int breite) {
  for (const Teil& t : teile)
    for (int i = t.von; i < t.bis; i++)
      for (double w : {atomliste[i].p.x, atomliste[i].p.y, atomliste[i].p.z})
        if (std::snprintf(nullptr, 0, format, w) > breite) return false;
  return true;
}

void xyz_schreiben(FILE* fp, const Teil& t, Exportzaehlung& z) {
  std::fprintf(fp, "%d\nquil\n", t.bis - t.von);
  for (int i = t.von; i < t.bis; i++) {
    const Atomlist& a = atomliste[i];
    std::fprintf(fp, "%-3s %14.6f %14.6f %14.6f\n", name_zaehlen(a, z), a.p.x, a.p.y, a.p.z);
  }
}

// Header (name, program line with the dimension code 3D in columns 21-22, empty comment), counts
// line, atom block, bond block.
void mol_schreiben(FILE* fp, const Teil& t, Exportzaehlung& z) {
  std::fprintf(fp, "quil\n  quil              3D\n\n%3d%3d  0  0  0  0  0  0  0  0999 V2000\n", t.bis - t.von,
               bindungen_in(t));
  for (int i = t.von; i < t.bis; i++) {
    const Atomlist& a = atomliste[i];
    std::fprintf(fp, "%10.4f%10.4f%10.4f %-3s 0  0  0  0  0  0  0  0  0  0  0  0\n", a.p.x, a.p.y, a.p.z,
                 name_zaehlen(a, z));
  }
  for (int i = 0; i < anz_bonds; i++) {
    const Bondlist& b = bondliste[i];
    if (t.enthaelt(b)) std::fprintf(fp, "%3d%3d%3d  0\n", b.n1 - t.von + 1, b.n2 - t.von + 1, bindungstyp(b.strong, z));
  }
  std::fputs("M  END\n", fp);
}

std::string gross(const char* name) {
  std::string s;
  for (const char* c = name; *c; c++) s += static_cast<char>(std::toupper(static_cast<unsigned char>(*c)));
  return s;
}

// The atom name of columns 13-16: the name in capitals and its number among the part's atoms of
// that name, a one-letter name from column 14 on.
std::string pdb_atomname(const std::string& name, std::map<std::string, int>& anzahl) {
  std::string n = std::to_string(++anzahl[name]);
  return (name.size() == 1 && n.size() < 3 ? " " : "") + name + n;
}

// One chain per part, ended by TER; then CONECT records of each atom's partners, a partner named
// once per unit of the order (an aromatic one once), at most four to a record.
void pdb_schreiben(FILE* fp, const std::vector<Teil>& teile, Exportzaehlung& z) {
  std::vector<int> nummer(anz_atome);
  std::vector<std::vector<int>> partner(anz_atome);
  int serial = 1;
  for (std::size_t k = 0; k < teile.size(); k++) {
    const Teil& t = teile[k];
    char kette = static_cast<char>('A' + k);
    std::map<std::string, int> anzahl;
    for (int i = t.von; i < t.bis; i++, serial++) {
      const Atomlist& a = atomliste[i];
      std::string element = gross(name_zaehlen(a, z)), name = pdb_atomname(element, anzahl);
      std::fprintf(fp, "HETATM%5d %-4.4s UNL %c   1    %8.3f%8.3f%8.3f  1.00  0.00          %2.2s\n", serial,
                   name.c_str(), kette, a.p.x, a.p.y, a.p.z, element.c_str());
      nummer[i] = serial;
    }
    std::fprintf(fp, "TER   %5d      UNL %c   1\n", serial++, kette);
    for (int i = 0; i < anz_bonds; i++) {
      const Bondlist& b = bondliste[i];
      if (!t.enthaelt(b)) continue;
      int typ = bindungstyp(b.strong, z);
      for (int n = 0; n < (typ == 4 ? 1 : typ); n++) partner[b.n1].push_back(b.n2), partner[b.n2].push_back(b.n1);
    }
  }
  for (const Teil& t : teile)
    for (int i = t.von; i < t.bis; i++)
      for (std::size_t j = 0; j < partner[i].size(); j += 4) {
        std::fprintf(fp, "CONECT%5d", nummer[i]);
        for (std::size_t k = j; k < j + 4 && k < partner[i].size(); k++) std::fprintf(fp, "%5d", nummer[partner[i][k]]);
        std::fputc('\n', fp);
      }
  std::fputs("END\n", fp);
}

bool endet_mit(const char* name, const char* endung) {
  std::size_t n = std::strlen(name), e = std::strlen(endung);
  if (n < e) return false;
  for (std::size_t i = 0; i < e; i++)
    if (std::tolower(static_cast<unsigned char>(name[n - e + i])) != endung[i]) return false;
  return true;
}

}  // namespace

Exportformat exportformat(const char* name) {
  using Endung = std::pair<const char*, Exportformat>;
  static const Endung endungen[] = {{".xyz", Exportformat::xyz}, {".mol", Exportformat::mol},
                                    {".mdl", Exportformat::mol}, {".sdf", Exportformat::sdf},
                                    {".sd", Exportformat::sdf},  {".pdb", Exportformat::pdb},
                                    {".ent", Exportformat::pdb}, {".png", Exportformat::png}};
  auto e = std::find_if(std::begin(endungen), std::end(endungen),
                        [name](const Endung& e) { return endet_mit(name, e.first); });
  return e == std::end(endungen) ? Exportformat::unbekannt : e->second;
}

const char* formatname(Exportformat f) {
  static const char* const namen[] = {"XYZ", "MDL-Molfile", "SD-Datei", "PDB", "PNG", "?"};
  return namen[static_cast<int>(f)];
}

const char* export_hindernis(Exportformat f, int mnr) {
  std::vector<Teil> t = teile(f, mnr);
  auto zu_gross = [](const Teil& teil) { return teil.bis - teil.von > 999 || bindungen_in(teil) > 999; };
  if ((f == Exportformat::mol || f == Exportformat::sdf) && std::any_of(t.begin(), t.end(), zu_gross))
    return "\"%s\" nicht geschrieben:\nmehr als 999 Atome oder Bindungen in einem V2000-Molekuel.\n";
  bool pdb = f == Exportformat::pdb;
  if (f != Exportformat::xyz && !spalten_reichen(t, pdb ? "%.3f" : "%.4f", pdb ? 8 : 10))
    return "\"%s\" nicht geschrieben:\nKoordinaten zu gross fuer die Spalten des Formats.\n";
  return nullptr;
}

Exportzaehlung export_schreiben(Exportformat f, FILE* fp, int mnr) {
  Exportzaehlung z;
  std::vector<Teil> t = teile(f, mnr);
  if (f == Exportformat::pdb) pdb_schreiben(fp, t, z);
  for (const Teil& teil : t) {
    if (f == Exportformat::xyz) xyz_schreiben(fp, teil, z);
    if (f == Exportformat::mol || f == Exportformat::sdf) mol_schreiben(fp, teil, z);
    if (f == Exportformat::sdf) std::fputs("$$$$\n", fp);
  }
  return z;
}
