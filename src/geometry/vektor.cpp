// Vectors: arithmetic, angles and plane rotations of vektor, Vektor3d and Intvektor.
#include "geometry/vektor.h"

vektor operator+(vektor u, vektor v) { return vektor(u.x + v.x, u.y + v.y); }
vektor operator-(vektor u, vektor v) { return vektor(u.x - v.x, u.y - v.y); }
vektor operator*(vektor u, double c) { return vektor(u.x * c, u.y * c); }
vektor operator*(double c, vektor u) { return vektor(u.x * c, u.y * c); }
vektor operator/(vektor u, double c) { return vektor(u.x / c, u.y / c); }
vektor operator-(vektor u) { return vektor(-u.x, -u.y); }
double abs(vektor v) { return std::sqrt(v.x * v.x + v.y * v.y); }
double vektorprodukt(vektor u, vektor v) { return u.x * v.x + u.y * v.y; }
double atan2(vektor v) { return std::atan2(v.y, v.x); }

double vektorwinkel(vektor u, vektor v) { return std::acos(vektorprodukt(u, v) / (abs(u) * abs(v))); }

double vektorwinkelv(vektor u, vektor v) {
  double w = atan2(v) - atan2(u);
  if (w > M_PI)
    w -= 2 * M_PI;
  else if (w < -M_PI)
    w += 2 * M_PI;
  return w;
}

vektor vektordrehen(vektor v, double w) {
  double c = std::cos(w), s = std::sin(w);
  return vektor(v.x * c - v.y * s, v.y * c + v.x * s);
}

void vektorsplit(vektor a, double gamma, double beta, vektor* c, vektor* b) {
  double r = abs(a), phi = atan2(a);
  double l = std::sin(beta) * r / std::sin(gamma + beta);
  *c = vektor(l * std::cos(phi + gamma), l * std::sin(phi + gamma));
  *b = a - *c;
}

Vektor3d Vektor3d::operator*=(double a) {
  x *= a;
  y *= a;
  z *= a;
  return *this;
}

Vektor3d Vektor3d::einheitsvektor() {
  double l = abs(*this);
  x /= l;
  y /= l;
  z /= l;
  return *this;
}

// Turns the pair (p, q) so that p moves towards q; both are read before either is stored.
static void ebene_drehen(double& p, double& q, double sina, double cosa) {
  double p_neu = p * cosa - q * sina;
  double q_neu = p * sina + q * cosa;
  p = p_neu;
  q = q_neu;
}

void Vektor3d::drehenxy(double sina, double cosa) { ebene_drehen(x, y, sina, cosa); }
void Vektor3d::drehenyx(double sina, double cosa) { ebene_drehen(y, x, sina, cosa); }
void Vektor3d::drehenxz(double sina, double cosa) { ebene_drehen(x, z, sina, cosa); }
void Vektor3d::drehenzx(double sina, double cosa) { ebene_drehen(z, x, sina, cosa); }
void Vektor3d::drehenyz(double sina, double cosa) { ebene_drehen(y, z, sina, cosa); }
void Vektor3d::drehenzy(double sina, double cosa) { ebene_drehen(z, y, sina, cosa); }

Vektor3d operator/(Vektor3d u, double c) { return Vektor3d(u.x / c, u.y / c, u.z / c); }
Vektor3d operator-(Vektor3d u) { return Vektor3d(-u.x, -u.y, -u.z); }
Vektor3d operator*(Vektor3d u, Vektor3d v) { return Vektor3d(u.x * v.x, u.y * v.y, u.z * v.z); }
Vektor3d operator/(Vektor3d u, Vektor3d v) { return Vektor3d(u.x / v.x, u.y / v.y, u.z / v.z); }

Vektor3d vektorkreuzprodukt(Vektor3d b, Vektor3d a) {
  return Vektor3d(b.y * a.z - b.z * a.y, b.z * a.x - b.x * a.z, b.x * a.y - b.y * a.x);
}

