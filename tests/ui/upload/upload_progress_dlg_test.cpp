// The Uploading Progress dialog, run modally offscreen against the simulated generator over a
// real pseudo-terminal, with the Qt delivery of posted notifications.
#include "ui/upload/upload_progress_dlg.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <system_error>

#include "app/qt_notify_dispatcher.h"
#include "res/ids_upload.h"
#include "res/notifications.h"
#include "res/strings_link.h"
#include "res/strings_upload.h"
#include "tests/scripted_messages.h"
#include "tests/ui/posted_notifications.h"
#include "tests/ui/screenshot.h"
#include "tests/upload/upload_test_support.h"

namespace {

using namespace std::chrono_literals;
using testing_support::MaybeScreenshot;
using testing_support::SampleBook;
using testing_support::SSimLink;
using ui::CUploadProgressDlg;

// Jobs that let the test see whether their thread is still there.
template <class TJob>
class CWatchedJob : public TJob {
public:
    bool ThreadAlive() const { return this->m_thread.joinable(); }
};
using CBookJob = CWatchedJob<upload::CBookUploadJob>;
using CProgramJob = CWatchedJob<upload::CProgramUploadJob>;

// A system that refuses to create the upload thread.
class CThreadlessJob : public CProgramJob {
protected:
    void LaunchThread() override {
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    }
};

class UploadProgressDlg : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "upload_progress_dlg_test";
        static char* argv[] = {name, nullptr};
        if (QApplication::instance() == nullptr) {
            new QApplication(argc, argv);
        }
    }

    static QPushButton* CancelButton(QDialog& dlg) {
        auto* button = dlg.findChild<QPushButton*>(QString::number(res::IDCANCEL));
        EXPECT_NE(button, nullptr);
        return button;
    }

    void Prepare(upload::CUploadJob& job, CUploadProgressDlg& dlg, devlink::CDeviceLink& link) {
        dlg.m_pJob = &job;
        dlg.m_pApp = &link;
    }

    static QString LabelText(CUploadProgressDlg& dlg, const char* name) {
        auto* label = dlg.findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(label, nullptr) << name;
        return label != nullptr ? label->text() : QString();
    }

    // Runs the dialog modally; act plays the user once it is on screen. A dialog that is still
    // open after the watchdog's time is closed and the test fails.
    static int Run(CUploadProgressDlg& dlg, std::function<void()> act = {}) {
        QTimer::singleShot(0, &dlg, [&dlg, act] {
            EXPECT_TRUE(dlg.isVisible());
            if (act) {
                act();
            }
        });
        bool bWatchdog = false;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, &dlg, [&] {
            bWatchdog = true;
            dlg.done(QDialog::Accepted);
        });
        watchdog.start(120s);
        const int result = dlg.DoModal();
        EXPECT_FALSE(bWatchdog) << "the dialog did not close";
        return result;
    }

    testing_support::CScriptedMessages m_messages;
    app::CQtNotifyDispatcher m_dispatcher;
};

TEST_F(UploadProgressDlg, HasTheTemplateCaptionAndControls) {
    CUploadProgressDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), res::kUploadProgressCaption);
    EXPECT_EQ(dlg.property("controlId").toInt(), res::IDD_UPLOAD_PROGRESS);
    auto* bar = dlg.findChild<QProgressBar*>(QString::number(res::IDC_UPLOAD_PROGRESS));
    ASSERT_EQ(bar, dlg.m_progress);
    EXPECT_EQ(bar->property("controlId").toInt(), res::IDC_UPLOAD_PROGRESS);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(bar)->text(QAccessible::Name),
              "Upload progress");
    QPushButton* cancel = CancelButton(dlg);
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), res::kUploadCancel);
    EXPECT_EQ(cancel->property("controlId").toInt(), res::IDCANCEL);
}

