// The form's device commands on real widgets, offscreen, against the simulated generator over a
// real pseudo-terminal: the connection test, Load Device and Upload Current Program with their
// progress dialog and the save prompt in front of an upload.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>

#include "app/main_frame.h"
#include "app/qt_notify_dispatcher.h"
#include "app/zelkor_config_app.h"
#include "devlink/link_messages.h"
#include "devlink/port_setting.h"
#include "res/ids_app.h"
#include "res/ids_editor.h"
#include "res/ids_upload.h"
#include "res/strings_app.h"
#include "res/strings_editor.h"
#include "res/strings_link.h"
#include "res/strings_upload.h"
#include "sim/simulator.h"
#include "tests/scripted_messages.h"
#include "tests/test_support.h"
#include "tests/ui/posted_notifications.h"
#include "ui/editor/zelkor_form.h"
#include "ui/upload/upload_progress_dlg.h"
#include "widgets/control_ids.h"

namespace {

using namespace std::chrono_literals;
using platform::EMsgAnswer;
using ui::CUploadProgressDlg;
using ui::CZelkorForm;

class FormDeviceCommands : public testing::Test {
protected:
    void SetUp() override {
        m_form.SetDocument(&m_doc);
        m_form.SetDevice(&m_link, nullptr);
        m_doc.AddView(&m_form);
        m_form.show();
        m_form.OnInitialUpdate();
    }
    void TearDown() override { Link().Close(); }

    devlink::CDeviceLink& Link() { return m_link; }

    // Starts the simulated generator and opens the application's link on it.
    void Connect(sim::SSimOptions options = {}) {
        m_device.emplace(std::move(options));
        std::string error;
        ASSERT_TRUE(m_device->Start(error)) << error;
        Link().SetPortPath(m_device->PortPath());
        ASSERT_TRUE(Link().Open());
    }

    // Runs an upload command; the progress dialog it shows is handed to whileShown once it is
    // on screen, and the bar's figure at the moment the dialog closed is returned.
    std::optional<int> RunUpload(const std::function<void()>& command,
                                 const std::function<void(CUploadProgressDlg&)>& whileShown = {}) {
        std::optional<int> bar;
        bool bSeen = false;
        QTimer::singleShot(0, &m_form, [&] {
            auto* dlg = qobject_cast<CUploadProgressDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr) << "no progress dialog";
            bSeen = true;
            QObject::connect(dlg, &QDialog::finished, dlg,
                             [&bar, dlg] { bar = dlg->m_progress->value(); });
            // A dialog still open when the watchdog fires fails the test instead of hanging it.
            QTimer::singleShot(120s, dlg, [dlg] {
                ADD_FAILURE() << "the progress dialog did not close";
                dlg->done(QDialog::Accepted);
            });
            if (whileShown) {
                whileShown(*dlg);
            }
        });
        command();
        EXPECT_TRUE(bSeen);
        return bar;
    }

    void UploadCurrentProgram() { m_form.OnCmdMsg(res::ID_UPLOAD_CURRENT_PROGRAM, true); }
    void LoadDevice() {
        auto* button = widgets::FindControlAs<QPushButton>(&m_form, res::IDC_LOAD_DEVICE);
        ASSERT_NE(button, nullptr);
        button->click();
    }

    // Shows program number n (1-based) as the navigation would.
    void ShowProgramNumber(int n) {
        m_doc.SetCurrent(n - 1);
        m_form.ShowProgram();
    }

    // Types into a frequency field as the user would.
    void Type(int nSlot, const QString& text) {
        QLineEdit* field = m_form.FrequencyField(nSlot);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }

    std::vector<uint8_t> Payload(int index) {
        std::vector<uint8_t> bytes(model::kPayloadSize);
        m_doc.Book()[index].Encode(bytes.data());
        return bytes;
    }

    testing_support::CScriptedMessages m_messages;
    app::CQtNotifyDispatcher m_dispatcher;
    devlink::CDeviceLink m_link;
    devlink::CLinkMessages m_linkMessages{m_link};  // as the application reports the link's events
    model::CZelkorConfigDoc m_doc;
    CZelkorForm m_form;
    std::optional<sim::CSimulator> m_device;
};

