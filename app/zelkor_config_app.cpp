#include "app/zelkor_config_app.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>

#include "app/about_dlg.h"
#include "app/app_icons.h"
#include "app/main_frame.h"
#include "app/qt_message_sink.h"
#include "editor/zelkor_form.h"
#include "platform/message_box.h"
#include "res/ids_app.h"
#include "res/strings.h"

namespace app {

CZelkorConfigApp theApp;

namespace {

CZelkorConfigApp* g_pRunningApp = nullptr;

// ZELKOR_TRACE=1 prints every frame on the line to standard error.
constexpr char kTraceVariable[] = "ZELKOR_TRACE";

QString Latin1(const char* text) {
    return QString::fromLatin1(text);
}

QString SettingKey(const char* section, const QString& entry) {
    return Latin1(section) + QLatin1Char('/') + entry;
}

QString RecentFileEntry(int n) {
    return Latin1(res::kRecentFileEntry).replace(QLatin1String("%d"), QString::number(n));
}

QString FileDialogFilter() {
    return Latin1(res::kFileFilter) + QStringLiteral(";;") + Latin1(res::kAllFilesFilter);
}

}  // namespace

CZelkorConfigApp::CZelkorConfigApp() : m_recentFiles(res::kRecentFileCount) {
    m_hLinkEvents =
        platform::RegisterNotifyTarget([this](uint32_t nMsg, uintptr_t wParam, intptr_t) {
            if (nMsg == devlink::WM_LINKEVENT) {
                OnLinkEvent(static_cast<devlink::ELinkEvent>(wParam));
            }
        });
    m_link.m_hEventWnd = m_hLinkEvents;
}

CZelkorConfigApp::~CZelkorConfigApp() {
    m_link.Close();
    m_link.m_hEventWnd = platform::kNoNotify;
    platform::UnregisterNotifyTarget(m_hLinkEvents);
}

void CZelkorConfigApp::OnLinkEvent(devlink::ELinkEvent event) {
    // Posted on, as the reader's own messages are: the box never holds up what comes next.
    switch (event) {
        case devlink::ELinkEvent::kTestAnswer:
            platform::PostMessageBox({res::kReceivedResponse, res::kAcknowledgeCaption});
            break;
        case devlink::ELinkEvent::kLineLost: {
            const QString text = QString::asprintf(res::kLineLost, m_link.PortPath().c_str());
            platform::PostMessageBox(
                {text.toStdString(), res::kCommPortErrorCaption, platform::EMsgIcon::kWarning});
            break;
        }
    }
}

int CZelkorConfigApp::Run(const QStringList& arguments) {
    if (!InitInstance(arguments)) {
        ExitInstance();
        return 1;
    }
    QApplication::exec();
    return ExitInstance();
}

CZelkorConfigApp& GetApp() {
    return g_pRunningApp != nullptr ? *g_pRunningApp : theApp;
}

bool CZelkorConfigApp::InitInstance(const QStringList& arguments) {
    g_pRunningApp = this;
    m_link.SetTrace(qEnvironmentVariableIntValue(kTraceVariable) != 0 ? &m_trace : nullptr);
    m_bPortChosen = false;
    m_strCommandLinePort.reset();
    UseInstalledIconTheme();
    LoadSettings();
    if (!CreateFrame()) {
        return false;
    }
    if (!ProcessShellCommand(arguments)) {
        return false;
    }
    m_pMainWnd->show();
    OpenRememberedPort();
    return true;
}

void CZelkorConfigApp::LoadSettings() {
    QSettings settings(Latin1(res::kRegistryKey), Latin1(res::kProfileApp));
    m_strRememberedPortPath =
        settings.value(SettingKey(res::kConfigSection, Latin1(res::kPortPathEntry)), QString())
            .toString()
            .toStdString();
    m_strPortPath = m_strRememberedPortPath;
    std::vector<std::string> recent;
    for (int n = 1; n <= res::kRecentFileCount; ++n) {
        recent.push_back(
            settings.value(SettingKey(res::kRecentFileSection, RecentFileEntry(n)), QString())
                .toString()
                .toStdString());
    }
    m_recentFiles.Assign(recent);
}

void CZelkorConfigApp::SaveSettings() {
    QSettings settings(Latin1(res::kRegistryKey), Latin1(res::kProfileApp));
    std::string portPath = m_strPortPath;
    // A port given on the command line was for one run: unless the user chose a port since
    // (even one that then failed to open, which leaves nothing to remember), the remembered
    // port stays what it was.
    if (m_strCommandLinePort && !m_bPortChosen) {
        portPath = m_strRememberedPortPath;
    }
    settings.setValue(SettingKey(res::kConfigSection, Latin1(res::kPortPathEntry)),
                      QString::fromStdString(portPath));
    const auto& entries = m_recentFiles.Entries();
    for (int n = 1; n <= res::kRecentFileCount; ++n) {
        const QString key = SettingKey(res::kRecentFileSection, RecentFileEntry(n));
        if (static_cast<size_t>(n) <= entries.size()) {
            settings.setValue(key, QString::fromStdString(entries[n - 1]));
        } else {
            settings.remove(key);
        }
    }
    settings.sync();
}

bool CZelkorConfigApp::CreateFrame() {
    m_pDoc = std::make_unique<model::CZelkorConfigDoc>();
    m_pDoc->SetHost(this);
    m_pMainWnd = std::make_unique<CMainFrame>();
    if (!m_pMainWnd->OnCreate()) {
        m_pMainWnd.reset();
        return false;
    }
    m_pForm = new editor::CZelkorForm;
    m_pForm->SetDocument(m_pDoc.get());
    m_pDoc->AddView(m_pForm);
    m_pMainWnd->SetView(m_pForm);
    m_pMainWnd->SetCommandTargets({m_pForm, this});
    m_pMainWnd->SetRecentFiles(m_recentFiles.Entries());
    m_pMainWnd->SetCloseQuery([this] { return m_pDoc->SaveModified(); });
    CQtMessageSink::SetOwner(m_pMainWnd.get());
    OnDocumentTitleChanged();
    return true;
}

bool CZelkorConfigApp::ProcessShellCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(Latin1(res::kCmdLineDescription));
    const QCommandLineOption port(QStringLiteral("port"), Latin1(res::kCmdLinePortHelp),
                                  Latin1(res::kCmdLinePortValue));
    parser.addOption(port);
    parser.addPositionalArgument(Latin1(res::kCmdLineFile), Latin1(res::kCmdLineFileHelp));
    parser.parse(arguments);
    if (parser.isSet(port)) {
        m_strCommandLinePort = parser.value(port).toStdString();
        m_strPortPath = *m_strCommandLinePort;
    }
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) {
        return m_pDoc->OpenDocumentFile(files.first().toStdString());
    }
    return m_pDoc->OnFileNew();
}

