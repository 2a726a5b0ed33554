#include "app/app_icons.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "res/ids_app.h"

namespace app {

namespace {

QPixmap Canvas(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QIcon DrawnAppIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap = Canvas(size);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal s = size;
        QLinearGradient face(0, 0, 0, s);
        face.setColorAt(0, QColor(0x2f, 0x6d, 0xb5));
        face.setColorAt(1, QColor(0x1b, 0x41, 0x78));
        p.setPen(QPen(QColor(0x12, 0x2c, 0x52), s / 32.0));
        p.setBrush(face);
        p.drawRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.18, s * 0.18);
        // A burst of sine periods: the generator's many frequencies.
        QPainterPath wave;
        const int steps = 48;
        for (int i = 0; i <= steps; ++i) {
            const qreal x = s * 0.14 + s * 0.72 * i / steps;
            const qreal phase = 3.0 * 2.0 * 3.14159265 * i / steps;
            const qreal y = s * 0.5 - s * 0.26 * std::sin(phase) * (0.45 + 0.55 * i / steps);
            if (i == 0) {
                wave.moveTo(x, y);
            } else {
                wave.lineTo(x, y);
            }
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0xff, 0xd4, 0x5a), std::max(1.5, s / 14.0), Qt::SolidLine,
                      Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(wave);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
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
    static const QIcon icon = DrawnAppIcon();
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
