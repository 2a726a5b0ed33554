#include "app/zelkor_config_app.h"

#include <QApplication>
#include <QBuffer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QPageSetupDialog>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSessionManager>
#include <QSettings>
#include <QStandardPaths>
#include <QTreeView>
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/about_dlg.h"
#include "app/app_icons.h"
#include "app/book_printer.h"
#include "app/command_line.h"
#include "app/language.h"
#include "app/main_frame.h"
#include "app/qt_message_sink.h"
#include "editor/book_csv.h"
#include "editor/program_check.h"
#include "model/file_access.h"
#include "model/start_folder.h"
#include "platform/message_box.h"
#include "platform/text_format.h"
#include "res/ids_app.h"
#include "res/strings_app.h"
#include "res/strings_book.h"
#include "res/strings_editor.h"
#include "res/strings_link.h"
#include "res/strings_model.h"
#include "res/strings_platform.h"
#include "ui/book/book_panel.h"
#include "ui/editor/zelkor_form.h"
#include "widgets/dialog_units.h"
#include "widgets/screen_fit.h"
#include "widgets/translations.h"

namespace app {

CZelkorConfigApp theApp;

namespace {

// ZELKOR_TRACE set (to anything but 0) prints every frame on the line to standard error.
constexpr char kTraceVariable[] = "ZELKOR_TRACE";

bool TraceAsked() {
    const QByteArray value = qgetenv(kTraceVariable);
    return !value.isEmpty() && value != "0";
}

QString Text(const char* text) {
    return QString::fromUtf8(text);
}

QString SettingKey(const char* section, const QString& entry) {
    return Text(section) + QLatin1Char('/') + entry;
}

QString RecentFileEntry(int n) {
    return Text(res::kRecentFileEntry).replace(QLatin1String("%d"), QString::number(n));
}

// A file dialog's filter: the program's kind of file, then all files.
QString DialogFilter(const char* kind) {
    return Text(kind) + QStringLiteral(";;") + Text(res::Tr(res::kAllFilesFilter));
}

// The file dialogs' size in dialog units: room for the name, size, type and date columns of the
// detail view without cutting them, in the font in use.
constexpr int kFileDialogWidth = 420;
constexpr int kFileDialogHeight = 240;
// The print preview: a page whole, its toolbar without an overflow.
constexpr int kPreviewWidth = 400;
constexpr int kPreviewHeight = 440;
// The margins of every page until Print Setup changes them; a printer may take them smaller.
constexpr double kPageMarginMm = 15.0;

void SizeFileDialog(QFileDialog& dialog) {
    const widgets::CDialogUnits units(dialog.font());
    dialog.resize(widgets::BoundedToScreen(
        &dialog, QSize(units.X(kFileDialogWidth), units.Y(kFileDialogHeight))));
    // Qt's own dialog (not a desktop's) sets its columns once, narrower than a type or a date:
    // once a folder has been read they take what their texts need, and the name the rest.
    auto* pFiles = dialog.findChild<QTreeView*>();
    auto* pModel = dialog.findChild<QFileSystemModel*>();
    if (pFiles == nullptr || pModel == nullptr) {
        return;
    }
    QObject::connect(pModel, &QFileSystemModel::directoryLoaded, pFiles, [pFiles] {
        QHeaderView* pHeader = pFiles->header();
        int others = 0;
        for (int column = 1; column < pHeader->count(); ++column) {
            pFiles->resizeColumnToContents(column);
            others += pHeader->isSectionHidden(column) ? 0 : pHeader->sectionSize(column);
        }
        const int nameNeeds = static_cast<QAbstractItemView*>(pFiles)->sizeHintForColumn(0);
        pHeader->resizeSection(0, std::max(nameNeeds, pFiles->viewport()->width() - others));
        // Columns wider than the dialog's own measure (a wide font, a long name) widen the
        // dialog, as far as the screen lets them.
        if (const int excess = pHeader->length() - pFiles->viewport()->width(); excess > 0) {
            QWidget* pDialog = pFiles->window();
            pDialog->resize(widgets::BoundedToScreen(pDialog, pDialog->size() + QSize(excess, 0)));
        }
    });
}

std::optional<std::string> AskOpenPath(QWidget* pParent, const std::string& folder,
                                       const char* caption, const char* kind) {
    QFileDialog dialog(pParent, Text(caption), QString::fromStdString(folder), DialogFilter(kind));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    SizeFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first().toStdString();
}

// The extension (".vq") is added to a name typed without one. A suggested name without a folder
// is one in the folder the dialog opens in.
std::optional<std::string> AskSavePath(QWidget* pParent, const std::string& folder,
                                       const char* caption, const char* kind, const char* extension,
                                       const std::string& suggestedName) {
    QFileDialog dialog(pParent, Text(caption), QString::fromStdString(folder), DialogFilter(kind));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    SizeFileDialog(dialog);
    dialog.setDefaultSuffix(Text(extension).mid(1));
    dialog.selectFile(QString::fromStdString(suggestedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first().toStdString();
}

// The file that a recent-file entry names is no longer there (not merely unreadable).
bool IsGone(const std::string& path) {
    std::error_code error;
    return std::filesystem::status(path, error).type() == std::filesystem::file_type::not_found;
}

}  // namespace

CZelkorConfigApp::CZelkorConfigApp()
    : m_linkMessages(m_link, [this](devlink::ELinkEvent event) { AfterLinkEvent(event); }),
      m_recentFiles(res::kRecentFileCount) {
    m_portSetting.SetChangeHandler([this] { ShowPortState(); });
}

void CZelkorConfigApp::AfterLinkEvent(devlink::ELinkEvent event) {
    if (event == devlink::ELinkEvent::kLineLost) {
        m_portSetting.OnLineLost();
    }
}

CZelkorConfigApp::~CZelkorConfigApp() {
    // The reader may post until it has ended; the link's listener goes after that.
    m_link.Close();
}

int CZelkorConfigApp::Run(const QStringList& arguments) {
    if (const auto status = RefuseBadCommandLine(arguments)) {
        return *status;
    }
    if (!InitInstance(arguments)) {
        ExitInstance();
        return kExitStartFailed;
    }
    QApplication::exec();
    return ExitInstance();
}

bool CZelkorConfigApp::InitInstance(const QStringList& arguments) {
    m_link.SetTrace(TraceAsked() ? &m_trace : nullptr);
    UseInstalledIconTheme();
    LoadSettings();
    UseLanguage(arguments);
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
    QSettings settings(Text(res::kRegistryKey), Text(res::kProfileApp));
    m_portSetting.Start(
        settings.value(SettingKey(res::kConfigSection, Text(res::kPortPathEntry)), QString())
            .toString()
            .toStdString(),
        std::nullopt);
    std::vector<std::string> recent;
    for (int n = 1; n <= res::kRecentFileCount; ++n) {
        recent.push_back(
            settings.value(SettingKey(res::kRecentFileSection, RecentFileEntry(n)), QString())
                .toString()
                .toStdString());
    }
    m_recentFiles.Assign(recent);
    // The file dialogs start where the user last worked, in this run or the one before.
    if (!m_recentFiles.Entries().empty()) {
        m_strLastFilePath = m_recentFiles.Entries().front();
    }
}

void CZelkorConfigApp::SaveSettings() {
    QSettings settings(Text(res::kRegistryKey), Text(res::kProfileApp));
    settings.setValue(SettingKey(res::kConfigSection, Text(res::kPortPathEntry)),
                      QString::fromStdString(m_portSetting.PathToRemember()));
    const auto& entries = m_recentFiles.Entries();
    for (int n = 1; n <= res::kRecentFileCount; ++n) {
        const QString key = SettingKey(res::kRecentFileSection, RecentFileEntry(n));
        if (static_cast<size_t>(n) <= entries.size()) {
            settings.setValue(key, QString::fromStdString(entries[n - 1]));
        } else {
            settings.remove(key);
        }
    }
    if (m_pMainWnd) {
        settings.setValue(SettingKey(res::kWindowSection, Text(res::kWindowStateEntry)),
                          m_pMainWnd->saveState());
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
    m_pForm = new ui::CZelkorForm;
    m_pForm->SetDocument(m_pDoc.get());
    m_pForm->SetDevice(&m_link, &m_portSetting);
    m_pDoc->AddView(m_pForm);
    m_pMainWnd->SetView(m_pForm);
    CreateBookPanel();
    m_pMainWnd->SetCommandTargets({m_pBookPanel, m_pForm, this});
    // The form's Undo follows its history and its edits; its results go to the status bar.
    QObject::connect(m_pForm, &ui::CZelkorForm::CommandStatesChanged, m_pMainWnd.get(),
                     &CMainFrame::UpdateCommandStates);
    QObject::connect(m_pForm, &ui::CZelkorForm::StatusMessage, m_pMainWnd.get(),
                     &CMainFrame::ShowStatusMessage);
    // What the user was told of a device command goes into the trace with the frames.
    if (TraceAsked()) {
        QObject::connect(m_pForm, &ui::CZelkorForm::StatusMessage, m_pMainWnd.get(),
                         [this](const QString& text) {
                             m_trace.OnPortEvent(platform::FormatText(res::kTraceStatusBar,
                                                                      text.toStdString().c_str()));
                         });
    }
    m_pMainWnd->SetRecentFiles(m_recentFiles.Entries());
    m_pMainWnd->SetCloseQuery([this] { return StopUploadToClose() && m_pDoc->SaveModified(); });
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, m_pMainWnd.get(),
                     [this](QSessionManager& manager) { OnSessionEnd(manager); });
    CQtMessageSink::SetOwner(m_pMainWnd.get());
    OnDocumentTitleChanged();
    ShowPortState();
    return true;
}

void CZelkorConfigApp::CreateBookPanel() {
    m_pBookPanel = new ui::CBookPanel(*m_pDoc, m_pForm->History(), m_pMainWnd.get());
    m_pMainWnd->AddPanel(m_pBookPanel, res::ID_VIEW_BOOK_PANEL, res::Tr(res::kItemBookPanel),
                         res::Tr(res::kPromptBookPanel));
    QObject::connect(m_pBookPanel, &ui::CBookPanel::ProgramChosen, m_pForm,
                     &ui::CZelkorForm::GoToProgram);
    QObject::connect(m_pBookPanel, &ui::CBookPanel::BookChanged, m_pForm,
                     &ui::CZelkorForm::ShowProgram);
    QObject::connect(m_pForm, &ui::CZelkorForm::ProgramShown, m_pBookPanel,
                     &ui::CBookPanel::OnProgramShown);
    QSettings settings(Text(res::kRegistryKey), Text(res::kProfileApp));
    m_pMainWnd->restoreState(
        settings.value(SettingKey(res::kWindowSection, Text(res::kWindowStateEntry)))
            .toByteArray());
}

std::vector<editor::SPrintRow> CZelkorConfigApp::RowsToPrint(bool bSelection) const {
    if (!bSelection || m_pBookPanel == nullptr) {
        return editor::PrintRows(m_pDoc->Book());
    }
    return editor::PrintRows(m_pDoc->Book(), m_pBookPanel->SelectedPrograms());
}

std::optional<bool> CZelkorConfigApp::AskExportSelection() const {
    const size_t selected = m_pBookPanel != nullptr && m_pBookPanel->isVisible()
                                ? m_pBookPanel->SelectedPrograms().size()
                                : 0;
    // One row is selected whenever the form shows a program: only more is a selection worth
    // the question.
    if (selected < 2) {
        return std::nullopt;
    }
    return platform::AskYesNo(platform::FormatText(res::Tr(res::kAskExportSelection),
                                                   static_cast<int>(selected))) ==
           platform::EMsgAnswer::kYes;
}

bool CZelkorConfigApp::ProcessShellCommand(const QStringList& arguments) {
    CCommandLine line;
    line.Parse(arguments);  // Run has already refused what it does not understand
    if (const auto port = line.Port()) {
        m_portSetting.UseForThisRun(*port);
    }
    // A file that does not open has said why; the user then starts on a new book rather than
    // with no window at all.
    if (const auto file = line.File(); file && m_pDoc->OpenDocumentFile(*file)) {
        return true;
    }
    return m_pDoc->OnFileNew();
}

void CZelkorConfigApp::UseLanguage(const QStringList& arguments) {
    CCommandLine line;
    line.Parse(arguments);
    widgets::InstallTranslations(line.Language().value_or(SavedLanguage()));
}

void CZelkorConfigApp::OpenRememberedPort() {
    // A port not there or busy is no error yet: the user has not asked for it.
    if (!m_portSetting.OpenAtStart() && m_pMainWnd) {
        const std::string text =
            devlink::PortAtStartText(m_portSetting.LineState(), m_portSetting.PortPath());
        if (!text.empty()) {
            m_pMainWnd->ShowStatusMessage(QString::fromStdString(text));
        }
    }
}

bool CZelkorConfigApp::StopUploadToClose() {
    if (m_pForm == nullptr || !m_pForm->UploadRunning()) {
        return true;
    }
    platform::SMessageRequest question{res::Tr(res::kAskCloseDuringUpload),
                                       platform::ApplicationTitle(), platform::EMsgIcon::kWarning,
                                       platform::EMsgButtons::kYesNo};
    question.yesText = res::Tr(res::kCloseButton);
    question.noText = res::Tr(res::kKeepUploadingButton);
    if (platform::ShowMessage(question) != platform::EMsgAnswer::kYes) {
        return false;
    }
    m_pForm->CancelUpload();
    return true;
}

void CZelkorConfigApp::OnSessionEnd(QSessionManager& manager) {
    // Where the session lets the program ask, the user may keep it running; else the upload
    // stops as Cancel stops it, before the program is ended.
    if (manager.allowsInteraction()) {
        const bool bClose = StopUploadToClose();
        manager.release();
        if (!bClose) {
            manager.cancel();
        }
    } else if (m_pForm != nullptr) {
        m_pForm->CancelUpload();
    }
}

void CZelkorConfigApp::OnEndRequested() {
    // A request to end that cannot be refused (SIGTERM, a hang-up): the upload stops as Cancel
    // stops it, then the program ends as Exit would, without asking.
    if (m_pForm != nullptr) {
        m_pForm->CancelUpload();
    }
    QCoreApplication::quit();
}

void CZelkorConfigApp::ShowPortState() {
    if (m_pMainWnd) {
        m_pMainWnd->SetPortPane(QString::fromStdString(
            devlink::LineStateText(m_portSetting.LineState(), m_portSetting.PortPath())));
    }
}

int CZelkorConfigApp::ExitInstance() {
    // The link's reader thread may still post to the windows: it ends first.
    m_portSetting.Close();
    SaveSettings();
    CQtMessageSink::SetOwner(nullptr);
    if (m_pDoc) {
        m_pDoc->SetHost(nullptr);
    }
    m_pForm = nullptr;
    m_pMainWnd.reset();
    m_pDoc.reset();
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
        case res::ID_FILE_IMPORT_CSV:
            return run([this] { OnFileImportCsv(); });
        case res::ID_FILE_EXPORT_CSV:
            return run([this] { OnFileExportCsv(); });
        case res::ID_FILE_EXPORT_PDF:
            return run([this] { OnFileExportPdf(); });
        case res::ID_FILE_PRINT:
            return run([this] { OnFilePrint(); });
        case res::ID_FILE_PRINT_PREVIEW:
            return run([this] { OnFilePrintPreview(); });
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

QPrinter& CZelkorConfigApp::Printer() {
    if (!m_pPrinter) {
        m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The same pages on paper, in the preview and in a PDF, which no printer's reach limits.
        m_pPrinter->setPageMargins(
            QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
            QPageLayout::Millimeter);
    }
    return *m_pPrinter;
}

QString CZelkorConfigApp::PrintTitle() const {
    return QString::fromStdString(m_pDoc->GetTitle());
}

bool CZelkorConfigApp::RunPrintDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, m_pMainWnd.get());
    // The current page is the one that holds the program on display; Selection is offered while
    // rows of the book panel are selected.
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setOption(QAbstractPrintDialog::PrintSelection,
                     m_pBookPanel != nullptr && m_pBookPanel->isVisible() &&
                         !m_pBookPanel->SelectedPrograms().empty());
    return dialog.exec() == QDialog::Accepted;
}

SPageChoice CZelkorConfigApp::PageChoice(const QPrinter& printer) const {
    SPageChoice choice;
    switch (printer.printRange()) {
        case QPrinter::CurrentPage:
            choice.nCurrentProgram = m_pDoc->Current();
            break;
        case QPrinter::PageRange:
            for (const QPageRanges::Range& range : printer.pageRanges().toRangeList()) {
                choice.ranges.emplace_back(range.from, range.to);
            }
            break;
        case QPrinter::AllPages:
        case QPrinter::Selection:
            break;
    }
    return choice;
}

void CZelkorConfigApp::RunPrintPreview(QPrintPreviewDialog& dialog) {
    dialog.exec();
}

void CZelkorConfigApp::OnFilePrint() {
    // What is printed is what a save would write: the form's edits are offered first.
    m_pDoc->CommitViews();
    QPrinter& printer = Printer();
    printer.setDocName(PrintTitle());
    // Each Print starts on all pages, as the print dialogs of other programs do.
    printer.setPrintRange(QPrinter::AllPages);
    if (!RunPrintDialog(printer)) {
        return;
    }
    CBookPrinter pages(RowsToPrint(printer.printRange() == QPrinter::Selection), PrintTitle());
    // Printed to a file, the file is what failed; else the printer.
    const QString target =
        printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    if (!pages.Print(printer, PageChoice(printer))) {
        platform::ShowAppMessage(res::Tr(res::kPrintFailed), target.toStdString(), std::string());
    } else if (pages.PrintedPages() == 0) {
        platform::ShowAppMessage(res::Tr(res::kPrintNoPageInRange));
    }
}

void CZelkorConfigApp::OnFilePrintPreview() {
    m_pDoc->CommitViews();
    QPrintPreviewDialog dialog(&Printer(), m_pMainWnd.get());
    dialog.setWindowTitle(Text(res::Tr(res::kItemPrintPreview)).remove(QLatin1Char('&')));
    const widgets::CDialogUnits units(dialog.font());
    dialog.resize(
        widgets::BoundedToScreen(&dialog, QSize(units.X(kPreviewWidth), units.Y(kPreviewHeight))));
    CBookPrinter pages(m_pDoc->Book(), PrintTitle());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&pages](QPrinter* pPrinter) {
                         if (!pages.Print(*pPrinter)) {
                             platform::ShowAppMessage(res::Tr(res::kPreviewFailed));
                         }
                     });
    RunPrintPreview(dialog);
}

