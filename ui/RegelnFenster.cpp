#include "RegelnFenster.h"

#include <QPushButton>
#include <QShortcut>

#include "Bilder.h"
#include "Druckfeld.h"
#include "Fenstergroesse.h"
#include "Schriften.h"
#include "Twips.h"
#include "Uebersetzung.h"
#include "Zugaenglichkeit.h"
#include "Zugangsbaum.h"

namespace pelu {
namespace {

// Lines 2 to 17; line 1 is the blank line printed first. Blank lines stay
// blank in every language.
constexpr const char* Regelzeilen[] = {
    QT_TRANSLATE_NOOP("RegelnFenster", " Pelu mit Tarro Vb.1.2   (6.1.03) "),
    QT_TRANSLATE_NOOP("RegelnFenster", " **************************************** "),
    "",
    QT_TRANSLATE_NOOP("RegelnFenster", " REGELN des PELU mit TARRO"),
    "",
    QT_TRANSLATE_NOOP("RegelnFenster",
                      " Es kann mit 1 bis 4 Farben gespielt werden. Jede Farbe kann einem"),
    QT_TRANSLATE_NOOP("RegelnFenster",
                      " Spieler oder dem Computer-Spieler zugeordnet werden. Die Spieler"),
    QT_TRANSLATE_NOOP("RegelnFenster", " und Computerspieler werden von 1 bis 4 nummeriert."),
    QT_TRANSLATE_NOOP("RegelnFenster",
                      " Es können mehrere Farben der gleichen Nummer zugeordnet werden."),
    QT_TRANSLATE_NOOP("RegelnFenster",
                      " Farben des gleichen Spielers werden nicht heimgeschickt! "),
    "",
    QT_TRANSLATE_NOOP("RegelnFenster",
                      " Sind mehr als zwei gleichfarbige Figuren auf einem Feld, gilt das"),
    QT_TRANSLATE_NOOP("RegelnFenster", " als Sperre und zwar für alle Farben.!"),
    "",
    QT_TRANSLATE_NOOP("RegelnFenster",
                      " Werden 3 mal 12 gewürfelt, so werden alle Figuren dieser Farbe"),
    QT_TRANSLATE_NOOP("RegelnFenster",
                      " heimgeschickt, welche nicht im farbige Eingangsfeld stehen!"),
};

} // namespace

RegelnFenster::RegelnFenster(QWidget* eltern) : QWidget(eltern, Qt::Window), skalierung_(*this) {
    ZugangsbaumEinrichten(); // before the title names the window
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frmPeluRegeln"));
    setWindowTitle(Regelntext::tr(" Regeln"));
    setWindowIcon(SymbolIcon(Symbol::Brett, devicePixelRatioF()));
    const int tpp = TwipsProPixel();
    FensterGroessen(*this, QSize(TwipsZuPixel(8430, tpp), TwipsZuPixel(4905, tpp)));

    // Made first, so the button is first in the tab order and has the focus.
    cmdSchliessen_ = new QPushButton(Regelntext::tr("Schliessen"), this);
    cmdSchliessen_->setObjectName(QStringLiteral("cmdSchliessen"));
    cmdSchliessen_->setGeometry(TwipsRechteck(3360, 4440, 1812, 372, tpp));
    cmdSchliessen_->setDefault(true);
    connect(cmdSchliessen_, &QPushButton::clicked, this, &QWidget::close);

    picRegeln_ = new Druckfeld(this);
    picRegeln_->setObjectName(QStringLiteral("picRegeln"));
    picRegeln_->setGeometry(TwipsRechteck(120, 120, 8172, 4212, tpp));
    picRegeln_->HintergrundfarbeSetzen(QColor(224, 224, 224));
    picRegeln_->setFont(Entwurfsschrift(QStringLiteral("Courier"), 9.75));

    setTabOrder(cmdSchliessen_, picRegeln_);
    cmdSchliessen_->setFocus();
    Regeltext();
    RegelfensterBenennen(*this);
    skalierung_.Erfassen();
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void RegelnFenster::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    skalierung_.Anwenden();
}

void RegelnFenster::Regeltext() {
    picRegeln_->Drucken(QString());
    for (const char* zeile : Regelzeilen)
        picRegeln_->Drucken(Regelntext::tr(zeile));
}

// Centres the inner areas: the frame is not known before the first show,
// and both windows get the same frame, so their frames are centred as well.
void RegelnFenster::ZentrierenUeber(const QWidget& fenster) {
    QRect innen(QPoint(0, 0), size());
    innen.moveCenter(fenster.mapToGlobal(fenster.rect().center()));
    setGeometry(innen);
}

QStringList RegelnFenster::GedruckteZeilen() const {
    return picRegeln_->GedruckteTexte();
}

} // namespace pelu
