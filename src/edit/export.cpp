// Exporting: the text formats straight from the tables under the lock, the picture from the main
// thread, which the command waits for without the lock; both written as a whole or not at all.
#include "edit/export.h"

#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "io/png.h"
#include "model/tabellen.h"
#include "relax/epaare.h"
#include "ui/bildabzug.h"
#include "ui/dialoge.h"

namespace {

constexpr int NAMENSLAENGE = 200;

using Schreiber = Anlegen (*)(const char*, const std::function<void(FILE*)>&);

// The confirmation line; a failure in a requester.
Anlegen melden(Anlegen ergebnis, const char* name, Exportformat f, const std::string& inhalt) {
  if (ergebnis == Anlegen::erledigt)
    std::printf("\"%s\" als %s geschrieben: %s\n", name, formatname(f), inhalt.c_str());
  if (ergebnis == Anlegen::fehler) myprints("kann \"%s\" nicht erstellen.\nNichts gespeichert.\n", name);
  return ergebnis;
}

Anlegen bild_exportieren(const char* name, Schreiber schreiber) {
  Bild bild;
  if (!bild_anfordern(bild)) return Anlegen::fehler;
  std::vector<unsigned char> png;
  Anlegen ergebnis = Anlegen::fehler;
  if (png_kodieren(bild.breite, bild.hoehe, bild.rgb.data(), png))
    ergebnis = schreiber(name, [&png](FILE* fp) { std::fwrite(png.data(), 1, png.size(), fp); });
  return melden(ergebnis, name, Exportformat::png,
                std::to_string(bild.breite) + " x " + std::to_string(bild.hoehe) + " Pixel");
}

std::string zaehlung_text(const Exportzaehlung& z) {
  std::string s = std::to_string(z.atome) + " Atome, " + std::to_string(z.bindungen) + " Bindungen";
  if (z.gerundet) s += ", " + std::to_string(z.gerundet) + " Bindungsordnungen gerundet";
  if (z.fremde_namen) s += ", " + std::to_string(z.fremde_namen) + " Atomnamen ohne Elementsymbol";
  return s;
}

}  // namespace

Anlegen exportieren(const char* name, Exportformat f, int mnr, bool ersetzen) {
  Schreiber schreiber = ersetzen ? datei_ersetzen : datei_anlegen;
  if (f == Exportformat::png) return bild_exportieren(name, schreiber);
  const char* hindernis;
  Exportzaehlung z;
  Anlegen ergebnis = Anlegen::fehler;
  {
    std::lock_guard<std::mutex> sperre(tabellen_sperre);
    alle_freie_elektronen_loeschen();
    hindernis = export_hindernis(f, mnr);
    if (!hindernis) ergebnis = schreiber(name, [&](FILE* fp) { z = export_schreiben(f, fp, mnr); });
  }
  if (!hindernis) return melden(ergebnis, name, f, zaehlung_text(z));
  myprints(hindernis, name);
  return Anlegen::fehler;
}

void m_export(long) {
  static char filename[NAMENSLAENGE] = "export.xyz";
  if (nachfilenamefragen("Export: Dateiname (.xyz .mol .sdf .pdb .png)", filename, NAMENSLAENGE) != 1) return;
  Exportformat f = exportformat(filename);
  if (f == Exportformat::unbekannt)
    return myprints("Format von \"%s\" unbekannt:\nEndungen .xyz .mol .sdf .pdb .png", filename);
  for (;;) {
    bool ersetzen = datei_vorhanden(filename);
    if (ersetzen && janeinrequester((std::string("Datei \"") + filename + "\" schon vorhanden.\nErsetzen?").c_str(),
                                    "ja", "nein") != 1)
      return;
    if (exportieren(filename, f, -2, ersetzen) != Anlegen::vorhanden) return;
  }
}
