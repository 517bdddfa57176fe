#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// The messages between an offering window and the windows joined to it, as
// docs/netzprotokoll.md describes them on the wire: one CBOR map per frame,
// each frame preceded by its length.
namespace pelu::netz {

inline constexpr int Protokollversion = 2;
// Longest frame body; a longer length closes the connection.
inline constexpr qsizetype RahmenGrenze = 64 * 1024;
// Longest text a label may be sent.
inline constexpr qsizetype TextGrenze = 1000;

// Why a join is refused.
enum class Absage { Code, Version, Besetzt, Voll };

// Joining window to offering window.
struct Hallo {
    int version = Protokollversion;
    std::string code;    // six digits
    int spieler = 1;     // the human player 1..4 it plays
    int64_t kennung = 0; // drawn once per window: the same window coming back
    bool operator==(const Hallo&) const = default;
};
struct Wahl {
    int figur = 0; // 1..16
    bool operator==(const Wahl&) const = default;
};
struct Hilfe {
    bool operator==(const Hilfe&) const = default;
};
struct Lebenszeichen {
    bool operator==(const Lebenszeichen&) const = default;
};
// The mouse is over a figure this window's player may choose: ends the
// proposal's blinking, as a mouse move in the offering window does.
struct MausUeber {
    int figur = 0; // 1..16
    bool operator==(const MausUeber&) const = default;
};

// Offering window to joining window.
struct Willkommen {
    int version = Protokollversion;
    int spieler = 1;
    bool operator==(const Willkommen&) const = default;
};
struct Abgelehnt {
    Absage grund = Absage::Code;
    bool operator==(const Abgelehnt&) const = default;
};
// The form's calls, one message each.
struct Info {
    std::string text;
    int textfarbe = 0;
    bool operator==(const Info&) const = default;
};
struct Zuganzeige {
    int farbe = 1;
    std::string text;
    int hintergrund = 0;
    int textfarbe = 0;
    bool operator==(const Zuganzeige&) const = default;
};
struct Rang {
    int farbe = 1;
    std::string text;
    bool operator==(const Rang&) const = default;
};
struct Wuerfel {
    int farbe = 1;
    int wert = 0; // 0..6 shows that face; -1 hides the die
    bool operator==(const Wuerfel&) const = default;
};
struct FigurSichtbar {
    int figur = 1;
    bool sichtbar = true;
    bool operator==(const FigurSichtbar&) const = default;
};
struct FigurOrt {
    int figur = 1;
    float links = 0;
    float oben = 0;
    bool operator==(const FigurOrt&) const = default;
};
struct FigurVorn {
    int figur = 1;
    bool operator==(const FigurVorn&) const = default;
};
struct Knoepfe {
    int zustand = 0; // Knopfzustand: 0 idle, 1 game, 2 running out
    bool operator==(const Knoepfe&) const = default;
};
struct Zuteilung {
    bool offen = false;                   // the scroll bars are shown
    std::array<int, 4> werte{1, 5, 6, 7}; // player value 0..8 of colours 1..4
    bool operator==(const Zuteilung&) const = default;
};
struct Turbo {
    bool an = false;
    bool operator==(const Turbo&) const = default;
};
// The board as the offering window draws it: its field geometry in board
// pixels (the whole table of the data file's picture section, rows 0..130
// of 12 values), so a joined window needs no data file of its own.
struct Brett {
    static constexpr size_t Zeilen = 131, Spalten = 12;
    std::vector<std::array<int16_t, Spalten>> bilddaten; // exactly Zeilen rows
    bool operator==(const Brett&) const = default;
};
// Who must choose a figure now, and which figures he may choose.
struct Wahlstand {
    int spieler = 0;          // 1..4 while a human player must choose; 0 = nobody
    int farbe = 0;            // the colour whose turn it is
    int vorschlag = 0;        // the blinking proposal; 0 = none
    std::vector<int> figuren; // the figures that may be chosen, ascending
    bool operator==(const Wahlstand&) const = default;
};

using Nachricht = std::variant<Hallo, Wahl, Hilfe, Lebenszeichen, Willkommen, Abgelehnt, Info,
                               Zuganzeige, Rang, Wuerfel, FigurSichtbar, FigurOrt, FigurVorn,
                               Knoepfe, Zuteilung, Turbo, Wahlstand, MausUeber, Brett>;

// The frame of a message: four bytes of length (big-endian), then the CBOR map.
QByteArray Rahmen(const Nachricht& nachricht);
// The CBOR map of a message alone.
QByteArray Verschluesseln(const Nachricht& nachricht);
// A frame body read back; nothing when it is not exactly one well-formed
// message (any field missing, of the wrong type or out of range).
std::optional<Nachricht> Entschluesseln(QByteArrayView daten);

// Cuts the byte stream of a connection into frame bodies.
class Rahmenpuffer {
  public:
    void Anhaengen(QByteArrayView daten);
    // The next whole frame body, if one has arrived.
    std::optional<QByteArray> Naechster();
    // A frame announced a length of 0 or over RahmenGrenze: the stream is spoilt.
    bool Verdorben() const { return verdorben_; }

  private:
    QByteArray puffer_;
    bool verdorben_ = false;
};

} // namespace pelu::netz
