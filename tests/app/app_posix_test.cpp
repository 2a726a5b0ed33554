// The application on what only POSIX systems give the tests: real ports on pseudo-terminals,
// named pipes, files this user may not read, /dev/full, and poppler's pdftotext reading the
// printed pages back.
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QComboBox>
#include <filesystem>

#include "devlink/device_link.h"
#include "res/ids_app.h"
#include "res/strings_app.h"
#include "res/strings_platform.h"
#include "tests/app/app_test_support.h"
#include "widgets/control_ids.h"

namespace {

using app_testing::Application;
using app_testing::EditAndPrint;
using app_testing::ExpectFileMessage;
using app_testing::RememberPort;
using app_testing::Settings;
using testing_support::MaybeScreenshot;

// The far end of a pseudo-terminal, so that the program has a real port to open.
class CPseudoTerminal {
public:
    CPseudoTerminal() : m_fd(posix_openpt(O_RDWR | O_NOCTTY)) {
        if (m_fd >= 0 && grantpt(m_fd) == 0 && unlockpt(m_fd) == 0) {
            m_strPath = ptsname(m_fd);
        }
    }
    ~CPseudoTerminal() {
        if (m_fd >= 0) {
            close(m_fd);
        }
    }
    const std::string& Path() const { return m_strPath; }

private:
    int m_fd;
    std::string m_strPath;
};

TEST_F(Application, RememberedPortIsOpenedAgainAndKept) {
    CPseudoTerminal pty;
    ASSERT_FALSE(pty.Path().empty());
    RememberPort(pty.Path());
    Start();
    EXPECT_TRUE(m_app.m_link.IsOpen());
    EXPECT_EQ(m_app.m_link.PortPath(), pty.Path());
    EXPECT_TRUE(m_messages.Texts().empty());
    Exit();
    EXPECT_FALSE(m_app.m_link.IsOpen());
    EXPECT_EQ(Settings().value(QStringLiteral("Config/Port Path")).toString().toStdString(),
              pty.Path());
}

// A port busy at start: the status bar says so; a device command tries again, naming it.
TEST_F(Application, RememberedPortBusyAtStartIsKeptAndTriedAgain) {
    CPseudoTerminal pty;
    devlink::CDeviceLink other;
    other.SetPortPath(pty.Path());
    ASSERT_TRUE(other.Open());
    RememberPort(pty.Path());
    Start();
    EXPECT_EQ(Frame().MessagePaneText().toStdString(),
              "Port " + pty.Path() + " is in use by another program");
    MaybeScreenshot(&Frame(), "port_at_start");
    Command(res::ID_TEST_CONNECTION).trigger();
    ASSERT_EQ(m_messages.Count(), 1u);
    EXPECT_EQ(m_messages.Requests()[0].subject, pty.Path());
    Exit();
    EXPECT_EQ(Settings().value(QStringLiteral("Config/Port Path")).toString().toStdString(),
              pty.Path());
}

TEST_F(Application, PortNamedOnTheCommandLineIsUsedButNotRemembered) {
    CPseudoTerminal pty;
    for (const std::string& path : {pty.Path(), m_dir.File("ttyGone")}) {
        SCOPED_TRACE(path);
        RememberPort("/dev/ttyUSB7");
        m_messages.Clear();
        Start({QStringLiteral("--port"), QString::fromStdString(path)});
        EXPECT_EQ(m_app.m_link.IsOpen(), path == pty.Path());
        Exit();
        EXPECT_EQ(Settings().value(QStringLiteral("Config/Port Path")).toString(), "/dev/ttyUSB7");
    }
}

TEST_F(Application, DocumentThatDoesNotOpenIsReportedAndANewBookStarts) {
    testing_support::WriteAll(m_dir.File("bad.vq"), {0, 0, 0, 1});
    testing_support::WriteAll(m_dir.File("locked.vq"), {1, 0, 0, 0});
    std::filesystem::permissions(m_dir.File("locked.vq"), std::filesystem::perms::none);
    struct SCase {
        std::string file;
        const char* text;
        const char* reason;
    };
    std::vector<SCase> cases = {
        {m_dir.File("bad.vq"), "File has a bad format",
         "Not a VQ7100 program book, or one that was cut short"},
        {m_dir.File("none.vq"), "File had a read error", "No such file or directory"},
        // A pipe nobody writes to would keep the program waiting without a window.
        {m_dir.File("pipe.vq"), "File had a read error", res::kNotRegularFile},
    };
    ASSERT_EQ(::mkfifo(m_dir.File("pipe.vq").c_str(), 0600), 0);
    if (::geteuid() != 0) {  // root reads anything
        cases.push_back({m_dir.File("locked.vq"), "File had a read error", "Permission denied"});
    }
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.file);
        m_messages.Clear();
        Start({QString::fromStdString(c.file)});
        ASSERT_EQ(m_messages.Count(), 1u);
        ExpectFileMessage(m_messages.Requests()[0], c.text, c.file, c.reason);
        EXPECT_TRUE(Frame().isVisible());
        EXPECT_EQ(Frame().windowTitle(), "Untitled - VQ7100");
        EXPECT_EQ(m_app.Document()->Book(), model::CProgramBook());
        EXPECT_FALSE(m_app.Document()->IsModified());
        EXPECT_EQ(widgets::FindControlAs<QComboBox>(m_app.Form(), 1005)->currentText(), "1");
        EXPECT_TRUE(m_app.RecentFiles().Entries().empty());
        Exit();
    }
}

