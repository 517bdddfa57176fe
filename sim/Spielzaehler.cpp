#include "Spielzaehler.h"

#include <utility>

namespace pelu {

void Spielzaehler::Beginnen(int nummer, Spielergebnis& ergebnis) {
    ergebnis_ = &ergebnis;
    std::string puffer = std::move(ergebnis.protokoll);
    ergebnis = {};
    Text = std::move(puffer);
    Text.clear();
    if (schreiben_) SpielBeginn(nummer);
}

void Spielzaehler::Beenden(bool abgebrochen) {
    ergebnis_->abgebrochen = abgebrochen;
    ergebnis_->gezogen = wuerfel_.Gezogen();
    if (abgebrochen && schreiben_) Abbruch();
    std::swap(ergebnis_->protokoll, Text);
    ergebnis_ = &leer_;
}

void Spielzaehler::Gewuerfelt(int farbe, int16_t wert) {
    // A roll whose tries ran past the scripted dice never happened.
    if (wuerfel_.Erschoepft()) return;
    ++ergebnis_->wuerfe;
    ++ergebnis_->gezeigt[static_cast<std::size_t>(wert)];
    if (schreiben_) Spielprotokoll::Gewuerfelt(farbe, wert);
}

void Spielzaehler::Gezogen(int figur, int16_t vf, int16_t vp, int16_t zf, int16_t zp) {
    ++ergebnis_->zuege;
    if (schreiben_) Spielprotokoll::Gezogen(figur, vf, vp, zf, zp);
}

void Spielzaehler::Heimgeschickt(int figur, int16_t vf, int16_t vp, int16_t zf, int16_t zp) {
    if (schreiben_) Spielprotokoll::Heimgeschickt(figur, vf, vp, zf, zp);
}

void Spielzaehler::Nachgerueckt(int figur, int16_t feld, int16_t vp, int16_t zp) {
    if (schreiben_) Spielprotokoll::Nachgerueckt(figur, feld, vp, zp);
}

void Spielzaehler::DreimalZwoelf(int farbe) {
    if (schreiben_) Spielprotokoll::DreimalZwoelf(farbe);
}

void Spielzaehler::Rang(int farbe, int16_t rang) {
    if (pelu::IstFarbe(farbe)) ergebnis_->platz[farbe] = rang;
    if (schreiben_) Spielprotokoll::Rang(farbe, rang);
}

void Spielzaehler::Spielende(const std::array<int16_t, pelu::FarbAnzahl + 1>& zugzahl) {
    if (schreiben_) Spielprotokoll::Spielende(zugzahl);
}

} // namespace pelu
