// The keyboard's figure choice: where the mark starts, how the arrow keys
// move it, what the digits name, and what it reads of a running game.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "game/Tastenwahl.h"
#include "harness/Spieltisch.h"
#include "support/Testtabellen.h"

namespace pelu::test {
namespace {

Wahllage Lage(std::initializer_list<int> waehlbar, int vorschlag = 0, int farbe = 1) {
    Wahllage lage;
    lage.offen = true;
    for (int f : waehlbar)
        lage.waehlbar[f] = true;
    lage.vorschlag = int16_t(vorschlag);
    lage.farbe = int16_t(farbe);
    return lage;
}

const Wahllage Zu{};

// Per case a run of steps: 'a' follows the game, '+' next, '-' previous;
// the mark after each step.
TEST(Tastenwahl, MarkeBeginntWandertUndGeht) {
    struct Schritt {
        char was;
        Wahllage lage;
        int markiert;
    };
    const std::vector<std::vector<Schritt>> faelle = {
        // From the lowest movable figure through the others, wrapping both ways.
        {{'a', Lage({3, 5, 9}), 3},
         {'+', Lage({3, 5, 9}), 5},
         {'+', Lage({3, 5, 9}), 9},
         {'+', Lage({3, 5, 9}), 3},
         {'-', Lage({3, 5, 9}), 9},
         {'-', Lage({3, 5, 9}), 5}},
        // To the proposal when it begins to show, not while it goes on
        // showing; again when shown anew after the mouse stopped it.
        {{'a', Lage({3, 5, 9}), 3},
         {'a', Lage({3, 5, 9}, 9), 9},
         {'-', Lage({3, 5, 9}, 9), 5},
         {'a', Lage({3, 5, 9}, 9), 5},
         {'a', Lage({3, 5, 9}), 5},
         {'a', Lage({3, 5, 9}, 9), 9}},
        // A proposal shown from the start; one that cannot move is passed by.
        {{'a', Lage({2, 14}, 14), 14}, {'a', Lage({2, 11}, 14), 2}},
        // A marked figure that can no longer move gives way to the lowest.
        {{'a', Lage({3, 5, 9}), 3}, {'+', Lage({3, 5, 9}), 5}, {'a', Lage({3, 9}), 3}},
        // One movable figure: the keys keep the mark on it; the first and
        // the last figure are marks like any other.
        {{'a', Lage({16}), 16}, {'+', Lage({16}), 16}, {'-', Lage({16}), 16}},
        {{'a', Lage({1, 2, 9}), 1}, {'-', Lage({1, 2, 9}), 9}, {'+', Lage({1, 2, 9}), 1}},
        // No choice open, or nothing movable: no mark, and the keys do nothing.
        {{'a', Lage({4, 8}), 4}, {'a', Zu, 0}, {'+', Zu, 0}, {'-', Zu, 0}, {'a', Lage({12}), 12}},
        {{'a', Lage({}), 0}, {'+', Lage({}), 0}},
    };
    for (size_t n = 0; n < faelle.size(); ++n) {
        Tastenwahl wahl;
        for (size_t i = 0; i < faelle[n].size(); ++i) {
            const Schritt& s = faelle[n][i];
            if (s.was == 'a') wahl.Abgleichen(s.lage);
            if (s.was == '+') wahl.Weiter(s.lage);
            if (s.was == '-') wahl.Zurueck(s.lage);
            EXPECT_EQ(wahl.Markiert(), s.markiert) << "case " << n << ", step " << i;
        }
    }
}

// Digits 1..4 name the figures of the colour whose turn it is, only movable ones.
TEST(Tastenwahl, ZiffernNennenDieFigurenDerFarbeAmZug) {
    const Wahllage lage = Lage({5, 7, 13}, 0, 2);
    const int erwartet[] = {0, 5, 0, 7, 0, 0};
    for (int ziffer = 0; ziffer <= 5; ++ziffer)
        EXPECT_EQ(Tastenwahl::FigurZurZiffer(lage, ziffer), erwartet[ziffer]) << ziffer;
    // Every digit of a colour whose four figures can all move, the fourth too.
    for (int ziffer = 1; ziffer <= 4; ++ziffer)
        EXPECT_EQ(Tastenwahl::FigurZurZiffer(Lage({13, 14, 15, 16}, 0, 4), ziffer), 12 + ziffer);
    EXPECT_EQ(Tastenwahl::FigurZurZiffer(Lage({1, 2}, 0, 0), 1), 0); // no colour on turn
    Wahllage zu = lage;
    zu.offen = false;
    EXPECT_EQ(Tastenwahl::FigurZurZiffer(zu, 1), 0);
}

// One human player owning colours 1 and 2 rolls a 5: the choice is open with
// the game's movable figures and colour 1 on turn; the proposal counts once
// asked for; a click closes the choice. Then colour 2 is on turn; a
// computer's roll opens no choice.
TEST(Tastenwahl, LageAusDemLaufendenSpiel) {
    Spieltisch t(Testtabellen(), {1, 1, 5, 0});
    t.wuerfel.Augen({5, 5, 5});
    EXPECT_FALSE(WahllageVon(t.spiel).offen);
    t.spiel.BefehlStart();
    ASSERT_TRUE(t.BisPhase(Phase::WartenFigurwahl));
    Wahllage lage = WahllageVon(t.spiel);
    EXPECT_TRUE(lage.offen);
    EXPECT_EQ(lage.farbe, t.z().AktFarbe);
    int beweglich = 0;
    for (int f = 1; f <= FigurAnzahl; ++f) {
        EXPECT_EQ(lage.waehlbar[f], t.spiel.Waehlbar(f)) << f;
        beweglich += lage.waehlbar[f];
    }
    EXPECT_GT(beweglich, 0);
    EXPECT_EQ(lage.vorschlag, 0);
    t.spiel.BefehlHilfe();
    EXPECT_EQ(WahllageVon(t.spiel).vorschlag, t.z().Hilfsfigur);
    ASSERT_TRUE(t.VorschlagNehmen());
    EXPECT_FALSE(WahllageVon(t.spiel).offen);
    ASSERT_TRUE(t.BisPhase(Phase::Ziehen));
    ASSERT_TRUE(t.BisPhase(Phase::WartenFigurwahl));
    EXPECT_EQ(WahllageVon(t.spiel).farbe, 2);
    ASSERT_TRUE(t.VorschlagNehmen());
    ASSERT_TRUE(t.BisPhase(Phase::WuerfelAnzeigezeit));
    EXPECT_EQ(t.z().AktFarbe, 3);
    EXPECT_FALSE(WahllageVon(t.spiel).offen);
}

} // namespace
} // namespace pelu::test
