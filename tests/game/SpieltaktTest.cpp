#include <gtest/gtest.h>

#include "board/Fahrt.h"
#include "harness/Spieltisch.h"
#include "support/Testtabellen.h"

#include <algorithm>
#include <random>

namespace pelu::test {

namespace {

// Colour 1's first roll, a 5 that brings figure 1 out: each program step as
// "time phase die" (die "-" when hidden; equal steps in a row as
// "from..to phase die"), the animation ticks as count, first and last time.
// 336.1 pixels from home slot 1 (110, 400) to field 5 slot 2: 43 steps of 8
// or 7 of at most 50; in turbo the program step at 600 runs before the
// animation's last step.
TEST(Spieltakt, EinComputerwurfInNormalemTempoUndImTurbo) {
    // clang-format off
    struct Tempo { bool turbo; std::vector<std::string> schritte; std::array<int64_t, 3> fahrt; };
    const Tempo tempi[] = {
        {false, {"200 Start -", "400 Würfelleer -", "600 Würfelleer 0", "800 Würfeln 5",
                 "1000..1200 WürfelAnzeigezeit 5", "1400..3600 Ziehen 5", "3800 Putzen 5",
                 "4000 NächsterSpielzug -"}, {43, 1450, 3550}},
        {true, {"50 Start -", "100 Würfelleer 0", "150 Würfeln 5", "200 WürfelAnzeigezeit 5",
                "250..650 Ziehen 5", "700 Putzen 5", "750 NächsterSpielzug -"}, {7, 300, 600}}};
    // clang-format on
    for (const auto& tempo : tempi) {
        SCOPED_TRACE(tempo.turbo ? "turbo" : "normal");
        Spieltisch t(Testtabellen(), {5, 0, 0, 0});
        t.spiel.BefehlTurbo(true); // switching back must restore every normal value
        t.spiel.BefehlTurbo(tempo.turbo);
        t.wuerfel.Augen({5});
        t.spiel.BefehlStart();
        std::vector<std::string> schritte;
        std::array<int64_t, 3> fahrt{}; // count, first, last
        std::string letzter, anfang;
        while (letzter.find("Spielzug") == std::string::npos) {
            std::string name = PhasenText(t.Phase());
            while (t.Takt() == VirtuelleUhr::Takt::Fahren) {
                EXPECT_EQ(PhasenText(t.Phase()), name); // animation ticks never step the game
                if (fahrt[0]++ == 0) fahrt[1] = t.form.Uhr.Jetzt();
                fahrt[2] = t.form.Uhr.Jetzt();
            }
            name +=
                t.form.Wuerfel[1].Sichtbar ? " " + std::to_string(t.form.Wuerfel[1].Wert) : " -";
            const std::string zeit = std::to_string(t.form.Uhr.Jetzt());
            if (name != letzter) {
                anfang = zeit;
                schritte.emplace_back();
            }
            schritte.back() = (anfang == zeit ? zeit : anfang + ".." + zeit) + " " + name;
            letzter = name;
        }
        EXPECT_EQ(schritte, tempo.schritte);
        EXPECT_EQ(fahrt, tempo.fahrt);
    }
}

// Passing over the ticks in which only an animation runs changes nothing but
// the pictures in between: the same trace, the same time and tick count, and
// every image where tick-by-tick play leaves it.
TEST(Spieltakt, OhneZwischenbilderGleichesSpiel) {
    for (const bool turbo : {false, true}) {
        SCOPED_TRACE(turbo ? "turbo" : "normal");
        struct Lauf {
            std::string protokoll;
            int64_t zeit = 0, takte = 0;
            std::vector<float> bilder;
        } laeufe[2];
        for (int art = 0; art < 2; ++art) {
            Spieltisch t(Testtabellen(), {5, 6, 7, 8});
            std::mt19937 zufall(17);
            std::vector<int> augen;
            for (int i = 0; i < 3000; ++i)
                augen.push_back(static_cast<int>(zufall() % 6) + 1);
            t.wuerfel.Augen(augen);
            t.spiel.BefehlTurbo(turbo);
            t.spiel.BefehlStart();
            // Every third animation, right after it has started, the pace
            // changes: the program timer restarts after the animation timer,
            // which turns their order at equal times round.
            int fahrten = 0;
            Folge vorher = Folge::Ende;
            const auto haken = [&](VirtuelleUhr::Takt) {
                const Folge jetzt = t.Phase() == Phase::Ziehen ? t.z().Folgephase : Folge::Ende;
                const bool begonnen = jetzt != vorher && (jetzt == Folge::WartenEndepos ||
                                                          jetzt == Folge::WartenEndeReorg);
                vorher = jetzt;
                if (begonnen && ++fahrten % 3 == 0) t.spiel.BefehlTurbo(fahrten % 2 == 0);
                return t.wuerfel.Uebrig() > 10;
            };
            Lauf& lauf = laeufe[art];
            lauf.takte = art == 0 ? t.form.Uhr.Laufen(t.spiel, haken)
                                  : t.form.Uhr.LaufenImZeitraffer(t.spiel, haken);
            lauf.protokoll = t.protokoll.Text;
            lauf.zeit = t.form.Uhr.Jetzt();
            for (int f = 1; f <= FigurAnzahl; ++f) {
                lauf.bilder.push_back(t.form.Figuren[f].Links);
                lauf.bilder.push_back(t.form.Figuren[f].Oben);
            }
        }
        EXPECT_GT(std::count(laeufe[0].protokoll.begin(), laeufe[0].protokoll.end(), '\n'), 500);
        EXPECT_EQ(laeufe[1].protokoll, laeufe[0].protokoll);
        EXPECT_EQ(laeufe[1].zeit, laeufe[0].zeit);
        EXPECT_EQ(laeufe[1].takte, laeufe[0].takte);
        EXPECT_EQ(laeufe[1].bilder, laeufe[0].bilder);
    }
}

// Moves between two places of home 101: one step more than the whole pace
// lengths in the distance, equal steps on the straight line, the last one
// exactly on the target.
TEST(Fahrt, GleicheSchritteAufDerGeradenBisZumZielplatz) {
    // clang-format off
    const struct { int16_t x2, y2; float tempo; int schritte; } faelle[] = {
        {100, 116, 8, 3}, {149, 100, 50, 1}, {150, 100, 50, 2}};
    // clang-format on
    for (const auto& c : faelle) {
        SCOPED_TRACE(testing::Message() << c.x2 << "," << c.y2 << " at " << c.tempo);
        Tabellen t;
        const int16_t punkte[] = {100, 100, c.x2, c.y2};
        std::copy(punkte, punkte + 4, &t.Bilddaten[101][2]);
        Fahrt f = FahrtAnlegen(t, 3, 101, 1, 101, 2, c.tempo);
        ASSERT_EQ(f.Schrittzahl, c.schritte);
        for (int i = 1; i <= c.schritte; ++i) {
            const Fahrtpunkt p = FahrtWeiter(f);
            EXPECT_NEAR(p.x, 100 + float(c.x2 - 100) * i / c.schritte, 1e-3) << i;
            EXPECT_NEAR(p.y, 100 + float(c.y2 - 100) * i / c.schritte, 1e-3) << i;
            EXPECT_EQ(p.Letzter, i == c.schritte) << i;
        }
    }
}

} // namespace

} // namespace pelu::test
