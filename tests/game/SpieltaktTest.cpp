#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Spieltisch.h"

namespace {

using namespace pelu;
using pelutest::Spieltisch;
using Takt = VirtuelleUhr::Takt;

// One program step as "time phase" (the phase that ran; Ziehen with its sub-step).
std::string Schritt(Spieltisch& t) {
    std::string name = PhasenText(t.Phase());
    if (t.Phase() == Phase::Ziehen) {
        const char* folge[] = {"/Start", "/WartenEndepos", "/WartenEndeReorg", "/Ende"};
        name += folge[static_cast<int>(t.z().Folgephase)];
    }
    t.Programmtakt();
    return std::to_string(t.form.Uhr.Jetzt()) + " " + name;
}

struct Fahrtakte {
    int anzahl = 0;
    int64_t erster = 0;
    int64_t letzter = 0;
};

// Program steps of colour 1's first roll (a 5 that brings figure 1 out)
// up to the end of the roll; animation ticks are counted on the way.
std::vector<std::string> EinComputerwurf(Spieltisch& t, Fahrtakte& fahrt) {
    std::vector<std::string> schritte;
    t.Wuerfel({5});
    t.spiel.BefehlStart();
    while (schritte.empty() || schritte.back().find("Spielzug") == std::string::npos) {
        while (true) {
            const Phase vorher = t.Phase();
            const Folge folge = t.z().Folgephase;
            if (t.form.Uhr.FahrenLaeuft()) {
                // Peek: deliver animation ticks due before the program tick.
                VirtuelleUhr probe = t.form.Uhr;
                if (probe.Weiter() == Takt::Fahren) {
                    t.Takt();
                    ++fahrt.anzahl;
                    if (fahrt.anzahl == 1) fahrt.erster = t.form.Uhr.Jetzt();
                    fahrt.letzter = t.form.Uhr.Jetzt();
                    EXPECT_EQ(t.Phase(), vorher);
                    EXPECT_EQ(t.z().Folgephase, folge);
                    continue;
                }
            }
            break;
        }
        schritte.push_back(Schritt(t));
    }
    return schritte;
}

TEST(Spieltakt, EinComputerwurfInNormalemTempo) {
    Spieltisch t({5, 0, 0, 0});
    Fahrtakte fahrt;
    const auto schritte = EinComputerwurf(t, fahrt);
    // Home slot 1 (110, 400) to field 5 slot 2 (100, 64): 336.1 pixels, 43 steps of 8.
    EXPECT_EQ(fahrt.anzahl, 43);
    EXPECT_EQ(fahrt.erster, 1450);
    EXPECT_EQ(fahrt.letzter, 3550);
    std::vector<std::string> erwartet = {
        "200 Start",        "400 Würfelleer",         "600 Würfelleer",
        "800 Würfeln",      "1000 WürfelAnzeigezeit", "1200 WürfelAnzeigezeit",
        "1400 Ziehen/Start"};
    for (int zeit = 1600; zeit <= 3600; zeit += 200)
        erwartet.push_back(std::to_string(zeit) + " Ziehen/WartenEndepos");
    erwartet.push_back("3800 Putzen");
    erwartet.push_back("4000 NächsterSpielzug");
    EXPECT_EQ(schritte, erwartet);
}

TEST(Spieltakt, EinComputerwurfImTurbo) {
    Spieltisch t({5, 0, 0, 0});
    t.spiel.BefehlTurbo(true);
    Fahrtakte fahrt;
    const auto schritte = EinComputerwurf(t, fahrt);
    EXPECT_EQ(fahrt.anzahl, 7); // 336.1 pixels in steps of at most 50
    EXPECT_EQ(fahrt.erster, 300);
    EXPECT_EQ(fahrt.letzter, 600);
    std::vector<std::string> erwartet = {"50 Start", "100 Würfelleer", "150 Würfeln",
                                         "200 WürfelAnzeigezeit", "250 Ziehen/Start"};
    // At 600 the program step runs before the animation's last step.
    for (int zeit = 300; zeit <= 650; zeit += 50)
        erwartet.push_back(std::to_string(zeit) + " Ziehen/WartenEndepos");
    erwartet.push_back("700 Putzen");
    erwartet.push_back("750 NächsterSpielzug");
    EXPECT_EQ(schritte, erwartet);
}

TEST(Spieltakt, WuerfelAnzeigeImVerlaufEinesWurfs) {
    Spieltisch t({5, 0, 0, 0});
    for (int c = 1; c <= 4; ++c) {
        EXPECT_TRUE(t.form.Wuerfel[c].Sichtbar); // the start-up rolls
        EXPECT_GE(t.form.Wuerfel[c].Wert, 1);
        EXPECT_LE(t.form.Wuerfel[c].Wert, 6);
    }
    t.Wuerfel({5});
    t.spiel.BefehlStart();
    t.Programmtakt();
    for (int c = 1; c <= 4; ++c)
        EXPECT_FALSE(t.form.Wuerfel[c].Sichtbar);
    t.Programmtakt();
    EXPECT_FALSE(t.form.Wuerfel[1].Sichtbar);
    t.Programmtakt();
    EXPECT_TRUE(t.form.Wuerfel[1].Sichtbar);
    EXPECT_EQ(t.form.Wuerfel[1].Wert, 0);
    t.Programmtakt();
    EXPECT_EQ(t.form.Wuerfel[1].Wert, 5);
    EXPECT_EQ(t.form.Info, "Start"); // a computer's roll shows no "Wählen"
    ASSERT_TRUE(t.BisPhase(Phase::NaechsterSpielzug));
    EXPECT_TRUE(t.form.Wuerfel[1].Sichtbar); // shown during the move
    t.Programmtakt();
    EXPECT_FALSE(t.form.Wuerfel[1].Sichtbar);
    EXPECT_EQ(t.form.Info, "");
}

TEST(Spieltakt, FigurStehtNachDerFahrtAufDemZielplatz) {
    Spieltisch t({5, 0, 0, 0});
    t.Wuerfel({5});
    t.spiel.BefehlStart();
    ASSERT_TRUE(t.BisPhase(Phase::Putzen));
    // Field 5 slot 2 is at (100, 64); the image's corner lies 7 pixels up and left.
    EXPECT_NEAR(t.form.Figuren[1].Links, 93.0f, 1e-3);
    EXPECT_NEAR(t.form.Figuren[1].Oben, 57.0f, 1e-3);
    EXPECT_EQ(t.form.VordersteFigur, 1);
    EXPECT_FALSE(t.form.Uhr.FahrenLaeuft());
    // The other figures stand on their home places.
    EXPECT_FLOAT_EQ(t.form.Figuren[2].Links, 113.0f);
    EXPECT_FLOAT_EQ(t.form.Figuren[2].Oben, 393.0f);
}

TEST(Spieltakt, TurboWechselWirktSofortAufDenTakt) {
    Spieltisch t({5, 6, 7, 8});
    t.spiel.BefehlStart();
    t.Programmtakt();
    t.spiel.BefehlTurbo(true);
    EXPECT_EQ(t.form.Uhr.Programmintervall(), 50);
    EXPECT_EQ(t.z().Einstellung[2], 50);
    EXPECT_EQ(t.z().Einstellung[3], 1);
    EXPECT_EQ(t.z().Einstellung[4], 1);
    t.Programmtakt();
    EXPECT_EQ(t.form.Uhr.Jetzt(), 250);
    t.spiel.BefehlTurbo(false);
    EXPECT_EQ(t.form.Uhr.Programmintervall(), 200);
    EXPECT_EQ(t.z().Einstellung[2], 8);
    EXPECT_EQ(t.z().Einstellung[3], 2);
    EXPECT_EQ(t.z().Einstellung[4], 2);
    EXPECT_TRUE(t.form.Uhr.ProgrammLaeuft());
    t.Programmtakt();
    EXPECT_EQ(t.form.Uhr.Jetzt(), 450);
}

TEST(Spieltakt, TaktBeiAusgeschaltetemTimerBleibtOhneWirkung) {
    Spieltisch t({5, 0, 0, 0});
    t.spiel.ProgrammTakt();
    t.spiel.FahrTakt();
    EXPECT_EQ(t.Phase(), Phase::Keine);
    t.spiel.BefehlStart();
    t.spiel.FahrTakt(); // no animation has started
    EXPECT_EQ(t.spiel.Fahrtzustand().Schrittnummer, 0);
    t.spiel.ProgrammTakt();
    EXPECT_EQ(t.Phase(), Phase::Wuerfelleer);
}

} // namespace