// An upload that the device acknowledges block by block ends by itself, with everything sent.
// The bar reaches its end only on the device's answer to the final block, which the device may
// give seconds later: without one it stays on the share counted as sent (the final block is
// never counted), and once the wait after the last block is over the user is told, once, to send
// it again.
TEST_F(UploadProgressDlg, ClosesByItselfWhenTheLastBlockHasGone) {
    struct SCase {
        const char* name;
        bool bBook;
        bool bConfirmed;
        int nBar;
        size_t nFrames;
        std::chrono::milliseconds finalDelay{0};
    };
    const SCase cases[] = {{"whole book", true, true, 100, 6125},
                           {"program 2000", false, true, 100, 4},
                           {"program 2000, confirmed 2.5 s after", false, true, 100, 4, 2500ms},
                           {"whole book, not confirmed", true, false, 99, 6125},
                           {"program 2000, not confirmed", false, false, 97, 4}};
    for (const SCase& c : cases) {
        m_messages.Clear();
        sim::SSimOptions options;
        options.bNoFinalAck = !c.bConfirmed;
        options.finalDelay = c.finalDelay;
        SSimLink s(options);
        auto book = SampleBook();
        std::unique_ptr<upload::CUploadJob> job;
        std::vector<uint8_t> expected;
        if (c.bBook) {
            job = std::make_unique<CBookJob>();
            ASSERT_TRUE(job->AllocateData(model::CProgramBook::EncodedSize()));
            book->EncodeAll(job->m_pData.get());
        } else {
            auto program = std::make_unique<CProgramJob>();
            ASSERT_TRUE(program->AllocateData(model::kPayloadSize));
            (*book)[1999].Encode(program->m_pData.get());
            program->m_nProgram = 1999;
            job = std::move(program);
        }
        expected.assign(job->m_pData.get(), job->m_pData.get() + job->m_nTotal);
        if (!c.bConfirmed) {
            job->m_confirmWait = 1s;  // the device's whole silence is no use to wait for here
        }
        CUploadProgressDlg dlg;
        Prepare(*job, dlg, s.link);

        // The job closes the dialog once the device has answered the final block, or when the
        // time it is given for that has passed: the bar shows which.
        EXPECT_EQ(Run(dlg), QDialog::Rejected) << c.name;
        EXPECT_FALSE(dlg.isVisible()) << c.name;
        EXPECT_EQ(dlg.m_progress->minimum(), 0);
        EXPECT_EQ(dlg.m_progress->maximum(), 100);
        EXPECT_EQ(dlg.m_progress->value(), c.nBar) << c.name;
        EXPECT_EQ(LabelText(dlg, "uploadPercent"), QString::number(c.nBar) + '%') << c.name;
        if (c.bConfirmed) {
            EXPECT_EQ(job->End(), upload::EUploadEnd::kConfirmed) << c.name;
            EXPECT_EQ(m_messages.Count(), 0u) << c.name;
        } else {
            EXPECT_EQ(job->End(), upload::EUploadEnd::kUnconfirmed) << c.name;
            ASSERT_TRUE(testing_support::DeliverPostedNotifications());
            ASSERT_EQ(m_messages.Count(), 1u) << c.name;
            const platform::SMessageRequest box = m_messages.Requests()[0];
            EXPECT_EQ(box.text, res::kUploadNotConfirmed);
            EXPECT_EQ(box.icon, platform::EMsgIcon::kWarning);
            EXPECT_EQ(box.caption, platform::ApplicationTitle());
        }
        EXPECT_TRUE(job->m_bDone) << c.name;
        EXPECT_FALSE(static_cast<CBookJob*>(job.get())->ThreadAlive()) << c.name;
        EXPECT_EQ(s.device.FrameCount(), c.nFrames) << c.name;
        EXPECT_EQ(c.bBook ? s.device.BookImage() : s.device.ProgramImage(1999), expected) << c.name;
    }
}

// With a silent device the dialog waits until the user ends it, by the button, Escape or the
// close box; the thread has stopped when the dialog is gone and nothing more was sent.
TEST_F(UploadProgressDlg, SilentDeviceWaitsUntilCancel) {
    struct SCase {
        const char* name;
        std::function<void(CUploadProgressDlg&)> cancel;
    };
    const SCase cases[] = {
        {"Cancel button", [](CUploadProgressDlg& dlg) { CancelButton(dlg)->click(); }},
        {"Escape", [](CUploadProgressDlg& dlg) { QTest::keyClick(&dlg, Qt::Key_Escape); }},
        {"close box", [](CUploadProgressDlg& dlg) { dlg.close(); }},
    };
    for (const SCase& c : cases) {
        sim::SSimOptions silent;
        silent.bSilent = true;
        SSimLink s(silent);
        CBookJob job;
        ASSERT_TRUE(job.AllocateData(model::CProgramBook::EncodedSize()));
        SampleBook()->EncodeAll(job.m_pData.get());
        CUploadProgressDlg dlg;
        Prepare(job, dlg, s.link);
        // The silence is told of after this long; the dialog waits on, Cancel at hand.
        dlg.m_silenceNotice = 100ms;
        bool bWasWaiting = false;
        Run(dlg, [&] {
            ASSERT_TRUE(s.device.WaitForFrames(1, 10s));
            ASSERT_TRUE(QTest::qWaitFor([&] { return dlg.m_pSilence->isVisible(); }, 10000));
            EXPECT_TRUE(dlg.m_pSilence->text().startsWith("The device has not answered."));
            EXPECT_TRUE(CancelButton(dlg)->isEnabled());
            MaybeScreenshot(&dlg, "upload_silent_device");
            bWasWaiting = dlg.isVisible() && !job.m_bDone && dlg.m_progress->value() == 0;
            c.cancel(dlg);
        });
        EXPECT_TRUE(bWasWaiting) << c.name;
        EXPECT_FALSE(dlg.isVisible()) << c.name;
        EXPECT_TRUE(job.m_bDone) << c.name;
        EXPECT_FALSE(job.ThreadAlive()) << c.name;
        EXPECT_EQ(s.device.FrameCount(), 1u) << c.name;
    }
    EXPECT_EQ(m_messages.Count(), 0u);
}

