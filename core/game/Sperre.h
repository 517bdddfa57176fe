#pragma once
#include <optional>

namespace pelu {

// Keeps a timer handler from starting a second step while its step runs.
// Betreten gives a key while no step runs, nothing while one does; the step
// runs as long as the key lives, however it is left.
class Sperre {
  public:
    class Schluessel {
      public:
        explicit Schluessel(Sperre& sperre) : sperre_(&sperre) { sperre_->belegt_ = true; }
        Schluessel(Schluessel&& anderer) noexcept : sperre_(anderer.sperre_) {
            anderer.sperre_ = nullptr;
        }
        Schluessel(const Schluessel&) = delete;
        Schluessel& operator=(const Schluessel&) = delete;
        Schluessel& operator=(Schluessel&&) = delete;
        ~Schluessel() {
            if (sperre_ != nullptr) sperre_->belegt_ = false;
        }

      private:
        Sperre* sperre_;
    };

    std::optional<Schluessel> Betreten() {
        if (belegt_) return std::nullopt;
        return std::optional<Schluessel>(std::in_place, *this);
    }
    bool Belegt() const { return belegt_; }

  private:
    bool belegt_ = false;
};

} // namespace pelu
