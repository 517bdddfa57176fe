#include "Zugangsbaum.h"

#include <QAccessibleWidget>
#include <QWidget>

#include "Druckfeld.h"

namespace pelu {

namespace {

// A player picture that is hidden is no part of the tree.
bool Ausgeblendet(const QObject* kind) {
    const auto* bild = qobject_cast<const Druckfeld*>(kind);
    return bild && bild->isHidden();
}

// A picture box (the board's inner area): its children as Qt lists them (widgets that are no
// windows), less the hidden player pictures.
class BrettZugang : public QAccessibleWidget {
  public:
    explicit BrettZugang(QWidget* flaeche) : QAccessibleWidget(flaeche) {}

    int childCount() const override { return static_cast<int>(Kinder().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> kinder = Kinder();
        return index >= 0 && index < kinder.size()
                   ? QAccessible::queryAccessibleInterface(kinder[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* kind) const override {
        return kind ? static_cast<int>(Kinder().indexOf(qobject_cast<QWidget*>(kind->object())))
                    : -1;
    }

  private:
    QList<QWidget*> Kinder() const {
        QList<QWidget*> kinder;
        for (QObject* objekt : widget()->children()) {
            auto* kind = qobject_cast<QWidget*>(objekt);
            if (kind && !kind->isWindow() && !Ausgeblendet(kind)) kinder << kind;
        }
        return kinder;
    }
};

QAccessibleInterface* Fabrik(const QString& klasse, QObject* objekt) {
    auto* widget = qobject_cast<QWidget*>(objekt);
    if (!widget) return nullptr;
    if (klasse == QLatin1String("pelu::Hauptfenster") ||
        klasse == QLatin1String("pelu::RegelnFenster"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    // The board's inner area holds the player pictures (a die's box holds
    // nothing, so the same does for it).
    if (klasse == QLatin1String("pelu::Bildfeld")) return new BrettZugang(widget);
    return nullptr;
}

} // namespace

void ZugangsbaumEinrichten() {
    static const bool eingerichtet = (QAccessible::installFactory(&Fabrik), true);
    (void)eingerichtet;
}

void SpielerbildGewechselt(QWidget& bild, bool& gezeigt) {
    const bool jetzt = !bild.isHidden();
    if (jetzt == gezeigt) return;
    gezeigt = jetzt;
    // Into the tree, or out of it, as far as the tools can tell.
    QAccessibleEvent ereignis(&bild,
                              jetzt ? QAccessible::ObjectCreated : QAccessible::ObjectDestroyed);
    QAccessible::updateAccessibility(&ereignis);
}

} // namespace pelu
