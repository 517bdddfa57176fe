#pragma once
#include <QDialog>

#include "Hauptfenster.h"

class QLineEdit;
class QSpinBox;

namespace pelu {

// The small dialog that offers this window's game: the port to listen on.
class Anbietedialog : public QDialog {
    Q_OBJECT
  public:
    explicit Anbietedialog(QWidget* eltern);
    quint16 Port() const;
    QSpinBox* portfeld;
};

// The small dialog that joins another window's game: where it is, its
// code, and which human player this window plays.
class Beitrittsdialog : public QDialog {
    Q_OBJECT
  public:
    explicit Beitrittsdialog(QWidget* eltern);
    Beitrittsdaten Daten() const;
    QLineEdit* rechnerfeld;
    QSpinBox* portfeld;
    QLineEdit* codefeld;
    QSpinBox* spielerfeld;
};

} // namespace pelu
