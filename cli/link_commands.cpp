// upload and test: the device commands without windows, on the same link and upload jobs as the
// program. The main thread stands in for the user-interface thread: it runs the notifications
// that the link and the job post, and Ctrl+C reaches it as one of them. Standard output carries
// the results only (the success line, the device's answer); progress and failures go to
// standard error.

#include <CLI/CLI.hpp>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/link_commands.h"
#include "cli/standard_output.h"
#include "devlink/device_link.h"
#include "devlink/link_messages.h"
#include "devlink/port_setting.h"
#include "editor/program_check.h"
#include "model/program_book.h"
#include "platform/console.h"
#include "platform/console_interrupt.h"
#include "platform/message_box.h"
#include "platform/notify.h"
#include "platform/text_format.h"
#include "ports/port_name.h"
#include "res/notifications.h"
#include "res/strings_editor.h"
#include "res/strings_link.h"
#include "res/strings_model.h"
#include "upload/upload_job.h"

namespace cli {

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kPlainProgressEvery = std::chrono::milliseconds(500);

using platform::FormatText;

// The main loop of a device command: the link (traced when asked), the notification queue and
// its target, the signals.
class CSession {
public:
    enum class EEnd { kNone, kDone, kSilent, kUnconfirmed, kInterrupted, kLineLost, kOtherBlock };

    CSession(int timeoutSeconds, bool bTrace) : m_timeout(std::chrono::seconds(timeoutSeconds)) {
        m_link.SetTrace(bTrace ? &m_trace : nullptr);
        m_pPrevious = platform::SetNotifyDispatcher(&m_queue);
        m_target = platform::RegisterNotifyTarget(
            [this](uint32_t msg, uintptr_t wParam, intptr_t) { OnNotify(msg, wParam); });
        // Ctrl+C (and SIGTERM) becomes a notification to the main loop, and tells the link at
        // once that what is queued for the device may go: a close waiting for it then ends.
        m_pInterrupt = std::make_unique<platform::CConsoleInterrupt>([this, target = m_target] {
            m_link.AbandonOutput();
            platform::PostNotify(target, res::kNotifyInterrupt, 0, 0);
        });
    }
    ~CSession() {
        // The close may wait for queued output: a Ctrl+C meanwhile must still cut it short, so
        // the interrupt stays until the link has closed (and its reader, which posts to the
        // queue, has ended).
        m_link.Close();
        m_pInterrupt.reset();
        m_link.m_hEventWnd = platform::kNoNotify;
        platform::UnregisterNotifyTarget(m_target);
        platform::SetNotifyDispatcher(m_pPrevious);
    }

    devlink::CDeviceLink& Link() { return m_link; }

    // Opens the port and has the link report here; false (said why) when it does not open.
    bool OpenLink(const std::string& port) {
        // Before the reader starts: a line gone at once must be heard of too.
        m_link.m_hEventWnd = m_target;
        m_portSetting.UseForThisRun(ports::PortPathFromName(port));
        // The port was named for this command: a port not there is said at once, not kept.
        if (!m_portSetting.OpenForUse()) {
            std::fprintf(stderr, "%s\n", FormatText(res::kCliPortFailed, port.c_str()).c_str());
            return false;
        }
        return true;
    }

    // Runs notifications until the command has ended: ended says after each how, or kNone
    // while it has not; the link's events and Ctrl+C end it, and so does silence for the
    // time-out, which onSilence names. onProgress runs on each acknowledgement.
    EEnd RunUntilEnd(const std::function<EEnd()>& ended, const std::function<EEnd()>& onSilence,
                     const std::function<void()>& onProgress) {
        m_deadline = Clock::now() + m_timeout;
        while (m_end == EEnd::kNone) {
            if (const EEnd end = ended(); end != EEnd::kNone) {
                return end;
            }
            const auto now = Clock::now();
            if (now >= m_deadline) {
                return onSilence();
            }
            if (m_queue.RunFor(
                    std::chrono::duration_cast<std::chrono::milliseconds>(m_deadline - now) +
                    std::chrono::milliseconds(1)) &&
                m_bProgress && onProgress) {
                onProgress();
            }
            m_bProgress = false;
        }
        return m_end;
    }

    platform::NotifyHandle Target() const { return m_target; }
    bool TestAnswered() const { return m_bTestAnswered; }

private:
    void OnNotify(uint32_t msg, uintptr_t wParam) {
        if (msg == res::WM_UPLOADPROGRESS) {
            m_deadline = Clock::now() + m_timeout;  // the device is alive
            m_bProgress = true;
        } else if (msg == res::WM_LINKEVENT) {
            OnLinkEvent(static_cast<devlink::ELinkEvent>(wParam));
        } else if (msg == res::kNotifyInterrupt) {
            m_end = EEnd::kInterrupted;
        }
        // The job's own close (after its last block) ends nothing: the device's confirmation
        // does.
    }

