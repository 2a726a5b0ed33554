// zelkorctl upload and test, run as the user would, against the simulated generator.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fstream>
#include <sstream>

#include "cli/link_commands.h"
#include "model/program_book.h"
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
    CCommand(const testing_support::CTempDir& dir, std::vector<std::string> args)
        : m_strOut(dir.File("out.txt")), m_strErr(dir.File("err.txt")) {
        args.insert(args.begin(), std::string(ZELKOR_BINARY_DIR) + "/cli/zelkorctl");
        std::vector<char*> argv;
        for (auto& a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, m_strOut.c_str(), O_WRONLY | O_CREAT, 0600);
        posix_spawn_file_actions_addopen(&actions, 2, m_strErr.c_str(), O_WRONLY | O_CREAT, 0600);
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
        run.out = Slurp(m_strOut);
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
    EXPECT_NE(all.out.find("upload: 0%"), std::string::npos) << all.out;  // not a terminal
    EXPECT_NE(all.out.find("Sent 392000 bytes in 6125 frames."), std::string::npos) << all.out;
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

TEST(CliUpload, CtrlCCancelsCleanly) {
    testing_support::CTempDir dir;
    auto book = testing_support::SampleBook();
    const std::string file = SaveSample(dir, *book);
    sim::SSimOptions silent;
    silent.bSilent = true;
    SDevice s(silent);
    CCommand upload(dir, {"upload", "--port", s.device.PortPath(), file});
    ASSERT_TRUE(s.device.WaitForFrames(1, 10s));
    upload.Signal(SIGINT);
    SRun run = upload.Wait();
    EXPECT_EQ(run.status, cli::kExitCancelled);
    EXPECT_NE(run.err.find("Cancelled."), std::string::npos);
    EXPECT_EQ(s.device.FrameCount(), 1u);
}

TEST(CliTest, ReportsTheDevicesAnswerOrItsSilence) {
    testing_support::CTempDir dir;
    SDevice answering;
    SRun ok = CCommand(dir, {"test", "--port", answering.device.PortPath()}).Wait();
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_EQ(ok.out, "Received response from device.\n");

    sim::SSimOptions silent;
    silent.bSilent = true;
    SDevice quiet(silent);
    SRun none = CCommand(dir, {"test", "--port", quiet.device.PortPath(), "--timeout", "1"}).Wait();
    EXPECT_EQ(none.status, cli::kExitNoAnswer);
    EXPECT_EQ(quiet.device.FrameCount(), 1u);
}

}  // namespace
