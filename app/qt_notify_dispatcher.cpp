#include "app/qt_notify_dispatcher.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace app {

CQtNotifyDispatcher::CQtNotifyDispatcher() : m_pPrevious(platform::SetNotifyDispatcher(this)) {}

CQtNotifyDispatcher::~CQtNotifyDispatcher() {
    platform::SetNotifyDispatcher(m_pPrevious);
}

void CQtNotifyDispatcher::Dispatch(std::function<void()> fn) {
    QCoreApplication* pApp = QCoreApplication::instance();
    if (pApp == nullptr) {
        return;
    }
    // Queued even on the user-interface thread: a post is never delivered inside its poster.
    QMetaObject::invokeMethod(pApp, std::move(fn), Qt::QueuedConnection);
}

}  // namespace app
