#include "Skalierung.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFrame>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "Knopfgesicht.h"

namespace pelu {

// The application's style with the sizes the style itself fixes (the check
// box's square, a scroll bar's arrow buttons) grown or shrunk by the factor.
class Skalenstil : public QProxyStyle {
  public:
    explicit Skalenstil(QStyle* grund) : QProxyStyle(grund) {}
    void SkalaSetzen(double skala) { skala_ = skala; }

    int pixelMetric(PixelMetric mass, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int wert = QProxyStyle::pixelMetric(mass, option, widget);
        switch (mass) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_CheckBoxLabelSpacing:
        case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin: return std::max(1, Skaliert(wert, skala_));
        default: return wert;
        }
    }

  private:
    double skala_ = 1.0;
};

namespace {

QFont SkalierteSchrift(QFont schrift, double skala) {
    if (schrift.pointSizeF() > 0)
        schrift.setPointSizeF(schrift.pointSizeF() * skala);
    else if (schrift.pixelSize() > 0)
        schrift.setPixelSize(std::max(1, Skaliert(schrift.pixelSize(), skala)));
    return schrift;
}

bool NimmtStil(const QWidget* w) {
    return qobject_cast<const QCheckBox*>(w) || qobject_cast<const QScrollBar*>(w);
}

} // namespace

Skalenlage SkalenlageFuer(QSize entwurf, QSize client) {
    if (entwurf.isEmpty()) return {};
    const double skala =
        std::max(KleinsteSkala, std::min(double(client.width()) / entwurf.width(),
                                         double(client.height()) / entwurf.height()));
    const auto rand = [skala](int platz, int laenge) {
        return std::max(0.0, (platz - laenge * skala) / 2);
    };
    return {skala, QPointF(rand(client.width(), entwurf.width()),
                           rand(client.height(), entwurf.height()))};
}

int Skaliert(double laenge, double skala) {
    return static_cast<int>(std::nearbyint(laenge * skala));
}

QRect Skaliert(const QRect& entwurf, const Skalenlage& lage) {
    const auto x = [&lage](int x) {
        return static_cast<int>(std::nearbyint(x * lage.skala + lage.rand.x()));
    };
    const auto y = [&lage](int y) {
        return static_cast<int>(std::nearbyint(y * lage.skala + lage.rand.y()));
    };
    const int links = x(entwurf.x()), oben = y(entwurf.y());
    return {links, oben, x(entwurf.x() + entwurf.width()) - links,
            y(entwurf.y() + entwurf.height()) - oben};
}

Skalierung::Skalierung(QWidget& fenster) : fenster_(fenster) {}

Skalierung::~Skalierung() = default;

void Skalierung::Erfassen() {
    entwurf_ = fenster_.size();
    schrift_ = fenster_.font();
    lage_ = {};
    eintraege_.clear();
    for (QWidget* w : fenster_.findChildren<QWidget*>()) {
        if (w->window() != &fenster_) continue; // a window of its own
        Eintrag eintrag{w, {}, {}, {}, 0};
        const auto* skalierbar = dynamic_cast<const Skalierbar*>(w);
        if (!skalierbar || !skalierbar->EigeneLage())
            eintrag.ort = QRect(w->mapTo(&fenster_, QPoint(0, 0)), w->size());
        // Controls that draw their own content keep their font: it is
        // drawn at the factor. A control with a style sheet takes no font
        // from its window once polished, so it gets its own.
        if (!skalierbar && (w->testAttribute(Qt::WA_SetFont) || !w->styleSheet().isEmpty()))
            eintrag.schrift = w->font();
        if (const auto* knopf = qobject_cast<const QAbstractButton*>(w))
            eintrag.symbol = knopf->iconSize();
        if (const auto* rahmen = qobject_cast<const QFrame*>(w);
            rahmen && !skalierbar && rahmen->frameShape() == QFrame::Box)
            eintrag.linie = rahmen->lineWidth();
        eintraege_.push_back(std::move(eintrag));
    }
}

void Skalierung::Anwenden() {
    if (!Erfasst()) return;
    const Skalenlage lage = SkalenlageFuer(entwurf_, fenster_.size());
    if (lage == lage_) return;
    const bool neueSkala = lage.skala != lage_.skala;
    lage_ = lage;
    const double s = lage.skala;

    if (neueSkala) {
        fenster_.setFont(SkalierteSchrift(schrift_, s));
        if (!stil_ && s != 1) {
            stil_ = new Skalenstil(QStyleFactory::create(fenster_.style()->name()));
            stil_->setParent(&fenster_);
            for (const Eintrag& e : eintraege_)
                if (e.w && NimmtStil(e.w)) e.w->setStyle(stil_);
        }
        if (stil_) stil_->SkalaSetzen(s);
    }
    // In the order the controls were made: the figures before the ring that
    // follows one of them.
    if (neueSkala)
        for (const Eintrag& e : eintraege_)
            if (auto* skalierbar = dynamic_cast<Skalierbar*>(e.w.data()))
                skalierbar->SkalaSetzen(s);
    for (const Eintrag& e : eintraege_) {
        if (!e.w) continue;
        // Containers come before what they hold, so each one is in its new
        // place when its controls are placed in it.
        if (e.ort) {
            const QWidget* eltern = e.w->parentWidget();
            const QPoint ursprung =
                eltern == &fenster_ ? QPoint(0, 0) : eltern->mapTo(&fenster_, QPoint(0, 0));
            e.w->setGeometry(Skaliert(*e.ort, lage).translated(-ursprung));
        }
        if (!neueSkala) continue;
        if (e.schrift) e.w->setFont(SkalierteSchrift(*e.schrift, s));
        if (e.symbol.isValid())
            static_cast<QAbstractButton*>(e.w.data())
                ->setIconSize(QSize(Skaliert(e.symbol.width(), s), Skaliert(e.symbol.height(), s)));
        if (e.linie > 0)
            static_cast<QFrame*>(e.w.data())->setLineWidth(std::max(1, Skaliert(e.linie, s)));
        if (auto* knopf = qobject_cast<QPushButton*>(e.w)) KnopfskalaSetzen(*knopf, s);
        if (stil_ && NimmtStil(e.w)) e.w->update();
    }
}

} // namespace pelu
