# What the window should show: atoms read from a structure text file, the camera of the view,
# the window position of each atom centre, and the lit colour seen there.
import math

# Element: radius, colour (the elements of the test molecules)
ELEMENTE = {"C": (0.772, (50, 50, 50)), "N": (0.549, (50, 50, 255)),
            "O": (0.604, (255, 0, 0)), "H": (0.373, (200, 200, 200)), "Cu": (1.32, (142, 64, 42))}
BINDUNGSRADIUS = 0.09325
LICHT = (6.0, 4.5, 10.0)  # light position in eye coordinates
GLOBALES_AMBIENT = 0.2    # OpenGL's default light model
LICHT_AMBIENT = 0.25
SICHTWINKEL = 45.0


def minus(a, b):
    return tuple(x - y for x, y in zip(a, b))


def plus(a, b):
    return tuple(x + y for x, y in zip(a, b))


def mal(a, s):
    return tuple(x * s for x in a)


def punkt(a, b):
    return sum(x * y for x, y in zip(a, b))


def kreuz(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def einheit(a):
    return mal(a, 1 / math.sqrt(punkt(a, a)))


def drehen(v, achse, winkel):
    """v turned right-handed about achse by winkel (radians)."""
    n = einheit(achse)
    c, s = math.cos(winkel), math.sin(winkel)
    return plus(plus(mal(v, c), mal(kreuz(n, v), s)), mal(n, punkt(n, v) * (1 - c)))


class Atom:
    def __init__(self, name, p):
        self.name, self.p = name, p
        self.radius, self.farbe = ELEMENTE[name]


def xyz_lesen(pfad):
    """Atoms and bonds (index pairs and orders) of the first molecule of a structure text
    file. The file's z is the negative of the drawn z."""
    with open(pfad) as datei:
        zeilen = [z for z in datei if z.strip() and not z.startswith(";")]
    anzahl_atome, anzahl_bindungen = map(int, zeilen[0].split())
    atome = []
    for zeile in zeilen[1:1 + anzahl_atome]:
        name, x, y, z = zeile.split()
        atome.append(Atom(name, (float(x), float(y), -float(z))))
    bindungen = []
    for zeile in zeilen[1 + anzahl_atome:1 + anzahl_atome + anzahl_bindungen]:
        teile = zeile.split()
        bindungen.append((int(teile[0]), int(teile[1]), float(teile[2]) if len(teile) > 2 else 1.0))
    return atome, bindungen


def xyz_text(atome, bindungen):
    """The structure text of one molecule."""
    zeilen = [f"{len(atome)}  {len(bindungen)}"]
    zeilen += [f" {a.name:<2.2} {a.p[0]:12.6f} {a.p[1]:12.6f} {-a.p[2]:12.6f}" for a in atome]
    zeilen += [f"{a} {b} {ordnung:g}" for a, b, ordnung in bindungen]
    return "\n".join(zeilen) + "\n"


class Kamera:
    """The camera of the view and the drawing switches that matter for the colours."""

    def __init__(self, breite, hoehe):
        self.breite, self.hoehe = breite, hoehe
        self.eye, self.cent, self.up = (0.0, 0.0, 10.0), (0.0, 0.0, 0.0), (0.0, 1.0, 0.0)
        self.kugelskal = 1.0
        self.ambient = True

    def drehen(self, achse, richtung):
        """One camera turn of richtung degrees about axis 0, 1 or 2, as the arrow keys do."""
        p, w = minus(self.eye, self.cent), math.radians(richtung)
        if achse == 0:
            k = kreuz(p, self.up)
            p, self.up = drehen(p, k, -w), drehen(self.up, k, -w)
        elif achse == 1:
            p = drehen(p, self.up, w)
        else:
            self.up = drehen(self.up, p, w)
        self.eye = plus(self.cent, p)

    def zoomen(self, schritte):
        """The wheel: each step 0.5 closer (positive) or farther (negative)."""
        d = minus(self.eye, self.cent)
        laenge = math.sqrt(punkt(d, d))
        self.eye = plus(self.cent, mal(d, (laenge - 0.5 * schritte) / laenge))

    def achsen(self):
        """Rows of the look-at rotation: right, up, backwards."""
        rueck = einheit(minus(self.eye, self.cent))
        rechts = einheit(kreuz(self.up, rueck))
        return rechts, kreuz(rueck, rechts), rueck

    def augenraum(self, p):
        """p in eye coordinates (model-view: scale(1, w/h, 1) after the look-at)."""
        d = minus(p, self.eye)
        x, y, z = (punkt(achse, d) for achse in self.achsen())
        return (x, y * self.breite / self.hoehe, z)

    def sehpunkt(self):
        """The point the picture is seen from: one unit behind eye, since the projection
        itself looks from (0, 0, 1) to the origin."""
        return plus(self.eye, einheit(minus(self.eye, self.cent)))

    def fensterpunkt(self, p):
        """Window position (x right, y down, in pixels) of the scene point p."""
        x, y, z = self.augenraum(p)
        f = 1 / math.tan(math.radians(SICHTWINKEL / 2))
        tiefe = 1 - z  # distance in front of the projection's eye point
        return ((f * x / tiefe + 1) / 2 * self.breite, self.hoehe - (f * y / tiefe + 1) / 2 * self.hoehe)

    def normale(self, n):
        """A normal in eye coordinates: the inverse transpose of the model-view."""
        x, y, z = (punkt(achse, n) for achse in self.achsen())
        return einheit((x, y * self.hoehe / self.breite, z))

    def farbe(self, atom, punkt_auf_kugel, selektiert=False):
        """The lit colour of an atom's sphere at a point of its surface."""
        n = self.normale(minus(punkt_auf_kugel, atom.p))
        licht = einheit(minus(LICHT, self.augenraum(punkt_auf_kugel)))
        faktor = GLOBALES_AMBIENT + (LICHT_AMBIENT if self.ambient else 0) + max(0.0, punkt(n, licht))
        grund = heller(atom.farbe) if selektiert else atom.farbe
        return tuple(min(255, round(k * faktor)) for k in grund)


def heller(farbe):
    return tuple(max(100, min(255, k + 50)) for k in farbe)


def abstand_zur_strecke(p, a, b):
    ab = minus(b, a)
    t = max(0.0, min(1.0, punkt(minus(p, a), ab) / punkt(ab, ab)))
    d = minus(p, plus(a, mal(ab, t)))
    return math.sqrt(punkt(d, d))


class Ansicht:
    """Atoms and bonds as the camera sees them."""

    RAND = 0.04  # scene units kept free around every shape in front of a sample point

    def __init__(self, atome, bindungen, kamera):
        self.atome, self.bindungen, self.kamera = atome, bindungen, kamera
        self.ausdehnung = max(math.sqrt(punkt(a.p, a.p)) + a.radius for a in atome)

    def radius(self, i):
        return self.atome[i].radius * self.kamera.kugelskal

    def oberflaeche(self, i):
        """The point of atom i's sphere seen at the window position of its centre."""
        atom = self.atome[i]
        strahl = einheit(minus(atom.p, self.kamera.sehpunkt()))
        return minus(atom.p, mal(strahl, self.radius(i)))

    def frei(self, ziel, ausser_atom=None, ausser_bindung=None):
        """Whether the line of sight to ziel keeps clear of every other shape."""
        auge = self.kamera.sehpunkt()
        strahl = minus(ziel, auge)
        laenge = math.sqrt(punkt(strahl, strahl))
        anfang = max(0.0, 1 - 2 * self.ausdehnung / laenge)  # nothing lies nearer the eye
        schritte = 300
        for s in range(schritte):
            p = plus(auge, mal(strahl, anfang + (1 - anfang) * s / schritte))
            if self._in_form(p, ausser_atom, ausser_bindung):
                return False
        return True

    def _in_form(self, p, ausser_atom, ausser_bindung):
        for j, atom in enumerate(self.atome):
            d = minus(p, atom.p)
            if j != ausser_atom and math.sqrt(punkt(d, d)) < self.radius(j) + self.RAND:
                return True
        for k, (a, b, ordnung) in enumerate(self.bindungen):
            radius = BINDUNGSRADIUS * {2: 1.75, 3: 2.5}.get(min(int(ordnung), 3), 1) + self.RAND
            if k != ausser_bindung and abstand_zur_strecke(p, self.atome[a].p, self.atome[b].p) < radius:
                return True
        return False

    def sichtbare(self):
        """Indices of the atoms whose centre lies in the window and shows their own sphere."""
        return [i for i in range(len(self.atome))
                if self.im_fenster(i) and self.frei(self.oberflaeche(i), ausser_atom=i)]

    def im_fenster(self, i):
        x, y = self.fensterpunkt(i)
        return 0 <= x < self.kamera.breite and 0 <= y < self.kamera.hoehe

    def fensterpunkt(self, i):
        x, y = self.kamera.fensterpunkt(self.atome[i].p)
        return int(x), int(y)

    def bildradius(self, i):
        """The radius of atom i's outline in pixels, about."""
        rechts = self.kamera.achsen()[0]
        x, _ = self.kamera.fensterpunkt(plus(self.atome[i].p, mal(rechts, self.radius(i))))
        return abs(x - self.kamera.fensterpunkt(self.atome[i].p)[0])

    def farbe(self, i, selektiert=False):
        return self.kamera.farbe(self.atome[i], self.oberflaeche(i), selektiert)

    def freie_bindungsmitte(self):
        """A bond whose middle between the two spheres is in sight: the window positions of
        that point and of a second point further along the bond, or None."""
        for k, (a, b, _) in enumerate(self.bindungen):
            pa, pb = self.atome[a].p, self.atome[b].p
            laenge = math.sqrt(punkt(minus(pb, pa), minus(pb, pa)))
            t = (self.radius(a) + laenge - self.radius(b)) / 2 / laenge
            mitte = plus(pa, mal(minus(pb, pa), t))
            if self.radius(a) + self.radius(b) + 0.1 < laenge and self.frei(mitte, ausser_bindung=k):
                weiter = plus(pa, mal(minus(pb, pa), t + 0.01))
                return self.kamera.fensterpunkt(mitte), self.kamera.fensterpunkt(weiter)
        return None
