// The message seam on Qt: every request becomes a QMessageBox on the user-interface thread.
//
// Threads: Show may be called from any thread; from another thread it waits for the user-interface
// thread to answer. Post may be called from any thread and never waits.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/message_box.h"

namespace app {

class CQtMessageSink : public platform::IMessageSink {
public:
    // Installs itself as the program's sink for its lifetime. Needs a QApplication.
    CQtMessageSink();
    ~CQtMessageSink() override;
    CQtMessageSink(const CQtMessageSink&) = delete;
    CQtMessageSink& operator=(const CQtMessageSink&) = delete;

    platform::EMsgAnswer Show(const platform::SMessageRequest& request) override;
    void Post(const platform::SMessageRequest& request) override;

    // The window that owns the boxes (the main frame). Kept for the user-interface thread only:
    // boxes asked for by other threads look it up once they run there.
    static void SetOwner(QWidget* pOwner);

    // Runs one box on the calling (user-interface) thread.
    static platform::EMsgAnswer RunBox(const platform::SMessageRequest& request);

private:
    platform::IMessageSink* m_pPrevious;
};

}  // namespace app
