// The built zelkorctl run as a script would run it, on real files.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "model/program_book.h"
#include "res/version.h"
#include "tests/scripted_messages.h"
#include "tests/test_support.h"

using testing_support::CTempDir;
using testing_support::MakeProgram;
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
    // Standard output goes to a file of the test's, or where stdoutTo names.
    SRun Run(const std::string& args, const std::string& stdoutTo = "") {
        const std::string out = stdoutTo.empty() ? m_dir.File("stdout.txt") : stdoutTo;
        const std::string err = m_dir.File("stderr.txt");
        const std::string cmd =
            std::string(ZELKOR_BINARY_DIR) + "/cli/zelkorctl " + args + " >" + out + " 2>" + err;
        const int raw = std::system(cmd.c_str());
        SRun run;
        run.nStatus = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.strErr = Slurp(err);
        if (stdoutTo.empty()) {
            run.strOut = Slurp(out);
            std::filesystem::remove(out);
        }
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
    testing_support::CScriptedMessages m_messages;  // the test's own saves stay quiet
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

TEST_F(Zelkorctl, CheckListsEveryValueTheDeviceCannotTake) {
    auto book = std::make_unique<model::CProgramBook>();
    ASSERT_TRUE(model::SaveBookToPath(*book, File("clean.vq")));
    (*book)[0] = MakeProgram(false, {{0, 0xFFFFFFFFu}});
    (*book)[1999] = MakeProgram(true, {{0, 500000}, {1, 100}, {2, 100}});
    ASSERT_TRUE(model::SaveBookToPath(*book, File("wide.vq")));

    SRun run = Run("check " + File("clean.vq"));
    EXPECT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_EQ(run.strOut, "");
    run = Run("check " + File("wide.vq"));
    EXPECT_EQ(run.nStatus, 1);
    EXPECT_EQ(run.strOut,
              "Program 1, slot 1: Enter a frequency less than or equal to 20MHz.\n"
              "Program 2000, slot 1: If you have one frequency greater than 40KHz, the group can "
              "only have 2 frequencies.\n");
    // Bytes after the last program, which opening the book passes over, are a break too.
    auto bytes = ReadAll(File("clean.vq"));
    bytes.insert(bytes.end(), {1, 2, 3, 4, 5});
    WriteAll(File("long.vq"), bytes);
    run = Run("check - <" + File("long.vq"));
    EXPECT_EQ(run.nStatus, 1);
    EXPECT_EQ(run.strOut, "After program 2000: 5 bytes that belong to no program.\n");
}

// The command line reads a book from a pipe, or from standard input as "-".
TEST_F(Zelkorctl, BooksAreReadFromPipesAndStandardInput) {
    auto book = std::make_unique<model::CProgramBook>();
    (*book)[2] = MakeProgram(false, {{0, 1234}});
    ASSERT_TRUE(model::SaveBookToPath(*book, File("book.vq")));
    SRun run = Run("dump - <" + File("book.vq"));
    EXPECT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_EQ(run.strOut, "3 single g1: 123.4\n");
    ASSERT_EQ(::mkfifo(File("pipe").c_str(), 0600), 0);
    std::thread writer([&] { WriteAll(File("pipe"), ReadAll(File("book.vq"))); });
    run = Run("dump " + File("pipe"));
    writer.join();
    EXPECT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_EQ(run.strOut, "3 single g1: 123.4\n");
}

// A full disk behind standard output fails the command: no listing cut short reads as done.
TEST_F(Zelkorctl, StandardOutputThatCannotBeWrittenFailsTheCommand) {
    auto book = std::make_unique<model::CProgramBook>();
    for (int i = 0; i < model::kProgramCount; ++i) {
        (*book)[i].m_freq.fill(12345678);  // a listing of about 900 KB, far beyond any buffer
        for (int group = 0; group < model::kGroupCount; ++group) {
            (*book)[i].UpdateGroupCount(group);
        }
    }
    ASSERT_TRUE(model::SaveBookToPath(*book, File("full.vq")));
    const std::string sysfs = std::string(ZELKOR_FIXTURES) + "/sysfs/desktop/sys";
    for (const std::string& args :
         {"dump " + File("full.vq"), "export " + File("full.vq") + " -o -",
          "ports --sysfs-root " + sysfs, std::string("--help"), std::string("--version")}) {
        const SRun run = Run(args, "/dev/full");
        EXPECT_EQ(run.nStatus, 1) << args;
        EXPECT_EQ(run.strErr, "standard output: File had a write error: No space left on device\n")
            << args;
    }
}

TEST_F(Zelkorctl, FailuresNameTheFileAndTheReasonAndWriteNothing) {
    auto book = std::make_unique<model::CProgramBook>();
    ASSERT_TRUE(model::SaveBookToPath(*book, File("good.vq")));
    WriteAll(File("short.vq"), testing_support::Bytes({1, 0, 0, 0, 0, 0, 7}));
    const auto old = testing_support::Bytes({'o', 'l', 'd'});
    WriteAll(File("keep.csv"), old);
    WriteAll(File("keep.vq"), old);
    WriteAll(File("locked.vq"), old);
    std::filesystem::permissions(File("locked.vq"), std::filesystem::perms::none);
    std::filesystem::create_directory(File("folder"));
    {
        std::ofstream csv(File("bad.csv"));
        csv << Header() << Row("1,single", 1, "100") << Row("2,groups", 3, "50000");
    }
    const std::string badFormat =
        ": File has a bad format: Not a VQ7100 program book, or one that was cut short\n";
    const struct {
        const char* name;
        std::string args;
        std::string err;
    } cases[] = {
        {"dump of a missing file", "dump " + File("none.vq"),
         File("none.vq") + ": File had a read error: No such file or directory\n"},
        {"dump of a cut file", "dump " + File("short.vq"), File("short.vq") + badFormat},
        {"export of a cut file", "export " + File("short.vq") + " -o " + File("keep.csv"),
         File("short.vq") + badFormat},
        {"export into a missing folder", "export " + File("good.vq") + " -o " + File("no/x.csv"),
         File("no/x.csv") + ": File had a write error: No such file or directory\n"},
        {"export onto a folder", "export " + File("good.vq") + " -o " + File("folder"),
         File("folder") + ": File had a write error: Is a directory\n"},
        {"import of a missing file", "import " + File("none.csv") + " -o " + File("keep.vq"),
         File("none.csv") + ": File had a read error: No such file or directory\n"},
        {"import of a bad row", "import " + File("bad.csv") + " -o " + File("keep.vq"),
         File("bad.csv") + ": Row 3, column 5 (f3): You can only have up to two frequencies "
                           "greater than 40KHz per group.\n"},
        {"import of a book file", "import " + File("good.vq") + " -o " + File("keep.vq"),
         File("good.vq") + ": Row 1: the first row must be number,type,f1,...,f48\n"},
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
    if (::geteuid() != 0) {  // root reads anything
        const SRun run = Run("dump " + File("locked.vq"));
        EXPECT_EQ(run.nStatus, 1);
        EXPECT_EQ(run.strErr, File("locked.vq") + ": File had a read error: Permission denied\n");
    }
}

// Reads a pipe in a thread of its own until its writer closes it.
class CFifoReader {
public:
    explicit CFifoReader(const std::string& path) : m_strPath(path) {
        m_thread = std::thread([this] {
            const int fd = ::open(m_strPath.c_str(), O_RDONLY | O_CLOEXEC);
            char buffer[4096];
            ssize_t n = 0;
            while (fd >= 0 && (n = ::read(fd, buffer, sizeof buffer)) > 0) {
                m_strData.append(buffer, static_cast<size_t>(n));
            }
            if (fd >= 0) {
                ::close(fd);
            }
        });
    }
    ~CFifoReader() { Finish(); }

    // What came through. A writer that never opened the pipe leaves the reader waiting in its
    // open: one that opens and closes at once lets it go.
    const std::string& Finish() {
        if (m_thread.joinable()) {
            const int fd = ::open(m_strPath.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                ::close(fd);
            }
            m_thread.join();
        }
        return m_strData;
    }

private:
    std::string m_strPath;
    std::string m_strData;
    std::thread m_thread;
};

TEST_F(Zelkorctl, ExportWritesStandardOutputAndPipesInPlace) {
    auto book = std::make_unique<model::CProgramBook>();
    (*book)[41].m_freq[0] = 4242;
    (*book)[41].UpdateGroupCount(0);
    ASSERT_TRUE(model::SaveBookToPath(*book, File("book.vq")));
    ASSERT_EQ(Run("export " + File("book.vq") + " -o " + File("plain.csv")).nStatus, 0);
    const std::string csv = Slurp(File("plain.csv"));
    ASSERT_NE(csv.find("\n42,single,424.2,"), std::string::npos);

    SRun run = Run("export " + File("book.vq") + " -o -");
    EXPECT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_EQ(run.strOut, csv);
    EXPECT_EQ(run.strErr, "");

    ASSERT_EQ(::mkfifo(File("pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink(File("pipe"), File("to-pipe.csv"));
    std::filesystem::create_symlink("to-pipe.csv", File("to-link.csv"));  // a chain, relative
    for (const char* name : {"pipe", "to-pipe.csv", "to-link.csv"}) {
        CFifoReader reader(File("pipe"));
        run = Run("export " + File("book.vq") + " -o " + File(name));
        EXPECT_EQ(run.nStatus, 0) << name << ": " << run.strErr;
        EXPECT_EQ(reader.Finish(), csv) << name;
        EXPECT_TRUE(std::filesystem::is_fifo(File("pipe"))) << name;
    }
    EXPECT_TRUE(std::filesystem::is_symlink(File("to-pipe.csv")));
    EXPECT_TRUE(std::filesystem::is_symlink(File("to-link.csv")));

    // The import's output is the same kind of output.
    run = Run("import " + File("plain.csv") + " -o -");
    EXPECT_EQ(run.nStatus, 0) << run.strErr;
    const auto bytes = ReadAll(File("book.vq"));
    EXPECT_EQ(run.strOut, std::string(bytes.begin(), bytes.end()));
}

TEST_F(Zelkorctl, DevicesAreWrittenInPlaceAndDanglingLinksCreateTheirTarget) {
    auto book = std::make_unique<model::CProgramBook>();
    ASSERT_TRUE(model::SaveBookToPath(*book, File("book.vq")));

    // A link to a device stays a link, and the device stays what it was.
    std::filesystem::create_symlink("/dev/null", File("null.csv"));
    SRun run = Run("export " + File("book.vq") + " -o " + File("null.csv"));
    EXPECT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_TRUE(std::filesystem::is_symlink(File("null.csv")));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));

    // A device is written, not replaced: a full one says so, also as standard output.
    if (std::filesystem::is_character_file("/dev/full")) {
        run = Run("export " + File("book.vq") + " -o /dev/full");
        EXPECT_EQ(run.nStatus, 1);
        EXPECT_EQ(run.strErr, "/dev/full: File had a write error: No space left on device\n");
        const std::string cmd = std::string(ZELKOR_BINARY_DIR) + "/cli/zelkorctl export " +
                                File("book.vq") + " -o - >/dev/full 2>" + File("err.txt");
        const int raw = std::system(cmd.c_str());
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1);
        EXPECT_EQ(Slurp(File("err.txt")),
                  "standard output: File had a write error: No space left on device\n");
    }

    // A dangling link, relative or absolute, creates the file it names and stays a link.
    std::filesystem::create_directory(File("sub"));
    std::filesystem::create_symlink("sub/made.csv", File("relative.csv"));
    std::filesystem::create_symlink(File("sub/absolute.csv"), File("absolute.csv"));
    for (const char* name : {"relative.csv", "absolute.csv"}) {
        run = Run("export " + File("book.vq") + " -o " + File(name));
        EXPECT_EQ(run.nStatus, 0) << name << ": " << run.strErr;
        EXPECT_TRUE(std::filesystem::is_symlink(File(name))) << name;
    }
    for (const char* target : {"sub/made.csv", "sub/absolute.csv"}) {
        const std::string text = Slurp(File(target));
        EXPECT_TRUE(std::filesystem::is_regular_file(File(target))) << target;
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2001) << target;
    }
}

TEST_F(Zelkorctl, BadArgumentsExitWithTheUsageStatus) {
    EXPECT_EQ(Run("export " + File("x.vq")).nStatus, 2);  // no -o
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

TEST_F(Zelkorctl, AnUnknownCommandIsNamedWithTheValidOnes) {
    for (const char* args : {"frobnicate", "exprot book.vq -o x.csv"}) {
        const SRun run = Run(args);
        const std::string word = std::string(args).substr(0, std::string(args).find(' '));
        EXPECT_EQ(run.nStatus, 2) << args;
        EXPECT_EQ(run.strErr,
                  "Unknown command \"" + word +
                      "\". The commands are: dump, check, export, import, ports, upload, "
                      "test.\nRun with --help for more information.\n")
            << args;
        EXPECT_EQ(run.strOut, "") << args;
    }
}

TEST_F(Zelkorctl, EveryCommandsHelpShowsTheDefaults) {
    const struct {
        const char* command;
        std::vector<std::string> defaults;
    } cases[] = {
        {"ports", {"--sysfs-root TEXT=/sys", "--dev-root TEXT=/dev"}},
        {"upload", {"=10"}},
        {"test", {"=10"}},
        {"export", {"-o,--output TEXT REQUIRED", "- for standard output"}},
    };
    for (const auto& c : cases) {
        const SRun run = Run(std::string(c.command) + " --help");
        EXPECT_EQ(run.nStatus, 0) << c.command;
        for (const auto& text : c.defaults) {
            EXPECT_NE(run.strOut.find(text), std::string::npos) << c.command << ": " << text;
        }
    }
}

}  // namespace
