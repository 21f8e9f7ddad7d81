// Drawing the molecules. The spheres are display lists of unit size and the bond cylinder a
// vertex buffer of unit size, each built once and scaled into place; GL_NORMALIZE keeps the
// normals of unit length. What cannot be seen is left out (see szene.h).
#define GL_GLEXT_PROTOTYPES
#include "view/zeichnen_gl.h"

#include <GL/freeglut.h>
#include <GL/glext.h>

#include <cmath>
#include <vector>

#include "model/tabellen.h"
#include "view/ansicht.h"
#include "view/szene.h"

namespace {

GLuint solide_kugel, draht_kugel;
GLuint zylinder_ecken, zylinder_dreiecke;
constexpr int DREIECKSECKEN_PRO_STAPEL = 6 * ZYLINDER_SLICES;

void rueckseiten_weglassen(bool weglassen) {
  static bool an = false;
  if (weglassen == an) return;
  an = weglassen;
  if (an)
    glEnable(GL_CULL_FACE);
  else
    glDisable(GL_CULL_FACE);
}

// The cylinder of radius 1 from z = 0 to z = 1 as GLU builds it (36 slices, 100 stacks,
// vertex i of a ring at (sin, cos) of i * 10 degrees, normals outward), its two triangles per
// quad stored stack by stack, so that a run of stacks is one run of indices.
void zylinder_anlegen() {
  std::vector<GLfloat> ecken;  // normal, then position
  for (int j = 0; j <= ZYLINDER_STACKS; j++)
    for (int i = 0; i <= ZYLINDER_SLICES; i++) {
      double w = 2 * M_PI * (i % ZYLINDER_SLICES) / ZYLINDER_SLICES;
      GLfloat s = static_cast<GLfloat>(std::sin(w)), c = static_cast<GLfloat>(std::cos(w));
      GLfloat z = static_cast<GLfloat>(j) / ZYLINDER_STACKS;
      ecken.insert(ecken.end(), {s, c, 0, s, c, z});
    }
  std::vector<GLuint> dreiecke;
  for (GLuint j = 0; j < ZYLINDER_STACKS; j++)
    for (GLuint i = 0; i < ZYLINDER_SLICES; i++) {
      GLuint unten = j * (ZYLINDER_SLICES + 1) + i, oben = unten + ZYLINDER_SLICES + 1;
      dreiecke.insert(dreiecke.end(), {unten, oben, unten + 1, unten + 1, oben, oben + 1});
    }
  glGenBuffers(1, &zylinder_ecken);
  glBindBuffer(GL_ARRAY_BUFFER, zylinder_ecken);
  glBufferData(GL_ARRAY_BUFFER, ecken.size() * sizeof(GLfloat), ecken.data(), GL_STATIC_DRAW);
  glGenBuffers(1, &zylinder_dreiecke);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, zylinder_dreiecke);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, dreiecke.size() * sizeof(GLuint), dreiecke.data(), GL_STATIC_DRAW);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

void stapel_zeichnen(Stapelbereich s) {
  glBindBuffer(GL_ARRAY_BUFFER, zylinder_ecken);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, zylinder_dreiecke);
  glEnableClientState(GL_NORMAL_ARRAY);
  glEnableClientState(GL_VERTEX_ARRAY);
  glNormalPointer(GL_FLOAT, 6 * sizeof(GLfloat), nullptr);
  glVertexPointer(3, GL_FLOAT, 6 * sizeof(GLfloat), reinterpret_cast<void*>(3 * sizeof(GLfloat)));
  glDrawElements(GL_TRIANGLES, (s.bis - s.von) * DREIECKSECKEN_PRO_STAPEL, GL_UNSIGNED_INT,
                 reinterpret_cast<void*>(s.von * DREIECKSECKEN_PRO_STAPEL * sizeof(GLuint)));
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_NORMAL_ARRAY);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

void kugel_setzen(GLuint form, double radius, double x, double y, double z) {
  double r = kugelskal * radius;
  glPushMatrix();
  glTranslated(x, y, z);
  glScaled(r, r, r);
  glCallList(form);
  glPopMatrix();
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

void formen_anlegen() {
  solide_kugel = glGenLists(2);
  draht_kugel = solide_kugel + 1;
  glNewList(solide_kugel, GL_COMPILE);
  glutSolidSphere(1.0, KUGEL_SLICES, KUGEL_STACKS);
  glEndList();
  glNewList(draht_kugel, GL_COMPILE);
  glutWireSphere(1.0, KUGEL_SLICES, KUGEL_STACKS);
  glEndList();
  zylinder_anlegen();
  glEnable(GL_NORMALIZE);
}

void zeichne_kugel(double radius, double x, double y, double z) { kugel_setzen(draht_kugel, radius, x, y, z); }

void zeichne_solidekugel(double radius, double x, double y, double z) {
  rueckseiten_weglassen(von_aussen(Vektor3d(x, y, z), kugelskal * radius));
  kugel_setzen(solide_kugel, radius, x, y, z);
}

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
  glPushMatrix();
  glTranslated(pa.x, pa.y, pa.z);
  glRotated(w.um_z, 0, 0, 1);
  glRotated(w.um_x, 1, 0, 0);
  glScaled(r, r, abs(pb - pa));
  stapel_zeichnen(s);
  glPopMatrix();
}

void zeichne_molekuel() {
  for (int i = 0; i < anz_atome; i++) {
    const Atomlist& a = atomliste[i];
    if (a.ra == 0 || isepaar(i)) continue;
    unsigned char r, g, b;
    atomfarbe(a, &r, &g, &b);
    glColor3ub(r, g, b);
    if (solidflag)
      zeichne_solidekugel(a.ra, a.p.x, a.p.y, a.p.z);
    else
      zeichne_kugel(a.ra, a.p.x, a.p.y, a.p.z);
  }
  for (int i = 0; i < anz_bonds; i++)
    if (bondliste[i].strong != 0)
      zeichne_bindung(bondliste[i].n1, bondliste[i].n2, zeichenordnung(bondliste[i].strong));
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
