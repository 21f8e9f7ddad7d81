// The structure text format: reader, placement of further molecules, and the writers.
#include "io/xyz.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <utility>

#include "io/pdb.h"
#include "io/zeilen.h"
#include "model/bindungserkennung.h"
#include "model/elemente.h"
#include "model/tabellen.h"

namespace {

enum class Kopf { zaehlzeile, pdb, dateiende };

// Reads the header up to the first count line, which is left in zeile.
Kopf kopf_lesen(FILE* fp, char* zeile, int* molekuele) {
  while (naechste_zeile(fp, zeile)) {
    const char* s = zeile + std::strspn(zeile, " ");
    if (std::isdigit(static_cast<unsigned char>(*s))) return Kopf::zaehlzeile;
    if (atomsatz(s)) return Kopf::pdb;
    if (beginnt_mit(s, "mol")) {
      myscanf(s + 3, molekuele);
      if (*molekuele < 1) {
        std::printf("Fehler in xyz-Datei: \"%s\"\n", zeile);
        *molekuele = 1;
      }
    }
  }
  return Kopf::dateiende;
}

// Checks the counts against the limits of the tables; prints why a block cannot be taken.
bool platz_fuer(int atome, int bindungen) {
  if (atome < 1) {
    std::puts("Fehler in xyzeinlesen(): keine Atome");
    return false;
  }
  if (atome > MAX_ATOME - anz_atome) {
    std::printf("zu viele Atome, auf %d begrenzt\n", MAX_ATOME);
    return false;
  }
  if (bindungen > MAX_BONDS - anz_bonds) {
    std::printf("zu viele Bindungen, auf %d begrenzt\n", MAX_BONDS);
    return false;
  }
  if (anz_molek == MAX_MOLEKUELE) {
    std::printf("zu viele Molekuele, auf %d begrenzt\n", MAX_MOLEKUELE);
    return false;
  }
  return true;
}

// Splits an atom line into its name and x, y, z; false when not all four fields are there.
bool atom_zerlegen(const char* zeile, char* name, double* x, double* y, double* z) {
  const char* s = wort_lesen(zeile, name, ZEILENLAENGE);
  return s && (s = zahl_lesen(s, x)) && (s = zahl_lesen(s, y)) && zahl_lesen(s, z);
}

// An atom line, z turned (structure text) or as it stands (plain XYZ); the atom's number, or -1
// when its position is not finite and it was left out.
int atomzeile_lesen(Molekuel& m, const char* zeile, bool z_drehen) {
  char name[ZEILENLAENGE] = "";
  double x = 0, y = 0, z = 0;
  if (!atom_zerlegen(zeile, name, &x, &y, &z)) std::printf("Fehler: zeile=\"%s\"\n", zeile);
  if (std::strlen(name) > 2) std::printf("Fehlerhaftes Atom: \"%s\"\n", name);
  if (!position_endlich(x, y, z, zeile)) return -1;
  Vektor3d v(x, y, z_drehen ? -z : z);
  m.addatom(name, v);
  return m.ia + m.natoms - 1;
}

// A bond line: two atom numbers counted from the block's first atom line and an optional order;
// nummer gives the atom each of the n atom lines became (-1: left out, and its bonds with it).
void bindungszeile_lesen(Molekuel& m, const char* zeile, const int* nummer, int n) {
  int a, b;
  float ordnung = 0;
  const char* s = ganzzahl_lesen(zeile, &a);
  if (!s || !(s = ganzzahl_lesen(s, &b))) {
    std::printf("Fehler: zeile=\"%s\"\n", zeile);
    return;
  }
  if (a < 0 || a >= n || b < 0 || b >= n) {
    std::printf("Fehler: Atomnummer ausserhalb des Molekuels: zeile=\"%s\"\n", zeile);
    return;
  }
  zahl_lesen(s, &ordnung);
  if (nummer[a] >= 0 && nummer[b] >= 0) m.addbond(nummer[a], nummer[b], ordnung);
}

double& komponente(Vektor3d& v, int k) { return k == 0 ? v.x : k == 1 ? v.y : v.z; }

void grenzen(int von, int bis, Vektor3d& min, Vektor3d& max) {
  min = max = atomliste[von].p;
  for (int i = von + 1; i < bis; i++)
    for (int k = 0; k < 3; k++) {
      double w = komponente(atomliste[i].p, k);
      if (w < komponente(min, k)) komponente(min, k) = w;
      if (w > komponente(max, k)) komponente(max, k) = w;
    }
}

// Moves the atoms from nrstart on beside everything loaded before them, 2.5 apart, along
// the axis and direction of the smallest move; ties fall through to the move along -z.
void platzieren(int nrstart) {
  Vektor3d omin, omax, nmin, nmax;
  grenzen(0, nrstart, omin, omax);
  grenzen(nrstart, anz_atome, nmin, nmax);
  const double g = 2.5;
  double weg[6];
  for (int k = 0; k < 3; k++) {
    weg[k] = komponente(omax, k) - komponente(nmin, k) + g;
    weg[k + 3] = komponente(nmax, k) - komponente(omin, k) + g;
  }
  int wahl = 5;
  for (int i = 0; i < 5 && wahl == 5; i++) {
    bool kleinster = true;
    for (int j = 0; j < 6; j++)
      if (j != i && !(weg[i] < weg[j])) kleinster = false;
    if (kleinster) wahl = i;
  }
  Vektor3d schub;
  komponente(schub, wahl % 3) = wahl < 3 ? weg[wahl] : -weg[wahl];
  for (int i = nrstart; i < anz_atome; i++) atomliste[i].p += schub;
}

// Reads one molecule block whose count line is in zeile; false when reading must stop.
// A count line of the atom count alone is followed by plain XYZ's title line (empty, or no atom
// line): then z stays as it stands and the bonds come from the distances. A comment or an atom
// line there go on as structure text.
bool block_lesen(FILE* fp, char* zeile) {
  int atome = 0, bindungen = 0;
  const char* s = ganzzahl_lesen(zeile, &atome);
  bool allein = s && !ganzzahl_lesen(s, &bindungen), titel = false, plain = false;
  if (allein) bindungen = 0;
  if (bindungen < 0) {
    std::printf("Fehler in xyz-Datei: \"%s\"\n", zeile);
    bindungen = 0;
  }
  if (!platz_fuer(atome, bindungen)) return false;
  int nr = anz_molek++;
  Molekuel& m = molekuel[nr];
  m.init(nr, atome, bindungen);
  int nummer[MAX_ATOME], n = 0;
  if (allein && getline(fp, zeile, ZEILENLAENGE)) {
    if (zeile[0] == ';')
      titel = true;  // a title line may still follow the comments
    else if (atomzeile(zeile))
      nummer[n++] = atomzeile_lesen(m, zeile, true);
    else
      plain = true;
  }
  while (n < atome && naechste_zeile(fp, zeile))
    if (!std::exchange(titel, false) || atomzeile(zeile)) nummer[n++] = atomzeile_lesen(m, zeile, !plain);
  for (int i = 0; i < bindungen && naechste_zeile(fp, zeile); i++) bindungszeile_lesen(m, zeile, nummer, n);
  m.rest_freigeben();
  if (nr > 0 && m.ia > 0 && m.natoms > 0) platzieren(m.ia);
  if (plain && m.natoms > 0) bindungen_erkennen(nr);
  return true;
}

void atomzeile_schreiben(FILE* fp, const Atomlist& a) {
  std::fprintf(fp, " %-2.2s %12.6f %12.6f %12.6f\n", a.name, a.p.x, a.p.y, -a.p.z);
}

// A bond of molecule nr that it can write itself: both ends inside its run.
bool eigene_bindung(const Molekuel& m, const Bondlist& b) {
  auto innen = [&](int n) { return n >= m.ia && n < m.ia + m.natoms; };
  return b.molekuelnr == m.nr && innen(b.n1) && innen(b.n2);
}

}  // namespace

