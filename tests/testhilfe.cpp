// Helpers for the tests.
#include "testhilfe.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include "model/tabellen.h"
#include "ui/dialoge.h"
#include "ui/fenster.h"
#include "ui/requester.h"

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

void erwarte_nah(Vektor3d v, Vektor3d soll) {
  EXPECT_NEAR(v.x, soll.x, 1e-12);
  EXPECT_NEAR(v.y, soll.y, 1e-12);
  EXPECT_NEAR(v.z, soll.z, 1e-12);
}

std::vector<Vektor3d> positionen() {
  std::vector<Vektor3d> p;
  for (int i = 0; i < anz_atome; i++) p.push_back(atomliste[i].p);
  return p;
}

std::string bewegt(const std::vector<Vektor3d>& vorher) {
  std::string s;
  for (int i = 0; i < anz_atome; i++) s += abs(atomliste[i].p - vorher[i]) > 1e-9 ? std::to_string(i) : "";
  return s;
}

double abstand(int a, int b) { return abs(atomliste[a].p - atomliste[b].p); }

double winkel(int a, int b, int c) {
  return vektorwinkel2(atomliste[a].p - atomliste[b].p, atomliste[c].p - atomliste[b].p) * 180 / M_PI;
}

std::string bindungen() {
  std::string s;
  for (const Bondlist* b = bondliste; b < bondliste + anz_bonds; b++)
    s += std::to_string(b->n1) + "-" + std::to_string(b->n2) + ":" + std::to_string(int(b->strong)) + " ";
  return s;
}

std::string atome() {
  std::string s;
  for (const Atomlist* a = atomliste; a < atomliste + anz_atome; a++)
    s += a->name + std::to_string(a->molekuelnr) + " ";
  return s;
}

bool warten_bis(const std::function<bool()>& f) {
  auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!f()) {
    if (std::chrono::steady_clock::now() > ende) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

namespace {

std::string gezeigt() {
  std::string s = requester1.text;
  for (int i = 0; requester1.typ == 2 && i < requester1.ng; i++)
    s += std::string("|") + requester1.gadget[i].fragetext + "=" + requester1.gadget[i].eingabetext;
  return s;
}

void antworten(const Antwort& a) {
  EXPECT_NE(gezeigt().find(a.zeigt), std::string::npos) << gezeigt();
  for (int i = 0; i < int(a.felder.size()); i++) {
    if (a.felder[i].empty()) continue;
    eingeben({FELD - i});
    for (int k = 0; k < REQ_FELDTEXT; k++) eingeben({RECHTS, 8});
    for (unsigned char c : a.felder[i]) eingeben({c});
  }
  eingeben({a.knopf < 0 ? 27 : a.knopf ? KNOPF1 : KNOPF2});
}

}  // namespace

void eingeben(const std::vector<int>& folge) {
  const Requester& r = requester1;
  // A left press in the middle of k, in drawing coordinates (y upward) as GLUT delivers it.
  auto klicken = [](const auto& k) { requester1.mausknopf(0, 0, (k.x1 + k.x2) / 2, bildhoehe - (k.y1 + k.y2) / 2); };
  for (int c : folge) {
    if (c >= 0)
      requester1.key(static_cast<unsigned char>(c), 0, 0);
    else if (c <= LINKS)
      requester1.spezial(-c, 0, 0);
    else if (c <= FELD)
      klicken(r.gadget[FELD - c]);
    else if (c == NEBEN)
      klicken(Rechteck{r.x1, r.y2 - 4, r.x1 + 4, r.y2});
    else
      klicken(c == KNOPF1 ? r.knopf1 : c == KNOPF2 ? r.knopf2 : r.knopf3);
  }
}

std::string bedienen(void (*f)(long), const std::vector<Antwort>& dialoge) {
  return ausgabe_von([&] {
    std::atomic<bool> fertig{false};
    std::thread faden([&] { f(1), fertig = true; });
    for (const Antwort& a : dialoge)
      if (warten_bis([] { return requester1.aktiv.load(); }))
        antworten(a);
      else
        ADD_FAILURE() << "kein Dialog: " << a.zeigt;
    while (warten_bis([&] { return fertig || requester1.aktiv; }) && !fertig)
      ADD_FAILURE() << "unerwartet: " << gezeigt(), requester1.key(27, 0, 0);
    faden.join();
  });
}
