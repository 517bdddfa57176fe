// Playing over the network on the loopback address: what a game costs the
// offering window and its connections, and how soon a joined window's
// choice reaches the game. The offering side is the headless game with the
// offer on its form; joined windows are connections that draw what they
// receive on headless forms, in a thread of their own, so the offering
// side's CPU time is its own.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <atomic>

#include "../Qtbenchmark.h"
#include "Angebot.h"
#include "Beitritt.h"
#include "Bildspiegel.h"
#include "Wahlstand.h"
#include "data/Laden.h"
#include "game/Spiel.h"
#include "harness/KopflosesFormular.h"
#include "state/Zufall.h"

namespace pelu::test {

namespace {

// The offering window without its window.
struct Wirt {
    Tabellen daten = DatendateiLaden(PELU_QUELLORDNER "/Peludaten.txt");
    KopflosesFormular form;
    netz::Bildspiegel spiegel{form};
    Zufallsgenerator zufall{1};
    Spiel spiel{daten, spiegel, zufall};
    netz::Angebot angebot;
    int64_t zuege = 0;

    struct Zaehler : Spielbeobachter {
        int64_t& zuege;
        explicit Zaehler(int64_t& z) : zuege(z) {}
        void Gezogen(int, int16_t, int16_t, int16_t, int16_t) override { ++zuege; }
    } zaehler{zuege};

    explicit Wirt(std::array<int16_t, 4> spieler)
        : angebot(spiegel, {[this] { return &std::as_const(spiel); },
                            [this](int f) {
                                spiel.KlickFigur(f);
                                Nachfuehren();
                            },
                            [this] { spiel.BefehlHilfe(); },
                            [this](int f) {
                                spiel.MausUeberFigur(f);
                                Nachfuehren();
                            },
                            {}}) {
        for (int farbe = 1; farbe <= 4; ++farbe)
            form.Spielerwerte[static_cast<size_t>(farbe)] = spieler[static_cast<size_t>(farbe - 1)];
        spiel.Initialisierung();
        spiel.BefehlTurbo(true);
        spiel.BeobachterSetzen(&zaehler);
        angebot.Starten(0);
    }
    void Nachfuehren() { spiegel.WahlZeigen(netz::WahlstandVon(spiel)); }
    // A whole game, every tick as the window has it, the sockets served
    // after each; `nachTakt` acts between ticks.
    template <class Haken> void Spielen(Haken&& nachTakt) {
        spiel.BefehlStart();
        form.Uhr.Laufen(spiel, [&](VirtuelleUhr::Takt) {
            Nachfuehren();
            QCoreApplication::processEvents();
            nachTakt();
            return true;
        });
    }
};

// Joined windows in a thread of their own, counting what arrives.
struct Gaeste {
    QThread faden;
    std::vector<netz::Beitritt*> beitritte;
    std::vector<std::unique_ptr<KopflosesFormular>> formen;
    std::atomic<int64_t> nachrichten{0};
    std::atomic<int> verbunden{0};

