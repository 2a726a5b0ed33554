// Upload jobs against the simulated generator over a real pseudo-terminal.
#include <gtest/gtest.h>

#include <functional>
#include <system_error>

#include "platform/notify.h"
#include "res/notifications.h"
#include "res/strings_link.h"
#include "tests/scripted_messages.h"
#include "tests/upload/upload_test_support.h"
#include "upload/time_left.h"
#include "upload/upload_job.h"

namespace {

using namespace std::chrono_literals;
using testing_support::SampleBook;
using testing_support::SSimLink;

// Stands in for the progress dialog: counts progress and notices the close command; and for
// the application, which hears the link's events.
class CFakeDialog {
public:
    CFakeDialog() : m_pPrevious(platform::SetNotifyDispatcher(&m_queue)) {
        m_handle = platform::RegisterNotifyTarget([this](uint32_t msg, uintptr_t w, intptr_t) {
            if (msg == res::WM_UPLOADPROGRESS) {
                ++m_nProgress;
            } else if (msg == res::kNotifyCommand && w == upload::kIdCancel) {
                m_bClosed = true;
            } else if (msg == res::WM_LINKEVENT &&
                       w == static_cast<uintptr_t>(devlink::ELinkEvent::kLineLost)) {
                ++m_nLineLost;
            }
        });
    }
    ~CFakeDialog() {
        platform::UnregisterNotifyTarget(m_handle);
        platform::SetNotifyDispatcher(m_pPrevious);
    }
    // Runs the dialog's messages until the job closes it.
    bool RunUntilClosed() {
        const auto end = std::chrono::steady_clock::now() + 120s;
        while (!m_bClosed && std::chrono::steady_clock::now() < end) {
            m_queue.RunFor(100ms);
        }
        return m_bClosed;
    }
    // Runs the dialog's messages until the condition holds (or nothing more comes); whatever the
    // reader finds is followed by a note, so nothing is missed.
    bool RunUntil(const std::function<bool()>& condition) {
        while (!condition() && m_queue.RunFor(10s)) {
        }
        m_queue.RunPending();
        return condition();
    }
    static std::function<bool()> Confirmed(const upload::CUploadJob& job) {
        return [&job] { return job.End() == upload::EUploadEnd::kConfirmed; };
    }
    bool Start(upload::CUploadJob& job, devlink::CDeviceLink& link) {
        link.m_hEventWnd = m_handle;
        return job.Start(link, m_handle);
    }

