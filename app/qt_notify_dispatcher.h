// Delivers posted notifications on the Qt user-interface thread.
//
// Threads: Dispatch from any thread; what it is given runs later on the thread of qApp.
#pragma once

#include "platform/notify.h"

namespace app {

class CQtNotifyDispatcher : public platform::INotifyDispatcher {
public:
    // Installs itself for its lifetime. Needs a QApplication.
    CQtNotifyDispatcher();
    ~CQtNotifyDispatcher() override;
    CQtNotifyDispatcher(const CQtNotifyDispatcher&) = delete;
    CQtNotifyDispatcher& operator=(const CQtNotifyDispatcher&) = delete;

    void Dispatch(std::function<void()> fn) override;

private:
    platform::INotifyDispatcher* m_pPrevious;
};

}  // namespace app