TEST_F(FormDeviceCommands, TheDeviceCommandsAreEnabled) {
    EXPECT_TRUE(m_form.OnCmdMsg(res::ID_TEST_CONNECTION, false));
    EXPECT_TRUE(m_form.OnCmdMsg(res::ID_UPLOAD_CURRENT_PROGRAM, false));
    auto* button = widgets::FindControlAs<QPushButton>(&m_form, res::IDC_LOAD_DEVICE);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isEnabled());
}

// A program the device cannot take (here a Frequency Groups program with a third high frequency,
// as a book made elsewhere may hold one) stops every upload that would send it, before
// any frame goes; the other programs still go one by one.
TEST_F(FormDeviceCommands, NothingIsSentWhileAProgramToSendBreaksARule) {
    Connect();
    ShowProgramNumber(3);
    for (int slot = 0; slot < 3; ++slot) {
        Type(slot, "50000");
    }
    m_messages.QueueAnswer(EMsgAnswer::kYes);
    m_form.SaveCurrentProgram();
    ASSERT_FALSE(m_doc.Book()[2].IsEmpty());
    testing_support::BookOf(m_doc)[2].SetGroups(true);
    m_messages.Clear();  // the commits before the uploads are declined (No, as dismissed)
    LoadDevice();
    UploadCurrentProgram();
    const std::vector<std::string> texts = m_messages.Texts();
    const std::string refused = QString::asprintf(res::kUploadRefused,
                                                  "Program 3, slot 3: You can only have up to two "
                                                  "frequencies greater than 40KHz per group.")
                                    .toStdString();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), refused), 2) << testing::PrintToString(texts);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(m_device->FrameCount(), 0u);
    ShowProgramNumber(1);
    EXPECT_EQ(RunUpload([this] { UploadCurrentProgram(); }), 100);
}

// The Tools menu items of a real main window are enabled and reach the form's commands.
TEST_F(FormDeviceCommands, ToolsMenuRunsTheDeviceCommands) {
    Connect();
    app::CMainFrame frame;
    ASSERT_TRUE(frame.OnCreate());
    auto* form = new CZelkorForm;  // the frame owns its view
    form->SetDocument(&m_doc);
    form->SetDevice(&m_link, nullptr);
    frame.SetView(form);
    frame.SetCommandTargets({form});
    frame.show();
    ASSERT_TRUE(frame.Action(res::ID_TEST_CONNECTION)->isEnabled());
    ASSERT_TRUE(frame.Action(res::ID_UPLOAD_CURRENT_PROGRAM)->isEnabled());

    frame.Action(res::ID_TEST_CONNECTION)->trigger();
    ASSERT_TRUE(m_device->WaitForFrames(1, 10s));
    EXPECT_EQ(m_device->Frames()[0].type, devlink::kFrameTypeTest);

    RunUpload([&] { frame.Action(res::ID_UPLOAD_CURRENT_PROGRAM)->trigger(); });
    const std::vector<sim::SReceivedFrame> frames = m_device->Frames();
    ASSERT_EQ(frames.size(), 5u);
    EXPECT_EQ(frames[1].command, devlink::kCmdProgramBlock);
    EXPECT_EQ(frames[1].address, 0);
}

