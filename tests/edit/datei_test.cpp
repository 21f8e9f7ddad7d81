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

// One molecule, or of two all as one, all in blocks, or one; the default series; refusals. At most one new file,
// with what was chosen and named in the message; no other file changes.
TEST_F(Datei, Speichern) {
  struct Fall {
    bool zwei;            // both molecules, or only the first
    const char* besetzt;  // a file there before
    std::vector<Antwort> dialog;
    const char* datei;  // the new file ("": none) and its first line
    const char* kopf;
  };
  const char *eins = "7  6", *alles = "8  6", *bloecke = "molekuele=2  ;Anzahl Molekuele in dieser Datei";
  const Fall faelle[] = {
      {false, "", {{"Speichere Molekuel in xyz-Datei=default.xyz"}}, "default.xyz", eins},
      {false, "default1.xyz", {{"=default1.xyz"}}, "default2.xyz", eins},
      {false, "", {{"=default3.xyz", {}, 0}}, "", ""},
      {true, "", {{"Was soll gespeichert werden?"}, {"Alles als einzelnes"}, {"=default3.xyz", {"a"}}}, "a", alles},
      {true, "", {{""}, {"", {}, 0}, {"Speichere alle Molekuele in xyz-Datei=a", {"b"}}}, "b", bloecke},
      {true, "", {{""}, {"", {}, -1}, {"", {"c"}}}, "c", bloecke},
      {true, "", {{"", {}, 0}, {"Molekuel-Nr: (0 - 1):=0", {"*"}}, {"Speichere alle", {"d"}}}, "d", bloecke},
      {true, "", {{"", {}, 0}, {"", {"1"}}, {"", {"e"}}}, "e", "1  0"},
      {true, "", {{"", {}, 0}, {"", {"5"}}, {"ungueltige Molekuel-Nr: 5"}}, "", ""},
      {true, "", {{"", {}, -1}}, "", ""},
      {true, "", {{"", {}, 0}, {"", {}, 0}}, "", ""},
      {false, "", {{"=e", {"a"}}, {"Datei \"a\" schon vorhanden.\nNichts gespeichert.\n"}}, "", ""},
      {false, "", {{"=a", {"default.xyz"}}}, "default4.xyz", eins},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.dialog[0].zeigt + f.besetzt);
    bauen();
    if (!f.zwei) anz_molek = 1, anz_atome = 7;
    if (*f.besetzt) std::ofstream(f.besetzt) << "1 0\nN 0 0 0\n";
    auto vorher = dateien();
    std::string ausgabe = bedienen(m_save_file, f.dialog);
    auto nachher = dateien();
    for (auto& [name, text] : vorher) EXPECT_EQ(nachher.extract(name).mapped(), text);
    EXPECT_EQ(nachher.size(), *f.datei ? 1u : 0u);
    EXPECT_EQ(nachher[f.datei].substr(0, nachher[f.datei].find('\n')), f.kopf);
    EXPECT_EQ(ausgabe.find("gespeichert.") != std::string::npos, *f.datei != 0);
    if (*f.datei) {
      EXPECT_NE(ausgabe.find("\"" + std::string(f.datei) + "\" gespeichert."), std::string::npos);
    }
  }
  bauen();
  EXPECT_EQ(bedienen(m_save_file, {{"", {}, -1}}), "cancel - nichts gespeichert\n");
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
