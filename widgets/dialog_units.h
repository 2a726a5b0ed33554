// Dialog units: the old templates measure in quarters of the average character width and
// eighths of the font height, so a dialog keeps its proportions in any font.
#pragma once

#include <QFont>
#include <QFontMetricsF>

namespace widgets {

class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font) {
        const QFontMetricsF metrics(font);
        const QString alphabet =
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        m_dUnitX = metrics.horizontalAdvance(alphabet) / static_cast<double>(alphabet.size()) / 4;
        m_dUnitY = metrics.height() / 8;
    }

    int X(int units) const { return static_cast<int>(units * m_dUnitX + 0.5); }
    int Y(int units) const { return static_cast<int>(units * m_dUnitY + 0.5); }

private:
    double m_dUnitX;
    double m_dUnitY;
};

}  // namespace widgets
