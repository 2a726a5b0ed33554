#include "widgets/screen_fit.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace widgets {

QSize BoundedToScreen(const QWidget* pWindow, QSize size) {
    const QScreen* pScreen = pWindow->screen();
    if (pScreen == nullptr) {
        return size;
    }
    QSize decoration = pWindow->frameGeometry().size() - pWindow->geometry().size();
    if (!pWindow->isVisible()) {  // the window manager has not framed it yet
        const int border = pWindow->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        decoration = QSize(2 * border,
                           pWindow->style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border);
    }
    return size.boundedTo(pScreen->availableGeometry().size() - decoration);
}

}  // namespace widgets
