// Helpers for the tests.
#include "testhilfe.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "model/tabellen.h"

void tabellen_leeren() {
  for (Atomlist& a : atomliste) a = Atomlist();
  for (Bondlist& b : bondliste) b = Bondlist();
  for (Molekuel& m : molekuel) m = Molekuel();
  anz_atome = anz_bonds = anz_molek = nsel = 0;
}

void aus_text(const std::string& text, const std::function<void(FILE*)>& leser) {
  FILE* fp = std::tmpfile();
  ASSERT_NE(fp, nullptr);
  std::fwrite(text.data(), 1, text.size(), fp);
  std::rewind(fp);
  leser(fp);
  std::fclose(fp);
}

std::string ausgabe_von(const std::function<void()>& f) {
  std::fflush(stdout);
  testing::internal::CaptureStdout();
  f();
  std::fflush(stdout);
  return testing::internal::GetCapturedStdout();
}

std::string geschrieben(const std::function<void(FILE*)>& schreiber) {
  char* puffer = nullptr;
  std::size_t laenge = 0;
  FILE* fp = open_memstream(&puffer, &laenge);
  schreiber(fp);
  std::fclose(fp);
  std::string text(puffer, laenge);
  std::free(puffer);
  return text;
}

void erwarte_nah(Vektor3d v, double x, double y, double z) {
  EXPECT_NEAR(v.x, x, 1e-12);
  EXPECT_NEAR(v.y, y, 1e-12);
  EXPECT_NEAR(v.z, z, 1e-12);
}

void erwarte_nah(Vektor3d v, Vektor3d soll) { erwarte_nah(v, soll.x, soll.y, soll.z); }

bool warten_bis(const std::function<bool()>& f) {
  auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!f()) {
    if (std::chrono::steady_clock::now() > ende) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}
