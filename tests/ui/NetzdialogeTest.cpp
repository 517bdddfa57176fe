#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QTimer>

#include "Netzdialoge.h"
#include "Netztisch.h"

namespace pelu::test {
namespace {

// Answers the next modal dialog of type T with `antwort` once it opens.
template <class T> void Beantworten(std::function<void(T&)> antwort) {
    auto* wache = new QTimer;
    QObject::connect(wache, &QTimer::timeout, [wache, antwort] {
        if (auto* d = qobject_cast<T*>(QApplication::activeModalWidget())) {
            wache->stop();
            wache->deleteLater();
            antwort(*d);
        }
    });
    wache->start(5);
}

Hauptfenster* NeuesFenster(const Hauptfenster& ausser) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<Hauptfenster*>(w); f && f != &ausser && f->Beitritt()) return f;
    return nullptr;
}

TEST(Netzdialoge, KontextmenueUndTastenBietenAnUndTretenBei) {
    Testfenster wirt(1), gast(2);
    ASSERT_TRUE(wirt.geladen && gast.geladen);
    EXPECT_EQ(wirt.f().AnbietenAktion()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    EXPECT_EQ(wirt.f().BeitretenAktion()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_B));
    EXPECT_TRUE(wirt.f().actions().contains(wirt.f().AnbietenAktion()));

    // Offer on a free port; the box that follows names port and code.
    QString bescheid;
    Beantworten<Anbietedialog>([&](Anbietedialog& d) {
        d.portfeld->setValue(0);
        Beantworten<QMessageBox>([&](QMessageBox& box) {
            bescheid = box.text();
            box.accept();
        });
        d.accept();
    });
    Taste(wirt.f(), Qt::CTRL | Qt::Key_A);
    ASSERT_NE(wirt.f().Angebot(), nullptr);
    const QString port = QString::number(wirt.f().Angebot()->Port());
    const QString code = wirt.f().Angebot()->Code();
    EXPECT_TRUE(bescheid.contains(port) && bescheid.contains(code)) << bescheid.toStdString();
    EXPECT_TRUE(wirt.f().windowTitle().contains(port) && wirt.f().windowTitle().contains(code));

    // A wrong code: a message, and the window stays as it was.
    auto ausfuellen = [&](const QString& versuch) {
        return [&, versuch](Beitrittsdialog& d) {
            d.rechnerfeld->setText(QStringLiteral("127.0.0.1"));
            d.portfeld->setValue(port.toInt());
            d.codefeld->setText(versuch);
            d.spielerfeld->setValue(1);
            d.accept();
        };
    };
    QString meldung;
    Beantworten<Beitrittsdialog>(ausfuellen(
        QStringLiteral("%1").arg((code.toInt() + 1) % 1000000, 6, 10, QLatin1Char('0'))));
    gast.f().BeitretenAktion()->trigger();
    Beantworten<QMessageBox>([&](QMessageBox& box) {
        meldung = box.text();
        box.accept();
    });
    EXPECT_TRUE(Warten([&] { return !meldung.isEmpty(); }));
    EXPECT_EQ(meldung, QStringLiteral("Der Code ist falsch."));
    EXPECT_TRUE(gast.f().isVisible());

    // The right code: a new window joins, this one goes.
    Beantworten<Beitrittsdialog>(ausfuellen(code));
    gast.f().BeitretenAktion()->trigger();
    Hauptfenster* neu = nullptr;
    EXPECT_TRUE(Warten([&] {
        neu = NeuesFenster(gast.f());
        return neu && neu->Beitritt()->Verbunden();
    }));
    EXPECT_FALSE(gast.f().isVisible());
    EXPECT_EQ(wirt.f().Angebot()->Gastzahl(), 1);
    EXPECT_EQ(gast.f().Partie(), nullptr);
    if (neu) {
        EXPECT_TRUE(neu->windowTitle().contains(QStringLiteral("Spieler 1")));
        delete neu;
    }
}

} // namespace
} // namespace pelu::test
