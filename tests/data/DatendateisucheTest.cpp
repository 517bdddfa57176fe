// Where the data file is looked for when none is named: the working
// directory first, then the installed data folder beside the program.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "data/Datendateisuche.h"
#include "data/Laden.h"

namespace pelu::test {

namespace {

namespace fs = std::filesystem;

enum class Eintrag { Nichts, Datei, Ordner };

// A working directory and an installed tree <prefix>/bin, made fresh.
struct Orte {
    Orte() {
        std::string muster = (fs::temp_directory_path() / "pelu-suche-XXXXXX").string();
        wurzel = mkdtemp(muster.data());
        fs::create_directories(wurzel / "arbeit");
        fs::create_directories(wurzel / "prefix" / "bin");
    }
    ~Orte() { fs::remove_all(wurzel); }
    std::string Pfad() const { return (wurzel / "arbeit").string() + "/"; }
    std::string Programm() const { return (wurzel / "prefix" / "bin").string(); }
    static void Anlegen(const fs::path& ort, Eintrag eintrag) {
        if (eintrag == Eintrag::Nichts) return;
        fs::create_directories(ort.parent_path());
        if (eintrag == Eintrag::Datei) std::ofstream(ort) << "bilddaten:\n";
        if (eintrag == Eintrag::Ordner) fs::create_directory(ort);
    }
    fs::path wurzel;
};

TEST(Datendateisuche, ArbeitsordnerZuerstDannDatenordner) {
    struct Fall {
        Eintrag hier, installiert;
        bool erwartetHier;
    };
    // Anything named Peludaten.txt in the working directory wins, so a broken
    // file (or a folder) there is reported as it was before installing.
    const Fall faelle[] = {{Eintrag::Datei, Eintrag::Datei, true},
                           {Eintrag::Datei, Eintrag::Nichts, true},
                           {Eintrag::Ordner, Eintrag::Datei, true},
                           {Eintrag::Nichts, Eintrag::Datei, false}};
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(static_cast<int>(fall.hier) * 10 + static_cast<int>(fall.installiert));
        const Orte orte;
        const std::string hier = orte.Pfad() + "Peludaten.txt";
        const std::string installiert = pelu::InstallierteDatendatei(orte.Programm());
        Orte::Anlegen(hier, fall.hier);
        Orte::Anlegen(installiert, fall.installiert);
        EXPECT_EQ(pelu::DatendateiSuchen(orte.Pfad(), orte.Programm()),
                  fall.erwartetHier ? hier : installiert);
    }
}

// The installed data lies under the program's prefix but outside its own
// folder, as a normalised path, so any prefix (or DESTDIR staging) works.
TEST(Datendateisuche, DatenordnerNebenDemProgrammordner) {
    const std::string datei = pelu::InstallierteDatendatei("/opt/spiel/bin");
    EXPECT_TRUE(datei.starts_with("/opt/spiel/")) << datei;
    EXPECT_FALSE(datei.starts_with("/opt/spiel/bin/")) << datei;
    EXPECT_TRUE(datei.ends_with("/Peludaten")) << datei;
    EXPECT_EQ(datei.find(".."), std::string::npos) << datei;
}

TEST(Datendateisuche, FehlerNenntBeideOrte) {
    const Orte orte;
    const std::string installiert = pelu::InstallierteDatendatei(orte.Programm());
    try {
        pelu::DatendateiSuchen(orte.Pfad(), orte.Programm());
        ADD_FAILURE() << "kein Ladefehler";
    } catch (const pelu::Ladefehler& fehler) {
        const std::string meldung = fehler.what();
        EXPECT_TRUE(meldung.starts_with(orte.Pfad() + "Peludaten.txt, Abschnitt \"bilddaten\": "))
            << meldung;
        EXPECT_NE(meldung.find("aktuellen Ordner"), std::string::npos) << meldung;
        EXPECT_NE(meldung.find("(" + installiert + ")"), std::string::npos) << meldung;
    }
}

} // namespace

} // namespace pelu::test
