#include "Nachricht.h"

#include <QCborArray>
#include <QCborMap>
#include <QCborStreamReader>
#include <QCborValue>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace pelu::netz {

namespace {

// The type names on the wire, in the order of the variant's alternatives.
constexpr const char* Artnamen[] = {"hallo",     "wahl",      "hilfe",      "lebt",    "willkommen",
                                    "abgelehnt", "info",      "zuganzeige", "rang",    "wuerfel",
                                    "sichtbar",  "ort",       "vorn",       "knoepfe", "zuteilung",
                                    "turbo",     "wahlstand", "ueber",      "brett"};
static_assert(std::size(Artnamen) == std::variant_size_v<Nachricht>);

constexpr const char* Absagenamen[] = {"code", "version", "besetzt", "voll"};

QString Text(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Writes the fields of each message type into the map.
struct Schreiber {
    QCborMap& m;
    void operator()(const Hallo& n) {
        m[QLatin1String("v")] = n.version;
        m[QLatin1String("code")] = Text(n.code);
        m[QLatin1String("spieler")] = n.spieler;
        m[QLatin1String("kennung")] = static_cast<qint64>(n.kennung);
    }
    void operator()(const Wahl& n) { m[QLatin1String("figur")] = n.figur; }
    void operator()(const MausUeber& n) { m[QLatin1String("figur")] = n.figur; }
    void operator()(const Hilfe&) {}
    void operator()(const Lebenszeichen&) {}
    void operator()(const Willkommen& n) {
        m[QLatin1String("v")] = n.version;
        m[QLatin1String("spieler")] = n.spieler;
    }
    void operator()(const Abgelehnt& n) {
        m[QLatin1String("grund")] = QLatin1String(Absagenamen[static_cast<int>(n.grund)]);
    }
    void operator()(const Info& n) {
        m[QLatin1String("text")] = Text(n.text);
        m[QLatin1String("textfarbe")] = n.textfarbe;
    }
    void operator()(const Zuganzeige& n) {
        m[QLatin1String("farbe")] = n.farbe;
        m[QLatin1String("text")] = Text(n.text);
        m[QLatin1String("hintergrund")] = n.hintergrund;
        m[QLatin1String("textfarbe")] = n.textfarbe;
    }
    void operator()(const Rang& n) {
        m[QLatin1String("farbe")] = n.farbe;
        m[QLatin1String("text")] = Text(n.text);
    }
    void operator()(const Wuerfel& n) {
        m[QLatin1String("farbe")] = n.farbe;
        m[QLatin1String("wert")] = n.wert;
    }
    void operator()(const FigurSichtbar& n) {
        m[QLatin1String("figur")] = n.figur;
        m[QLatin1String("sichtbar")] = n.sichtbar;
    }
    void operator()(const FigurOrt& n) {
        m[QLatin1String("figur")] = n.figur;
        // Single precision, as the animation leaves the position.
        m[QLatin1String("links")] = QCborValue(static_cast<double>(n.links));
        m[QLatin1String("oben")] = QCborValue(static_cast<double>(n.oben));
    }
    void operator()(const FigurVorn& n) { m[QLatin1String("figur")] = n.figur; }
    void operator()(const Knoepfe& n) { m[QLatin1String("zustand")] = n.zustand; }
    void operator()(const Zuteilung& n) {
        m[QLatin1String("offen")] = n.offen;
        QCborArray werte;
        for (int w : n.werte)
            werte.append(w);
        m[QLatin1String("werte")] = werte;
    }
    void operator()(const Turbo& n) { m[QLatin1String("an")] = n.an; }
    void operator()(const Wahlstand& n) {
        m[QLatin1String("spieler")] = n.spieler;
        m[QLatin1String("farbe")] = n.farbe;
        m[QLatin1String("vorschlag")] = n.vorschlag;
        QCborArray figuren;
        for (int f : n.figuren)
            figuren.append(f);
        m[QLatin1String("figuren")] = figuren;
    }
    void operator()(const Brett& n) {
        QCborArray zeilen;
        for (const auto& zeile : n.bilddaten) {
            QCborArray werte;
            for (int16_t w : zeile)
                werte.append(w);
            zeilen.append(werte);
        }
        m[QLatin1String("bilddaten")] = zeilen;
    }
};

// Reads fields from a received map; any fault leaves `gut` false.
struct Leser {
    const QCborMap& m;
    bool gut = true;

    QCborValue Feld(const char* name) { return m.value(QLatin1String(name)); }
    int Zahl(const char* name, int von, int bis) {
        const QCborValue v = Feld(name);
        if (!v.isInteger() || v.toInteger() < von || v.toInteger() > bis) gut = false;
        return gut ? static_cast<int>(v.toInteger()) : von;
    }
    int64_t GrosseZahl(const char* name) {
        const QCborValue v = Feld(name);
        if (!v.isInteger()) gut = false;
        return v.toInteger();
    }
    bool Wahrheit(const char* name) {
        const QCborValue v = Feld(name);
        if (!v.isBool()) gut = false;
        return v.toBool();
    }
    float Ort(const char* name) {
        const QCborValue v = Feld(name);
        const double d = v.isDouble() ? v.toDouble() : v.isInteger() ? double(v.toInteger()) : NAN;
        // Far beyond any board, but finite.
        if (!(std::abs(d) <= 100000)) gut = false;
        return gut ? static_cast<float>(d) : 0.0f;
    }
    std::string Zeichen(const char* name) {
        const QCborValue v = Feld(name);
        if (!v.isString() || v.toString().size() > TextGrenze) {
            gut = false;
            return {};
        }
        return v.toString().toStdString();
    }
    std::vector<int> Zahlen(const char* name, int von, int bis, qsizetype hoechstens) {
        return Werte(Feld(name), von, bis, hoechstens, gut);
    }
    // An array of at most `hoechstens` integers in von..bis; else `gut` false.
    static std::vector<int> Werte(const QCborValue& v, int von, int bis, qsizetype hoechstens,
                                  bool& gut) {
        std::vector<int> zahlen;
        if (!v.isArray() || v.toArray().size() > hoechstens) {
            gut = false;
            return zahlen;
        }
        for (const QCborValue& e : v.toArray()) {
            if (!e.isInteger() || e.toInteger() < von || e.toInteger() > bis) {
                gut = false;
                return {};
            }
            zahlen.push_back(static_cast<int>(e.toInteger()));
        }
        return zahlen;
    }
};

std::optional<Nachricht> Lesen(int art, Leser& l) {
    Nachricht n;
    switch (art) {
    case 0: {
        Hallo h;
        h.version = l.Zahl("v", 0, 1 << 30);
        h.code = l.Zeichen("code");
        h.spieler = l.Zahl("spieler", 1, 4);
        h.kennung = l.GrosseZahl("kennung");
        if (h.code.size() != 6 || h.code.find_first_not_of("0123456789") != std::string::npos)
            l.gut = false;
        n = h;
        break;
    }
    case 1: n = Wahl{l.Zahl("figur", 1, 16)}; break;
    case 2: n = Hilfe{}; break;
    case 3: n = Lebenszeichen{}; break;
    case 4: n = Willkommen{l.Zahl("v", 0, 1 << 30), l.Zahl("spieler", 1, 4)}; break;
    case 5: {
        const QCborValue g = l.Feld("grund");
        Abgelehnt a;
        l.gut = false;
        for (int i = 0; i < 4; ++i)
            if (g.isString() && g.toString() == QLatin1String(Absagenamen[i])) {
                a.grund = static_cast<Absage>(i);
                l.gut = true;
            }
        n = a;
        break;
    }
    case 6: {
        Info i;
        i.text = l.Zeichen("text");
        i.textfarbe = l.Zahl("textfarbe", 0, 15);
        n = i;
        break;
    }
    case 7: {
        Zuganzeige z;
        z.farbe = l.Zahl("farbe", 1, 4);
        z.text = l.Zeichen("text");
        z.hintergrund = l.Zahl("hintergrund", 0, 15);
        z.textfarbe = l.Zahl("textfarbe", 0, 15);
        n = z;
        break;
    }
    case 8: {
        Rang r;
        r.farbe = l.Zahl("farbe", 1, 4);
        r.text = l.Zeichen("text");
        n = r;
        break;
    }
    case 9: n = Wuerfel{l.Zahl("farbe", 1, 4), l.Zahl("wert", -1, 6)}; break;
    case 10: n = FigurSichtbar{l.Zahl("figur", 1, 16), l.Wahrheit("sichtbar")}; break;
    case 11: {
        FigurOrt o;
        o.figur = l.Zahl("figur", 1, 16);
        o.links = l.Ort("links");
        o.oben = l.Ort("oben");
        n = o;
        break;
    }
    case 12: n = FigurVorn{l.Zahl("figur", 1, 16)}; break;
    case 13: n = Knoepfe{l.Zahl("zustand", 0, 2)}; break;
    case 14: {
        Zuteilung z;
        z.offen = l.Wahrheit("offen");
        const std::vector<int> werte = l.Zahlen("werte", 0, 8, 4);
        if (werte.size() != 4) l.gut = false;
        for (size_t i = 0; i < werte.size() && i < 4; ++i)
            z.werte[i] = werte[i];
        n = z;
        break;
    }
    case 15: n = Turbo{l.Wahrheit("an")}; break;
    case 16: {
        Wahlstand w;
        w.spieler = l.Zahl("spieler", 0, 4);
        w.farbe = l.Zahl("farbe", 0, 4);
        w.vorschlag = l.Zahl("vorschlag", 0, 16);
        w.figuren = l.Zahlen("figuren", 1, 16, 16);
        for (size_t i = 1; i < w.figuren.size(); ++i)
            if (w.figuren[i] <= w.figuren[i - 1]) l.gut = false;
        n = w;
        break;
    }
    case 17: n = MausUeber{l.Zahl("figur", 1, 16)}; break;
    case 18: {
        Brett b;
        const QCborValue zeilen = l.Feld("bilddaten");
        if (!zeilen.isArray() || zeilen.toArray().size() != qsizetype(Brett::Zeilen)) {
            l.gut = false;
            break;
        }
        for (const QCborValue& zeile : zeilen.toArray()) {
            const std::vector<int> werte =
                Leser::Werte(zeile, -32768, 32767, qsizetype(Brett::Spalten), l.gut);
            if (werte.size() != Brett::Spalten) {
                l.gut = false;
                break;
            }
            std::array<int16_t, Brett::Spalten>& neu = b.bilddaten.emplace_back();
            std::copy(werte.begin(), werte.end(), neu.begin());
        }
        n = std::move(b);
        break;
    }
    default: return std::nullopt;
    }
    if (!l.gut) return std::nullopt;
    return n;
}

} // namespace

QByteArray Verschluesseln(const Nachricht& nachricht) {
    QCborMap m;
    m[QLatin1String("t")] = QLatin1String(Artnamen[nachricht.index()]);
    std::visit(Schreiber{m}, nachricht);
    return m.toCborValue().toCbor();
}

QByteArray Rahmen(const Nachricht& nachricht) {
    const QByteArray koerper = Verschluesseln(nachricht);
    QByteArray rahmen(4, Qt::Uninitialized);
    qToBigEndian(static_cast<quint32>(koerper.size()), rahmen.data());
    return rahmen + koerper;
}

std::optional<Nachricht> Entschluesseln(QByteArrayView daten) {
    if (daten.isEmpty() || daten.size() > RahmenGrenze) return std::nullopt;
    QCborStreamReader leser(reinterpret_cast<const quint8*>(daten.data()), daten.size());
    // Only a map is a message; anything else is not even read.
    if (!leser.isMap()) return std::nullopt;
    const QCborValue wert = QCborValue::fromCbor(leser);
    if (leser.lastError() != QCborError::NoError || leser.currentOffset() != daten.size() ||
        !wert.isMap())
        return std::nullopt;
    const QCborMap m = wert.toMap();
    const QCborValue art = m.value(QLatin1String("t"));
    if (!art.isString()) return std::nullopt;
    for (int i = 0; i < static_cast<int>(std::size(Artnamen)); ++i)
        if (art.toString() == QLatin1String(Artnamen[i])) {
            Leser l{m};
            return Lesen(i, l);
        }
    return std::nullopt;
}

void Rahmenpuffer::Anhaengen(QByteArrayView daten) {
    if (!verdorben_) puffer_.append(daten);
}

std::optional<QByteArray> Rahmenpuffer::Naechster() {
    if (verdorben_ || puffer_.size() < 4) return std::nullopt;
    const quint32 laenge = qFromBigEndian<quint32>(puffer_.constData());
    if (laenge == 0 || laenge > static_cast<quint32>(RahmenGrenze)) {
        verdorben_ = true;
        puffer_.clear();
        return std::nullopt;
    }
    const qsizetype ganz = 4 + static_cast<qsizetype>(laenge);
    if (puffer_.size() < ganz) return std::nullopt;
    QByteArray koerper = puffer_.mid(4, laenge);
    puffer_.remove(0, ganz);
    return koerper;
}

} // namespace pelu::netz