    platform::CNotifyQueue m_queue;
    platform::INotifyDispatcher* m_pPrevious;
    platform::NotifyHandle m_handle;
    int m_nProgress = 0;
    int m_nLineLost = 0;
    bool m_bClosed = false;
};

std::unique_ptr<upload::CBookUploadJob> BookJob(const model::CProgramBook& book) {
    auto job = std::make_unique<upload::CBookUploadJob>();
    EXPECT_TRUE(job->AllocateData(model::CProgramBook::EncodedSize()));
    book.EncodeAll(job->m_pData.get());
    return job;
}

std::unique_ptr<upload::CProgramUploadJob> ProgramJob(const model::CProgramBook& book, int index) {
    auto job = std::make_unique<upload::CProgramUploadJob>();
    EXPECT_TRUE(job->AllocateData(model::kPayloadSize));
    book[index].Encode(job->m_pData.get());
    job->m_nProgram = static_cast<int16_t>(index);
    return job;
}

TEST(BookUpload, TheWholeBookArrivesByteExact) {
    testing_support::CScriptedMessages messages;
    SSimLink s;
    CFakeDialog dialog;
    auto book = SampleBook();
    auto job = BookJob(*book);
    ASSERT_TRUE(dialog.Start(*job, s.link));
    ASSERT_TRUE(dialog.RunUntilClosed());
    EXPECT_TRUE(job->m_bDone);
    EXPECT_EQ(job->m_nSent, 391936);
    EXPECT_TRUE(dialog.RunUntil(CFakeDialog::Confirmed(*job)));

    std::vector<uint8_t> expected(model::CProgramBook::EncodedSize());
    book->EncodeAll(expected.data());
    EXPECT_EQ(s.device.BookImage(), expected);
    auto frames = s.device.Frames();
    ASSERT_EQ(frames.size(), 6125u);
    for (size_t i = 0; i < frames.size(); ++i) {
        const uint16_t sequence = i + 1 < frames.size() ? static_cast<uint16_t>(i) : 0xFFFF;
        ASSERT_EQ(frames[i].address, sequence) << i;
        ASSERT_EQ(frames[i].command, devlink::kCmdBookBlock) << i;
        ASSERT_EQ(frames[i].length, 68) << i;
    }
    EXPECT_GE(dialog.m_nProgress, 6124);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(ProgramUpload, OneProgramArrivesInFourBlocksWithItsIndex) {
    testing_support::CScriptedMessages messages;
    struct SCase {
        const char* name;
        sim::SSimOptions options;
    };
    sim::SSimOptions duplicating;
    duplicating.nDuplicateEvery = 1;  // every acknowledgement comes twice
    const SCase cases[] = {{"plain", {}}, {"duplicate acknowledgements", duplicating}};
    for (const auto& c : cases) {
        SSimLink s(c.options);
        CFakeDialog dialog;
        auto book = SampleBook();
        auto job = ProgramJob(*book, 1998);
        ASSERT_TRUE(dialog.Start(*job, s.link));
        ASSERT_TRUE(dialog.RunUntilClosed()) << c.name;
        EXPECT_EQ(job->m_nSent, 192) << c.name;

        std::vector<uint8_t> expected(model::kPayloadSize);
        (*book)[1998].Encode(expected.data());
        EXPECT_EQ(s.device.ProgramImage(1998), expected) << c.name;
        // Each acknowledgement released one frame: no block went twice or out of order.
        job.reset();  // the thread has ended; nothing else can leave
        auto frames = s.device.Frames();
        ASSERT_EQ(frames.size(), 4u) << c.name;
        const uint16_t offsets[] = {0, 64, 128, 192};
        const uint16_t lengths[] = {70, 70, 70, 10};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(frames[i].command, devlink::kCmdProgramBlock);
            EXPECT_EQ(frames[i].address, 1998);
            EXPECT_EQ(frames[i].offset, offsets[i]) << c.name;
            EXPECT_EQ(frames[i].length, lengths[i]) << c.name;
        }
    }
    EXPECT_EQ(messages.Count(), 0u);
}

TEST(ProgramUpload, DataShorterThanABlockGoesWholeAsTheFinalBlock) {
    testing_support::CScriptedMessages messages;
    SSimLink s;
    CFakeDialog dialog;
    upload::CProgramUploadJob job;
    ASSERT_TRUE(job.AllocateData(10));  // the only allocation: reading past it is the fault
    for (int i = 0; i < 10; ++i) {
        job.m_pData[i] = static_cast<uint8_t>(0xA0 + i);
    }
    ASSERT_TRUE(dialog.Start(job, s.link));
    ASSERT_TRUE(dialog.RunUntil(CFakeDialog::Confirmed(job)));
    // The simulator counts a frame once its answer has gone: the answer may be in first.
    ASSERT_TRUE(s.device.WaitForFrames(1, 10s));
    job.Cancel();  // the job has ended; nothing more can leave
    const auto frames = s.device.Frames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].length, 16);
    EXPECT_EQ(frames[0].data, std::vector<uint8_t>(job.m_pData.get(), job.m_pData.get() + 10));
}