// The connection test sends its one frame and waits for nothing; an answering device is
// reported once under "Acknowledge", a silent one not at all.
TEST_F(FormDeviceCommands, TestConnectionReportsOnlyAnAnswer) {
    struct SCase {
        const char* name;
        bool bSilent;
    };
    for (const SCase& c : {SCase{"answering", false}, SCase{"silent", true}}) {
        m_messages.Clear();
        sim::SSimOptions options;
        options.bSilent = c.bSilent;
        Connect(options);
        m_form.OnCmdMsg(res::ID_TEST_CONNECTION, true);
        ASSERT_TRUE(m_device->WaitForFrames(1, 10s)) << c.name;
        EXPECT_EQ(m_device->Frames()[0].type, devlink::kFrameTypeTest) << c.name;
        const std::vector<uint8_t> sent{0x7E, 0x00, 0x03, 0x00, 0x00, 0xBA, 0x13, 0x7E};
        EXPECT_EQ(m_device->RawBytes(), sent) << c.name;
        if (!c.bSilent) {
            ASSERT_TRUE(m_device->WaitForReplies(1, 10s));
            // The link's event reaches the application through the event loop.
            ASSERT_TRUE(QTest::qWaitFor([&] { return m_messages.Count() >= 1; }, 10000)) << c.name;
        }
        // The reply, if any, has been read and handled once the link reports it; a second
        // test frame answered proves that nothing more of the first is still on its way.
        const std::vector<platform::SMessageRequest> boxes = m_messages.Requests();
        ASSERT_EQ(boxes.size(), c.bSilent ? 0u : 1u) << c.name;
        if (!c.bSilent) {
            EXPECT_EQ(boxes[0].text, res::kReceivedResponse);
            EXPECT_EQ(boxes[0].caption, res::kAcknowledgeCaption);
            EXPECT_EQ(boxes[0].buttons, platform::EMsgButtons::kOk);
            EXPECT_EQ(boxes[0].icon, platform::EMsgIcon::kNone);
        }
        Link().Close();
        m_device.reset();
    }
}

TEST_F(FormDeviceCommands, LoadDeviceSendsTheWholeBookAndClosesByItself) {
    Connect();
    for (int i = 0; i < model::kProgramCount; i += 97) {
        testing_support::BookOf(m_doc)[i].m_freq[0] = 10000u + static_cast<uint32_t>(i);
        testing_support::BookOf(m_doc)[i].UpdateGroupCount(0);
    }
    std::vector<uint8_t> expected(model::CProgramBook::EncodedSize());
    m_doc.Book().EncodeAll(expected.data());
    QSignalSpy status(&m_form, &CZelkorForm::StatusMessage);

    const std::optional<int> bar = RunUpload([this] { LoadDevice(); });
    ASSERT_TRUE(bar.has_value());
    EXPECT_EQ(*bar, 100);  // the device confirmed the final block
    EXPECT_EQ(m_device->FrameCount(), 6125u);
    EXPECT_EQ(m_device->BookImage(), expected);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(m_messages.Count(), 0u);
    // The status bar says so once the device has confirmed it, and nothing while it runs.
    ASSERT_EQ(status.count(), 2);
    EXPECT_EQ(status[0][0].toString(), "");
    EXPECT_EQ(status[1][0].toString(), "Upload finished: the device confirmed the book.");
}

// Without a port the commands say how to choose one; nothing is sent and no dialog opens.
TEST_F(FormDeviceCommands, WithoutAPortEachCommandSaysHowToChooseOne) {
    m_form.OnCmdMsg(res::ID_TEST_CONNECTION, true);
    LoadDevice();
    UploadCurrentProgram();
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>(3, res::kMsgNoPortSelected));
}

TEST_F(FormDeviceCommands, UploadCurrentProgramSendsTheIndexOfTheProgramShown) {
    Connect();
    testing_support::BookOf(m_doc)[1999].m_freq[0] = 123456u;
    testing_support::BookOf(m_doc)[1999].UpdateGroupCount(0);
    ShowProgramNumber(2000);

    const std::optional<int> bar = RunUpload([this] { UploadCurrentProgram(); });
    ASSERT_TRUE(bar.has_value());
    EXPECT_EQ(*bar, 100);
    const std::vector<sim::SReceivedFrame> frames = m_device->Frames();
    ASSERT_EQ(frames.size(), 4u);
    for (const sim::SReceivedFrame& frame : frames) {
        EXPECT_EQ(frame.command, devlink::kCmdProgramBlock);
        EXPECT_EQ(frame.address, 1999);
    }
    EXPECT_EQ(m_device->ProgramImage(1999), Payload(1999));
}

