#include "Hauptfenster.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <exception>

#include "Angebot.h"
#include "Befehlstasten.h"
#include "Beitritt.h"
#include "Bilder.h"
#include "Bildspiegel.h"
#include "Druckfeld.h"
#include "Fenstergroesse.h"
#include "QtFormular.h"
#include "QtZeitgeber.h"
#include "RegelnFenster.h"
#include "Spielerwahl.h"
#include "Uebersetzung.h"
#include "Wahlstand.h"
#include "Wahlsteuerung.h"
#include "Zugaenglichkeit.h"
#include "board/Brettzeichnen.h"
#include "data/Datendateisuche.h"
#include "data/Laden.h"
#include "game/Spiel.h"

namespace pelu {

Hauptfenster::Hauptfenster(Fensteroptionen optionen)
    : optionen_(std::move(optionen)), e_(EntwurfAufbauen(*this)),
      // Made after the dice, so the indicators and scroll bars lie above them.
      wahl_(new Spielerwahl(&e_.picSpielfeld->Flaeche())),
      steuerung_(new Wahlsteuerung(*this, e_, [this] { return EigeneWahllage(); })),
      skalierung_(*this), bildfaktor_(devicePixelRatioF()) {
    zeitgeber_ = std::move(optionen_.Timer);
    if (!zeitgeber_)
        zeitgeber_ =
            std::make_unique<QtZeitgeber>([this] { ProgrammTakt(); }, [this] { FahrTakt(); });
    form_ = std::make_unique<QtFormular>(e_, *wahl_, *zeitgeber_);
    spiegel_ = std::make_unique<netz::Bildspiegel>(*form_);
    titel_ = windowTitle();
    Verbinden();
    BedienelementeBenennen(e_);
    BefehlstastenAnlegen(*this, e_);
    VollbildTasteAnlegen(*this);
    NetzaktionenAnlegen();
    Tabulatorreihenfolge();
}

Hauptfenster::~Hauptfenster() {
    // The offer hears the form, the game talks to it; end them first.
    angebot_.reset();
    beitritt_.reset();
    spiel_.reset();
    if (regeln_) delete regeln_.data();
}

bool Hauptfenster::Laden(QString* fehler) {
    Aufbauen();
    try {
        Initialisierung();
    } catch (const Ladefehler& ausnahme) {
        spiel_.reset();
        if (fehler) *fehler = Lademeldung(ausnahme);
        return false;
    } catch (const std::exception& ausnahme) {
        spiel_.reset();
        if (fehler) *fehler = QString::fromStdString(ausnahme.what());
        return false;
    }
    Zuteilungsvorgabe();
    return true;
}

void Hauptfenster::Vorbereiten() {
    Aufbauen();
    Zuteilungsvorgabe();
}

void Hauptfenster::Aufbauen() {
    // One separator is always appended, also to the root's own.
    pfad_ = QDir::currentPath() + QLatin1Char('/');
    form_->ProgrammTimerAn(false);
    form_->FahrTimerAn(false);
    form_->Spielknoepfe(Knopfzustand::Ruhe);
    masse_ = Fensteraufbau(*this, e_, *wahl_);
    skalierung_.Erfassen();
    // Laid out before it is shown, so it opens at its final size, its inner
    // area at the centre of the screen, smaller where the screen is small.
    if (const QScreen* schirm = screen())
        setGeometry(Startlage(size(), schirm->availableGeometry(), Rahmenschaetzung(*this)));
    show();
    BilderAnpassen();
}

void Hauptfenster::Zuteilungsvorgabe() {
    wahl_->SetzeVorgabe(optionen_.Spieler.value_or(Vorgabespieler));
    wahl_->Vsbaktiv(false);
}

void Hauptfenster::Initialisierung() {
    if (!optionen_.Zufall) optionen_.Zufall = std::make_unique<Zufallsgenerator>(UhrSaat());
    const std::string datei =
        optionen_.Datendatei.empty()
            ? DatendateiSuchen(pfad_.toStdString(),
                               QCoreApplication::applicationDirPath().toStdString())
            : optionen_.Datendatei;
    tabellen_ = std::make_unique<Tabellen>(DatendateiLaden(datei, masse_.MitteX, masse_.MitteY));
    spiel_ = std::make_unique<Spiel>(*tabellen_, *spiegel_, *optionen_.Zufall, masse_.HalbeFigur);
    BrettZeichnungSetzen();
    spiel_->Initialisierung();
}

void Hauptfenster::BrettZeichnungSetzen() {
    const Tabellen* daten = tabellen_.get();
    e_.picSpielfeld->Flaeche().ZeichnungSetzen(
        [daten](Leinwand& flaeche, const Geraeteraster& raster) {
            BrettZeichnen(flaeche, *daten, Massstab, raster);
        });
}

void Hauptfenster::Verbinden() {
    auto befehl = [this](QPushButton* knopf, void (Spiel::*befehl)()) {
        connect(knopf, &QPushButton::clicked, this, [this, befehl] {
            if (spiel_) (spiel_.get()->*befehl)();
            Nachfuehren();
        });
    };
    connect(e_.cmdFigurenwahl, &QPushButton::clicked, this, &Hauptfenster::Figurenwahl);
    befehl(e_.cmdStart, &Spiel::BefehlStart);
    befehl(e_.cmdStop, &Spiel::BefehlStopp);
    connect(e_.cmdHilfe, &QPushButton::clicked, this, &Hauptfenster::Hilfe);
    connect(e_.chkTurbo, &QCheckBox::toggled, this, [this](bool an) {
        // A joined window's box follows the offering window's only.
        if (beitritt_) {
            const QSignalBlocker still(e_.chkTurbo);
            e_.chkTurbo->setChecked(!an);
        }
        if (!spiel_) return;
        spiel_->BefehlTurbo(an);
        spiegel_->TurboZeigen(an);
    });
    for (int i = 0; i < 4; ++i)
        connect(wahl_->vsbSpieler(i), &QScrollBar::valueChanged, this, [this] {
            if (spiel_) spiegel_->ZuteilungNachlesen();
        });
    connect(e_.cmdRegeln, &QPushButton::clicked, this, &Hauptfenster::RegelnZeigen);
    connect(e_.cmdBeenden, &QPushButton::clicked, this, &QWidget::close);
    for (Figurbild* figur : e_.imgFigur) {
        connect(figur, &Figurbild::Geklickt, this, &Hauptfenster::FigurGeklickt);
        connect(figur, &Figurbild::MausBewegt, this, &Hauptfenster::MausUeberFigur);
    }
    connect(steuerung_, &Wahlsteuerung::Gewaehlt, this, &Hauptfenster::FigurGeklickt);
}

// The design's tab order; controls that take no focus are passed over.
void Hauptfenster::Tabulatorreihenfolge() {
    std::vector<QWidget*> reihe{e_.picSpielfeld, e_.cmdFigurenwahl, e_.cmdStart, e_.cmdStop,
                                e_.cmdHilfe};
    for (int i : {3, 0, 1, 2})
        reihe.push_back(e_.picWuerfel[static_cast<size_t>(i)]);
    reihe.push_back(e_.frmBedienung);
    for (int i = 0; i < 4; ++i)
        reihe.push_back(wahl_->vsbSpieler(i));
    reihe.push_back(e_.fraZuganzeige);
    reihe.push_back(e_.lblZuganzeigetext);
    for (QLabel* l : e_.lblZuganzeige)
        reihe.push_back(l);
    for (QLabel* l : e_.lblRang)
        reihe.push_back(l);
    reihe.insert(reihe.end(), {e_.lblInfotext, e_.lblInfo, e_.cmdRegeln, e_.chkTurbo});
    for (int i = 0; i < 4; ++i)
        reihe.push_back(wahl_->picComputer(i));
    for (int i = 0; i < 4; ++i)
        reihe.push_back(wahl_->picSpieler(i));
    reihe.push_back(e_.cmdBeenden);
    // Only the controls that take the focus are chained: a control chained
    // after another comes after that one's children, so the board would keep
    // its scroll bars ahead of the game buttons.
    std::erase_if(reihe, [](const QWidget* w) { return !(w->focusPolicy() & Qt::TabFocus); });
    for (size_t i = 1; i < reihe.size(); ++i)
        setTabOrder(reihe[i - 1], reihe[i]);
}

void Hauptfenster::ProgrammTakt() {
    if (spiel_) spiel_->ProgrammTakt();
    Nachfuehren();
}

void Hauptfenster::FahrTakt() {
    if (spiel_) spiel_->FahrTakt();
}

// A click on a figure image, and the keys' choice of a figure alike. The
// turn of a player a joined window plays is not this window's to choose.
void Hauptfenster::FigurGeklickt(int figur) {
    if (beitritt_) {
        beitritt_->Waehlen(figur);
        Nachfuehren();
        return;
    }
    if (!FernGespielt()) Waehlen(figur);
}

void Hauptfenster::Waehlen(int figur) {
    if (spiel_) spiel_->KlickFigur(figur);
    Nachfuehren();
}

void Hauptfenster::MausUeberFigur(int figur) {
    bool hand = false;
    if (beitritt_) {
        hand = IstFigur(figur) && steuerung_->Lage().waehlbar[static_cast<size_t>(figur)];
        beitritt_->MausUeber(figur);
    } else if (spiel_ && !FernGespielt())
        hand = spiel_->MausUeberFigur(figur);
    Nachfuehren();
    if (!IstFigur(figur)) return;
    Figurbild& bild = *e_.imgFigur[static_cast<size_t>(figur - 1)];
    if (hand) {
        bild.setCursor(Hand());
    } else
        bild.setCursor(Qt::ArrowCursor);
}

// The assignment opens with the first colour's scroll bar in the focus, so
// the keys can set it at once.
void Hauptfenster::Figurenwahl() {
    if (!spiel_) return;
    spiel_->BefehlFigurenwahl();
    Nachfuehren();
    if (QScrollBar* leiste = wahl_->vsbSpieler(0); leiste->isVisible()) leiste->setFocus();
}

void Hauptfenster::Nachfuehren() {
    steuerung_->Nachfuehren();
    FigurenBeschreiben(e_, spiel_.get(), steuerung_->Lage(), steuerung_->Markiert());
    if (angebot_ && spiel_) spiegel_->WahlZeigen(netz::WahlstandVon(*spiel_));
}

// Not modal and without owner; an open window is shown again, not made anew.
void Hauptfenster::RegelnZeigen() {
    if (!regeln_) {
        regeln_ = new RegelnFenster();
        regeln_->ZentrierenUeber(*this);
    }
    regeln_->show();
    regeln_->raise();
    regeln_->activateWindow();
}

// The figures, icons, indicators and the hand are drawn for the window's
// screen and factor; the board and the dice redraw themselves.
void Hauptfenster::BilderAnpassen() {
    const double faktor = devicePixelRatioF();
    const double skala = skalierung_.Lage().skala;
    if (faktor == bildfaktor_ && skala == bildskala_) return;
    bildfaktor_ = faktor;
    BilderSetzen(*this, e_, faktor, skala);
    wahl_->BilderSetzen(faktor * skala);
    if (skala == bildskala_) return;
    bildskala_ = skala;
    hand_.reset(); // drawn anew at the new scale when next needed
    for (Figurbild* figur : e_.imgFigur)
        if (figur->cursor().shape() == Qt::BitmapCursor) figur->setCursor(Hand());
}

const QCursor& Hauptfenster::Hand() {
    if (!hand_) hand_ = HandZeiger(bildskala_);
    return *hand_;
}

// Everything inside follows the client area at one factor.
void Hauptfenster::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    skalierung_.Anwenden();
    BilderAnpassen();
}

bool Hauptfenster::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::ScreenChangeInternal) BilderAnpassen();
    return QWidget::event(ereignis);
}

// Never refused; the timers end with the window.
void Hauptfenster::closeEvent(QCloseEvent* ereignis) {
    if (regeln_) regeln_->close();
    ereignis->accept();
}

} // namespace pelu
