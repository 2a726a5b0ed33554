// Ctrl+C on POSIX systems: SIGINT and SIGTERM, and SIGHUP (the terminal closed) and SIGQUIT
// (Ctrl+\), which would otherwise end the program without a word, are blocked before any other
// thread starts and taken by a thread of this watch alone, with sigwait.
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "platform/console_interrupt.h"

namespace platform {

struct CConsoleInterrupt::SWatch {
    sigset_t signals{};
    sigset_t previous{};
    std::atomic<bool> bStop{false};
    std::thread thread;
};

CConsoleInterrupt::CConsoleInterrupt(std::function<void()> onInterrupt)
    : m_pWatch(std::make_unique<SWatch>()) {
    SWatch& watch = *m_pWatch;
    sigemptyset(&watch.signals);
    sigaddset(&watch.signals, SIGINT);
    sigaddset(&watch.signals, SIGTERM);
    sigaddset(&watch.signals, SIGHUP);
    sigaddset(&watch.signals, SIGQUIT);
    sigaddset(&watch.signals, SIGUSR1);  // only to end the watch
    pthread_sigmask(SIG_BLOCK, &watch.signals, &watch.previous);
    watch.thread = std::thread([&watch, handler = std::move(onInterrupt)] {
        for (;;) {
            int signal = 0;
            sigwait(&watch.signals, &signal);
            if (watch.bStop.load()) {
                return;
            }
            if (signal != SIGUSR1) {
                handler();
            }
        }
    });
}

CConsoleInterrupt::~CConsoleInterrupt() {
    m_pWatch->bStop = true;
    pthread_kill(m_pWatch->thread.native_handle(), SIGUSR1);
    m_pWatch->thread.join();
    pthread_sigmask(SIG_SETMASK, &m_pWatch->previous, nullptr);
}

}  // namespace platform
