// Changing single atoms and bonds. The dialogs run on the menu thread and take the table lock
// only around reading and changing, never while the user is asked.
#include "edit/atome.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <mutex>

#include "edit/abstand.h"
#include "edit/winkel.h"
#include "io/zeilen.h"
#include "model/aendern.h"
#include "model/tabellen.h"
#include "model/undoliste.h"
#include "ui/dialoge.h"
#include "ui/menu.h"

namespace {

using Sperre = std::lock_guard<std::mutex>;

void melden(const char* text) { janeinrequester(text, "ok", nullptr); }

// Element names are one capital, optionally followed by a small letter (or start with a
// character that is no letter).
bool name_gueltig(const char* name) {
  std::size_t n = std::strlen(name);
  return n >= 1 && n <= 2 && !std::islower(static_cast<unsigned char>(name[0])) &&
         !(n == 2 && std::isupper(static_cast<unsigned char>(name[1])));
}

struct Atomdaten {
  char name[80];
  Vektor3d p;
  int mnr;
};

// The atom dialog; false when cancelled.
bool atom_fragen(int nr, Atomdaten& a) {
  char label[80];
  std::snprintf(label, sizeof label, "Atom %d (in Molekuel %d)", nr, a.mnr);
  return requester_input(4, label, "%s", "%s\n", a.name, "Position x", "%12.6f", "%lf", &a.p.x, "Position y", "%12.6f",
                         "%lf", &a.p.y, "Position z", "%12.6f", "%lf", &a.p.z) == 1;
}

}  // namespace

void m_atom_aendern(long id) {
  if (id == 0) {
    menu.run(m_atom_aendern);
    return;
  }
  static int nr = 0;
  int auswahl, letztes;
  {
    Sperre sperre(tabellen_sperre);
    auswahl = nsel;
    letztes = anz_atome - 1;
    if (auswahl == 1) nr = selectlist[0];
  }
  if (auswahl >= 3) return m_winkel(id);
  if (auswahl == 2) return m_bindung(id);
  if (auswahl == 0) {
    char label[80];
    std::snprintf(label, sizeof label, "Atom-Nummer (0 - %d)", letztes);
    if (requester_input(1, label, "%d", "%d", &nr) != 1) return;
  }
  Atomdaten a;
  {
    Sperre sperre(tabellen_sperre);
    if (atom_da(nr)) {
      std::snprintf(a.name, sizeof a.name, "%s", atomliste[nr].name);
      a.p = atomliste[nr].p;
      a.mnr = atomliste[nr].molekuelnr;
    }
  }
  if (nr < 0 || nr > letztes) return melden("falsche Atom-Nummer");
  if (!atom_fragen(nr, a)) return;
  strclean(a.name);
  bool gueltig = name_gueltig(a.name), endlich = std::isfinite(abs(a.p));
  {
    Sperre sperre(tabellen_sperre);
    if (gueltig && endlich && atom_da(nr)) {
      Undo& u = undoliste[undo_add(1, nr)];
      u.mnr = atomliste[nr].molekuelnr;
      u.vektor = atomliste[nr].p;
      std::memcpy(u.atomname, atomliste[nr].name, sizeof u.atomname);
      atomliste[nr].set(a.name, a.p, u.mnr);
    }
    auswahl_aufheben();
  }
  if (!gueltig)
    myprints(" ungueltiges Atom '%s' \n nichts veraendert", a.name);
  else if (!endlich)
    melden("ungueltige Position\nnichts veraendert");
}

