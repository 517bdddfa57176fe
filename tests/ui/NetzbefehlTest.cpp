#include <gtest/gtest.h>

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
