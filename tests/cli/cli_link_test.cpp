// zelkorctl upload and test, run as the user would, against the simulated generator.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "cli/link_commands.h"
#include "model/program_book.h"
#include "platform/error_text.h"
#include "platform/text_format.h"
#include "res/strings_link.h"
#include "sim/simulator.h"
#include "tests/test_support.h"
#include "tests/upload/upload_test_support.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;

struct SRun {
    int status = -1;
    std::string out;
    std::string err;
};

class CCommand {
public:
    // Standard output goes to a file of the test's, or where stdoutTo names.
    CCommand(const testing_support::CTempDir& dir, std::vector<std::string> args,
             const std::string& stdoutTo = "")
        : m_strOut(stdoutTo.empty() ? dir.File("out.txt") : stdoutTo),
          m_strErr(dir.File("err.txt")),
          m_bOwnOut(stdoutTo.empty()) {
        args.insert(args.begin(), std::string(ZELKOR_BINARY_DIR) + "/cli/zelkorctl");
        std::vector<char*> argv;
        for (auto& a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, m_strOut.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions, 2, m_strErr.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (::posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            m_pid = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
    }
    void Signal(int signal) { ::kill(m_pid, signal); }
    SRun Wait() {
        SRun run;
        int status = 0;
        if (m_pid > 0 && ::waitpid(m_pid, &status, 0) == m_pid && WIFEXITED(status)) {
            run.status = WEXITSTATUS(status);
        }
        run.out = m_bOwnOut ? Slurp(m_strOut) : std::string();
        run.err = Slurp(m_strErr);
        return run;
    }

private:
    static std::string Slurp(const std::string& path) {
        std::ifstream in(path);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string m_strOut;
    std::string m_strErr;
    bool m_bOwnOut;
    pid_t m_pid = -1;
};

struct SDevice {
    explicit SDevice(sim::SSimOptions options = {}) : device(std::move(options)) {
        std::string error;
        if (!device.Start(error)) {
            throw std::runtime_error(error);
        }
    }
    sim::CSimulator device;
};

std::string Format(const char* format, const char* text) {
    char out[512];
    std::snprintf(out, sizeof out, format, text);
    return out;
}

std::string SaveSample(const testing_support::CTempDir& dir, model::CProgramBook& book) {
    std::string path = dir.File("book.vq");
    EXPECT_TRUE(model::SaveBookToPath(book, path));
    return path;
}

TEST(CliUpload, SendsOneProgramAndTheWholeBook) {
    testing_support::CTempDir dir;
    auto book = testing_support::SampleBook();
    const std::string file = SaveSample(dir, *book);
    // What the file holds is what must arrive (saving compacts the programs).
    auto stored = std::make_unique<model::CProgramBook>();
    ASSERT_TRUE(model::LoadBookFromPath(*stored, file));

    SDevice s;
    SRun one =
        CCommand(dir, {"upload", "--port", s.device.PortPath(), file, "--program", "38"}).Wait();
    EXPECT_EQ(one.status, 0) << one.err;
    std::vector<uint8_t> expected(model::kPayloadSize);
    (*stored)[37].Encode(expected.data());
    EXPECT_EQ(s.device.ProgramImage(37), expected);
    EXPECT_NE(one.out.find("Sent 196 bytes in 4 frames."), std::string::npos) << one.out;

    SRun all = CCommand(dir, {"upload", "--port", s.device.PortPath(), file}).Wait();
    EXPECT_EQ(all.status, 0) << all.err;
    std::vector<uint8_t> image(model::CProgramBook::EncodedSize());
    stored->EncodeAll(image.data());
    EXPECT_EQ(s.device.BookImage(), image);
    // Progress goes to standard error (a line now and then, not being a terminal); standard
    // output carries the result alone.
    EXPECT_NE(all.err.find("upload: 0%"), std::string::npos) << all.err;
    EXPECT_NE(all.err.find("upload: 100%"), std::string::npos) << all.err;
    EXPECT_EQ(all.out, "Sent 392000 bytes in 6125 frames.\n");

    SRun quiet = CCommand(dir, {"upload", "-q", "--port", s.device.PortPath(), file}).Wait();
    EXPECT_EQ(quiet.status, 0) << quiet.err;
    EXPECT_EQ(quiet.err, "");
    EXPECT_EQ(quiet.out, "Sent 392000 bytes in 6125 frames.\n");
}

// A device that answers every second frame twice (one that does not echo the blocks lets the
// upload run ahead, the end of the book then waiting in the line's queue): it must still arrive,
// every time, before the command says it is done.
TEST(CliUpload, RepeatedAnswersStillDeliverTheWholeBook) {
    testing_support::CTempDir dir;
    auto book = testing_support::SampleBook();
    const std::string file = SaveSample(dir, *book);
    auto stored = std::make_unique<model::CProgramBook>();
    ASSERT_TRUE(model::LoadBookFromPath(*stored, file));
    std::vector<uint8_t> image(model::CProgramBook::EncodedSize());
    stored->EncodeAll(image.data());
    for (int run = 0; run < 3; ++run) {
        sim::SSimOptions duplicating;
        duplicating.nDuplicateEvery = 2;
        SDevice s(duplicating);
        SRun all = CCommand(dir, {"upload", "-q", "--port", s.device.PortPath(), file}).Wait();
        EXPECT_EQ(all.status, 0) << all.err;
        EXPECT_EQ(all.out, "Sent 392000 bytes in 6125 frames.\n");
        EXPECT_EQ(s.device.FrameCount(), 6125u) << "run " << run;
        EXPECT_EQ(s.device.BookImage(), image) << "run " << run;
    }
}

// Success needs the device's answer to the last block; a device whose line goes away ends the
// command at once (well inside the generous time-out given here) with a status of its own.
TEST(CliUpload, NeedsTheLastAnswerAndNoticesALostLine) {
    testing_support::CTempDir dir;
    auto book = testing_support::SampleBook();
    const std::string file = SaveSample(dir, *book);
    struct SCase {
        const char* name;
        sim::SSimOptions options;
        std::string timeout;
        int status;
        std::string message;  // empty: the lost line's, naming the port
    };
    sim::SSimOptions noFinalAck;
    noFinalAck.bNoFinalAck = true;
    sim::SSimOptions hangingUp;
    hangingUp.nHangUpAfter = 100;
    const SCase cases[] = {
        {"never confirmed", noFinalAck, "1", cli::kExitNoAnswer, res::kCliNotConfirmed},
        {"line lost", hangingUp, "60", cli::kExitLineLost, ""},
    };
    for (const auto& c : cases) {
        SDevice s(c.options);
        SRun run = CCommand(dir, {"upload", "-q", "--port", s.device.PortPath(), file, "--timeout",
                                  c.timeout})
                       .Wait();
        EXPECT_EQ(run.status, c.status) << c.name << ": " << run.err;
        const std::string message =
            c.message.empty() ? Format(res::kLineLost, s.device.PortPath().c_str()) : c.message;
        EXPECT_EQ(run.err, message + "\n") << c.name;
        EXPECT_EQ(run.out, "") << c.name;
    }
}

// A late repeat of block 1's answer moves nothing, so block 2, lost, ends in silence, never in
// success; an answer for another block stops the upload there (the device's frames: no more).
TEST(CliUpload, HoldsTheDevicesAnswersToTheBlocksSent) {
    testing_support::CTempDir dir;
    auto book = testing_support::SampleBook();
    const std::string file = SaveSample(dir, *book);
    const std::tuple<sim::SSimOptions, int, std::string, size_t> cases[] = {
        {{.nRepeatLate = 1, .nLoseBlock = 2},
         cli::kExitNoAnswer,
         platform::FormatText(res::kCliSilent, 1),
         2},
        {{.nMisnameFrom = 2}, cli::kExitOtherBlock, res::kCliOtherBlock, 3},
    };
    for (const auto& [options, status, message, frames] : cases) {
        SDevice s(options);
        SRun run = CCommand(dir, {"upload", "-q", "--port", s.device.PortPath(), file, "--program",
                                  "38", "--timeout", "1"})
                       .Wait();
        EXPECT_EQ(run.status, status) << run.err;
        EXPECT_EQ(run.err, message + "\n");
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(s.device.FrameCount(), frames);
    }
}

TEST(CliUpload, EndsWithItsOwnStatusForEachFailure) {
    testing_support::CTempDir dir;
    auto book = testing_support::SampleBook();
    const std::string file = SaveSample(dir, *book);
    sim::SSimOptions dropping;
    dropping.nDropEvery = 3;  // the third acknowledgement never comes
    SDevice s(dropping);
    SRun stalled =
        CCommand(dir, {"upload", "--port", s.device.PortPath(), file, "--timeout", "1"}).Wait();
    EXPECT_EQ(stalled.status, cli::kExitNoAnswer);
    EXPECT_NE(stalled.err.find("The device did not answer for 1 seconds."), std::string::npos);
    EXPECT_EQ(s.device.FrameCount(), 3u);

    SRun noPort = CCommand(dir, {"upload", "--port", dir.File("ttyNONE"), file}).Wait();
    EXPECT_EQ(noPort.status, cli::kExitPortFailed);
    EXPECT_NE(noPort.err.find("Can't find the specified port."), std::string::npos);

    SRun noFile =
        CCommand(dir, {"upload", "--port", s.device.PortPath(), dir.File("none.vq")}).Wait();
    EXPECT_EQ(noFile.status, 1);
}

// Whether the line is still marked for one user only (TIOCEXCL), as the next open would find it.
bool LineExclusive(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    int exclusive = 0;
    const bool bAsked = fd >= 0 && ::ioctl(fd, TIOCGEXCL, &exclusive) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return !bAsked || exclusive != 0;
}

// Ctrl+C, and a terminal that closes or a Ctrl+\, cancel cleanly: the status says so and the
// line is left free for the next program.
// Nothing goes while a program to send holds a value the device cannot take, not even the
// programs before it.
TEST(CliUpload, NothingIsSentWhileAProgramToSendBreaksARule) {
    testing_support::CTempDir dir;
    auto book = testing_support::SampleBook();
    (*book)[1500] = testing_support::MakeProgram(false, {{0, 200000001}});  // 20000000.1 Hz
    const std::string file = SaveSample(dir, *book);
    SDevice s;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"upload", "--port", s.device.PortPath(), file},
          std::vector<std::string>{"upload", "--port", s.device.PortPath(), file, "--program",
                                   "1501"}}) {
        SRun run = CCommand(dir, args).Wait();
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find("Nothing was sent"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Program 1501, slot 1: "), std::string::npos) << run.err;
    }
    EXPECT_EQ(s.device.FrameCount(), 0u);
    // The other programs are clean, and one of them goes.
    SRun one =
        CCommand(dir, {"upload", "--port", s.device.PortPath(), file, "--program", "1"}).Wait();
    EXPECT_EQ(one.status, 0) << one.err;
}

TEST(CliUpload, InterruptsCancelCleanly) {
    testing_support::CTempDir dir;
    auto book = testing_support::SampleBook();
    const std::string file = SaveSample(dir, *book);
    sim::SSimOptions silent;
    silent.bSilent = true;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        SCOPED_TRACE(::strsignal(signal));
        SDevice s(silent);
        CCommand upload(dir, {"upload", "--port", s.device.PortPath(), file});
        ASSERT_TRUE(s.device.WaitForFrames(1, 10s));
        upload.Signal(signal);
        SRun run = upload.Wait();
        EXPECT_EQ(run.status, cli::kExitCancelled);
        EXPECT_NE(run.err.find("Cancelled."), std::string::npos);
        EXPECT_EQ(s.device.FrameCount(), 1u);
        EXPECT_FALSE(LineExclusive(s.device.PortPath()));
    }
}

