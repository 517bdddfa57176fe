#pragma once

class QWidget;

namespace pelu {

// Under Wayland the toolkit draws the window's frame itself, with a
// maximise button even for a window of fixed size; a compositor that then
// maximises it demands the screen's size, which such a window cannot take,
// and ends the connection (so the program). A window of fixed size there
// gets no maximise button. Elsewhere (X11: the window manager's frame) and
// for a resizable window nothing changes. Before the window is shown.
void FesteGroesseSchuetzen(QWidget& fenster);

} // namespace pelu
