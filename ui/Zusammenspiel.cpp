// The main window playing together with other windows: offering its game,
// or showing the game another window offers.
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "Angebot.h"
#include "Beitritt.h"
#include "Bildspiegel.h"
#include "Hauptfenster.h"
#include "Netzdialoge.h"
#include "QtFormular.h"
#include "Spielerwahl.h"
#include "Uebersetzung.h"
#include "Wahlstand.h"
#include "Wahlsteuerung.h"
#include "game/Spiel.h"
#include "game/Tastenwahl.h"
#include "state/Tabellen.h"

namespace pelu {

Wahllage Hauptfenster::EigeneWahllage() const {
    if (beitritt_) return netz::WahllageFuer(beitritt_->Stand(), beitritt_->Spieler());
    if (!spiel_ || FernGespielt()) return {};
    return WahllageVon(*spiel_);
}

bool Hauptfenster::FernGespielt() const {
    return angebot_ && spiel_ && angebot_->Besetzt(spiel_->Zustand().AktSpieler);
}

void Hauptfenster::Hilfe() {
    if (beitritt_) return beitritt_->Hilfe();
    if (spiel_) spiel_->BefehlHilfe();
    Nachfuehren();
}

bool Hauptfenster::Anbieten(quint16 port, QString* fehler) {
    if (angebot_ || beitritt_) {
        if (fehler) *fehler = Fenstertext::tr("Dieses Fenster spielt schon mit anderen.");
        return false;
    }
    netz::Anbieterseite seite{[this] { return std::as_const(spiel_).get(); },
                              [this](int figur) { Waehlen(figur); },
                              [this] {
                                  if (spiel_) spiel_->BefehlHilfe();
                                  Nachfuehren();
                              },
                              [this](int figur) {
                                  if (spiel_) spiel_->MausUeberFigur(figur);
                                  Nachfuehren();
                              },
                              [this] { Nachfuehren(); }};
    auto angebot = std::make_unique<netz::Angebot>(*spiegel_, std::move(seite), netzzeiten_);
    if (!angebot->Starten(port, fehler)) return false;
    angebot_ = std::move(angebot);
    if (tabellen_) spiegel_->BrettZeigen(*tabellen_);
    spiegel_->TurboZeigen(e_.chkTurbo->isChecked());
    spiegel_->ZuteilungNachlesen();
    Nachfuehren();
    TitelZusatz(Fenstertext::tr("angeboten auf Port %1, Code %2")
                    .arg(angebot_->Port())
                    .arg(angebot_->Code()));
    return true;
}

void Hauptfenster::Beitreten(const Beitrittsdaten& daten) {
    if (angebot_ || beitritt_) return;
    // The game shown is the offering window's; this window's own ends.
    spiel_.reset();
    form_->ProgrammTimerAn(false);
    form_->FahrTimerAn(false);
    FernbedienungSperren();
    beitritt_ = std::make_unique<netz::Beitritt>(daten.Rechner, daten.Port, daten.Code,
                                                 daten.Spieler, netzzeiten_);
    const QString ort = Fenstertext::tr("Spieler %1 bei %2:%3")
                            .arg(daten.Spieler)
                            .arg(daten.Rechner)
                            .arg(daten.Port);
    connect(beitritt_.get(), &netz::Beitritt::Bild, this, &Hauptfenster::Empfangen);
    connect(beitritt_.get(), &netz::Beitritt::Beigetreten, this, [this, ort] {
        TitelZusatz(ort);
        emit Beigetreten();
    });
    connect(beitritt_.get(), &netz::Beitritt::Getrennt, this, [this, ort] {
        TitelZusatz(Fenstertext::tr("%1 – Verbindung verloren, neuer Versuch").arg(ort));
    });
    connect(beitritt_.get(), &netz::Beitritt::Aufgegeben, this,
            [this, ort] { TitelZusatz(Fenstertext::tr("%1 – Verbindung verloren").arg(ort)); });
    connect(beitritt_.get(), &netz::Beitritt::Gescheitert, this,
            &Hauptfenster::BeitrittGescheitert);
    TitelZusatz(Fenstertext::tr("%1 – verbinde").arg(ort));
    beitritt_->Verbinden();
}

// What the offering window shows, shown here.
void Hauptfenster::Empfangen(const netz::Nachricht& nachricht) {
    if (const auto* b = std::get_if<netz::Brett>(&nachricht)) {
        auto daten = std::make_unique<Tabellen>();
        for (size_t zeile = 0; zeile < netz::Brett::Zeilen; ++zeile)
            std::copy(b->bilddaten[zeile].begin(), b->bilddaten[zeile].end(),
                      daten->Bilddaten[zeile]);
        tabellen_ = std::move(daten);
        BrettZeichnungSetzen();
    } else if (const auto* z = std::get_if<netz::Zuteilung>(&nachricht)) {
        for (int i = 0; i < 4; ++i)
            wahl_->vsbSpieler(i)->setValue(z->werte[static_cast<size_t>(i)]);
        wahl_->Vsbaktiv(z->offen);
    } else if (const auto* t = std::get_if<netz::Turbo>(&nachricht)) {
        const QSignalBlocker still(e_.chkTurbo);
        e_.chkTurbo->setChecked(t->an);
    } else if (std::holds_alternative<netz::Wahlstand>(nachricht)) {
        Nachfuehren();
    } else {
        netz::BildAnwenden(nachricht, *form_);
    }
}

// A joined window shows the commands as the offering window has them, but
// only the proposal, the rules and quitting act; the scroll bars are shown,
// not moved. The game buttons keep taking the focus, so it passes from one
// to the next as the buttons change, exactly as in the offering window;
// their handlers do nothing without a game of this window's own.
void Hauptfenster::FernbedienungSperren() {
    std::vector<QWidget*> gesperrt{e_.cmdFigurenwahl, e_.cmdStart, e_.cmdStop, e_.chkTurbo};
    for (QWidget* w : gesperrt)
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int i = 0; i < 4; ++i) {
        wahl_->vsbSpieler(i)->setAttribute(Qt::WA_TransparentForMouseEvents);
        wahl_->vsbSpieler(i)->setFocusPolicy(Qt::NoFocus);
    }
}

