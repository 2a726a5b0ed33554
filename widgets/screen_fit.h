// Windows that keep to the screen: a size bounded by the screen the window is on, its frame
// included, so that nothing of it (a status bar, an OK button) is placed off the screen.
#pragma once

#include <QSize>

class QWidget;

namespace widgets {

// The size, no larger than what the screen of pWindow leaves for a window of its frame.
QSize BoundedToScreen(const QWidget* pWindow, QSize size);

}  // namespace widgets
