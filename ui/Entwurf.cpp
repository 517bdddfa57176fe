#include "Entwurf.h"

#include "Bilder.h"
#include "Knopfgesicht.h"
#include "Schriften.h"
#include "Skalierung.h"
#include "Twips.h"
#include "Uebersetzung.h"
#include "Zugangsbaum.h"

namespace pelu {

namespace {

struct Bau {
    int tpp; // twips per pixel

    // A design rectangle in twips, in pixels.
    QRect Pixel(const QRect& twips) const {
        return TwipsRechteck(twips.x(), twips.y(), twips.width(), twips.height(), tpp);
    }

    void Platzieren(QWidget& w, const QRect& twips) const { w.setGeometry(Pixel(twips)); }

    QPushButton* Knopf(QWidget& eltern, const char* name, const QRect& twips,
                       const QString& tooltip, const QColor& gesicht) const {
        auto* knopf = new QPushButton(&eltern);
        knopf->setObjectName(QLatin1String(name));
        Platzieren(*knopf, twips);
        knopf->setToolTip(tooltip);
        knopf->setIconSize(QSize(32, 32));
        KnopfgesichtSetzen(*knopf, gesicht);
        return knopf;
    }

    QLabel* Beschriftung(QWidget& eltern, const QString& name, const QRect& twips,
                         const QString& text, Qt::Alignment ausrichtung) const {
        auto* label = new QLabel(text, &eltern);
        label->setObjectName(name);
        Platzieren(*label, twips);
        label->setAlignment(ausrichtung | Qt::AlignVCenter);
        return label;
    }

    QGroupBox* Rahmen(QWidget& eltern, const char* name, const QRect& twips) const {
        auto* rahmen = new QGroupBox(&eltern); // no caption
        rahmen->setObjectName(QLatin1String(name));
        Platzieren(*rahmen, twips);
        return rahmen;
    }
};

void Hintergrund(QLabel& label, const QColor& farbe) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, farbe);
    label.setPalette(palette);
    label.setAutoFillBackground(true);
}

void EinfacherRand(QLabel& label) {
    label.setFrameStyle(QFrame::Box | QFrame::Plain);
    label.setLineWidth(1);
}

const QColor Hellgelb(255, 255, 192);
const QColor Grau(192, 192, 192);

} // namespace

