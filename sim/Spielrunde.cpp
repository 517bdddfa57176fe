#include "Spielrunde.h"

#include <chrono>
#include <cstddef>
#include <vector>

#include "game/KopflosesFormular.h"
#include "game/Spiel.h"
#include "game/Spielprotokoll.h"
#include "state/Zufall.h"

namespace {

using namespace pelu;

// Scripted dice. A draw past the end of the list gives some face and marks
// the list used up; the simulator then drops that roll and ends the game
// between ticks, so nothing unusual ever runs through the core.
class Wuerfelliste : public Zufallsquelle {
  public:
    explicit Wuerfelliste(std::vector<int> werte) : werte_(std::move(werte)) {}
    float Rnd() override {
        if (naechster_ >= werte_.size()) {
            aufgebraucht_ = true;
            return 0.0f;
        }
        // The middle of the value's sixth of [0, 1): Int(6 r + 1) gives the value.
        return (static_cast<float>(werte_[naechster_++]) - 0.5f) / 6.0f;
    }
    bool Aufgebraucht() const { return aufgebraucht_; }

  private:
    std::vector<int> werte_;
    std::size_t naechster_ = 0;
    bool aufgebraucht_ = false;
};

// Counts what the summary needs and writes the trace when asked to.
class Zaehler : public Spielprotokoll {
  public:
    explicit Zaehler(const Wuerfelliste& liste) : liste_(liste) {}
    bool schreiben = false;
    int64_t wuerfe = 0; // in the current game
    int64_t zuege = 0;
    std::array<int16_t, 5> platz{};

    void NeuesSpiel() {
        wuerfe = 0;
        zuege = 0;
        platz = {};
    }
    void Gewuerfelt(int farbe, int16_t wert) override {
        // A roll whose tries ran past the scripted dice never happened.
        if (liste_.Aufgebraucht()) return;
        ++wuerfe;
        if (schreiben) Spielprotokoll::Gewuerfelt(farbe, wert);
    }
    void Gezogen(int figur, int16_t vf, int16_t vp, int16_t zf, int16_t zp) override {
        ++zuege;
        if (schreiben) Spielprotokoll::Gezogen(figur, vf, vp, zf, zp);
    }
    void Heimgeschickt(int figur, int16_t vf, int16_t vp, int16_t zf, int16_t zp) override {
        if (schreiben) Spielprotokoll::Heimgeschickt(figur, vf, vp, zf, zp);
    }
    void Nachgerueckt(int figur, int16_t feld, int16_t vp, int16_t zp) override {
        if (schreiben) Spielprotokoll::Nachgerueckt(figur, feld, vp, zp);
    }
    void DreimalZwoelf(int farbe) override {
        if (schreiben) Spielprotokoll::DreimalZwoelf(farbe);
    }
    void Rang(int farbe, int16_t rang) override {
        if (IstFarbe(farbe)) platz[farbe] = rang;
        if (schreiben) Spielprotokoll::Rang(farbe, rang);
    }
    void Spielende(const std::array<int16_t, FarbAnzahl + 1>& zugzahl) override {
        if (schreiben) Spielprotokoll::Spielende(zugzahl);
    }

  private:
    const Wuerfelliste& liste_;
};

void Ausschreiben(Zaehler& zaehler, std::FILE* ziel) {
    if (ziel == nullptr || zaehler.Text.empty()) return;
    std::fwrite(zaehler.Text.data(), 1, zaehler.Text.size(), ziel);
    zaehler.Text.clear();
}

class Fortschritt {
  public:
    Fortschritt(bool an, int gesamt) : an_(an), gesamt_(gesamt) {}
    void Melden(int gespielt) {
        if (!an_) return;
        const auto jetzt = std::chrono::steady_clock::now();
        if (jetzt - zuletzt_ < std::chrono::milliseconds(200)) return;
        zuletzt_ = jetzt;
        std::fprintf(stderr, "\rSpiel %d von %d", gespielt, gesamt_);
        std::fflush(stderr);
        gezeigt_ = true;
    }
    ~Fortschritt() {
        if (gezeigt_) std::fprintf(stderr, "\r\033[K");
    }

  private:
    bool an_;
    int gesamt_;
    bool gezeigt_ = false;
    std::chrono::steady_clock::time_point zuletzt_ = std::chrono::steady_clock::now();
};

} // namespace

Spielstatistik SpieleSpielen(const Tabellen& daten, const SpielenAuftrag& auftrag,
                             std::FILE* protokoll, bool fortschritt) {
    KopflosesFormular form;
    for (int c = 1; c <= FarbAnzahl; ++c)
        form.Spielerwerte[c] = auftrag.spieler[c - 1];
    Zufallsgenerator generator(auftrag.saat ? *auftrag.saat : UhrSaat());
    Wuerfelliste liste(auftrag.wuerfel ? *auftrag.wuerfel : std::vector<int>{});
    Zufallsquelle& quelle = auftrag.wuerfel ? static_cast<Zufallsquelle&>(liste)
                                            : static_cast<Zufallsquelle&>(generator);
    Spiel spiel(daten, form, quelle);
    Zaehler zaehler(liste);
    zaehler.schreiben = protokoll != nullptr;
    spiel.BeobachterSetzen(&zaehler);
    // Scripted dice start with the game's first draw: the start-up rolls
    // take their faces from elsewhere.
    spiel.Initialisierung(generator);
    if (auftrag.turbo) spiel.BefehlTurbo(true);

    Spielstatistik statistik;
    Fortschritt anzeige(fortschritt, auftrag.spiele);
    const Spielzustand& z = spiel.Zustand();
    const auto anfang = std::chrono::steady_clock::now();
    for (int n = 1; n <= auftrag.spiele; ++n) {
        zaehler.NeuesSpiel();
        if (zaehler.schreiben) zaehler.SpielBeginn(n);
        spiel.BefehlStart();
        bool abbruch = false;
        form.Uhr.LaufenImZeitraffer(spiel, [&](VirtuelleUhr::Takt) {
            if (liste.Aufgebraucht() ||
                (z.Spielphase == Phase::Wuerfeln && zaehler.wuerfe >= auftrag.maxWuerfe)) {
                abbruch = true;
                return false;
            }
            // A human player always takes the proposal.
            if (z.Spielphase == Phase::WartenFigurwahl && z.Gewaehlt == 0)
                spiel.KlickFigur(z.Hilfsfigur);
            return true;
        });
        if (abbruch) {
            if (zaehler.schreiben) zaehler.Abbruch();
            spiel.BefehlStopp(); // lets the next start cut the turn off
            ++statistik.abgebrochen;
        }
        Ausschreiben(zaehler, protokoll);
        ++statistik.spiele;
        statistik.wuerfe += zaehler.wuerfe;
        statistik.zuege += zaehler.zuege;
        for (int c = 1; c <= FarbAnzahl; ++c)
            ++statistik.plaetze[c][zaehler.platz[c] > 0 ? zaehler.platz[c] : 5];
        anzeige.Melden(n);
    }
    statistik.sekunden =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
    return statistik;
}
