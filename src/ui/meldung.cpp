// The message line: standard output goes through a stream of its own that writes every byte on
// to the real standard output and keeps the last complete line with the time it came.
#include "ui/meldung.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <mutex>

namespace {

using Uhr = std::chrono::steady_clock;

std::mutex meldung_sperre;  // guards what both threads print and the drawing reads
std::string angefangen, letzte;
Uhr::time_point seit;

void letzte_setzen(const std::string& zeile) {
  std::size_t ende = zeile.find_last_not_of(" \r\t\n");
  if (ende == std::string::npos) return;
  letzte = zeile.substr(0, ende + 1);
  seit = Uhr::now();
}

ssize_t weiterschreiben(void*, const char* text, std::size_t n) {
  for (std::size_t fertig = 0; fertig < n;) {
    ssize_t k = write(STDOUT_FILENO, text + fertig, n - fertig);
    if (k <= 0) return fertig > 0 ? static_cast<ssize_t>(fertig) : -1;
    fertig += static_cast<std::size_t>(k);
  }
  meldung_mitschreiben(text, n);
  return static_cast<ssize_t>(n);
}

}  // namespace

void ausgabe_mitschreiben() {
  cookie_io_functions_t weg = {nullptr, weiterschreiben, nullptr, nullptr};
  if (FILE* strom = fopencookie(nullptr, "w", weg)) {
    stdout = strom;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
  }
}

void meldung_mitschreiben(const char* text, std::size_t n) {
  std::lock_guard<std::mutex> sperre(meldung_sperre);
  for (std::size_t i = 0; i < n; i++) {
    if (text[i] != '\n') {
      if (angefangen.size() < 200) angefangen += text[i];
      continue;
    }
    letzte_setzen(angefangen);
    angefangen.clear();
  }
}

void meldung_setzen(const char* text) {
  std::lock_guard<std::mutex> sperre(meldung_sperre);
  letzte_setzen(text);
}

std::string meldung_jetzt() {
  std::lock_guard<std::mutex> sperre(meldung_sperre);
  return Uhr::now() - seit < std::chrono::seconds(MELDUNG_SEKUNDEN) ? letzte : std::string();
}
