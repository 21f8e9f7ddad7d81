// Drawing the molecules. Sphere and cylinder are compiled once into display lists of unit
// size and scaled into place; GL_NORMALIZE keeps their normals of unit length.
#include "view/zeichnen_gl.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include "model/tabellen.h"
#include "view/ansicht.h"
#include "view/szene.h"

namespace {

GLuint solide_kugel, draht_kugel, zylinder;

void kugel_setzen(GLuint form, double radius, double x, double y, double z) {
  double r = kugelskal * radius;
  glPushMatrix();
  glTranslated(x, y, z);
  glScaled(r, r, r);
  glCallList(form);
  glPopMatrix();
}

}  // namespace

void formen_anlegen() {
  solide_kugel = glGenLists(3);
  draht_kugel = solide_kugel + 1;
  zylinder = solide_kugel + 2;
  glNewList(solide_kugel, GL_COMPILE);
  glutSolidSphere(1.0, KUGEL_SLICES, KUGEL_STACKS);
  glEndList();
  glNewList(draht_kugel, GL_COMPILE);
  glutWireSphere(1.0, KUGEL_SLICES, KUGEL_STACKS);
  glEndList();
  GLUquadric* q = gluNewQuadric();
  glNewList(zylinder, GL_COMPILE);
  gluCylinder(q, 1.0, 1.0, 1.0, ZYLINDER_SLICES, ZYLINDER_STACKS);
  glEndList();
  gluDeleteQuadric(q);
  glEnable(GL_NORMALIZE);
}

void zeichne_kugel(double radius, double x, double y, double z) { kugel_setzen(draht_kugel, radius, x, y, z); }

void zeichne_solidekugel(double radius, double x, double y, double z) {
  kugel_setzen(solide_kugel, radius, x, y, z);
}

void zeichne_bindung(int a, int b, int c) {
  if (isepaar(a) || isepaar(b)) return;
  glColor3ub(50, 50, 50);
  Vektor3d pa = atomliste[a].p, d = atomliste[b].p - pa;
  if (!cylinderflag) {
    glLineWidth(linienbreite(c, bildbreite));
    glBegin(GL_LINES);
    glVertex3d(pa.x, pa.y, pa.z);
    glVertex3d(pa.x + d.x, pa.y + d.y, pa.z + d.z);
    glEnd();
    glLineWidth(1);
    return;
  }
  double r = bindungsradius(c);
  Ausrichtung w = zylinder_ausrichtung(d);
  glPushMatrix();
  glTranslated(pa.x, pa.y, pa.z);
  glRotated(w.um_z, 0, 0, 1);
  glRotated(w.um_x, 1, 0, 0);
  glScaled(r, r, abs(d));
  glCallList(zylinder);
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