void CZelkorConfigApp::OnFilePrintSetup() {
    // The printer's paper, orientation and margins; Print and the preview use them.
    QPageSetupDialog dialog(&Printer(), m_pMainWnd.get());
    dialog.exec();
}

void CZelkorConfigApp::OnFileExportPdf() {
    const std::optional<bool> bSelection = AskExportSelection();
    const auto path = PromptExportPdfPath(SuggestedName(res::kPdfFileExtension));
    if (!path) {
        return;
    }
    m_pDoc->CommitViews();
    // The pages are made in memory and written as every output of the program is, so that a
    // failure names the file and the reason and leaves an old file whole.
    QByteArray pdf;
    CBookPrinter pages(RowsToPrint(bSelection.value_or(false)), PrintTitle());
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(PrintTitle());
        writer.setCreator(Text(res::kAppTitle));
        writer.setPageLayout(Printer().pageLayout());
        if (!pages.Print(writer)) {
            platform::ShowAppMessage(res::Tr(res::kPdfFailed), *path, std::string());
            return;  // an old file of that name stays as it was
        }
    }
    const bool bWritten =
        model::WriteOutput(*path, [&pdf](platform::CFile& file, const std::string& name) {
            if (!file.WriteBytes(pdf.constData(), static_cast<size_t>(pdf.size()))) {
                model::ShowFileError(res::Tr(res::kFileWriteError), name, file.LastError());
                return false;
            }
            return true;
        });
    // An export takes a moment and shows nothing of itself: the status bar says it is done.
    if (bWritten && m_pMainWnd) {
        m_pMainWnd->ShowStatusMessage(QString::fromStdString(
            platform::FormatText(pages.PrintedPages() == 1 ? res::Tr(res::kExportedPdfPage)
                                                           : res::Tr(res::kExportedPdfPages),
                                 pages.PrintedPages(), path->c_str())));
    }
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
    if (m_pDoc->TryOpenDocumentFile(path) != model::CZelkorConfigDoc::EOpenResult::kFailed ||
        !IsGone(path)) {
        return;
    }
    // Its message has told the user; an entry that can never open again goes. A save asked for
    // on the way may have moved it in the list.
    const auto& now = m_recentFiles.Entries();
    const auto it = std::find(now.begin(), now.end(), path);
    if (it != now.end()) {
        m_recentFiles.Remove(static_cast<size_t>(it - now.begin()));
        m_pMainWnd->SetRecentFiles(m_recentFiles.Entries());
    }
}

