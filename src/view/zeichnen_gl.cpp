// Drawing the molecules. Solid spheres are vertex buffers, one per radius, built once; bond
// cylinders are built anew for each bond from only the rings and slices that can show. Both are
// made of the very vertices GLUT and GLU would send, so that the picture is theirs; what cannot
// be seen is left out (see szene.h and verdeckung.h).
#include "view/zeichnen_gl.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/freeglut.h>
#include <GL/glext.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/tabellen.h"
#include "ui/fenster.h"
#include "view/kamera.h"
#include "view/szene.h"
#include "view/verdeckung.h"

namespace {

void rueckseiten_weglassen(bool weglassen) {
  static bool an = false;
  if (weglassen == an) return;
  an = weglassen;
  if (an)
    glEnable(GL_CULL_FACE);
  else
    glDisable(GL_CULL_FACE);
}

struct Ecke {
  GLfloat normale[3], ort[3];
};

// Building a wire-frame sphere may switch the vertex arrays off.
void eckenfelder_an() {
  glEnableClientState(GL_NORMAL_ARRAY);
  glEnableClientState(GL_VERTEX_ARRAY);
}

// The vertex arrays from basis on: an address in memory, or an offset into the bound buffer.
void ecken_zeigen(std::uintptr_t basis) {
  glNormalPointer(GL_FLOAT, sizeof(Ecke), reinterpret_cast<const void*>(basis + offsetof(Ecke, normale)));
  glVertexPointer(3, GL_FLOAT, sizeof(Ecke), reinterpret_cast<const void*>(basis + offsetof(Ecke, ort)));
}

// The sphere as GLUT builds it: the top pole, 17 rings of 36 corners from the top down (corner
// j at -j * 10 degrees about z), the bottom pole; one triangle strip per stack, pairing each
// corner of the lower ring with the one above it, 37 pairs round.
constexpr int KUGELECKEN = 2 + (KUGEL_STACKS - 1) * KUGEL_SLICES, STREIFENLAENGE = 2 * (KUGEL_SLICES + 1);

GLushort kugelecke(int ring, int j) {
  if (ring == 0) return 0;
  if (ring == KUGEL_STACKS) return KUGELECKEN - 1;
  return static_cast<GLushort>(1 + (ring - 1) * KUGEL_SLICES + j % KUGEL_SLICES);
}

std::vector<Ecke> kugelecken(GLfloat radius) {
  GLfloat sin1[KUGEL_SLICES], cos1[KUGEL_SLICES], sin2[KUGEL_STACKS], cos2[KUGEL_STACKS];
  const GLfloat w1 = 2 * static_cast<GLfloat>(M_PI) / -KUGEL_SLICES, w2 = static_cast<GLfloat>(M_PI) / KUGEL_STACKS;
  for (int j = 0; j < KUGEL_SLICES; j++)
    sin1[j] = static_cast<GLfloat>(std::sin(w1 * j)), cos1[j] = static_cast<GLfloat>(std::cos(w1 * j));
  for (int i = 0; i < KUGEL_STACKS; i++)
    sin2[i] = static_cast<GLfloat>(std::sin(w2 * i)), cos2[i] = static_cast<GLfloat>(std::cos(w2 * i));
  std::vector<Ecke> ecken{{{0, 0, 1}, {0, 0, radius}}};
  for (int i = 1; i < KUGEL_STACKS; i++)
    for (int j = 0; j < KUGEL_SLICES; j++) {
      GLfloat x = cos1[j] * sin2[i], y = sin1[j] * sin2[i], z = cos2[i];
      ecken.push_back({{x, y, z}, {x * radius, y * radius, z * radius}});
    }
  ecken.push_back({{0, 0, -1}, {0, 0, -radius}});
  return ecken;
}

GLuint kugelstreifen_anlegen() {
  std::vector<GLushort> streifen;
  for (int s = 0; s < KUGEL_STACKS; s++)
    for (int j = 0; j <= KUGEL_SLICES; j++) streifen.insert(streifen.end(), {kugelecke(s + 1, j), kugelecke(s, j)});
  GLuint puffer;
  glGenBuffers(1, &puffer);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, puffer);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, streifen.size() * sizeof(GLushort), streifen.data(), GL_STATIC_DRAW);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
  return puffer;
}