// Acknowledgements that come after the dialog has closed (here the delayed answer to the final
// block, and one posted after the dialog is gone) reach nothing and change nothing.
TEST_F(UploadProgressDlg, LateAcknowledgementsAreHarmless) {
    sim::SSimOptions slow;
    slow.finalDelay = 1300ms;  // longer than the job gives the device after the end
    SSimLink s(slow);
    CProgramJob job;
    job.m_confirmWait = 1s;
    ASSERT_TRUE(job.AllocateData(model::kPayloadSize));
    (*SampleBook())[0].Encode(job.m_pData.get());
    platform::NotifyHandle hDialog = platform::kNoNotify;
    {
        CUploadProgressDlg dlg;
        Prepare(job, dlg, s.link);
        Run(dlg);
        EXPECT_EQ(dlg.m_progress->value(), 97);
        hDialog = s.link.m_hNotifyWnd.load();
    }
    ASSERT_TRUE(s.device.WaitForReplies(4, 10s));  // the final block's answer is on its way
    // The link still names the closed dialog, as it always did; nothing reaches it any more.
    EXPECT_EQ(s.link.m_hNotifyWnd.load(), hDialog);
    s.link.SignalAck(0, 0);
    EXPECT_FALSE(platform::PostNotify(hDialog, res::WM_UPLOADPROGRESS, 0, 0));
    EXPECT_FALSE(platform::PostNotify(hDialog, res::kNotifyCommand, upload::kIdCancel, 0));
    QCoreApplication::processEvents();
    // The simulator counts a frame only after its reply has gone; wait for the count, then make
    // sure no fifth frame followed.
    ASSERT_TRUE(s.device.WaitForFrames(4, 10s));
    EXPECT_EQ(s.device.FrameCount(), 4u);
    // The answer came after the device's second: the user was told to send again, and the
    // answer, late as it is, confirms nothing any more.
    EXPECT_EQ(job.End(), upload::EUploadEnd::kUnconfirmed);
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{res::kUploadNotConfirmed});
}

// A job whose thread cannot be created: the user is told, nothing is sent, and Cancel still
// closes the dialog instead of waiting for a thread that never ran.
TEST_F(UploadProgressDlg, ClosesOnCancelWhenTheThreadCouldNotStart) {
    SSimLink s;
    CThreadlessJob job;
    ASSERT_TRUE(job.AllocateData(model::kPayloadSize));
    CUploadProgressDlg dlg;
    Prepare(job, dlg, s.link);
    Run(dlg, [&] { CancelButton(dlg)->click(); });
    EXPECT_FALSE(dlg.isVisible());
    ASSERT_EQ(m_messages.Count(), 1u);
    const platform::SMessageRequest box = m_messages.Requests()[0];
    EXPECT_EQ(box.text, res::kUploadThreadFailed);
    EXPECT_EQ(box.caption, res::kErrorCaption);
    EXPECT_EQ(box.icon, platform::EMsgIcon::kWarning);
    EXPECT_EQ(s.device.FrameCount(), 0u);
}

// The reader signals an acknowledgement before it posts the progress, so under load the job's
// close request can overtake the last progress message: the bar must still end on the job's
// final figure. A job without a thread stands in for the stalled reader here.
TEST_F(UploadProgressDlg, TheJobsCloseShowsTheFinalFigure) {
    CThreadlessJob job;
    ASSERT_TRUE(job.AllocateData(model::kPayloadSize));
    job.m_nSent = 192;
    CUploadProgressDlg dlg;
    devlink::CDeviceLink link;
    Prepare(job, dlg, link);
    Run(dlg, [&] {
        EXPECT_EQ(dlg.m_progress->value(), 0);
        EXPECT_TRUE(platform::PostNotify(link.m_hNotifyWnd.load(), res::kNotifyCommand,
                                         upload::kIdCancel, 0));
    });
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.m_progress->value(), 97);
}

}  // namespace
