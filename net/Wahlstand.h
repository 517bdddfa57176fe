#pragma once
#include "Nachricht.h"

namespace pelu {
class Spiel;
struct Wahllage;
} // namespace pelu

namespace pelu::netz {

// Who must choose now and what, as the joined windows are told.
Wahlstand WahlstandVon(const Spiel& spiel);
// What a joined window playing `spieler` may do with it: its choice is open
// only while that player must choose.
Wahllage WahllageFuer(const Wahlstand& stand, int spieler);
// A choice of `figur` by the window playing `spieler` passes the same check
// as a click, and it is that player's moment.
bool DarfWaehlen(const Spiel& spiel, int spieler, int figur);
bool DarfHilfe(const Spiel& spiel, int spieler);

} // namespace pelu::netz