void CZelkorConfigApp::OnFileImportCsv() {
    const auto path = PromptImportCsvPath();
    if (!path) {
        return;
    }
    editor::ImportCsvDocument(*m_pDoc, *path);
}

std::string CZelkorConfigApp::SuggestedName(const char* extension) const {
    // Beside the document, under its name, when it has one.
    const std::string name =
        m_pDoc->GetPathName().empty() ? m_pDoc->GetTitle() : m_pDoc->GetPathName();
    return std::filesystem::path(name).replace_extension(extension).string();
}

void CZelkorConfigApp::OnFileExportCsv() {
    if (const auto path = PromptExportCsvPath(SuggestedName(res::kCsvFileExtension))) {
        editor::ExportCsvDocument(*m_pDoc, *path);
    }
}

std::string CZelkorConfigApp::DialogFolder() const {
    return model::StartFolder(
        m_pDoc ? m_pDoc->GetPathName() : std::string(), m_strLastFilePath,
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString());
}

std::optional<std::string> CZelkorConfigApp::Remember(std::optional<std::string> chosen) {
    if (chosen) {
        m_strLastFilePath = *chosen;
    }
    return chosen;
}

std::optional<std::string> CZelkorConfigApp::PromptOpenPath() {
    return Remember(AskOpenPath(m_pMainWnd.get(), DialogFolder(), res::Tr(res::kOpenCaption),
                                res::Tr(res::kFileFilter)));
}

