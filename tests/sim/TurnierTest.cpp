// pelu-sim turnier: seatings, scoring, output, refusals.
#include <fstream>

#include "sim/SimLauf.h"
#include "Turnierwertung.h"

namespace pelu::test {

namespace {

// Game i gives table A to the pair (i - 1) mod 6 of 12, 13, 14, 23, 24, 34.
TEST(Turnier, SitzordnungRotiert) {
    const char* paare[] = {"12", "13", "14", "23", "24", "34"};
    std::array<int, 5> malA{};
    for (int nummer = 1; nummer <= 18; ++nummer) {
        const auto a = SitzeVonA(nummer);
        std::string paar;
        for (int c = 1; c <= 4; ++c)
            if (a[c]) {
                paar += std::to_string(c);
                ++malA[c];
            }
        EXPECT_EQ(paar, paare[(nummer - 1) % 6]) << nummer;
    }
    EXPECT_EQ(malA, (std::array<int, 5>{0, 9, 9, 9, 9}));
    for (const auto& [spiele, gerundet] :
         std::initializer_list<std::pair<int, int>>{{1, 6}, {6, 6}, {7, 12}, {6000, 6000}})
        EXPECT_EQ(GanzeRunden(spiele), gerundet);
}

// A game counts for A when a colour with table A took first place; a game
// cut off counts as played and won by nobody, even if someone had finished.
TEST(Turnier, SiegeZaehlen) {
    Turnierstand stand;
    Spielergebnis e;
    e.platz = {0, 2, 4, 1, 3};
    stand.Hinzufuegen(2, e); // A has 1 and 3
    stand.Hinzufuegen(1, e); // A has 1 and 2
    e.platz = {0, 1, 0, 0, 0};
    e.abgebrochen = true;
    stand.Hinzufuegen(1, e);
    EXPECT_EQ(stand.spiele, 3);
    EXPECT_EQ(stand.siegeA, 1);
}

// The test board as table A, and variants of it as opponents.
struct Turnierordner : SimOrdner {
    Turnierordner() {
        Kopieren("spiel_brett.txt");
        Kopieren("spiel_brett.txt", "gleich.txt");
    }

    // The board with other bench fields and the tactic priorities of
    // `prioritaet(category at the target, at the current field)`.
    template <class Prioritaet> void Abwandeln(const char* ziel, Prioritaet prioritaet) const {
        std::ifstream ein(pfad / "Peludaten.txt");
        std::ofstream aus(pfad / ziel);
        std::string zeile;
        int ziel_ = 0, jetzt = 0;
        while (std::getline(ein, zeile)) {
            if (std::sscanf(zeile.c_str(), "DATA %d, %d, %*d", &ziel_, &jetzt) == 2 &&
                std::count(zeile.begin(), zeile.end(), ',') == 2)
                zeile = "DATA " + std::to_string(ziel_) + ", " + std::to_string(jetzt) + ", " +
                        std::to_string(prioritaet(ziel_, jetzt));
            else if (zeile.starts_with("DATA 5, 12, 17,"))
                zeile = "DATA 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 13, 14";
            aus << zeile << "\n";
        }
    }
};

// Exactly the four lines of the contract; a table against itself comes out
// even within the interval; the number of threads changes nothing; and of
// the second file only the tactic rows count, not its benches.
TEST(Turnier, TabelleGegenSichSelbstAusgeglichen) {
    const Turnierordner ordner;
    ordner.Abwandeln("andere_baenke.txt",
                     [](int ziel, int jetzt) { return 10 + 4 * ziel - jetzt; });
    const std::string lauf = " --spiele 600 --saat 3 --turbo";
    const SimLauf l = ordner.Aufruf("turnier", "--gegner gleich.txt" + lauf);
    ASSERT_EQ(l.code, 0) << l.fehler;
    EXPECT_EQ(l.fehler, "");
    long long siege = 0;
    double unten = 0, oben = 0;
    ASSERT_EQ(std::sscanf(l.aus.c_str(), "spiele 600\nsiege_a %lld\nanteil %*f\nintervall %lf %lf",
                          &siege, &unten, &oben),
              3)
        << l.aus;
    char erwartet[120];
    std::snprintf(erwartet, sizeof erwartet,
                  "spiele 600\nsiege_a %lld\nanteil %.4f\nintervall %.4f %.4f\n", siege,
                  siege / 600.0, unten, oben);
    EXPECT_EQ(l.aus, erwartet);
    EXPECT_LT(unten, 0.5);
    EXPECT_GT(oben, 0.5);
    for (const char* jobs : {"2", "0"})
        EXPECT_EQ(ordner.Aufruf("turnier", "--gegner gleich.txt --jobs " + (jobs + lauf)).aus,
                  l.aus);
    EXPECT_EQ(ordner.Aufruf("turnier", "--gegner andere_baenke.txt" + lauf).aus, l.aus);
}

// A table that prefers the most dangerous moves loses clearly. N is rounded
// up to whole rounds of six.
TEST(Turnier, VerkehrteTabelleVerliert) {
    const Turnierordner ordner;
    ordner.Abwandeln("verkehrt.txt",
                     [](int ziel, int jetzt) { return 1 + 5 * (5 - ziel) + jetzt; });
    const SimLauf l =
        ordner.Aufruf("turnier", "--gegner verkehrt.txt --spiele 599 --saat 1 --turbo");
    ASSERT_EQ(l.code, 0) << l.fehler;
    double unten = 0;
    ASSERT_EQ(
        std::sscanf(l.aus.c_str(), "spiele 600\nsiege_a %*d\nanteil %*f\nintervall %lf", &unten), 1)
        << l.aus;
    EXPECT_GT(unten, 0.5) << l.aus;
}

// Bad arguments give 2 before any file is read; a bad second file gives 1
// with the loader's message naming it.
TEST(Turnier, Ablehnungen) {
    const SimOrdner leer;
    for (const auto& [argumente, genannt] :
         std::initializer_list<std::pair<const char*, const char*>>{
             {"", "--gegner"},
             {"--gegner", "--gegner"},
             {"--gegner b.txt --gegner c.txt", "--gegner"},
             {"--gegner b.txt --spiele 0", "--spiele"},
             {"--gegner b.txt --spiele sechs", "--spiele"},
             {"--gegner b.txt --saat -1", "--saat"},
             {"--gegner b.txt --jobs -2", "--jobs"},
             {"--gegner b.txt --protokoll", "--protokoll"},
             {"--gegner b.txt --spieler 5,6,7,8", "--spieler"},
             {"--gegner b.txt extra", "extra"}}) {
        SCOPED_TRACE(argumente);
        ErwarteAbgelehnt(leer.Aufruf("turnier", argumente), genannt);
    }
    EXPECT_EQ(leer.Aufruf("turnier", "--help").code, 0);

    const Turnierordner ordner;
    ordner.Kopieren("ohne_taktik.txt", "kaputt.txt");
    const SimLauf l = ordner.Aufruf("turnier", "--gegner kaputt.txt --spiele 6");
    EXPECT_EQ(l.code, 1);
    EXPECT_EQ(l.aus, "");
    EXPECT_TRUE(l.fehler.starts_with("kaputt.txt, Abschnitt \"taktikdaten\": ")) << l.fehler;
    const SimLauf fehlt = ordner.Aufruf("turnier", "--gegner fehlt.txt --spiele 6");
    EXPECT_EQ(fehlt.code, 1);
    EXPECT_NE(fehlt.fehler.find("fehlt.txt"), std::string::npos) << fehlt.fehler;
}

} // namespace

} // namespace pelu::test
