#include "app/main_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

#include "app/app_icons.h"
#include "app/language.h"
#include "platform/lock_keys.h"
#include "platform/message_box.h"
#include "res/ids_app.h"
#include "res/ids_controls.h"
#include "res/strings_app.h"
#include "res/strings_model.h"
#include "widgets/control_ids.h"

namespace app {

namespace {

constexpr const char kCommandIdProperty[] = "commandId";

// The port pane's widest text, in average characters; longer ones are cut in the middle.
constexpr int kPortPaneChars = 32;

// The view's scroll area. Its preferred size is the whole view, so that the frame sized to fit
// shows the view without scroll bars when the screen has room for it; and a control reached
// with Tab comes into view whole, where Qt's own scrolling shows only its text cursor.
class CViewScroller : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        return widget() != nullptr ? widget()->sizeHint() + QSize(frame, frame)
                                   : QScrollArea::sizeHint();
    }

protected:
    bool focusNextPrevChild(bool bNext) override {
        // Past QScrollArea's own, which scrolls only to the text cursor: the field comes into
        // view whole here.
        if (!QWidget::focusNextPrevChild(bNext)) {
            return false;
        }
        QWidget* pFocus = focusWidget();
        if (pFocus != nullptr && widget() != nullptr && widget()->isAncestorOf(pFocus)) {
            const QRect rect(pFocus->mapTo(widget(), QPoint(0, 0)), pFocus->size());
            const int margin = fontMetrics().height() / 2;
            ensureVisible(rect.center().x(), rect.center().y(), rect.width() / 2 + margin,
                          rect.height() / 2 + margin);
        }
        return true;
    }
};

}  // namespace

CMainFrame::CMainFrame() {
    setWindowIcon(AppIcon());
    setWindowTitle(QString::fromLatin1(res::kFrameTitle));
}

bool CMainFrame::OnCreate() {
    CreateMenus();
    if (!CreateToolBar() || !CreateStatusBar()) {
        return false;
    }
    // Every key event, whichever window it goes to, may change a lock key.
    qApp->installEventFilter(this);
    UpdateCommandStates();
    return true;
}

QAction* CMainFrame::MakeAction(int nID, const char* text, const char* prompt) {
    auto* pAction = new QAction(QString::fromUtf8(text), this);
    pAction->setStatusTip(QString::fromUtf8(prompt));
    pAction->setProperty(kCommandIdProperty, nID);
    pAction->setObjectName(QStringLiteral("command%1").arg(nID));
    m_itemTexts[nID] = pAction->text();
    connect(pAction, &QAction::triggered, this, [this, nID] { RouteCommand(nID); });
    m_actions[nID] = pAction;
    return pAction;
}

QAction* CMainFrame::AddCommand(QMenu* pMenu, int nID, const char* text, const char* prompt) {
    QAction* pAction = MakeAction(nID, text, prompt);
    pMenu->addAction(pAction);
    return pAction;
}