TEST(UploadSilentDevice, SendsOneFrameAndWaitsUntilCancel) {
    testing_support::CScriptedMessages messages;
    sim::SSimOptions silent;
    silent.bSilent = true;
    SSimLink s(silent);
    CFakeDialog dialog;
    auto job = BookJob(*SampleBook());
    s.link.m_hAckEvent->Set();  // a stale acknowledgement from earlier traffic
    ASSERT_TRUE(dialog.Start(*job, s.link));
    ASSERT_TRUE(s.device.WaitForFrames(1, 10s));
    EXPECT_FALSE(job->m_bDone);
    job->Cancel();
    EXPECT_TRUE(job->m_bDone);
    EXPECT_EQ(s.device.FrameCount(), 1u);
    dialog.m_queue.RunPending();
    EXPECT_FALSE(dialog.m_bClosed);  // a cancelled job does not close the dialog itself
}

// Cancel at any point: the thread has stopped when Cancel returns, and nothing follows it on
// the line (a test frame sent after Cancel is the last thing the device sees).
TEST(UploadCancel, LeavesNoThreadAndNoFrameBehind) {
    testing_support::CScriptedMessages messages;
    enum class EWhen { kBeforeStart, kAtStart, kAfterFrames, kAfterEnd };
    const EWhen whens[] = {EWhen::kBeforeStart, EWhen::kAtStart, EWhen::kAfterFrames,
                           EWhen::kAfterEnd};
    for (EWhen when : whens) {
        sim::SSimOptions options;
        options.delay = 1ms;
        SSimLink s(options);
        CFakeDialog dialog;
        auto job = when == EWhen::kAfterEnd
                       ? std::unique_ptr<upload::CUploadJob>(ProgramJob(*SampleBook(), 0))
                       : std::unique_ptr<upload::CUploadJob>(BookJob(*SampleBook()));
        if (when == EWhen::kBeforeStart) {
            job->Cancel();
        }
        ASSERT_TRUE(dialog.Start(*job, s.link));
        if (when == EWhen::kAfterFrames) {
            ASSERT_TRUE(s.device.WaitForFrames(20, 10s));
        } else if (when == EWhen::kAfterEnd) {
            ASSERT_TRUE(dialog.RunUntilClosed());
        }
        job->Cancel();
        EXPECT_TRUE(job->m_bDone);
        devlink::CPacketBuffer test(16);
        test.BuildFrame(devlink::kFrameTypeTest, 0, nullptr, 0, 0);
        s.link.SendFrame(test);
        ASSERT_TRUE(s.device.WaitUntil(
            [](const auto& frames) {
                return !frames.empty() && frames.back().type == devlink::kFrameTypeTest;
            },
            10s))
            << "a frame followed the cancel, case " << static_cast<int>(when);
        auto frames = s.device.Frames();
        if (when == EWhen::kBeforeStart) {
            EXPECT_EQ(frames.size(), 1u);  // nothing of the upload went out
        }
    }
}

// Acknowledgements that come twice (passed over once the device has shown that it echoes the
// blocks; a device that does not lets the job run ahead, frames waiting in the line's queue): the
// whole book must still arrive, and the end is confirmed only by the device's answer to the final
// block, never by a repeated earlier one.
TEST(BookUpload, RunsAheadOnRepeatedAnswersAndStillEndsConfirmed) {
    testing_support::CScriptedMessages messages;
    sim::SSimOptions duplicating;
    duplicating.nDuplicateEvery = 2;
    SSimLink s(duplicating);
    CFakeDialog dialog;
    auto book = SampleBook();
    auto job = BookJob(*book);
    ASSERT_TRUE(dialog.Start(*job, s.link));
    ASSERT_TRUE(dialog.RunUntilClosed());
    ASSERT_TRUE(s.device.WaitForBooks(1, 60s));
    ASSERT_TRUE(s.device.WaitForFrames(6125, 10s));
    std::vector<uint8_t> expected(model::CProgramBook::EncodedSize());
    book->EncodeAll(expected.data());
    EXPECT_EQ(s.device.BookImage(), expected);
    // The device answered the final block; the job knows it once that answer is read.
    EXPECT_TRUE(dialog.RunUntil(CFakeDialog::Confirmed(*job)));
    EXPECT_EQ(messages.Count(), 0u);
}

