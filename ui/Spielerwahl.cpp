#include "Spielerwahl.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <cstdlib>

#include "Bilder.h"
#include "Brettfeld.h"
#include "Druckfeld.h"
#include "Schriften.h"
#include "Twips.h"
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

// Qt counts the upper arrow down; turn single and page steps round.
void Umkehren(QScrollBar* leiste, int aktion) {
    switch (aktion) {
    case QAbstractSlider::SliderSingleStepAdd:
    case QAbstractSlider::SliderSingleStepSub:
    case QAbstractSlider::SliderPageStepAdd:
    case QAbstractSlider::SliderPageStepSub: {
        const int schritt = leiste->sliderPosition() - leiste->value();
        leiste->setSliderPosition(leiste->value() - schritt);
        break;
    }
    default: break;
    }
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

        auto* leiste = new QScrollBar(Qt::Vertical, brett);
        leiste->setObjectName(QStringLiteral("vsbSpieler%1").arg(i));
        leiste->setGeometry(TwipsRechteck(LeisteOrt[i].links, LeisteOrt[i].oben, 252, 372, tpp));
        leiste->setRange(-1, 9);
        leiste->setValue(-1);
        leiste->setSingleStep(1);
        leiste->setPageStep(1);
        // Reached with Tab while shown, in colour order; the arrow keys step it.
        leiste->setFocusPolicy(Qt::StrongFocus);
        leiste->installEventFilter(this);
        // The upper arrow counts up: minimum drawn at the bottom, the wheel
        // turned round, and the arrows' steps turned round before the value
        // takes them.
        leiste->setInvertedAppearance(true);
        leiste->setInvertedControls(!leiste->invertedControls());
        connect(leiste, &QAbstractSlider::actionTriggered, leiste,
                [leiste](int aktion) { Umkehren(leiste, aktion); });
        connect(leiste, &QScrollBar::valueChanged, this, [this, i] { Aenderung(i); });
        vsbSpieler_[i] = leiste;
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

// Up and Right count up, Down and Left down, one step per key like the
// arrows, so the change handler wraps the ends alike. (The slider's own key
// handling would count the other way round, as the arrows are turned round.)
bool Spielerwahl::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() != QEvent::KeyPress) return false;
    auto* leiste = qobject_cast<QScrollBar*>(objekt);
    const auto* taste = static_cast<QKeyEvent*>(ereignis);
    const int key = taste->key();
    const int schritt = key == Qt::Key_Up || key == Qt::Key_Right    ? 1
                        : key == Qt::Key_Down || key == Qt::Key_Left ? -1
                                                                     : 0;
    if (!leiste || schritt == 0 || taste->modifiers() != Qt::NoModifier) return false;
    leiste->setValue(leiste->value() + schritt);
    return true;
}

// Setting the value inside the handler runs it again, nested; each test
// re-reads the value, so the outer run ends with the wrapped value too.
void Spielerwahl::Aenderung(int i) {
    QScrollBar* leiste = vsbSpieler_[i];
    if (leiste->value() == 9) leiste->setValue(0);
    if (leiste->value() == -1) leiste->setValue(8);
    if (leiste->value() > 4) {
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

void Spielerwahl::SetzeVorgabe() {
    for (int i = 0; i < 4; ++i)
        vsbSpieler_[i]->setValue(Vorgabespieler[static_cast<std::size_t>(i)]);
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
