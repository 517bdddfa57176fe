// How single values are read: comments, DATA prefixes, Val and rounding,
// seen through the twelve bench values.
#include <gtest/gtest.h>

#include "Testtexte.h"

namespace pelu::test {

namespace {

using Zwoelf = std::vector<int16_t>;
const Zwoelf EinsBisZwoelf = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

TEST(LiesWert, BankwerteAusJederSchreibweise) {
    const std::pair<const char*, Zwoelf> faelle[] = {
        // Plain numbers straight after the header count; after a comment or
        // an empty line everything up to the next DATA field is lost.
        {"1, 2\r\n' a\r\n99\r\nDATA 3\r\n\r\n77\r\nDATA 4, 5, 6\r\n7, 8, 9, 10, 11, 12\r\n",
         EinsBisZwoelf},
        {"DATA\nDATA   \nDATA,1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12\n", EinsBisZwoelf},
        {"DATA7 ' sieben, 8 Bank, 9x\nDATA-4,5,6,7,8,9,10,11,12\n",
         {7, 8, 9, -4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {"data 7, Feld 3, DATA x, 4, 5, 6, 7, 8, 9, 10, 11, 12\n",
         {0, 0, 0, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        // Only the four letters DATA make a DATA field, also to end a comment.
        {"DATx 7, Data 8, DAT9, 4\n' a\nDAT 99\nDATA 5, 6, 7, 8, 9, 10, 11, 12\n",
         {0, 0, 0, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {"DATA 4.5, 5.5, -2.5, 2.5, 3.5, 0.5, -0.5, 2.4999, +2.5001, 32767.4, -32768.5, 1.25E1\n",
         {4, 6, -2, 2, 4, 0, 0, 2, 3, 32767, -32768, 12}},
        {"DATA &H1F, &hff, &O17, &H7FFF, &H, &O18, 1 2, 2D1, 2d1, 125e-1, 1.5E+0, &o7\n",
         {31, 255, 15, 32767, 0, 1, 12, 20, 20, 12, 2, 7}},
        // A quoted DATA field keeps its comma; a quoted comment is a comment.
        {"\"DATA 1, 99\", 2\n\t\tDATA\t3,\t4\n\"' Kommentar, 98\"\n97\nDATA 5, 6, 7, 8, 9, 10, 11, "
         "12\n",
         EinsBisZwoelf},
        // A byte-order mark inside the file is text, so no comment follows it.
        {"\xEF\xBB\xBF' kein Kommentar\nDATA 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12\n",
         {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}}};
    for (const auto& [werte, erwartet] : faelle) {
        const pelu::Tabellen t = Laden(Text(Bild, std::string("bankdaten:\n") + werte));
        EXPECT_EQ(Zwoelf(t.Bankdaten + 1, t.Bankdaten + 13), erwartet) << werte;
    }
}

} // namespace

} // namespace pelu::test
