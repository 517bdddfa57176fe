#pragma once
#include <functional>
#include <optional>
#include <vector>

#include "Nachricht.h"
#include "game/Formular.h"
#include "state/Tabellen.h"

namespace pelu::netz {

// The form between the game and its window that also tells every call that
// changes the picture to whoever listens (the offering window's joined
// windows), and keeps the picture as it stands now, for a window that
// joins later. The timers and the scroll bars' values stay with the window.
class Bildspiegel : public Formular {
  public:
    explicit Bildspiegel(Formular& innen) : innen_(innen) {}

    // Hears every picture change from now on; an empty function stops it.
    void Zuhoerer(std::function<void(const Nachricht&)> zuhoerer) {
        zuhoerer_ = std::move(zuhoerer);
    }
    // The picture as it stands, as the messages that draw it on a window
    // made as this one was.
    std::vector<Nachricht> Gesamtbild() const;

    // What the window shows besides the form's calls.
    // The board drawn from `daten`'s field geometry.
    void BrettZeigen(const Tabellen& daten);
    // The scroll bars' values are read anew (after one of them has changed).
    void ZuteilungNachlesen();
    void TurboZeigen(bool an);
    void WahlZeigen(const Wahlstand& stand);

    void InfoSetzen(std::string_view text, int16_t textfarbe) override;
    void ZuganzeigeSetzen(int farbe, std::string_view text, int16_t hintergrund,
                          int16_t textfarbe) override;
    void RangSetzen(int farbe, std::string_view text) override;
    void WuerfelZeichnen(int farbe, int16_t wert) override;
    void WuerfelVerstecken(int farbe) override;
    void FigurSichtbar(int figur, bool sichtbar) override;
    void FigurBewegen(int figur, float links, float oben) override;
    void FigurNachVorn(int figur) override;
    void ProgrammTimerAn(bool an) override { innen_.ProgrammTimerAn(an); }
    void ProgrammTimerIntervall(int ms) override { innen_.ProgrammTimerIntervall(ms); }
    void FahrTimerAn(bool an) override { innen_.FahrTimerAn(an); }
    void Spielknoepfe(Knopfzustand zustand) override;
    void SpielerwahlSichtbar(bool sichtbar) override;
    int16_t Spielerwert(int farbe) override { return innen_.Spielerwert(farbe); }

  private:
    void Melden(const Nachricht& n) {
        if (zuhoerer_) zuhoerer_(n);
    }

    Formular& innen_;
    std::function<void(const Nachricht&)> zuhoerer_;
    std::optional<Brett> brett_;
    // The last of each kind of call; nothing while the design's state holds.
    std::optional<Info> info_;
    std::array<std::optional<Zuganzeige>, 4> zuganzeige_;
    std::array<std::optional<Rang>, 4> rang_;
    std::array<std::optional<Wuerfel>, 4> wuerfel_;
    std::array<std::optional<netz::FigurSichtbar>, 16> sichtbar_;
    std::array<std::optional<FigurOrt>, 16> ort_;
    std::vector<int> vorn_; // figures brought to the front, the latest last
    std::optional<Knoepfe> knoepfe_;
    Zuteilung zuteilung_;
    bool turbo_ = false;
    Wahlstand wahl_;
};

// Shows a picture message on a form; false for any other message.
bool BildAnwenden(const Nachricht& nachricht, Formular& form);

} // namespace pelu::netz