// How each upload ends, as the dialog and the command line read it once the job has closed.
TEST(UploadEnd, TellsConfirmedUnconfirmedAndLostApart) {
    testing_support::CScriptedMessages messages;
    struct SCase {
        const char* name;
        sim::SSimOptions options;
        upload::EUploadEnd end;
        int lineLostEvents;
    };
    sim::SSimOptions noFinalAck;
    noFinalAck.bNoFinalAck = true;
    sim::SSimOptions hangingUp;
    hangingUp.nHangUpAfter = 2;
    sim::SSimOptions misnaming;  // answers block 2 (offset 128) as if it were block 3
    misnaming.nMisnameFrom = 2;
    const SCase cases[] = {
        {"confirmed", {}, upload::EUploadEnd::kConfirmed, 0},
        {"final block never answered", noFinalAck, upload::EUploadEnd::kUnconfirmed, 0},
        {"line gone after two blocks", hangingUp, upload::EUploadEnd::kLineLost, 1},
        {"answer for another block", misnaming, upload::EUploadEnd::kOtherBlock, 0},
    };
    for (const auto& c : cases) {
        SSimLink s(c.options);
        CFakeDialog dialog;
        auto job = ProgramJob(*SampleBook(), 7);
        ASSERT_TRUE(dialog.Start(*job, s.link));
        // Closed by the job itself in every case: a lost line ends the wait at once.
        ASSERT_TRUE(dialog.RunUntilClosed()) << c.name;
        // The last answer may still be on its way to the reader; it brings a progress note.
        if (c.end == upload::EUploadEnd::kConfirmed) {
            dialog.RunUntil(CFakeDialog::Confirmed(*job));
        }
        dialog.m_queue.RunPending();
        EXPECT_EQ(job->End(), c.end) << c.name;
        EXPECT_EQ(dialog.m_nLineLost, c.lineLostEvents) << c.name;
        if (c.end == upload::EUploadEnd::kUnconfirmed) {
            EXPECT_EQ(job->FinalAck()->State(), devlink::CFinalAck::EState::kAwaited);
            EXPECT_EQ(s.device.FrameCount(), 4u);
        }
    }
    EXPECT_EQ(messages.Count(), 0u);
}

// An upload on a line that has already gone says so once and ends without waiting.
TEST(UploadEnd, AnUploadOnAGoneLineEndsAtOnceWithOneReport) {
    testing_support::CScriptedMessages messages;
    sim::SSimOptions hangingUp;
    hangingUp.nHangUpAfter = 1;
    SSimLink s(hangingUp);
    CFakeDialog dialog;
    s.link.m_hEventWnd = dialog.m_handle;
    ASSERT_TRUE(s.link.SendConnectionTest());
    // The link's event, not its flag, which is set just before the event goes.
    ASSERT_TRUE(dialog.RunUntil([&] { return dialog.m_nLineLost >= 1; }));
    ASSERT_TRUE(s.link.IsLineLost());
    ASSERT_EQ(dialog.m_nLineLost, 1);
    for (int attempt = 1; attempt <= 2; ++attempt) {
        auto job = ProgramJob(*SampleBook(), 0);
        dialog.m_bClosed = false;
        ASSERT_TRUE(dialog.Start(*job, s.link));
        ASSERT_TRUE(dialog.RunUntilClosed());
        dialog.m_queue.RunPending();
        EXPECT_EQ(job->End(), upload::EUploadEnd::kLineLost);
        EXPECT_EQ(dialog.m_nLineLost, 1 + attempt);
    }
    EXPECT_EQ(messages.Count(), 0u);
}

class CThreadlessJob : public upload::CBookUploadJob {
protected:
    void LaunchThread() override {
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    }
};

