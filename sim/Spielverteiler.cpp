#include "Spielverteiler.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "Fortschritt.h"

namespace pelu {

namespace {

// Hands out game numbers and brings the results back into game order. A
// game may start only when its result has a free slot in a ring of fixed
// size, so finished games never pile up behind a slow one.
class Ablage {
  public:
    Ablage(int spiele, int plaetze)
        : spiele_(spiele), faecher_(static_cast<std::size_t>(plaetze)) {}

    // The next game to play, or 0 when all are handed out.
    int Nehmen() {
        std::unique_lock sperre(mutex_);
        frei_.wait(sperre,
                   [&] { return naechstes_ > spiele_ || naechstes_ <= abgeholt_ + Plaetze(); });
        return naechstes_ > spiele_ ? 0 : naechstes_++;
    }

    // Files game `nummer`'s result; `ergebnis` gets the slot's old buffers back.
    void Abgeben(int nummer, Spielergebnis& ergebnis) {
        std::lock_guard sperre(mutex_);
        Fach& fach = Fachvon(nummer);
        std::swap(fach.ergebnis, ergebnis);
        fach.voll = true;
        if (nummer == abgeholt_ + 1) fertig_.notify_one();
    }

    // Waits for game `nummer` (the one after the last fetched) and swaps its
    // result into `ergebnis`.
    void Abholen(int nummer, Spielergebnis& ergebnis) {
        std::unique_lock sperre(mutex_);
        Fach& fach = Fachvon(nummer);
        fertig_.wait(sperre, [&] { return fach.voll; });
        std::swap(fach.ergebnis, ergebnis);
        fach.voll = false;
        abgeholt_ = nummer;
        frei_.notify_all();
    }

  private:
    struct Fach {
        Spielergebnis ergebnis;
        bool voll = false;
    };
    int Plaetze() const { return static_cast<int>(faecher_.size()); }
    Fach& Fachvon(int nummer) {
        return faecher_[static_cast<std::size_t>((nummer - 1) % Plaetze())];
    }

    std::mutex mutex_;
    std::condition_variable frei_;
    std::condition_variable fertig_;
    const int spiele_;
    int naechstes_ = 1;
    int abgeholt_ = 0;
    std::vector<Fach> faecher_;
};

} // namespace

int Jobanzahl(int jobs) {
    if (jobs > 0) return jobs;
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

double SpieleVerteilen(const pelu::Tabellen& daten, const Tischvorgaben& vorgaben, int spiele,
                       int jobs, bool fortschritt, const Spielvorbereitung& vorbereitung,
                       const Spielabnahme& abnahme) {
    const auto anfang = std::chrono::steady_clock::now();
    Fortschritt anzeige(fortschritt, spiele);
    auto abnehmen = [&](int nummer, const Spielergebnis& ergebnis) {
        abnahme(nummer, ergebnis);
        anzeige.Melden(nummer);
    };
    auto sekunden = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
    };
    const int tische = std::min(Jobanzahl(jobs), spiele);
    Spielergebnis ergebnis;
    if (tische <= 1) {
        Zaehltisch tisch(daten, vorgaben);
        for (int nummer = 1; nummer <= spiele; ++nummer) {
            if (vorbereitung) vorbereitung(tisch.Spiel(), nummer);
            tisch.Spielen(nummer, ergebnis);
            abnehmen(nummer, ergebnis);
        }
        return sekunden();
    }
    Ablage ablage(spiele, 8 * tische);
    std::vector<std::jthread> arbeiter;
    for (int t = 0; t < tische; ++t) {
        arbeiter.emplace_back([&] {
            Zaehltisch tisch(daten, vorgaben);
            Spielergebnis eigenes;
            while (const int nummer = ablage.Nehmen()) {
                if (vorbereitung) vorbereitung(tisch.Spiel(), nummer);
                tisch.Spielen(nummer, eigenes);
                ablage.Abgeben(nummer, eigenes);
            }
        });
    }
    for (int nummer = 1; nummer <= spiele; ++nummer) {
        ablage.Abholen(nummer, ergebnis);
        abnehmen(nummer, ergebnis);
    }
    return sekunden();
}

} // namespace pelu