// The spheres drawn so far, by radius: the corners of the solid one, the wire-frame display list.
struct Kugelform {
  double radius;
  GLuint ecken, draht;
};
std::vector<Kugelform> kugelformen;
constexpr size_t KUGELFORMEN_HOECHSTENS = 64;

const Kugelform& kugelform(double radius) {
  auto gleich =
      std::find_if(kugelformen.begin(), kugelformen.end(), [&](const Kugelform& k) { return k.radius == radius; });
  if (gleich != kugelformen.end()) return *gleich;
  if (kugelformen.size() == KUGELFORMEN_HOECHSTENS) {
    for (const Kugelform& k : kugelformen) glDeleteBuffers(1, &k.ecken), glDeleteLists(k.draht, 1);
    kugelformen.clear();
  }
  Kugelform k{radius, 0, glGenLists(1)};
  std::vector<Ecke> ecken = kugelecken(static_cast<GLfloat>(radius));
  glGenBuffers(1, &k.ecken);
  glBindBuffer(GL_ARRAY_BUFFER, k.ecken);
  glBufferData(GL_ARRAY_BUFFER, ecken.size() * sizeof(Ecke), ecken.data(), GL_STATIC_DRAW);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glNewList(k.draht, GL_COMPILE);
  glutWireSphere(radius, KUGEL_SLICES, KUGEL_STACKS);
  glEndList();
  kugelformen.push_back(k);
  return kugelformen.back();
}

// The strips of the solid sphere of radius r, of each only the quads that may face the camera at
// k from its centre, or all when vorne_allein is false.
void kugelstreifen_zeichnen(double r, Vektor3d k, bool vorne_allein) {
  static const GLuint streifen = kugelstreifen_anlegen();
  GLsizei anzahl[2 * KUGEL_STACKS];
  const void* anfang[2 * KUGEL_STACKS];
  int n = 0;
  auto streifenstueck = [&](int s, int erste, int quads) {
    anzahl[n] = 2 * quads + 2;
    anfang[n++] = reinterpret_cast<const void*>((s * STREIFENLAENGE + 2 * erste) * sizeof(GLushort));
  };
  for (int s = 0; s < KUGEL_STACKS; s++) {
    Scheibenbereich b = vorne_allein ? vordere_kugelscheiben(s, k, r) : Scheibenbereich{0, KUGEL_SLICES};
    int bis_zum_ende = std::min(b.anzahl, KUGEL_SLICES - b.erste);
    if (bis_zum_ende > 0) streifenstueck(s, b.erste, bis_zum_ende);
    if (b.anzahl > bis_zum_ende) streifenstueck(s, 0, b.anzahl - bis_zum_ende);
  }
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, streifen);
  glMultiDrawElements(GL_TRIANGLE_STRIP, anzahl, GL_UNSIGNED_SHORT, anfang, n);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

