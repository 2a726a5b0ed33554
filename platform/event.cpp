#include "platform/event.h"

namespace platform {

void CEvent::Set() {
    {
        std::lock_guard lock(m_mutex);
        m_bSignalled = true;
    }
    m_changed.notify_one();
}

void CEvent::Reset() {
    std::lock_guard lock(m_mutex);
    m_bSignalled = false;
}

EWaitResult CEvent::Wait(std::chrono::milliseconds timeout, const std::atomic<bool>* pCancel,
                         const std::atomic<bool>* pAbort) {
    auto cancelled = [pCancel, pAbort] {
        return (pCancel != nullptr && pCancel->load()) || (pAbort != nullptr && pAbort->load());
    };
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, timeout, [&] { return m_bSignalled || cancelled(); });
    if (m_bSignalled) {
        m_bSignalled = false;
        return EWaitResult::kSignalled;
    }
    return cancelled() ? EWaitResult::kCancelled : EWaitResult::kTimeout;
}

void CEvent::WakeWaiters() {
    // Taking the lock orders the wake after a waiter's test of its flag, so it cannot slip in
    // between that test and the sleep.
    { std::lock_guard lock(m_mutex); }
    m_changed.notify_all();
}

}  // namespace platform
