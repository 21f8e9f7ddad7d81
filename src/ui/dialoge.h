// The dialogs of the menu thread: each shows the requester and blocks until the user has answered.
// On the main thread, which would have to deliver the answer, they are refused as Escape.
#pragma once

// A message with one to three buttons (a null neintext or canceltext leaves that one out): 1 for
// the first, 0 for the second, -1 for the third or Escape. Return takes the last button shown.
int janeinrequester(const char* text, const char* jatext, const char* neintext);
int janeinrequester3(const char* text, const char* jatext, const char* neintext, const char* canceltext);
// Input fields, 1 when confirmed with "  ok  " (the variables then hold the values), 0 for "Cancel"
// or Escape. n fields, each: label, display format, scan format ("\n" ends the row), address.
// A "%s" field writes back up to 79 characters: its buffer needs 80.
int requester_input(int n, ...);
// A message formatted with one string or one number, with the button "ok".
void myprints(const char* format, const char* text);
void myprintd(const char* format, int n);
// Asks for a file name in a field preset with name (of max characters); as requester_input.
int nachfilenamefragen(const char* fragetext, char* name, int max);
