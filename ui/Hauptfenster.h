#pragma once
#include <QCursor>
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "Entwurf.h"
#include "Fensteraufbau.h"
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

  public slots:
    // The timers' tick handlers.
    void ProgrammTakt();
    void FahrTakt();

  protected:
    void closeEvent(QCloseEvent* ereignis) override;
    bool event(QEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

  private:
    void Verbinden();
    void Tabulatorreihenfolge();
    void Initialisierung();
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
