# What the window should show of a molecule: where points appear, which atoms are seen, their colour.
import math
import operator

# Element: radius, colour (the elements of the test molecules)
ELEMENTE = {"C": (0.772, (50, 50, 50)), "N": (0.549, (50, 50, 255)), "O": (0.604, (255, 0, 0)),
            "H": (0.373, (200, 200, 200)), "Cu": (1.32, (142, 64, 42))}
RAND = 0.04  # scene units kept free around every sphere in front of a point looked at


class V(tuple):
    """A vector: + and - of two, * by a number, @ the dot product, abs its length."""
    __add__ = lambda a, b: V(map(operator.add, a, b))
    __sub__ = lambda a, b: V(map(operator.sub, a, b))
    __mul__ = lambda a, s: V(k * s for k in a)
    __matmul__ = lambda a, b: sum(map(operator.mul, a, b))
    __abs__ = lambda a: math.sqrt(a @ a)
    einheit = lambda a: a * (1 / abs(a))
    kreuz = lambda a, b: V((a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]))


def drehen(v, achse, grad):
    """v turned right-handed about achse."""
    n, c, s = achse.einheit(), math.cos(math.radians(grad)), math.sin(math.radians(grad))
    return v * c + n.kreuz(v) * s + n * (n @ v * (1 - c))


def molekuele(text):
    """The molecules of a structure text ("molekuele=N" first: N of them): atoms (element, position), bond lines."""
    zeilen = [z for z in (z.split(";")[0].split() for z in text.splitlines()) if z]
    for _ in range(int(zeilen.pop(0)[0][10:]) if zeilen[0][0].startswith("molekuele=") else 1):
        n, m = map(int, zeilen[0][:2])
        yield [(z[0], V(map(float, z[1:4]))) for z in zeilen[1:n + 1]], [" ".join(z) for z in zeilen[n + 1:n + 1 + m]]
        del zeilen[:n + 1 + m]


def abstand_zur_strecke(p, a, b):
    t = max(0.0, min(1.0, (p - a) @ (b - a) / ((b - a) @ (b - a))))
    return abs(p - a - (b - a) * t)


class Ansicht:
    """The first molecule of a structure text in a window, seen after a turn (axis 0, 1 or 2, degrees, as the
    arrow keys turn) or wheel steps (positive: closer), lit with or without the ambient light."""

    def __init__(self, text, breite, hoehe, drehung=(0, 0), zoom=0, ambient=True):
        self.atome = [(e, V((x, y, -z))) for e, (x, y, z) in next(molekuele(text))[0]]  # the file's z: drawn -z
        self.breite, self.hoehe, self.ambient = breite, hoehe, ambient
        (achse, grad), p, up = drehung, V((0, 0, 10)), V((0, 1, 0))  # p: eye - centre, the centre at 0
        if achse == 0:
            p, up = drehen(p, p.kreuz(up), -grad), drehen(up, p.kreuz(up), -grad)
        elif achse == 1:
            p = drehen(p, up, grad)
        else:
            up = drehen(up, p, grad)
        self.eye, rechts = p * ((abs(p) - 0.5 * zoom) / abs(p)), up.kreuz(p).einheit()
        self.achsen = rechts, p.einheit().kreuz(rechts), p.einheit()  # rows of the look-at turn
        self.sehpunkt = self.eye + p.einheit()  # the projection looks from (0, 0, 1) of eye space

    def augenraum(self, p, skala=1):
        """p in eye coordinates: the look-at, then scale(1, w/h, 1); a normal's skala is -1."""
        x, y, z = (a @ p for a in self.achsen)
        return V((x, y * (self.breite / self.hoehe) ** skala, z))

    def fensterpunkt(self, p):
        """Window position (x right, y down, in pixels) of p under gluPerspective(45, 1, ...)."""
        x, y, z = self.augenraum(p - self.eye)
        f = 1 / math.tan(math.radians(22.5)) / (1 - z)
        return (1 + f * x) / 2 * self.breite, (1 - f * y) / 2 * self.hoehe

    def punkt(self, i):
        return tuple(int(k) for k in self.fensterpunkt(self.atome[i][1]))

    def radius(self, i):
        return ELEMENTE[self.atome[i][0]][0]

    def bildradius(self, i):
        return self.fensterpunkt(self.atome[i][1] + self.achsen[0] * self.radius(i))[0] - self.punkt(i)[0]

    def oberflaeche(self, i):
        """The point of atom i's sphere seen at the window position of its centre."""
        p = self.atome[i][1]
        return p - (p - self.sehpunkt).einheit() * self.radius(i)

    def farbe(self, i, selektiert=False, element=None):
        """The colour at atom i's centre (as if of element): ambient 0.2 + 0.25, diffuse light from (6, 4.5, 10)."""
        name, p = self.atome[i]
        n = self.augenraum(self.oberflaeche(i) - p, -1).einheit()
        licht = (V((6.0, 4.5, 10.0)) - self.augenraum(self.oberflaeche(i) - self.eye)).einheit()
        faktor = 0.2 + 0.25 * self.ambient + max(0.0, n @ licht)
        grund = ELEMENTE[element or name][1]
        if selektiert:
            grund = [max(100, min(255, k + 50)) for k in grund]
        return tuple(min(255, round(k * faktor)) for k in grund)

    def sichtbare(self):
        """The atoms whose centre lies in the window and shows their own sphere, no other sphere in the line
        of sight (the bonds, thin and between their spheres, hide none)."""
        def frei(i):
            return all(abstand_zur_strecke(q, self.sehpunkt, self.oberflaeche(i)) >= self.radius(j) + RAND
                       for j, (_, q) in enumerate(self.atome) if j != i)
        return [i for i in range(len(self.atome)) if 0 <= self.punkt(i)[0] < self.breite
                and 0 <= self.punkt(i)[1] < self.hoehe and frei(i)]
