#include "Spielerleiste.h"

#include <QKeyEvent>
#include <QPainter>

namespace pelu {

Spielerleiste::Spielerleiste(QWidget* eltern) : QScrollBar(Qt::Vertical, eltern) {
    setRange(-1, 9);
    setValue(-1);
    setSingleStep(1);
    setPageStep(1);
    setFocusPolicy(Qt::StrongFocus);
    // The upper arrow counts up: minimum drawn at the bottom, the wheel
    // turned round, and the arrows' steps turned round before the value
    // takes them.
    setInvertedAppearance(true);
    setInvertedControls(!invertedControls());
    connect(this, &QAbstractSlider::actionTriggered, this, &Spielerleiste::Umkehren);
}

// Qt counts the upper arrow down; turn single and page steps round.
void Spielerleiste::Umkehren(int aktion) {
    switch (aktion) {
    case SliderSingleStepAdd:
    case SliderSingleStepSub:
    case SliderPageStepAdd:
    case SliderPageStepSub: {
        const int schritt = sliderPosition() - value();
        setSliderPosition(value() - schritt);
        break;
    }
    default: break;
    }
}

// The slider's own keys would count the other way round, as its arrows are
// turned round, with any modifier too (the keypad's arrows carry one); the
// value set here wraps at the ends as the arrows' do.
void Spielerleiste::keyPressEvent(QKeyEvent* ereignis) {
    const int taste = ereignis->key();
    const bool hoch = taste == Qt::Key_Up || taste == Qt::Key_Right || taste == Qt::Key_PageUp;
    const bool runter = taste == Qt::Key_Down || taste == Qt::Key_Left || taste == Qt::Key_PageDown;
    if (!hoch && !runter) return QScrollBar::keyPressEvent(ereignis);
    setValue(value() + (hoch ? 1 : -1));
}

void Spielerleiste::paintEvent(QPaintEvent* ereignis) {
    QScrollBar::paintEvent(ereignis);
    if (!hasFocus()) return;
    QPainter maler(this);
    maler.setPen(QPen(Qt::black, 1, Qt::DotLine));
    maler.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace pelu
