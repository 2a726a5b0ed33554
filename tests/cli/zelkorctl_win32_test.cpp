// zelkorctl.exe run as a Windows script runs it: started with CreateProcess, its output in files.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "model/program_book.h"
#include "platform/win32_text.h"
#include "tests/scripted_messages.h"
#include "tests/test_support.h"

namespace {

struct SRun {
    DWORD nStatus = 0xFFFFFFFF;
    std::string strOut;
    std::string strErr;
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

HANDLE OutputFile(const std::string& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
}

class ZelkorctlWin32 : public testing::Test {
protected:
    SRun Run(const std::string& arguments) {
        const std::string out = m_dir.File("stdout.txt");
        const std::string err = m_dir.File("stderr.txt");
        SRun run;
        {
            STARTUPINFOW startup{};
            startup.cb = sizeof startup;
            startup.dwFlags = STARTF_USESTDHANDLES;
            startup.hStdInput = nullptr;
            startup.hStdOutput = OutputFile(out);
            startup.hStdError = OutputFile(err);
            std::wstring command = platform::win32::Widen("\"" + std::string(ZELKOR_BINARY_DIR) +
                                                          "/cli/zelkorctl.exe\" " + arguments);
            PROCESS_INFORMATION process{};
            if (::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                 nullptr, &startup, &process)) {
                ::WaitForSingleObject(process.hProcess, INFINITE);
                ::GetExitCodeProcess(process.hProcess, &run.nStatus);
                ::CloseHandle(process.hThread);
                ::CloseHandle(process.hProcess);
            }
            ::CloseHandle(startup.hStdOutput);
            ::CloseHandle(startup.hStdError);
        }
        run.strOut = Slurp(out);
        run.strErr = Slurp(err);
        return run;
    }

    testing_support::CTempDir m_dir;
    testing_support::CScriptedMessages m_messages;
};

// The list comes from the system's device manager; Wine has ports of its own or none.
TEST_F(ZelkorctlWin32, PortsListsWhatTheSystemReports) {
    SRun run = Run("ports");
    EXPECT_EQ(run.nStatus, 0u) << run.strErr;
    EXPECT_EQ(run.strErr, "");
    std::istringstream lines(run.strOut);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 3) << line;
    }
    EXPECT_NE(Run("ports --sysfs-root x").nStatus, 0u) << "Linux's options are not offered here";
}

// A port name and its device path reach the same port; one that is not there fails to open.
TEST_F(ZelkorctlWin32, UploadAndTestTakeAPortNameOrItsDevicePath) {
    model::CProgramBook book;
    ASSERT_TRUE(model::SaveBookToPath(book, m_dir.File("book.vq")));
    for (const char* port : {"COM250", "\\\\.\\COM250", "com250:"}) {
        SCOPED_TRACE(port);
        SRun run = Run(std::string("test --port ") + port + " --timeout 1");
        EXPECT_EQ(run.nStatus, 3u) << run.strErr;
        EXPECT_NE(run.strErr.find("Can't find the specified port."), std::string::npos)
            << run.strErr;
        run = Run(std::string("upload --port ") + port + " " + m_dir.File("book.vq"));
        EXPECT_EQ(run.nStatus, 3u) << run.strErr;
    }
}

TEST_F(ZelkorctlWin32, BookCommandsWorkOnWindowsFiles) {
    model::CProgramBook book;
    book[2].m_freq[0] = 123;
    book[2].UpdateGroupCount(0);
    ASSERT_TRUE(model::SaveBookToPath(book, m_dir.File("book.vq")));
    SRun run = Run("dump " + m_dir.File("book.vq"));
    EXPECT_EQ(run.nStatus, 0u) << run.strErr;
    EXPECT_EQ(run.strOut, "3 single g1: 12.3\r\n") << "standard output is text, as on Windows";
    run = Run("export " + m_dir.File("book.vq") + " -o " + m_dir.File("out.csv"));
    ASSERT_EQ(run.nStatus, 0u) << run.strErr;
    run = Run("import " + m_dir.File("out.csv") + " -o " + m_dir.File("again.vq"));
    ASSERT_EQ(run.nStatus, 0u) << run.strErr;
    EXPECT_EQ(Slurp(m_dir.File("again.vq")), Slurp(m_dir.File("book.vq")));
}

// Names in any script reach their files, not only those the system's ANSI code page holds.
TEST_F(ZelkorctlWin32, FileNamesInAnyScriptReachTheirFiles) {
    const std::string name =
        m_dir.File("d\xC3\xB6k\xC3\xBCm-\xD0\xBA\xD0\xBD\xD0\xB8\xD0\xB3\xD0\xB0");
    model::CProgramBook book;
    ASSERT_TRUE(model::SaveBookToPath(book, name + ".vq"));
    const SRun run = Run("export \"" + name + ".vq\" -o \"" + name + ".csv\"");
    EXPECT_EQ(run.nStatus, 0u) << run.strErr;
    EXPECT_NE(::GetFileAttributesW(platform::win32::Widen(name + ".csv").c_str()),
              INVALID_FILE_ATTRIBUTES);
}

}  // namespace
