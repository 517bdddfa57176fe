#include "Testfenster.h"

#include <QMouseEvent>
#include <QTest>

#include "Uebersetzung.h"

namespace pelu::test {
namespace {

// The one QApplication, offscreen unless a platform is chosen, in the
// language the environment asks for, as the program starts. It ends after
// the last test: left to the exit handlers it would outlive Qt's statics
// (synthetic mouse events' devices) and crash.
struct QtUmgebung : testing::Environment {
    int argc = 1;
    char name[8] = "test_ui";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> anwendung;
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        anwendung = std::make_unique<QApplication>(argc, argv);
        UebersetzungLaden(*anwendung);
    }
    void TearDown() override { anwendung.reset(); }
};
testing::Environment* const umgebung = testing::AddGlobalTestEnvironment(new QtUmgebung);

} // namespace

Testfenster::Testfenster(uint64_t saat, const std::optional<std::string>& datei) {
    auto zeitgeber = std::make_unique<VirtuelleUhr>();
    uhr = zeitgeber.get();
    fenster = std::make_unique<Hauptfenster>(Fensteroptionen{
        datei.value_or(""), std::make_unique<Zufallsgenerator>(saat), std::move(zeitgeber)});
    if (!datei)
        fenster->Vorbereiten();
    else
        geladen = fenster->Laden(&fehler);
}

VirtuelleUhr::Takt Testfenster::Takt() {
    const VirtuelleUhr::Takt takt = uhr->Weiter();
    if (takt == VirtuelleUhr::Takt::Programm) fenster->ProgrammTakt();
    if (takt == VirtuelleUhr::Takt::Fahren) fenster->FahrTakt();
    return takt;
}

bool Testfenster::BisRuhe(int64_t grenze, const std::function<void()>& nachTakt) {
    for (int64_t i = 0; i < grenze; ++i) {
        if (Takt() == VirtuelleUhr::Takt::Keiner) return true;
        if (nachTakt) nachTakt();
    }
    return false;
}

void PruefeZuteilung(Spielerwahl& wahl, int i, int wert) {
    const char* const farben[] = {"Blau", "Grün", "Lila", "Rot"};
    const char* const worte[] = {"niemand",    "Spieler 1",  "Spieler 2",  "Spieler 3", "Spieler 4",
                                 "Computer 1", "Computer 2", "Computer 3", "Computer 4"};
    const char* const nummer[] = {"", " 1", " 2", " 3", " 4", " 1", " 2", " 3", " 4"};
    SCOPED_TRACE(testing::Message() << "colour index " << i << ", value " << wert);
    ASSERT_TRUE(wert >= 0 && wert <= 8);
    EXPECT_EQ(wahl.Wert(i), wert);
    EXPECT_EQ(wahl.picSpieler(i)->isVisible(), wert >= 1 && wert <= 4);
    EXPECT_EQ(wahl.picComputer(i)->isVisible(), wert >= 5);
    if (wert > 0) {
        const Druckfeld& gezeigt = wert <= 4 ? *wahl.picSpieler(i) : *wahl.picComputer(i);
        EXPECT_EQ(gezeigt.GedruckteTexte(), QStringList{QString::fromUtf8(nummer[wert])});
    }
    const QString wahltext = QString::fromUtf8(farben[i]) + ": " + QString::fromUtf8(worte[wert]);
    EXPECT_EQ(wahl.vsbSpieler(i)->accessibleName(), "Zuteilung " + wahltext);
    EXPECT_EQ(wahl.picSpieler(i)->accessibleName(), wahltext);
    EXPECT_EQ(wahl.picComputer(i)->accessibleName(), wahltext);
}

void Maus(QWidget& widget, QEvent::Type art, std::optional<QPoint> punkt, Qt::MouseButton knopf) {
    const QPoint ort = punkt.value_or(widget.rect().center());
    if (art == QEvent::MouseMove) knopf = Qt::NoButton;
    QMouseEvent ereignis(art, QPointF(ort), QPointF(widget.mapToGlobal(ort)), knopf,
                         art == QEvent::MouseButtonPress ? knopf : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &ereignis);
}

void Klicken(QWidget& widget, std::optional<QPoint> ort, Qt::MouseButton knopf) {
    Maus(widget, QEvent::MouseButtonPress, ort, knopf);
    Maus(widget, QEvent::MouseButtonRelease, ort, knopf);
}

void Taste(QWidget& fenster, QKeyCombination taste) {
    if (!fenster.isActiveWindow()) {
        fenster.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&fenster));
    }
    QWidget* ziel = fenster.focusWidget() ? fenster.focusWidget() : &fenster;
    QTest::keyClick(ziel, taste.key(), taste.keyboardModifiers());
}

} // namespace pelu::test
