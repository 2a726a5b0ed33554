// For looking at a window as a user sees it: with ZELKOR_SCREENSHOT_DIR set, a test saves the
// window it has built as NAME.png in that folder; without it, nothing is written.
#pragma once

#include <QString>
#include <QWidget>

namespace testing_support {

inline void MaybeScreenshot(QWidget* pWindow, const QString& name) {
    const QString folder = qEnvironmentVariable("ZELKOR_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        pWindow->grab().save(folder + "/" + name + ".png");
    }
}

}  // namespace testing_support
