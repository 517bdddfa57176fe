#include "Netzdialoge.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>

#include "Uebersetzung.h"

namespace pelu {

namespace {

QSpinBox* Portfeld(QWidget* eltern) {
    auto* feld = new QSpinBox(eltern);
    feld->setRange(0, 65535);
    feld->setValue(47474);
    return feld;
}

QDialogButtonBox* Knoepfe(QDialog& dialog) {
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return knoepfe;
}

} // namespace

Anbietedialog::Anbietedialog(QWidget* eltern) : QDialog(eltern), portfeld(Portfeld(this)) {
    setWindowTitle(Fenstertext::tr("Spiel anbieten"));
    auto* form = new QFormLayout(this);
    form->addRow(Fenstertext::tr("Port (0: ein freier):"), portfeld);
    form->addRow(Knoepfe(*this));
}

quint16 Anbietedialog::Port() const {
    return static_cast<quint16>(portfeld->value());
}

Beitrittsdialog::Beitrittsdialog(QWidget* eltern)
    : QDialog(eltern), rechnerfeld(new QLineEdit(QStringLiteral("localhost"), this)),
      portfeld(Portfeld(this)), codefeld(new QLineEdit(this)), spielerfeld(new QSpinBox(this)) {
    setWindowTitle(Fenstertext::tr("Spiel beitreten"));
    codefeld->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{6}")), this));
    spielerfeld->setRange(1, 4);
    auto* form = new QFormLayout(this);
    form->addRow(Fenstertext::tr("Rechner:"), rechnerfeld);
    form->addRow(Fenstertext::tr("Port:"), portfeld);
    form->addRow(Fenstertext::tr("Code:"), codefeld);
    form->addRow(Fenstertext::tr("Als Spieler:"), spielerfeld);
    auto* knoepfe = Knoepfe(*this);
    form->addRow(knoepfe);
    // Only a host and six digits can join.
    QPushButton* ok = knoepfe->button(QDialogButtonBox::Ok);
    auto pruefen = [this, ok] {
        ok->setEnabled(codefeld->hasAcceptableInput() && !rechnerfeld->text().trimmed().isEmpty());
    };
    connect(codefeld, &QLineEdit::textChanged, this, pruefen);
    connect(rechnerfeld, &QLineEdit::textChanged, this, pruefen);
    pruefen();
}

Beitrittsdaten Beitrittsdialog::Daten() const {
    return {rechnerfeld->text().trimmed(), static_cast<quint16>(portfeld->value()),
            codefeld->text(), spielerfeld->value()};
}

} // namespace pelu
