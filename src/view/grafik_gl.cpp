// The window: set-up with its menu and callbacks, one frame, and the overlay projection.
#include "view/grafik_gl.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <mutex>
#include <string>

#include "io/start.h"
#include "model/tabellen.h"
#include "model/zustand.h"
#include "relax/shake.h"
#include "text/schrift.h"
#include "ui/bildabzug.h"
#include "ui/fenster.h"
#include "ui/meldung.h"
#include "ui/menu.h"
#include "ui/requester.h"
#include "view/befehle.h"
#include "view/bildabzug_gl.h"
#include "view/eingabe.h"
#include "view/einpassen.h"
#include "view/kamera.h"
#include "view/szene.h"
#include "view/zeichnen_gl.h"

namespace {

int bildposx = 30, bildposy = 10;  // where the window asks to open

void licht_setzen() {
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const GLfloat hell[] = {0.25f, 0.25f, 0.25f, 1.0f}, dunkel[] = {0, 0, 0, 1};
  glLightfv(GL_LIGHT0, GL_POSITION, LICHTPOSITION);
  glLightfv(GL_LIGHT0, GL_AMBIENT, ambientflag ? hell : dunkel);
  glEnable(GL_COLOR_MATERIAL);
}

// The perspective of 45 degrees across the window; the far plane moves out with the wheel's limit.
void projektion_setzen() {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45, 1, 0.1, fernebene());
  gluLookAt(0, 0, 1, 0, 0, 0, 0, 1, 0);
  glMatrixMode(GL_MODELVIEW);
}

// After a read the view is fitted first, so that the first frame with the new atoms shows them.
void szene_zeichnen() {
  std::lock_guard<std::mutex> sperre(tabellen_sperre);
  if (ansicht_anpassen.exchange(0)) ansicht_einpassen();
  projektion_setzen();
  glLoadIdentity();
  glPushMatrix();
  kamera_anwenden();
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glEnable(GL_LINE_SMOOTH);
  zeichne_molekuel();
  if (fadenkreuz) zeichne_koordinatenkreuz();
  glPopMatrix();
}

// What the last frame showed of what the menu thread switches on and off.
bool requester_gezeigt = false, menu_gezeigt = false;
int erledigt_gezeigt = 0;
std::string meldung_gezeigt;

// The menu thread must not call GLUT: a timer on the main thread asks for a frame when the
// exit command ran, a requester opened or the menu bar closed there, a handler finished its
// change, the message line changed, or a picture of the scene is waited for, so that it shows
// without waiting for the next input event.
void menuthread_beobachten(int) {
  if (exitflag || requester1.aktiv != requester_gezeigt || menu.aktiv != menu_gezeigt ||
      menu.erledigt != erledigt_gezeigt || meldung_jetzt() != meldung_gezeigt || bild_angefordert())
    glutPostRedisplay();
  glutTimerFunc(100, menuthread_beobachten, 0);
}

// Every input callback but the passive motion asks for a redraw; eingabe does that itself.
void rueckrufe_anmelden() {
  glutDisplayFunc(display);
  glutKeyboardFunc(key);
  glutMouseFunc(mausknopf);
  glutMotionFunc(mausmotion);
  glutPassiveMotionFunc(mausmotion2);
  glutSpecialFunc(spezial);
  glutReshapeFunc(reshape);
  glutTimerFunc(100, menuthread_beobachten, 0);
}

}  // namespace

void neu_zeichnen() { glutPostRedisplay(); }

void kamera_anwenden() {
  glScalef(1, static_cast<float>(bildbreite) / bildhoehe, 1);
  gluLookAt(eye.x, eye.y, eye.z, cent.x, cent.y, cent.z, up.x, up.y, up.z);
}

void grafik_init(const char* titel) {
  int breite = glutGet(GLUT_SCREEN_WIDTH), hoehe = glutGet(GLUT_SCREEN_HEIGHT);
  if (breite > 2 * bildbreite && hoehe > 2 * bildhoehe) {
    bildbreite = 2 * bildbreite;
    bildhoehe = 2 * bildhoehe;
    bildposx *= 2;
    bildposy *= 2;
  }
  if (breite > 2500) {
    menu.grosserfont(2);
    requester1.grosserfont(2);
  }
  glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGBA | GLUT_DEPTH);
  glutInitWindowSize(bildbreite, bildhoehe);
  glutInitWindowPosition(bildposx, bildposy);
  glutCreateWindow(titel);
  menu_eintragen();
  glShadeModel(GL_SMOOTH);
  glEnable(GL_DEPTH_TEST);
  rueckrufe_anmelden();
  glLineWidth(1);
  formen_anlegen();
  if (startfehler[0]) meldung_setzen(startfehler);  // so that a start from the desktop says why
}

void display() {
  if (exitflag) {
    glutLeaveMainLoop();
    return;
  }
  glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
  bildabzug_bedienen([] { licht_setzen(), szene_zeichnen(); });
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  licht_setzen();
  menu_text_zeichnen();
  szene_zeichnen();
  glutSwapBuffers();
  if (shake_bild()) glutPostRedisplay();
}

void reshape(int w, int h) {
  glViewport(0, 0, w, h);
  bildbreite = w;
  bildhoehe = h;
  DX = 12.0 / w;
  DY = 9.0 / h;
  projektion_setzen();
}

void menu_text_zeichnen() {
  glMatrixMode(GL_PROJECTION);
  glDisable(GL_LIGHTING);
  glPushMatrix();
  glLoadIdentity();
  gluOrtho2D(0, bildbreite, 0, bildhoehe);
  erledigt_gezeigt = menu.erledigt;
  requester_gezeigt = requester1.aktiv;
  menu_gezeigt = menu.aktiv;
  if (requester_gezeigt) requester1.zeichnen();
  if (menu_gezeigt) {
    menu.zeichnen();
  } else if (menu.anzahl > 0) {
    menu.mtextsize();
    glColor3f(0, 0, 0);
    schrift(4, bildhoehe - 23 * menu.bigfont + 3, "Menuleiste", 0);
  }
  meldung_gezeigt = meldung_jetzt();
  meldung_zeichnen(meldung_gezeigt, menu.bigfont);
  glEnable(GL_LIGHTING);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
}
