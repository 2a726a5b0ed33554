// Icons: the program's own from its resources; for the commands, the desktop's icon theme where it
// has one and drawn fallbacks where it has none.
#pragma once

#include <QIcon>

namespace app {

// The program's own icon (the About box and the window).
QIcon AppIcon();
// The toolbar icon of a command id of the frame.
QIcon CommandIcon(int nID);
// Points Qt at an installed icon theme when the desktop names none (offscreen, bare X servers).
void UseInstalledIconTheme();

}  // namespace app