bool atomzeile(const char* zeile) {
  char name[ZEILENLAENGE];
  const char* s = wort_lesen(zeile, name, ZEILENLAENGE);
  if (!s || (pernr(name) == 0 && std::strcmp(name, "e") != 0)) return false;
  int zahlen = 0;
  double w;
  for (const char* t; (t = zahl_lesen(s, &w)) != nullptr; s = t, zahlen++)
    if (*t && !std::isspace(static_cast<unsigned char>(*t))) return false;
  return zahlen >= 3 && !s[std::strspn(s, " \t")];
}

void xyzeinlesen(FILE* fp) {
  char zeile[ZEILENLAENGE];
  int molekuele = 1;
  switch (kopf_lesen(fp, zeile, &molekuele)) {
    case Kopf::pdb: pdb_einlesen(fp, zeile); return;
    case Kopf::dateiende: std::puts("Fehler in xyzeinlesen(): keine Atome"); return;
    case Kopf::zaehlzeile: break;
  }
  while (block_lesen(fp, zeile) && --molekuele > 0)
    if (!naechste_zeile(fp, zeile)) zeile[0] = '\0';
}

void molekuel_xyzspeichern(int nr, FILE* fp, const char* name) {
  const Molekuel& m = molekuel[nr];
  int bindungen = 0;
  for (int i = 0; i < anz_bonds; i++) {
    const Bondlist& b = bondliste[i];
    if (eigene_bindung(m, b))
      bindungen++;
    else if (b.molekuelnr == nr)
      std::printf("Bindung %d-%d fuehrt aus Molekuel %d heraus, nicht gespeichert\n", b.n1, b.n2, nr);
  }
  std::fprintf(fp, "%d  %d\n", m.natoms, bindungen);
  for (int i = 0; i < m.natoms; i++) atomzeile_schreiben(fp, atomliste[m.ia + i]);
  for (int i = 0; i < anz_bonds; i++)
    if (eigene_bindung(m, bondliste[i]))
      fprintf_bindung(fp, bondliste[i].n1 - m.ia, bondliste[i].n2 - m.ia, bondliste[i].strong);
  if (name) gespeichert_melden(nr, name);
}