void Hauptfenster::NetzaktionenAnlegen() {
    anbieten_ = new QAction(Fenstertext::tr("Spiel anbieten …"), this);
    anbieten_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(anbieten_, &QAction::triggered, this, &Hauptfenster::AnbietenFragen);
    beitreten_ = new QAction(Fenstertext::tr("Spiel beitreten …"), this);
    beitreten_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    connect(beitreten_, &QAction::triggered, this, &Hauptfenster::BeitretenFragen);
    // The keys work without the menu.
    addAction(anbieten_);
    addAction(beitreten_);
}

void Hauptfenster::contextMenuEvent(QContextMenuEvent* ereignis) {
    const bool frei = !angebot_ && !beitritt_;
    anbieten_->setEnabled(frei && spiel_);
    beitreten_->setEnabled(frei);
    QMenu menue(this);
    menue.addAction(anbieten_);
    menue.addAction(beitreten_);
    menue.exec(ereignis->globalPos());
}

void Hauptfenster::AnbietenFragen() {
    if (angebot_ || beitritt_ || !spiel_) return;
    Anbietedialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    QString fehler;
    if (!Anbieten(dialog.Port(), &fehler)) {
        QMessageBox::warning(this, Fenstertext::tr("Spiel anbieten"), fehler);
        return;
    }
    QMessageBox::information(
        this, Fenstertext::tr("Spiel anbieten"),
        Fenstertext::tr("Das Spiel wird auf Port %1 angeboten. Andere Fenster treten mit dem "
                        "Code %2 bei.")
            .arg(angebot_->Port())
            .arg(angebot_->Code()));
}

void Hauptfenster::BeitretenFragen() {
    if (angebot_ || beitritt_) return;
    Beitrittsdialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    // A new window shows the other game, on the board it is sent; this one
    // goes once it has joined.
    auto* neu = new Hauptfenster();
    neu->setAttribute(Qt::WA_DeleteOnClose);
    neu->NetzzeitenSetzen(netzzeiten_);
    neu->Vorbereiten();
    connect(neu, &Hauptfenster::Beigetreten, this, &Hauptfenster::Zurueckziehen);
    connect(neu, &Hauptfenster::BeitrittGescheitert, this, [this, neu](const QString& meldung) {
        neu->close();
        QMessageBox::warning(this, Fenstertext::tr("Spiel beitreten"), meldung);
    });
    neu->Beitreten(dialog.Daten());
}

void Hauptfenster::Zurueckziehen() {
    spiel_.reset();
    form_->ProgrammTimerAn(false);
    form_->FahrTimerAn(false);
    close();
}

void Hauptfenster::TitelZusatz(const QString& zusatz) {
    setWindowTitle(titel_ + QStringLiteral("  –  ") + zusatz);
}

} // namespace pelu
