// The device link over a real pseudo-terminal: what each reply means, the acknowledgement event,
// the progress notifications, and the end of the link.
#include <gtest/gtest.h>

#include <termios.h>

#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

#include "devlink/device_link.h"
#include "platform/notify.h"
#include "res/notifications.h"
#include "res/strings_link.h"
#include "tests/devlink/link_test_support.h"
#include "tests/devlink/pty_peer.h"
#include "tests/scripted_messages.h"
#include "tests/test_support.h"

namespace {

using namespace std::chrono_literals;
using testing_support::Bytes;
using testing_support::CPtyPeer;
using testing_support::OnWire;
using testing_support::WithFcs;

struct SNote {
    uint32_t msg;
    uintptr_t wParam;
    intptr_t lParam;
    bool operator==(const SNote&) const = default;
};

// Stands in for the progress dialog: a notification target on this thread.
class CNoteTarget {
public:
    CNoteTarget() : m_hPrevious(platform::SetNotifyDispatcher(&m_queue)) {
        m_handle = platform::RegisterNotifyTarget([this](uint32_t msg, uintptr_t w, intptr_t l) {
            m_notes.push_back({msg, w, l});
        });
    }
    ~CNoteTarget() {
        platform::UnregisterNotifyTarget(m_handle);
        platform::SetNotifyDispatcher(m_hPrevious);
    }
    // Runs deliveries until a note with this wParam arrived.
    bool RunUntil(uintptr_t wParam) {
        for (int i = 0; i < 100; ++i) {
            for (const auto& n : m_notes) {
                if (n.wParam == wParam) {
                    return true;
                }
            }
            m_queue.RunFor(100ms);
        }
        return false;
    }

    platform::CNotifyQueue m_queue;
    platform::INotifyDispatcher* m_hPrevious;
    platform::NotifyHandle m_handle;
    std::vector<SNote> m_notes;
};

std::vector<uint8_t> Reply(uint8_t type, std::vector<int> words) {
    std::vector<uint8_t> body = {0x00, type, 0x00, static_cast<uint8_t>(2 * words.size())};
    for (int w : words) {
        body.push_back(static_cast<uint8_t>(w >> 8));
        body.push_back(static_cast<uint8_t>(w));
    }
    return WithFcs(body);
}

constexpr SNote kTestAnswerNote{res::WM_LINKEVENT,
                                static_cast<uintptr_t>(devlink::ELinkEvent::kTestAnswer), 0};
constexpr SNote kLineLostNote{res::WM_LINKEVENT,
                              static_cast<uintptr_t>(devlink::ELinkEvent::kLineLost), 0};

class DeviceLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_link.SetPortPath(m_peer.Path());
        ASSERT_TRUE(m_link.Open());
        m_link.m_hNotifyWnd = m_target.m_handle;
        m_link.m_hEventWnd = m_target.m_handle;
    }

    testing_support::CScriptedMessages m_messages;
    CPtyPeer m_peer;
    CNoteTarget m_target;
    devlink::CDeviceLink m_link;
};

constexpr uintptr_t kSentinel = 0xBEEF;

TEST_F(DeviceLinkTest, ActsOnEachKindOfReply) {
    auto damaged = Reply(2, {1, 2, 0x0042});
    damaged[3] ^= 0x04;
    struct SCase {
        const char* name;
        std::vector<uint8_t> frame;
        std::vector<SNote> notes;
        std::vector<std::string> messages;
        uint32_t badFrames;
    };
    const SCase cases[] = {
        {"ack with value", Reply(2, {1, 2, 0x1234}), {{res::WM_UPLOADPROGRESS, 0x1234, 0}}, {}, 0},
        {"final ack, type 4", Reply(4, {1, 3}), {{res::WM_UPLOADPROGRESS, 0, 0}}, {}, 0},
        {"ack, type 3", Reply(3, {1, 2, 7}), {{res::WM_UPLOADPROGRESS, 7, 0}}, {}, 0},
        {"test answer", Reply(3, {3}), {kTestAnswerNote}, {}, 0},
        {"test answer, type 2", Reply(2, {3}), {kTestAnswerNote}, {}, 0},
        {"other sub-code", Reply(2, {1, 9, 5}), {}, {}, 0},
        {"other code", Reply(2, {7, 2, 5}), {}, {}, 0},
        {"type 1", Reply(1, {1, 2, 5}), {}, {}, 0},
        {"type 5", Reply(5, {1, 2, 5}), {}, {}, 0},
        {"damaged", damaged, {}, {}, 1},
        {"no code", WithFcs(Bytes({0x00, 0x02, 0x00, 0x00})), {}, {}, 0},
        {"ack without sub-code", Reply(2, {1}), {}, {}, 0},
        {"ack without value", Reply(2, {1, 2}), {}, {}, 0},
        {"type byte only", WithFcs(Bytes({0x00, 0x02})), {}, {}, 0},
        // Intact check bytes, but a length field that does not count the body that came.
        {"length past the body", WithFcs(Bytes({0, 2, 0xFF, 0xFF, 0, 3})), {}, {}, 1},
        {"length short of the body", WithFcs(Bytes({0, 2, 0, 2, 0, 1, 0, 2, 0, 5})), {}, {}, 1},
    };
    for (const auto& c : cases) {
        m_target.m_notes.clear();
        m_messages.Clear();
        const uint32_t badBefore = m_link.BadFrames();
        auto wire = OnWire(c.frame);
        auto sentinel = OnWire(Reply(2, {1, 2, static_cast<int>(kSentinel)}));
        wire.insert(wire.end(), sentinel.begin(), sentinel.end());
        m_peer.Write(wire);
        ASSERT_TRUE(m_target.RunUntil(kSentinel)) << c.name;
        auto notes = m_target.m_notes;
        notes.pop_back();
        EXPECT_EQ(notes, c.notes) << c.name;
        EXPECT_EQ(m_messages.Texts(), c.messages) << c.name;
        EXPECT_EQ(m_link.BadFrames() - badBefore, c.badFrames) << c.name;
    }
}

