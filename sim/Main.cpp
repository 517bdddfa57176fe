#include <iostream>
#include <string>
#include <vector>

#include "Argumente.h"
#include "Befehle.h"

namespace {

const char* const Hilfe = "Aufruf: pelu-sim BEFEHL [OPTIONEN]\n"
                          "\n"
                          "Befehle:\n"
                          "  pruefen   eine Datendatei laden und ihre Tabellen zeigen\n"
                          "  zuege     Zuege und Computerwahl fuer eine Stellung und einen Wurf\n"
                          "  spielen   ganze Spiele ohne Fenster spielen\n"
                          "  turnier   zwei Taktiktabellen gegeneinander spielen lassen\n"
                          "\n"
                          "pelu-sim BEFEHL --help zeigt die Optionen eines Befehls.\n";

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> argumente(argv + 1, argv + argc);
    if (argumente.empty()) {
        std::cerr << "pelu-sim: kein Befehl angegeben (pruefen, zuege, spielen, turnier)\n";
        return 2;
    }
    const std::string befehl = argumente.front();
    argumente.erase(argumente.begin());
    if (pelu::simarg::IstHilfe(befehl) || befehl == "hilfe") {
        std::cout << Hilfe;
        return 0;
    }
    if (befehl == "pruefen") return pelu::BefehlPruefen(argumente);
    if (befehl == "zuege") return pelu::BefehlZuege(argumente);
    if (befehl == "spielen") return pelu::BefehlSpielen(argumente);
    if (befehl == "turnier") return pelu::BefehlTurnier(argumente);
    std::cerr << "pelu-sim: unbekannter Befehl '" << befehl
              << "' (pruefen, zuege, spielen, turnier)\n";
    return 2;
}
