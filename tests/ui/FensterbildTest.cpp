// The window as it looks, pixel for pixel: right after loading and in the
// middle of a game, on a plain screen and (run again by ctest) on one scaled
// by 2. The references were grabbed from the finished program; a change to
// what the window shows must be deliberate. Set PELU_BILDER_SCHREIBEN=1 to
// write new references after such a change.

#include <QImage>

#include "Testfenster.h"

namespace pelu::test {
namespace {

// Named after the screen's device pixel ratio when that is not 1.
QString Referenz(const char* name, double faktor) {
    const QString zusatz = faktor == 1 ? QString() : QStringLiteral("-%1").arg(faktor);
    return QStringLiteral(PELU_QUELLORDNER "/tests/ui/bilder/%1%2.png")
        .arg(QLatin1String(name), zusatz);
}

void PruefeBild(QWidget& fenster, const char* name) {
    const QString datei = Referenz(name, fenster.devicePixelRatioF());
    const QImage bild = fenster.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIsSet("PELU_BILDER_SCHREIBEN")) {
        ASSERT_TRUE(bild.save(datei));
        return;
    }
    const QImage referenz = QImage(datei).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(bild.size(), referenz.size()) << name;
    int abweichend = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            abweichend += bild.pixel(x, y) != referenz.pixel(x, y);
    EXPECT_EQ(abweichend, 0) << name;
}

// Seed 1, the default players (colour 1 human, taking each proposal): the
// window after loading, then after 900 program ticks, a figure in motion.
TEST(Fensterbild, NachDemLadenUndMittenImSpiel) {
    Testfenster t(1);
    ASSERT_TRUE(t.geladen) << t.fehler.toStdString();
    PruefeBild(t.f(), "geladen");
    Klicken(*t.e().cmdStart);
    int programmtakte = 0;
    while (programmtakte < 900) {
        const VirtuelleUhr::Takt takt = t.Takt();
        ASSERT_NE(takt, VirtuelleUhr::Takt::Keiner);
        programmtakte += takt == VirtuelleUhr::Takt::Programm;
        if (t.z().Spielphase == Phase::WartenFigurwahl && t.z().Gewaehlt == 0)
            Klicken(*t.e().imgFigur[t.z().Hilfsfigur - 1]);
    }
    PruefeBild(t.f(), "spiel");
}

// Taken to other sizes and back, the window at its designed size is the one
// it was after loading, pixel for pixel.
TEST(Fensterbild, NachGroessenwechselWieGeladen) {
    Testfenster t(1);
    ASSERT_TRUE(t.geladen) << t.fehler.toStdString();
    for (const QSize groesse : {QSize(1402, 1134), QSize(351, 284), QSize(900, 567)})
        t.f().resize(groesse);
    t.f().resize(701, 567);
    PruefeBild(t.f(), "geladen");
}

} // namespace
} // namespace pelu::test
