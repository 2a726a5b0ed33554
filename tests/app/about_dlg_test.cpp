// The program's icon as the window, the About box and the desktop show it, and the About box's
// version beside the build's.
#include "app/about_dlg.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QRegularExpression>

#include "app/app_icons.h"
#include "app/main_frame.h"
#include "res/strings_app.h"
#include "res/version.h"
#include "tests/ui/screenshot.h"

namespace {

using testing_support::MaybeScreenshot;

QImage Rendered(int size) {
    return QImage(QStringLiteral("%1/data/icons/hicolor/%2x%2/apps/%3.png")
                      .arg(QString::fromLatin1(ZELKOR_BINARY_DIR))
                      .arg(size)
                      .arg(QString::fromLatin1(res::kAppId)))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// As a pixmap holds it, so that half-transparent edges compare exactly.
QImage Shown(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Each size the desktop gets is the one the program shows, pixel for pixel: the resource holds
// the files that are installed in the icon theme.
TEST(AppIcon, HoldsEveryInstalledSizeOfTheSameImage) {
    const QIcon icon = app::AppIcon();
    QList<int> sizes;
    for (const QSize& size : icon.availableSizes()) {
        EXPECT_EQ(size.width(), size.height());
        sizes.append(size.width());
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (QList<int>{16, 32, 48, 64, 128, 256}));
    for (int size : sizes) {
        const QImage installed = Rendered(size);
        ASSERT_FALSE(installed.isNull()) << size;
        EXPECT_EQ(Shown(icon.pixmap(QSize(size, size), 1.0)), installed) << size;
    }
}

TEST(AppIcon, IsTheMainWindowsIcon) {
    app::CMainFrame frame;
    EXPECT_EQ(Shown(frame.windowIcon().pixmap(QSize(48, 48), 1.0)), Rendered(48));
}

TEST(AboutBox, ShowsTheIconAndTheVersionText) {
    app::CAboutDlg dialog;
    dialog.show();
    MaybeScreenshot(&dialog, "about_dlg");
    auto* pIcon = dialog.findChild<QLabel*>(QStringLiteral("aboutIcon"));
    ASSERT_NE(pIcon, nullptr);
    const QPixmap pixmap = pIcon->pixmap();
    EXPECT_EQ(Shown(pixmap), Rendered(qRound(32 * pixmap.devicePixelRatio())));
    auto* pVersion = dialog.findChild<QLabel*>(QStringLiteral("aboutVersion"));
    ASSERT_NE(pVersion, nullptr);
    EXPECT_EQ(pVersion->text(), QStringLiteral("VQ7100 Configuration Program Version 1.3"));
}

// The About box keeps its old text; a release that changes the version's first two numbers
// has to look at it again.
TEST(AboutBox, VersionTextNamesTheBuildsRelease) {
    const auto match = QRegularExpression(QStringLiteral("^(\\d+\\.\\d+)\\.\\d+$"))
                           .match(QString::fromLatin1(res::kVersion));
    ASSERT_TRUE(match.hasMatch()) << res::kVersion;
    EXPECT_TRUE(QString::fromLatin1(res::kAboutVersion)
                    .endsWith(QStringLiteral(" Version ") + match.captured(1)))
        << res::kAboutVersion << " against " << res::kVersion;
}

}  // namespace
