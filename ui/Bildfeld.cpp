#include "Bildfeld.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "QtLeinwand.h"

namespace pelu {

namespace {

// A row of indexed pixels into 32-bit ones, four at a time: the start-up
// paints a third of a million of them.
void ZeileUebersetzen(const uchar* quelle, QRgb* ziel, int breite,
                      const std::array<QRgb, 256>& tabelle) {
    int x = 0;
    for (; x + 4 <= breite; x += 4) {
        ziel[x] = tabelle[quelle[x]];
        ziel[x + 1] = tabelle[quelle[x + 1]];
        ziel[x + 2] = tabelle[quelle[x + 2]];
        ziel[x + 3] = tabelle[quelle[x + 3]];
    }
    for (; x < breite; ++x)
        ziel[x] = tabelle[quelle[x]];
}

} // namespace

Bildfeld::Bildfeld(const QColor& hintergrund, QWidget* eltern)
    : QWidget(eltern), hintergrund_(hintergrund) {
    // Every exposed pixel comes from the image; nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

double Bildfeld::Faktor() const {
    const double faktor = devicePixelRatioF();
    return std::isfinite(faktor) && faktor > 0 ? faktor : 1.0;
}

void Bildfeld::GroesseSetzen(QSize groesse) {
    entwurf_ = groesse;
    resize(groesse);
    // A shown box has drawn itself on the resize already.
    if (!Aktuell()) Zeichnen();
}

void Bildfeld::SkalaSetzen(double skala) {
    skala_ = skala;
}

QSize Bildfeld::Pixelgroesse() const {
    const double faktor = Faktor();
    return {static_cast<int>(std::ceil(width() * faktor)),
            static_cast<int>(std::ceil(height() * faktor))};
}

bool Bildfeld::Aktuell() const {
    return bild_.size() == Pixelgroesse() && bild_.devicePixelRatio() == Faktor() &&
           bildskala_ == skala_;
}

void Bildfeld::resizeEvent(QResizeEvent* /*ereignis*/) {
    if (!Aktuell()) Zeichnen();
}

void Bildfeld::ZeichnungSetzen(Zeichnung zeichnung) {
    zeichnung_ = std::move(zeichnung);
    Zeichnen();
}

void Bildfeld::Zeichnen() {
    const double faktor = Faktor();
    const QSize pixel = Pixelgroesse();
    if (bild_.size() != pixel || bild_.devicePixelRatio() != faktor) {
        // The old picture goes first: never two boards in memory at once.
        // A byte a pixel: the drawing has only a few colours (the canvas keeps
        // the table), a quarter of the memory of 32-bit pixels.
        bild_ = QImage();
        bild_ = QImage(pixel, QImage::Format_Indexed8);
        bild_.setDevicePixelRatio(faktor);
    }
    bildskala_ = skala_;
    QtLeinwand leinwand(bild_, hintergrund_);
    if (zeichnung_)
        zeichnung_(leinwand, Geraeteraster{faktor * skala_});
    else
        leinwand.Loeschen();
    update();
}

void Bildfeld::paintEvent(QPaintEvent* ereignis) {
    // The window has come to a screen of another device pixel ratio, or
    // has taken another factor without a new size.
    if (!Aktuell()) Zeichnen();
    // The painter is clipped to the exposed region.
    QPainter maler(this);
    if (bild_.format() != QImage::Format_Indexed8 || bild_.devicePixelRatio() != 1.0)
        return maler.drawImage(QPoint(0, 0), bild_);
    // At ratio 1 the exposed rows go through the colour table in bands of
    // 32-bit pixels, which are copied straight to the screen: Qt's own way
    // fetches every indexed pixel on its own, several times the work.
    std::array<QRgb, 256> tabelle{};
    const QList<QRgb> farben = bild_.colorTable();
    std::copy_n(farben.begin(), std::min<qsizetype>(farben.size(), 256), tabelle.begin());
    const QRect teil = ereignis->rect() & bild_.rect();
    if (teil.isEmpty()) return;
    constexpr int Bandhoehe = 32;
    QImage band(teil.width(), std::min(teil.height(), Bandhoehe), QImage::Format_RGB32);
    for (int oben = teil.top(); oben <= teil.bottom(); oben += band.height()) {
        const int zeilen = std::min(band.height(), teil.bottom() + 1 - oben);
        for (int z = 0; z < zeilen; ++z) {
            const uchar* quelle = bild_.constScanLine(oben + z) + teil.left();
            auto* ziel = reinterpret_cast<QRgb*>(band.scanLine(z));
            ZeileUebersetzen(quelle, ziel, teil.width(), tabelle);
        }
        maler.drawImage(QPoint(teil.left(), oben), band, QRect(0, 0, teil.width(), zeilen));
    }
}

} // namespace pelu
