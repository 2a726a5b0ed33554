// Posted notifications: a window (or whatever stands in for one) registers a target and gets a
// handle; any thread may post to the handle, and the message is delivered later on the
// user-interface thread through the installed dispatcher. Delivery looks the target up again at
// that moment, so a post that comes after the target was unregistered (an acknowledgement after
// its dialog has closed) does nothing.
//
// Threads: PostNotify from any thread. RegisterNotifyTarget, UnregisterNotifyTarget and the
// delivery itself belong to the user-interface thread (the thread that runs the dispatcher).
// SetNotifyDispatcher from any thread; when it returns, no post is still being handed to the
// previous dispatcher, which may then go.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>

namespace platform {

using NotifyHandle = std::uint64_t;
inline constexpr NotifyHandle kNoNotify = 0;

class INotifyDispatcher {
public:
    virtual ~INotifyDispatcher() = default;
    // Runs fn later on the user-interface thread; may be called from any thread.
    virtual void Dispatch(std::function<void()> fn) = 0;
};

// Installs the dispatcher used from now on and returns the previous one. Not owned. Without a
// dispatcher, posts are dropped (PostNotify returns false).
INotifyDispatcher* SetNotifyDispatcher(INotifyDispatcher* dispatcher);

using NotifyFn = std::function<void(uint32_t msg, uintptr_t wParam, intptr_t lParam)>;
NotifyHandle RegisterNotifyTarget(NotifyFn target);
// Afterwards nothing more reaches the target, not even posts already queued.
void UnregisterNotifyTarget(NotifyHandle handle);
// True when the notification was queued for delivery; a handle that is gone (or kNoNotify) is
// a harmless no-op.
bool PostNotify(NotifyHandle handle, uint32_t msg, uintptr_t wParam, intptr_t lParam);

// A dispatcher for programs without a window system (command line, tests): the thread that
// calls RunPending or RunFor is the user-interface thread.
class CNotifyQueue : public INotifyDispatcher {
public:
    void Dispatch(std::function<void()> fn) override;
    // Runs everything queued so far; returns how many ran.
    int RunPending();
    // Waits up to the time-out for something to arrive, then runs all that is queued; true when
    // anything ran.
    bool RunFor(std::chrono::milliseconds timeout);

private:
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::deque<std::function<void()>> m_queue;
};

}  // namespace platform