QMenu* CMainFrame::AddMenu(const char* title) {
    QMenu* pMenu = menuBar()->addMenu(QString::fromUtf8(title));
    connect(pMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    connect(pMenu, &QMenu::aboutToHide, this, &CMainFrame::ShowIdleMessage);
    m_menus.push_back(pMenu);
    return pMenu;
}

void CMainFrame::CreateMenus() {
    CreateFileMenu();
    CreateEditMenu();
    m_pViewMenu = AddMenu(res::Tr(res::kMenuView));
    QAction* pStatusBar = AddCommand(m_pViewMenu, res::ID_VIEW_STATUS_BAR,
                                     res::Tr(res::kItemStatusBar), res::Tr(res::kPromptStatusBar));
    pStatusBar->setCheckable(true);
    pStatusBar->setChecked(true);
    CreateLanguageMenu(m_pViewMenu);
    CreateToolsMenu();
    QMenu* pHelp = AddMenu(res::Tr(res::kMenuHelp));
    AddCommand(pHelp, res::ID_APP_ABOUT, res::Tr(res::kItemAbout), res::Tr(res::kPromptAbout));
    // Toolbar-only commands, with the keys of the desktop (a text field that has the focus
    // takes them for its own text first).
    MakeAction(res::ID_EDIT_CUT, res::Tr(res::kItemCut), res::Tr(res::kPromptCut))
        ->setShortcut(QKeySequence::Cut);
    MakeAction(res::ID_EDIT_COPY, res::Tr(res::kItemCopy), res::Tr(res::kPromptCopy))
        ->setShortcut(QKeySequence::Copy);
    MakeAction(res::ID_EDIT_PASTE, res::Tr(res::kItemPaste), res::Tr(res::kPromptPaste))
        ->setShortcut(QKeySequence::Paste);
}

void CMainFrame::AddPanel(QDockWidget* pPanel, int nID, const char* text, const char* prompt) {
    addDockWidget(Qt::RightDockWidgetArea, pPanel);
    QAction* pToggle = pPanel->toggleViewAction();
    pToggle->setProperty(kCommandIdProperty, nID);
    pToggle->setObjectName(QStringLiteral("command%1").arg(nID));
    pToggle->setText(QString::fromUtf8(text));
    pToggle->setStatusTip(QString::fromUtf8(prompt));
    m_pViewMenu->addAction(pToggle);
}

void CMainFrame::CreateFileMenu() {
    m_pFileMenu = AddMenu(res::Tr(res::kMenuFile));
    // The keys the menu shows work.
    AddCommand(m_pFileMenu, res::ID_FILE_NEW, res::Tr(res::kItemNew), res::Tr(res::kPromptNew))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    AddCommand(m_pFileMenu, res::ID_FILE_OPEN, res::Tr(res::kItemOpen), res::Tr(res::kPromptOpen))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    AddCommand(m_pFileMenu, res::ID_FILE_SAVE, res::Tr(res::kItemSave), res::Tr(res::kPromptSave))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    AddCommand(m_pFileMenu, res::ID_FILE_SAVE_AS, res::Tr(res::kItemSaveAs),
               res::Tr(res::kPromptSaveAs))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    AddCommand(m_pFileMenu, res::ID_FILE_IMPORT_CSV, res::Tr(res::kItemImportCsv),
               res::Tr(res::kPromptImportCsv));
    AddCommand(m_pFileMenu, res::ID_FILE_EXPORT_CSV, res::Tr(res::kItemExportCsv),
               res::Tr(res::kPromptExportCsv));
    AddCommand(m_pFileMenu, res::ID_FILE_EXPORT_PDF, res::Tr(res::kItemExportPdf),
               res::Tr(res::kPromptExportPdf));
    m_pFileMenu->addSeparator();
    AddCommand(m_pFileMenu, res::ID_FILE_PRINT, res::Tr(res::kItemPrint),
               res::Tr(res::kPromptPrint))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    AddCommand(m_pFileMenu, res::ID_FILE_PRINT_PREVIEW, res::Tr(res::kItemPrintPreview),
               res::Tr(res::kPromptPrintPreview));
    AddCommand(m_pFileMenu, res::ID_FILE_PRINT_SETUP, res::Tr(res::kItemPrintSetup),
               res::Tr(res::kPromptPrintSetup));
    m_pFileMenu->addSeparator();
    CreateRecentFileItems();
    m_pExitSeparator = m_pFileMenu->addSeparator();
    AddCommand(m_pFileMenu, res::ID_APP_EXIT, res::Tr(res::kItemExit), res::Tr(res::kPromptExit))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void CMainFrame::CreateRecentFileItems() {
    // With no recent file the item keeps its own text and stays disabled; the entries of the
    // list take its place (the first of them under the same id).
    m_pRecentPlaceholder = new QAction(QString::fromUtf8(res::Tr(res::kItemRecentFile)), this);
    m_pRecentPlaceholder->setStatusTip(QString::fromUtf8(res::Tr(res::kPromptRecentFile)));
    m_pRecentPlaceholder->setProperty(kCommandIdProperty, res::ID_FILE_MRU_FILE1);
    m_pRecentPlaceholder->setObjectName(QStringLiteral("recentFilePlaceholder"));
    m_pRecentPlaceholder->setEnabled(false);
    m_pFileMenu->addAction(m_pRecentPlaceholder);
    for (int i = 0; i < res::kRecentFileCount; ++i) {
        MakeAction(res::ID_FILE_MRU_FILE1 + i, "", res::Tr(res::kPromptRecentFile));
    }
}

void CMainFrame::CreateEditMenu() {
    QMenu* pEdit = AddMenu(res::Tr(res::kMenuEdit));
    AddCommand(pEdit, res::ID_EDIT_UNDO, res::Tr(res::kItemUndo), res::Tr(res::kPromptUndo))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    AddCommand(pEdit, res::ID_EDIT_REDO, res::Tr(res::kItemRedo), res::Tr(res::kPromptRedo))
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    pEdit->addSeparator();
    AddCommand(pEdit, res::ID_CUT_PROGRAM, res::Tr(res::kItemCutProgram),
               res::Tr(res::kPromptCutProgram));
    AddCommand(pEdit, res::ID_COPY_PROGRAM, res::Tr(res::kItemCopyProgram),
               res::Tr(res::kPromptCopyProgram));
    AddCommand(pEdit, res::ID_PASTE_PROGRAM, res::Tr(res::kItemPasteProgram),
               res::Tr(res::kPromptPasteProgram));
    pEdit->addSeparator();
    AddCommand(pEdit, res::ID_INSERT_PROGRAM, res::Tr(res::kItemInsertProgram),
               res::Tr(res::kPromptInsertProgram));
    AddCommand(pEdit, res::ID_REORDER_PROGRAMS, res::Tr(res::kItemReorderPrograms),
               res::Tr(res::kPromptReorderPrograms));
}

void CMainFrame::CreateLanguageMenu(QMenu* pView) {
    QMenu* pLanguage = pView->addMenu(QString::fromUtf8(res::Tr(res::kItemLanguage)));
    const QString prompt = QString::fromUtf8(res::Tr(res::kPromptLanguage));
    pLanguage->menuAction()->setStatusTip(prompt);
    auto* pGroup = new QActionGroup(pLanguage);
    const QString saved = SavedLanguage();
    const auto addItem = [&](const QString& code, const QString& name) {
        QAction* pItem = pLanguage->addAction(name);
        pItem->setCheckable(true);
        pItem->setChecked(code == saved);
        pItem->setStatusTip(prompt);
        pGroup->addAction(pItem);
        connect(pItem, &QAction::triggered, this, [this, code] { OnLanguageChosen(code); });
    };
    addItem(QString(), QString::fromUtf8(res::Tr(res::kItemSystemLanguage)));
    pLanguage->addSeparator();
    int nCount = 0;
    const SLanguage* pLanguages = OfferedLanguages(nCount);
    for (int i = 0; i < nCount; ++i) {
        addItem(QString::fromUtf8(pLanguages[i].code), QString::fromUtf8(pLanguages[i].name));
    }
}

void CMainFrame::OnLanguageChosen(const QString& code) {
    if (code == SavedLanguage()) {
        return;
    }
    SaveLanguage(code);
    platform::ShowAppMessage(res::Tr(res::kMsgLanguageNextStart));
}

void CMainFrame::CreateToolsMenu() {
    QMenu* pTools = AddMenu(res::Tr(res::kMenuTools));
    AddCommand(pTools, res::ID_DELETE_PROGRAM, res::Tr(res::kItemDeleteProgram),
               res::Tr(res::kPromptDeleteProgram));
    AddCommand(pTools, res::ID_TEST_CONNECTION, res::Tr(res::kItemTestConnection),
               res::Tr(res::kPromptTestConnection));
    AddCommand(pTools, res::ID_UPLOAD_CURRENT_PROGRAM, res::Tr(res::kItemUploadCurrentProgram),
               res::Tr(res::kPromptUploadCurrentProgram));
    AddCommand(pTools, res::ID_SELECT_COMM_PORT, res::Tr(res::kItemSelectCommPort),
               res::kPromptSelectCommPort);
}

bool CMainFrame::CreateToolBar() {
    m_pToolBar = new QToolBar(QString::fromUtf8(res::Tr(res::kToolBarTitle)), this);
    widgets::SetControlId(m_pToolBar, res::AFX_IDW_TOOLBAR, QStringLiteral("toolBar"));
    m_pToolBar->setMovable(true);
    m_pToolBar->setFloatable(true);
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_pToolBar->setIconSize(QSize(16, 16));
    m_pToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);

    struct SButton {
        int nID;
        const char* tip;
    };
    const SButton buttons[] = {
        {res::ID_FILE_NEW, res::Tr(res::kTipNew)},     {res::ID_FILE_OPEN, res::Tr(res::kTipOpen)},
        {res::ID_FILE_SAVE, res::Tr(res::kTipSave)},   {0, nullptr},
        {res::ID_EDIT_CUT, res::Tr(res::kTipCut)},     {res::ID_EDIT_COPY, res::Tr(res::kTipCopy)},
        {res::ID_EDIT_PASTE, res::Tr(res::kTipPaste)}, {0, nullptr},
        {res::ID_FILE_PRINT, res::Tr(res::kTipPrint)}, {0, nullptr},
        {res::ID_APP_ABOUT, res::Tr(res::kTipAbout)},
    };
    for (const auto& button : buttons) {
        if (button.nID == 0) {
            m_pToolBar->addSeparator();
            continue;
        }
        QAction* pAction = Action(button.nID);
        if (pAction == nullptr) {
            return false;
        }
        pAction->setIcon(CommandIcon(button.nID));
        pAction->setToolTip(QString::fromUtf8(button.tip));
        pAction->setIconVisibleInMenu(false);
        m_pToolBar->addAction(pAction);
        // A reader says the button's name, not the menu item's text with its key after a tab.
        m_pToolBar->widgetForAction(pAction)->setAccessibleName(QString::fromUtf8(button.tip));
    }
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
    return true;
}

bool CMainFrame::CreateStatusBar() {
    QStatusBar* pBar = statusBar();
    widgets::SetControlId(pBar, res::AFX_IDW_STATUS_BAR, QStringLiteral("statusBar"));
    m_pMessagePane = new QLabel(pBar);
    widgets::SetControlId(m_pMessagePane, res::ID_SEPARATOR, QStringLiteral("messagePane"));
    m_pMessagePane->setIndent(3);
    // A long prompt is cut rather than widening the bar, and with it the frame's minimum.
    m_pMessagePane->setMinimumWidth(1);
    m_pMessagePane->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    pBar->addWidget(m_pMessagePane, 1);

    m_pPortPane = new QLabel(pBar);
    widgets::SetControlId(m_pPortPane, res::ID_INDICATOR_PORT, QStringLiteral("portPane"));
    m_pPortPane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_pPortPane->setIndent(3);
    pBar->addPermanentWidget(m_pPortPane);

    struct SPane {
        int nID;
        const char* text;
    };
    for (const SPane& pane : {SPane{res::ID_INDICATOR_CAPS, res::Tr(res::kIndicatorCaps)},
                              SPane{res::ID_INDICATOR_NUM, res::Tr(res::kIndicatorNum)},
                              SPane{res::ID_INDICATOR_SCRL, res::Tr(res::kIndicatorScrl)}}) {
        auto* pLabel = new QLabel(pBar);
        widgets::SetControlId(pLabel, pane.nID, QStringLiteral("indicator%1").arg(pane.nID));
        pLabel->setProperty("indicatorText", QString::fromUtf8(pane.text));
        pLabel->setAlignment(Qt::AlignCenter);
        pLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // Wide enough for the word, so the bar does not jump when a lock key changes.
        pLabel->setMinimumWidth(
            pLabel->fontMetrics().horizontalAdvance(QString::fromUtf8(pane.text)) + 12);
        pBar->addPermanentWidget(pLabel);
        m_indicators[pane.nID] = pLabel;
    }
    ShowIdleMessage();
    return true;
}

void CMainFrame::SetView(QWidget* pView) {
    m_pViewScroller = new CViewScroller(this);
    m_pViewScroller->setObjectName(QStringLiteral("viewScroller"));
    m_pViewScroller->setFrameShape(QFrame::NoFrame);
    m_pViewScroller->setWidgetResizable(true);
    // The area itself shows nothing to focus: Tab goes from the last field to the first.
    m_pViewScroller->setFocusPolicy(Qt::NoFocus);
    m_pViewScroller->setWidget(pView);
    setCentralWidget(m_pViewScroller);
}

void CMainFrame::SetCommandTargets(std::vector<widgets::ICommandTarget*> targets) {
    m_targets = std::move(targets);
    UpdateCommandStates();
}

void CMainFrame::UpdateCommandStates() {
    for (auto& [nID, pAction] : m_actions) {
        if (nID == res::ID_VIEW_STATUS_BAR) {
            pAction->setEnabled(true);
            pAction->setChecked(statusBar()->isVisibleTo(this));
            continue;
        }
        widgets::SCommandUI ui;
        ui.bEnabled = false;
        for (widgets::ICommandTarget* pTarget : m_targets) {
            if (pTarget->OnCmdMsg(nID, false)) {
                ui.bEnabled = true;
                pTarget->OnUpdateCmdUI(nID, ui);
                break;
            }
        }
        pAction->setEnabled(ui.bEnabled);
        const auto own = m_itemTexts.find(nID);
        if (!ui.strText.isEmpty()) {
            pAction->setText(ui.strText);
        } else if (own != m_itemTexts.end() && !own->second.isEmpty()) {
            pAction->setText(own->second);
        }
    }
}

bool CMainFrame::RouteCommand(int nID) {
    if (nID == res::ID_VIEW_STATUS_BAR) {
        OnStatusBarToggled(!statusBar()->isVisibleTo(this));
        return true;
    }
    for (widgets::ICommandTarget* pTarget : m_targets) {
        if (pTarget->OnCmdMsg(nID, false)) {
            // A command its handler disables now does not run, whatever reached it.
            widgets::SCommandUI ui;
            pTarget->OnUpdateCmdUI(nID, ui);
            if (!ui.bEnabled) {
                return false;
            }
            pTarget->OnCmdMsg(nID, true);
            UpdateCommandStates();
            return true;
        }
    }
    return false;
}

void CMainFrame::OnStatusBarToggled(bool bShow) {
    statusBar()->setVisible(bShow);
    Action(res::ID_VIEW_STATUS_BAR)->setChecked(bShow);
}

void CMainFrame::SetRecentFiles(const std::vector<std::string>& paths) {
    m_pFileMenu->removeAction(m_pRecentPlaceholder);
    for (QAction* pAction : m_recentActions) {
        m_pFileMenu->removeAction(pAction);
    }
    m_recentActions.clear();
    for (size_t i = 0; i < paths.size() && i < static_cast<size_t>(res::kRecentFileCount); ++i) {
        QAction* pAction = Action(res::ID_FILE_MRU_FILE1 + static_cast<int>(i));
        QString shown = QString::fromStdString(paths[i]);
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        pAction->setText(QString::fromUtf8(res::Tr(res::kItemRecentFileEntry))
                             .replace(QLatin1String("%d"), QString::number(i + 1))
                             .replace(QLatin1String("%s"), shown));
        m_pFileMenu->insertAction(m_pExitSeparator, pAction);
        m_recentActions.push_back(pAction);
    }
    if (m_recentActions.empty()) {
        m_pFileMenu->insertAction(m_pExitSeparator, m_pRecentPlaceholder);
    }
    UpdateCommandStates();
}

const std::vector<QAction*>& CMainFrame::RecentFileActions() const {
    return m_recentActions;
}

QAction* CMainFrame::Action(int nID) const {
    const auto it = m_actions.find(nID);
    return it == m_actions.end() ? nullptr : it->second;
}

QMenu* CMainFrame::Menu(int nIndex) const {
    return nIndex >= 0 && nIndex < static_cast<int>(m_menus.size()) ? m_menus[nIndex] : nullptr;
}

QString CMainFrame::MessagePaneText() const {
    return m_pMessagePane->text();
}

QLabel* CMainFrame::Indicator(int nID) const {
    const auto it = m_indicators.find(nID);
    return it == m_indicators.end() ? nullptr : it->second;
}

void CMainFrame::SetLockIndicators(bool bCaps, bool bNum, bool bScroll) {
    const std::pair<int, bool> states[] = {{res::ID_INDICATOR_CAPS, bCaps},
                                           {res::ID_INDICATOR_NUM, bNum},
                                           {res::ID_INDICATOR_SCRL, bScroll}};
    for (const auto& [nID, bOn] : states) {
        QLabel* pLabel = Indicator(nID);
        pLabel->setText(bOn ? pLabel->property("indicatorText").toString() : QString());
    }
}

void CMainFrame::SetPortPane(const QString& text) {
    const QFontMetrics metrics = m_pPortPane->fontMetrics();
    m_pPortPane->setText(
        metrics.elidedText(text, Qt::ElideMiddle, metrics.averageCharWidth() * kPortPaneChars));
    m_pPortPane->setToolTip(text);
}

void CMainFrame::ShowStatusMessage(const QString& text) {
    SetMessagePane(text);
}

void CMainFrame::SetMessagePane(const QString& text) {
    m_pMessagePane->setText(text);
}

void CMainFrame::ShowIdleMessage() {
    SetMessagePane(QString::fromUtf8(res::Tr(res::kReady)));
}

bool CMainFrame::event(QEvent* pEvent) {
    if (pEvent->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(pEvent)->tip();
        // An item without a prompt leaves the pane empty while a menu is open; leaving a
        // toolbar button brings back the idle text.
        if (!tip.isEmpty() || QApplication::activePopupWidget() != nullptr) {
            SetMessagePane(tip);
        } else {
            ShowIdleMessage();
        }
        return true;
    }
    return QMainWindow::event(pEvent);
}

bool CMainFrame::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pEvent->type() == QEvent::KeyPress || pEvent->type() == QEvent::KeyRelease) {
        // On X11 the state word is the one before this key; a lock key's own release shows the
        // new one.
        const platform::SLockKeys locks =
            platform::LockKeysAfterKey(static_cast<QKeyEvent*>(pEvent)->nativeModifiers());
        SetLockIndicators(locks.bCaps, locks.bNum, locks.bScroll);
    }
    return QMainWindow::eventFilter(pWatched, pEvent);
}

void CMainFrame::closeEvent(QCloseEvent* pEvent) {
    if (m_fnCloseQuery && !m_fnCloseQuery()) {
        pEvent->ignore();
        return;
    }
    pEvent->accept();
}

}  // namespace app
