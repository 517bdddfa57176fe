#include "support/Skriptwuerfel.h"

namespace pelutest {

void Skriptwuerfel::Augen(const std::vector<int>& augen) {
    zahlen_.clear();
    for (const int w : augen)
        zahlen_.push_back((static_cast<float>(w) - 0.5f) / 6.0f);
    erschoepft_ = false;
}

void Skriptwuerfel::Zahlen(const std::vector<float>& zahlen) {
    zahlen_.assign(zahlen.begin(), zahlen.end());
    erschoepft_ = false;
}

float Skriptwuerfel::Rnd() {
    ++gezogen_;
    if (zahlen_.empty()) {
        erschoepft_ = true;
        return 0.0f;
    }
    const float r = zahlen_.front();
    zahlen_.pop_front();
    return r;
}

} // namespace pelutest
