#include "Wuerfelquelle.h"

#include "rules/Wurf.h"

namespace {

// One step of splitmix64: a bijection that scatters neighbouring inputs.
uint64_t Mischen(uint64_t x) {
    x += 0x9E3779B97F4A7C15u;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
    return x ^ (x >> 31);
}

} // namespace

uint64_t Spielsaat(uint64_t saat, int nummer) {
    return Mischen(Mischen(saat) ^ static_cast<uint64_t>(nummer));
}

Wuerfelquelle::Wuerfelquelle(uint64_t saat, const std::vector<int>* liste)
    : saat_(saat), strom_(saat), liste_(liste) {}

void Wuerfelquelle::NeuesSpiel(int nummer) {
    strom_ = pelu::Zufallsgenerator(Spielsaat(saat_, nummer));
    gezogen_ = {};
}

float Wuerfelquelle::Rnd() {
    float r = 0.0f;
    if (liste_ == nullptr) {
        r = strom_.Rnd();
    } else if (naechster_ < liste_->size()) {
        // The middle of the face's sixth of [0, 1): Int(6 r + 1) gives the face.
        r = (static_cast<float>((*liste_)[naechster_++]) - 0.5f) / 6.0f;
    } else {
        aufgebraucht_ = true;
        return r;
    }
    ++gezogen_[static_cast<std::size_t>(pelu::Augenzahl(r))];
    return r;
}