// Only an answer that comes after the final block was watched for, and that is the final
// block's acknowledgement or carries its number, confirms an upload; a repeated answer to an
// earlier block does not.
TEST_F(DeviceLinkTest, ConfirmsAnUploadOnlyWithTheFinalBlocksAnswer) {
    using EState = devlink::CFinalAck::EState;
    struct SCase {
        const char* name;
        std::vector<std::vector<uint8_t>> before;  // answers before the watch begins
        std::vector<std::vector<uint8_t>> after;
        EState state;
    };
    const SCase cases[] = {
        {"final block acknowledged", {}, {Reply(2, {1, 3})}, EState::kConfirmed},
        {"its own number", {}, {Reply(2, {1, 2, 192})}, EState::kConfirmed},
        {"an earlier block's answer repeated", {}, {Reply(2, {1, 2, 128})}, EState::kAwaited},
        {"a damaged final answer",
         {},
         {[] {
             auto damaged = Reply(2, {1, 3});
             damaged[5] ^= 0x01;
             return damaged;
         }()},
         EState::kAwaited},
        {"an answer from before the final block", {Reply(2, {1, 3})}, {}, EState::kAwaited},
        {"the test answer", {}, {Reply(2, {3})}, EState::kAwaited},
    };
    for (const auto& c : cases) {
        auto write = [&](const std::vector<std::vector<uint8_t>>& replies) {
            std::vector<uint8_t> wire;
            for (const auto& r : replies) {
                auto one = OnWire(r);
                wire.insert(wire.end(), one.begin(), one.end());
            }
            auto sentinel = OnWire(Reply(2, {1, 2, static_cast<int>(kSentinel)}));
            wire.insert(wire.end(), sentinel.begin(), sentinel.end());
            m_target.m_notes.clear();
            m_peer.Write(wire);
            return m_target.RunUntil(kSentinel);
        };
        auto watch = std::make_shared<devlink::CFinalAck>();
        ASSERT_TRUE(write(c.before)) << c.name;
        m_link.WatchBlock(watch, 192, true);
        ASSERT_TRUE(write(c.after)) << c.name;
        EXPECT_EQ(watch->State(), c.state) << c.name;
    }
    EXPECT_EQ(m_messages.Count(), 0u);
}

// The far end hangs up: the link tells its listener once, an upload waiting for an answer is
// woken at once, an upload awaiting its confirmation learns why none will come, and each later
// frame sent on the gone line says so again. Opening the port anew forgets it.
TEST_F(DeviceLinkTest, ALostLineIsAnEventAndEndsTheWaits) {
    auto watch = std::make_shared<devlink::CFinalAck>();
    m_link.WatchBlock(watch, devlink::kLastSequence, true);
    std::promise<platform::EWaitResult> woken;
    std::thread waiter([&] {
        woken.set_value(
            m_link.m_hAckEvent->Wait(std::chrono::hours(1), nullptr, &m_link.LineLostFlag()));
    });
    m_peer.HangUp();
    EXPECT_EQ(woken.get_future().get(), platform::EWaitResult::kCancelled);
    waiter.join();
    EXPECT_TRUE(m_link.IsLineLost());
    EXPECT_EQ(watch->State(), devlink::CFinalAck::EState::kLineLost);
    m_target.m_queue.RunFor(10s);
    EXPECT_EQ(m_target.m_notes, std::vector<SNote>{kLineLostNote});

    for (int attempt = 0; attempt < 2; ++attempt) {
        m_target.m_notes.clear();
        EXPECT_FALSE(m_link.SendConnectionTest());
        m_target.m_queue.RunFor(10s);
        EXPECT_EQ(m_target.m_notes, std::vector<SNote>{kLineLostNote});
    }
    EXPECT_EQ(m_messages.Count(), 0u);  // the listener tells the user, nobody else

    CPtyPeer next;
    m_link.Close();
    m_link.SetPortPath(next.Path());
    ASSERT_TRUE(m_link.Open());
    EXPECT_FALSE(m_link.IsLineLost());
    EXPECT_TRUE(m_link.SendConnectionTest());
    EXPECT_EQ(next.Read(8, 5s).size(), 8u);
}

