// The port setting over real pseudo-terminals: what is opened, what is remembered for the next
// start (a port's stable name when it has one), the state of the line the status bar shows, and
// that every change is announced.
#include "devlink/port_setting.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/notify.h"
#include "res/notifications.h"
#include "tests/devlink/pty_peer.h"
#include "tests/scripted_messages.h"
#include "tests/test_support.h"

namespace {

using devlink::ELineState;
using testing_support::CPtyPeer;
using testing_support::CTempDir;

class PortSetting : public testing::Test {
protected:
    void SetUp() override {
        // A stable name as udev makes one: a link that leads to the device node.
        m_strStableName = m_dir.File("usb-FTDI_Dual_RS232-HS-if01-port0");
        std::filesystem::create_symlink(m_pty.Path(), m_strStableName);
        m_setting.SetChangeHandler([this] { ++m_nChanges; });
    }

    testing_support::CScriptedMessages m_messages;
    CTempDir m_dir;
    CPtyPeer m_pty;
    std::string m_strStableName;
    std::string m_strGone = "/dev/ttyUSB-gone";
    devlink::CDeviceLink m_link;
    devlink::CPortSetting m_setting{m_link};
    int m_nChanges = 0;
};

TEST_F(PortSetting, ChosenPortIsRememberedByItsStableNameOnlyWhenItOpens) {
    struct SCase {
        const char* name;
        std::string strPath;
        std::string strStableName;
        bool bOpens;
        std::string strRemembered;
    };
    const SCase cases[] = {
        {"device node with a stable name", m_pty.Path(), m_strStableName, true, m_strStableName},
        {"port without a stable name", m_pty.Path(), "", true, m_pty.Path()},
        {"the stable name itself", m_strStableName, "", true, m_strStableName},
        {"a port that fails", m_strGone, "/dev/serial/by-id/gone", false, ""},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_setting.Start("/dev/ttyS0", std::nullopt);
        m_nChanges = 0;
        m_messages.Clear();
        EXPECT_EQ(m_setting.Choose(c.strPath, c.strStableName), c.bOpens);
        // The device node is what the link opens; the stable name is what the next start gets.
        EXPECT_EQ(m_link.PortPath(), c.strPath);
        EXPECT_EQ(m_link.IsOpen(), c.bOpens);
        EXPECT_EQ(m_setting.PortPath(), c.bOpens ? c.strPath : "");
        EXPECT_EQ(m_setting.PathToRemember(), c.strRemembered);
        EXPECT_EQ(m_setting.LineState(), c.bOpens ? ELineState::kOpen : ELineState::kNoPort);
        EXPECT_EQ(m_messages.Count(), c.bOpens ? 0u : 1u);
        EXPECT_EQ(m_nChanges, 1);
        m_setting.Close();
    }
}

TEST_F(PortSetting, RememberedStableNameOrDeviceNodeOpensAtStart) {
    struct SCase {
        const char* name;
        std::string strRemembered;
        std::optional<std::string> commandLinePort;
        bool bOpens;
        std::string strNextStart;
    };
    const SCase cases[] = {
        {"a stable name", m_strStableName, std::nullopt, true, m_strStableName},
        {"a device node of an older run", m_pty.Path(), std::nullopt, true, m_pty.Path()},
        {"a port not there is kept for later", m_strGone, std::nullopt, false, m_strGone},
        {"a port that is no serial line is forgotten", m_dir.Path().string(), std::nullopt, false,
         ""},
        {"the command line's port is for this run", m_strStableName, m_pty.Path(), true,
         m_strStableName},
        {"nothing remembered", "", std::nullopt, false, ""},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_setting.Start(c.strRemembered, c.commandLinePort);
        m_nChanges = 0;
        EXPECT_EQ(m_setting.OpenAtStart(), c.bOpens);
        EXPECT_EQ(m_link.IsOpen(), c.bOpens);
        const ELineState failed =
            c.strNextStart.empty() ? ELineState::kNoPort : ELineState::kMissing;
        EXPECT_EQ(m_setting.LineState(), c.bOpens ? ELineState::kOpen : failed);
        EXPECT_EQ(m_setting.PathToRemember(), c.strNextStart);
        EXPECT_EQ(m_nChanges, c.strRemembered.empty() ? 0 : 1);
        m_setting.Close();
    }
}

TEST_F(PortSetting, CloseAtTheEndLeavesThePortInUseWithAClosedLine) {
    m_setting.Start(m_strStableName, std::nullopt);
    ASSERT_TRUE(m_setting.OpenAtStart());
    m_nChanges = 0;
    m_setting.Close();
    EXPECT_FALSE(m_link.IsOpen());
    EXPECT_EQ(m_setting.LineState(), ELineState::kClosed);
    EXPECT_EQ(m_setting.PortPath(), m_strStableName);
    EXPECT_EQ(m_setting.PathToRemember(), m_strStableName);
    EXPECT_EQ(m_nChanges, 1);
}

// The far end goes away: once the link has heard of it the line is lost, and opening the port
// again is what brings it back.
TEST_F(PortSetting, AnUnpluggedLineShowsAsLostUntilThePortIsOpenedAgain) {
    platform::CNotifyQueue queue;
    platform::INotifyDispatcher* pPrevious = platform::SetNotifyDispatcher(&queue);
    bool bLostHeard = false;
    const platform::NotifyHandle listener =
        platform::RegisterNotifyTarget([&](uint32_t msg, uintptr_t wParam, intptr_t) {
            bLostHeard |= msg == res::WM_LINKEVENT &&
                          wParam == static_cast<uintptr_t>(devlink::ELinkEvent::kLineLost);
        });
    m_link.m_hEventWnd = listener;
    m_setting.Start(m_pty.Path(), std::nullopt);
    ASSERT_TRUE(m_setting.OpenAtStart());
    m_pty.HangUp();
    while (!bLostHeard && queue.RunFor(std::chrono::seconds(10))) {
    }
    m_link.m_hEventWnd = platform::kNoNotify;
    platform::UnregisterNotifyTarget(listener);
    platform::SetNotifyDispatcher(pPrevious);
    ASSERT_TRUE(bLostHeard);
    ASSERT_TRUE(m_link.IsLineLost());
    m_nChanges = 0;
    m_setting.OnLineLost();
    EXPECT_EQ(m_setting.LineState(), ELineState::kLost);
    EXPECT_EQ(m_nChanges, 1);
    EXPECT_EQ(devlink::LineStateText(m_setting.LineState(), m_pty.Path()),
              "Port " + m_pty.Path() + ": lost");
    m_setting.Close();
}

TEST(LineStateText, NamesThePortAndItsLine) {
    EXPECT_EQ(devlink::LineStateText(ELineState::kNoPort, ""), "No port");
    EXPECT_EQ(devlink::LineStateText(ELineState::kOpen, "/dev/pts/3"), "Port /dev/pts/3: open");
    EXPECT_EQ(devlink::LineStateText(ELineState::kClosed, "/dev/ttyUSB0"),
              "Port /dev/ttyUSB0: closed");
    EXPECT_EQ(devlink::LineStateText(ELineState::kOpen, "/tmp/%s"), "Port /tmp/%s: open");
}

}  // namespace
