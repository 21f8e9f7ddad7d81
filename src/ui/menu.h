// The menu bar in the top strip of the window, its cell table, and the menu thread that runs
// the picked handlers beside the GLUT event loop. Shared by the view and every command.
#pragma once

#include <atomic>
#include <thread>

// A menu or command handler. Id 0: called by a key on the main thread, which only hands the
// handler to the menu thread with menu.run(handler); any other id: running on the menu thread.
typedef void (*funkzeiger)(long);

constexpr int MEN_X = 12;  // character cell of the menu font at scale 1
constexpr int MEN_Y = 16;
constexpr int MENU_ZELLEN = 500;
constexpr int MENU_MAXSPALTEN = 19;  // columns the bar lays out; menupos holds one more edge

struct Menu {
  funkzeiger fun = nullptr;
  char text[80] = {};  // empty: no entry
  int isub = -1;       // sub-menus do not exist
  void settext(const char* t);
};

// Cell index = row * menu.anzahl + column; row 0 holds the column titles.
extern Menu mainmenu[MENU_ZELLEN];
extern Menu submenu[MENU_ZELLEN];
extern char MENU_FONTSTRING[32];

// The thread that runs the GLUT event loop, recorded by startMainLoop before the loop starts.
// A blocking requester call made on it is refused, since nobody could answer it.
extern std::atomic<std::thread::id> haupt_thread;
// Set once the event loop has ended: no answer can come any more, so waiting requesters give up.
extern std::atomic<bool> hauptschleife_beendet;

bool im_hauptthread();
// Puts the default "12x16" back into a font name found empty; returns the name.
const char* schriftname(char* name);

struct Menubalken {
  // 0 inactive; 1 bar active; 2 column aufklapper open; 3 entry mark marked.
  std::atomic<int> status{0};
  int anzahl = 0;  // columns
  int imax = 0;    // cells filled so far
  int sub_ifu = 0;
  int nzeichen_pro_menu = 0;
  int menupos[MENU_MAXSPALTEN + 1] = {};  // left x of each column; menupos[1] == 0: layout to do
  int menubreite[MENU_MAXSPALTEN + 1] = {};
  std::atomic<bool> aktiv{false};  // the bar takes the mouse events
  int aufklapper = 0;
  int bigfont = 1;
  std::atomic<int> mark{0};
  std::atomic<bool> start_run{false};    // request: run the handler of cell mark
  std::atomic<bool> start_runfz{false};  // request: run fz
  std::atomic<int> stopflag{0};
  std::atomic<funkzeiger> fz{nullptr};
  std::atomic<int> erledigt{0};  // handlers the menu thread has finished: their changes want a frame

  // Table set-up on the main thread before the loop starts. The first call takes n titles;
  // every later one n texts, then n handlers, for the next row (null text: empty cell).
  // Texts beyond the number of columns are ignored. setmenu(0) only resets the bar.
  // An empty cell is passed as a null text and a null funkzeiger.
  void setmenu(int n, ...);
  void setsubmenu(int n, ...);
  void grosserfont(int n);
  void reset();
  void deaktivieren();

  // Layout and geometry, all in one place (window coordinates, y downward).
  int balkenhoehe() const;          // 23 * bigfont
  int zeilenhoehe() const;          // 24 * bigfont
  int spalten() const;              // columns with a position
  int spalten_laenge(int k) const;  // entries of column k down to its first empty cell
  void layout();
  int spalte_bei(int x) const;  // first column whose right edge is at or right of x, or spalten()
  int zeile_bei(int y) const;   // entry row under y below the bar, counted from 1
  bool ist_maus_weg(int x, int y) const;

  // Event methods, main thread, GLUT window coordinates.
  void aktivieren(int x, int y);
  void klick(int x, int y, int state);
  void mausknopf(int button, int state, int x, int y);
  void mausmotion(int x, int y);
  void mausmotionpassiv(int x, int y);
  void key(unsigned char c, int x, int y);
  void spezial(int n, int x, int y);

  // Drawing, main thread, in the overlay projection (y upward).
  void mtextsize() const;
  void zeichnen() const;
  void anschreiben(int x, int y) const;
  void aufgeklapptes_zeichnen() const;

  // The menu thread and the main loop.
  void loop();
  void run();
  void runfz();
  void run(funkzeiger z);  // main thread: hands z to the menu thread, which calls z(1)
  void stop_loop();
  void startMainLoop();
  void start_loop(int nr);
};

extern Menubalken menu;
