// Writes the default data file Peludaten.txt to stdout:
//   brettgenerator > Peludaten.txt
// The board is designed in pixels (Brettentwurf) and converted to the file's
// units so that the loader lands exactly on the designed pixels.
#include <cstdio>
#include <exception>
#include <iostream>
#include <sstream>

#include "Brettentwurf.h"
#include "Dateiwerte.h"
#include "Taktikentwurf.h"

namespace {

using namespace pelu::brett;

// Comment lines carry neither commas nor double quotes, so the field reader
// never mistakes a piece of them for a value or a section header.
const char* const Kopf =
    "' Pelu mit Tarro - data file of the standard board\n"
    "' Written by tools/brettgenerator. Change the generator and run it again\n"
    "' rather than editing this file by hand.\n"
    "'\n"
    "' Coordinates are relative to the board centre: one unit is 640/600 pixels\n"
    "' to the right and 480/330 pixels downwards.\n"
    "'\n"
    "' bilddaten - one line per field - number / size / four points x y / kind\n"
    "'   Fields 1 to 68 form the track and run counter-clockwise. Field 68 is the\n"
    "'   outer end of the left arm and fields 1 to 8 lead along its lower row\n"
    "'   towards the centre. Fields 69 to 96 are the lanes of colours 1 to 4\n"
    "'   (left - bottom - right - top arm). Their points are the corners in\n"
    "'   drawing order. Figures stand between the middles of the first and the\n"
    "'   third edge with slot 1 next to the first.\n"
    "'   Kind 1 to 4 - light colour of colour 1 to 4 (lanes and exit fields)\n"
    "'   kind 5 - yellow track field - kind 6 - brown bench.\n"
    "'   Fields 101 to 104 are the homes (size = radius of a place in pixels)\n"
    "'   and 105 to 108 the goals. Their points are the centres of four places.\n"
    "'   The number 0 ends the section.\n"
    "'\n"
    "' bankdaten - the twelve bench fields\n"
    "' taktikdaten - one line per pair of danger categories - category at the\n"
    "'   target / category at the current field / priority (smaller is better)\n"
    "\n";

std::string Bilddaten() {
    std::ostringstream aus;
    aus << "bilddaten:\n";
    for (const Feldsatz& f : BrettEntwerfen()) {
        aus << "DATA " << f.nummer << ", " << f.groesse;
        for (const Versatz& p : f.punkte)
            aus << ", " << DateiwertX(p.x) << ", " << DateiwertY(p.y);
        aus << ", " << f.art << "\n";
    }
    aus << "DATA 0\n\n";
    return aus.str();
}

std::string Bankdaten() {
    std::ostringstream aus;
    aus << "bankdaten:\n"
        << "' exit fields - turning fields - and one more bench in each arm\n";
    for (const auto& reihe : Bankfelder)
        aus << "DATA " << reihe[0] << ", " << reihe[1] << ", " << reihe[2] << ", " << reihe[3]
            << "\n";
    aus << "\n";
    return aus.str();
}

std::string Taktikdaten() {
    std::ostringstream aus;
    aus << "taktikdaten:\n"
        << "' priorities 1 to 16 lower the danger or keep a low one - 17 to 19 keep\n"
        << "' a high danger - 21 to 36 raise it (lane moves count 20 and 21)\n";
    for (const Taktikreihe& r : TaktikEntwerfen())
        aus << "DATA " << r[0] << ", " << r[1] << ", " << r[2] << "\n";
    return aus.str();
}

} // namespace

int main() {
    try {
        // Build everything first so a design error writes nothing at all.
        const std::string text = std::string(Kopf) + Bilddaten() + Bankdaten() + Taktikdaten();
        std::fwrite(text.data(), 1, text.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const std::exception& fehler) {
        std::cerr << "brettgenerator: " << fehler.what() << "\n";
        return 1;
    }
}