TEST(CliTest, ReportsTheDevicesAnswerOrItsSilence) {
    testing_support::CTempDir dir;
    SDevice answering;
    SRun ok = CCommand(dir, {"test", "--port", answering.device.PortPath()}).Wait();
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_EQ(ok.out, "Received response from device.\n");
    // An answer that cannot be printed is no success.
    SRun lost = CCommand(dir, {"test", "--port", answering.device.PortPath()}, "/dev/full").Wait();
    EXPECT_EQ(lost.status, 1);
    EXPECT_NE(lost.err.find("standard output: File had a write error: No space left on device"),
              std::string::npos)
        << lost.err;

    sim::SSimOptions silent;
    silent.bSilent = true;
    SDevice quiet(silent);
    SRun none = CCommand(dir, {"test", "--port", quiet.device.PortPath(), "--timeout", "1"}).Wait();
    EXPECT_EQ(none.status, cli::kExitNoAnswer);
    EXPECT_EQ(quiet.device.FrameCount(), 1u);
}

// The trace shows exactly what travelled on the line, each frame with the time it went or came.
TEST(CliTest, TracesTheFramesOnTheLine) {
    testing_support::CTempDir dir;
    SDevice answering;
    SRun plain = CCommand(dir, {"test", "--port", answering.device.PortPath()}).Wait();
    EXPECT_EQ(plain.err, "");
    SRun traced = CCommand(dir, {"test", "--trace", "--port", answering.device.PortPath()}).Wait();
    EXPECT_EQ(traced.status, 0) << traced.err;
    EXPECT_EQ(traced.out, "Received response from device.\n");
    std::istringstream lines(traced.err);
    std::vector<std::string> entries;
    for (std::string line; std::getline(lines, line);) {
        const size_t close = line.find("] ");
        ASSERT_TRUE(line.rfind("[", 0) == 0 && close != std::string::npos) << line;
        std::istringstream stamp(line.substr(1, close - 1));
        double seconds = -1;
        EXPECT_TRUE(stamp >> seconds) << line;
        EXPECT_GE(seconds, 0.0) << line;
        entries.push_back(line.substr(close + 2));
    }
    // What happened to the port comes between the frames, one line each: its settings, the
    // driver's answer to low-latency mode (a pseudo-terminal has none), the drain, the close.
    const std::string port = answering.device.PortPath();
    ASSERT_EQ(entries.size(), 6u) << traced.err;
    EXPECT_EQ(entries[0],
              "* port " + port + " opened: 115200 baud, 8 data bits, no parity, 1 stop bit");
    EXPECT_EQ(entries[1],
              "* low-latency mode: refused by the driver (" + platform::ErrorText(ENOTTY) + ")");
    EXPECT_EQ(entries[2], "> 7E 00 03 00 00 BA 13 7E");
    EXPECT_EQ(entries[3], "< 7E 00 02 00 02 00 03 24 66 7E");
    EXPECT_EQ(entries[4].rfind("* output drained at close in ", 0), 0u) << entries[4];
    EXPECT_EQ(entries[5], "* port " + port + " closed");
}

TEST(CliHelp, ShowsEachDefaultAndTheExitStatuses) {
    testing_support::CTempDir dir;
    for (const char* command : {"upload", "test"}) {
        SRun help = CCommand(dir, {command, "--help"}).Wait();
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_NE(help.out.find(res::kCliLinkExitCodes), std::string::npos) << command;
        EXPECT_NE(help.out.find("=10"), std::string::npos) << command;  // --timeout's default
        EXPECT_NE(help.out.find("--trace"), std::string::npos) << command;
    }
}

}  // namespace
