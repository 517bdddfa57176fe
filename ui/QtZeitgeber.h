#pragma once
#include <QTimer>
#include <functional>

#include "game/Zeitgeber.h"

namespace pelu {

// The game's two timers as precise QTimers of the window's event loop,
// each handing its ticks to a handler.
class QtZeitgeber : public Zeitgeber {
  public:
    QtZeitgeber(const std::function<void()>& programmTakt, const std::function<void()>& fahrTakt);

    void ProgrammAn(bool an) override;
    void ProgrammIntervall(int millisekunden) override;
    void FahrenAn(bool an) override;

    const QTimer& Programm() const { return programm_; }
    const QTimer& Fahren() const { return fahren_; }

  private:
    QTimer programm_;
    QTimer fahren_;
};

} // namespace pelu
