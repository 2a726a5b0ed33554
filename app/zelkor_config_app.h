// The application: start-up and end, the remembered port, the recent-file list, the About box,
// and the commands of the framework (New, Open, Save, Save As, Print, Print Preview, Print
// Setup, Exit) with the program's own file commands (CSV, PDF). It owns the document, the main
// frame with its form, the printer's settings and the program's one device link.
//
// Threads: user-interface thread only.
#pragma once

#include <QStringList>
#include <memory>
#include <optional>
#include <string>

#include "app/book_printer.h"
#include "app/recent_file_list.h"
#include "devlink/device_link.h"
#include "devlink/link_messages.h"
#include "devlink/port_setting.h"
#include "editor/book_print.h"
#include "model/zelkor_config_doc.h"
#include "widgets/command_target.h"

class QPrintPreviewDialog;
class QPrinter;
class QSessionManager;

namespace ui {
class CBookPanel;
class CZelkorForm;
}  // namespace ui

namespace app {

class CMainFrame;

class CZelkorConfigApp : public model::IDocHost, public widgets::ICommandTarget {
public:
    CZelkorConfigApp();
    ~CZelkorConfigApp() override;
    CZelkorConfigApp(const CZelkorConfigApp&) = delete;
    CZelkorConfigApp& operator=(const CZelkorConfigApp&) = delete;

    // Start-up, in the old order: settings, document and frame, command line, window, port.
    // False ends the program. Needs a QApplication.
    bool InitInstance(const QStringList& arguments);
    // Closes the link, writes the settings back and lets the windows go.
    int ExitInstance();
    // Start-up, the event loop, the end.
    int Run(const QStringList& arguments);

    void OnAppAbout();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    void OnFileExportPdf();
    void OnAppExit();
    void OnOpenRecentFile(int nIndex);
    void OnFileImportCsv();
    void OnFileExportCsv();
    // The system asks the program to end and will not take no (a signal to terminate): an
    // upload that runs is cancelled, then the program ends.
    void OnEndRequested();

    // widgets::ICommandTarget
    bool OnCmdMsg(int nID, bool bExecute) override;

    // model::IDocHost
    std::optional<std::string> PromptOpenPath() override;
    std::optional<std::string> PromptSavePath(const std::string& suggestedName) override;
    void AddToRecentFileList(const std::string& path) override;
    void OnDocumentTitleChanged() override;
    // A book that holds values the device cannot take is still opened, with one warning.
    void OnDocumentOpened() override;

    // The file dialogs of the CSV commands; nullopt when the user cancels.
    virtual std::optional<std::string> PromptImportCsvPath();
    virtual std::optional<std::string> PromptExportCsvPath(const std::string& suggestedName);
    virtual std::optional<std::string> PromptExportPdfPath(const std::string& suggestedName);

    // The printer of Print, Print Preview and Print Setup, with what Print Setup chose.
    QPrinter& Printer();

    model::CZelkorConfigDoc* Document() const { return m_pDoc.get(); }
    CMainFrame* MainFrame() const { return m_pMainWnd.get(); }
    ui::CZelkorForm* Form() const { return m_pForm; }
    ui::CBookPanel* BookPanel() const { return m_pBookPanel; }
    const CRecentFileList& RecentFiles() const { return m_recentFiles; }

    // The program's one device link; closed (and its reader ended) at exit before the windows
    // it reports to go away. Its events (the test answer, the loss of the line) come to the
    // application for as long as it lives.
    devlink::CDeviceLink m_link;
    // The port path in use and what is remembered of it; the form changes it through this.
    devlink::CPortSetting m_portSetting{m_link};
    // The link's events (the test answer, the loss of the line) as the user's message boxes.
    devlink::CLinkMessages m_linkMessages;

protected:
    // The about box runs modally; tests look at it without running it.
    virtual void RunAboutBox();
    // The print dialog; true when the user chose to print.
    virtual bool RunPrintDialog(QPrinter& printer);
    // The print preview, until the user closes it.
    virtual void RunPrintPreview(QPrintPreviewDialog& dialog);

private:
    // After the link's event has become its message: the status bar follows a lost line.
    void AfterLinkEvent(devlink::ELinkEvent event);
    void LoadSettings();
    // The windows' language: --language, else View > Language's choice, else the system's.
    void UseLanguage(const QStringList& arguments);
    void SaveSettings();
    bool CreateFrame();
    // The book panel beside the form, where the last run left it.
    void CreateBookPanel();
    // The selected programs' rows when bSelection, else the whole book's.
    std::vector<editor::SPrintRow> RowsToPrint(bool bSelection) const;
    // Export PDF... with rows of the book panel selected asks whether only they go; nullopt
    // while fewer than two are.
    std::optional<bool> AskExportSelection() const;
    bool ProcessShellCommand(const QStringList& arguments);
    // The port of the previous run, opened only once the window is visible.
    void OpenRememberedPort();
    // Asked before the window closes while an upload runs: Close cancels it (true), the other
    // answer keeps the window and the upload (false). True at once when none runs.
    bool StopUploadToClose();
    // The session ends (a logout): as the window's close, where the session lets it ask.
    void OnSessionEnd(QSessionManager& manager);
    // The status bar follows the port in use and its line.
    void ShowPortState();
    // What the file commands write beside the document: its name with another extension.
    std::string SuggestedName(const char* extension) const;
    // Where the file dialogs open (model::StartFolder), and the choice they keep for it.
    std::string DialogFolder() const;
    std::optional<std::string> Remember(std::optional<std::string> chosen);
    // What heads the printed pages: the document's title (its file's name).
    QString PrintTitle() const;
    // The pages the print dialog chose on the printer.
    SPageChoice PageChoice(const QPrinter& printer) const;

    std::unique_ptr<model::CZelkorConfigDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pMainWnd;
    ui::CZelkorForm* m_pForm = nullptr;      // owned by the frame
    ui::CBookPanel* m_pBookPanel = nullptr;  // owned by the frame
    std::unique_ptr<QPrinter> m_pPrinter;
    CRecentFileList m_recentFiles;
    // The file last opened or saved through a file dialog (or, before one, the latest recent
    // file).
    std::string m_strLastFilePath;
    // Every frame on standard error, for support, when the environment asks for it.
    devlink::CPrintedTrace m_trace;
};

extern CZelkorConfigApp theApp;

}  // namespace app
