#include "platform/notify.h"

#include <map>
#include <memory>
#include <shared_mutex>
#include <utility>

namespace platform {

namespace {

// Posts hold the lock shared while they hand over; replacing the dispatcher takes it alone, so
// once SetNotifyDispatcher has returned no post is still inside the previous one.
std::shared_mutex g_dispatcherLock;
INotifyDispatcher* g_dispatcher = nullptr;

class CTargetTable {
public:
    NotifyHandle Add(NotifyFn fn) {
        std::lock_guard lock(m_mutex);
        NotifyHandle handle = ++m_nLast;
        m_targets.emplace(handle, std::make_shared<NotifyFn>(std::move(fn)));
        return handle;
    }
    void Remove(NotifyHandle handle) {
        std::lock_guard lock(m_mutex);
        m_targets.erase(handle);
    }
    std::shared_ptr<NotifyFn> Find(NotifyHandle handle) {
        std::lock_guard lock(m_mutex);
        auto it = m_targets.find(handle);
        return it != m_targets.end() ? it->second : nullptr;
    }

private:
    std::mutex m_mutex;
    NotifyHandle m_nLast = kNoNotify;  // handles are never reused
    std::map<NotifyHandle, std::shared_ptr<NotifyFn>> m_targets;
};

CTargetTable& Targets() {
    static CTargetTable table;
    return table;
}

}  // namespace

INotifyDispatcher* SetNotifyDispatcher(INotifyDispatcher* dispatcher) {
    std::unique_lock lock(g_dispatcherLock);
    return std::exchange(g_dispatcher, dispatcher);
}

NotifyHandle RegisterNotifyTarget(NotifyFn target) {
    return Targets().Add(std::move(target));
}

void UnregisterNotifyTarget(NotifyHandle handle) {
    Targets().Remove(handle);
}

bool PostNotify(NotifyHandle handle, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    std::shared_lock lock(g_dispatcherLock);
    if (handle == kNoNotify || g_dispatcher == nullptr || !Targets().Find(handle)) {
        return false;
    }
    g_dispatcher->Dispatch([handle, msg, wParam, lParam] {
        if (auto target = Targets().Find(handle)) {
            (*target)(msg, wParam, lParam);
        }
    });
    return true;
}

void CNotifyQueue::Dispatch(std::function<void()> fn) {
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(std::move(fn));
    }
    m_arrived.notify_all();
}

int CNotifyQueue::RunPending() {
    std::deque<std::function<void()>> batch;
    {
        std::lock_guard lock(m_mutex);
        batch.swap(m_queue);
    }
    for (auto& fn : batch) {
        fn();
    }
    return static_cast<int>(batch.size());
}

bool CNotifyQueue::RunFor(std::chrono::milliseconds timeout) {
    {
        std::unique_lock lock(m_mutex);
        m_arrived.wait_for(lock, timeout, [this] { return !m_queue.empty(); });
    }
    return RunPending() > 0;
}

}  // namespace platform