TEST_F(FormDeviceCommands, SilentDeviceKeepsTheDialogUntilCancel) {
    sim::SSimOptions silent;
    silent.bSilent = true;
    Connect(silent);
    bool bWaited = false;
    const std::optional<int> bar =
        RunUpload([this] { LoadDevice(); },
                  [&](CUploadProgressDlg& dlg) {
                      ASSERT_TRUE(m_device->WaitForFrames(1, 10s));
                      bWaited = dlg.isVisible();
                      auto* cancel = dlg.findChild<QPushButton*>(QString::number(res::IDCANCEL));
                      ASSERT_NE(cancel, nullptr);
                      cancel->click();
                  });
    EXPECT_TRUE(bWaited);
    ASSERT_TRUE(bar.has_value());
    EXPECT_EQ(*bar, 0);
    EXPECT_EQ(m_device->FrameCount(), 1u);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// A device that never confirms the final block: the dialog waits the device's silence time-out
// for the confirmation, then closes, and one warning says to send it again.
TEST_F(FormDeviceCommands, AnUnconfirmedUploadIsReportedOnceAfterTheDialog) {
    sim::SSimOptions options;
    options.bNoFinalAck = true;
    Connect(options);
    QSignalSpy status(&m_form, &CZelkorForm::StatusMessage);
    const std::optional<int> bar = RunUpload([this] { UploadCurrentProgram(); });
    ASSERT_TRUE(bar.has_value());
    EXPECT_EQ(*bar, 97);
    ASSERT_EQ(status.count(), 2);  // nothing finished
    EXPECT_EQ(status[1][0].toString(), res::kUploadStatusUnconfirmed);
    // The device's time after the last block was over when the dialog closed: the warning
    // follows the dialog before the command returns, once.
    ASSERT_TRUE(testing_support::DeliverPostedNotifications());
    ASSERT_EQ(m_messages.Count(), 1u);
    EXPECT_EQ(m_messages.Texts()[0], res::kUploadNotConfirmed);
    EXPECT_EQ(m_messages.Requests()[0].icon, platform::EMsgIcon::kWarning);
}

// The line goes away in the middle of an upload: the dialog closes by itself and the user reads
// one message that names the port; a later connection test or upload on the gone line says the
// same, once for each attempt.
TEST_F(FormDeviceCommands, ALostLineEndsTheUploadWithOneMessage) {
    sim::SSimOptions options;
    options.nHangUpAfter = 50;
    Connect(options);
    const std::string lost =
        QString::asprintf(res::kLineLost, m_device->PortPath().c_str()).toStdString();
    const std::optional<int> bar = RunUpload([this] { LoadDevice(); });
    ASSERT_TRUE(bar.has_value());
    EXPECT_LT(*bar, 99);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_messages.Count() >= 1; }, 10000));
    m_form.OnCmdMsg(res::ID_TEST_CONNECTION, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_messages.Count() >= 2; }, 10000));
    RunUpload([this] { UploadCurrentProgram(); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_messages.Count() >= 3; }, 10000));
    ASSERT_TRUE(testing_support::DeliverPostedNotifications());
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>(3, lost));
    for (const platform::SMessageRequest& box : m_messages.Requests()) {
        EXPECT_EQ(box.icon, platform::EMsgIcon::kWarning);
        EXPECT_EQ(box.caption, res::kCommPortErrorCaption);
    }
    EXPECT_EQ(m_device->FrameCount(), 50u);
}

// The real window's status bar holds the news of the last upload, however it ended, and none
// of an earlier one while an upload runs; an answer for another block is told once.
TEST_F(FormDeviceCommands, TheStatusBarTellsHowTheLastUploadEnded) {
    app::CMainFrame frame;
    ASSERT_TRUE(frame.OnCreate());
    QObject::connect(&m_form, &CZelkorForm::StatusMessage, &frame,
                     &app::CMainFrame::ShowStatusMessage);
    const std::tuple<sim::SSimOptions, const char*> cases[] = {
        {{.bSilent = true}, res::kUploadStatusCancelled},
        {{.nHangUpAfter = 2}, res::kUploadStatusLineLost},
        {{.nMisnameFrom = 2}, res::kUploadStatusOtherBlock},
    };
    for (const auto& [options, status] : cases) {
        Connect(options);
        m_messages.Clear();
        frame.ShowStatusMessage(res::kUploadDoneBook);  // an earlier upload's news
        QString during;
        RunUpload([this] { UploadCurrentProgram(); },
                  [&](CUploadProgressDlg& dlg) {
                      during = frame.MessagePaneText();
                      if (options.bSilent && m_device->WaitForFrames(1, 10s)) {
                          dlg.findChild<QPushButton*>(QString::number(res::IDCANCEL))->click();
                      }
                  });
        EXPECT_EQ(during, "");
        EXPECT_EQ(frame.MessagePaneText(), status);
        const std::vector<std::string> texts = m_messages.Texts();
        EXPECT_EQ(std::count(texts.begin(), texts.end(), res::kUploadOtherBlock),
                  options.nMisnameFrom > 0 ? 1 : 0);
        Link().Close();
        m_device.reset();
    }
}

