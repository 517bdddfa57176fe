#pragma once
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "game/Tabellen.h"

namespace pelu::test {

// Plane geometry for checking the board's fields, in pixels.
struct P {
    double x = 0;
    double y = 0;
};
using Vieleck = std::vector<P>;

inline double Kreuz(P o, P a, P b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

inline Vieleck Feldvieleck(const Tabellen& t, int feld) {
    Vieleck v;
    for (int k = 0; k < 4; ++k)
        v.push_back({double(t.Bilddaten[feld][2 + 2 * k]), double(t.Bilddaten[feld][3 + 2 * k])});
    return v;
}

// Pixels left..left+breite-1 by top..top+hoehe-1, as a region of pixel centres.
inline Vieleck Rechteck(double links, double oben, double breite, double hoehe) {
    const double rechts = links + breite - 1, unten = oben + hoehe - 1;
    return {{links, oben}, {rechts, oben}, {rechts, unten}, {links, unten}};
}

// The 15 x 15 pixels of a figure centred on (x, y).
inline Vieleck Figurkasten(double x, double y) {
    return Rechteck(x - 7, y - 7, 15, 15);
}

// Whether, for every edge i, the point punkt(i) lies strictly on the same side.
template <typename Punkt> bool StetsAufEinerSeite(const Vieleck& v, Punkt punkt) {
    int links = 0, rechts = 0;
    for (size_t i = 0; i < v.size(); ++i) {
        const double k = Kreuz(v[i], v[(i + 1) % v.size()], punkt(i));
        links += k > 1e-9;
        rechts += k < -1e-9;
    }
    return links == int(v.size()) || rechts == int(v.size());
}

// Every turn goes the same way and none is straight.
inline bool StrengKonvex(const Vieleck& v) {
    return StetsAufEinerSeite(v, [&](size_t i) { return v[(i + 2) % v.size()]; });
}

// Strictly inside a convex polygon, whichever way it turns.
inline bool Innen(P p, const Vieleck& v) {
    return StetsAufEinerSeite(v, [&](size_t) { return p; });
}

// Separating axes of two convex polygons: true unless some axis leaves a gap
// of at least `luecke` pixels between them (0: touching does not overlap).
inline bool Ueberlappen(const Vieleck& a, const Vieleck& b, double luecke = 0) {
    for (const Vieleck* v : {&a, &b})
        for (size_t i = 0; i < v->size(); ++i) {
            const P p = (*v)[i], q = (*v)[(i + 1) % v->size()];
            const double laenge = std::hypot(q.x - p.x, q.y - p.y);
            if (laenge == 0) continue;
            const double nx = (p.y - q.y) / laenge, ny = (q.x - p.x) / laenge;
            auto spanne = [&](const Vieleck& w) {
                double lo = std::numeric_limits<double>::max(), hi = -lo;
                for (const P& r : w) {
                    lo = std::min(lo, r.x * nx + r.y * ny);
                    hi = std::max(hi, r.x * nx + r.y * ny);
                }
                return std::pair(lo, hi);
            };
            const auto [aLo, aHi] = spanne(a);
            const auto [bLo, bHi] = spanne(b);
            if (aHi + luecke <= bLo + 1e-9 || bHi + luecke <= aLo + 1e-9) return false;
        }
    return true;
}

// Length of outline the two polygons have in common (edges lying on each
// other within `toleranz` pixels).
inline double GemeinsamerRand(const Vieleck& a, const Vieleck& b, double toleranz = 1.0) {
    double summe = 0;
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t j = 0; j < b.size(); ++j) {
            const P p = a[i], q = a[(i + 1) % a.size()];
            const P r = b[j], s = b[(j + 1) % b.size()];
            const double laenge = std::hypot(q.x - p.x, q.y - p.y);
            if (laenge == 0) continue;
            if (std::abs(Kreuz(p, q, r)) / laenge > toleranz ||
                std::abs(Kreuz(p, q, s)) / laenge > toleranz)
                continue;
            const double ux = (q.x - p.x) / laenge, uy = (q.y - p.y) / laenge;
            const double t1 = (r.x - p.x) * ux + (r.y - p.y) * uy;
            const double t2 = (s.x - p.x) * ux + (s.y - p.y) * uy;
            summe +=
                std::max(0.0, std::min(laenge, std::max(t1, t2)) - std::max(0.0, std::min(t1, t2)));
        }
    return summe;
}

} // namespace pelu::test
