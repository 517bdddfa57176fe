#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "Spieltisch.h"

namespace {

using namespace pelu;

// What must hold after every tick, whatever happened: every figure on one
// field its colour may stand on, at most nine figures on a field, arrival
// orders gap-free (distinct values 1..n among the n figures of a field, and
// likewise per colour), no shared slot among 1..8.
std::string Meldung(int f, int feld, const char* was) {
    return "figure " + std::to_string(f) + " on field " + std::to_string(feld) + ": " + was;
}

std::string Verletzung(const Spielzustand& z) {
    for (int f = 1; f <= FigurAnzahl; ++f) {
        const FigurDaten& d = z.Figur[f];
        const int c = FarbeVonFigur(f);
        const int feld = d.Feld;
        const bool eigenesFeld = (feld >= 1 && feld <= 68) || feld == HeimfeldVon(c) ||
                                 feld == ZielfeldVon(c) ||
                                 (feld >= EinlaufVon(c) && feld <= EinlaufVon(c) + 6);
        if (!eigenesFeld) return Meldung(f, feld, "not a field of its colour");
        const bool zustandPasst = d.Zustand == 0 || (d.Zustand == 1) == (feld <= 104 && feld > 100);
        if (!zustandPasst) return Meldung(f, feld, "wrong state");
        int anzahl = 0;
        int farbanzahl = 0;
        for (int g = 1; g <= FigurAnzahl; ++g) {
            const FigurDaten& e = z.Figur[g];
            if (e.Feld != feld) continue;
            ++anzahl;
            if (FarbeVonFigur(g) == c) ++farbanzahl;
            if (g == f) continue;
            if (e.Stapel == d.Stapel) return Meldung(f, feld, "arrival order shared");
            if (FarbeVonFigur(g) == c && e.Farbstapel == d.Farbstapel)
                return Meldung(f, feld, "colour order shared");
            if (e.Platz == d.Platz && d.Platz <= 8) return Meldung(f, feld, "slot shared");
        }
        if (anzahl > 9) return Meldung(f, feld, "more than nine");
        if (d.Stapel < 1 || d.Stapel > anzahl) return Meldung(f, feld, "arrival order gap");
        if (d.Farbstapel < 1 || d.Farbstapel > farbanzahl)
            return Meldung(f, feld, "colour order gap");
        if (d.Platz < 1 || d.Platz > 9) return Meldung(f, feld, "slot out of range");
    }
    return "";
}

struct Ausgang {
    bool beendet = false;
    std::string fehler;
};

// One game with random players (shared numbers included), random pace and
// humans who click the proposal; invariants after every tick.
Ausgang Spielen(uint64_t saat) {
    std::mt19937_64 los(saat);
    Tabellen daten = pelutest::Testtabellen();
    KopflosesFormular form;
    Zufallsgenerator zufall(saat);
    Spiel spiel(daten, form, zufall);
    spiel.Initialisierung();
    std::array<int16_t, 5> spieler{};
    for (int c = 1; c <= 4; ++c) {
        spieler[c] = static_cast<int16_t>(los() % 9);
        form.Spielerwerte[c] = spieler[c];
    }
    spiel.BefehlTurbo(los() % 4 != 0);
    spiel.BefehlStart();
    // Now and then the game is stopped and restarted in the middle of a turn.
    const int64_t neustartBei = los() % 5 == 0 ? static_cast<int64_t>(los() % 20000) : -1;
    int64_t takte = 0;
    Ausgang aus;
    const Spielzustand& z = spiel.Zustand();
    form.Uhr.Laufen(
        spiel,
        [&](VirtuelleUhr::Takt) {
            if (z.Spielphase != Phase::Start && z.Spielphase != Phase::Keine) {
                aus.fehler = Verletzung(z);
                if (!aus.fehler.empty()) return false;
            }
            if (++takte == neustartBei) {
                spiel.BefehlStopp();
                spiel.BefehlStart();
            }
            if (z.Spielphase == Phase::WartenFigurwahl && z.Gewaehlt == 0)
                spiel.KlickFigur(z.Hilfsfigur);
            return true;
        },
        20000000);
    if (!aus.fehler.empty()) return aus;
    aus.beendet = z.Spielphase == Phase::Spielende && !form.Uhr.ProgrammLaeuft();
    // Every player ranked, one place per player on all its colours.
    for (int c = 1; c <= 4; ++c) {
        const bool imSpiel = spieler[c] > 0;
        if (imSpiel == form.Rang[c].empty())
            aus.fehler = "rank label of colour " + std::to_string(c);
        for (int d = 1; d <= 4; ++d) {
            if (spieler[c] > 0 && spieler[d] == spieler[c] && form.Rang[d] != form.Rang[c])
                aus.fehler = "colours of one player ranked apart";
        }
        for (int f = ErsteFigur(c); f <= LetzteFigur(c); ++f) {
            if (imSpiel && z.Figur[f].Zustand != ZustandZiel) aus.fehler = "figure not in goal";
        }
    }
    return aus;
}

TEST(Spielinvarianten, TausendeZufaelligeSpieleBleibenGueltigUndEnden) {
    for (uint64_t saat = 1; saat <= 2000; ++saat) {
        const Ausgang aus = Spielen(saat);
        ASSERT_TRUE(aus.fehler.empty()) << "seed " << saat << ": " << aus.fehler;
        ASSERT_TRUE(aus.beendet) << "seed " << saat;
    }
}

} // namespace
