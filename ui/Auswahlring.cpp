#include "Auswahlring.h"

#include <QPainter>

#include "Uebersetzung.h"

namespace pelu {

namespace {

// Designed pixels the ring reaches beyond the figure image on every side.
constexpr int Ueberstand = 6;
// Middle of the band, from the figure's centre; the figure's rim is at 7.5.
constexpr double Ringradius = 10.5;

} // namespace

Auswahlring::Auswahlring(QWidget* brett, QWidget* darueber) : QWidget(brett), darueber_(darueber) {
    setObjectName(QStringLiteral("Auswahlring"));
    setAccessibleName(Zugangstext::tr("Markierung"));
    setAccessibleDescription(Zugangstext::tr("Die mit den Tasten gewählte Figur"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    hide();
}

void Auswahlring::Umlegen(const QWidget* figur) {
    figur_ = figur;
    if (!figur) return hide();
    const int rand = Skaliert(Ueberstand, skala_);
    setGeometry(figur->geometry().adjusted(-rand, -rand, rand, rand));
    show();
    // Figures brought to the front since lie under the ring again.
    stackUnder(darueber_);
}

void Auswahlring::paintEvent(QPaintEvent* /*ereignis*/) {
    QPainter maler(this);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setBrush(Qt::NoBrush);
    const QPointF mitte = QRectF(rect()).center();
    // A black band five pixels wide, its middle half white.
    const double radius = Ringradius * skala_;
    maler.setPen(QPen(Qt::black, 5 * skala_));
    maler.drawEllipse(mitte, radius, radius);
    maler.setPen(QPen(Qt::white, 2.5 * skala_));
    maler.drawEllipse(mitte, radius, radius);
}

void Auswahlring::SkalaSetzen(double skala) {
    skala_ = skala;
    Umlegen(figur_);
}

} // namespace pelu