void alles_xyzspeichern(FILE* fp, const char* name, int flag) {
  if (flag == -1) {
    std::fprintf(fp, "%d  %d\n", anz_atome, anz_bonds);
    for (int i = 0; i < anz_atome; i++) atomzeile_schreiben(fp, atomliste[i]);
    for (int i = 0; i < anz_bonds; i++) fprintf_bindung(fp, bondliste[i].n1, bondliste[i].n2, bondliste[i].strong);
  } else {
    if (anz_molek > 1) std::fprintf(fp, "molekuele=%d  ;Anzahl Molekuele in dieser Datei\n", anz_molek);
    for (int i = 0; i < anz_molek; i++) molekuel_xyzspeichern(i, fp, nullptr);
  }
  if (name) gespeichert_melden(flag, name);
}

void gespeichert_melden(int nr, const char* name) {
  if (nr == -1)
    std::printf("Alles als einziges Molekuel in \"%s\" gespeichert.\n", name);
  else if (nr < 0)
    std::printf("Alle Molekuele in \"%s\" gespeichert.\n", name);
  else
    std::printf("Molekuel %d als \"%s\" gespeichert.\n", nr, name);
}

// Whole orders are written without decimals ("%.0f" prints what "%d" would, for any size).
void fprintf_bindung(FILE* fp, int i1, int i2, float strong) {
  if (strong == 1)
    std::fprintf(fp, "%d %d\n", i1, i2);
  else if (strong == std::trunc(strong))
    std::fprintf(fp, "%d %d %.0f\n", i1, i2, strong);
  else
    std::fprintf(fp, "%d %d %.1f\n", i1, i2, strong);
}