void kugel_setzen(bool solide, double radius, double x, double y, double z) {
  double r = kugelskal * radius;
  const Kugelform& form = kugelform(r);
  glPushMatrix();
  glTranslated(x, y, z);
  if (solide) {
    bool vorne_allein = von_aussen(Vektor3d(x, y, z), r);
    rueckseiten_weglassen(vorne_allein);
    eckenfelder_an();
    glBindBuffer(GL_ARRAY_BUFFER, form.ecken);
    ecken_zeigen(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    kugelstreifen_zeichnen(r, kamerapunkt() - Vektor3d(x, y, z), vorne_allein);
  } else {
    glCallList(form.draht);
  }
  glPopMatrix();
}

// The corners of the slices, as GLU computes them: (sin, cos) of i * 10 degrees.
struct Kreis {
  GLfloat sin[ZYLINDER_SLICES], cos[ZYLINDER_SLICES];
  Kreis() {
    for (int i = 0; i < ZYLINDER_SLICES; i++) {
      GLfloat w = static_cast<GLfloat>(2 * M_PI * i / ZYLINDER_SLICES);
      sin[i] = static_cast<GLfloat>(std::sin(w));
      cos[i] = static_cast<GLfloat>(std::cos(w));
    }
  }
};

// The cylinder of radius r and length l along +z as GLU divides it into 100 stacks, of it the
// rings von, von + schritt, ... up to bis and the slices sch; two triangles per quad, stack by
// stack.
void zylinder_zeichnen(double r, double l, Stapelbereich s, int schritt, Scheibenbereich sch) {
  static const Kreis kreis;
  static std::vector<Ecke> ecken;
  static std::vector<GLushort> dreiecke;
  ecken.clear();
  dreiecke.clear();
  GLfloat radius = static_cast<GLfloat>(r);
  int spalten = sch.anzahl + 1, abschnitte = 0;
  for (int j = s.von;; j = naechster_ring(s, j, schritt), abschnitte++) {
    GLfloat z = static_cast<GLfloat>(j * l / ZYLINDER_STACKS);
    for (int n = 0; n < spalten; n++) {
      int i = (sch.erste + n) % ZYLINDER_SLICES;
      ecken.push_back({{kreis.sin[i], kreis.cos[i], 0}, {radius * kreis.sin[i], radius * kreis.cos[i], z}});
    }
    if (j == s.bis) break;
  }
  for (int ring = 0; ring < abschnitte; ring++)
    for (int n = 0; n < sch.anzahl; n++) {
      // corner n of this ring and the one above it; GL's split of GLU's quad strips
      GLushort u = static_cast<GLushort>(ring * spalten + n), o = static_cast<GLushort>(u + spalten);
      dreiecke.insert(dreiecke.end(), {GLushort(u + 1), u, GLushort(o + 1), u, o, GLushort(o + 1)});
    }
  ecken_zeigen(reinterpret_cast<std::uintptr_t>(ecken.data()));
  glDrawRangeElements(GL_TRIANGLES, 0, static_cast<GLuint>(ecken.size() - 1), static_cast<GLsizei>(dreiecke.size()),
                      GL_UNSIGNED_SHORT, dreiecke.data());
}

// p in eye coordinates.
Vektor3d im_auge(Vektor3d p) {
  GLdouble m[16];
  glGetDoublev(GL_MODELVIEW_MATRIX, m);
  return ins_auge(m, p);
}

// The radius of the solid sphere drawn for atom i, 0 when none is drawn.
double solider_radius(int i) {
  return solidflag && atomliste[i].ra != 0 && !isepaar(i) ? kugelskal * atomliste[i].ra : 0;
}

void linie_zeichnen(Vektor3d pa, Vektor3d pb, int c) {
  glLineWidth(linienbreite(c, bildbreite));
  glBegin(GL_LINES);
  glVertex3d(pa.x, pa.y, pa.z);
  glVertex3d(pb.x, pb.y, pb.z);
  glEnd();
  glLineWidth(1);
}

}  // namespace

void formen_anlegen() { glEnable(GL_NORMALIZE); }

void zeichne_kugel(double radius, double x, double y, double z) { kugel_setzen(false, radius, x, y, z); }

void zeichne_solidekugel(double radius, double x, double y, double z) { kugel_setzen(true, radius, x, y, z); }

void zeichne_bindung(int a, int b, int c) {
  if (isepaar(a) || isepaar(b)) return;
  glColor3ub(50, 50, 50);
  Vektor3d pa = atomliste[a].p, pb = atomliste[b].p;
  if (!cylinderflag) {
    linie_zeichnen(pa, pb, c);
    return;
  }
  double r = bindungsradius(c);
  Stapelbereich s = sichtbare_stapel(pa, solider_radius(a), pb, solider_radius(b), r);
  if (s.von == s.bis) return;
  rueckseiten_weglassen(s.geschlossen);
  Ausrichtung w = zylinder_ausrichtung(pb - pa);
  int schritt = stapel_je_abschnitt(im_auge(pa), im_auge(pb));
  Scheibenbereich sch = {0, ZYLINDER_SLICES};
  if (s.geschlossen) sch = vordere_scheiben(zylinderkoordinaten(kamerapunkt(), pa, w), r);
  glPushMatrix();
  glTranslated(pa.x, pa.y, pa.z);
  glRotated(w.um_z, 0, 0, 1);
  glRotated(w.um_x, 1, 0, 0);
  zylinder_zeichnen(r, abs(pb - pa), s, schritt, sch);
  glPopMatrix();
}

