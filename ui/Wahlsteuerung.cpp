#include "Wahlsteuerung.h"

#include <QShortcut>

#include "Auswahlring.h"

namespace pelu {

Wahlsteuerung::Wahlsteuerung(QWidget& fenster, const Bedienelemente& e,
                             std::function<Wahllage()> lage)
    : QObject(&fenster), e_(e), lesen_(std::move(lage)),
      ring_(new Auswahlring(&e.picSpielfeld->Flaeche(), e.picWuerfel[0])) {
    for (Qt::Key k : {Qt::Key_Right, Qt::Key_Down})
        Taste(QKeyCombination(k), [this] {
            wahl_.Weiter(Lesen());
            Nachfuehren();
        });
    for (Qt::Key k : {Qt::Key_Left, Qt::Key_Up})
        Taste(QKeyCombination(k), [this] {
            wahl_.Zurueck(Lesen());
            Nachfuehren();
        });
    for (Qt::Key k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        Taste(QKeyCombination(k), [this] {
            if (wahl_.Markiert() > 0) emit Gewaehlt(wahl_.Markiert());
        });
    for (int ziffer = 1; ziffer <= 4; ++ziffer)
        Taste(QKeyCombination(Qt::Key(Qt::Key_0 + ziffer)), [this, ziffer] {
            if (const int16_t f = Tastenwahl::FigurZurZiffer(Lesen(), ziffer)) emit Gewaehlt(f);
        });
}

void Wahlsteuerung::Taste(QKeyCombination taste, std::function<void()> aktion) {
    auto* kuerzel = new QShortcut(QKeySequence(taste), static_cast<QWidget*>(parent()));
    // Off until a choice opens.
    kuerzel->setEnabled(false);
    connect(kuerzel, &QShortcut::activated, this, std::move(aktion));
    tasten_.push_back(kuerzel);
}

Wahllage Wahlsteuerung::Lesen() const {
    return lesen_();
}

void Wahlsteuerung::Nachfuehren() {
    lage_ = Lesen();
    wahl_.Abgleichen(lage_);
    for (QShortcut* kuerzel : tasten_)
        kuerzel->setEnabled(lage_.offen);
    const int16_t f = wahl_.Markiert();
    ring_->Umlegen(f > 0 ? e_.imgFigur[static_cast<size_t>(f - 1)] : nullptr);
}

} // namespace pelu
