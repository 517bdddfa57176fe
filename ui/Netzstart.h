#pragma once
#include "Netzbefehl.h"

namespace pelu {

class Hauptfenster;

// After the window has loaded: offers its game or joins another as the
// command line asks. Offering prints "anbieten PORT CODE" on stdout at
// once; a port that cannot be opened is told on stderr and gives 1 (the
// exit code). A join that fails is told on stderr and in a message box, and
// the program then ends with 1. Otherwise 0: the program goes on.
int NetzStarten(Hauptfenster& fenster, const Netzauftrag& auftrag);

} // namespace pelu
