#include "game/Spielprotokoll.h"

#include <charconv>

namespace pelu {

void Spielprotokoll::Zahl(int wert) {
    char puffer[12];
    const auto ende = std::to_chars(puffer, puffer + sizeof puffer, wert).ptr;
    Text.append(puffer, ende);
}

void Spielprotokoll::Ort(int feld, int platz) {
    Zahl(feld);
    Text += '.';
    Zahl(platz);
}

void Spielprotokoll::Bewegung(const char* wort, int figur, int vonFeld, int vonPlatz, int zuFeld,
                              int zuPlatz) {
    Text += wort;
    Text += ' ';
    Zahl(figur);
    Text += ' ';
    Ort(vonFeld, vonPlatz);
    Text += ' ';
    Ort(zuFeld, zuPlatz);
    Text += '\n';
}

void Spielprotokoll::SpielBeginn(int nummer) {
    Text += "spiel ";
    Zahl(nummer);
    Text += '\n';
}

void Spielprotokoll::Abbruch() {
    Text += "abbruch\n";
}

void Spielprotokoll::Gewuerfelt(int farbe, int16_t wert) {
    Text += "wurf ";
    Zahl(farbe);
    Text += ' ';
    Zahl(wert);
    Text += '\n';
}

void Spielprotokoll::Gezogen(int figur, int16_t vonFeld, int16_t vonPlatz, int16_t zuFeld,
                             int16_t zuPlatz) {
    Bewegung("zug", figur, vonFeld, vonPlatz, zuFeld, zuPlatz);
}

void Spielprotokoll::Heimgeschickt(int figur, int16_t vonFeld, int16_t vonPlatz, int16_t zuFeld,
                                   int16_t zuPlatz) {
    Bewegung("heim", figur, vonFeld, vonPlatz, zuFeld, zuPlatz);
}

void Spielprotokoll::Nachgerueckt(int figur, int16_t feld, int16_t vonPlatz, int16_t zuPlatz) {
    Text += "nachruecken ";
    Zahl(figur);
    Text += ' ';
    Ort(feld, vonPlatz);
    Text += ' ';
    Ort(feld, zuPlatz);
    Text += '\n';
}

void Spielprotokoll::DreimalZwoelf(int farbe) {
    Text += "3mal12 ";
    Zahl(farbe);
    Text += '\n';
}

void Spielprotokoll::Rang(int farbe, int16_t platz) {
    Text += "rang ";
    Zahl(farbe);
    Text += ' ';
    Zahl(platz);
    Text += '\n';
}

void Spielprotokoll::Spielende(const std::array<int16_t, FarbAnzahl + 1>& zugzahl) {
    Text += "ende";
    for (int farbe = 1; farbe <= FarbAnzahl; ++farbe) {
        Text += ' ';
        Zahl(zugzahl[farbe]);
    }
    Text += '\n';
}

} // namespace pelu
