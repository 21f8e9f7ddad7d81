// Vectors: 3-D positions and directions, 2-D plane vectors and integer window positions.
// Plain values with the arithmetic and angle functions the rest of quil computes with; angles in radians.
#pragma once

#include <cmath>

struct vektor {
  double x, y;
  vektor(double x_, double y_) : x(x_), y(y_) {}
};

vektor operator+(vektor u, vektor v);
vektor operator-(vektor u, vektor v);
vektor operator*(vektor u, double c);
vektor operator*(double c, vektor u);
vektor operator/(vektor u, double c);
vektor operator-(vektor u);
double abs(vektor v);
double vektorprodukt(vektor u, vektor v);  // the scalar product
double vektorwinkel(vektor u, vektor v);
double vektorwinkelv(vektor u, vektor v);  // signed angle that turns u onto v
vektor vektordrehen(vektor v, double w);
double atan2(vektor v);
// Splits a into *c (turned +gamma from a) and *b (turned -beta) with *c + *b = a.
void vektorsplit(vektor a, double gamma, double beta, vektor* c, vektor* b);

struct Vektor3d {
  double x, y, z;
  Vektor3d() : x(0), y(0), z(0) {}
  Vektor3d(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}

  Vektor3d operator+=(Vektor3d v) {
    x += v.x, y += v.y, z += v.z;
    return *this;
  }
  Vektor3d operator-=(Vektor3d v) {
    x -= v.x, y -= v.y, z -= v.z;
    return *this;
  }
  Vektor3d operator*=(double a);
  Vektor3d einheitsvektor();

  // Plane rotations by the sine and cosine of the angle: drehenPQ turns the P axis towards Q.
  void drehenxy(double sina, double cosa);
  void drehenyx(double sina, double cosa);
  void drehenxz(double sina, double cosa);
  void drehenzx(double sina, double cosa);
  void drehenyz(double sina, double cosa);
  void drehenzy(double sina, double cosa);
};

// The arithmetic that turns and moves atoms, inline for the walks over whole molecules.
inline Vektor3d operator+(Vektor3d u, Vektor3d v) { return Vektor3d(u.x + v.x, u.y + v.y, u.z + v.z); }
inline Vektor3d operator-(Vektor3d u, Vektor3d v) { return Vektor3d(u.x - v.x, u.y - v.y, u.z - v.z); }
inline Vektor3d operator*(Vektor3d u, double c) { return Vektor3d(u.x * c, u.y * c, u.z * c); }
inline Vektor3d operator*(double c, Vektor3d u) { return u * c; }
Vektor3d operator/(Vektor3d u, double c);
Vektor3d operator-(Vektor3d u);
Vektor3d operator*(Vektor3d u, Vektor3d v);  // componentwise
Vektor3d operator/(Vektor3d u, Vektor3d v);  // componentwise
inline double Vektor3dprodukt(Vektor3d u, Vektor3d v) { return u.x * v.x + u.y * v.y + u.z * v.z; }
Vektor3d vektorkreuzprodukt(Vektor3d b, Vektor3d a);                // b x a
inline Vektor3d einheit(Vektor3d v) { return v.einheitsvektor(); }  // the unit vector of v
double abs(Vektor3d v);
inline double absquadrat(Vektor3d v) { return v.x * v.x + v.y * v.y + v.z * v.z; }
double absd(double x);

Vektor3d sin(Vektor3d a);
Vektor3d cos(Vektor3d a);
Vektor3d tan(Vektor3d a);
Vektor3d asin(Vektor3d a);
Vektor3d acos(Vektor3d a);
Vektor3d atan(Vektor3d a);
Vektor3d sqrt(Vektor3d a);
Vektor3d log(Vektor3d a);
Vektor3d log10(Vektor3d a);
Vektor3d exp(Vektor3d a);
Vektor3d pow(double b, Vektor3d a);
Vektor3d pow(Vektor3d b, Vektor3d a);

double vektorwinkel2(Vektor3d a, Vektor3d b);  // in [0, pi], cosine clamped
double vektorwinkel(Vektor3d u, Vektor3d v);   // through the sine: in [0, pi/2] only
double sinvektorwinkel(Vektor3d u, Vektor3d v);
double cosvektorwinkel(Vektor3d a, Vektor3d b);
double xwinkel(Vektor3d v);
double sinwinkel_zwischen_vektor_und_flaeche(Vektor3d v, Vektor3d p2, Vektor3d p3);
double winkel_zwischen_vektor_und_flaeche(Vektor3d v, Vektor3d p1, Vektor3d p2, Vektor3d p3);

struct Intvektor {
  int x, y;
  Intvektor() : x(0), y(0) {}
  Intvektor(int x_, int y_) : x(x_), y(y_) {}
  Intvektor& operator-=(Intvektor p);
  Intvektor& operator/=(int n);
  Intvektor operator-() const;
};