void CZelkorConfigApp::OpenRememberedPort() {
    if (m_strPortPath.empty()) {
        return;
    }
    m_link.SetPortPath(m_strPortPath);
    // The serial layer has told the user why; an empty path keeps the next start from trying.
    if (!m_link.Open()) {
        m_strPortPath.clear();
    }
}

void CZelkorConfigApp::CloseLink() {
    m_link.Close();
}

int CZelkorConfigApp::ExitInstance() {
    // The link's reader thread may still post to the windows: it ends first.
    CloseLink();
    SaveSettings();
    CQtMessageSink::SetOwner(nullptr);
    if (m_pDoc) {
        m_pDoc->SetHost(nullptr);
    }
    m_pForm = nullptr;
    m_pMainWnd.reset();
    m_pDoc.reset();
    if (g_pRunningApp == this) {
        g_pRunningApp = nullptr;
    }
    return 0;
}

bool CZelkorConfigApp::OnCmdMsg(int nID, bool bExecute) {
    auto run = [bExecute](auto&& handler) {
        if (bExecute) {
            handler();
        }
        return true;
    };
    switch (nID) {
        case res::ID_FILE_NEW:
            return run([this] { m_pDoc->OnFileNew(); });
        case res::ID_FILE_OPEN:
            return run([this] { m_pDoc->OnFileOpen(); });
        case res::ID_FILE_SAVE:
            return run([this] { m_pDoc->OnFileSave(); });
        case res::ID_FILE_SAVE_AS:
            return run([this] { m_pDoc->OnFileSaveAs(); });
        case res::ID_FILE_PRINT_SETUP:
            return run([this] { OnFilePrintSetup(); });
        case res::ID_APP_EXIT:
            return run([this] { OnAppExit(); });
        case res::ID_APP_ABOUT:
            return run([this] { OnAppAbout(); });
        default:
            break;
    }
    const int recent = nID - res::ID_FILE_MRU_FILE1;
    if (recent >= 0 && recent < res::kRecentFileCount) {
        if (static_cast<size_t>(recent) >= m_recentFiles.Entries().size()) {
            return false;
        }
        return run([this, recent] { OnOpenRecentFile(recent); });
    }
    return false;
}

void CZelkorConfigApp::OnAppAbout() {
    RunAboutBox();
}

void CZelkorConfigApp::RunAboutBox() {
    CAboutDlg dialog(m_pMainWnd.get());
    dialog.exec();
}

void CZelkorConfigApp::OnFilePrintSetup() {
    if (!m_pPrinter) {
        m_pPrinter = std::make_unique<QPrinter>();
    }
    QPrintDialog dialog(m_pPrinter.get(), m_pMainWnd.get());
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.exec();
}

void CZelkorConfigApp::OnAppExit() {
    if (m_pMainWnd) {
        m_pMainWnd->close();
    }
}

void CZelkorConfigApp::OnOpenRecentFile(int nIndex) {
    const auto& entries = m_recentFiles.Entries();
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= entries.size()) {
        return;
    }
    const std::string path = entries[nIndex];
    m_pDoc->OpenDocumentFile(path);
}

std::optional<std::string> CZelkorConfigApp::PromptOpenPath() {
    const QString path = QFileDialog::getOpenFileName(m_pMainWnd.get(), Latin1(res::kOpenCaption),
                                                      QString(), FileDialogFilter());
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path.toStdString();
}

std::optional<std::string> CZelkorConfigApp::PromptSavePath(const std::string& suggestedName) {
    QFileDialog dialog(m_pMainWnd.get(), Latin1(res::kSaveAsCaption), QString(),
                       FileDialogFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(Latin1(res::kFileExtension).mid(1));
    dialog.selectFile(QString::fromStdString(suggestedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first().toStdString();
}

void CZelkorConfigApp::AddToRecentFileList(const std::string& path) {
    m_recentFiles.Add(path);
    if (m_pMainWnd) {
        m_pMainWnd->SetRecentFiles(m_recentFiles.Entries());
    }
}

void CZelkorConfigApp::OnDocumentTitleChanged() {
    if (m_pMainWnd && m_pDoc) {
        m_pMainWnd->setWindowTitle(QString::fromStdString(m_pDoc->FrameTitle()));
    }
}

}  // namespace app
