#pragma once
#include <bit>
#include <cstdint>

#include "state/Spielzustand.h"

namespace pelu {

// The number of bits set in `bits`. Without the processor's own instruction
// (which the common x86-64 baseline lacks) std::popcount is a library call;
// this is a dozen instructions inline instead.
constexpr int Bitzahl(uint32_t bits) {
#if defined(__POPCNT__)
    return std::popcount(bits);
#else
    bits -= (bits >> 1) & 0x55555555u;
    bits = (bits & 0x33333333u) + ((bits >> 2) & 0x33333333u);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0Fu;
    return static_cast<int>((bits * 0x01010101u) >> 24);
#endif
}

// A set of figures 1..16, such as the figures a move sends home. Numbers
// outside 1..16 are never members.
class Figurenmenge {
  public:
    Figurenmenge() = default;
    // From a word with bit f set for each member f (1..16); other bits are
    // not members.
    explicit Figurenmenge(uint32_t bits) : bits_(bits & AlleBits) {}

    // The four figures of colour `farbe` (1..4).
    static Figurenmenge DerFarbe(int farbe) {
        return Figurenmenge(IstFarbe(farbe) ? 0xFu << ErsteFigur(farbe) : 0u);
    }

    void Hinzufuegen(int figur) { bits_ |= Bit(figur); }
    // Adds `figur` when `ja`; without a branch, for conditions that cannot
    // be foreseen figure by figure.
    void HinzufuegenFalls(int figur, bool ja) { bits_ |= ja ? Bit(figur) : 0u; }
    bool Enthaelt(int figur) const { return (bits_ & Bit(figur)) != 0; }
    bool Leer() const { return bits_ == 0; }
    int Anzahl() const { return Bitzahl(bits_); }
    // Bit f set for each member f.
    uint32_t Bits() const { return bits_; }

    // The lowest-numbered member, taken out of the set; 0 when it is empty.
    int16_t ErsteNehmen() {
        if (bits_ == 0) return 0;
        const auto figur = static_cast<int16_t>(std::countr_zero(bits_));
        bits_ &= bits_ - 1;
        return figur;
    }

    Figurenmenge Und(const Figurenmenge& andere) const {
        return Figurenmenge(bits_ & andere.bits_);
    }
    Figurenmenge Ohne(const Figurenmenge& andere) const {
        return Figurenmenge(bits_ & ~andere.bits_);
    }

    // Whether `pruefen(figur)` holds for some member; asks in ascending order
    // and stops at the first that does.
    template <class Pruefen> bool Irgendeins(Pruefen&& pruefen) const {
        for (uint32_t rest = bits_; rest != 0; rest &= rest - 1)
            if (pruefen(static_cast<int16_t>(std::countr_zero(rest)))) return true;
        return false;
    }

    // Calls `tun(figur)` for every member, ascending.
    template <class Tun> void FuerJedes(Tun&& tun) const {
        for (uint32_t rest = bits_; rest != 0; rest &= rest - 1)
            tun(static_cast<int16_t>(std::countr_zero(rest)));
    }

    bool operator==(const Figurenmenge&) const = default;

  private:
    static constexpr uint32_t AlleBits = 0x1FFFEu; // bits 1..16
    static uint32_t Bit(int figur) { return IstFigur(figur) ? 1u << figur : 0u; }

    uint32_t bits_ = 0; // bit f for figure f
};

} // namespace pelu