    Gaeste(Wirt& wirt, int anzahl) {
        faden.start();
        for (int i = 0; i < anzahl; ++i) {
            formen.push_back(std::make_unique<KopflosesFormular>());
            auto* b = new netz::Beitritt(QStringLiteral("127.0.0.1"), wirt.angebot.Port(),
                                         wirt.angebot.Code(), i % 4 + 1);
            b->moveToThread(&faden);
            KopflosesFormular* form = formen.back().get();
            QObject::connect(b, &netz::Beitritt::Bild, b, [this, form](const netz::Nachricht& n) {
                netz::BildAnwenden(n, *form);
                ++nachrichten;
            });
            QObject::connect(b, &netz::Beitritt::Beigetreten, b, [this] { ++verbunden; });
            QMetaObject::invokeMethod(b, [b] { b->Verbinden(); });
            beitritte.push_back(b);
        }
        while (verbunden < anzahl)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    int64_t Bytes() {
        int64_t summe = 0;
        for (netz::Beitritt* b : beitritte)
            QMetaObject::invokeMethod(
                b, [b, &summe] { summe += b->EmpfangeneBytes(); }, Qt::BlockingQueuedConnection);
        return summe;
    }
    // Serves the offering side until the joined windows have had everything.
    void Abwarten() {
        int64_t vorher = -1;
        while (nachrichten != vorher) {
            vorher = nachrichten;
            for (int i = 0; i < 10; ++i) {
                QCoreApplication::processEvents();
                QThread::msleep(2);
            }
        }
    }
    ~Gaeste() {
        for (netz::Beitritt* b : beitritte)
            QMetaObject::invokeMethod(
                b, [b] { delete b; }, Qt::BlockingQueuedConnection);
        faden.quit();
        faden.wait();
    }
};

// Four computers play whole games while `range(0)` windows are joined.
void SpielMitGaesten(benchmark::State& state) {
    Wirt wirt({5, 6, 7, 8});
    const int anzahl = static_cast<int>(state.range(0));
    Gaeste gaeste(wirt, anzahl);
    double cpu = 0;
    int64_t virtuell = 0;
    for (auto _ : state) {
        const int64_t start = wirt.form.Uhr.Jetzt();
        const double vorher = CpuMs(CLOCK_THREAD_CPUTIME_ID);
        wirt.Spielen([] {});
        cpu += CpuMs(CLOCK_THREAD_CPUTIME_ID) - vorher;
        virtuell += wirt.form.Uhr.Jetzt() - start;
    }
    gaeste.Abwarten();
    const double spiele = static_cast<double>(state.iterations());
    state.counters["Anbieter_CPU_ms_pro_Spiel"] = cpu / spiele;
    // Of one core, while the game runs in real time (Turbo).
    state.counters["Anbieter_CPU_Anteil_Echtzeit_%"] = 100.0 * cpu / static_cast<double>(virtuell);
    if (anzahl > 0) {
        const double proFenster = spiele * anzahl;
        state.counters["Nachrichten_pro_Zug"] = static_cast<double>(gaeste.nachrichten) /
                                                proFenster /
                                                (static_cast<double>(wirt.zuege) / spiele);
        state.counters["Bytes_pro_Spiel"] = static_cast<double>(gaeste.Bytes()) / proFenster;
    }
}

// From a joined window's choice to the offering game holding it (the move
// starts at the game's next program tick, at most 50 ms later in Turbo).
void WahlBisZumSpiel(benchmark::State& state) {
    Wirt wirt({1, 5, 6, 7});
    netz::Beitritt gast(QStringLiteral("127.0.0.1"), wirt.angebot.Port(), wirt.angebot.Code(), 1);
    gast.Verbinden();
    while (!gast.Verbunden())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    std::vector<double> mikro;
    for (auto _ : state) {
        wirt.Spielen([&] {
            const netz::Wahlstand& stand = gast.Stand();
            if (stand.spieler != 1 || stand.figuren.empty()) return;
            QElapsedTimer uhr;
            uhr.start();
            gast.Waehlen(stand.figuren.front());
            while (wirt.spiel.Zustand().Gewaehlt == 0)
                QCoreApplication::processEvents();
            mikro.push_back(static_cast<double>(uhr.nsecsElapsed()) / 1e3);
        });
    }
    std::sort(mikro.begin(), mikro.end());
    if (mikro.empty()) return;
    state.counters["Wahlen"] = static_cast<double>(mikro.size());
    state.counters["Wahl_Median_us"] = mikro[mikro.size() / 2];
    state.counters["Wahl_99%_us"] = mikro[mikro.size() * 99 / 100];
    state.counters["Wahl_Max_us"] = mikro.back();
}

} // namespace

BENCHMARK(SpielMitGaesten)->Arg(0)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(WahlBisZumSpiel)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace pelu::test

int main(int argc, char** argv) {
    return pelu::test::QtBenchmarksLaufen<QCoreApplication>(argc, argv);
}
