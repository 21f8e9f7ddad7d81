// "Save File..." with a foreign ending and "Export...", answered as a user would: the one file left behind.
#include "edit/export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "edit/datei.h"
#include "model/tabellen.h"
#include "testhilfe.h"

TEST(Export, Dialoge) {
  struct Fall {
    void (*befehl)(long);
    std::vector<Antwort> dialog;
    std::string anfang;  // how the one file begins ("": none is left); "alt" stood there before
  } faelle[] = {
      {m_save_file, {{"", {"b.SDF"}}}, "quil\n  quil"},
      {m_save_file, {{"", {"a.pdb"}}, {"Datei \"a.pdb\" schon vorhanden.\nNichts gespeichert."}}, "alt"},
      {m_export, {{"Export: Dateiname (.xyz .mol .sdf .pdb .png)=export.xyz", {"a/b.MOL"}}, {"kann \"a/b.MOL\""}}, ""},
      {m_export, {{"=a/b.MOL", {"a.txt"}}, {"Format von \"a.txt\" unbekannt:\nEndungen .xyz .mol .sdf .pdb .png"}}, ""},
  };
  Arbeitsverzeichnis hier;
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.dialog.back().zeigt);
    tabellen_leeren();
    molekuel[0].init(anz_molek++, 1, 0);
    molekuel[0].addatom("N", {0, 0, 0});
    if (f.anfang == "alt") std::ofstream("a.pdb") << "alt\n";
    bedienen(f.befehl, f.dialog);
    std::string text;  // of every file, each then removed: no temporary file stays
    for (auto& e : std::filesystem::directory_iterator(".")) {
      std::ifstream datei(e.path());
      text += std::string(std::istreambuf_iterator<char>(datei), {}).substr(0, f.anfang.size()) + "|";
      std::filesystem::remove(e);
    }
    EXPECT_EQ(text, f.anfang.empty() ? "" : f.anfang + "|");
  }
}