TEST(UploadStart, AJobWhoseThreadCannotStartSaysSoAndStillEnds) {
    testing_support::CScriptedMessages messages;
    CThreadlessJob job;
    devlink::CDeviceLink link;
    ASSERT_TRUE(job.AllocateData(model::CProgramBook::EncodedSize()));
    EXPECT_FALSE(job.Start(link, platform::kNoNotify));
    ASSERT_EQ(messages.Count(), 1u);
    const auto request = messages.Requests()[0];
    EXPECT_EQ(request.text, res::kUploadThreadFailed);
    EXPECT_EQ(request.caption, res::kErrorCaption);
    EXPECT_EQ(request.icon, platform::EMsgIcon::kWarning);
    job.Cancel();  // returns: there is nothing to wait for
    EXPECT_TRUE(job.m_bDone);
}

TEST(UploadDialogGone, LateNotificationsAndTheCloseAreHarmless) {
    testing_support::CScriptedMessages messages;
    SSimLink s;
    CFakeDialog dialog;
    auto job = ProgramJob(*SampleBook(), 5);
    platform::UnregisterNotifyTarget(dialog.m_handle);  // the dialog has closed already
    ASSERT_TRUE(dialog.Start(*job, s.link));
    ASSERT_TRUE(s.device.WaitForFrames(4, 10s));
    job.reset();  // waits for the thread, which posted to nobody
    dialog.m_queue.RunPending();
    EXPECT_FALSE(dialog.m_bClosed);
    EXPECT_EQ(dialog.m_nProgress, 0);
}

TEST(UploadFrames, AreLaidOutAsTheDeviceExpects) {
    devlink::CPacketBuffer frame(128);
    const uint8_t data[4] = {0xA1, 0xA2, 0xA3, 0xA4};
    upload::CBookUploadJob::BuildFrame(frame, 0x1234, data, 4);
    EXPECT_EQ(std::vector<uint8_t>(frame.Data(), frame.Data() + 12),
              (std::vector<uint8_t>{0x00, 0x01, 0x00, 0x08, 0x00, 0x02, 0x12, 0x34, 0xA1, 0xA2,
                                    0xA3, 0xA4}));
    upload::CProgramUploadJob::BuildFrame(frame, 1999, 192, data, 4);
    EXPECT_EQ(std::vector<uint8_t>(frame.Data(), frame.Data() + 14),
              (std::vector<uint8_t>{0x00, 0x01, 0x00, 0x0A, 0x00, 0x03, 0x07, 0xCF, 0x00, 0xC0,
                                    0xA1, 0xA2, 0xA3, 0xA4}));
    EXPECT_EQ(frame.Count(), 0);
}

}  // namespace

namespace {

// The time left follows the pace of the acknowledgements so far, and stays unsaid while that
// pace is not known.
TEST(UploadTimeLeft, FollowsThePaceOnceItIsKnown) {
    using std::chrono::seconds;
    struct SCase {
        const char* name;
        int32_t sent;
        int32_t total;
        std::chrono::milliseconds elapsed;
        std::optional<seconds> left;
    };
    const int32_t book = model::CProgramBook::EncodedSize();
    const SCase cases[] = {
        {"first block only", 64, book, 2000ms, std::nullopt},
        {"too early", 64 * 20, book, 500ms, std::nullopt},
        {"too few blocks", 64 * 4, book, 3000ms, std::nullopt},
        // 64 * 100 bytes after the first in 1 s: the rest of the book in 60.25 s.
        {"a book at its pace", 64 * 101, book, 1000ms, seconds(61)},
        {"half way", 64 + book / 2, book, 25000ms, seconds(25)},
        {"all but the final block", book - 64, book, 50000ms, seconds(1)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(upload::EstimateTimeLeft(c.sent, c.total, c.elapsed), c.left) << c.name;
    }
}

}  // namespace