    void OnLinkEvent(devlink::ELinkEvent event) {
        switch (event) {
            case devlink::ELinkEvent::kTestAnswer:
                // A result: standard output.
                WriteResultLine(res::kReceivedResponse);
                m_bTestAnswered = true;
                break;
            case devlink::ELinkEvent::kLineLost:
                if (m_end == EEnd::kNone) {
                    std::fprintf(stderr, "%s\n", devlink::LineLostText(m_link.PortPath()).c_str());
                    m_end = EEnd::kLineLost;
                }
                break;
        }
    }

    devlink::CPrintedTrace m_trace;  // outlives the link that writes to it
    devlink::CDeviceLink m_link;
    // A port named for this command, opened as the window program opens one.
    devlink::CPortSetting m_portSetting{m_link};
    platform::CNotifyQueue m_queue;
    platform::INotifyDispatcher* m_pPrevious = nullptr;
    platform::NotifyHandle m_target = platform::kNoNotify;
    std::unique_ptr<platform::CConsoleInterrupt> m_pInterrupt;
    std::chrono::milliseconds m_timeout;
    Clock::time_point m_deadline{};
    EEnd m_end = EEnd::kNone;
    bool m_bProgress = false;
    bool m_bTestAnswered = false;
};

// Progress on standard error: a bar that redraws itself on a terminal, a line now and then
// otherwise, nothing when asked to be quiet.
class CProgressReport {
public:
    explicit CProgressReport(bool bQuiet)
        : m_bQuiet(bQuiet), m_bTerminal(platform::IsTerminal(stderr)) {}
    void Show(int percent) {
        if (m_bQuiet || percent == m_nShown) {
            return;
        }
        if (m_bTerminal) {
            constexpr int kWidth = 40;
            const int filled = percent * kWidth / 100;
            const std::string bar = std::string(filled, '#') + std::string(kWidth - filled, '.');
            std::fprintf(stderr, "\r[%s] %3d%%", bar.c_str(), percent);
        } else if (Clock::now() - m_lastLine >= kPlainProgressEvery || percent == 100) {
            const std::string line = FormatText(res::kCliProgress, percent);
            std::fprintf(stderr, "%s\n", line.c_str());
            m_lastLine = Clock::now();
        } else {
            return;
        }
        std::fflush(stderr);
        m_nShown = percent;
    }
    void End() {
        if (!m_bQuiet && m_bTerminal && m_nShown >= 0) {
            std::fprintf(stderr, "\n");
        }
    }

private:
    bool m_bQuiet;
    bool m_bTerminal;
    int m_nShown = -1;
    Clock::time_point m_lastLine{};
};

int Finish(CSession::EEnd end, int timeoutSeconds) {
    switch (end) {
        case CSession::EEnd::kDone:
            return kExitOk;
        case CSession::EEnd::kSilent:
            std::fprintf(stderr, "%s\n", FormatText(res::kCliSilent, timeoutSeconds).c_str());
            return kExitNoAnswer;
        case CSession::EEnd::kUnconfirmed:
            std::fprintf(stderr, "%s\n", res::kCliNotConfirmed);
            return kExitNoAnswer;
        case CSession::EEnd::kLineLost:
            return kExitLineLost;  // the session has said so as it happened
        case CSession::EEnd::kOtherBlock:
            std::fprintf(stderr, "%s\n", res::kCliOtherBlock);
            return kExitOtherBlock;
        case CSession::EEnd::kInterrupted:
        case CSession::EEnd::kNone:
            break;
    }
    std::fprintf(stderr, "%s\n", res::kCliCancelled);
    return kExitCancelled;
}

struct SLinkArgs {
    std::string strPort;
    std::string strFile;
    int nProgram = 0;  // 1 to 2000; 0 for the whole book
    int nTimeout = kDefaultTimeoutSeconds;
    bool bTrace = false;
    bool bQuiet = false;
};

std::unique_ptr<upload::CUploadJob> MakeJob(const model::CProgramBook& book, int program) {
    if (program == 0) {
        auto job = std::make_unique<upload::CBookUploadJob>();
        if (job->AllocateData(upload::CBookUploadJob::kDataSize)) {
            job->Fill(book);
        }
        return job;
    }
    auto job = std::make_unique<upload::CProgramUploadJob>();
    if (job->AllocateData(upload::CProgramUploadJob::kDataSize)) {
        job->Fill(book, static_cast<int16_t>(program - 1));
    }
    return job;
}

int RunUpload(const SLinkArgs& args) {
    auto book = std::make_unique<model::CProgramBook>();
    if (!model::LoadBookFromPath(*book, args.strFile)) {
        return kExitFailure;
    }
    // Nothing the device cannot take goes, not even the programs before it.
    const int first = args.nProgram == 0 ? 0 : args.nProgram - 1;
    const int count = args.nProgram == 0 ? model::kProgramCount : 1;
    if (const auto ruleBreak = editor::FirstRuleBreak(*book, first, count)) {
        platform::ShowAppMessage(
            FormatText(res::kUploadRefused, editor::DescribeRuleBreak(*ruleBreak).c_str()),
            args.strFile, std::string());
        return kExitFailure;
    }
    std::unique_ptr<upload::CUploadJob> job = MakeJob(*book, args.nProgram);
    if (!job->m_pData) {
        platform::ShowAppMessage(res::kOutOfMemory);
        return kExitFailure;
    }
    CSession session(args.nTimeout, args.bTrace);
    if (!session.OpenLink(args.strPort)) {
        return kExitPortFailed;
    }
    // The job gives the device as long as the command does to confirm the end.
    job->m_confirmWait = std::chrono::seconds(args.nTimeout);
    if (!job->Start(session.Link(), session.Target())) {
        return kExitFailure;
    }
    CProgressReport progress(args.bQuiet);
    // Done only when the device has confirmed the last block: before, the end of the book may
    // still be on its way, and a device that never confirms it has not got it all.
    const auto end = session.RunUntilEnd(
        [&job] {
            switch (job->End()) {
                case upload::EUploadEnd::kConfirmed:
                    return CSession::EEnd::kDone;
                case upload::EUploadEnd::kOtherBlock:
                    return CSession::EEnd::kOtherBlock;
                default:
                    return CSession::EEnd::kNone;
            }
        },
        [&job] {
            return job->End() == upload::EUploadEnd::kUnconfirmed ? CSession::EEnd::kUnconfirmed
                                                                  : CSession::EEnd::kSilent;
        },
        [&] { progress.Show(job->Percent()); });
    job->Cancel();  // returns at once when the job has finished
    if (end == CSession::EEnd::kDone) {
        progress.Show(100);
    }
    progress.End();
    if (end == CSession::EEnd::kDone) {
        WriteResultLine(FormatText(res::kCliUploadDone, job->m_nTotal, job->FrameCount()));
    }
    return Finish(end, args.nTimeout);
}

int RunTest(const SLinkArgs& args) {
    CSession session(args.nTimeout, args.bTrace);
    if (!session.OpenLink(args.strPort)) {
        return kExitPortFailed;
    }
    // A lost line comes back as the link's event; any other failed write has been reported.
    if (!session.Link().SendConnectionTest() && !session.Link().IsLineLost()) {
        return kExitFailure;
    }
    return Finish(session.RunUntilEnd(
                      [&session] {
                          return session.TestAnswered() ? CSession::EEnd::kDone
                                                        : CSession::EEnd::kNone;
                      },
                      [] { return CSession::EEnd::kSilent; }, nullptr),
                  args.nTimeout);
}

void AddCommonOptions(CLI::App* command, SLinkArgs& args) {
    command->add_option("--port", args.strPort, res::kCliPortHelp)->required();
    command->add_option("--timeout", args.nTimeout, res::kCliTimeoutHelp)
        ->check(CLI::Range(1, 3600));
    command->add_flag("--trace", args.bTrace, res::kCliTraceHelp);
    command->footer(res::kCliLinkExitCodes);
}

}  // namespace

void RegisterLinkCommands(CLI::App& app, int& exitCode) {
    auto args = std::make_shared<SLinkArgs>();
    CLI::App* upload = app.add_subcommand("upload", res::kCliUploadHelp);
    upload->add_option("FILE", args->strFile, res::kCliVqFileHelp)->required();
    upload->add_option("--program", args->nProgram, res::kCliProgramHelp)
        ->check(CLI::Range(1, model::kProgramCount));
    AddCommonOptions(upload, *args);
    upload->add_flag("-q,--quiet", args->bQuiet, res::kCliQuietHelp);
    upload->callback([args, &exitCode] { exitCode = RunUpload(*args); });

    auto testArgs = std::make_shared<SLinkArgs>();
    CLI::App* test = app.add_subcommand("test", res::kCliTestHelp);
    AddCommonOptions(test, *testArgs);
    test->callback([testArgs, &exitCode] { exitCode = RunTest(*testArgs); });
}

}  // namespace cli
