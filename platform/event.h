// An auto-reset event: Set releases exactly one wait (or stays pending until the next wait takes
// it), Reset forgets a pending signal. A waiter can also be woken for cancellation: it passes a
// flag (or two) that the cancelling side sets before calling WakeWaiters. Because the flag is
// tested under the event's lock before every sleep, a cancel that comes before the wait is never
// lost.
//
// Threads: every member may be called from any thread.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace platform {

enum class EWaitResult { kSignalled, kTimeout, kCancelled };

class CEvent {
public:
    CEvent() = default;
    CEvent(const CEvent&) = delete;
    CEvent& operator=(const CEvent&) = delete;

    void Set();
    void Reset();
    // Waits until the event is signalled (consuming the signal), the time-out passes or
    // *pCancel or *pAbort reads true. A pending signal wins over a cancel.
    EWaitResult Wait(std::chrono::milliseconds timeout, const std::atomic<bool>* pCancel = nullptr,
                     const std::atomic<bool>* pAbort = nullptr);
    // Wakes every waiter so that it tests its cancel flag again.
    void WakeWaiters();

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_bSignalled = false;
};

}  // namespace platform
