#include "app/app_icons.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

#include "res/ids_app.h"

// The resource lives in a static library: nothing would pull its registration into the
// program unless it is named here (and Q_INIT_RESOURCE must be outside any namespace).
static void InitAppIconResource() {
    Q_INIT_RESOURCE(app_icon);
}

namespace app {

namespace {

QPixmap Canvas(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A simple drawn glyph for the few commands without a theme icon or a style icon.
QIcon DrawnCommandIcon(int nID) {
    QPixmap pixmap = Canvas(16);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = QApplication::palette().color(QPalette::WindowText);
    p.setPen(QPen(ink, 1.2));
    switch (nID) {
        case res::ID_EDIT_CUT:
            p.drawEllipse(QRectF(2.5, 10.5, 4, 4));
            p.drawEllipse(QRectF(9.5, 10.5, 4, 4));
            p.drawLine(QPointF(5.5, 10.5), QPointF(11, 1.5));
            p.drawLine(QPointF(10.5, 10.5), QPointF(5, 1.5));
            break;
        case res::ID_EDIT_COPY:
            p.setBrush(QApplication::palette().color(QPalette::Base));
            p.drawRect(QRectF(2.5, 1.5, 8, 10));
            p.drawRect(QRectF(5.5, 4.5, 8, 10));
            break;
        case res::ID_EDIT_PASTE:
            p.setBrush(QColor(0xc8, 0x9a, 0x5a));
            p.drawRect(QRectF(2.5, 2.5, 10, 12));
            p.setBrush(QApplication::palette().color(QPalette::Base));
            p.drawRect(QRectF(6.5, 6.5, 7, 8));
            p.drawRect(QRectF(5.5, 1.5, 4, 2));
            break;
        case res::ID_FILE_PRINT:
            p.setBrush(QApplication::palette().color(QPalette::Base));
            p.drawRect(QRectF(4.5, 1.5, 7, 5));
            p.setBrush(QApplication::palette().color(QPalette::Mid));
            p.drawRect(QRectF(1.5, 6.5, 13, 6));
            p.setBrush(QApplication::palette().color(QPalette::Base));
            p.drawRect(QRectF(4.5, 10.5, 7, 4));
            break;
        default:
            p.drawRect(QRectF(3.5, 1.5, 9, 13));
            break;
    }
    p.end();
    return QIcon(pixmap);
}

struct SCommandIcon {
    int nID;
    const char* themeName;
    QStyle::StandardPixmap fallback;  // SP_CustomBase: drawn instead
};

constexpr SCommandIcon kCommandIcons[] = {
    {res::ID_FILE_NEW, "document-new", QStyle::SP_FileIcon},
    {res::ID_FILE_OPEN, "document-open", QStyle::SP_DialogOpenButton},
    {res::ID_FILE_SAVE, "document-save", QStyle::SP_DialogSaveButton},
    {res::ID_EDIT_CUT, "edit-cut", QStyle::SP_CustomBase},
    {res::ID_EDIT_COPY, "edit-copy", QStyle::SP_CustomBase},
    {res::ID_EDIT_PASTE, "edit-paste", QStyle::SP_CustomBase},
    {res::ID_FILE_PRINT, "document-print", QStyle::SP_CustomBase},
    {res::ID_APP_ABOUT, "help-about", QStyle::SP_MessageBoxInformation},
};

}  // namespace

QIcon AppIcon() {
    static const QIcon icon = [] {
        InitAppIconResource();
        QIcon sizes;
        for (const QString& file :
             QDir(QStringLiteral(":/icons")).entryList({QStringLiteral("app-*.png")})) {
            sizes.addFile(QStringLiteral(":/icons/") + file);
        }
        return sizes;
    }();
    return icon;
}

QIcon CommandIcon(int nID) {
    for (const auto& entry : kCommandIcons) {
        if (entry.nID != nID) {
            continue;
        }
        const QIcon themed = QIcon::fromTheme(QString::fromLatin1(entry.themeName));
        if (!themed.isNull()) {
            return themed;
        }
        if (entry.fallback != QStyle::SP_CustomBase) {
            return QApplication::style()->standardIcon(entry.fallback);
        }
        return DrawnCommandIcon(nID);
    }
    return DrawnCommandIcon(nID);
}

void UseInstalledIconTheme() {
    if (!QIcon::themeName().isEmpty() && QIcon::themeName() != QLatin1String("hicolor")) {
        return;
    }
    for (const QString& base : QIcon::themeSearchPaths()) {
        for (const char* name : {"Adwaita", "breeze", "oxygen", "Tango"}) {
            if (QDir(base + QLatin1Char('/') + QLatin1String(name)).exists()) {
                QIcon::setThemeName(QLatin1String(name));
                return;
            }
        }
    }
}

}  // namespace app
