#pragma once
#include <QAction>
#include <QCursor>
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "Entwurf.h"
#include "Fensteraufbau.h"
#include "Nachricht.h"
#include "Netzbefehl.h"
#include "Netzzeiten.h"
#include "RegelnFenster.h"
#include "Skalierung.h"
#include "game/Zeitgeber.h"
#include "state/Tabellen.h"
#include "state/Zufall.h"

namespace pelu {

class QtFormular;
class Spiel;
class Spielerwahl;
class Wahlsteuerung;
struct Wahllage;

namespace netz {
class Angebot;
class Beitritt;
class Bildspiegel;
} // namespace netz

// How the main window is made. The defaults are the program's: the data
// file from the working directory or the installed data folder, dice seeded
// from the clock, real timers.
struct Fensteroptionen {
    // Path of the data file; empty means Peludaten.txt from the working
    // directory, else from the installed data folder (DatendateiSuchen).
    std::string Datendatei;
    // Random source of the game; none means one seeded from the clock.
    std::unique_ptr<Zufallsquelle> Zufall;
    // The timers; none means precise timers of the event loop. Another
    // source (a test's virtual clock) delivers the ticks itself through
    // ProgrammTakt and FahrTakt, so a test can play a game in milliseconds.
    std::unique_ptr<Zeitgeber> Timer;
    // Player values of colours 1..4 the scroll bars show at start; none
    // means the designed ones.
    std::optional<std::array<int16_t, 4>> Spieler = std::nullopt;
};

// The main window `frmPelu`: its controls, the load sequence, the timers and
// the commands, all forwarded to the game.
class Hauptfenster : public QWidget {
    Q_OBJECT
  public:
    explicit Hauptfenster(Fensteroptionen optionen = {});
    ~Hauptfenster() override;

    // The load sequence: working directory, timers off, layout, show, data
    // file, board, one roll per colour, default assignment. False, with
    // the loader's message in `fehler`, when the data file cannot be loaded;
    // the window then has no game and ignores the game commands.
    bool Laden(QString* fehler = nullptr);
    // The same without data file and game: a window about to join another
    // window's game, which sends it the board.
    void Vorbereiten();

    // Working directory with a separator appended.
    const QString& Pfad() const { return pfad_; }
    Bedienelemente& Elemente() { return e_; }
    Spielerwahl& Wahl() { return *wahl_; }
    QtFormular& Form() { return *form_; }
    // Null before a successful load.
    Spiel* Partie() { return spiel_.get(); }
    const Brettmasse& Masse() const { return masse_; }
    RegelnFenster* Regeln() const { return regeln_; }
    Wahlsteuerung& Steuerung() { return *steuerung_; }
    // The one factor of the window and its margins.
    const Skalierung& Skala() const { return skalierung_; }

    // Offers the game to other windows on `port` (0: a free one); false,
    // with the reason in `fehler`, when the port cannot be opened. The
    // title then shows the port and the join code.
    bool Anbieten(quint16 port, QString* fehler = nullptr);
    // Makes a loaded or prepared window show the game another window offers, and play
    // one human player of it. A failed join is told by BeitrittGescheitert.
    void Beitreten(const Beitrittsdaten& daten);
    // The limits of network connections, for an offer or join made later
    // (tests shorten them).
    void NetzzeitenSetzen(const netz::Netzzeiten& zeiten) { netzzeiten_ = zeiten; }
    // Null unless offering, or joined.
    netz::Angebot* Angebot() { return angebot_.get(); }
    netz::Beitritt* Beitritt() { return beitritt_.get(); }
    // The context menu's (right click) entries, with their keys: offering
    // this game, and joining another window's game in a new window.
    QAction* AnbietenAktion() const { return anbieten_; }
    QAction* BeitretenAktion() const { return beitreten_; }

  signals:
    void BeitrittGescheitert(const QString& meldung);
    void Beigetreten();

  public slots:
    // The timers' tick handlers.
    void ProgrammTakt();
    void FahrTakt();

  protected:
    void closeEvent(QCloseEvent* ereignis) override;
    void contextMenuEvent(QContextMenuEvent* ereignis) override;
    bool event(QEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

  private:
    // What this window's user may choose now (Zusammenspiel.cpp).
    Wahllage EigeneWahllage() const;
    // The player whose turn it is is played from a joined window.
    bool FernGespielt() const;
    void Waehlen(int figur);
    void Hilfe();
    void Empfangen(const netz::Nachricht& nachricht);
    void FernbedienungSperren();
    void NetzaktionenAnlegen();
    void AnbietenFragen();
    void BeitretenFragen();
    // This window's user now plays in a joined window: the game here ends.
    void Zurueckziehen();
    void TitelZusatz(const QString& zusatz);

    void Verbinden();
    void Tabulatorreihenfolge();
    // Working directory, timers off, layout and show.
    void Aufbauen();
    void Zuteilungsvorgabe();
    void Initialisierung();
    // The board drawn from tabellen_.
    void BrettZeichnungSetzen();
    void RegelnZeigen();
    void FigurGeklickt(int figur);
    void MausUeberFigur(int figur);
    void Figurenwahl();
    // After every event that may change the game: what shows it follows.
    void Nachfuehren();
    void BilderAnpassen();
    // The pointing hand at the window's scale.
    const QCursor& Hand();

    Fensteroptionen optionen_;
    Bedienelemente e_;
    Spielerwahl* wahl_;
    Wahlsteuerung* steuerung_;
    std::unique_ptr<Zeitgeber> zeitgeber_;
    std::unique_ptr<QtFormular> form_;
    // The form the game writes to: the window's, told on to joined windows.
    std::unique_ptr<netz::Bildspiegel> spiegel_;
    std::unique_ptr<netz::Angebot> angebot_;
    std::unique_ptr<netz::Beitritt> beitritt_;
    QString titel_;
    QAction* anbieten_ = nullptr;
    QAction* beitreten_ = nullptr;
    netz::Netzzeiten netzzeiten_;
    std::unique_ptr<Tabellen> tabellen_;
    std::unique_ptr<Spiel> spiel_;
    QPointer<RegelnFenster> regeln_;
    // Drawn when first needed: many games never show it.
    std::optional<QCursor> hand_;
    QString pfad_;
    Brettmasse masse_;
    Skalierung skalierung_;
    // Device pixel ratio and factor the pictures are drawn for.
    double bildfaktor_;
    double bildskala_ = 1.0;
};

} // namespace pelu
