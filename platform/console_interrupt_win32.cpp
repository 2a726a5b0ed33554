// Ctrl+C on Windows: a console control handler, which the system runs on a thread of its own for
// each event.
#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "platform/console_interrupt.h"

namespace platform {

namespace {

// The system waits about five seconds for a handler of a closing console before it ends the
// process; the watch's owner gets most of that to cancel cleanly (and let go of the port).
constexpr auto kCloseGrace = std::chrono::milliseconds(4000);

std::mutex g_lock;
std::condition_variable g_gone;
std::function<void()>* g_pHandler = nullptr;

BOOL WINAPI OnConsoleEvent(DWORD event) {
    std::unique_lock lock(g_lock);
    if (g_pHandler == nullptr) {
        return FALSE;  // the system's own handling: the process ends
    }
    (*g_pHandler)();
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
        // The process ends when this returns, whatever it answers: wait for the owner.
        g_gone.wait_for(lock, kCloseGrace, [] { return g_pHandler == nullptr; });
    }
    return TRUE;
}

}  // namespace

struct CConsoleInterrupt::SWatch {
    std::function<void()> handler;
};

CConsoleInterrupt::CConsoleInterrupt(std::function<void()> onInterrupt)
    : m_pWatch(std::make_unique<SWatch>()) {
    m_pWatch->handler = std::move(onInterrupt);
    {
        std::lock_guard lock(g_lock);
        g_pHandler = &m_pWatch->handler;
    }
    ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

CConsoleInterrupt::~CConsoleInterrupt() {
    {
        std::lock_guard lock(g_lock);
        g_pHandler = nullptr;
    }
    g_gone.notify_all();
    ::SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
}

}  // namespace platform
