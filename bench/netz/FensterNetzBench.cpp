// The offering window's cost with real windows joined: the main window, on
// Qt's offscreen platform unless a screen is chosen, offers its game on the
// loopback address and plays whole games of four computers in Turbo on a
// virtual clock, the sockets served after every tick. The joined windows are
// the shipped program in processes of their own, so this process's CPU time
// is the offering window's alone; theirs is read from /proc.
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <unistd.h>
#include <vector>

#include "../Qtbenchmark.h"
#include "Angebot.h"
#include "Hauptfenster.h"
#include "Spielerwahl.h"
#include "harness/VirtuelleUhr.h"

namespace pelu::test {

namespace {

// User and system time another process has used, in ms; 0 once it is gone.
double FremdCpuMs(qint64 pid) {
    QFile datei(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!datei.open(QIODevice::ReadOnly)) return 0;
    const QByteArray zeile = datei.readAll();
    // The name in parentheses may hold spaces: counted from the field after it,
    // utime and stime are the 12th and 13th.
    const QList<QByteArray> felder = zeile.mid(zeile.lastIndexOf(')') + 2).split(' ');
    if (felder.size() < 13) return 0;
    const double takte = felder[11].toDouble() + felder[12].toDouble();
    return takte * 1e3 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Serves the event loop (the sockets) for `ms` without spinning.
void Bedienen(int ms) {
    QEventLoop schleife;
    QTimer::singleShot(ms, &schleife, &QEventLoop::quit);
    schleife.exec();
}

// The main window as the program makes it, with a seeded random source and a
// virtual clock for its timers, offering its game on a free port: four
// computers, Turbo on.
struct Anbieterfenster {
    VirtuelleUhr* uhr = nullptr;
    std::unique_ptr<Hauptfenster> fenster;
    QString fehler;
    // The most a tick came after its moment in real time, in ms.
    int64_t verspaetung = 0;

    Anbieterfenster() {
        auto zeitgeber = std::make_unique<VirtuelleUhr>();
        uhr = zeitgeber.get();
        fenster = std::make_unique<Hauptfenster>(
            Fensteroptionen{PELU_QUELLORDNER "/Peludaten.txt",
                            std::make_unique<Zufallsgenerator>(1), std::move(zeitgeber)});
    }
    // False with the reason in `fehler`.
    bool Bereit() {
        if (!fenster->Laden(&fehler) || !fenster->Anbieten(0, &fehler)) return false;
        for (int i = 0; i < 4; ++i)
            fenster->Wahl().vsbSpieler(i)->setValue(5 + i);
        fenster->Elemente().chkTurbo->click();
        return true;
    }
    netz::Angebot& Angebot() { return *fenster->Angebot(); }
    // One game from the start button until both timers are off, the event
    // loop served and `nachTakt` run after every tick; its virtual ms. In
    // real time every tick waits for its moment, serving the event loop.
    template <class Haken> int64_t Spielen(bool echtzeit, Haken&& nachTakt) {
        const int64_t start = uhr->Jetzt();
        QElapsedTimer wirklich;
        wirklich.start();
        fenster->Elemente().cmdStart->click();
        for (VirtuelleUhr::Takt takt; (takt = uhr->Weiter()) != VirtuelleUhr::Takt::Keiner;) {
            if (echtzeit) {
                const int64_t moment = uhr->Jetzt() - start;
                if (const int64_t frueh = moment - wirklich.elapsed(); frueh > 0)
                    Bedienen(static_cast<int>(frueh));
                verspaetung = std::max<int64_t>(verspaetung, wirklich.elapsed() - moment);
            }
            if (takt == VirtuelleUhr::Takt::Programm) fenster->ProgrammTakt();
            if (takt == VirtuelleUhr::Takt::Fahren) fenster->FahrTakt();
            QCoreApplication::processEvents();
            nachTakt();
        }
        return uhr->Jetzt() - start;
    }
};

// The shipped program joined as players 1..n, on Qt's offscreen platform, from
// the folder of the shipped data file; killed at the end.
struct Gastprogramme {
    std::vector<std::unique_ptr<QProcess>> programme;

    // Empty once all have joined `angebot`, else why not.
    QString Beitreten(netz::Angebot& angebot, int anzahl) {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        for (int spieler = 1; spieler <= anzahl; ++spieler) {
            auto programm = std::make_unique<QProcess>();
            programm->setProcessEnvironment(umgebung);
            programm->setWorkingDirectory(QStringLiteral(PELU_QUELLORDNER));
            programm->setStandardOutputFile(QProcess::nullDevice());
            programm->start(QStringLiteral(PELU_FENSTERPROGRAMM),
                            {QStringLiteral("--beitreten"),
                             QStringLiteral("127.0.0.1:%1").arg(angebot.Port()),
                             QStringLiteral("--code"), angebot.Code(), QStringLiteral("--als"),
                             QString::number(spieler)});
            if (!programm->waitForStarted(30000))
                return QStringLiteral("cannot start ") + QStringLiteral(PELU_FENSTERPROGRAMM);
            programme.push_back(std::move(programm));
        }
        QElapsedTimer uhr;
        uhr.start();
        while (angebot.Gastzahl() < anzahl) {
            for (const auto& p : programme)
                if (p->state() == QProcess::NotRunning)
                    return QStringLiteral("a joined window ended: ") +
                           QString::fromLocal8Bit(p->readAllStandardError()).trimmed();
            if (uhr.elapsed() > 60000)
                return QStringLiteral("%1 of %2 joined within 60 s")
                    .arg(angebot.Gastzahl())
                    .arg(anzahl);
            Bedienen(20);
        }
        return {};
    }
    bool Laufen() const {
        return std::all_of(programme.begin(), programme.end(),
                           [](const auto& p) { return p->state() == QProcess::Running; });
    }
    std::vector<double> CpuMs() const {
        std::vector<double> ms;
        for (const auto& p : programme)
            ms.push_back(FremdCpuMs(p->processId()));
        return ms;
    }
    // Serves the offering side until the joined windows' CPU time has stood
    // still for 300 ms: they have drawn all they were sent. The real ms
    // until it last rose, to 50 ms.
    double Abwarten() {
        QElapsedTimer uhr;
        uhr.start();
        std::vector<double> vorher = CpuMs();
        qint64 zuletzt = 0;
        while (uhr.elapsed() - zuletzt < 300 && uhr.elapsed() < 120000) {
            Bedienen(50);
            if (const std::vector<double> jetzt = CpuMs(); jetzt != vorher) {
                vorher = jetzt;
                zuletzt = uhr.elapsed();
            }
        }
        return static_cast<double>(zuletzt);
    }
    ~Gastprogramme() {
        for (const auto& p : programme) {
            p->kill();
            p->waitForFinished(5000);
        }
    }
};

// Four computers play whole games in the offering window while `range(0)`
// shipped programs are joined to it: on the virtual clock as fast as the
// offering window can, or in real time, where both sides sleep between ticks
// as the program does (waking costs more than a tick's work) and the joined
// windows draw every tick on its own instead of a burst of them at once.
void Spielrunden(benchmark::State& state, bool echtzeit) {
    Anbieterfenster wirt;
    if (!wirt.Bereit()) return state.SkipWithError(wirt.fehler.toStdString().c_str());
    const int anzahl = static_cast<int>(state.range(0));
    Gastprogramme gaeste;
    if (const QString grund = gaeste.Beitreten(wirt.Angebot(), anzahl); !grund.isEmpty())
        return state.SkipWithError(grund.toStdString().c_str());
    gaeste.Abwarten();
    const std::vector<double> gastVorher = gaeste.CpuMs();
    double cpu = 0;
    int64_t virtuell = 0;
    int sitzend = anzahl, verloren = 0;
    for (auto _ : state) {
        const double vorher = CpuMs(CLOCK_PROCESS_CPUTIME_ID);
        virtuell += wirt.Spielen(echtzeit, [&] {
            // A joined window that cannot keep up is dropped, and joins again.
            const int jetzt = wirt.Angebot().Gastzahl();
            verloren += std::max(0, sitzend - jetzt);
            sitzend = jetzt;
        });
        cpu += CpuMs(CLOCK_PROCESS_CPUTIME_ID) - vorher;
    }
    const double nachlauf = gaeste.Abwarten();
    if (!gaeste.Laufen()) return state.SkipWithError("a joined window ended during the games");
    const double spiele = static_cast<double>(state.iterations());
    state.counters["Anbieter_CPU_ms_pro_Spiel"] = cpu / spiele;
    state.counters["Spieldauer_s"] = static_cast<double>(virtuell) / spiele / 1e3;
    // Of one core, while the game runs in real time (Turbo).
    state.counters["Anbieter_CPU_Anteil_Echtzeit_%"] = 100.0 * cpu / static_cast<double>(virtuell);
    if (echtzeit) state.counters["Takt_Verspaetung_max_ms"] = static_cast<double>(wirt.verspaetung);
    if (anzahl == 0) return;
    const std::vector<double> gastNachher = gaeste.CpuMs();
    double summe = 0, hoechstens = 0;
    for (size_t i = 0; i < gastNachher.size(); ++i) {
        const double ms = (gastNachher[i] - gastVorher[i]) / spiele;
        summe += ms;
        hoechstens = std::max(hoechstens, ms);
    }
    state.counters["Gast_CPU_ms_pro_Spiel"] = summe / anzahl;
    state.counters["Gast_CPU_ms_pro_Spiel_max"] = hoechstens;
    state.counters["Gast_CPU_Anteil_Echtzeit_%"] =
        100.0 * summe / anzahl * spiele / static_cast<double>(virtuell);
    // How long the joined windows still drew after the last game's end.
    state.counters["Gast_Nachlauf_ms"] = nachlauf;
    state.counters["Gaeste_verloren"] = verloren;
    state.counters["Gaeste_am_Ende"] = wirt.Angebot().Gastzahl();
}

void FensterMitGaesten(benchmark::State& state) {
    Spielrunden(state, false);
}
// One game, some four minutes long.
void FensterMitGaestenEchtzeit(benchmark::State& state) {
    Spielrunden(state, true);
}

} // namespace

BENCHMARK(FensterMitGaesten)->Arg(0)->Arg(4)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(FensterMitGaestenEchtzeit)->Arg(0)->Arg(4)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace pelu::test

int main(int argc, char** argv) {
    return pelu::test::QtBenchmarksLaufen<QApplication>(argc, argv);
}
