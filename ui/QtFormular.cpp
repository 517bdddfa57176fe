#include "QtFormular.h"

#include "Knopfgesicht.h"
#include "Spielerwahl.h"
#include "Uebersetzung.h"
#include "Zugaenglichkeit.h"
#include "board/Wuerfelbild.h"
#include "state/Rundung.h"
#include "state/Spielzustand.h"

namespace pelu {

namespace {

size_t Index(int nummer) {
    return static_cast<size_t>(nummer - 1);
}

QColor Palettenfarbe(int16_t index) {
    return QColor::fromRgb(QBColor(index));
}

void Farben(QWidget& w, const QColor* hintergrund, const QColor& text) {
    QPalette palette = w.palette();
    if (hintergrund) palette.setColor(QPalette::Window, *hintergrund);
    palette.setColor(QPalette::WindowText, text);
    w.setPalette(palette);
}

// Enabled first, then the face, as the game buttons always change.
void Knopf(QPushButton& knopf, bool an, const QColor& gesicht) {
    knopf.setEnabled(an);
    KnopfgesichtSetzen(knopf, an ? gesicht : Gesicht::Grau);
}

} // namespace

QtFormular::QtFormular(Bedienelemente& elemente, Spielerwahl& wahl, Zeitgeber& zeitgeber)
    : e_(elemente), wahl_(wahl), zeitgeber_(zeitgeber) {}

// The text's colour says whose turn it is; assistive tools hear the colour's
// name. The game's texts (Infotexte) are shown translated.
void QtFormular::InfoSetzen(std::string_view text, int16_t textfarbe) {
    int farbe = 0;
    for (int c = 1; c <= FarbAnzahl; ++c)
        if (HelleFarbe(c) == textfarbe) farbe = c;
    const QString inhalt = text.empty() ? QString() : Spieltext::tr(std::string(text).c_str());
    Farben(*e_.lblInfo, nullptr, Palettenfarbe(textfarbe));
    NameSetzen(*e_.lblInfo, InfoName(inhalt, farbe));
    e_.lblInfo->setText(inhalt);
}

void QtFormular::ZuganzeigeSetzen(int farbe, std::string_view text, int16_t hintergrund,
                                  int16_t textfarbe) {
    if (!IstFarbe(farbe)) return;
    QLabel& label = *e_.lblZuganzeige[Index(farbe)];
    const QColor grund = Palettenfarbe(hintergrund);
    Farben(label, &grund, Palettenfarbe(textfarbe));
    const QString inhalt = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    NameSetzen(label, ZuganzeigeName(farbe, inhalt));
    label.setText(inhalt);
}

void QtFormular::RangSetzen(int farbe, std::string_view text) {
    if (!IstFarbe(farbe)) return;
    QLabel& label = *e_.lblRang[Index(farbe)];
    const QString inhalt = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    NameSetzen(label, RangName(farbe, inhalt));
    label.setText(inhalt);
}

void QtFormular::WuerfelZeichnen(int farbe, int16_t wert) {
    if (!IstFarbe(farbe)) return;
    Bildfeld* wuerfel = e_.picWuerfel[Index(farbe)];
    wuerfel->setVisible(true);
    BeschreibungSetzen(*wuerfel, WuerfelBeschreibung(wert));
    // In the box's designed pixels; the raster brings them to the window's factor.
    wuerfel->ZeichnungSetzen([wuerfel, wert](Leinwand& flaeche, const Geraeteraster& raster) {
        const QSize box = wuerfel->Entwurf();
        pelu::WuerfelZeichnen(flaeche, box.width(), box.height(), wert, Massstab, raster);
    });
}

void QtFormular::WuerfelVerstecken(int farbe) {
    if (IstFarbe(farbe)) e_.picWuerfel[Index(farbe)]->setVisible(false);
}

void QtFormular::FigurSichtbar(int figur, bool sichtbar) {
    if (IstFigur(figur)) e_.imgFigur[Index(figur)]->setVisible(sichtbar);
}

void QtFormular::FigurBewegen(int figur, float links, float oben) {
    if (IstFigur(figur)) e_.imgFigur[Index(figur)]->OrtSetzen(QPointF(links, oben));
}

// In front of every other figure, but below the dice, indicators and scroll
// bars: those are windows of their own that images never cover.
void QtFormular::FigurNachVorn(int figur) {
    if (IstFigur(figur)) e_.imgFigur[Index(figur)]->stackUnder(e_.picWuerfel[0]);
}

void QtFormular::ProgrammTimerAn(bool an) {
    zeitgeber_.ProgrammAn(an);
}

void QtFormular::ProgrammTimerIntervall(int millisekunden) {
    zeitgeber_.ProgrammIntervall(millisekunden);
}

void QtFormular::FahrTimerAn(bool an) {
    zeitgeber_.FahrenAn(an);
}

void QtFormular::Spielknoepfe(Knopfzustand zustand) {
    const bool ruhe = zustand != Knopfzustand::Spiel;
    Knopf(*e_.cmdFigurenwahl, zustand == Knopfzustand::Ruhe, Gesicht::Hellgelb);
    Knopf(*e_.cmdStart, ruhe, Gesicht::Hellgruen);
    Knopf(*e_.cmdStop, !ruhe, Gesicht::Hellrot);
    Knopf(*e_.cmdHilfe, !ruhe, Gesicht::Hellcyan);
}

void QtFormular::SpielerwahlSichtbar(bool sichtbar) {
    wahl_.Vsbaktiv(sichtbar);
}

int16_t QtFormular::Spielerwert(int farbe) {
    return IstFarbe(farbe) ? wahl_.Wert(farbe - 1) : int16_t{0};
}

} // namespace pelu
