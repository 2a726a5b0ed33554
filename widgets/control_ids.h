// Every control carries its numeric id, so that code and tests find control 1013 by its number
// as the old dialog templates did.
#pragma once

#include <QString>
#include <QWidget>

#include "res/ids_controls.h"

namespace widgets {

// Gives the widget its id and an object name: the one given, or else the id itself as text.
void SetControlId(QWidget* pWidget, int nID, const QString& objectName = {});
int ControlId(const QWidget* pWidget);
// The first descendant of pRoot with that id, or nullptr.
QWidget* FindControl(const QWidget* pRoot, int nID);

template <typename T>
T* FindControlAs(const QWidget* pRoot, int nID) {
    return qobject_cast<T*>(FindControl(pRoot, nID));
}

}  // namespace widgets
