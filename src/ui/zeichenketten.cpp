// The text helpers of the requesters.
#include "ui/zeichenketten.h"

#include <algorithm>
#include <cstring>

#include "ui/requester.h"

int strlen_zeile(const char* s, int* nz) {
  int laengste = 0, laenge = 0;
  *nz = 1;
  for (; *s; s++) {
    if (*s == '\n') {
      (*nz)++;
      laenge = 0;
    } else {
      laengste = std::max(laengste, ++laenge);
    }
  }
  return laengste;
}

int enthaelt(const char* s, const char* t) { return t[0] != '\0' && std::strstr(s, t) ? 1 : 0; }

void strncpy_nocrlf(char* to, const char* from, int max) {
  if (max < 1) return;
  int j = 0;
  for (int i = 0; i < max - 1 && from[i] != '\0'; i++)
    if (from[i] != '\r' && from[i] != '\n') to[j++] = from[i];
  to[j] = '\0';
}

bool myisprint(int c) {
  c &= 0xff;
  return (c >= 32 && c <= 126) || c == 196 || c == 214 || c == 220 || c == 228 || c == 246 || c == 252;
}

const char* umbruch_zeile(const char* text, int br, char* zeile) {
  br = std::clamp(br, 1, REQ_TEXTLAENGE - 1);
  int i = 0;
  for (; text[i] != '\0' && text[i] != '\n' && i < br; i++) zeile[i] = text[i];
  zeile[i] = '\0';
  if (text[i] == '\n') return text + i + 1;
  return text[i] == '\0' ? nullptr : text + i;
}
