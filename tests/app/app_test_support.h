// The application under test: the real one, with its file dialogs, the About box and printing
// answered by the test, and the fixtures the application suites share.
#pragma once

#include <gtest/gtest.h>

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSettings>
#include <QTest>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/main_frame.h"
#include "app/zelkor_config_app.h"
#include "tests/scripted_messages.h"
#include "tests/test_support.h"
#include "tests/ui/screenshot.h"
#include "ui/editor/zelkor_form.h"

namespace app_testing {

using app::CMainFrame;
using testing_support::CTempDir;
using testing_support::MaybeScreenshot;

// The real application, with the file dialogs and the About box answered by the test.
class CTestApp : public app::CZelkorConfigApp, public testing_support::CPathAnswers {
public:
    std::optional<std::string> PromptOpenPath() override { return Next(); }
    std::optional<std::string> PromptSavePath(const std::string&) override { return Next(); }
    std::optional<std::string> PromptImportCsvPath() override { return Next(); }
    std::optional<std::string> PromptExportCsvPath(const std::string& suggested) override {
        m_suggested.push_back(suggested);
        return Next();
    }
    void RunAboutBox() override { ++m_nAboutBoxes; }
    std::optional<std::string> PromptExportPdfPath(const std::string&) override { return Next(); }
    // Print "prints" into the PDF file m_strPrintTo; no printer is needed.
    bool RunPrintDialog(QPrinter& printer) override {
        ++m_nPrintDialogs;
        printer.setOutputFileName(QString::fromStdString(m_strPrintTo));
        printer.setPrintRange(m_printRange);
        printer.setPageRanges(m_pageRanges);
        if (m_bPrintSelection) {
            printer.setPrintRange(QPrinter::Selection);
        }
        return !m_strPrintTo.empty();
    }
    void RunPrintPreview(QPrintPreviewDialog& dialog) override {
        dialog.show();
        auto* pPreview = dialog.findChild<QPrintPreviewWidget*>();
        pPreview->updatePreview();
        m_nPreviewPages = pPreview->pageCount();
        MaybeScreenshot(&dialog, "print_preview");
    }

    std::vector<std::string> m_suggested;
    int m_nAboutBoxes = 0;
    int m_nPrintDialogs = 0;
    // What the print dialog chose.
    QPrinter::PrintRange m_printRange = QPrinter::AllPages;
    QPageRanges m_pageRanges;
    int m_nPreviewPages = 0;
    std::string m_strPrintTo;
    bool m_bPrintSelection = false;  // the dialog's range: Selection
};

inline QSettings Settings() {
    return QSettings(QStringLiteral("VQ Rurirareza"), QStringLiteral("ZelkorConfig"));
}

inline void ClearSettings() {
    auto settings = Settings();
    settings.clear();
    settings.sync();
}

class Application : public testing::Test {
protected:
    void SetUp() override { ClearSettings(); }
    void TearDown() override {
        if (m_bRunning) {
            m_app.ExitInstance();
        }
    }

    void Start(QStringList arguments = {}) {
        arguments.prepend(QStringLiteral("zelkorconfig"));
        ASSERT_TRUE(m_app.InitInstance(arguments));
        m_bRunning = true;
    }

    void Exit() {
        m_app.ExitInstance();
        m_bRunning = false;
    }

    CMainFrame& Frame() { return *m_app.MainFrame(); }
    QAction& Command(int nID) { return *Frame().Action(nID); }

    CTempDir m_dir;
    testing_support::CScriptedMessages m_messages;
    CTestApp m_app;
    bool m_bRunning = false;
};

inline void RememberPort(const std::string& path) {
    auto settings = Settings();
    settings.setValue(QStringLiteral("Config/Port Path"), QString::fromStdString(path));
}

// Each message box of a file: the old text and caption, no icon, OK, and under the text the
// file and the system's reason.
inline void ExpectFileMessage(const platform::SMessageRequest& request, const std::string& text,
                              const std::string& path, const std::string& reason) {
    EXPECT_EQ(request.text, text);
    EXPECT_EQ(request.caption, "ZelkorConfig");
    EXPECT_EQ(request.icon, platform::EMsgIcon::kNone);
    EXPECT_EQ(request.buttons, platform::EMsgButtons::kOk);
    EXPECT_EQ(request.subject, path);
    EXPECT_EQ(request.detail, reason);
}

inline std::string ReadText(const std::string& path) {
    const auto bytes = testing_support::ReadAll(path);
    return std::string(bytes.begin(), bytes.end());
}

// The Edit and print commands in the window: programs through the Clipboard as a spreadsheet's
// rows, Undo from the keys wherever the focus is, and the printed pages read back from their PDF.
class EditAndPrint : public Application {
protected:
    void SetUp() override {
        Application::SetUp();
        Start();
        Frame().show();
        Frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    }
    model::CZelkorConfigDoc& Doc() { return *m_app.Document(); }
    ui::CZelkorForm& Form() { return *m_app.Form(); }
    void Choose(int nID) { ASSERT_TRUE(Frame().RouteCommand(nID)) << nID; }
    void Display(int index) {
        Doc().SetCurrent(index);
        Form().ShowProgram();
    }
    void Store(int index, bool bGroups, std::vector<std::pair<int, uint32_t>> values) {
        testing_support::BookOf(Doc())[index] = testing_support::MakeProgram(bGroups, values);
    }
    // The pages' text as pdftotext (poppler-utils) reads it from the file.
    std::string PdfText(const std::string& pdf) {
        const std::string out = m_dir.File("pages.txt");
        EXPECT_EQ(std::system(("pdftotext -layout '" + pdf + "' '" + out + "'").c_str()), 0);
        return ReadText(out);
    }
};

}  // namespace app_testing
