// Gives a widget the numeric id its control has always had, so that tests and later code find
// control N whatever the layout.
#pragma once

#include <QString>
#include <QWidget>

#include "res/ids_dialogs.h"

namespace editor {

inline void SetControlId(QWidget* pWidget, int nId) {
    pWidget->setProperty(res::kControlIdProperty, nId);
    pWidget->setObjectName(QStringLiteral("control_%1").arg(nId));
}

}  // namespace editor