namespace {

// The bond by its number or by two atom numbers, as the user prefers; false when cancelled.
bool bindung_waehlen(int& bnr, int& anr1, int& anr2, bool& nach_nummer) {
  nach_nummer = janeinrequester(" Bindungs-Nummer oder Atom-Nummern ? ", "Bindungs", "Atom-Nr") == 1;
  if (!nach_nummer) return requester_input(2, "Atom-Nr 1", "%d", "%d", &anr1, "Atom-Nr 2", "%d", "%d", &anr2) == 1;
  char label[80];
  {
    Sperre sperre(tabellen_sperre);
    std::snprintf(label, sizeof label, "Bindungs-Nummer (0 - %d)", anz_bonds - 1);
  }
  return requester_input(1, label, "%d", "%d", &bnr) == 1;
}

// Finds the chosen bond (the stored direction follows the user's order), or prepares a new one
// of order 0; the message when the numbers name no bond or no two atoms. Lock held.
const char* bindung_aufloesen(bool nach_nummer, int& bnr, int& anr1, int& anr2, Bondlist& bond) {
  if (nach_nummer) {
    if (bnr < 0 || bnr >= anz_bonds) return "falsche Bindungs-Nummer";
    anr1 = bondliste[bnr].n1;
    anr2 = bondliste[bnr].n2;
  }
  if (!atom_da(anr1) || !atom_da(anr2)) return "falsche Atom-Nummer";
  if (anr1 == anr2) return "zweimal dasselbe Atom\nnichts veraendert";
  if (!nach_nummer) bnr = bindung_suchen(anr1, anr2);
  if (bnr < anz_bonds) {
    bondliste[bnr].n1 = anr1;
    bondliste[bnr].n2 = anr2;
    bond = bondliste[bnr];
  } else {
    bond.set(anr1, anr2, 1, atomliste[anr1].molekuelnr);
    bond.strong = 0;
  }
  return nullptr;
}

// Stores the new order: creates, changes or deletes the bond; the undo record written, or -1.
int ordnung_setzen(int& bnr, Bondlist& bond, const char*& meldung) {
  if (bnr == anz_bonds) {
    if (bond.strong <= 0) return -1;
    if (atomliste[bond.n1].molekuelnr != atomliste[bond.n2].molekuelnr)
      meldung = "Atome verschiedener Molekuele:\nkeine Bindung angelegt.";
    else if (anz_bonds == MAX_BONDS)
      meldung = "Zu viele Bindungen\nkeine neue angelegt.";
    else
      bindung_anhaengen(bond);
    if (meldung) bond.strong = 0;  // nothing for an undo to put back
    return -1;
  }
  if (bond.strong <= 0) {
    bindung_loeschen(bnr);
    bnr = anz_bonds;
    bond.strong = 0;
    return -1;
  }
  if (bond.strong == bondliste[bnr].strong) return -1;
  int r = undo_add(2, bnr);
  undoliste[r].bond = bondliste[bnr];
  bondliste[bnr].strong = bond.strong;
  return r;
}

struct Bindungsdialog {
  double abstand;
  double strong;
  char antw[80];
};

// The changes of a confirmed bond dialog; the message to show, or null. Lock held.
const char* bindung_aendern(int bnr, int anr1, int anr2, Bondlist bond, const Bindungsdialog& d, double abstandvorher) {
  if (!std::isfinite(d.abstand) || !std::isfinite(d.strong)) return "ungueltige Zahl\nnichts veraendert";
  bool neu_abstand = !fastgleichd(d.abstand, abstandvorher, 1e-4);
  if (neu_abstand && d.abstand <= 0) return "ungueltiger Abstand\nnichts veraendert";
  if (!atom_da(anr1) || !atom_da(anr2)) return "falsche Atom-Nummer";
  double ist = abs(atomliste[anr2].p - atomliste[anr1].p);
  if (neu_abstand && ist == 0) return "Atome am selben Ort:\nnichts veraendert";
  if (!(bnr < anz_bonds && bondliste[bnr].verbindet(anr1, anr2))) bnr = bindung_suchen(anr1, anr2);
  const char* meldung = nullptr;
  bond.strong = static_cast<float>(d.strong);
  int r = ordnung_setzen(bnr, bond, meldung);
  if (!neu_abstand) return meldung;
  if (r < 0) {
    r = undo_add(2, bnr);
    undoliste[r].bond = bond;
  }
  bool nachschieben = d.antw[0] != 'n' && d.antw[0] != 'N';
  undoliste[r].abstand = ist;
  undoliste[r].flag = nachschieben;
  abstand_setzen(anr1, anr2, d.abstand, nachschieben);
  return meldung;
}

}  // namespace

void m_bindung(long id) {
  if (id == 0) {
    menu.run(m_bindung);
    return;
  }
  static int bnr = 0, anr1 = 0, anr2 = 0;
  int auswahl;
  {
    Sperre sperre(tabellen_sperre);
    auswahl = nsel;
    if (auswahl == 1) anr2 = anr1;
    if (auswahl >= 1) anr1 = selectlist[0];
    if (auswahl >= 2) anr2 = selectlist[1];
  }
  bool nach_nummer = false;
  if (auswahl < 2 && !bindung_waehlen(bnr, anr1, anr2, nach_nummer)) return;
  Bondlist bond;
  Bindungsdialog d{0, 0, "ja"};
  char label[80];
  const char* meldung;
  {
    Sperre sperre(tabellen_sperre);
    meldung = bindung_aufloesen(nach_nummer, bnr, anr1, anr2, bond);
    if (!meldung) {
      d.abstand = abs(atomliste[anr2].p - atomliste[anr1].p);
      d.strong = bond.strong;
      std::snprintf(label, sizeof label, "Abstand %s%d - %s%d", atomliste[anr1].name, anr1, atomliste[anr2].name, anr2);
    }
  }
  if (meldung) return melden(meldung);
  double abstandvorher = d.abstand;
  if (requester_input(3, label, "%f", "%lf\n", &d.abstand, "Bindung 1- bis 3-fach", "%.1f", "%lf", &d.strong,
                      "Rest nachschieben?", "%s", "%s", d.antw) != 1)
    return;
  {
    Sperre sperre(tabellen_sperre);
    meldung = bindung_aendern(bnr, anr1, anr2, bond, d, abstandvorher);
  }
  if (meldung) melden(meldung);
}
