# What the window should show of a molecule: where points appear and the colour of its atoms there.
import math, operator

ELEMENTE = {"C": (0.772, (50, 50, 50)), "N": (0.549, (50, 50, 255)), "O": (0.604, (255, 0, 0)),
            "H": (0.373, (200, 200, 200))}  # radius, colour
SICHTBAR = [0, 1, 2, 4, 7, 8, 10, 11]  # the atoms of Alanin in front, at the start and after each camera move tested


class V(tuple):  # a vector: @ the dot product, abs its length
    __add__ = lambda a, b: V(map(operator.add, a, b))
    __sub__ = lambda a, b: V(map(operator.sub, a, b))
    __mul__ = lambda a, s: V(k * s for k in a)
    __matmul__ = lambda a, b: sum(map(operator.mul, a, b))
    __abs__ = lambda a: math.sqrt(a @ a)
    einheit = lambda a: a * (1 / abs(a))
    kreuz = lambda a, b: V((a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]))


def molekuele(text):
    """The molecules of a structure text ("molekuele=N" first: N of them): atoms (element, position), bond lines."""
    zeilen = [z for z in (z.split(";")[0].split() for z in text.splitlines()) if z]
    for _ in range(int(zeilen.pop(0)[0][10:]) if zeilen[0][0].startswith("molekuele=") else 1):
        n, m = map(int, zeilen[0][:2])
        yield [(z[0], V(map(float, z[1:4]))) for z in zeilen[1:n + 1]], [" ".join(z) for z in zeilen[n + 1:n + 1 + m]]
        del zeilen[:n + 1 + m]


class Ansicht:
    """A structure text's first molecule after the camera turned grad about x (as Up does) and zoom wheel steps."""

    def __init__(self, text, breite, hoehe, grad=0, zoom=0, ambient=True):
        self.breite, self.hoehe, self.ambient = breite, hoehe, ambient
        c, s = math.cos(math.radians(grad)), math.sin(math.radians(grad))
        # the file's z drawn as -z; the camera's turn as the scene's turn back
        self.atome = [(e, V((x, y * c - z * s, -z * c - y * s))) for e, (x, y, z) in next(molekuele(text))[0]]
        self.auge = V((0, 0, 10 - 0.5 * zoom))  # looking along -z, y up
        self.sehpunkt = self.auge + V((0, 0, 1))  # the projection looks from (0, 0, 1) of eye space

    def augenraum(self, p, skala=1):  # p less the eye in eye space, scaled by (1, w/h, 1); a normal's skala is -1
        return V((p[0], p[1] * (self.breite / self.hoehe) ** skala, p[2]))

    def fensterpunkt(self, p):  # in whole pixels, x right, y down, under gluPerspective(45, 1, ...)
        x, y, z = self.augenraum(V(p) - self.auge)
        f = 1 / math.tan(math.radians(22.5)) / (1 - z)
        return int((1 + f * x) / 2 * self.breite), int((1 - f * y) / 2 * self.hoehe)

    def punkt(self, i):
        return self.fensterpunkt(self.atome[i][1])

    def bildradius(self, i):
        name, p = self.atome[i]
        return self.fensterpunkt(p + V((ELEMENTE[name][0], 0, 0)))[0] - self.punkt(i)[0]

    def farbe(self, i, selektiert=False):
        """The colour at atom i's centre: ambient 0.2 + 0.25, diffuse light from (6, 4.5, 10); selected 50 brighter."""
        name, p = self.atome[i]
        flaeche = p - (p - self.sehpunkt).einheit() * ELEMENTE[name][0]  # the point of the sphere seen there
        n = self.augenraum(flaeche - p, -1).einheit()
        licht = (V((6.0, 4.5, 10.0)) - self.augenraum(flaeche - self.auge)).einheit()
        faktor = 0.2 + 0.25 * self.ambient + max(0.0, n @ licht)
        grund = [max(100, min(255, k + 50)) if selektiert else k for k in ELEMENTE[name][1]]
        return tuple(min(255, round(k * faktor)) for k in grund)
