// The rules text, line by line, fitting its box without scrolling.

#include <QFontInfo>

#include "RegelnFenster.h"
#include "Testfenster.h"

namespace pelu::test {
namespace {

TEST(RegelnFenster, SiebzehnZeilenDieOhneRollenPassen) {
    QtAnwendung();
    RegelnFenster fenster;
    const QStringList zeilen = fenster.GedruckteZeilen();
    ASSERT_EQ(zeilen.size(), 17);
    // Length of lines 1..17; 0 is a blank line, the others start with a space.
    const int laengen[17] = {0, 34, 42, 0, 26, 0, 66, 65, 51, 64, 58, 0, 66, 38, 0, 63, 60};
    const Druckfeld& feld = *fenster.picRegeln();
    const QFontMetrics mass(feld.font());
    EXPECT_TRUE(QFontInfo(feld.font()).fixedPitch());
    for (int i = 0; i < 17; ++i) {
        SCOPED_TRACE(zeilen[i].toStdString());
        EXPECT_EQ(zeilen[i].size(), laengen[i]);
        EXPECT_EQ(zeilen[i].startsWith(u' '), laengen[i] > 0);
        // One below the other from the top, each within the box.
        EXPECT_EQ(feld.Gedrucktes()[i].ort, QPointF(0, i * feld.Zeilenhoehe()));
        EXPECT_LE(mass.horizontalAdvance(zeilen[i]), feld.contentsRect().width());
    }
    EXPECT_LE(16 * feld.Zeilenhoehe() + mass.height(), feld.contentsRect().height());
    EXPECT_TRUE(zeilen[1].startsWith(QStringLiteral(" Pelu mit Tarro Vb.1.2   (")));
    // Umlauts are real characters.
    EXPECT_TRUE(zeilen[9].contains(QString::fromUtf8("können")));
    EXPECT_TRUE(zeilen[13].contains(QString::fromUtf8("für alle Farben")));
}

} // namespace
} // namespace pelu::test
