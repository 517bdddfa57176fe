#include <gtest/gtest.h>

#include "Befehlszeile.h"
#include "Netzbefehl.h"

namespace pelu::test {
namespace {

TEST(Netzbefehl, PortNurAusZiffernVonNullBis65535) {
    EXPECT_EQ(PortLesen(QStringLiteral("0")), quint16{0});
    EXPECT_EQ(PortLesen(QStringLiteral("47474")), quint16{47474});
    EXPECT_EQ(PortLesen(QStringLiteral("65535")), quint16{65535});
    for (const char* falsch : {"", "65536", "-1", "+80", " 80", "80 ", "8o", "0x50", "100000"})
        EXPECT_FALSE(PortLesen(QString::fromLatin1(falsch))) << falsch;
}

TEST(Netzbefehl, ZielMitUndOhnePort) {
    const std::pair<const char*, std::pair<const char*, quint16>> gut[] = {
        {"localhost", {"localhost", 47474}}, {"192.168.1.5:5000", {"192.168.1.5", 5000}},
        {"rechner:0", {"rechner", 0}},       {"[::1]:47475", {"::1", 47475}},
        {"[::1]", {"::1", 47474}},           {"::1", {"::1", 47474}},
    };
    for (const auto& [text, ziel] : gut) {
        const std::optional<Netzziel> z = ZielLesen(QString::fromLatin1(text));
        ASSERT_TRUE(z) << text;
        EXPECT_EQ(z->Rechner, QString::fromLatin1(ziel.first)) << text;
        EXPECT_EQ(z->Port, ziel.second) << text;
    }
    for (const char* falsch : {"", ":5000", "rechner:", "rechner:65536", "rechner:x", "[::1",
                               "[::1]x", "[::1]:", "[]:80", "a b"})
        EXPECT_FALSE(ZielLesen(QString::fromLatin1(falsch))) << falsch;
}

TEST(Netzbefehl, CodeUndSpielernummer) {
    EXPECT_TRUE(CodeGueltig(QStringLiteral("000123")));
    for (const char* falsch : {"", "12345", "1234567", "12345a", " 12345", "-12345"})
        EXPECT_FALSE(CodeGueltig(QString::fromLatin1(falsch))) << falsch;
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(SpielernummerLesen(QString::number(n)), n);
    for (const char* falsch : {"", "0", "5", "01", "+1", "1 "})
        EXPECT_FALSE(SpielernummerLesen(QString::fromLatin1(falsch))) << falsch;
}

} // namespace
} // namespace pelu::test

namespace pelu::test {
namespace {

TEST(Netzbefehl, BefehlszeileBietetAnOderTrittBei) {
    auto lesen = [](const char* zeile) {
        return BefehlszeileLesen(QString::fromLatin1(zeile).split(QLatin1Char(' ')));
    };
    EXPECT_EQ(lesen("--anbieten").netz.Anbieten, quint16{47474});
    EXPECT_EQ(lesen("--anbieten=0").netz.Anbieten, quint16{0});
    EXPECT_EQ(lesen("--spieler 1,2,0,5 --anbieten=5000").netz.Anbieten, quint16{5000});
    const Befehlszeile b = lesen("--beitreten [::1]:5000 --code 012345 --als 3");
    ASSERT_EQ(b.aktion, Befehlszeile::Aktion::Spielen);
    ASSERT_TRUE(b.netz.Beitreten);
    EXPECT_EQ(b.netz.Beitreten->Rechner, QStringLiteral("::1"));
    EXPECT_EQ(b.netz.Beitreten->Port, 5000);
    EXPECT_EQ(b.netz.Beitreten->Code, QStringLiteral("012345"));
    EXPECT_EQ(b.netz.Beitreten->Spieler, 3);
    EXPECT_EQ(lesen("--beitreten rechner --code 000000").netz.Beitreten->Spieler, 1);
    const std::pair<const char*, const char*> falsch[] = {
        {"--anbieten=65536", "--anbieten=65536"},
        {"--anbieten=", "--anbieten="},
        {"--anbieten --anbieten=1", "--anbieten"},
        {"--beitreten r", "--code"},
        {"--beitreten r:x --code 123456", "--beitreten r:x"},
        {"--beitreten r --code 1234567", "--code 1234567"},
        {"--beitreten r --code 123456 --als 0", "--als 0"},
        {"--als 2", "--als"},
        {"--beitreten r --code 123456 --spieler 1,1,1,1", "--spieler"},
        {"--beitreten r --code 123456 --anbieten", "--anbieten"},
        {"--beitreten", "--beitreten"},
    };
    for (const auto& [zeile, genannt] : falsch) {
        const Befehlszeile f = lesen(zeile);
        EXPECT_EQ(f.aktion, Befehlszeile::Aktion::Fehler) << zeile;
        EXPECT_TRUE(f.text.contains(QString::fromLatin1(genannt)))
            << zeile << ": " << f.text.toStdString();
    }
}

} // namespace
} // namespace pelu::test
