#include "Bilder.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "Umrissdaten.h"

namespace pelu {
namespace {

// Middle colours of the four figure discs; also the colours of the board icon.
QColor Figurfarbe(int farbe) {
    switch (farbe) {
    case 1: return {0, 0, 153};
    case 2: return {51, 153, 102};
    case 3: return {255, 102, 255};
    case 4: return {153, 0, 0};
    default: return {128, 128, 128};
    }
}

QColor Mischen(const QColor& a, const QColor& b, double anteilB) {
    auto kanal = [anteilB](int x, int y) { return int(std::lround(x + (y - x) * anteilB)); };
    return {kanal(a.red(), b.red()), kanal(a.green(), b.green()), kanal(a.blue(), b.blue())};
}

// A transparent picture of breite x hoehe window pixels; a painter on it
// draws in window pixels.
QPixmap LeeresBild(int breite, int hoehe, double faktor = 1.0) {
    faktor = std::isfinite(faktor) && faktor > 0 ? std::clamp(faktor, 0.1, 16.0) : 1.0;
    QPixmap bild(static_cast<int>(std::ceil(breite * faktor)),
                 static_cast<int>(std::ceil(hoehe * faktor)));
    bild.setDevicePixelRatio(faktor);
    bild.fill(Qt::transparent);
    return bild;
}

// A painter on a picture from LeeresBild draws in window pixels. QPainter
// applies a device pixel ratio above 1 by itself; a smaller one (a picture
// for a reduced window) is applied here.
void InFensterpixeln(QPainter& maler, const QPixmap& bild) {
    const double faktor = bild.devicePixelRatio();
    if (faktor < 1) maler.scale(faktor, faktor);
}

// Bold sans-serif text as an outline, scaled to fit and centred in ziel.
QPainterPath TextPfad(const QString& text, const QRectF& ziel) {
    const QPainterPath pfad = TextUmriss(text);
    const QRectF umriss = pfad.boundingRect();
    if (umriss.width() <= 0 || umriss.height() <= 0) return pfad; // no font at all
    const double faktor = std::min(ziel.width() / umriss.width(), ziel.height() / umriss.height());
    QTransform abbildung;
    abbildung.translate(ziel.center().x(), ziel.center().y());
    abbildung.scale(faktor, faktor);
    abbildung.translate(-umriss.center().x(), -umriss.center().y());
    return abbildung.map(pfad);
}

// Union of overlapping parts as one outline (winding, so overlaps stay filled).
QPainterPath Vereinigt(QPainterPath teile) {
    teile.setFillRule(Qt::WindingFill);
    return teile.simplified();
}

QPainterPath Abgerundet(const QRectF& rechteck, double radius) {
    QPainterPath pfad;
    pfad.addRoundedRect(rechteck, radius, radius);
    return pfad;
}

// Side of the hand pointer's picture at factor `skala`.
int HandSeite(double skala) {
    return std::clamp(static_cast<int>(std::nearbyint(32 * skala)), 8, 256);
}

// A shaded round button face (question mark and cross icons).
void MaleScheibe(QPainter& maler, const QColor& mitte) {
    QRadialGradient verlauf(QPointF(13, 12), 18, QPointF(10, 8));
    verlauf.setColorAt(0.0, Mischen(mitte, Qt::white, 0.55));
    verlauf.setColorAt(0.5, mitte);
    verlauf.setColorAt(1.0, mitte.darker(160));
    maler.setPen(QPen(mitte.darker(250), 1));
    maler.setBrush(verlauf);
    maler.drawEllipse(QRectF(1.5, 1.5, 29, 29));
}

// Both pictures keep their content within the top 29 rows: the player
// indicators are 29 pixels high.
void MaleMannFrau(QPainter& maler) {
    QPainterPath mann;
    mann.addEllipse(QPointF(10, 5), 3.5, 3.5);
    mann.addPath(Abgerundet(QRectF(4, 9, 12, 11), 3));
    mann.addRect(QRectF(5, 18, 4, 11));
    mann.addRect(QRectF(11, 18, 4, 11));
    QPainterPath frau;
    frau.addEllipse(QPointF(22, 5.8), 3.9, 4.2);
    frau.addPath(Abgerundet(QRectF(19.5, 9.5, 5, 6.5), 2));
    frau.addPolygon(QPolygonF({{19.2, 14.5}, {24.8, 14.5}, {28.5, 23.5}, {15.5, 23.5}}));
    frau.addRect(QRectF(19, 22, 2, 7));
    frau.addRect(QRectF(23, 22, 2, 7));
    maler.setPen(Qt::NoPen);
    maler.setBrush(Qt::black);
    maler.drawPath(Vereinigt(mann));
    maler.drawPath(Vereinigt(frau));
}

void MaleComputer(QPainter& maler) {
    const QColor umriss(64, 64, 64);
    QLinearGradient gehaeuse(0, 2, 0, 22);
    gehaeuse.setColorAt(0, QColor(245, 245, 238));
    gehaeuse.setColorAt(1, QColor(200, 200, 190));
    maler.setPen(QPen(umriss, 1));
    maler.setBrush(gehaeuse);
    maler.drawPolygon(QPolygonF({{13.5, 21.5}, {18.5, 21.5}, {19.5, 25.5}, {12.5, 25.5}}));
    maler.drawRoundedRect(QRectF(8.5, 25.5, 15, 3), 1.5, 1.5);
    maler.drawRoundedRect(QRectF(2.5, 2.5, 27, 19), 2, 2);
    QLinearGradient schirm(6, 5, 26, 19);
    schirm.setColorAt(0, QColor(40, 120, 200));
    schirm.setColorAt(1, QColor(0, 40, 110));
    maler.setBrush(schirm);
    maler.drawRect(QRectF(5.5, 5.5, 21, 13));
    // A soft glare across the glass.
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(255, 255, 255, 70));
    maler.drawPolygon(QPolygonF({{6, 6}, {17, 6}, {9, 18}, {6, 18}}));
    maler.setBrush(QColor(0, 200, 0));
    maler.drawEllipse(QPointF(26, 20), 0.9, 0.9);
}

void MalePfeil(QPainter& maler) {
    const QPolygonF pfeil({{2.5, 11.5},
                           {16.5, 11.5},
                           {16.5, 4.5},
                           {29.5, 16},
                           {16.5, 27.5},
                           {16.5, 20.5},
                           {2.5, 20.5}});
    QLinearGradient verlauf(0, 5, 0, 27);
    verlauf.setColorAt(0, QColor(120, 170, 255));
    verlauf.setColorAt(0.5, QColor(20, 80, 230));
    verlauf.setColorAt(1, QColor(0, 30, 150));
    maler.setPen(QPen(QColor(0, 0, 90), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    maler.setBrush(verlauf);
    maler.drawPolygon(pfeil);
}

QPolygonF Achteck(QPointF mitte, double radius) {
    QPolygonF ecken;
    for (int k = 0; k < 8; ++k) {
        const double winkel = (22.5 + 45.0 * k) * M_PI / 180.0;
        ecken << mitte + QPointF(radius * std::cos(winkel), radius * std::sin(winkel));
    }
    return ecken;
}

void MaleStopp(QPainter& maler) {
    const QPointF mitte(16, 16);
    QRadialGradient verlauf(QPointF(12, 10), 22);
    verlauf.setColorAt(0, QColor(255, 90, 80));
    verlauf.setColorAt(0.6, QColor(210, 0, 0));
    verlauf.setColorAt(1, QColor(140, 0, 0));
    maler.setPen(QPen(QColor(90, 0, 0), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    maler.setBrush(verlauf);
    maler.drawPolygon(Achteck(mitte, 15.4));
    maler.setPen(QPen(Qt::white, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    maler.setBrush(Qt::NoBrush);
    maler.drawPolygon(Achteck(mitte, 13.3));
    maler.setPen(Qt::NoPen);
    maler.setBrush(Qt::white);
    maler.drawPath(TextPfad(QStringLiteral("STOP"), QRectF(5.5, 12, 21, 8)));
}

void MaleFragezeichen(QPainter& maler) {
    MaleScheibe(maler, QColor(0, 160, 40));
    maler.setPen(Qt::NoPen);
    maler.setBrush(Qt::white);
    maler.drawPath(TextPfad(QStringLiteral("?"), QRectF(8, 6, 16, 20)));
}

void MaleKreuz(QPainter& maler) {
    MaleScheibe(maler, QColor(220, 20, 20));
    maler.setPen(QPen(Qt::white, 4.2, Qt::SolidLine, Qt::RoundCap));
    maler.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
    maler.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
}

// Line width of the board icon: one pixel at its design size of 32 and
// below; drawn larger (the desktop's icon sizes) the lines grow only with
// the square root of the scale, so a big icon gets fine lines instead of
// the small one's heavy outlines.
double Strichbreite(const QPainter& maler) {
    const double massstab = maler.transform().m11();
    return massstab <= 1.0 ? 1.0 : 1.0 / std::sqrt(massstab);
}

// Borders between the fields of the track rows of the board icon.
void MaleFeldgrenzen(QPainter& maler) {
    maler.setPen(QPen(QColor(150, 150, 150), Strichbreite(maler)));
    for (double quer : {4.5, 7.5, 24.5, 27.5}) {
        maler.drawLine(QPointF(quer, 11), QPointF(quer, 14));
        maler.drawLine(QPointF(quer, 18), QPointF(quer, 21));
        maler.drawLine(QPointF(11, quer), QPointF(14, quer));
        maler.drawLine(QPointF(18, quer), QPointF(21, quer));
    }
}

// The cross-shaped board: white track, each colour's lane and home, the
// goals meeting in the centre. Colour 1 left, 2 bottom, 3 right, 4 top.
void MaleBrett(QPainter& maler) {
    QLinearGradient platte(0, 0, 32, 32);
    platte.setColorAt(0, QColor(255, 255, 214));
    platte.setColorAt(1, QColor(236, 226, 150));
    const double strich = Strichbreite(maler);
    maler.setPen(QPen(QColor(110, 90, 30), strich));
    maler.setBrush(platte);
    maler.drawRoundedRect(QRectF(strich / 2, strich / 2, 32 - strich, 32 - strich), 4, 4);

    // Arms eleven pixels wide: two track rows of three and a lane of four.
    QPainterPath kreuz;
    kreuz.addRect(QRectF(10.5, 1.5, 11, 29));
    kreuz.addRect(QRectF(1.5, 10.5, 29, 11));
    maler.setPen(QPen(Qt::black, strich));
    maler.setBrush(Qt::white);
    maler.drawPath(Vereinigt(kreuz));

    // At small sizes the field borders are only noise.
    if (maler.transform().m11() >= 0.75) MaleFeldgrenzen(maler);

    maler.setPen(Qt::NoPen);
    const QPointF mitte(16, 16);
    const QRectF bahnen[4] = {{2, 14, 9, 4}, {14, 21, 4, 9}, {21, 14, 9, 4}, {14, 2, 4, 9}};
    // Corners of the centre square, so that the triangle between corners
    // farbe-1 and farbe faces the arm of that colour.
    const QPointF ecken[5] = {{11, 11}, {11, 21}, {21, 21}, {21, 11}, {11, 11}};
    const QPointF heime[4] = {{6, 26}, {26, 26}, {26, 6}, {6, 6}};
    for (int farbe = 1; farbe <= 4; ++farbe) {
        const QColor ton = Figurfarbe(farbe);
        maler.setPen(Qt::NoPen);
        maler.setBrush(ton);
        maler.drawRect(bahnen[farbe - 1]);
        maler.drawPolygon(QPolygonF({ecken[farbe - 1], ecken[farbe], mitte}));
        maler.setPen(QPen(ton.darker(200), strich));
        maler.drawEllipse(heime[farbe - 1], 3.5, 3.5);
    }
}

} // namespace

QString FigurSchluessel(int farbe, double faktor) {
    return QStringLiteral("pelu-figur-%1-%2").arg(farbe).arg(faktor, 0, 'g', 17);
}

QString SymbolSchluessel(Symbol symbol, int groesse, double faktor) {
    return QStringLiteral("pelu-symbol-%1-%2-%3")
        .arg(static_cast<int>(symbol))
        .arg(groesse)
        .arg(faktor, 0, 'g', 17);
}

QPixmap FigurBild(int farbe, double faktor) {
    const QString schluessel = FigurSchluessel(farbe, faktor);
    QPixmap bild;
    if (QPixmapCache::find(schluessel, &bild)) return bild;
    const QColor mitte = Figurfarbe(farbe);
    bild = LeeresBild(15, 15, faktor);
    QPainter maler(&bild);
    InFensterpixeln(maler, bild);
    maler.setRenderHint(QPainter::Antialiasing);
    // The centre sits low right, so the upper-left rim is the palest.
    QRadialGradient verlauf(QPointF(9, 9), 10.0);
    verlauf.setColorAt(0.0, mitte);
    verlauf.setColorAt(0.3, mitte);
    verlauf.setColorAt(1.0, Mischen(mitte, Qt::white, 0.85));
    maler.setPen(QPen(Qt::black, 1));
    maler.setBrush(verlauf);
    maler.drawEllipse(QRectF(0.5, 0.5, 14, 14));
    maler.end();
    QPixmapCache::insert(schluessel, bild);
    return bild;
}

QPixmap HandZeigerBild(double skala) {
    QPainterPath hand;
    hand.addPath(Abgerundet(QRectF(9.5, 1.5, 6, 18), 3));    // index finger
    hand.addPath(Abgerundet(QRectF(15.5, 10.5, 5, 9), 2.5)); // folded fingers
    hand.addPath(Abgerundet(QRectF(20.5, 11.5, 4.5, 9), 2.25));
    hand.addPath(Abgerundet(QRectF(25, 13.5, 4, 8), 2));
    hand.addPath(Abgerundet(QRectF(9.5, 15.5, 19.5, 9.5), 3)); // palm
    hand.addRect(QRectF(11.5, 20, 16, 6.5));                   // wrist
    QTransform daumenlage;
    daumenlage.translate(8, 19);
    daumenlage.rotate(45);
    hand.addPath(daumenlage.map(Abgerundet(QRectF(-6, -2.25, 9, 4.5), 2.25)));

    const int seite = HandSeite(skala);
    QPixmap bild = LeeresBild(seite, seite);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    if (seite != 32) maler.scale(seite / 32.0, seite / 32.0);
    maler.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    maler.setBrush(Qt::white);
    maler.drawPath(Vereinigt(hand));
    maler.drawLine(QPointF(15.5, 13), QPointF(15.5, 18));
    maler.drawLine(QPointF(20.5, 14), QPointF(20.5, 19));
    maler.drawLine(QPointF(25, 16), QPointF(25, 20));
    QLinearGradient manschette(0, 25.5, 0, 31);
    manschette.setColorAt(0, QColor(80, 130, 255));
    manschette.setColorAt(1, QColor(0, 30, 170));
    maler.setBrush(manschette);
    maler.drawRect(QRectF(10.5, 25.5, 18, 5));
    return bild;
}

QCursor HandZeiger(double skala) {
    const double s = HandSeite(skala) / 32.0;
    return QCursor(HandZeigerBild(skala), static_cast<int>(std::nearbyint(12 * s)),
                   static_cast<int>(std::nearbyint(1 * s)));
}

QPixmap SymbolBild(Symbol symbol, int groesse, double faktor) {
    groesse = std::clamp(groesse, 1, 1024);
    // The indicators show the pictures of two buttons again.
    const QString schluessel = SymbolSchluessel(symbol, groesse, faktor);
    QPixmap bild;
    if (QPixmapCache::find(schluessel, &bild)) return bild;
    bild = LeeresBild(groesse, groesse, faktor);
    QPainter maler(&bild);
    InFensterpixeln(maler, bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.scale(groesse / 32.0, groesse / 32.0);
    switch (symbol) {
    case Symbol::MannFrau: MaleMannFrau(maler); break;
    case Symbol::Computer: MaleComputer(maler); break;
    case Symbol::Pfeil: MalePfeil(maler); break;
    case Symbol::Stopp: MaleStopp(maler); break;
    case Symbol::Fragezeichen: MaleFragezeichen(maler); break;
    case Symbol::Kreuz: MaleKreuz(maler); break;
    case Symbol::Brett: MaleBrett(maler); break;
    }
    maler.end();
    QPixmapCache::insert(schluessel, bild);
    return bild;
}

QIcon SymbolIcon(Symbol symbol, double faktor, int groesse) {
    QIcon icon;
    icon.addPixmap(SymbolBild(symbol, 32));
    icon.addPixmap(SymbolBild(symbol, 16));
    // The icon picks the pictures of the ratio it is shown at.
    if (faktor != 1.0) {
        icon.addPixmap(SymbolBild(symbol, 32, faktor));
        icon.addPixmap(SymbolBild(symbol, 16, faktor));
    }
    if (groesse != 32 && groesse != 16) icon.addPixmap(SymbolBild(symbol, groesse, faktor));
    return icon;
}

} // namespace pelu
