// The built zelkorctl run as a script would run it, on real files.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "model/program_book.h"
#include "platform/scripted_messages.h"
#include "res/version.h"
#include "tests/test_support.h"

using testing_support::CTempDir;
using testing_support::ReadAll;
using testing_support::WriteAll;

namespace {

struct SRun {
    int nStatus = -1;
    std::string strOut;
    std::string strErr;
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

class Zelkorctl : public testing::Test {
protected:
    SRun Run(const std::string& args) {
        const std::string out = m_dir.File("stdout.txt");
        const std::string err = m_dir.File("stderr.txt");
        const std::string cmd =
            std::string(ZELKOR_BINARY_DIR) + "/cli/zelkorctl " + args + " >" + out + " 2>" + err;
        const int raw = std::system(cmd.c_str());
        SRun run;
        run.nStatus = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.strOut = Slurp(out);
        run.strErr = Slurp(err);
        std::filesystem::remove(out);
        std::filesystem::remove(err);
        return run;
    }

    std::string File(const std::string& name) { return m_dir.File(name); }

    // Leaves only the files a test made itself.
    size_t FileCount() {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(m_dir.Path()),
                                                 std::filesystem::directory_iterator()));
    }

    CTempDir m_dir;
    platform::CScriptedMessages m_messages;  // the test's own saves stay quiet
};

std::string Header() {
    std::string h = "number,type";
    for (int i = 1; i <= 48; ++i) {
        h += ",f" + std::to_string(i);
    }
    return h + "\n";
}

std::string Row(const std::string& head, int filled, const std::string& value) {
    std::string row = head;
    for (int i = 0; i < 48; ++i) {
        row += "," + (i < filled ? value : std::string());
    }
    return row + "\n";
}

TEST_F(Zelkorctl, ImportDumpExportRoundTrip) {
    WriteAll(File("in.csv"), {});
    {
        std::ofstream csv(File("in.csv"));
        csv << Header() << Row("2000,groups", 2, "50000") << Row("3,single", 1, "12.34");
    }
    SRun run = Run("import " + File("in.csv") + " -o " + File("book.vq"));
    ASSERT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_EQ(run.strErr, "");

    auto book = std::make_unique<model::CProgramBook>();
    ASSERT_TRUE(model::LoadBookFromPath(*book, File("book.vq")));
    EXPECT_EQ((*book)[2].m_freq[0], 123u);
    EXPECT_TRUE((*book)[1999].IsGroups());

    run = Run("dump " + File("book.vq"));
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(run.strOut, "3 single g1: 12.3\n2000 groups g1: 50000.0 50000.0\n");

    run = Run("export " + File("book.vq") + " -o " + File("out.csv"));
    ASSERT_EQ(run.nStatus, 0) << run.strErr;
    const std::string exported = Slurp(File("out.csv"));
    EXPECT_EQ(std::count(exported.begin(), exported.end(), '\n'), 2001);
    EXPECT_NE(exported.find("\n3,single,12.3,,"), std::string::npos);

    // The exported file imports to the same bytes.
    run = Run("import " + File("out.csv") + " -o " + File("again.vq"));
    ASSERT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_EQ(ReadAll(File("again.vq")), ReadAll(File("book.vq")));
}

TEST_F(Zelkorctl, FailuresPrintTheFilesMessageAndWriteNothing) {
    auto book = std::make_unique<model::CProgramBook>();
    ASSERT_TRUE(model::SaveBookToPath(*book, File("good.vq")));
    WriteAll(File("short.vq"), testing_support::Bytes({1, 0, 0, 0, 0, 0, 7}));
    const auto old = testing_support::Bytes({'o', 'l', 'd'});
    WriteAll(File("keep.csv"), old);
    WriteAll(File("keep.vq"), old);
    {
        std::ofstream csv(File("bad.csv"));
        csv << Header() << Row("1,single", 1, "100") << Row("2,groups", 3, "50000");
    }
    const struct {
        const char* name;
        std::string args;
        std::string err;
    } cases[] = {
        {"dump of a missing file", "dump " + File("none.vq"), "File had a read error\n"},
        {"dump of a cut file", "dump " + File("short.vq"), "File has a bad format\n"},
        {"export of a cut file", "export " + File("short.vq") + " -o " + File("keep.csv"),
         "File has a bad format\n"},
        {"export into a missing folder", "export " + File("good.vq") + " -o " + File("no/x.csv"),
         "File had a write error\n"},
        {"import of a missing file", "import " + File("none.csv") + " -o " + File("keep.vq"),
         "File had a read error\n"},
        {"import of a bad row", "import " + File("bad.csv") + " -o " + File("keep.vq"),
         File("bad.csv") + ": row 3, column 5 (f3): You can only have up to two frequencies "
                           "greater than 40KHz per group.\n"},
        {"import of a book file", "import " + File("good.vq") + " -o " + File("keep.vq"),
         File("good.vq") + ": row 1: the first row must be number,type,f1,...,f48\n"},
    };
    const size_t files = FileCount();
    for (const auto& c : cases) {
        const SRun run = Run(c.args);
        EXPECT_EQ(run.nStatus, 1) << c.name;
        EXPECT_EQ(run.strErr, c.err) << c.name;
        EXPECT_EQ(run.strOut, "") << c.name;
        EXPECT_EQ(ReadAll(File("keep.csv")), old) << c.name;
        EXPECT_EQ(ReadAll(File("keep.vq")), old) << c.name;
        EXPECT_EQ(FileCount(), files) << c.name;  // no temporary file left behind
    }
}

TEST_F(Zelkorctl, BadArgumentsExitWithTheUsageStatus) {
    EXPECT_EQ(Run("export " + File("x.vq")).nStatus, 2);  // no -o
    EXPECT_EQ(Run("frobnicate").nStatus, 2);
    EXPECT_EQ(Run("").nStatus, 2);
    const SRun help = Run("--help");
    EXPECT_EQ(help.nStatus, 0);
    for (const char* command : {"dump", "export", "import"}) {
        EXPECT_NE(help.strOut.find(command), std::string::npos) << command;
    }
}

// --version answers alone, and wins over a missing command as --help does.
TEST_F(Zelkorctl, VersionIsTheProjects) {
    const std::string expected = std::string("zelkorctl ") + res::kVersion + "\n";
    for (const char* args : {"--version", "--version dump"}) {
        const SRun run = Run(args);
        EXPECT_EQ(run.nStatus, 0) << args;
        EXPECT_EQ(run.strOut, expected) << args;
    }
}

}  // namespace
