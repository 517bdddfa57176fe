#include "Brettentwurf.h"

#include <map>

namespace pelu::brett {

namespace {

constexpr int A = ArmHalbbreite;
constexpr int T = MittelreiheHalbbreite;
constexpr int H = Feldlaenge;
constexpr int E = Armende;

constexpr int ArtStrecke = 5;
constexpr int ArtBank = 6;

// A quarter turn that carries the left arm onto the bottom arm, the bottom
// arm onto the right one and so on: the board's colours follow each other
// the same way.
Versatz Drehen(Versatz p, int mal) {
    for (int i = 0; i < mal; ++i)
        p = {p.y, -p.x};
    return p;
}

// A field of a horizontal row between x0 and x1. The figures stand across
// the row from the edge at yA (slot 1, overflow beyond it) to the edge at yB.
// Corners run counter-clockwise on the screen, starting with the yA edge.
std::array<Versatz, 4> Reihenfeld(int x0, int x1, int yA, int yB) {
    if (yA > yB) return {{{x0, yA}, {x1, yA}, {x1, yB}, {x0, yB}}};
    return {{{x1, yA}, {x0, yA}, {x0, yB}, {x1, yB}}};
}

// The left arm, which carries colour 1: track fields 60..67 (upper row,
// running outwards), 68 (turning field), 1..8 (lower row, running inwards)
// and the lane 69..75. Track fields put slot 1 at the outer edge, so
// crowded fields overflow away from the lane. Field 8 also covers the
// square at the inner corner, so it shares an edge with field 9.
std::map<int, Feldsatz> LinkerArm() {
    std::map<int, Feldsatz> arm;
    auto setze = [&](int n, std::array<Versatz, 4> punkte, int art) {
        arm[n] = Feldsatz{n, 0, punkte, art};
    };
    setze(68, Reihenfeld(-E, -E + H, T, -T), ArtBank);
    for (int n = 1; n <= 8; ++n) {
        const int x0 = -E + (n - 1) * H;
        const int unten = n == 8 ? A + H : A;
        const int art = n == 5 ? 1 : ArtStrecke; // exit field of colour 1
        setze(n, Reihenfeld(x0, x0 + H, unten, T), art);
    }
    for (int i = 0; i < 8; ++i) {
        const int x1 = -A - i * H;
        setze(60 + i, Reihenfeld(x1 - H, x1, -A, -T), i == 3 ? ArtBank : ArtStrecke);
    }
    for (int i = 0; i < 7; ++i) {
        const int x0 = -E + (i + 1) * H;
        setze(69 + i, Reihenfeld(x0, x0 + H, T, -T), 1);
    }
    return arm;
}

int Streckenfeld(int n, int farbe) {
    return (n - 1 + 17 * (farbe - 1)) % 68 + 1;
}

} // namespace

std::vector<Feldsatz> BrettEntwerfen() {
    std::map<int, Feldsatz> felder;
    for (const auto& [n, feld] : LinkerArm()) {
        for (int farbe = 1; farbe <= 4; ++farbe) {
            Feldsatz f = feld;
            f.nummer = n <= 68 ? Streckenfeld(n, farbe) : n + 7 * (farbe - 1);
            if (f.art <= 4) f.art = farbe; // lane and exit field in the colour
            for (auto& p : f.punkte)
                p = Drehen(p, farbe - 1);
            felder[f.nummer] = f;
        }
    }
    // Homes in the corners bottom-left, bottom-right, top-right, top-left,
    // places in reading order.
    const int seiteX[] = {-1, 1, 1, -1};
    const int seiteY[] = {1, 1, -1, -1};
    for (int farbe = 1; farbe <= 4; ++farbe) {
        Feldsatz heim{100 + farbe, HeimRadius, {}, 0};
        const int mx = seiteX[farbe - 1] * HeimMitteX;
        const int my = seiteY[farbe - 1] * HeimMitteY;
        heim.punkte = {{{mx - HeimAbstand, my - HeimAbstand},
                        {mx + HeimAbstand, my - HeimAbstand},
                        {mx - HeimAbstand, my + HeimAbstand},
                        {mx + HeimAbstand, my + HeimAbstand}}};
        felder[heim.nummer] = heim;

        Feldsatz ziel{104 + farbe, 0, {}, 0};
        for (int k = 0; k < 4; ++k)
            ziel.punkte[k] = Drehen({ZielX, ZielY[k]}, farbe - 1);
        felder[ziel.nummer] = ziel;
    }
    std::vector<Feldsatz> ergebnis;
    for (const auto& [n, f] : felder)
        ergebnis.push_back(f);
    return ergebnis;
}

} // namespace pelu::brett
