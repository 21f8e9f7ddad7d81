// The requester: the one modal dialog box, with a text, up to three buttons and up to 20 input
// fields, drawn over the scene. The main thread feeds it events and draws it; the dialogs of
// dialoge.h fill it on the menu thread.
#pragma once

#include <atomic>

constexpr int REQ_X = 12;  // character cell of the requester font at scale 1
constexpr int REQ_Y = 16;
constexpr int REQ_RAND = 4;
constexpr int REQ_GADGETS = 20;
constexpr int REQ_TEXTLAENGE = 4000;
constexpr int REQ_KNOPFTEXT = 80;
constexpr int REQ_FELDTEXT = 80;  // a field holds at most 79 characters

extern char REQ_FONTSTRING[32];

struct Rechteck {
  int x1, y1, x2, y2;  // lower left, upper right; drawing coordinates, y upward
};

// The box of a requester of width br and height ho in the current window: 50 pixels from
// the left and the top edge, or at the edge when it does not fit.
Rechteck requester_box(int br, int ho);

struct Knopf {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  void set(int xa, int ya, int b, int h);
  bool klick(int x, int y) const;  // strictly inside
  void zeichnen(const char* text, bool markiert, int bf) const;
};

struct Gadget {
  const char* fragetext = nullptr;
  char eingabetext[REQ_FELDTEXT] = {};
  void* pdata = nullptr;
  int textmax = REQ_FELDTEXT;  // size of the caller's buffer behind pdata for a "%s" field
  char cstr[16] = {};
  bool umbruchflag = false;
  int aktiv = 0;
  int cursor = 0;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // input box
  int x3 = 0, y3 = 0, x4 = 0, y4 = 0;  // label area above it

  void set(int xa, int ya, int b, int h, int bf);
  bool klick(int x, int y) const;  // strictly inside the input box
  void key(unsigned char c);
  void spezial(int c);
  void save() const;
  void zeichnen(int bf) const;
};

struct Requester {
  std::atomic<bool> aktiv{false};
  int typ = 0;  // 1 message with buttons, 2 input fields
  char text[REQ_TEXTLAENGE] = {};
  char jatext[REQ_KNOPFTEXT] = {};
  char neintext[REQ_KNOPFTEXT] = {};
  char canceltext[REQ_KNOPFTEXT] = {};
  Gadget gadget[REQ_GADGETS];
  int ng = 0;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Knopf knopf1, knopf2, knopf3;
  int preselect = 0;  // button of the Return key, 0 none
  int bigfont = 1;
  std::atomic<int> antwort{0};  // -2 waiting; 1 button 1; 0 button 2; -1 button 3 or Escape

  // Fills the texts, takes the box and activates the requester; the buttons and fields are
  // laid out before, in the same box from requester_box.
  void set(int t, Rechteck box, const char* txt, const char* ja, const char* nein, const char* canc, int pre);
  void select(int a);  // 100: the Return key
  void klick(int x, int y);
  int fokus() const;  // field with the focus, -1 none
  void fokus_setzen(int i);
  void reset();
  void grosserfont(int n);

  // Event methods, main thread, GLUT window coordinates; ignored while not active.
  void key(unsigned char c, int x, int y);
  void spezial(int c, int x, int y);
  void mausknopf(int button, int state, int x, int y);
  void mausmotion(int x, int y);
  void mausmotionpassiv(int x, int y);

  void zeichnen() const;
};

extern Requester requester1;

// Draws text line by line from (x0, y0) down, ho apart, lines cut after br characters.
void schrift_umbruch(int x0, int y0, const char* text, int br, int ho);
// The text cursor: a cell of bx by 9/8 of hy.
void cursor_zeichnen(int x, int y, int bx, int hy);
