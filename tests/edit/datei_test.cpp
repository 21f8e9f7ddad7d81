// Saving and loading from the menu, in a directory of their own.
#include "edit/datei.h"

#include <sys/mount.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>

#include "bearbeiten.h"

namespace {

namespace fs = std::filesystem;

// Works in a new directory, removed afterwards.
struct Datei : Bearbeiten {
  fs::path alt = fs::current_path(), pfad = fs::temp_directory_path() / ("quil-test-" + std::to_string(getpid()));
  void SetUp() override {
    fs::create_directory(pfad);
    fs::current_path(pfad);
  }
  void TearDown() override {
    fs::current_path(alt);
    fs::remove_all(pfad);
  }
};

// The files of a directory, with their texts.
std::map<std::string, std::string> dateien(const std::string& verzeichnis = ".") {
  std::map<std::string, std::string> d;
  for (auto& e : fs::directory_iterator(verzeichnis)) {
    std::ifstream datei(e.path());
    d[e.path().filename()] = std::string(std::istreambuf_iterator<char>(datei), {});
  }
  return d;
}

const std::string namensfrage = "Provisorischer filename-Requester:\n";

// One molecule, or of two all as one, all in blocks, or one; the default series; refusals. The one
// new file holds exactly what the writer writes for the choice; no other file changes.
TEST_F(Datei, Speichern) {
  // both molecules or only the first, a file made before, the dialogs; what is printed ("-" first: no file name was
  // asked), the new file, what it holds: a molecule, -1 all as one, -2 all in blocks
  const std::tuple<bool, const char*, std::vector<Antwort>, const char*, const char*, int> faelle[] = {
      {false,
       "",
       {{"Speichere Molekuel in xyz-Datei=default.xyz"}},
       "Alles als einziges Molekuel in \"default.xyz\" gespeichert.\n",
       "default.xyz",
       -1},
      {false,
       "default1.xyz",
       {{"=default1.xyz"}},
       "Alles als einziges Molekuel in \"default2.xyz\" gespeichert.\n",
       "default2.xyz",
       -1},
      {false, "", {{"=default3.xyz", {}, 0}}, "", "", 0},
      {true,
       "",
       {{"Was soll gespeichert werden?"}, {"Alles als einzelnes"}, {"=default3.xyz", {"a"}}},
       "Alles als einziges Molekuel in \"a\" gespeichert.\n",
       "a",
       -1},
      {true,
       "",
       {{""}, {"", {}, 0}, {"Speichere alle Molekuele in xyz-Datei=a", {"b"}}},
       "Alle Molekuele in \"b\" gespeichert.\n",
       "b",
       -2},
      {true, "", {{""}, {"", {}, -1}, {"", {"c"}}}, "Alle Molekuele in \"c\" gespeichert.\n", "c", -2},
      {true,
       "",
       {{"", {}, 0}, {"Molekuel-Nr: (0 - 1):=0", {"*"}}, {"Speichere alle", {"d"}}},
       "Alle Molekuele in \"d\" gespeichert.\n",
       "d",
       -2},
      {true, "", {{"", {}, 0}, {"", {"1"}}, {"", {"e"}}}, "Molekuel 1 als \"e\" gespeichert.\n", "e", 1},
      {true, "", {{"", {}, 0}, {"", {"5"}}, {"ungueltige Molekuel-Nr: 5"}}, "-", "", 0},
      {true, "", {{"", {}, -1}}, "-cancel - nichts gespeichert\n", "", 0},
      {true, "", {{"", {}, 0}, {"", {}, 0}}, "-Eingabe von Melekuel-Nr mit Cancel abgebrochen\n", "", 0},
      {false, "", {{"=e", {"a"}}, {"Datei \"a\" schon vorhanden.\nNichts gespeichert.\n"}}, "", "", 0},
      {false,
       "",
       {{"=a", {"default.xyz"}}},
       "Alles als einziges Molekuel in \"default4.xyz\" gespeichert.\n",
       "default4.xyz",
       -1},
  };
  for (const auto& [zwei, besetzt, dialog, ausgabe, datei, wahl] : faelle) {
    SCOPED_TRACE(dialog[0].zeigt + besetzt);
    bauen();
    if (!zwei) anz_molek = 1, anz_atome = 7;
    if (*besetzt) std::ofstream(besetzt) << "1 0\nN 0 0 0\n";
    auto nachher = dateien(), vorher = nachher;
    std::string soll = geschrieben([&, wahl = wahl](FILE* fp) {
      wahl < 0 ? alles_xyzspeichern(fp, nullptr, wahl) : molekuel_xyzspeichern(wahl, fp, nullptr);
    });
    EXPECT_EQ(bedienen(m_save_file, dialog), *ausgabe == '-' ? ausgabe + 1 : namensfrage + ausgabe);
    nachher = dateien();
    for (auto& [name, text] : vorher) EXPECT_EQ(nachher.extract(name).mapped(), text);
    EXPECT_EQ(nachher, (*datei ? decltype(nachher){{datei, soll}} : decltype(nachher){}));
  }
}

// A full disk and a read-only one: the requester says so, nothing is reported saved, no file is left.
TEST_F(Datei, SpeichernScheitert) {
  for (unsigned long art : {0ul, static_cast<unsigned long>(MS_RDONLY)}) {
    SCOPED_TRACE(art);
    fs::create_directory("platte");
    if (mount("tmpfs", "platte", "tmpfs", art, "size=4k") != 0) GTEST_SKIP() << "kein tmpfs: " << std::strerror(errno);
    if (!art) std::ofstream("platte/voll") << std::string(4096, 'x');
    auto vorher = dateien("platte");
    bauen();
    EXPECT_EQ(bedienen(m_save_file, {{"", {}, 0},
                                     {"", {"*"}},
                                     {"", {"platte/x"}},
                                     {"kann \"platte/x\" nicht erstellen.\nNichts gespeichert.\n"}}),
              namensfrage);
    EXPECT_EQ(dateien("platte"), vorher);
    umount("platte");
  }
}

}  // namespace
