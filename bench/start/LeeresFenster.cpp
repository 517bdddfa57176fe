// The yardstick for the game's start-up: a bare window of the game window's
// size holding a label, a push button and a check box, so fonts and the
// widget style load as in the game. It stays open like the game; the start-up
// measurement (startvergleich.sh) ends both after their first picture.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget fenster;
    fenster.setWindowTitle(QStringLiteral("Leeres Fenster"));
    fenster.setFixedSize(701, 567);
    auto* text = new QLabel(QStringLiteral("Allg. Info"), &fenster);
    text->setGeometry(8, 300, 65, 17);
    auto* knopf = new QPushButton(QStringLiteral("Regeln"), &fenster);
    knopf->setGeometry(16, 376, 49, 33);
    auto* kasten = new QCheckBox(QStringLiteral("Turbo"), &fenster);
    kasten->setGeometry(16, 152, 49, 17);
    fenster.show();
    return app.exec();
}
