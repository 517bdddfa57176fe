#include <gtest/gtest.h>

#include <QCborArray>
#include <QCborMap>
#include <QCborValue>
#include <QRandomGenerator>
#include <QtEndian>

#include "Nachricht.h"

namespace pelu::netz {
namespace {

// A board with each value different, the edges of the range included.
Brett Randbrett() {
    Brett b;
    int16_t wert = -32768;
    for (size_t i = 0; i < Brett::Zeilen; ++i)
        for (int16_t& w : b.bilddaten.emplace_back())
            w = wert += 41;
    b.bilddaten.back().back() = 32767;
    return b;
}

// One message of every type, with values at the edges of their ranges.
std::vector<Nachricht> JedeArt() {
    return {Hallo{Protokollversion, "012345", 4, (int64_t{1} << 61) + 5},
            Wahl{16},
            Hilfe{},
            Lebenszeichen{},
            Willkommen{Protokollversion, 3},
            Abgelehnt{Absage::Besetzt},
            Info{"Wählen (Grün)", 10},
            Zuganzeige{4, "12", 12, 15},
            Rang{2, "3."},
            Wuerfel{3, -1},
            FigurSichtbar{1, false},
            FigurOrt{7, 123.25f, -0.5f},
            FigurVorn{9},
            Knoepfe{2},
            Zuteilung{true, {0, 4, 8, 1}},
            Turbo{true},
            Wahlstand{2, 2, 6, {5, 6, 8}},
            MausUeber{1},
            Randbrett()};
}

// The board's rows, each given as a CBOR array.
QCborArray Zeilen(size_t anzahl, QCborArray zeile) {
    QCborArray zeilen;
    for (size_t i = 0; i < anzahl; ++i)
        zeilen.append(zeile);
    return zeilen;
}

QByteArray Karte(std::initializer_list<std::pair<const char*, QCborValue>> felder) {
    QCborMap m;
    for (const auto& [name, wert] : felder)
        m[QLatin1String(name)] = wert;
    return m.toCborValue().toCbor();
}

TEST(Nachricht, JedeArtKommtUnveraendertZurueck) {
    for (const Nachricht& n : JedeArt()) {
        SCOPED_TRACE(n.index());
        const QByteArray rahmen = Rahmen(n);
        ASSERT_GT(rahmen.size(), 4);
        EXPECT_EQ(qFromBigEndian<quint32>(rahmen.constData()), quint32(rahmen.size() - 4));
        const std::optional<Nachricht> zurueck = Entschluesseln(QByteArrayView(rahmen).sliced(4));
        ASSERT_TRUE(zurueck.has_value());
        EXPECT_TRUE(*zurueck == n);
    }
}

TEST(Nachricht, FalscheFelderWerdenAbgelehnt) {
    const QCborArray zwoelf{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, -32768};
    QCborArray elf = zwoelf, zuGross = zwoelf, mitKomma = zwoelf;
    elf.removeLast();
    zuGross[3] = 32768;
    mitKomma[3] = 2.0;
    const QByteArray falsch[] = {
        Karte({}),
        Karte({{"t", QStringLiteral("unbekannt")}}),
        Karte({{"t", 1}}),
        Karte({{"t", QStringLiteral("wahl")}}),
        Karte({{"t", QStringLiteral("wahl")}, {"figur", 0}}),
        Karte({{"t", QStringLiteral("wahl")}, {"figur", 17}}),
        Karte({{"t", QStringLiteral("wahl")}, {"figur", QStringLiteral("3")}}),
        Karte({{"t", QStringLiteral("wahl")}, {"figur", 3.0}}),
        Karte({{"t", QStringLiteral("ueber")}}),
        Karte({{"t", QStringLiteral("ueber")}, {"figur", 0}}),
        Karte({{"t", QStringLiteral("ueber")}, {"figur", 17}}),
        Karte({{"t", QStringLiteral("ueber")}, {"figur", true}}),
        Karte({{"t", QStringLiteral("hallo")},
               {"v", 1},
               {"code", QStringLiteral("12345")},
               {"spieler", 1},
               {"kennung", 0}}),
        Karte({{"t", QStringLiteral("hallo")},
               {"v", 1},
               {"code", QStringLiteral("12a456")},
               {"spieler", 1},
               {"kennung", 0}}),
        Karte({{"t", QStringLiteral("hallo")},
               {"v", 1},
               {"code", QStringLiteral("123456")},
               {"spieler", 5},
               {"kennung", 0}}),
        Karte({{"t", QStringLiteral("info")},
               {"text", QString(1001, QLatin1Char('x'))},
               {"textfarbe", 1}}),
        Karte({{"t", QStringLiteral("info")}, {"text", QStringLiteral("x")}, {"textfarbe", 16}}),
        Karte({{"t", QStringLiteral("ort")}, {"figur", 1}, {"links", qInf()}, {"oben", 0}}),
        Karte({{"t", QStringLiteral("ort")}, {"figur", 1}, {"links", qQNaN()}, {"oben", 0}}),
        Karte(
            {{"t", QStringLiteral("zuteilung")}, {"offen", true}, {"werte", QCborArray{1, 2, 3}}}),
        Karte(
            {{"t", QStringLiteral("zuteilung")}, {"offen", 1}, {"werte", QCborArray{1, 2, 3, 4}}}),
        Karte({{"t", QStringLiteral("wahlstand")},
               {"spieler", 1},
               {"farbe", 1},
               {"vorschlag", 0},
               {"figuren", QCborArray{3, 3}}}),
        Karte({{"t", QStringLiteral("abgelehnt")}, {"grund", QStringLiteral("weil")}}),
        Karte({{"t", QStringLiteral("brett")}}),
        Karte({{"t", QStringLiteral("brett")}, {"bilddaten", Zeilen(130, zwoelf)}}),
        Karte({{"t", QStringLiteral("brett")}, {"bilddaten", Zeilen(132, zwoelf)}}),
        Karte({{"t", QStringLiteral("brett")}, {"bilddaten", Zeilen(131, elf)}}),
        Karte({{"t", QStringLiteral("brett")}, {"bilddaten", Zeilen(131, zuGross)}}),
        Karte({{"t", QStringLiteral("brett")}, {"bilddaten", Zeilen(131, mitKomma)}}),
        Karte({{"t", QStringLiteral("brett")}, {"bilddaten", Zeilen(131, {})}}),
        QCborValue(QCborArray{QStringLiteral("t"), QStringLiteral("hilfe")}).toCbor(),
        QByteArray(),
    };
    for (const QByteArray& daten : falsch) {
        SCOPED_TRACE(daten.toHex().toStdString());
        EXPECT_FALSE(Entschluesseln(daten).has_value());
    }
}

TEST(Nachricht, AngeschnitteneUndVerlaengerteDatenWerdenAbgelehnt) {
    for (const Nachricht& n : JedeArt()) {
        const QByteArray ganz = Verschluesseln(n);
        for (qsizetype laenge = 0; laenge < ganz.size(); ++laenge)
            EXPECT_FALSE(Entschluesseln(ganz.first(laenge)).has_value()) << laenge;
        EXPECT_FALSE(Entschluesseln(ganz + QByteArray(1, '\0')).has_value());
    }
}

TEST(Nachricht, TiefVerschachtelteUndZufaelligeDatenSindKeinAbsturz) {
    // 64 KiB of nested arrays and maps inside a map.
    for (char kopf : {'\x81', '\xa1'}) {
        QByteArray tief(1, '\xa1');
        tief += QByteArray(RahmenGrenze - 1, kopf);
        EXPECT_FALSE(Entschluesseln(tief).has_value());
    }
    QRandomGenerator zufall(23);
    for (int i = 0; i < 20000; ++i) {
        QByteArray daten(zufall.bounded(1, 64), Qt::Uninitialized);
        for (char& c : daten)
            c = static_cast<char>(zufall.bounded(256));
        // Mostly a map head, so the decoder gets past the first byte.
        if (i % 2) daten[0] = static_cast<char>(0xa0 + zufall.bounded(6));
        const std::optional<Nachricht> n = Entschluesseln(daten);
        if (n) {
            EXPECT_TRUE(Entschluesseln(Verschluesseln(*n)) == n);
        }
    }
}

TEST(Rahmenpuffer, SchneidetDenStromInRahmenWieErAuchZerteiltKommt) {
    QByteArray strom;
    for (const Nachricht& n : JedeArt())
        strom += Rahmen(n);
    for (qsizetype stueck : {qsizetype(1), qsizetype(3), qsizetype(7), strom.size()}) {
        Rahmenpuffer puffer;
        std::vector<Nachricht> gelesen;
        for (qsizetype i = 0; i < strom.size(); i += stueck) {
            puffer.Anhaengen(QByteArrayView(strom).sliced(i, std::min(stueck, strom.size() - i)));
            while (std::optional<QByteArray> k = puffer.Naechster())
                gelesen.push_back(*Entschluesseln(*k));
        }
        EXPECT_FALSE(puffer.Verdorben());
        EXPECT_TRUE(gelesen == JedeArt()) << stueck;
    }
}

TEST(Rahmenpuffer, EineLaengeUeber64KiBOderNullVerdirbtDenStrom) {
    for (quint32 laenge : {quint32(0), quint32(RahmenGrenze + 1), quint32(0xffffffff)}) {
        Rahmenpuffer puffer;
        QByteArray kopf(4, Qt::Uninitialized);
        qToBigEndian(laenge, kopf.data());
        puffer.Anhaengen(kopf);
        EXPECT_FALSE(puffer.Naechster().has_value());
        EXPECT_TRUE(puffer.Verdorben()) << laenge;
        // Nothing after it is read any more.
        puffer.Anhaengen(Rahmen(Hilfe{}));
        EXPECT_FALSE(puffer.Naechster().has_value());
    }
    Rahmenpuffer puffer;
    QByteArray grenze(4, Qt::Uninitialized);
    qToBigEndian(quint32(RahmenGrenze), grenze.data());
    puffer.Anhaengen(grenze + QByteArray(RahmenGrenze, 'x'));
    EXPECT_EQ(puffer.Naechster()->size(), RahmenGrenze);
    EXPECT_FALSE(puffer.Verdorben());
}

} // namespace
} // namespace pelu::netz
