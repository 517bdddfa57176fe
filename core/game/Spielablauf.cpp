#include "game/Spiel.h"
#include "rules/Computerzug.h"
#include "rules/Zugausfuehrung.h"
#include "rules/Zugregeln.h"

namespace pelu {

void Spiel::ProgrammTakt() {
    if (!programmTimerAn_) return;
    const auto schluessel = programmSperre_.Betreten();
    if (!schluessel) return;
    Spielablauf();
}

void Spiel::Spielablauf() {
    switch (z_.Spielphase) {
    case Phase::Start: PhaseStart(); break;
    case Phase::Wuerfelleer: PhaseWuerfelleer(); break;
    case Phase::Wuerfeln: PhaseWuerfeln(); break;
    case Phase::WuerfelAnzeigezeit: PhaseWuerfelAnzeigezeit(); break;
    case Phase::WartenFigurwahl: PhaseWartenFigurwahl(); break;
    case Phase::Ziehen: PhaseZiehen(); break;
    case Phase::Putzen: PhasePutzen(); break;
    case Phase::NaechsterSpielzug: PhaseNaechsterSpielzug(); break;
    case Phase::Spielende: PhaseSpielende(); break;
    case Phase::Keine: break;
    }
}

void Spiel::PhaseStart() {
    ZeigeInfo(0, "Start");
    z_.Figur = {};
    z_.Fertig = {};
    z_.AktFarbe = 1;
    // Nothing of an earlier game, finished or cut off, carries over.
    a_ = Ablaufvariablen{};
    z_.Wurfzahl = 0;
    z_.Gewaehlt = 0;
    z_.Hilfsfigur = 0;
    z_.Blinken = false;
    LiesSpieler();
    FigurenAufstellen();
    for (int k = 1; k <= FarbAnzahl; ++k) {
        z_.Zugzahl[k] = 0;
        form_.RangSetzen(k, "");
    }
    gezeigteZugzahl_.fill(-1); // a new game shows every count afresh
    ZeigeZugzahl();
    for (int k = 1; k <= FarbAnzahl; ++k)
        form_.WuerfelVerstecken(k);
    if (Spielt(1)) {
        z_.AktSpieler = z_.Figur[LetzteFigur(1)].Spieler;
        z_.Wartezaehler = z_.Einstellung.Wartetakte;
        z_.Spielphase = Phase::Wuerfelleer;
    } else {
        z_.Spielphase = Phase::NaechsterSpielzug;
    }
}

void Spiel::PhaseWuerfelleer() {
    --z_.Wartezaehler;
    if (z_.Wartezaehler < 1) {
        form_.WuerfelZeichnen(z_.AktFarbe, 0);
        z_.Spielphase = Phase::Wuerfeln;
    }
}

void Spiel::PhaseWuerfeln() {
    // Nothing moves in this step: one picture of the table serves every rule.
    const Lagebild lage(z_.Figur);
    a_.Wurf = WuerfelWerfen(z_.AktFarbe, zufall_, lage);
    beobachter_->Gewuerfelt(z_.AktFarbe, a_.Wurf);
    ++z_.Wurfzahl;
    z_.Tempo = z_.Einstellung.Fahrschritt;
    const Zugmoeglichkeit zm = ZuegeErmitteln(z_.Figur, lage, z_.AktSpieler, a_.Wurf);
    a_.Schritte = zm.Schritte;
    a_.Ziele = zm.Ziele;
    if (!zm.Moeglich) {
        z_.Spielphase = Phase::NaechsterSpielzug;
        return;
    }
    z_.Hilfsfigur = 0;
    z_.Blinken = false;
    const Taktik& taktik = taktik_[static_cast<std::size_t>(z_.AktFarbe)];
    const int16_t wahl =
        ComputerFigur(z_.Figur, lage, a_.Ziele, taktik, z_.AktSpieler, a_.Wurf, z_.Wurfzahl);
    if (IstComputer(z_.AktSpieler)) {
        z_.AktFigur = wahl;
        z_.Wartezaehler = z_.Einstellung.Anzeigetakte;
        z_.Spielphase = Phase::WuerfelAnzeigezeit;
        OpferMarkieren(lage);
    } else {
        z_.Hilfsfigur = wahl;
        z_.Gewaehlt = 0;
        z_.Blinkzaehler = 0;
        z_.Spielphase = Phase::WartenFigurwahl;
        ZeigeInfo(z_.AktFarbe, "Wählen");
    }
    ++z_.Zugzahl[z_.AktFarbe];
}

void Spiel::OpferMarkieren(const Lagebild& lage) {
    a_.Heimschicken = HeimschickenMarkieren(z_.Figur, Heimschickbare(lage, z_.AktSpieler),
                                            z_.AktFigur, a_.Ziele[z_.AktFigur]);
}

void Spiel::PhaseWuerfelAnzeigezeit() {
    --z_.Wartezaehler;
    if (z_.Wartezaehler < 1) {
        z_.Spielphase = Phase::Ziehen;
        z_.Folgephase = Folge::Start;
    }
}

void Spiel::PhaseWartenFigurwahl() {
    if (z_.Gewaehlt > 0) {
        // A click without a preceding mouse move must not leave a blinking
        // proposal hidden for the rest of the game.
        if (z_.Blinken && z_.Hilfsfigur > 0) form_.FigurSichtbar(z_.Hilfsfigur, true);
        z_.AktFigur = z_.Gewaehlt;
        z_.Spielphase = Phase::Ziehen;
        z_.Folgephase = Folge::Start;
        OpferMarkieren(Lagebild(z_.Figur));
    } else if (z_.Blinken) {
        // Only the count modulo 3 matters; keeping it there avoids overflow.
        z_.Blinkzaehler = static_cast<int16_t>((z_.Blinkzaehler + 1) % 3);
        form_.FigurSichtbar(z_.Hilfsfigur, z_.Blinkzaehler != 0);
    }
}

void Spiel::PhaseZiehen() {
    switch (z_.Folgephase) {
    case Folge::Start:
        a_.Zugfeld = a_.Ziele[z_.AktFigur].Zielfeld;
        a_.Zugplatz = PlatzSuchen(z_.Figur, a_.Zugfeld);
        z_.Folgephase = Folge::WartenEndepos;
        FahrtStarten(z_.AktFigur, a_.Zugfeld, a_.Zugplatz);
        break;
    case Folge::WartenEndepos:
    case Folge::WartenEndeReorg:
    case Folge::Ende: break; // FahrtAngekommen moves the waits on
    case Folge::Endepos: {
        FigurSetzen(z_.Figur, daten_, z_.AktFigur, a_.Zugfeld, a_.Zugplatz, a_.Schritte);
        const int16_t vonFeld = fahrt_.VonFeld;
        const int16_t vonPlatz = fahrt_.VonPlatz;
        if (a_.Heimfigur > 0) {
            beobachter_->Heimgeschickt(z_.AktFigur, vonFeld, vonPlatz, a_.Zugfeld, a_.Zugplatz);
        } else {
            beobachter_->Gezogen(z_.AktFigur, vonFeld, vonPlatz, a_.Zugfeld, a_.Zugplatz);
        }
        a_.Nachrueckfigur = PlatzNachruecken(z_.Figur, vonFeld, vonPlatz);
        if (a_.Nachrueckfigur > 0) {
            a_.Zugfeld = vonFeld;
            a_.Zugplatz = vonPlatz;
            const auto n = z_.Figur[a_.Nachrueckfigur];
            beobachter_->Nachgerueckt(a_.Nachrueckfigur, vonFeld, n.Platz, vonPlatz);
            FahrtStarten(a_.Nachrueckfigur, a_.Zugfeld, a_.Zugplatz);
            n.Platz = a_.Zugplatz;
            z_.Folgephase = Folge::WartenEndeReorg;
        } else {
            z_.Spielphase = Phase::Putzen;
            z_.Folgephase = Folge::Ende;
        }
        break;
    }
    case Folge::EndeReorg:
        // The refilling figure's slot was written when its animation began.
        z_.Folgephase = Folge::Ende;
        z_.Spielphase = Phase::Putzen;
        break;
    }
}

void Spiel::PhasePutzen() {
    a_.Heimfigur = NaechsterHeimkehrer(a_.Heimschicken);
    if (a_.Heimfigur > 0) {
        z_.AktFigur = a_.Heimfigur;
        a_.Ziele[a_.Heimfigur].Zielfeld = z_.Figur[a_.Heimfigur].Heimfeld;
        z_.Tempo = static_cast<float>(2 * z_.Einstellung.Fahrschritt);
        z_.Spielphase = Phase::Ziehen;
        z_.Folgephase = Folge::Start;
    } else {
        z_.Spielphase = Phase::NaechsterSpielzug;
    }
}

void Spiel::PhaseNaechsterSpielzug() {
    z_.Wartezaehler = z_.Einstellung.Wartetakte;
    ZeigeInfo(0, "");
    form_.WuerfelVerstecken(z_.AktFarbe);
    if (a_.Wurf == 6) {
        if (z_.Wurfzahl != 3) {
            z_.Spielphase = Phase::Wuerfelleer;
            ZeigeZugzahl();
            return;
        }
        ZeigeInfo(z_.AktFarbe, " 3 mal 12");
        beobachter_->DreimalZwoelf(z_.AktFarbe);
        a_.Heimschicken = {};
        for (int f = ErsteFigur(z_.AktFarbe); f <= LetzteFigur(z_.AktFarbe); ++f) {
            const int16_t zustand = z_.Figur[f].Zustand;
            if (zustand == ZustandBank || zustand == ZustandStrecke) a_.Heimschicken.Hinzufuegen(f);
        }
        z_.Spielphase = Phase::Putzen;
        a_.Wurf = 0;
        z_.Wurfzahl = 0;
        ZeigeZugzahl();
        return;
    }
    z_.AktFarbe = static_cast<int16_t>(z_.AktFarbe % FarbAnzahl + 1);
    Rangfolge();
    if (Spielt(z_.AktFarbe)) {
        z_.Wurfzahl = 0;
        z_.AktSpieler = z_.Figur[LetzteFigur(z_.AktFarbe)].Spieler;
        a_.Wurf = 0;
        z_.Spielphase = Phase::Wuerfelleer;
    } else {
        z_.Spielphase = Phase::NaechsterSpielzug;
    }
    if (a_.Spielstand == Spielstand::AlleFertig) z_.Spielphase = Phase::Spielende;
    if (z_.Stopp) z_.Spielphase = Phase::Spielende;
    ZeigeZugzahl();
}

void Spiel::PhaseSpielende() {
    ProgrammTimer(false);
    ZeigeInfo(0, "Ende");
    Spielknoepfe(Knopfzustand::Ruhe);
    beobachter_->Spielende(z_.Zugzahl);
}

} // namespace pelu
