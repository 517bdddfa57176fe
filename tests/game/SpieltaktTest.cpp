#include <gtest/gtest.h>

#include "Spieltisch.h"

namespace {

using namespace pelu;

// Colour 1's first roll, a 5 that brings figure 1 out: each program step as
// "time phase die" (die "-" when hidden; equal steps in a row as
// "from..to phase die"), the animation ticks as "count first..last".
// 336.1 pixels from home slot 1 (110, 400) to field 5 slot 2: 43 steps of 8
// or 7 of at most 50; in turbo the program step at 600 runs before the
// animation's last step.
TEST(Spieltakt, EinComputerwurfInNormalemTempoUndImTurbo) {
    // clang-format off
    const struct { bool turbo; std::vector<std::string> schritte; std::array<int64_t, 3> fahrt; } tempi[] = {
        {false, {"200 Start -", "400 Würfelleer -", "600 Würfelleer 0", "800 Würfeln 5",
                 "1000..1200 WürfelAnzeigezeit 5", "1400 Ziehen/Start 5",
                 "1600..3600 Ziehen/WartenEndepos 5", "3800 Putzen 5", "4000 NächsterSpielzug -"},
         {43, 1450, 3550}},
        {true, {"50 Start -", "100 Würfelleer 0", "150 Würfeln 5", "200 WürfelAnzeigezeit 5",
                "250 Ziehen/Start 5", "300..650 Ziehen/WartenEndepos 5", "700 Putzen 5",
                "750 NächsterSpielzug -"},
         {7, 300, 600}}};
    // clang-format on
    for (const auto& tempo : tempi) {
        SCOPED_TRACE(tempo.turbo ? "turbo" : "normal");
        pelutest::Spieltisch t({5, 0, 0, 0});
        t.spiel.BefehlTurbo(true); // switching back must restore every normal value
        t.spiel.BefehlTurbo(tempo.turbo);
        t.wuerfel.Werte = {5};
        t.spiel.BefehlStart();
        auto phase = [&t] {
            const char* folge[] = {"/Start", "/WartenEndepos", "/WartenEndeReorg", "/Ende"};
            return PhasenText(t.Phase()) +
                   std::string(t.Phase() == Phase::Ziehen ? folge[int(t.z().Folgephase)] : "");
        };
        std::vector<std::string> schritte;
        std::vector<int64_t> fahrt;
        std::string letzter, anfang;
        while (letzter.find("Spielzug") == std::string::npos) {
            std::string name = phase();
            while (t.Takt() == VirtuelleUhr::Takt::Fahren) {
                EXPECT_EQ(phase(), name); // animation ticks never step the game
                fahrt.push_back(t.form.Uhr.Jetzt());
            }
            const KopflosesFormular::Wuerfelbild& w = t.form.Wuerfel[1];
            name += w.Sichtbar ? " " + std::to_string(w.Wert) : " -";
            const std::string zeit = std::to_string(t.form.Uhr.Jetzt());
            if (name != letzter) anfang = zeit, schritte.emplace_back();
            schritte.back() = (anfang == zeit ? zeit : anfang + ".." + zeit) + " " + name;
            letzter = name;
        }
        EXPECT_EQ(schritte, tempo.schritte);
        ASSERT_FALSE(fahrt.empty());
        EXPECT_EQ((std::array<int64_t, 3>{int64_t(fahrt.size()), fahrt.front(), fahrt.back()}),
                  tempo.fahrt);
        // Field 5 slot 2 is at (100, 64); the image's corner lies 7 pixels up and left.
        EXPECT_FLOAT_EQ(t.form.Figuren[1].Links, 93.0f);
        EXPECT_FLOAT_EQ(t.form.Figuren[1].Oben, 57.0f);
    }
}

} // namespace
