#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/Feldleser.h"

namespace {

// Every field as "text@line".
std::vector<std::string> Felder(std::string_view text) {
    pelu::Feldleser leser(text);
    std::vector<std::string> felder;
    for (std::string_view feld; leser.NaechstesFeld(feld);)
        felder.push_back(std::string(feld) + "@" + std::to_string(leser.FeldZeile()));
    return felder;
}

TEST(Feldleser, TrenntFelderWieSequentiellesInput) {
    const struct {
        const char* text;
        std::vector<std::string> felder;
    } faelle[] = {{"DATA 1, 2,3\nDATA 4", {"DATA 1@1", "2@1", "3@1", "DATA 4@2"}},
                  {" \t DATA\t7 \t,\t 8  ", {"DATA\t7@1", "8@1"}},
                  {"1\n\n2,\n3\n   \n4", {"1@1", "@2", "2@3", "@3", "3@4", "@5", "4@6"}},
                  {"1,", {"1@1"}},
                  {"1\n  \t", {"1@1"}},
                  {"", {}},
                  {"\"DATA 5, 6\",7\n\"a\nb\" Rest, 8\n\"offen, bis zum Ende",
                   {"DATA 5, 6@1", "7@1", "a\nb@2", "8@3", "offen, bis zum Ende@4"}},
                  {"1,2\r\n\r\n3\r4\n5", {"1@1", "2@1", "@2", "3@3", "4@4", "5@5"}}};
    for (const auto& fall : faelle)
        EXPECT_EQ(Felder(fall.text), fall.felder) << '"' << fall.text << '"';
}

TEST(Feldleser, LetzteZeileZaehltEinAbschliessendesZeilenendeNicht) {
    EXPECT_EQ(pelu::Feldleser("a\nb").LetzteZeile(), 2);
    EXPECT_EQ(pelu::Feldleser("a\r\nb\r\n").LetzteZeile(), 2);
    EXPECT_EQ(pelu::Feldleser("a\n\n").LetzteZeile(), 2);
    EXPECT_EQ(pelu::Feldleser("a\rb\rc").LetzteZeile(), 3);
}

} // namespace
