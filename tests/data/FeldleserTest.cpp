#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/Feldleser.h"

namespace {

struct Feld {
    std::string text;
    int zeile;
    bool operator==(const Feld&) const = default;
};

void PrintTo(const Feld& f, std::ostream* os) {
    *os << '"' << f.text << "\"@" << f.zeile;
}

std::vector<Feld> Felder(std::string_view text) {
    pelu::Feldleser leser(text);
    std::vector<Feld> felder;
    std::string_view feld;
    while (leser.NaechstesFeld(feld))
        felder.push_back({std::string(feld), leser.FeldZeile()});
    return felder;
}

TEST(Feldleser, TrenntAnKommaUndZeilenende) {
    EXPECT_EQ(Felder("DATA 1, 2,3\nDATA 4"),
              (std::vector<Feld>{{"DATA 1", 1}, {"2", 1}, {"3", 1}, {"DATA 4", 2}}));
}

TEST(Feldleser, UeberspringtBlankUndTabVorDemFeldUndKapptSieDahinter) {
    EXPECT_EQ(Felder(" \t DATA\t7 \t,\t 8  "), (std::vector<Feld>{{"DATA\t7", 1}, {"8", 1}}));
}

TEST(Feldleser, LeereZeileUndKommaVorZeilenendeGebenLeereFelder) {
    EXPECT_EQ(
        Felder("1\n\n2,\n3\n   \n4"),
        (std::vector<Feld>{{"1", 1}, {"", 2}, {"2", 3}, {"", 3}, {"3", 4}, {"", 5}, {"4", 6}}));
}

TEST(Feldleser, TextendeNachTrennerGibtKeinFeldMehr) {
    EXPECT_EQ(Felder("1,"), (std::vector<Feld>{{"1", 1}}));
    EXPECT_EQ(Felder("1\n"), (std::vector<Feld>{{"1", 1}}));
    EXPECT_EQ(Felder("1\n  \t"), (std::vector<Feld>{{"1", 1}}));
    EXPECT_TRUE(Felder("").empty());
}

TEST(Feldleser, AnfuehrungszeichenUmschliessenKommasUndZeilenenden) {
    EXPECT_EQ(Felder("\"DATA 5, 6\",7\n\"a\nb\" Rest, 8\n\"offen, bis zum Ende"),
              (std::vector<Feld>{
                  {"DATA 5, 6", 1}, {"7", 1}, {"a\nb", 2}, {"8", 3}, {"offen, bis zum Ende", 4}}));
}

TEST(Feldleser, CrLfUndCrSindJeEinZeilenende) {
    EXPECT_EQ(Felder("1,2\r\n\r\n3\r4\n5"),
              (std::vector<Feld>{{"1", 1}, {"2", 1}, {"", 2}, {"3", 3}, {"4", 4}, {"5", 5}}));
}

TEST(Feldleser, LetzteZeileZaehltEinAbschliessendesZeilenendeNicht) {
    EXPECT_EQ(pelu::Feldleser("a\nb").LetzteZeile(), 2);
    EXPECT_EQ(pelu::Feldleser("a\r\nb\r\n").LetzteZeile(), 2);
    EXPECT_EQ(pelu::Feldleser("a\n\n").LetzteZeile(), 2);
    EXPECT_EQ(pelu::Feldleser("a\rb\rc").LetzteZeile(), 3);
}

} // namespace
