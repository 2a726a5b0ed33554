// The device link over a real pseudo-terminal: what each reply means, the acknowledgement event,
// the progress notifications, and the end of the link.
#include <gtest/gtest.h>

#include <termios.h>

#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

#include "link/device_link.h"
#include "platform/notify.h"
#include "platform/scripted_messages.h"
#include "res/strings.h"
#include "tests/link/link_test_support.h"
#include "tests/link/pty_peer.h"
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

class DeviceLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_link.SetPortPath(m_peer.Path());
        ASSERT_TRUE(m_link.Open());
        m_link.m_hNotifyWnd = m_target.m_handle;
    }

    platform::CScriptedMessages m_messages;
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
        {"ack with value",
         Reply(2, {1, 2, 0x1234}),
         {{devlink::WM_UPLOADPROGRESS, 0x1234, 0}},
         {},
         0},
        {"final ack, type 4", Reply(4, {1, 3}), {{devlink::WM_UPLOADPROGRESS, 0, 0}}, {}, 0},
        {"ack, type 3", Reply(3, {1, 2, 7}), {{devlink::WM_UPLOADPROGRESS, 7, 0}}, {}, 0},
        {"test answer", Reply(3, {3}), {}, {res::kReceivedResponse}, 0},
        {"test answer, type 2", Reply(2, {3}), {}, {res::kReceivedResponse}, 0},
        {"other sub-code", Reply(2, {1, 9, 5}), {}, {}, 0},
        {"other code", Reply(2, {7, 2, 5}), {}, {}, 0},
        {"type 1", Reply(1, {1, 2, 5}), {}, {}, 0},
        {"type 5", Reply(5, {1, 2, 5}), {}, {}, 0},
        {"damaged", damaged, {}, {}, 1},
        {"no code", WithFcs(Bytes({0x00, 0x02, 0x00, 0x00})), {}, {}, 0},
        {"ack without sub-code", Reply(2, {1}), {}, {}, 0},
        {"ack without value", Reply(2, {1, 2}), {}, {}, 0},
        {"type byte only", WithFcs(Bytes({0x00, 0x02})), {}, {}, 0},
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
        for (const auto& request : m_messages.Requests()) {
            EXPECT_EQ(request.caption, res::kAcknowledgeCaption);
            EXPECT_EQ(request.icon, platform::EMsgIcon::kNone);
        }
    }
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

// A user interface that shows posted messages later and whose blocking boxes never end until
// the test lets them: a reader that waited for the user would hang Close.
class CSlowUser : public platform::IMessageSink {
public:
    CSlowUser() : m_pPrevious(platform::SetMessageSink(this)) {}
    ~CSlowUser() override {
        Release();
        platform::SetMessageSink(m_pPrevious);
    }
    platform::EMsgAnswer Show(const platform::SMessageRequest&) override {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_bReleased; });
        return platform::EMsgAnswer::kOk;
    }
    void Post(const platform::SMessageRequest& request) override {
        std::lock_guard lock(m_mutex);
        m_posted.push_back(request.text);
        m_changed.notify_all();
    }
    bool WaitForPosts(size_t n) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, 10s, [&] { return m_posted.size() >= n; });
    }
    void Release() {
        std::lock_guard lock(m_mutex);
        m_bReleased = true;
        m_changed.notify_all();
    }

private:
    platform::IMessageSink* m_pPrevious;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::string> m_posted;
    bool m_bReleased = false;
};

TEST(DeviceLinkClose, EndsTheReaderWhileItsMessageIsStillPending) {
    CSlowUser user;
    CPtyPeer peer;
    devlink::CDeviceLink link;
    link.SetPortPath(peer.Path());
    ASSERT_TRUE(link.Open());
    peer.Write(OnWire(Reply(2, {3})));
    ASSERT_TRUE(user.WaitForPosts(1));
    auto closing = std::async(std::launch::async, [&] { link.Close(); });
    ASSERT_EQ(closing.wait_for(10s), std::future_status::ready) << "Close waited for the user";
    EXPECT_TRUE(link.ReaderDone());
    EXPECT_FALSE(link.IsOpen());
    EXPECT_FALSE(link.m_hAckEvent);
}

TEST(DeviceLinkClose, TheLinksEndReleasesThePort) {
    platform::CScriptedMessages messages;
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
    platform::CScriptedMessages messages;
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
