#pragma once
#include <QWidget>

#include "Entwurf.h"

namespace pelu {

// The commands' keys: Ctrl+N start, Ctrl+E stop, H proposal, F1 rules,
// T Turbo, Ctrl+Q quit. Each clicks its control, so it runs the control's
// own handler, and only while the control is enabled. The tooltips name the
// key in brackets after their text.
void BefehlstastenAnlegen(QWidget& fenster, const Bedienelemente& e);

} // namespace pelu
