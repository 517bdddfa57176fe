#include "harness/Skriptwuerfel.h"

#include "rules/Wurf.h"

namespace pelu {

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

void Skriptwuerfel::Augen(const std::vector<int>& augen) {
    std::vector<float> zahlen;
    zahlen.reserve(augen.size());
    for (const int w : augen)
        zahlen.push_back((static_cast<float>(w) - 0.5f) / 6.0f);
    Zahlen(zahlen);
}

void Skriptwuerfel::Zahlen(const std::vector<float>& zahlen) {
    geskriptet_ = true;
    skript_ = zahlen;
    naechster_ = 0;
    erschoepft_ = false;
}

void Skriptwuerfel::NeuesSpiel(int nummer) {
    if (!geskriptet_) strom_ = Zufallsgenerator(Spielsaat(saat_, nummer));
    gezogen_ = {};
}

float Skriptwuerfel::Rnd() {
    ++versuche_;
    float r = 0.0f;
    if (!geskriptet_) {
        r = strom_.Rnd();
    } else if (naechster_ < skript_.size()) {
        r = skript_[naechster_++];
    } else {
        erschoepft_ = true;
        return r;
    }
    ++gezogen_[static_cast<std::size_t>(Augenzahl(r))]; // a face 1..6, strays too
    return r;
}

} // namespace pelu
