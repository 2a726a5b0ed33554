// The built window program's command line, run in a shell: --help and --version answer without
// a display, and what it does not understand ends it with a message.
#include <sys/wait.h>

#include "app/command_line.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "res/strings_app.h"
#include "res/version.h"
#include "tests/test_support.h"

namespace {

using testing_support::CTempDir;
using testing_support::ReadAll;

struct SRun {
    int nStatus = -1;
    std::string strOut;
    std::string strErr;
};

// The built program in a shell. With no display it must not reach the window system (it would
// abort); with the offscreen one a program that started would never end, so its settings go to
// the test's folder.
SRun RunProgram(const std::string& arguments, bool bDisplay) {
    CTempDir dir;
    const std::string out = dir.File("out.txt");
    const std::string err = dir.File("err.txt");
    std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME=" +
                          dir.File("config") + " ";
    if (bDisplay) {
        command += "QT_QPA_PLATFORM=offscreen ";
    }
    command += std::string(ZELKOR_BINARY_DIR) + "/app/zelkorconfig " + arguments + " >" + out +
               " 2>" + err;
    const int raw = std::system(command.c_str());
    SRun run;
    run.nStatus = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    const auto outBytes = ReadAll(out);
    const auto errBytes = ReadAll(err);
    run.strOut.assign(outBytes.begin(), outBytes.end());
    run.strErr.assign(errBytes.begin(), errBytes.end());
    return run;
}

bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(ProgramCommandLine, HelpAndVersionNeedNoDisplay) {
    const std::string version = std::string("zelkorconfig ") + res::kVersion + "\n";
    struct SCase {
        const char* arguments;
        const char* name;
    };
    for (const SCase& c : {SCase{"--version", "version"}, SCase{"-v", "short version"}}) {
        const SRun run = RunProgram(c.arguments, false);
        EXPECT_EQ(run.nStatus, app::kExitOk) << c.name << ": " << run.strErr;
        EXPECT_EQ(run.strOut, version) << c.name;
    }
    for (const char* arguments : {"--help", "-h", "--port /dev/ttyS0 --help", "book.vq -h"}) {
        const SRun run = RunProgram(arguments, false);
        EXPECT_EQ(run.nStatus, app::kExitOk) << arguments << ": " << run.strErr;
        for (const char* part :
             {"--port <PATH>", "--version", "--help", "[file]", res::kCmdLineFileHelp}) {
            EXPECT_TRUE(Holds(run.strOut, part)) << arguments << " lacks " << part;
        }
        EXPECT_EQ(run.strErr, "") << arguments;
    }
}

TEST(ProgramCommandLine, WhatItDoesNotUnderstandEndsItWithAMessage) {
    struct SCase {
        const char* arguments;
        const char* reason;
    };
    const SCase cases[] = {
        {"--bogus", "Unknown option 'bogus'."},
        {"a.vq b.vq", res::kCmdLineOneFile},
        {"--port", "Missing value after '--port'."},
    };
    for (const auto& c : cases) {
        const SRun run = RunProgram(c.arguments, true);
        EXPECT_EQ(run.nStatus, app::kExitUsage) << c.arguments;
        EXPECT_TRUE(Holds(run.strErr, std::string("zelkorconfig: ") + c.reason)) << run.strErr;
        EXPECT_TRUE(Holds(run.strErr, "zelkorconfig --help")) << run.strErr;
        EXPECT_EQ(run.strOut, "") << c.arguments;
    }
}

}  // namespace