double abs(Vektor3d v) { return std::sqrt(absquadrat(v)); }
double absd(double x) { return x < 0 ? -x : x; }

static Vektor3d komponentenweise(double (*f)(double), Vektor3d a) { return Vektor3d(f(a.x), f(a.y), f(a.z)); }

Vektor3d sin(Vektor3d a) { return komponentenweise(std::sin, a); }
Vektor3d cos(Vektor3d a) { return komponentenweise(std::cos, a); }
Vektor3d tan(Vektor3d a) { return komponentenweise(std::tan, a); }
Vektor3d asin(Vektor3d a) { return komponentenweise(std::asin, a); }
Vektor3d acos(Vektor3d a) { return komponentenweise(std::acos, a); }
Vektor3d atan(Vektor3d a) { return komponentenweise(std::atan, a); }
Vektor3d sqrt(Vektor3d a) { return komponentenweise(std::sqrt, a); }
Vektor3d log(Vektor3d a) { return komponentenweise(std::log, a); }
Vektor3d log10(Vektor3d a) { return komponentenweise(std::log10, a); }
Vektor3d exp(Vektor3d a) { return komponentenweise(std::exp, a); }
Vektor3d pow(double b, Vektor3d a) { return Vektor3d(std::pow(b, a.x), std::pow(b, a.y), std::pow(b, a.z)); }
Vektor3d pow(Vektor3d b, Vektor3d a) { return Vektor3d(std::pow(b.x, a.x), std::pow(b.y, a.y), std::pow(b.z, a.z)); }

double cosvektorwinkel(Vektor3d a, Vektor3d b) { return Vektor3dprodukt(a, b) / (abs(a) * abs(b)); }

double sinvektorwinkel(Vektor3d u, Vektor3d v) { return abs(vektorkreuzprodukt(u, v)) / (abs(u) * abs(v)); }

double vektorwinkel2(Vektor3d a, Vektor3d b) {
  double k = cosvektorwinkel(a, b);
  if (k <= -1) return M_PI;
  if (k >= 1) return 0;
  return std::acos(k);
}

double vektorwinkel(Vektor3d u, Vektor3d v) { return std::asin(sinvektorwinkel(u, v)); }

double xwinkel(Vektor3d v) { return std::atan2(std::sqrt(v.y * v.y + v.z * v.z), v.x); }

// Turns a private frame until p2 and p3 span the x-y plane and reads the sine off v.z.
// A degenerate plane (p2 on the z axis needs no first turn; p2 parallel to p3 spans no plane) gives 0.
double sinwinkel_zwischen_vektor_und_flaeche(Vektor3d v, Vektor3d p2, Vektor3d p3) {
  double s = std::sqrt(p2.x * p2.x + p2.y * p2.y);
  if (s > 0) {
    v.drehenyx(p2.y / s, p2.x / s);
    p3.drehenyx(p2.y / s, p2.x / s);
  }
  double g = abs(p2);
  if (g == 0) return 0;
  v.drehenzx(p2.z / g, s / g);
  p3.drehenzx(p2.z / g, s / g);
  double t = std::sqrt(p3.y * p3.y + p3.z * p3.z);
  double l = abs(v);
  if (t == 0 || l == 0) return 0;
  v.drehenzy(p3.z / t, p3.y / t);
  return absd(v.z) / l;
}

double winkel_zwischen_vektor_und_flaeche(Vektor3d v, Vektor3d p1, Vektor3d p2, Vektor3d p3) {
  return std::asin(sinwinkel_zwischen_vektor_und_flaeche(v - p1, p2 - p1, p3 - p1));
}

Intvektor& Intvektor::operator-=(Intvektor p) {
  x -= p.x;
  y -= p.y;
  return *this;
}

Intvektor& Intvektor::operator/=(int n) {
  x /= n;
  y /= n;
  return *this;
}

Intvektor Intvektor::operator-() const { return Intvektor(-x, -y); }
