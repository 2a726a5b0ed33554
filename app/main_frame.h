// The program's one main window: menu bar, toolbar and status bar around the editor form.
// It handles no command itself except showing and hiding the status bar; every other command is
// routed to the targets it is given (the view first, then the document's and the application's
// commands), and a command that no target handles is shown disabled. The target that handles a
// command may also disable its item or give it another text (Undo names its step).
//
// Threads: user-interface thread only.
#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "widgets/command_target.h"

class QAction;
class QDockWidget;
class QLabel;
class QMenu;
class QScrollArea;
class QStatusBar;
class QToolBar;

namespace app {

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    CMainFrame();

    // Builds menus, toolbar and status bar; false when any of them cannot be made.
    bool OnCreate();

    // The view scrolls inside the frame when the frame is smaller than it, as a form view does.
    void SetView(QWidget* pView);
    QScrollArea* ViewScroller() const { return m_pViewScroller; }
    // The routing path, in the order commands are offered.
    void SetCommandTargets(std::vector<widgets::ICommandTarget*> targets);
    // Re-reads which commands have a handler and what their handlers say of them, and enables,
    // disables and names their items.
    void UpdateCommandStates();
    // Runs a command as if its item had been chosen; false when nothing handles it.
    bool RouteCommand(int nID);

    // Docks the panel on the right and lists it in the View menu under the command id, where
    // it is shown and hidden.
    void AddPanel(QDockWidget* pPanel, int nID, const char* text, const char* prompt);

    void SetRecentFiles(const std::vector<std::string>& paths);
    // Asked before the window closes; false keeps it open.
    void SetCloseQuery(std::function<bool()> query) { m_fnCloseQuery = std::move(query); }

    QAction* Action(int nID) const;
    // The entries of the recent-file list now in the File menu.
    const std::vector<QAction*>& RecentFileActions() const;
    QAction* RecentFilePlaceholder() const { return m_pRecentPlaceholder; }
    QMenu* Menu(int nIndex) const;
    QToolBar* ToolBar() const { return m_pToolBar; }
    QString MessagePaneText() const;
    // A result for the user in the message pane; it stays until the next prompt replaces it.
    void ShowStatusMessage(const QString& text);
    QLabel* Indicator(int nID) const;
    void SetLockIndicators(bool bCaps, bool bNum, bool bScroll);
    // The pane of the port in use; a long text is cut in the middle, the whole text is its tip.
    void SetPortPane(const QString& text);
    QLabel* PortPane() const { return m_pPortPane; }

protected:
    bool event(QEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    QAction* AddCommand(QMenu* pMenu, int nID, const char* text, const char* prompt);
    QAction* MakeAction(int nID, const char* text, const char* prompt);
    // The menu bar, a menu at a time; AddMenu makes one whose items follow the commands' state.
    void CreateMenus();
    QMenu* AddMenu(const char* title);
    void CreateFileMenu();
    void CreateRecentFileItems();
    void CreateEditMenu();
    void CreateToolsMenu();
    // View > Language: the choice takes effect at the next start.
    void CreateLanguageMenu(QMenu* pView);
    void OnLanguageChosen(const QString& code);
    bool CreateToolBar();
    bool CreateStatusBar();
    void SetMessagePane(const QString& text);
    void ShowIdleMessage();
    void OnStatusBarToggled(bool bChecked);

    std::map<int, QAction*> m_actions;
    std::vector<QMenu*> m_menus;
    std::vector<widgets::ICommandTarget*> m_targets;
    std::vector<QAction*> m_recentActions;
    QAction* m_pRecentPlaceholder = nullptr;
    QAction* m_pExitSeparator = nullptr;
    std::map<int, QString> m_itemTexts;  // each item's own text, before a handler renames it
    QMenu* m_pFileMenu = nullptr;
    QMenu* m_pViewMenu = nullptr;
    QToolBar* m_pToolBar = nullptr;
    QLabel* m_pMessagePane = nullptr;
    QLabel* m_pPortPane = nullptr;
    QScrollArea* m_pViewScroller = nullptr;
    std::map<int, QLabel*> m_indicators;
    std::function<bool()> m_fnCloseQuery;
};

}  // namespace app
