#include "Spielerwahl.h"

#include <cstdlib>

#include "Bilder.h"
#include "Brettfeld.h"
#include "Druckfeld.h"
#include "Schriften.h"
#include "Spielerleiste.h"
#include "Twips.h"
#include "Uebersetzung.h"
#include "Zugaenglichkeit.h"
#include "Zugangsbaum.h"
#include "state/Spielzustand.h"

namespace pelu {
namespace {

bool GueltigerIndex(int index) {
    return index >= 0 && index < 4;
}

// An integer as the classic runtime prints it: the sign's place, then digits.
QString Zahltext(int zahl) {
    return (zahl < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(std::abs(zahl));
}

// Design positions in twips (left, top) of the indicators and scroll bars.
struct Ort {
    int links, oben;
};
constexpr Ort SpielerOrt[4] = {{1080, 6120}, {5760, 6120}, {5760, 0}, {1080, 36}};
constexpr Ort ComputerOrt[4] = {{1080, 6120}, {5760, 6120}, {5760, 36}, {1080, 36}};
constexpr Ort LeisteOrt[4] = {{1800, 6120}, {5280, 6120}, {5280, 60}, {1800, 60}};

Druckfeld* Anzeige(QWidget* brett, const QString& name, Ort ort, int tpp) {
    auto* anzeige = new Druckfeld(brett);
    anzeige->setObjectName(name);
    anzeige->setGeometry(TwipsRechteck(ort.links, ort.oben, 735, 432, tpp));
    // Without a border the 29 pixel high box shows the 32 pixel icon nearly whole.
    anzeige->RahmenSetzen(false);
    anzeige->HintergrundfarbeSetzen(Brettfeld::Hintergrund);
    anzeige->setFont(Entwurfsschrift(QStringLiteral("MS Sans Serif"), 12, true));
    return anzeige;
}

} // namespace

Spielerwahl::Spielerwahl(QWidget* brett) : QObject(brett) {
    const int tpp = TwipsProPixel();
    for (int i = 0; i < 4; ++i) {
        picSpieler_[i] = Anzeige(brett, QStringLiteral("picSpieler%1").arg(i), SpielerOrt[i], tpp);
        picComputer_[i] =
            Anzeige(brett, QStringLiteral("picComputer%1").arg(i), ComputerOrt[i], tpp);

        auto* leiste = new Spielerleiste(brett);
        leiste->setObjectName(QStringLiteral("vsbSpieler%1").arg(i));
        leiste->setGeometry(TwipsRechteck(LeisteOrt[i].links, LeisteOrt[i].oben, 252, 372, tpp));
        connect(leiste, &QScrollBar::valueChanged, this, [this, i] { Aenderung(i); });
        vsbSpieler_[i] = leiste;
        const QString farbe = Farbname(i + 1);
        leiste->setAccessibleDescription(
            Zugangstext::tr("Farbe %1: niemand, Spieler 1 bis 4 oder Computer 1 bis 4").arg(farbe));
        for (Druckfeld* anzeige : {picSpieler_[i], picComputer_[i]})
            anzeige->setAccessibleDescription(Zugangstext::tr("Zuteilung der Farbe %1").arg(farbe));
        Benennen(i);
    }
    BilderSetzen(brett->devicePixelRatioF());
}

void Spielerwahl::BilderSetzen(double faktor) {
    const QPixmap mensch = SymbolBild(Symbol::MannFrau, 32, faktor);
    const QPixmap computer = SymbolBild(Symbol::Computer, 32, faktor);
    for (int i = 0; i < 4; ++i) {
        picSpieler_[i]->HintergrundbildSetzen(mensch);
        picComputer_[i]->HintergrundbildSetzen(computer);
    }
}

// Setting the value inside the handler runs it again, nested; each test
// re-reads the value, so the outer run ends with the wrapped value too.
void Spielerwahl::Aenderung(int i) {
    AnzeigeWechseln(i);
    SpielerbildGewechselt(*picSpieler_[i], spielerGezeigt_[i]);
    SpielerbildGewechselt(*picComputer_[i], computerGezeigt_[i]);
}

void Spielerwahl::AnzeigeWechseln(int i) {
    QScrollBar* leiste = vsbSpieler_[i];
    if (leiste->value() == 9) leiste->setValue(0);
    if (leiste->value() == -1) leiste->setValue(8);
    Benennen(i);
    if (IstComputer(leiste->value())) {
        picSpieler_[i]->hide();
        picComputer_[i]->Cls();
        picComputer_[i]->DruckpositionSetzen(QPointF(30, 5));
        picComputer_[i]->show();
        picComputer_[i]->Drucken(Zahltext(leiste->value() - 4));
    } else {
        picComputer_[i]->hide();
        picSpieler_[i]->Cls();
        picSpieler_[i]->DruckpositionSetzen(QPointF(30, 5));
        if (leiste->value() > 0) {
            picSpieler_[i]->show();
            picSpieler_[i]->Drucken(Zahltext(leiste->value()));
        } else {
            picSpieler_[i]->hide();
        }
    }
}

// The choice in words, on the scroll bar and both indicators.
void Spielerwahl::Benennen(int i) {
    const QString farbe = Farbname(i + 1);
    const QString wahl = QStringLiteral("%1: %2").arg(farbe, Zuteilung(vsbSpieler_[i]->value()));
    NameSetzen(*vsbSpieler_[i], Zugangstext::tr("Zuteilung %1").arg(wahl));
    NameSetzen(*picSpieler_[i], wahl);
    NameSetzen(*picComputer_[i], wahl);
}

void Spielerwahl::SetzeVorgabe(const std::array<int16_t, 4>& werte) {
    for (int i = 0; i < 4; ++i)
        vsbSpieler_[i]->setValue(werte[static_cast<std::size_t>(i)]);
}

void Spielerwahl::Vsbaktiv(bool funkt) {
    for (QScrollBar* leiste : vsbSpieler_)
        leiste->setVisible(funkt);
}

int16_t Spielerwahl::Wert(int index) const {
    return GueltigerIndex(index) ? static_cast<int16_t>(vsbSpieler_[index]->value()) : 0;
}

QScrollBar* Spielerwahl::vsbSpieler(int index) const {
    return GueltigerIndex(index) ? vsbSpieler_[index] : nullptr;
}

Druckfeld* Spielerwahl::picSpieler(int index) const {
    return GueltigerIndex(index) ? picSpieler_[index] : nullptr;
}

Druckfeld* Spielerwahl::picComputer(int index) const {
    return GueltigerIndex(index) ? picComputer_[index] : nullptr;
}

} // namespace pelu
