// The text helpers of the requesters: lines of a message, formats, typed characters.
#pragma once

// The length of the longest line of s; *nz the number of lines.
int strlen_zeile(const char* s, int* nz);
// 1 when t occurs in s, else 0; an empty t never occurs.
int enthaelt(const char* s, const char* t);
// Copies from until its end or max - 1 characters read, dropping carriage returns and line feeds.
void strncpy_nocrlf(char* to, const char* from, int max);
// A character a field takes: printable ASCII and the umlauts of ISO 8859-1 (not ß).
bool myisprint(int c);
// Copies the next drawn line of text (at most br characters, up to a line feed) into zeile,
// which holds REQ_TEXTLAENGE characters; returns the rest of the text, or null after the last.
const char* umbruch_zeile(const char* text, int br, char* zeile);
