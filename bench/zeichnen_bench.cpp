// Benchmark of the scene drawing: spheres and cylinders built with GLUT and GLU in every frame,
// against quil's own drawing; at the table limits and for Alanin.xyz, with the pixels compared.
#include <GL/freeglut.h>
#include <GL/glu.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "io/xyz.h"
#include "model/tabellen.h"
#include "ui/fenster.h"
#include "view/grafik_gl.h"
#include "view/kamera.h"
#include "view/szene.h"
#include "view/zeichnen_gl.h"

namespace {

const char* alanin_pfad = "Alanin.xyz";
int bilder_grenze = 10;   // frames per measurement at the table limits
int bilder_alanin = 200;  // frames per measurement for Alanin
GLUquadric* quadrik = nullptr;

void tabellen_leeren() { anz_atome = anz_bonds = anz_molek = nsel = 0; }

// A lattice of 10 x 10 x 10 atoms, 1.5 units apart, turned a little so that no bond looks
// straight at the camera, with 2000 of its 2700 edges as bonds.
Vektor3d gitterpunkt(int i, int j, int k) {
  double x = 1.5 * (i - 4.5), y = 1.5 * (j - 4.5), z = 1.5 * (k - 4.5);
  double a = 0.5, b = 0.35;  // radians about y, then about x
  double x1 = x * std::cos(a) + z * std::sin(a), z1 = -x * std::sin(a) + z * std::cos(a);
  return Vektor3d(x1, y * std::cos(b) - z1 * std::sin(b), y * std::sin(b) + z1 * std::cos(b));
}

int gitternummer(int i, int j, int k) { return (i * 10 + j) * 10 + k; }

void gitter_anlegen() {
  static const char* namen[] = {"C", "N", "O", "H"};
  tabellen_leeren();
  anz_molek = 1;
  Molekuel& m = molekuel[0];
  m.init(0, MAX_ATOME, MAX_BONDS);
  for (int n = 0; n < MAX_ATOME; n++) {
    Vektor3d p = gitterpunkt(n / 100, n / 10 % 10, n % 10);
    m.addatom(namen[n % 4], p);
  }
  for (int achse = 0; achse < 3; achse++)
    for (int n = 0; n < MAX_ATOME && m.nbonds < MAX_BONDS; n++) {
      int ijk[3] = {n / 100, n / 10 % 10, n % 10};
      if (ijk[achse] == 9) continue;
      ijk[achse]++;
      m.addbond(n, gitternummer(ijk[0], ijk[1], ijk[2]), n % 7 == 0 ? 2 : 1);
    }
}

bool alanin_laden() {
  tabellen_leeren();
  FILE* f = std::fopen(alanin_pfad, "r");
  if (!f) return false;
  xyzeinlesen(f);
  std::fclose(f);
  return true;
}

// The frame set-up of the program: grey background, light 0 fixed to the viewer, camera.
void bild_beginnen() {
  glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const GLfloat ambient[] = {0.25f, 0.25f, 0.25f, 1.0f};
  glLightfv(GL_LIGHT0, GL_POSITION, LICHTPOSITION);
  glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
  glEnable(GL_COLOR_MATERIAL);
  kamera_anwenden();
}

// One bond as a GLU cylinder built in this frame, placed as quil places its bonds.
void glu_bindung(const Bondlist& bond) {
  Vektor3d pa = atomliste[bond.n1].p, d = atomliste[bond.n2].p - pa;
  double r = bindungsradius(zeichenordnung(bond.strong));
  Ausrichtung w = zylinder_ausrichtung(d);
  glColor3ub(50, 50, 50);
  glPushMatrix();
  glTranslated(pa.x, pa.y, pa.z);
  glRotated(w.um_z, 0, 0, 1);
  glRotated(w.um_x, 1, 0, 0);
  gluCylinder(quadrik, r, r, abs(d), ZYLINDER_SLICES, ZYLINDER_STACKS);
  glPopMatrix();
}

// The structures measured here have no lone pairs and no bonds of order 0, which quil skips.
void glu_zeichnen() {
  for (int i = 0; i < anz_atome; i++) {
    const Atomlist& a = atomliste[i];
    glColor3ub(a.r, a.g, a.b);
    glPushMatrix();
    glTranslated(a.p.x, a.p.y, a.p.z);
    glutSolidSphere(a.ra, KUGEL_SLICES, KUGEL_STACKS);
    glPopMatrix();
  }
  for (int i = 0; i < anz_bonds; i++) glu_bindung(bondliste[i]);
}

struct Messung {
  double ms, cpu_ms;  // per frame: time passed, processor time of all threads
};

// Milliseconds per frame, after two frames to warm up.
Messung messen(void (*zeichnen)(), int bilder) {
  auto bild = [zeichnen] {
    bild_beginnen();
    zeichnen();
    glutSwapBuffers();
    glFinish();
  };
  bild();
  bild();
  auto anfang = std::chrono::steady_clock::now();
  std::clock_t cpu = std::clock();
  for (int n = 0; n < bilder; n++) bild();
  std::chrono::duration<double, std::milli> dauer = std::chrono::steady_clock::now() - anfang;
  return {dauer.count() / bilder, (std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC / bilder};
}

// The back buffer after one frame drawn by zeichnen.
std::vector<unsigned char> bild_lesen(void (*zeichnen)()) {
  bild_beginnen();
  zeichnen();
  glFinish();
  std::vector<unsigned char> pixel(3 * bildbreite * bildhoehe);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, bildbreite, bildhoehe, GL_RGB, GL_UNSIGNED_BYTE, pixel.data());
  return pixel;
}

// The same colour, each channel within 8.
bool gleich(const unsigned char* a, const unsigned char* b) {
  return std::abs(a[0] - b[0]) <= 8 && std::abs(a[1] - b[1]) <= 8 && std::abs(a[2] - b[2]) <= 8;
}

struct Vergleich {
  size_t anders, ungleich;  // pixels of another colour, of which more than 8 off in a channel
  double bedeckt;           // percent of the pixels that the molecules cover
};

// The pixels in which the two ways draw different colours, those more than 8 apart in a channel,
// and those that the molecules cover.
Vergleich bilder_vergleichen() {
  std::vector<unsigned char> a = bild_lesen(glu_zeichnen), b = bild_lesen(zeichne_molekuel);
  const unsigned char grau[3] = {128, 128, 128};
  size_t n = a.size() / 3, genaue = 0, gleiche = 0, bedeckte = 0;
  for (size_t i = 0; i < a.size(); i += 3) {
    genaue += a[i] == b[i] && a[i + 1] == b[i + 1] && a[i + 2] == b[i + 2];
    gleiche += gleich(&a[i], &b[i]);
    bedeckte += !gleich(&b[i], grau);
  }
  return {n - genaue, n - gleiche, 100.0 * bedeckte / n};
}

void zeile(const char* was, int bilder) {
  Messung glu = messen(glu_zeichnen, bilder), quil = messen(zeichne_molekuel, bilder);
  Vergleich v = bilder_vergleichen();
  std::printf("%-36s %6d %9.2f %9.2f %6.2f %7.1f %9.2f %9.2f %6.2f %7zu %7zu %7.1f\n", was, bilder, glu.ms, quil.ms,
              glu.ms / quil.ms, 1000 / quil.ms, glu.cpu_ms, quil.cpu_ms, glu.cpu_ms / quil.cpu_ms, v.anders, v.ungleich,
              v.bedeckt);
}

void messungen() {
  std::printf("Renderer: %s, %s; Fenster %d x %d\n", glGetString(GL_RENDERER), glGetString(GL_VERSION),
              bildbreite.load(), bildhoehe.load());
  std::printf("%-36s %6s %9s %9s %6s %7s %9s %9s %6s %7s %7s %7s\n", "", "Bilder", "GLU ms", "quil ms", "Faktor",
              "quil/s", "GLU CPU", "quil CPU", "Faktor", "anders", "ueber 8", "bedeckt");
  std::printf(
      "(ms je Bild; CPU: Prozessorzeit aller Faeden; anders: Pixel anderer Farbe, ueber 8: davon ein "
      "Kanal mehr als 8 daneben; bedeckt: Prozent der Pixel)\n");
  gitter_anlegen();
  eye = Vektor3d(0, 0, 30);  // the whole lattice in sight
  zeile("Grenze: 1000 Atome, 2000 Bindungen", bilder_grenze);
  if (alanin_laden()) {
    eye = Vektor3d(0, 0, 10);
    char was[80];
    std::snprintf(was, sizeof was, "Alanin.xyz: %d Atome, %d Bindungen", anz_atome, anz_bonds);
    zeile(was, bilder_alanin);
  } else {
    std::printf("kann \"%s\" nicht oeffnen.\n", alanin_pfad);
  }
}

void einmal_messen() {
  messungen();
  glutLeaveMainLoop();
}

}  // namespace

// zeichnen_bench [Alanin.xyz [frames at the limits [frames for Alanin]]]
int main(int argc, char** argv) {
  glutInit(&argc, argv);
  if (argc > 1) alanin_pfad = argv[1];
  if (argc > 2) bilder_grenze = std::atoi(argv[2]);
  if (argc > 3) bilder_alanin = std::atoi(argv[3]);
  glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGBA | GLUT_DEPTH);
  glutInitWindowSize(bildbreite, bildhoehe);
  glutCreateWindow("quil: Zeichnen messen");
  glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_GLUTMAINLOOP_RETURNS);
  glShadeModel(GL_SMOOTH);
  glEnable(GL_DEPTH_TEST);
  formen_anlegen();
  quadrik = gluNewQuadric();
  glutReshapeFunc(reshape);
  glutDisplayFunc(einmal_messen);
  glutMainLoop();
  gluDeleteQuadric(quadrik);
  return 0;
}
