// Loading and saving from the menu. Loading reads a name with ".xyz" as structure text and
// recognises other files by their content, as start-up does with the first file; what is not
// recognised is read as structure text. Saving proposes
// "default.xyz" and then the series "default1.xyz", "default2.xyz", ...; a file of the chosen name
// is never replaced. A name with the ending of a format other programs read is written in that
// format, as the export writes it.
#include "edit/datei.h"

#include <cstdio>
#include <cstring>
#include <mutex>

#include "edit/export.h"
#include "io/datei.h"
#include "io/sniff.h"
#include "io/start.h"
#include "io/xyz.h"
#include "io/zeilen.h"
#include "model/tabellen.h"
#include "model/zustand.h"
#include "relax/epaare.h"
#include "ui/dialoge.h"

namespace {

using Sperre = std::lock_guard<std::mutex>;

constexpr int NAMENSLAENGE = 200;
const char vorhanden[] = "Datei \"%s\" schon vorhanden.\nNichts gespeichert.\n";

bool automatisch(const char* name) { return std::strncmp(name, "default", 7) == 0; }

// Structure text is saved under every other name, ".xyz" and names without a known ending alike.
bool fremdformat(const char* name) {
  Exportformat f = exportformat(name);
  return f != Exportformat::xyz && f != Exportformat::unbekannt;
}

// What to save: a molecule number, -1 everything as one molecule, -2 all molecules in blocks.
// False when the user cancels or names no molecule.
bool auswahl_fragen(int molekuele, int& mnr) {
  int a = janeinrequester3("Was soll gespeichert werden?", "alles", "nur 1 Molekuel", "cancel");
  if (a == -1) {
    std::puts("cancel - nichts gespeichert");
    return false;
  }
  if (a == 1) {
    const char* frage = "Alles als einzelnes Molekuel speichern\noder mehrere Molekuele in selber Datei?";
    mnr = janeinrequester(frage, "einzelnes", "mehrere") == 1 ? -1 : -2;
    return true;
  }
  char txt[80], antw[80] = "0";
  std::snprintf(txt, sizeof txt, "Molekuel-Nr: (0 - %d):", molekuele - 1);
  mnr = 0;
  if (requester_input(1, txt, "%s", "%s", antw) != 1) {
    std::puts("Eingabe von Melekuel-Nr mit Cancel abgebrochen");
    return false;
  }
  if (antw[0] == '*') {
    mnr = -2;
    return true;
  }
  std::sscanf(antw, "%d", &mnr);
  if (mnr >= 0 && mnr < molekuele) return true;
  myprintd("ungueltige Molekuel-Nr: %d\n", mnr);
  return false;
}

// Writes the choice mnr to a new file of the given name; an automatic name that is taken moves on
// to the next free number of the series.
void schreiben(char* filename, int mnr, int& defaultnr) {
  if (fremdformat(filename)) {
    if (exportieren(filename, exportformat(filename), mnr, false) == Anlegen::vorhanden) myprints(vorhanden, filename);
    return;
  }
  for (;;) {
    if (automatisch(filename))
      while (datei_vorhanden(filename)) std::snprintf(filename, NAMENSLAENGE, "default%d.xyz", defaultnr++);
    Anlegen ergebnis;
    {
      Sperre sperre(tabellen_sperre);
      alle_freie_elektronen_loeschen();
      ergebnis = datei_anlegen(filename, [mnr](FILE* fp) {
        if (mnr < 0)
          alles_xyzspeichern(fp, nullptr, mnr);
        else if (mnr < anz_molek)
          molekuel_xyzspeichern(mnr, fp, nullptr);
      });
    }
    if (ergebnis == Anlegen::erledigt) return gespeichert_melden(mnr, filename);
    if (ergebnis == Anlegen::fehler) return myprints("kann \"%s\" nicht erstellen.\nNichts gespeichert.\n", filename);
    if (!automatisch(filename)) return myprints(vorhanden, filename);
  }
}

}  // namespace

void m_open_file(long) {
  static char filename[NAMENSLAENGE] = "test.xyz";
  if (nachfilenamefragen("Lade Molekuel von xyz-Datei", filename, NAMENSLAENGE) != 1) return;
  FILE* fp = zum_lesen_oeffnen(filename);
  if (!fp) return myprints("kann \"%s\" nicht oeffnen.\n", filename);
  bool neu;
  {
    Sperre sperre(tabellen_sperre);
    int vorher = anz_atome;
    if (!struktur_einlesen(fp, index(filename, ".xyz") < 0)) {
      std::rewind(fp);
      xyzeinlesen(fp);
    }
    neu = anz_atome > vorher;
    if (neu) ansicht_anpassen = 1;
  }
  std::fclose(fp);
  if (!neu) return myprints(keine_atome, filename);
  std::printf("\"%s\" eingelesen\n", filename);
}

void m_save_file(long) {
  static char filename[NAMENSLAENGE] = "default.xyz";
  static int defaultnr = 0;
  int molekuele;
  {
    Sperre sperre(tabellen_sperre);
    alle_freie_elektronen_loeschen();
    molekuele = anz_molek;
  }
  if (defaultnr > 0 && automatisch(filename)) std::snprintf(filename, NAMENSLAENGE, "default%d.xyz", defaultnr);
  int mnr = -1;
  if (molekuele > 1 && !auswahl_fragen(molekuele, mnr)) return;
  const char* titel = mnr == -2 ? "Speichere alle Molekuele in xyz-Datei" : "Speichere Molekuel in xyz-Datei";
  if (nachfilenamefragen(titel, filename, NAMENSLAENGE) != 1) return;
  if (automatisch(filename) && !fremdformat(filename)) defaultnr++;
  schreiben(filename, mnr, defaultnr);
}
