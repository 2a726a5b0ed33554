// The auto-reset event and the posted notifications that the link and the uploads hand over by.
#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

#include "platform/event.h"
#include "platform/notify.h"

namespace {

using namespace std::chrono_literals;
using platform::EWaitResult;

TEST(Event, AutoResetsAndWakesForCancellation) {
    platform::CEvent event;
    std::atomic<bool> bCancel{false};
    EXPECT_EQ(event.Wait(0ms), EWaitResult::kTimeout);
    event.Set();
    event.Set();  // signals do not add up
    EXPECT_EQ(event.Wait(0ms), EWaitResult::kSignalled);
    EXPECT_EQ(event.Wait(0ms), EWaitResult::kTimeout);
    event.Set();
    event.Reset();
    EXPECT_EQ(event.Wait(0ms), EWaitResult::kTimeout);

    // A cancel that came before the wait is not lost, but a pending signal is taken first.
    bCancel = true;
    event.Set();
    EXPECT_EQ(event.Wait(10s, &bCancel), EWaitResult::kSignalled);
    EXPECT_EQ(event.Wait(10s, &bCancel), EWaitResult::kCancelled);
}

TEST(Event, ReleasesAWaiterOnAnotherThread) {
    platform::CEvent event;
    std::atomic<bool> bCancel{false};
    auto signalled = std::async(std::launch::async, [&] { return event.Wait(10s, &bCancel); });
    event.Set();
    EXPECT_EQ(signalled.get(), EWaitResult::kSignalled);

    auto cancelled = std::async(std::launch::async, [&] { return event.Wait(60s, &bCancel); });
    bCancel = true;
    event.WakeWaiters();
    EXPECT_EQ(cancelled.wait_for(10s), std::future_status::ready);
    EXPECT_EQ(cancelled.get(), EWaitResult::kCancelled);
}

TEST(Notify, DeliversOnTheDispatchingThreadOnlyToLiveTargets) {
    platform::CNotifyQueue queue;
    auto* previous = platform::SetNotifyDispatcher(&queue);
    std::vector<std::pair<uint32_t, uintptr_t>> got;
    auto handle = platform::RegisterNotifyTarget(
        [&](uint32_t msg, uintptr_t w, intptr_t) { got.emplace_back(msg, w); });

    EXPECT_TRUE(platform::PostNotify(handle, 1, 10, 0));
    std::thread poster([&] { platform::PostNotify(handle, 2, 20, 0); });
    poster.join();
    EXPECT_TRUE(got.empty());  // nothing runs until the queue's thread runs it
    EXPECT_TRUE(queue.RunFor(1s));
    EXPECT_EQ(got, (std::vector<std::pair<uint32_t, uintptr_t>>{{1, 10}, {2, 20}}));

    // A post queued before the target went, and posts after, reach nobody.
    EXPECT_TRUE(platform::PostNotify(handle, 3, 30, 0));
    platform::UnregisterNotifyTarget(handle);
    EXPECT_FALSE(platform::PostNotify(handle, 4, 40, 0));
    EXPECT_FALSE(platform::PostNotify(platform::kNoNotify, 5, 50, 0));
    queue.RunPending();
    EXPECT_EQ(got.size(), 2u);
    EXPECT_FALSE(queue.RunFor(0ms));

    platform::SetNotifyDispatcher(nullptr);
    auto other = platform::RegisterNotifyTarget([](uint32_t, uintptr_t, intptr_t) {});
    EXPECT_FALSE(platform::PostNotify(other, 6, 0, 0));  // no dispatcher: dropped
    platform::UnregisterNotifyTarget(other);
    platform::SetNotifyDispatcher(previous);
}

TEST(Notify, ADispatcherMayGoWhileAnotherThreadPosts) {
    auto handle = platform::RegisterNotifyTarget([](uint32_t, uintptr_t, intptr_t) {});
    std::atomic<bool> bStop{false};
    std::thread poster([&] {
        while (!bStop.load()) {
            platform::PostNotify(handle, 1, 0, 0);
        }
    });
    for (int i = 0; i < 200; ++i) {
        platform::CNotifyQueue queue;
        auto* previous = platform::SetNotifyDispatcher(&queue);
        queue.RunFor(0ms);
        platform::SetNotifyDispatcher(previous);
    }  // each queue goes right after it was replaced
    bStop = true;
    poster.join();
    platform::UnregisterNotifyTarget(handle);
}

}  // namespace
