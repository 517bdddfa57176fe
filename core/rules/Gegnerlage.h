#pragma once
#include <array>
#include <cstdint>

#include "rules/Figurenspalte.h"
#include "rules/Lagebild.h"
#include "rules/Zugregeln.h"
#include "state/Figurenmenge.h"
#include "state/Spielzustand.h"
#include "state/Tabellen.h"

namespace pelu {

// The opponents of the moving player as every candidate move of one roll
// sees them. Rating the candidates changes no field, distance or player, so
// this is gathered once per roll instead of scanning the whole table again
// for every candidate.
//
// The hunters, the opponent figures on the track (benches included) that may
// threaten a field, are kept figure by figure (figure g at index g - 1), so
// that a threat can be looked for in all of them at once.
class Gegnerlage {
  public:
    Gegnerlage(const Figurentabelle& Figur, int16_t spieler);
    // The same from the table's picture taken before (`lage`, of `Figur`).
    Gegnerlage(const Figurentabelle& Figur, const Lagebild& lage, int16_t spieler);

    // Where each hunter stands.
    const std::array<int16_t, FigurAnzahl>& Jaegerfelder() const { return feld_; }
    // The steps each hunter can still go on the track before it turns into
    // its lane (at most the largest 16-bit number); -1 for a figure that is
    // no hunter, which therefore reaches nothing.
    const std::array<int16_t, FigurAnzahl>& Reichweiten() const { return reichweite_; }
    // Whether the player of figure `figur` still has a figure at home and
    // must spend a 5 on it.
    bool SpielerHatFigurImHaus(int figur) const { return imHaus_.Enthaelt(figur); }
    // Opponent figures a move passing over them would send home.
    const Figurenmenge& Opfer() const { return opfer_; }

  private:
    std::array<int16_t, FigurAnzahl> feld_{};
    std::array<int16_t, FigurAnzahl> reichweite_;
    Figurenmenge imHaus_;
    Figurenmenge opfer_;
};

// The figures with a target (the candidate moves), ascending.
class Kandidaten {
  public:
    explicit Kandidaten(const Zugziele& ziele) {
        Figurenmenge(Figurenspalte(ziele, &Zugziel::Zielfeld).Groesser(0))
            .FuerJedes([this](int16_t f) { figur_[anzahl_++] = f; });
    }
    const int16_t* begin() const { return figur_.data(); }
    const int16_t* end() const { return figur_.data() + anzahl_; }

  private:
    std::array<int16_t, FigurAnzahl> figur_; // only the first anzahl_ are set
    int anzahl_ = 0;
};

// Whether `feld` is one of the twelve bench fields.
bool IstBank(const Tabellen& daten, int feld);

// The bench fields of the track as a lookup table, for checks repeated
// within one roll.
class Bankfelder {
  public:
    explicit Bankfelder(const Tabellen& daten);
    bool Enthaelt(int feld) const {
        if (IstStreckenfeld(feld)) return strecke_[feld];
        return IstBank(*daten_, feld); // off the track: only a faulty table asks
    }

  private:
    const Tabellen* daten_;
    std::array<bool, Ringlaenge + 1> strecke_{};
};

// Lane, home and goal fields and benches carry no danger, whatever threatens
// them; there the threats need not be worked out at all.
inline bool OhneGefahr(const Bankfelder& baenke, int feld) {
    return feld > Ringlaenge || baenke.Enthaelt(feld);
}

} // namespace pelu
