#include "Wuerfelquelle.h"

Wuerfelquelle::Wuerfelquelle(uint64_t saat, const std::vector<int>* liste)
    : strom_(saat), liste_(liste) {}

float Wuerfelquelle::Rnd() {
    if (liste_ == nullptr) return strom_.Rnd();
    if (naechster_ >= liste_->size()) {
        aufgebraucht_ = true;
        return 0.0f;
    }
    // The middle of the face's sixth of [0, 1): Int(6 r + 1) gives the face.
    return (static_cast<float>((*liste_)[naechster_++]) - 0.5f) / 6.0f;
}
