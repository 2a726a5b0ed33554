#include "widgets/control_ids.h"

#include <QVariant>

namespace widgets {

void SetControlId(QWidget* pWidget, int nID, const QString& objectName) {
    pWidget->setProperty(res::kControlIdProperty, nID);
    pWidget->setObjectName(objectName.isEmpty() ? QString::number(nID) : objectName);
}

int ControlId(const QWidget* pWidget) {
    const QVariant id = pWidget->property(res::kControlIdProperty);
    return id.isValid() ? id.toInt() : -1;
}

QWidget* FindControl(const QWidget* pRoot, int nID) {
    for (QWidget* pChild : pRoot->findChildren<QWidget*>()) {
        if (ControlId(pChild) == nID) {
            return pChild;
        }
    }
    return nullptr;
}

}  // namespace widgets