Bedienelemente EntwurfAufbauen(QWidget& fenster) {
    // Before the first control, whose accessible object is made as it is named.
    ZugangsbaumEinrichten();
    const Bau bau{TwipsProPixel()};
    Bedienelemente e;

    fenster.setObjectName(QStringLiteral("frmPelu"));
    fenster.setWindowTitle(Fenstertext::tr("Pelu mit Tarro  V1.2"));
    fenster.setFont(Standardschrift());
    fenster.resize(bau.Pixel(QRect(0, 0, EntwurfBreiteTwips, EntwurfHoeheTwips)).size());

    e.picSpielfeld = new Brettfeld(&fenster);
    const QRect brett = bau.Pixel(QRect(1200, 120, 7212, 6612));
    e.picSpielfeld->move(brett.topLeft());
    e.picSpielfeld->GroesseSetzen(brett.width(), brett.height());
    QWidget& flaeche = e.picSpielfeld->Flaeche();

    // Figures first: they lie below the board's windowed controls.
    for (int k = 0; k < 16; ++k) {
        auto* figur = new Figurbild(k + 1, &flaeche);
        bau.Platzieren(*figur, QRect(3000 + 360 * (k % 4), 2760 + 240 * (k / 4), 225, 225));
        figur->setCursor(Qt::ArrowCursor);
        e.imgFigur[static_cast<size_t>(k)] = figur;
    }
    const int wuerfelOrt[4][2] = {{120, 6120}, {6720, 6120}, {6720, 120}, {120, 120}};
    for (int i = 0; i < 4; ++i) {
        auto* wuerfel = new Bildfeld(QColor(64, 64, 64), &flaeche);
        wuerfel->setObjectName(QStringLiteral("picWuerfel%1").arg(i));
        const QRect ort = bau.Pixel(QRect(wuerfelOrt[i][0], wuerfelOrt[i][1], 372, 372));
        wuerfel->move(ort.topLeft());
        wuerfel->GroesseSetzen(ort.size());
        e.picWuerfel[static_cast<size_t>(i)] = wuerfel;
    }

    e.frmBedienung = bau.Rahmen(fenster, "frmBedienung", QRect(120, 0, 972, 2175));
    e.cmdFigurenwahl = bau.Knopf(*e.frmBedienung, "cmdFigurenwahl", QRect(120, 240, 732, 615),
                                 Fenstertext::tr("Figuren zuteilen"), Gesicht::Hellgelb);
    e.cmdStart = bau.Knopf(*e.frmBedienung, "cmdStart", QRect(120, 960, 732, 492),
                           Fenstertext::tr("Spiel starten"), Gesicht::Hellgruen);
    e.cmdStop = bau.Knopf(*e.frmBedienung, "cmdStop", QRect(120, 1560, 732, 492),
                          Fenstertext::tr("Spiel stoppen/abbrechen"), Gesicht::Hellrot);

    e.chkTurbo = new QCheckBox(Fenstertext::tr("Turbo"), &fenster);
    e.chkTurbo->setObjectName(QStringLiteral("chkTurbo"));
    bau.Platzieren(*e.chkTurbo, QRect(240, 2280, 732, 252));
    e.chkTurbo->setToolTip(Fenstertext::tr("Spiel im Schnellgang"));

    e.fraZuganzeige = bau.Rahmen(fenster, "fraZuganzeige", QRect(120, 2520, 972, 1812));
    e.lblZuganzeigetext =
        bau.Beschriftung(*e.fraZuganzeige, QStringLiteral("lblZuganzeigetext"),
                         QRect(120, 120, 732, 252), Fenstertext::tr("Rang Zug"), Qt::AlignLeft);
    for (int i = 0; i < 4; ++i) {
        const auto n = static_cast<size_t>(i);
        e.lblRang[n] =
            bau.Beschriftung(*e.fraZuganzeige, QStringLiteral("lblRang%1").arg(i),
                             QRect(120, 360 + 360 * i, 252, 252), QString(), Qt::AlignHCenter);
        Hintergrund(*e.lblRang[n], Grau);
        e.lblRang[n]->setFont(Entwurfsschrift(QStringLiteral("MS Sans Serif"), 8.25, true));
        e.lblZuganzeige[n] =
            bau.Beschriftung(*e.fraZuganzeige, QStringLiteral("lblZuganzeige%1").arg(i),
                             QRect(480, 360 + 360 * i, 372, 252), QString(), Qt::AlignHCenter);
        Hintergrund(*e.lblZuganzeige[n], Hellgelb);
        EinfacherRand(*e.lblZuganzeige[n]);
    }

    e.lblInfotext =
        bau.Beschriftung(fenster, QStringLiteral("lblInfotext"), QRect(120, 4440, 972, 252),
                         Fenstertext::tr("Allg. Info"), Qt::AlignHCenter);
    e.lblInfo = bau.Beschriftung(fenster, QStringLiteral("lblInfo"), QRect(120, 4680, 972, 252),
                                 QString(), Qt::AlignHCenter);
    Hintergrund(*e.lblInfo, Hellgelb);
    EinfacherRand(*e.lblInfo);
    e.lblInfo->setFont(Entwurfsschrift(QStringLiteral("MS Sans Serif"), 8.25, true));

    e.cmdHilfe = bau.Knopf(fenster, "cmdHilfe", QRect(240, 5040, 732, 495),
                           Fenstertext::tr("Figur-Vorschlag"), Gesicht::Hellcyan);
    e.cmdRegeln = bau.Knopf(fenster, "cmdRegeln", QRect(240, 5640, 732, 492),
                            Fenstertext::tr("Zeigt die Regeln"), Gesicht::Grau);
    e.cmdRegeln->setText(Fenstertext::tr("Regeln"));
    e.cmdBeenden = bau.Knopf(fenster, "cmdBeenden", QRect(240, 6240, 732, 492),
                             Fenstertext::tr("Beenden"), Gesicht::Hellrot);
    BilderSetzen(fenster, e, fenster.devicePixelRatioF());
    return e;
}

void BilderSetzen(QWidget& fenster, Bedienelemente& e, double faktor, double skala) {
    fenster.setWindowIcon(SymbolIcon(Symbol::Brett, faktor));
    for (Figurbild* figur : e.imgFigur)
        figur->BildSetzen(faktor);
    const int groesse = Skaliert(32, skala);
    e.cmdFigurenwahl->setIcon(SymbolIcon(Symbol::MannFrau, faktor, groesse));
    e.cmdStart->setIcon(SymbolIcon(Symbol::Pfeil, faktor, groesse));
    e.cmdStop->setIcon(SymbolIcon(Symbol::Stopp, faktor, groesse));
    e.cmdHilfe->setIcon(SymbolIcon(Symbol::Fragezeichen, faktor, groesse));
    e.cmdBeenden->setIcon(SymbolIcon(Symbol::Kreuz, faktor, groesse));
}

} // namespace pelu