// Unsaved edits and an upload: the prompt comes first, and what is sent is what the user chose
// there: the edits after Yes, the stored program after No.
TEST_F(FormDeviceCommands, TheSavePromptDecidesWhatIsSent) {
    struct SCase {
        const char* name;
        EMsgAnswer answer;
        uint32_t nSent;  // slot 0 as the device gets it
    };
    const SCase cases[] = {{"Yes", EMsgAnswer::kYes, 25000}, {"No", EMsgAnswer::kNo, 10000}};
    for (const SCase& c : cases) {
        Connect();
        testing_support::BookOf(m_doc)[4].m_freq[0] = 10000u;  // 1000.0 Hz stored
        testing_support::BookOf(m_doc)[4].UpdateGroupCount(0);
        ShowProgramNumber(5);
        Type(0, QStringLiteral("2500"));
        ASSERT_TRUE(m_form.IsProgramModified()) << c.name;
        m_messages.Clear();
        m_messages.QueueAnswer(c.answer);

        RunUpload([this] { UploadCurrentProgram(); });
        ASSERT_GE(m_messages.Count(), 1u) << c.name;
        EXPECT_EQ(m_messages.Texts()[0], res::kMsgSaveCurrentProgram) << c.name;
        const std::vector<uint8_t> image = m_device->ProgramImage(4);
        ASSERT_EQ(image.size(), model::kPayloadSize) << c.name;
        // Slot 0 follows the header word, big-endian.
        const uint32_t slot0 = (uint32_t{image[4]} << 24) | (uint32_t{image[5]} << 16) |
                               (uint32_t{image[6]} << 8) | image[7];
        EXPECT_EQ(slot0, c.nSent) << c.name;
        EXPECT_EQ(m_doc.Book()[4].m_freq[0], c.nSent) << c.name;
        Link().Close();
        m_device.reset();
    }
}

// A lost port is opened again by the next command; closing during an upload asks first.
TEST_F(FormDeviceCommands, ALostPortIsOpenedAgainAndClosingDuringAnUploadAsksFirst) {
    testing_support::CTempDir dir;
    const std::string name = dir.File("ttyVQ");
    app::CZelkorConfigApp application;
    ASSERT_TRUE(application.InitInstance({QStringLiteral("zelkorconfig")}));
    QSignalSpy status(application.Form(), &CZelkorForm::StatusMessage);
    for (const sim::SSimOptions& options :
         {sim::SSimOptions{.nHangUpAfter = 2}, sim::SSimOptions{.bSilent = true}}) {
        m_device.emplace(options);
        std::string error;
        ASSERT_TRUE(m_device->Start(error)) << error;
        std::filesystem::remove(name);
        std::filesystem::create_symlink(m_device->PortPath(), name);
        ASSERT_TRUE(options.bSilent || application.m_portSetting.Choose(name, ""));
        RunUpload([&] { application.Form()->OnUploadCurrentProgram(); },
                  [&](CUploadProgressDlg& dlg) {
                      if (options.bSilent && m_device->WaitForFrames(1, 10s)) {
                          m_messages.Clear();
                          m_messages.QueueAnswer(EMsgAnswer::kNo);
                          m_messages.QueueAnswer(EMsgAnswer::kYes);
                          EXPECT_FALSE(application.MainFrame()->close());
                          EXPECT_TRUE(dlg.isVisible() && application.Form()->UploadRunning());
                          EXPECT_TRUE(application.MainFrame()->close());
                      }
                  });
    }
    EXPECT_EQ(status[1][0].toString(), res::kUploadStatusLineLost);
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>(2, res::kAskCloseDuringUpload));
    EXPECT_EQ(m_messages.Requests()[0].yesText, "Close");
    EXPECT_EQ(status.last()[0].toString(), res::kUploadStatusCancelled);
    application.ExitInstance();
}

}  // namespace
