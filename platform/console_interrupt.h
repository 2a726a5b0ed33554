// Ctrl+C for a program without windows (and, in the window program, the requests to end that
// cannot be refused): while a CConsoleInterrupt lives, an interrupt (Ctrl+C or
// Ctrl+Break; SIGTERM, SIGHUP and SIGQUIT on POSIX systems; closing the console window on
// Windows) no longer ends the process but calls the handler, once per interrupt, on a thread
// that is not the main thread and never inside a signal handler, so the handler may lock and
// post notifications.
//
// One at a time. Threads: construct and destroy on the main thread, before and after every other
// thread (on POSIX systems the threads started later inherit the blocked signals). When the
// destructor has returned, the handler is not running and will not run again.
#pragma once

#include <functional>
#include <memory>

namespace platform {

class CConsoleInterrupt {
public:
    explicit CConsoleInterrupt(std::function<void()> onInterrupt);
    ~CConsoleInterrupt();
    CConsoleInterrupt(const CConsoleInterrupt&) = delete;
    CConsoleInterrupt& operator=(const CConsoleInterrupt&) = delete;

private:
    struct SWatch;
    std::unique_ptr<SWatch> m_pWatch;
};

}  // namespace platform
