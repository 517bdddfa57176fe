#include "QtZeitgeber.h"

#include "state/Spielzustand.h"

namespace pelu {

namespace {

void Einrichten(QTimer& timer, const char* name, int intervall, const std::function<void()>& takt) {
    timer.setObjectName(QLatin1String(name));
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(intervall);
    QObject::connect(&timer, &QTimer::timeout, takt);
}

void Schalten(QTimer& timer, bool an) {
    if (an)
        timer.start();
    else
        timer.stop();
}

} // namespace

QtZeitgeber::QtZeitgeber(const std::function<void()>& programmTakt,
                         const std::function<void()>& fahrTakt) {
    Einrichten(programm_, "tmrProgramm", Programmintervall, programmTakt);
    Einrichten(fahren_, "tmrFahren", Fahrintervall, fahrTakt);
}

void QtZeitgeber::ProgrammAn(bool an) {
    Schalten(programm_, an);
}

void QtZeitgeber::ProgrammIntervall(int millisekunden) {
    programm_.setInterval(millisekunden);
}

void QtZeitgeber::FahrenAn(bool an) {
    Schalten(fahren_, an);
}

} // namespace pelu
