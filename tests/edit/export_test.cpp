// "Export..." and "Save File..." with a foreign ending, their dialogs answered: which file they leave, with what.
#include "edit/export.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "edit/datei.h"
#include "model/tabellen.h"
#include "testhilfe.h"
#include "ui/bildabzug.h"

namespace fs = std::filesystem;

TEST(Export, Dialoge) {
  struct Fall {
    void (*befehl)(long);
    const char* besetzt;  // a file holding "alt" before
    std::vector<Antwort> dialog;
    const char *datei, *anfang;  // the one file afterwards ("": none), how it begins
    const char* meldung = "";    // the confirmation ("": none)
  };
  const char* ersetzen = "Datei \"a.pdb\" schon vorhanden.\nErsetzen?";
  const Fall faelle[] = {
      {m_export,
       "",
       {{"Export: Dateiname (.xyz .mol .sdf .pdb .png)=export.xyz", {"a.pdb"}}},
       "a.pdb",
       "HETATM    1",
       "\"a.pdb\" als PDB geschrieben: 2 Atome, 1 Bindungen\n"},
      {m_export, "a.pdb", {{"=a.pdb"}, {ersetzen, {}, 0}}, "a.pdb", "alt"},
      {m_export, "a.pdb", {{""}, {ersetzen, {}, -1}}, "a.pdb", "alt"},
      {m_export, "a.pdb", {{""}, {ersetzen}}, "a.pdb", "HETATM    1", "PDB geschrieben"},
      {m_export, "", {{"", {"a.txt"}}, {"Format von \"a.txt\" unbekannt:\nEndungen .xyz .mol .sdf .pdb .png"}}, "", ""},
      {m_export, "", {{"", {"fehlt/a.MOL"}}, {"kann \"fehlt/a.MOL\" nicht erstellen."}}, "", ""},
      {m_save_file, "", {{"", {"b.SDF"}}}, "b.SDF", "quil", "SD-Datei geschrieben"},
      {m_save_file,
       "b.sdf",
       {{"", {"b.sdf"}}, {"Datei \"b.sdf\" schon vorhanden.\nNichts gespeichert."}},
       "b.sdf",
       "alt"},
      {m_export, "", {{"", {"c.png"}}}, "c.png", "\x89PNG", "\"c.png\" als PNG geschrieben: 2 x 1 Pixel\n"},
  };
  Arbeitsverzeichnis hier;
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.dialog[0].zeigt + f.besetzt + f.anfang);
    tabellen_leeren();
    molekuel[0].init(anz_molek++, 2, 1);
    molekuel[0].addatom("N", {0, 0, 0}), molekuel[0].addatom("N", {1.1, 0, 0}), molekuel[0].addbond(0, 1, 3);
    for (auto& e : fs::directory_iterator(".")) fs::remove(e);
    if (*f.besetzt) std::ofstream(f.besetzt) << "alt\n";
    std::atomic<bool> fertig{false};
    std::thread hauptthread([&] {  // hands a picture of two pixels over, as the main thread reads one back
      for (; !fertig; std::this_thread::sleep_for(std::chrono::milliseconds(1)))
        if (Bild* b = bild_angefordert()) *b = {2, 1, {255, 0, 0, 0, 0, 255}}, bild_geliefert();
    });
    std::string ausgabe = bedienen(f.befehl, f.dialog);
    fertig = true;
    hauptthread.join();
    std::vector<std::string> dateien;
    for (auto& e : fs::directory_iterator(".")) dateien.push_back(e.path().filename());
    EXPECT_EQ(dateien, *f.datei ? std::vector<std::string>{f.datei} : std::vector<std::string>{});
    std::ifstream datei(f.datei);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(datei), {}).substr(0, std::strlen(f.anfang)), f.anfang);
    EXPECT_EQ(ausgabe.find(" geschrieben: ") != std::string::npos, *f.meldung != 0) << ausgabe;
    EXPECT_NE(ausgabe.find(f.meldung), std::string::npos) << ausgabe;
  }
}
