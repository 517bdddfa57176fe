#include <gtest/gtest.h>

#include <random>

#include "harness/Spieltisch.h"
#include "support/Testtabellen.h"

namespace pelu::test {

namespace {

// What must hold whatever happened: every figure on a field its colour may
// stand on, in a state that fits it; at most nine figures on a field;
// arrival orders gap-free (the values 1..n among the n figures of a field,
// and likewise per colour); no shared slot among 1..8. "" if all is well.
std::string Verletzung(const Figurentabelle& figur) {
    std::array<int, 109 * 5> anzahl{}, belegt{}; // per field (colour 0) and per field and colour
    for (int f = 1; f <= FigurAnzahl; ++f) {
        const int feld = figur[f].Feld, c = FarbeVonFigur(f);
        if (!((feld >= 1 && feld <= 68) || feld == HeimfeldVon(c) || feld == ZielfeldVon(c) ||
              (feld >= EinlaufVon(c) && feld <= EinlaufVon(c) + 6)))
            return "figure " + std::to_string(f) + " on a field not its colour's";
        ++anzahl[5 * feld];
        ++anzahl[5 * feld + c];
    }
    for (int f = 1; f <= FigurAnzahl; ++f) {
        const FigurDaten& d = figur[f];
        const int k = 5 * d.Feld, kc = k + FarbeVonFigur(f);
        const bool gut = (d.Zustand == 0 || (d.Zustand == 1) == (d.Feld > 100 && d.Feld <= 104)) &&
                         anzahl[k] <= 9 && d.Stapel >= 1 && d.Stapel <= anzahl[k] &&
                         !(belegt[k] >> d.Stapel & 1) && d.Farbstapel >= 1 &&
                         d.Farbstapel <= anzahl[kc] && !(belegt[kc] >> d.Farbstapel & 1) &&
                         d.Platz >= 1 && d.Platz <= 9 &&
                         (d.Platz == 9 || !(belegt[k] >> (10 + d.Platz) & 1));
        if (!gut) return "figure " + std::to_string(f) + " on field " + std::to_string(d.Feld);
        belegt[k] |= 1u << d.Stapel | 1u << (10 + d.Platz);
        belegt[kc] |= 1u << d.Farbstapel;
    }
    return "";
}

// One game with random players (shared numbers and humans, who click the
// proposal), random pace and now and then a restart in mid-turn, checked
// after every program tick (animation ticks only move images) and after a
// triple twelve; at the end
// every player ranked, with one place for all his colours and none shared
// with another player, and every figure in play in its goal.
std::string Spielen(uint64_t saat) {
    std::mt19937_64 los(saat);
    const Tabellen daten = Testtabellen();
    KopflosesFormular form;
    Zufallsgenerator zufall(saat);
    Spiel spiel(daten, form, zufall);
    spiel.Initialisierung();
    for (int c = 1; c <= 4; ++c)
        form.Spielerwerte[c] = static_cast<int16_t>(los() % 9);
    spiel.BefehlTurbo(los() % 4 != 0);
    spiel.BefehlStart();
    const int64_t neustartBei = los() % 5 == 0 ? static_cast<int64_t>(los() % 20000) : -1;
    int64_t takte = 0;
    std::string fehler;
    const Spielzustand& z = spiel.Zustand();
    form.Uhr.Laufen(
        spiel,
        [&](VirtuelleUhr::Takt takt) {
            if (takt == VirtuelleUhr::Takt::Programm && z.Spielphase != Phase::Start)
                fehler = Verletzung(z.Figur);
            // A triple twelve has sent the colour's figures on benches and
            // the ring home by the time the roll ends.
            if (fehler.empty() && form.Info == " 3 mal 12" &&
                z.Spielphase == Phase::NaechsterSpielzug)
                for (int f = ErsteFigur(z.AktFarbe); f <= LetzteFigur(z.AktFarbe); ++f)
                    if (z.Figur[f].Zustand == ZustandBank || z.Figur[f].Zustand == ZustandStrecke)
                        fehler = "figure " + std::to_string(f) + " kept after a triple twelve";
            if (++takte == neustartBei) {
                spiel.BefehlStopp();
                spiel.BefehlStart();
            }
            VorschlagNehmen(spiel);
            return fehler.empty();
        },
        20000000);
    if (!fehler.empty()) return fehler;
    if (z.Spielphase != Phase::Spielende || form.Uhr.ProgrammLaeuft()) return "no end";
    for (int c = 1; c <= 4; ++c) {
        const int16_t spieler = form.Spielerwerte[c];
        if ((spieler > 0) == form.Rang[c].empty()) return "rank of colour " + std::to_string(c);
        // Ranked as finished, the colour still shows whose it is.
        if (z.Fertig[c] != (spieler > 0) || z.Figur[4 * c].Spieler != spieler)
            return "finished record of colour " + std::to_string(c);
        // One place per player: shared by his colours, by no other player's.
        for (int d = 1; d < c; ++d)
            if (spieler > 0 && form.Spielerwerte[d] > 0 &&
                (form.Spielerwerte[d] == spieler) != (form.Rang[d] == form.Rang[c]))
                return "place of colours " + std::to_string(d) + " and " + std::to_string(c);
        for (int d = 1; d <= 4 && spieler > 0; ++d) {
            if (z.Figur[4 * c - d + 1].Zustand != ZustandZiel) return "figure not in goal";
        }
    }
    return "";
}

TEST(Spielinvarianten, TausendeZufaelligeSpieleBleibenGueltigUndEnden) {
    for (uint64_t saat = 1; saat <= 2000; ++saat)
        ASSERT_EQ(Spielen(saat), "") << "seed " << saat;
}

} // namespace

} // namespace pelu::test