TEST_F(DeviceLinkTest, EachAcknowledgementReleasesOneWait) {
    auto event = m_link.m_hAckEvent;
    ASSERT_TRUE(event);
    std::mutex mutex;
    std::condition_variable changed;
    int released = 0;
    std::thread waiter([&] {
        for (int i = 0; i < 2; ++i) {
            if (event->Wait(10s) != platform::EWaitResult::kSignalled) {
                return;
            }
            std::lock_guard lock(mutex);
            ++released;
            changed.notify_all();
        }
    });
    auto waitReleased = [&](int n) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, 10s, [&] { return released >= n; });
    };
    m_peer.Write(OnWire(Reply(2, {1, 2, 1})));
    EXPECT_TRUE(waitReleased(1));
    m_peer.Write(OnWire(Reply(2, {1, 2, 2})));
    EXPECT_TRUE(waitReleased(2));
    waiter.join();
    // Nothing is left pending once both were taken.
    EXPECT_EQ(event->Wait(0ms), platform::EWaitResult::kTimeout);
}

TEST_F(DeviceLinkTest, LateNotificationsToAClosedTargetAreHarmless) {
    platform::UnregisterNotifyTarget(m_target.m_handle);
    m_peer.Write(OnWire(Reply(2, {1, 2, 3})));
    EXPECT_EQ(m_link.m_hAckEvent->Wait(10s), platform::EWaitResult::kSignalled);
    m_target.m_queue.RunPending();
    EXPECT_TRUE(m_target.m_notes.empty());
}

// A user-interface thread that is busy: what is posted to it piles up and is never run. A reader
// that waited for it would hang Close.
class CBusyUiThread : public platform::INotifyDispatcher {
public:
    CBusyUiThread() : m_pPrevious(platform::SetNotifyDispatcher(this)) {}
    ~CBusyUiThread() override { platform::SetNotifyDispatcher(m_pPrevious); }
    void Dispatch(std::function<void()>) override {
        std::lock_guard lock(m_mutex);
        ++m_nPosted;
        m_changed.notify_all();
    }
    bool WaitForPosts(int n) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, 10s, [&] { return m_nPosted >= n; });
    }

private:
    platform::INotifyDispatcher* m_pPrevious;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_nPosted = 0;
};

TEST(DeviceLinkClose, EndsTheReaderWhileItsEventIsStillPending) {
    testing_support::CScriptedMessages messages;
    CBusyUiThread ui;
    CPtyPeer peer;
    devlink::CDeviceLink link;
    const platform::NotifyHandle target =
        platform::RegisterNotifyTarget([](uint32_t, uintptr_t, intptr_t) {});
    link.m_hEventWnd = target;
    link.SetPortPath(peer.Path());
    ASSERT_TRUE(link.Open());
    peer.Write(OnWire(Reply(2, {3})));
    ASSERT_TRUE(ui.WaitForPosts(1));
    auto closing = std::async(std::launch::async, [&] { link.Close(); });
    ASSERT_EQ(closing.wait_for(10s), std::future_status::ready) << "Close waited for the user";
    EXPECT_TRUE(link.ReaderDone());
    EXPECT_FALSE(link.IsOpen());
    EXPECT_FALSE(link.m_hAckEvent);
    platform::UnregisterNotifyTarget(target);
}

TEST(DeviceLinkClose, TheLinksEndReleasesThePort) {
    testing_support::CScriptedMessages messages;
    CPtyPeer peer;
    std::shared_ptr<platform::CEvent> event;
    {
        devlink::CDeviceLink link;
        link.SetPortPath(peer.Path());
        ASSERT_TRUE(link.Open());
        event = link.m_hAckEvent;
        peer.Write(OnWire(Reply(2, {1, 2, 9})));
        ASSERT_EQ(event->Wait(10s), platform::EWaitResult::kSignalled);
    }
    // The reader has gone with the link: bytes now reach nobody, and the port opens again.
    peer.Write(OnWire(Reply(2, {1, 2, 9})));
    devlink::CDeviceLink next;
    next.SetPortPath(peer.Path());
    EXPECT_TRUE(next.Open());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(DeviceLinkOpen, KeepsItsEventAcrossAFailedOpenAndSetsTheDeviceSpeed) {
    testing_support::CScriptedMessages messages;
    devlink::CDeviceLink link;
    link.SetPortPath("/dev/zelkor-no-such-port");
    EXPECT_FALSE(link.Open());
    EXPECT_TRUE(link.m_hAckEvent);
    link.Close();

    CPtyPeer peer;
    link.SetPortPath(peer.Path());
    ASSERT_TRUE(link.Open());
    termios t{};
    ASSERT_EQ(::tcgetattr(peer.SlaveFd(), &t), 0);
    EXPECT_EQ(::cfgetospeed(&t), B115200);
    EXPECT_EQ(link.PortPath(), peer.Path());
}

}  // namespace