TEST_F(Application, FileMessagesOfTheCommandsNameTheFileAndTheReason) {
    Start();
    m_app.m_paths.push_back(m_dir.File("missing.vq"));
    Command(57601).trigger();
    m_app.m_paths.push_back(m_dir.File("no/folder/book.vq"));
    Command(57604).trigger();
    m_app.m_paths.push_back(m_dir.File("no/folder/book.csv"));
    Command(32791).trigger();
    m_app.m_paths.push_back("/dev/full");
    Command(57604).trigger();
    const auto requests = m_messages.Requests();
    ASSERT_EQ(requests.size(), 4u);
    ExpectFileMessage(requests[0], "File had a read error", m_dir.File("missing.vq"),
                      "No such file or directory");
    ExpectFileMessage(requests[1], "File had a write error", m_dir.File("no/folder/book.vq"),
                      "No such file or directory");
    ExpectFileMessage(requests[2], "File had a write error", m_dir.File("no/folder/book.csv"),
                      "No such file or directory");
    // The window writes files only: a device is refused before anything waits on it.
    ExpectFileMessage(requests[3], "File had a write error", "/dev/full", res::kNotRegularFile);
    EXPECT_EQ(Frame().windowTitle(), "Untitled - VQ7100");
}

// The non-empty programs under the file's name and "Page n of m", the same pages printed,
// previewed or exported.
TEST_F(EditAndPrint, PrintedPagesHoldTheProgramsThatHaveFrequencies) {
    for (int i = 0; i < 2000; i += 9) {
        Store(i, i % 2 == 0, {{0, 500000u + static_cast<uint32_t>(i)}, {8, 123}, {9, 4567}});
    }
    Store(1999, false, {{47, 200000000}});
    Choose(res::ID_FILE_PRINT_PREVIEW);
    const std::string pages = std::to_string(m_app.m_nPreviewPages);
    EXPECT_GT(m_app.m_nPreviewPages, 3);
    m_app.m_paths.push_back(m_dir.File("book.pdf"));
    Choose(res::ID_FILE_EXPORT_PDF);
    const std::string text = PdfText(m_dir.File("book.pdf"));
    for (const std::string& expected : std::vector<std::string>{
             "Untitled", "Page 1 of " + pages, "Page " + pages + " of", "Program", "Group 6",
             "50000.0", "50180.0", "456.7", "20000000.0"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
    EXPECT_EQ(text.find("50001.0"), std::string::npos);  // program 2 is empty: not printed
    m_app.m_strPrintTo = m_dir.File("printed.pdf");
    QTest::keyClick(&Frame(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(PdfText(m_app.m_strPrintTo), text);
    EXPECT_EQ(m_messages.Count(), 0u);
    // A printer that cannot take the pages (here: its file cannot be made) says so, naming it.
    m_app.m_strPrintTo = m_dir.File("no/folder/printed.pdf");
    QTest::keyClick(&Frame(), Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(m_messages.Count(), 1u);
    EXPECT_EQ(m_messages.Requests()[0].text, res::kPrintFailed);
    EXPECT_EQ(m_messages.Requests()[0].subject, m_app.m_strPrintTo);
    // The first page as a picture, for the eye.
    if (!qEnvironmentVariableIsEmpty("ZELKOR_SCREENSHOT_DIR")) {
        const int status =
            std::system(("pdftoppm -png -r 96 -singlefile '" + m_dir.File("book.pdf") + "' '" +
                         qgetenv("ZELKOR_SCREENSHOT_DIR").toStdString() + "/print_page'")
                            .c_str());
        EXPECT_EQ(status, 0);
    }
}

// The print dialog's choice is printed, each page numbered as in the whole; Export PDF... tells.
TEST_F(EditAndPrint, PrintsThePagesThePrintDialogChose) {
    for (int i = 0; i < 2000; i += 5) {
        Store(i, false, {{0, 500000u + static_cast<uint32_t>(i)}, {1, 123}, {2, 4567}});
    }
    const std::string pdf = m_dir.File("all.pdf");
    m_app.m_paths.push_back(pdf);
    Choose(res::ID_FILE_EXPORT_PDF);
    const std::string all = PdfText(pdf);
    const int n = static_cast<int>(std::count(all.begin(), all.end(), '\f'));
    EXPECT_EQ(Frame().MessagePaneText().toStdString(),
              "Exported " + std::to_string(n) + " pages to " + pdf);
    // From, to (0: the current page), the program on display, the pages printed.
    const std::tuple<int, int, int, std::vector<int>> cases[] = {
        {2, 3, 0, {2, 3}}, {n, n + 5, 0, {n}}, {0, 0, 1995, {n}}, {n + 1, n + 2, 0, {}}};
    for (const auto& [from, to, displayed, printed] : cases) {
        m_app.m_strPrintTo = m_dir.File("printed" + std::to_string(from) + ".pdf");
        m_app.m_printRange = from == 0 ? QPrinter::CurrentPage : QPrinter::PageRange;
        m_app.m_pageRanges = {};
        m_app.m_pageRanges.addRange(std::max(from, 1), std::max(to, 1));
        Display(displayed);
        Choose(res::ID_FILE_PRINT);
        EXPECT_EQ(m_messages.Texts(),
                  std::vector<std::string>(printed.empty(), res::kPrintNoPageInRange));
        const std::string text = printed.empty() ? "" : PdfText(m_app.m_strPrintTo);
        EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), std::ssize(printed)) << from;
        for (int page : printed) {
            EXPECT_NE(text.find("Page " + std::to_string(page) + " of " + std::to_string(n)),
                      std::string::npos);
        }
    }
}

}  // namespace
