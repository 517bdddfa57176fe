// The design of the main window: names, texts, faces, fonts, borders and
// the tab order.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>

#include "Druckfeld.h"
#include "Knopfgesicht.h"
#include "Spielerwahl.h"
#include "Testfenster.h"

namespace pelu::test {
namespace {

class Entwurf : public ::testing::Test {
  protected:
    Testfenster t;
    void SetUp() override { ASSERT_TRUE(t.geladen) << t.fehler.toStdString(); }
};

TEST_F(Entwurf, FensterTitelUndSymbol) {
    EXPECT_EQ(t.f().objectName(), QStringLiteral("frmPelu"));
    EXPECT_EQ(t.f().windowTitle(), QStringLiteral("Pelu mit Tarro  V1.2"));
    EXPECT_FALSE(t.f().windowIcon().isNull());
}

TEST_F(Entwurf, JedesSteuerelementTraegtSeinenNamen) {
    QStringList namen{"picSpielfeld", "frmBedienung", "cmdFigurenwahl", "cmdStart",
                      "cmdStop",      "chkTurbo",     "fraZuganzeige",  "lblZuganzeigetext",
                      "lblInfotext",  "lblInfo",      "cmdHilfe",       "cmdRegeln",
                      "cmdBeenden"};
    for (int i = 0; i < 4; ++i)
        namen << QStringLiteral("picWuerfel%1").arg(i) << QStringLiteral("lblRang%1").arg(i)
              << QStringLiteral("lblZuganzeige%1").arg(i);
    for (int k = 0; k < 16; ++k)
        namen << QStringLiteral("imgFigur%1").arg(k);
    for (const QString& name : namen)
        EXPECT_EQ(t.f().findChildren<QWidget*>(name).size(), 1) << name.toStdString();
}

TEST_F(Entwurf, TexteUndTooltips) {
    Bedienelemente& e = t.e();
    EXPECT_EQ(e.cmdFigurenwahl->toolTip(), QStringLiteral("Figuren zuteilen"));
    EXPECT_EQ(e.cmdStart->toolTip(), QStringLiteral("Spiel starten"));
    EXPECT_EQ(e.cmdStop->toolTip(), QStringLiteral("Spiel stoppen/abbrechen"));
    EXPECT_EQ(e.cmdHilfe->toolTip(), QStringLiteral("Figur-Vorschlag"));
    EXPECT_EQ(e.cmdRegeln->toolTip(), QStringLiteral("Zeigt die Regeln"));
    EXPECT_EQ(e.cmdBeenden->toolTip(), QStringLiteral("Beenden"));
    EXPECT_EQ(e.chkTurbo->toolTip(), QStringLiteral("Spiel im Schnellgang"));
    EXPECT_EQ(e.chkTurbo->text(), QStringLiteral("Turbo"));
    EXPECT_FALSE(e.chkTurbo->isChecked());
    EXPECT_EQ(e.cmdRegeln->text(), QStringLiteral("Regeln"));
    EXPECT_EQ(e.lblZuganzeigetext->text(), QStringLiteral("Rang Zug"));
    EXPECT_EQ(e.lblInfotext->text(), QStringLiteral("Allg. Info"));
    EXPECT_TRUE(e.frmBedienung->title().isEmpty());
    EXPECT_TRUE(e.fraZuganzeige->title().isEmpty());
    // The game buttons carry a picture and no caption.
    for (QPushButton* k : {e.cmdFigurenwahl, e.cmdStart, e.cmdStop, e.cmdHilfe, e.cmdBeenden}) {
        EXPECT_TRUE(k->text().isEmpty());
        EXPECT_FALSE(k->icon().isNull());
    }
    EXPECT_TRUE(e.cmdRegeln->icon().isNull());
}

TEST_F(Entwurf, FesteGesichterUndFarben) {
    Bedienelemente& e = t.e();
    EXPECT_EQ(Knopfgesicht(*e.cmdRegeln), QColor(192, 192, 192));
    EXPECT_EQ(Knopfgesicht(*e.cmdBeenden), QColor(255, 128, 128));
    EXPECT_EQ(e.lblInfo->palette().color(QPalette::Window), QColor(255, 255, 192));
    EXPECT_EQ(e.lblInfo->frameShape(), QFrame::Box);
    EXPECT_EQ(e.lblInfo->lineWidth(), 1);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(e.lblRang[i]->palette().color(QPalette::Window), QColor(192, 192, 192));
        EXPECT_EQ(e.lblZuganzeige[i]->frameShape(), QFrame::Box);
        EXPECT_TRUE(e.lblZuganzeige[i]->alignment() & Qt::AlignHCenter);
    }
    // The board's sunken border: shadow on the top left, light at the bottom right.
    const QImage bild = Bildschirmbild(*e.picSpielfeld);
    EXPECT_EQ(QColor(bild.pixel(0, 100)), QColor(128, 128, 128));
    EXPECT_EQ(QColor(bild.pixel(300, 1)), QColor(64, 64, 64));
    EXPECT_EQ(QColor(bild.pixel(600, 100)), QColor(255, 255, 255));
}

TEST_F(Entwurf, SchriftenAusLiberation) {
    EXPECT_EQ(QFontInfo(t.e().lblInfo->font()).family(), QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(t.e().lblInfo->font().bold());
    EXPECT_TRUE(t.e().lblRang[0]->font().bold());
    EXPECT_FALSE(t.e().lblInfotext->font().bold());
    EXPECT_EQ(QFontInfo(t.e().chkTurbo->font()).family(), QStringLiteral("Liberation Sans"));
}

// Every text fits its control, with the widest texts the game writes.
TEST_F(Entwurf, JederTextPasst) {
    Bedienelemente& e = t.e();
    auto passt = [](QLabel& label, const QString& text) {
        const int breite = label.fontMetrics().horizontalAdvance(text);
        EXPECT_LE(breite, label.contentsRect().width())
            << label.objectName().toStdString() << " " << text.toStdString();
        EXPECT_LE(label.fontMetrics().height(), label.contentsRect().height() + 1);
    };
    passt(*e.lblZuganzeigetext, e.lblZuganzeigetext->text());
    passt(*e.lblInfotext, e.lblInfotext->text());
    for (const char* info : {"Wählen", " 3 mal 12", "Start", "Ende"})
        passt(*e.lblInfo, QString::fromUtf8(info));
    passt(*e.lblRang[0], QStringLiteral("4."));
    passt(*e.lblZuganzeige[0], QStringLiteral("999"));
    QStyleOptionButton kasten;
    kasten.initFrom(e.chkTurbo);
    kasten.text = e.chkTurbo->text();
    const QRect text =
        e.chkTurbo->style()->subElementRect(QStyle::SE_CheckBoxContents, &kasten, e.chkTurbo);
    EXPECT_LE(text.left() + e.chkTurbo->fontMetrics().horizontalAdvance(kasten.text),
              e.chkTurbo->width());
    EXPECT_LE(e.cmdRegeln->fontMetrics().horizontalAdvance(e.cmdRegeln->text()) + 4,
              e.cmdRegeln->width());
}

TEST_F(Entwurf, Tabulatorreihenfolge) {
    // Of the controls that take the focus (the scroll bars take none), in
    // the design's order.
    const QStringList erwartet{"cmdFigurenwahl", "cmdStart", "cmdStop",   "cmdHilfe",
                               "cmdRegeln",      "chkTurbo", "cmdBeenden"};
    QStringList reihe;
    QWidget* w = t.e().cmdFigurenwahl;
    for (int n = 0; n < 200 && reihe.size() < erwartet.size(); ++n, w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus && w->window() == &t.f())
            if (!reihe.contains(w->objectName())) reihe << w->objectName();
    EXPECT_EQ(reihe, erwartet);
}

} // namespace
} // namespace pelu::test
