#pragma once
#include <cstdint>
#include <vector>

#include "board/Leinwand.h"

namespace pelu::test {

// A canvas on a pixel buffer; pixels outside it are dropped.
class Pixelleinwand : public Leinwand {
  public:
    static constexpr uint32_t Hintergrund = 0xFFFFC0;

    Pixelleinwand(int breite, int hoehe, uint32_t hintergrund = Hintergrund)
        : breite_(breite), hoehe_(hoehe), hintergrund_(hintergrund),
          pixel_(static_cast<size_t>(breite * hoehe), hintergrund) {}

    void Loeschen() override { pixel_.assign(pixel_.size(), hintergrund_); }

    void Linie(int x1, int y1, int x2, int y2, uint32_t farbe) override {
        const int dx = x2 > x1 ? x2 - x1 : x1 - x2;
        const int dy = y2 > y1 ? y1 - y2 : y2 - y1;
        const int schrittX = x1 < x2 ? 1 : -1;
        const int schrittY = y1 < y2 ? 1 : -1;
        int fehler = dx + dy;
        while (true) {
            Setzen(x1, y1, farbe);
            if (x1 == x2 && y1 == y2) break;
            const int doppelt = 2 * fehler;
            if (doppelt >= dy) {
                fehler += dy;
                x1 += schrittX;
            }
            if (doppelt <= dx) {
                fehler += dx;
                y1 += schrittY;
            }
        }
    }

    void Kreis(int cx, int cy, int r, uint32_t rand, uint32_t fuellung) override {
        const double aussen = (r + 0.5) * (r + 0.5);
        const double innen = r > 0 ? (r - 0.5) * (r - 0.5) : 0.0;
        for (int y = cy - r - 1; y <= cy + r + 1; ++y)
            for (int x = cx - r - 1; x <= cx + r + 1; ++x) {
                const double q = double(x - cx) * (x - cx) + double(y - cy) * (y - cy);
                if (q < innen)
                    Setzen(x, y, fuellung);
                else if (q < aussen)
                    Setzen(x, y, rand);
            }
    }

    uint32_t Farbe(int x, int y) const {
        return Drin(x, y) ? pixel_[static_cast<size_t>(y * breite_ + x)] : hintergrund_;
    }
    void Setzen(int x, int y, uint32_t farbe) {
        if (Drin(x, y)) pixel_[static_cast<size_t>(y * breite_ + x)] = farbe;
    }
    int Breite() const { return breite_; }
    int Hoehe() const { return hoehe_; }

  private:
    bool Drin(int x, int y) const { return x >= 0 && y >= 0 && x < breite_ && y < hoehe_; }

    int breite_;
    int hoehe_;
    uint32_t hintergrund_;
    std::vector<uint32_t> pixel_;
};

} // namespace pelu::test
