#pragma once
#include <QStringList>
#include <QWidget>

#include "Skalierung.h"

class QPushButton;

namespace pelu {

class Druckfeld;

// The rules window: a short fixed text printed once when the window is made.
// It deletes itself when closed (Qt::WA_DeleteOnClose), so the next opening
// makes a fresh window that prints the text again; hold it in a QPointer.
// It can be resized, its content following at one factor; Escape closes it.
class RegelnFenster : public QWidget {
    Q_OBJECT
  public:
    explicit RegelnFenster(QWidget* eltern = nullptr);

    // Prints the seventeen lines of the rules into picRegeln.
    void Regeltext();
    // Centres the window over another window (the rules window has no owner).
    void ZentrierenUeber(const QWidget& fenster);

    QStringList GedruckteZeilen() const;
    Druckfeld* picRegeln() const { return picRegeln_; }
    QPushButton* cmdSchliessen() const { return cmdSchliessen_; }

  protected:
    void resizeEvent(QResizeEvent* ereignis) override;

  private:
    QPushButton* cmdSchliessen_;
    Druckfeld* picRegeln_;
    Skalierung skalierung_;
};

} // namespace pelu