namespace {

// From this many atoms on, a frame draws the spheres nearest to the camera first and leaves out
// every later sphere and bond that the depth buffer shows to be hidden: each of their fragments
// would fail the depth test, so the picture stays the same to the pixel.
constexpr int VERDECKUNG_AB = 200, RUNDEN = 4;

void atom_zeichnen(int i) {
  const Atomlist& a = atomliste[i];
  unsigned char r, g, b;
  atomfarbe(a, &r, &g, &b);
  glColor3ub(r, g, b);
  if (solidflag)
    zeichne_solidekugel(a.ra, a.p.x, a.p.y, a.p.z);
  else
    zeichne_kugel(a.ra, a.p.x, a.p.y, a.p.z);
}

bool atom_gezeigt(int i) { return atomliste[i].ra != 0 && !isepaar(i); }

void bindung_zeichnen(const Bondlist& bond) {
  if (bond.strong != 0) zeichne_bindung(bond.n1, bond.n2, zeichenordnung(bond.strong));
}

// The transformations and the depth buffer of the frame so far.
void verdeckung_lesen(Verdeckung* v) {
  glGetDoublev(GL_MODELVIEW_MATRIX, v->modell);
  glGetDoublev(GL_PROJECTION_MATRIX, v->projektion);
  v->breite = bildbreite, v->hoehe = bildhoehe;
  v->tiefe.resize(static_cast<size_t>(bildbreite) * bildhoehe);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(0, 0, bildbreite, bildhoehe, GL_DEPTH_COMPONENT, GL_FLOAT, v->tiefe.data());
}

// Solid spheres and cylinders in a frame that is drawn to the window, with depth test.
bool verdecken_lohnt() {
  GLint modus = 0;
  glGetIntegerv(GL_RENDER_MODE, &modus);
  return solidflag && cylinderflag && anz_atome >= VERDECKUNG_AB && modus == GL_RENDER && glIsEnabled(GL_DEPTH_TEST);
}

// The spheres by their distance from the camera in RUNDEN groups, the nearest first; before each
// further group and before the bonds, the depth buffer is read back and what it hides is left out.
void verdeckt_zeichnen() {
  static std::vector<std::pair<double, int>> folge;
  static std::vector<int> runde_von;
  static Verdeckung v;
  folge.clear();
  runde_von.assign(anz_atome, -1);
  for (int i = 0; i < anz_atome; i++)
    if (atom_gezeigt(i)) folge.push_back({abs(atomliste[i].p - kamerapunkt()), i});
  std::sort(folge.begin(), folge.end());
  for (size_t k = 0; k < folge.size(); k++) runde_von[folge[k].second] = static_cast<int>(k * RUNDEN / folge.size());
  for (int runde = 0; runde < RUNDEN; runde++) {
    if (runde > 0) verdeckung_lesen(&v);
    for (int i = 0; i < anz_atome; i++)
      if (runde_von[i] == runde && (runde == 0 || !v.kugel_verdeckt(atomliste[i].p, kugelskal * atomliste[i].ra)))
        atom_zeichnen(i);
  }
  verdeckung_lesen(&v);
  eckenfelder_an();
  for (int i = 0; i < anz_bonds; i++) {
    const Bondlist& b = bondliste[i];
    if (!v.strecke_verdeckt(atomliste[b.n1].p, atomliste[b.n2].p, bindungsradius(zeichenordnung(b.strong))))
      bindung_zeichnen(b);
  }
}

}  // namespace

void zeichne_molekuel() {
  if (verdecken_lohnt()) {
    verdeckt_zeichnen();
  } else {
    for (int i = 0; i < anz_atome; i++)
      if (atom_gezeigt(i)) atom_zeichnen(i);
    eckenfelder_an();
    for (int i = 0; i < anz_bonds; i++) bindung_zeichnen(bondliste[i]);
  }
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_NORMAL_ARRAY);
  rueckseiten_weglassen(false);
}

void zeichne_koordinatenkreuz() {
  glColor3ub(0, 0, 0);
  glBegin(GL_LINES);
  glVertex3d(xmin, 0, 0);
  glVertex3d(xmax, 0, 0);
  glVertex3d(0, ymin, 0);
  glVertex3d(0, ymax, 0);
  glVertex3d(0, 0, zmin);
  glVertex3d(0, 0, zmax);
  glEnd();
}
