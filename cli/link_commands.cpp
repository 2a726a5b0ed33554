// upload and test: the device commands without windows, on the same link and upload jobs as the
// program. The main thread stands in for the user-interface thread: it runs the notifications
// that the link and the job post, and Ctrl+C reaches it as one of them.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/link_commands.h"
#include "link/device_link.h"
#include "model/program_book.h"
#include "platform/console_interrupt.h"
#include "platform/console_messages.h"
#include "platform/message_box.h"
#include "platform/notify.h"
#include "ports/port_name.h"
#include "res/strings.h"
#include "upload/upload_job.h"

namespace cli {

namespace {

using Clock = std::chrono::steady_clock;

// Notifications of the command line's own, beside the link's and the job's.
constexpr uint32_t kNotifyInterrupt = 0x8000;
constexpr uint32_t kNotifyAnswer = 0x8001;

constexpr auto kPlainProgressEvery = std::chrono::milliseconds(500);

std::string Format(const char* format, auto... args) {
    char text[512];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

// The device's answer to the connection test goes to standard output and wakes the main loop;
// every other message is printed on standard error as usual.
class CCliMessages : public platform::IMessageSink {
public:
    CCliMessages() : m_pPrevious(platform::SetMessageSink(this)) {}
    ~CCliMessages() override { platform::SetMessageSink(m_pPrevious); }
    platform::EMsgAnswer Show(const platform::SMessageRequest& request) override {
        return m_console.Show(request);
    }
    void Post(const platform::SMessageRequest& request) override {
        if (request.text == res::kReceivedResponse && request.caption == res::kAcknowledgeCaption) {
            std::printf("%s\n", res::kReceivedResponse);
            std::fflush(stdout);
            platform::PostNotify(m_target.load(), kNotifyAnswer, 0, 0);
            return;
        }
        m_console.Show(request);
    }
    std::atomic<platform::NotifyHandle> m_target{platform::kNoNotify};

private:
    platform::CConsoleMessages m_console;
    platform::IMessageSink* m_pPrevious;
};

// The main loop of a device command: the notification queue, its target, the signals.
class CSession {
public:
    explicit CSession(int timeoutSeconds) : m_timeout(std::chrono::seconds(timeoutSeconds)) {
        m_pPrevious = platform::SetNotifyDispatcher(&m_queue);
        m_target = platform::RegisterNotifyTarget(
            [this](uint32_t msg, uintptr_t wParam, intptr_t) { OnNotify(msg, wParam); });
        m_messages.m_target = m_target;
        // Ctrl+C becomes a notification to the main loop.
        m_pInterrupt = std::make_unique<platform::CConsoleInterrupt>(
            [target = m_target] { platform::PostNotify(target, kNotifyInterrupt, 0, 0); });
    }
    ~CSession() {
        m_pInterrupt.reset();
        platform::UnregisterNotifyTarget(m_target);
        platform::SetNotifyDispatcher(m_pPrevious);
    }

    enum class EEnd { kNone, kDone, kSilent, kInterrupted };

    // Runs notifications until one ends the command or the device has been silent too long.
    EEnd RunUntilEnd(const std::function<void()>& onProgress) {
        m_onProgress = onProgress;
        m_deadline = Clock::now() + m_timeout;
        while (m_end == EEnd::kNone) {
            const auto now = Clock::now();
            if (now >= m_deadline) {
                return EEnd::kSilent;
            }
            m_queue.RunFor(std::chrono::duration_cast<std::chrono::milliseconds>(m_deadline - now) +
                           std::chrono::milliseconds(1));
        }
        return m_end;
    }

    platform::NotifyHandle Target() const { return m_target; }

private:
    void OnNotify(uint32_t msg, uintptr_t wParam) {
        if (msg == devlink::WM_UPLOADPROGRESS) {
            m_deadline = Clock::now() + m_timeout;  // the device is alive
            if (m_onProgress) {
                m_onProgress();
            }
        } else if (msg == upload::kNotifyCommand && wParam == upload::kIdCancel) {
            m_end = EEnd::kDone;
        } else if (msg == kNotifyAnswer) {
            m_end = EEnd::kDone;
        } else if (msg == kNotifyInterrupt) {
            m_end = EEnd::kInterrupted;
        }
    }

    CCliMessages m_messages;
    platform::CNotifyQueue m_queue;
    platform::INotifyDispatcher* m_pPrevious = nullptr;
    platform::NotifyHandle m_target = platform::kNoNotify;
    std::unique_ptr<platform::CConsoleInterrupt> m_pInterrupt;
    std::chrono::milliseconds m_timeout;
    Clock::time_point m_deadline{};
    EEnd m_end = EEnd::kNone;
    std::function<void()> m_onProgress;
};

// A bar that redraws itself on a terminal, a line now and then otherwise.
class CProgressReport {
public:
    CProgressReport() : m_bTerminal(::isatty(STDOUT_FILENO) != 0) {}
    void Show(int percent) {
        if (percent == m_nShown) {
            return;
        }
        const auto now = Clock::now();
        if (m_bTerminal) {
            constexpr int kWidth = 40;
            const int filled = percent * kWidth / 100;
            std::printf("\r[%s%s] %3d%%", std::string(filled, '#').c_str(),
                        std::string(kWidth - filled, '.').c_str(), percent);
        } else if (now - m_lastLine >= kPlainProgressEvery) {
            std::printf(res::kCliProgress, percent);
            std::printf("\n");
            m_lastLine = now;
        } else {
            return;
        }
        std::fflush(stdout);
        m_nShown = percent;
    }
    void End() {
        if (m_bTerminal && m_nShown >= 0) {
            std::printf("\n");
        }
    }

private:
    bool m_bTerminal;
    int m_nShown = -1;
    Clock::time_point m_lastLine{};
};

int Finish(CSession::EEnd end, int timeoutSeconds) {
    switch (end) {
        case CSession::EEnd::kDone:
            return kExitOk;
        case CSession::EEnd::kSilent:
            std::fprintf(stderr, "%s\n", Format(res::kCliSilent, timeoutSeconds).c_str());
            return kExitNoAnswer;
        case CSession::EEnd::kInterrupted:
        case CSession::EEnd::kNone:
            break;
    }
    std::fprintf(stderr, "%s\n", res::kCliCancelled);
    return kExitCancelled;
}

bool OpenLink(devlink::CDeviceLink& link, const std::string& port, CSession& session) {
    link.SetPortPath(ports::PortPathFromName(port));
    if (!link.Open()) {
        std::fprintf(stderr, "%s\n", Format(res::kCliPortFailed, port.c_str()).c_str());
        return false;
    }
    link.m_hNotifyWnd = session.Target();
    return true;
}

struct SUploadArgs {
    std::string strPort;
    std::string strFile;
    int nProgram = 0;  // 1 to 2000; 0 for the whole book
    int nTimeout = kDefaultTimeoutSeconds;
};

std::unique_ptr<upload::CUploadJob> MakeJob(const model::CProgramBook& book, int program) {
    if (program == 0) {
        auto job = std::make_unique<upload::CBookUploadJob>();
        if (job->AllocateData(model::CProgramBook::EncodedSize())) {
            book.EncodeAll(job->m_pData.get());
        }
        return job;
    }
    auto job = std::make_unique<upload::CProgramUploadJob>();
    job->m_nProgram = static_cast<int16_t>(program - 1);
    if (job->AllocateData(model::kPayloadSize)) {
        book[program - 1].Encode(job->m_pData.get());
    }
    return job;
}

int RunUpload(const SUploadArgs& args) {
    auto book = std::make_unique<model::CProgramBook>();
    if (!model::LoadBookFromPath(*book, args.strFile)) {
        return kExitFailure;
    }
    CSession session(args.nTimeout);
    devlink::CDeviceLink link;
    if (!OpenLink(link, args.strPort, session)) {
        return kExitPortFailed;
    }
    std::unique_ptr<upload::CUploadJob> job = MakeJob(*book, args.nProgram);
    if (!job->m_pData) {
        platform::ShowAppMessage(res::kOutOfMemory);
        return kExitFailure;
    }
    job->m_hAckEvent = link.m_hAckEvent;
    job->m_pLink = &link;
    job->m_pDialog = session.Target();
    if (!job->Start()) {
        return kExitFailure;
    }
    CProgressReport progress;
    auto end = session.RunUntilEnd(
        [&] { progress.Show(static_cast<int>(job->m_nSent.load() * 100LL / job->m_nTotal)); });
    job->Cancel();  // returns at once when the job has finished
    progress.End();
    if (end == CSession::EEnd::kDone) {
        const int frames = (job->m_nTotal + upload::kBlockSize - 1) / upload::kBlockSize;
        std::printf("%s\n", Format(res::kCliUploadDone, job->m_nTotal, frames).c_str());
    }
    return Finish(end, args.nTimeout);
}

int RunTest(const std::string& port, int timeoutSeconds) {
    CSession session(timeoutSeconds);
    devlink::CDeviceLink link;
    if (!OpenLink(link, port, session)) {
        return kExitPortFailed;
    }
    devlink::CPacketBuffer frame(16);
    frame.BuildFrame(devlink::kFrameTypeTest, 0, nullptr, 0, 0);
    link.SendFrame(frame);
    return Finish(session.RunUntilEnd(nullptr), timeoutSeconds);
}

}  // namespace

void RegisterLinkCommands(CLI::App& app, int& exitCode) {
    auto args = std::make_shared<SUploadArgs>();
    CLI::App* upload = app.add_subcommand(
        "upload", "send the whole book (or one program) of a .vq file to the generator");
    upload->add_option("--port", args->strPort, res::kCliPortHelp)->required();
    upload->add_option("FILE", args->strFile, "the .vq file")->required();
    upload->add_option("--program", args->nProgram, "send only this program (1 to 2000)")
        ->check(CLI::Range(1, model::kProgramCount));
    upload
        ->add_option("--timeout", args->nTimeout,
                     "give up when the device stays silent this many seconds")
        ->check(CLI::Range(1, 3600));
    upload->callback([args, &exitCode] { exitCode = RunUpload(*args); });

    auto testArgs = std::make_shared<SUploadArgs>();
    CLI::App* test = app.add_subcommand("test", "send the connection test and wait for the answer");
    test->add_option("--port", testArgs->strPort, res::kCliPortHelp)->required();
    test->add_option("--timeout", testArgs->nTimeout, "seconds to wait for the answer")
        ->check(CLI::Range(1, 3600));
    test->callback(
        [testArgs, &exitCode] { exitCode = RunTest(testArgs->strPort, testArgs->nTimeout); });
}

}  // namespace cli
