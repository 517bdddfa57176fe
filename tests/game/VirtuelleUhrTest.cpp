#include <gtest/gtest.h>

#include <string>

#include "game/VirtuelleUhr.h"

namespace {

using pelu::VirtuelleUhr;
using Takt = VirtuelleUhr::Takt;

// The next `n` ticks as "P@t" / "F@t".
std::string Folge(VirtuelleUhr& uhr, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) {
        const Takt t = uhr.Weiter();
        if (t == Takt::Keiner) return s + "-";
        s += (t == Takt::Programm ? "P@" : "F@") + std::to_string(uhr.Jetzt()) + " ";
    }
    return s;
}

TEST(VirtuelleUhr, OhneTimerKeinTaktUndKeineZeit) {
    VirtuelleUhr uhr;
    EXPECT_EQ(uhr.Weiter(), Takt::Keiner);
    EXPECT_EQ(uhr.Jetzt(), 0);
    EXPECT_EQ(uhr.Programmintervall(), 200);
}

TEST(VirtuelleUhr, ProgrammtimerTicktImIntervallAbDemEinschalten) {
    VirtuelleUhr uhr;
    uhr.ProgrammAn(true);
    EXPECT_EQ(Folge(uhr, 3), "P@200 P@400 P@600 ");
    uhr.ProgrammAn(false);
    EXPECT_EQ(uhr.Weiter(), Takt::Keiner);
    EXPECT_EQ(uhr.Jetzt(), 600);
}

TEST(VirtuelleUhr, SpaeterGestarteteFahrtTicktBeiGleicherZeitNachDemProgramm) {
    VirtuelleUhr uhr;
    uhr.ProgrammAn(true);
    ASSERT_EQ(uhr.Weiter(), Takt::Programm); // t = 200: this step starts an animation
    uhr.FahrenAn(true);
    EXPECT_EQ(Folge(uhr, 6), "F@250 F@300 F@350 P@400 F@400 F@450 ");
}

TEST(VirtuelleUhr, FruehererStartGehtBeiGleicherZeitVor) {
    VirtuelleUhr uhr;
    uhr.FahrenAn(true);
    uhr.ProgrammIntervall(50);
    uhr.ProgrammAn(true);
    EXPECT_EQ(Folge(uhr, 4), "F@50 P@50 F@100 P@100 ");
}

TEST(VirtuelleUhr, IntervallwechselStartetLaufendenTimerNeu) {
    VirtuelleUhr uhr;
    uhr.ProgrammAn(true);
    ASSERT_EQ(Folge(uhr, 1), "P@200 ");
    uhr.FahrenAn(true);
    ASSERT_EQ(Folge(uhr, 1), "F@250 ");
    uhr.ProgrammIntervall(50); // from 250 on, every 50 ms, after the animation timer
    EXPECT_EQ(Folge(uhr, 4), "F@300 P@300 F@350 P@350 ");
}

TEST(VirtuelleUhr, IntervallGiltBeiAusgeschaltetemTimerErstBeimEinschalten) {
    VirtuelleUhr uhr;
    uhr.FahrenAn(true);
    ASSERT_EQ(Folge(uhr, 2), "F@50 F@100 ");
    uhr.ProgrammIntervall(50);
    EXPECT_EQ(Folge(uhr, 1), "F@150 ");
    uhr.ProgrammAn(true);
    uhr.FahrenAn(false);
    EXPECT_EQ(Folge(uhr, 2), "P@200 P@250 ");
}

TEST(VirtuelleUhr, EinschaltenEinesLaufendenTimersStartetIhnNeu) {
    VirtuelleUhr uhr;
    uhr.ProgrammAn(true);
    uhr.FahrenAn(true);
    ASSERT_EQ(Folge(uhr, 3), "F@50 F@100 F@150 ");
    uhr.ProgrammAn(true);
    uhr.FahrenAn(false);
    EXPECT_EQ(Folge(uhr, 2), "P@350 P@550 ");
}

TEST(VirtuelleUhr, UnsinnigesIntervallTicktTrotzdemVorwaerts) {
    VirtuelleUhr uhr;
    uhr.ProgrammIntervall(0);
    uhr.ProgrammAn(true);
    EXPECT_EQ(Folge(uhr, 2), "P@1 P@2 ");
}

} // namespace
