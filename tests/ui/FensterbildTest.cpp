// The window as it looks, pixel for pixel: right after loading and in the
// middle of a game. The references were grabbed from the finished program;
// a change to what the window shows must be deliberate. Set
// PELU_BILDER_SCHREIBEN=1 to write new references after such a change.

#include <QImage>

#include "Testfenster.h"

namespace pelu::test {
namespace {

QString Referenz(const char* name) {
    return QStringLiteral(PELU_QUELLORDNER "/tests/ui/bilder/%1.png").arg(QLatin1String(name));
}

void PruefeBild(QWidget& fenster, const char* name) {
    const QImage bild = fenster.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIsSet("PELU_BILDER_SCHREIBEN")) {
        ASSERT_TRUE(bild.save(Referenz(name)));
        return;
    }
    const QImage referenz = QImage(Referenz(name)).convertToFormat(QImage::Format_RGB32);
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

} // namespace
} // namespace pelu::test
