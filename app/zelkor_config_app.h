// The application: start-up and end, the remembered port, the recent-file list, the About box,
// and the commands of the framework (New, Open, Save, Save As, Print Setup, Exit). It owns the
// document, the main frame with its form, and the program's one device link.
//
// Threads: user-interface thread only.
#pragma once

#include <QStringList>
#include <memory>
#include <optional>
#include <string>

#include "app/command_target.h"
#include "app/recent_file_list.h"
#include "link/device_link.h"
#include "model/zelkor_config_doc.h"

class QPrinter;

namespace editor {
class CZelkorForm;
}

namespace app {

class CMainFrame;

class CZelkorConfigApp : public model::IDocHost, public ICommandTarget {
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
    void OnFilePrintSetup();
    void OnAppExit();
    void OnOpenRecentFile(int nIndex);

    // ICommandTarget
    bool OnCmdMsg(int nID, bool bExecute) override;

    // model::IDocHost
    std::optional<std::string> PromptOpenPath() override;
    std::optional<std::string> PromptSavePath(const std::string& suggestedName) override;
    void AddToRecentFileList(const std::string& path) override;
    void OnDocumentTitleChanged() override;

    model::CZelkorConfigDoc* Document() const { return m_pDoc.get(); }
    CMainFrame* MainFrame() const { return m_pMainWnd.get(); }
    editor::CZelkorForm* Form() const { return m_pForm; }
    const CRecentFileList& RecentFiles() const { return m_recentFiles; }

    // The program's one device link; closed (and its reader ended) at exit before the windows
    // it reports to go away. Its events (the test answer, the loss of the line) come to the
    // application for as long as it lives.
    devlink::CDeviceLink m_link;
    std::string m_strPortPath;
    // The user has confirmed a port in Select Comm Port during this run: what that left in
    // m_strPortPath (the port, or nothing when it did not open) is what the next start gets,
    // whatever the command line named.
    bool m_bPortChosen = false;

protected:
    // The about box runs modally; tests look at it without running it.
    virtual void RunAboutBox();

private:
    // The link's events, on the user-interface thread: each becomes its message box.
    void OnLinkEvent(devlink::ELinkEvent event);
    void LoadSettings();
    void SaveSettings();
    bool CreateFrame();
    bool ProcessShellCommand(const QStringList& arguments);
    // The port of the previous run, opened only once the window is visible.
    void OpenRememberedPort();
    void CloseLink();

    std::unique_ptr<model::CZelkorConfigDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pMainWnd;
    editor::CZelkorForm* m_pForm = nullptr;  // owned by the frame
    std::unique_ptr<QPrinter> m_pPrinter;
    CRecentFileList m_recentFiles;
    // A port named on the command line is used for this run only.
    std::optional<std::string> m_strCommandLinePort;
    std::string m_strRememberedPortPath;
    platform::NotifyHandle m_hLinkEvents = platform::kNoNotify;
    // Every frame on standard error, for support, when the environment asks for it.
    devlink::CPrintedTrace m_trace;
};

extern CZelkorConfigApp theApp;

// The application that has started and not yet ended (a test runs its own); theApp otherwise.
CZelkorConfigApp& GetApp();

}  // namespace app
