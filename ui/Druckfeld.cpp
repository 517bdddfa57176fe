#include "Druckfeld.h"

#include <QFontMetrics>
#include <QPainter>

namespace pelu {

Druckfeld::Druckfeld(QWidget* eltern) : QFrame(eltern) {
    setAutoFillBackground(true);
    RahmenSetzen(true);
}

void Druckfeld::HintergrundfarbeSetzen(const QColor& farbe) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, farbe);
    setPalette(palette);
}

void Druckfeld::HintergrundbildSetzen(const QPixmap& bild) {
    hintergrundbild = bild;
    update();
}

void Druckfeld::RahmenSetzen(bool eingesunken) {
    // The classic two-pixel sunken border of a picture box.
    setFrameStyle(eingesunken ? (QFrame::WinPanel | QFrame::Sunken) : QFrame::NoFrame);
}

void Druckfeld::Cls() {
    gedrucktes.clear();
    position = QPointF(0, 0);
    update();
}

void Druckfeld::Drucken(const QString& text) {
    gedrucktes.push_back({position, text, font(), palette().color(QPalette::WindowText)});
    position = QPointF(0, position.y() + Zeilenhoehe());
    update();
}

QStringList Druckfeld::GedruckteTexte() const {
    QStringList texte;
    for (const Druck& druck : gedrucktes)
        texte.push_back(druck.text);
    return texte;
}

int Druckfeld::Zeilenhoehe() const {
    return QFontMetrics(font()).height();
}

void Druckfeld::SkalaSetzen(double neu) {
    skala = neu;
    update();
}

void Druckfeld::paintEvent(QPaintEvent* ereignis) {
    QFrame::paintEvent(ereignis);
    QPainter maler(this);
    const QRect innen = contentsRect();
    maler.setClipRect(innen);
    maler.translate(innen.topLeft());
    if (skala != 1.0) maler.scale(skala, skala);
    if (!hintergrundbild.isNull()) maler.drawPixmap(0, 0, hintergrundbild);
    for (const Druck& druck : gedrucktes) {
        if (druck.text.isEmpty()) continue;
        maler.setFont(druck.schrift);
        maler.setPen(druck.farbe);
        const QFontMetricsF mass(druck.schrift);
        maler.drawText(QPointF(druck.ort.x(), druck.ort.y() + mass.ascent()), druck.text);
    }
}

} // namespace pelu
