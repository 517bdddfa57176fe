#include "Bildspiegel.h"

#include <algorithm>
#include <iterator>
#include <type_traits>

namespace pelu::netz {

namespace {

std::string Kopie(std::string_view s) {
    return std::string(s);
}

bool Gueltig(int nummer, int anzahl) {
    return nummer >= 1 && nummer <= anzahl;
}

size_t Index(int nummer) {
    return static_cast<size_t>(nummer - 1);
}

// Each picture message on the form it draws.
struct Anwender {
    Formular& f;
    bool operator()(const Info& n) {
        f.InfoSetzen(n.text, static_cast<int16_t>(n.textfarbe));
        return true;
    }
    bool operator()(const Zuganzeige& n) {
        f.ZuganzeigeSetzen(n.farbe, n.text, static_cast<int16_t>(n.hintergrund),
                           static_cast<int16_t>(n.textfarbe));
        return true;
    }
    bool operator()(const Rang& n) {
        f.RangSetzen(n.farbe, n.text);
        return true;
    }
    bool operator()(const Wuerfel& n) {
        if (n.wert < 0)
            f.WuerfelVerstecken(n.farbe);
        else
            f.WuerfelZeichnen(n.farbe, static_cast<int16_t>(n.wert));
        return true;
    }
    bool operator()(const netz::FigurSichtbar& n) {
        f.FigurSichtbar(n.figur, n.sichtbar);
        return true;
    }
    bool operator()(const FigurOrt& n) {
        f.FigurBewegen(n.figur, n.links, n.oben);
        return true;
    }
    bool operator()(const FigurVorn& n) {
        f.FigurNachVorn(n.figur);
        return true;
    }
    bool operator()(const Knoepfe& n) {
        f.Spielknoepfe(static_cast<Knopfzustand>(n.zustand));
        return true;
    }
    template <class Andere> bool operator()(const Andere&) { return false; }
};

} // namespace

std::vector<Nachricht> Bildspiegel::Gesamtbild() const {
    std::vector<Nachricht> bild;
    auto dazu = [&bild](const auto& eintrag) {
        if (eintrag) bild.push_back(*eintrag);
    };
    dazu(brett_);
    dazu(info_);
    for (size_t i = 0; i < 4; ++i) {
        dazu(zuganzeige_[i]);
        dazu(rang_[i]);
        dazu(wuerfel_[i]);
    }
    for (size_t i = 0; i < 16; ++i) {
        dazu(ort_[i]);
        dazu(sichtbar_[i]);
    }
    for (int f : vorn_)
        bild.push_back(FigurVorn{f});
    dazu(knoepfe_);
    bild.push_back(zuteilung_);
    bild.push_back(Turbo{turbo_});
    bild.push_back(wahl_);
    return bild;
}

static_assert(std::extent_v<decltype(Tabellen::Bilddaten), 0> == Brett::Zeilen &&
              std::extent_v<decltype(Tabellen::Bilddaten), 1> == Brett::Spalten);

void Bildspiegel::BrettZeigen(const Tabellen& daten) {
    Brett brett;
    for (const auto& zeile : daten.Bilddaten)
        std::copy(std::begin(zeile), std::end(zeile), brett.bilddaten.emplace_back().begin());
    if (brett_ == brett) return;
    brett_ = std::move(brett);
    Melden(*brett_);
}

void Bildspiegel::ZuteilungNachlesen() {
    Zuteilung neu{zuteilung_.offen, {}};
    for (int farbe = 1; farbe <= 4; ++farbe)
        neu.werte[Index(farbe)] = innen_.Spielerwert(farbe);
    if (neu.werte == zuteilung_.werte) return;
    zuteilung_ = neu;
    Melden(zuteilung_);
}

void Bildspiegel::TurboZeigen(bool an) {
    if (an == turbo_) return;
    turbo_ = an;
    Melden(Turbo{an});
}

void Bildspiegel::WahlZeigen(const Wahlstand& stand) {
    if (stand.spieler == wahl_.spieler && stand.farbe == wahl_.farbe &&
        stand.vorschlag == wahl_.vorschlag && stand.figuren == wahl_.figuren)
        return;
    wahl_ = stand;
    Melden(wahl_);
}

void Bildspiegel::InfoSetzen(std::string_view text, int16_t textfarbe) {
    innen_.InfoSetzen(text, textfarbe);
    info_ = Info{Kopie(text), textfarbe};
    Melden(*info_);
}

void Bildspiegel::ZuganzeigeSetzen(int farbe, std::string_view text, int16_t hintergrund,
                                   int16_t textfarbe) {
    innen_.ZuganzeigeSetzen(farbe, text, hintergrund, textfarbe);
    if (!Gueltig(farbe, 4)) return;
    zuganzeige_[Index(farbe)] = Zuganzeige{farbe, Kopie(text), hintergrund, textfarbe};
    Melden(*zuganzeige_[Index(farbe)]);
}

void Bildspiegel::RangSetzen(int farbe, std::string_view text) {
    innen_.RangSetzen(farbe, text);
    if (!Gueltig(farbe, 4)) return;
    rang_[Index(farbe)] = Rang{farbe, Kopie(text)};
    Melden(*rang_[Index(farbe)]);
}

void Bildspiegel::WuerfelZeichnen(int farbe, int16_t wert) {
    innen_.WuerfelZeichnen(farbe, wert);
    if (!Gueltig(farbe, 4)) return;
    wuerfel_[Index(farbe)] = Wuerfel{farbe, wert};
    Melden(*wuerfel_[Index(farbe)]);
}

void Bildspiegel::WuerfelVerstecken(int farbe) {
    innen_.WuerfelVerstecken(farbe);
    if (!Gueltig(farbe, 4)) return;
    wuerfel_[Index(farbe)] = Wuerfel{farbe, -1};
    Melden(*wuerfel_[Index(farbe)]);
}

void Bildspiegel::FigurSichtbar(int figur, bool sichtbar) {
    innen_.FigurSichtbar(figur, sichtbar);
    if (!Gueltig(figur, 16)) return;
    sichtbar_[Index(figur)] = netz::FigurSichtbar{figur, sichtbar};
    Melden(*sichtbar_[Index(figur)]);
}

void Bildspiegel::FigurBewegen(int figur, float links, float oben) {
    innen_.FigurBewegen(figur, links, oben);
    if (!Gueltig(figur, 16)) return;
    ort_[Index(figur)] = FigurOrt{figur, links, oben};
    Melden(*ort_[Index(figur)]);
}

void Bildspiegel::FigurNachVorn(int figur) {
    innen_.FigurNachVorn(figur);
    if (!Gueltig(figur, 16)) return;
    std::erase(vorn_, figur);
    vorn_.push_back(figur);
    Melden(FigurVorn{figur});
}

void Bildspiegel::Spielknoepfe(Knopfzustand zustand) {
    innen_.Spielknoepfe(zustand);
    knoepfe_ = Knoepfe{static_cast<int>(zustand)};
    Melden(*knoepfe_);
}

void Bildspiegel::SpielerwahlSichtbar(bool sichtbar) {
    innen_.SpielerwahlSichtbar(sichtbar);
    zuteilung_.offen = sichtbar;
    Melden(zuteilung_);
}

bool BildAnwenden(const Nachricht& nachricht, Formular& form) {
    return std::visit(Anwender{form}, nachricht);
}

} // namespace pelu::netz