std::optional<std::string> CZelkorConfigApp::PromptSavePath(const std::string& suggestedName) {
    return Remember(AskSavePath(m_pMainWnd.get(), DialogFolder(), res::Tr(res::kSaveAsCaption),
                                res::Tr(res::kFileFilter), res::kFileExtension, suggestedName));
}

std::optional<std::string> CZelkorConfigApp::PromptImportCsvPath() {
    return Remember(AskOpenPath(m_pMainWnd.get(), DialogFolder(), res::Tr(res::kImportCsvCaption),
                                res::Tr(res::kCsvFileFilter)));
}

std::optional<std::string> CZelkorConfigApp::PromptExportCsvPath(const std::string& suggestedName) {
    return Remember(AskSavePath(m_pMainWnd.get(), DialogFolder(), res::Tr(res::kExportCsvCaption),
                                res::Tr(res::kCsvFileFilter), res::kCsvFileExtension,
                                suggestedName));
}

std::optional<std::string> CZelkorConfigApp::PromptExportPdfPath(const std::string& suggestedName) {
    return Remember(AskSavePath(m_pMainWnd.get(), DialogFolder(), res::Tr(res::kExportPdfCaption),
                                res::Tr(res::kPdfFileFilter), res::kPdfFileExtension,
                                suggestedName));
}

void CZelkorConfigApp::AddToRecentFileList(const std::string& path) {
    m_recentFiles.Add(path);
    if (m_pMainWnd) {
        m_pMainWnd->SetRecentFiles(m_recentFiles.Entries());
    }
}

void CZelkorConfigApp::OnDocumentOpened() {
    const std::vector<editor::SRuleBreak> breaks = editor::FindRuleBreaks(m_pDoc->Book());
    if (breaks.empty()) {
        return;
    }
    std::string which = editor::DescribeRuleBreak(breaks.front());
    if (breaks.size() > 1) {
        which = platform::FormatText(res::Tr(res::kMoreRuleBreaks), which.c_str(),
                                     static_cast<int>(breaks.size() - 1));
    }
    platform::ShowMessage({platform::FormatText(res::Tr(res::kOpenedWithRuleBreaks), which.c_str()),
                           platform::ApplicationTitle(), platform::EMsgIcon::kWarning});
}

void CZelkorConfigApp::OnDocumentTitleChanged() {
    if (m_pMainWnd && m_pDoc) {
        m_pMainWnd->setWindowTitle(QString::fromStdString(m_pDoc->WindowTitle()));
    }
}

}  // namespace app
