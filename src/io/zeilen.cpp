// Line input, field readers and comparison helpers.
#include "io/zeilen.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

bool getline(FILE* fp, char* s, int lim) {
  int n = 0, c = 0;
  while (n < lim - 1 && (c = std::getc(fp)) != EOF && c != '\n') s[n++] = c == '\r' ? '\0' : c;
  s[n] = '\0';
  return c != EOF;
}

static long saettigen(long z) { return z > INT_MAX ? INT_MAX : z < INT_MIN ? INT_MIN : z; }

int myscanf(const char* str, int* zahl) {
  while (*str && !std::isdigit(static_cast<unsigned char>(*str))) str++;
  if (!*str) {
    *zahl = 0;
    return 0;
  }
  *zahl = static_cast<int>(saettigen(std::strtol(str, nullptr, 10)));
  return 1;
}

int index(const char* s1, const char* s2) {
  const char* p = std::strstr(s1, s2);
  return p ? static_cast<int>(p - s1) : -1;
}

void strclean(char* str) {
  std::size_t anfang = std::strspn(str, " \r\n");
  std::memmove(str, str + anfang, std::strlen(str + anfang) + 1);
  std::size_t n = std::strlen(str);
  while (n > 0 && str[n - 1] == ' ') str[--n] = '\0';
}

bool fastgleichi(int a, int b, int diff) {
  long d = static_cast<long>(a) - b;
  return (d < 0 ? -d : d) <= diff;
}

bool fastgleichd(double a, double b, double diff) { return std::fabs(a - b) <= diff; }

static const char* ueberspringen(const char* s) {
  while (std::isspace(static_cast<unsigned char>(*s))) s++;
  return s;
}

const char* wort_lesen(const char* s, char* ziel, int max) {
  s = ueberspringen(s);
  if (!*s) return nullptr;
  int n = 0;
  for (; *s && !std::isspace(static_cast<unsigned char>(*s)); s++)
    if (n < max - 1) ziel[n++] = *s;
  ziel[n] = '\0';
  return s;
}

const char* ganzzahl_lesen(const char* s, int* zahl) {
  char* ende;
  long z = std::strtol(s, &ende, 10);
  if (ende == s) return nullptr;
  *zahl = static_cast<int>(saettigen(z));
  return ende;
}

const char* zahl_lesen(const char* s, double* zahl) {
  char* ende;
  double z = std::strtod(s, &ende);
  if (ende == s) return nullptr;
  *zahl = z;
  return ende;
}

const char* zahl_lesen(const char* s, float* zahl) {
  char* ende;
  float z = std::strtof(s, &ende);
  if (ende == s) return nullptr;
  *zahl = z;
  return ende;
}

// Copies columns von..bis of zeile into feld; false unless the line reaches the field's last
// column and that column is not blank (fixed-width fields are right-aligned).
static bool feld_kopieren(const char* zeile, int von, int bis, char (&feld)[ZEILENLAENGE]) {
  if (von < 1 || bis < von || bis >= ZEILENLAENGE) return false;
  if (std::strlen(zeile) < static_cast<std::size_t>(bis)) return false;
  if (std::isspace(static_cast<unsigned char>(zeile[bis - 1]))) return false;
  std::memcpy(feld, zeile + von - 1, bis - von + 1);
  feld[bis - von + 1] = '\0';
  return true;
}

static bool nur_leer(const char* s) { return s && !*ueberspringen(s); }

bool feld_lesen(const char* zeile, int von, int bis, int* zahl) {
  char feld[ZEILENLAENGE];
  int z;
  if (!feld_kopieren(zeile, von, bis, feld) || !nur_leer(ganzzahl_lesen(feld, &z))) return false;
  *zahl = z;
  return true;
}

bool feld_lesen(const char* zeile, int von, int bis, double* zahl) {
  char feld[ZEILENLAENGE];
  double z;
  if (!feld_kopieren(zeile, von, bis, feld) || !nur_leer(zahl_lesen(feld, &z))) return false;
  *zahl = z;
  return true;
}

bool position_endlich(double x, double y, double z, const char* zeile) {
  if (std::isfinite(x) && std::isfinite(y) && std::isfinite(z)) return true;
  std::printf("Fehler: Koordinate nicht endlich, Atom nicht gelesen: zeile=\"%s\"\n", zeile);
  return false;
}

bool beginnt_mit(const char* s, const char* anfang) { return std::strncmp(s, anfang, std::strlen(anfang)) == 0; }

bool leerzeile(const char* zeile) { return zeile[0] == '\0' || zeile[0] == ';'; }

bool naechste_zeile(FILE* fp, char* zeile) {
  while (getline(fp, zeile, ZEILENLAENGE))
    if (!leerzeile(zeile)) return true;
  return false;
}
