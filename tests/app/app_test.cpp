// The application and its main frame, on real widgets offscreen: menus, prompts, disabled
// commands, keys, the recent-file list and the settings written at exit.
#include "app/zelkor_config_app.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>

#include "app/main_frame.h"
#include "editor/book_csv.h"
#include "editor/program_clipboard.h"
#include "platform/lock_keys.h"
#include "res/ids_app.h"
#include "res/strings_editor.h"
#include "tests/app/app_test_support.h"
#include "tests/scripted_messages.h"
#include "tests/test_support.h"
#include "ui/editor/zelkor_form.h"
#include "widgets/control_ids.h"

namespace {

using app::CMainFrame;
using app_testing::Application;
using app_testing::CTestApp;
using app_testing::EditAndPrint;
using app_testing::ExpectFileMessage;
using app_testing::MaybeScreenshot;
using app_testing::ReadText;
using app_testing::RememberPort;
using app_testing::Settings;
using platform::EMsgAnswer;
using testing_support::CTempDir;

struct SMenuItem {
    int nMenu;
    int nID;
    const char* text;
    const char* prompt;
    bool bEnabled;
};

TEST_F(Application, MenusCarryEveryItemWithItsTextPromptAndState) {
    Start();
    const SMenuItem items[] = {
        {0, 57600, "&New\tCtrl+N", "Create a new document", true},
        {0, 57601, "&Open...\tCtrl+O", "Open an existing document", true},
        {0, 57603, "&Save\tCtrl+S", "Save the active document", true},
        {0, 57604, "Save &As...\tCtrl+Shift+S", "Save the active document with a new name", true},
        {0, 32790, "&Import CSV...", "Make a new document of the programs in a CSV file", true},
        {0, 32791, "&Export CSV...", "Write all 2000 programs to a CSV file", true},
        {0, 32795, "Export P&DF...", "Write the printed pages to a PDF file", true},
        {0, 57607, "&Print...\tCtrl+P", "Print the active document", true},
        {0, 57609, "Print Pre&view", "Display full pages", true},
        {0, 57606, "P&rint Setup...", "Change the printer and printing options", true},
        {0, 57616, "Recent File", "Open this document", false},
        {0, 57665, "E&xit\tCtrl+Q", "Quit the application; prompts to save documents", true},
        {1, 57643, "&Undo\tCtrl+Z", "Take back the last change of the book", false},
        {1, 57644, "&Redo\tCtrl+Y", "Make the change that was taken back again", false},
        {1, 32792, "Cu&t Program\tCtrl+X",
         "Put the program on display on the Clipboard and delete it", true},
        {1, 32793, "&Copy Program\tCtrl+C", "Put the program on display on the Clipboard", true},
        {1, 32794, "&Paste Program\tCtrl+V",
         "Put the Clipboard's programs in place of the program on display and those after it",
         true},
        {1, 32775, "&Insert Program", "Insert a record at a given  location", true},
        {1, 32777, "Re&order Programs", "Reorder the programs", true},
        {2, 59393, "&Status Bar", "Show or hide the status bar", true},
        {2, 0, "&Language", "Choose the language of the windows", true},
        {2, 32810, "&Book", "Show or hide the table of all the programs", true},
        {3, 32773, "&Delete Program", "Delete the currently displayed program.", true},
        {3, 32774, "&Test Connection", "Test the serial connection. ", true},
        {3, 32778, "&Upload Current Program",
         "Upload the currently displayed program to the device.", true},
        {3, 32780, "&Select Comm Port", "", true},
        {4, 57664, "&About VQ7100 Config...",
         "Display program information, version number and copyright", true},
    };
    const char* titles[] = {"&File", "&Edit", "&View", "&Tools", "&Help"};
    for (int menu = 0; menu < 5; ++menu) {
        EXPECT_EQ(Frame().Menu(menu)->title(), QString::fromLatin1(titles[menu]));
    }
    std::vector<std::vector<int>> idsInMenus(5);
    for (int menu = 0; menu < 5; ++menu) {
        for (QAction* pAction : Frame().Menu(menu)->actions()) {
            if (!pAction->isSeparator()) {
                idsInMenus[menu].push_back(pAction->property("commandId").toInt());
            }
        }
    }
    std::vector<std::vector<int>> expectedIds(5);
    for (const auto& item : items) {
        expectedIds[item.nMenu].push_back(item.nID);
        SCOPED_TRACE(item.nID);
        QAction* pAction = nullptr;
        for (QAction* pCandidate : Frame().Menu(item.nMenu)->actions()) {
            if (pCandidate->property("commandId").toInt() == item.nID) {
                pAction = pCandidate;
            }
        }
        ASSERT_NE(pAction, nullptr);
        EXPECT_EQ(pAction->text(), QString::fromLatin1(item.text));
        EXPECT_EQ(pAction->statusTip(), QString::fromLatin1(item.prompt));
        EXPECT_EQ(pAction->isEnabled(), item.bEnabled);
    }
    EXPECT_EQ(idsInMenus, expectedIds);
    EXPECT_EQ(Frame().Menu(0)->actions().size(), 15);  // with the three separators
    EXPECT_EQ(Frame().Menu(1)->actions().size(), 9);   // with the two separators
    // Undo and Redo, disabled with nothing to take back, run nothing from their keys either.
    for (int nID : {57643, 57644}) {
        Command(nID).trigger();
        EXPECT_FALSE(Frame().RouteCommand(nID)) << nID;
    }
    EXPECT_EQ(m_messages.Count(), 0u);
    // Not the form's scroll area itself: Tab from the last field comes round to the first
    // control without stopping on it.
    EXPECT_EQ(Frame().ViewScroller()->focusPolicy(), Qt::NoFocus);
    for (int nMenu : {0, 1, 3}) {
        Frame().Menu(nMenu)->popup(QPoint(0, 0));
        MaybeScreenshot(Frame().Menu(nMenu),
                        QStringList{"file_menu", "edit_menu", "", "tools_menu"}[nMenu]);
        Frame().Menu(nMenu)->hide();
    }
    // Alt+T opens Tools wherever the focus is, and types nothing into the Jump field.
    Frame().show();
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    auto* pJump = widgets::FindControlAs<QLineEdit>(m_app.Form(), 1008);
    QTest::keyClick(pJump, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(pJump->text(), "");
    EXPECT_TRUE(QTest::qWaitFor([this] { return Frame().Menu(3)->isVisible(); }, 2000));
    Frame().Menu(3)->hide();
}

TEST_F(Application, ToolbarHasEightButtonsInOrderWithTooltips) {
    Start();
    struct SButton {
        int nID;
        const char* tip;
        bool bEnabled;
    };
    const SButton expected[] = {
        {57600, "New", true},   {57601, "Open", true}, {57603, "Save", true},  {0, "", false},
        {57635, "Cut", true},   {57634, "Copy", true}, {57637, "Paste", true}, {0, "", false},
        {57607, "Print", true}, {0, "", false},        {57664, "About", true}};
    const auto actions = Frame().ToolBar()->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(std::size(expected)));
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        if (expected[i].nID == 0) {
            EXPECT_TRUE(actions[i]->isSeparator());
            continue;
        }
        EXPECT_EQ(actions[i]->property("commandId").toInt(), expected[i].nID);
        EXPECT_EQ(actions[i]->toolTip(), QString::fromLatin1(expected[i].tip));
        EXPECT_EQ(actions[i]->isEnabled(), expected[i].bEnabled);
        EXPECT_FALSE(actions[i]->icon().isNull());
        // A reader names the button as its tip does, without the menu's tab and key.
        QWidget* pButton = Frame().ToolBar()->widgetForAction(actions[i]);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(pButton)->text(QAccessible::Name),
                  expected[i].tip);
    }
    EXPECT_EQ(Command(57635).statusTip(), "Cut the selection and put it on the Clipboard");
    EXPECT_EQ(Command(57634).statusTip(), "Copy the selection and put it on the Clipboard");
    EXPECT_EQ(Command(57637).statusTip(), "Insert Clipboard contents");
    EXPECT_TRUE(Frame().ToolBar()->isMovable());
    EXPECT_TRUE(Frame().ToolBar()->isFloatable());
    EXPECT_EQ(Frame().ToolBar()->allowedAreas(), Qt::AllToolBarAreas);
    EXPECT_EQ(Frame().toolBarArea(Frame().ToolBar()), Qt::TopToolBarArea);
}

TEST_F(Application, MessagePaneFollowsTheHighlightedItem) {
    Start();
    Frame().show();
    EXPECT_EQ(Frame().MessagePaneText(), "Ready");
    QMenu* pTools = Frame().Menu(3);
    pTools->popup(Frame().mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pTools->isVisible(); }));
    QTest::mouseMove(pTools, pTools->actionGeometry(&Command(32774)).center());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return Frame().MessagePaneText() == "Test the serial connection. "; }));
    QTest::mouseMove(pTools, pTools->actionGeometry(&Command(32780)).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Frame().MessagePaneText().isEmpty(); }));
    pTools->hide();
    EXPECT_EQ(Frame().MessagePaneText(), "Ready");

    // A toolbar button shows its prompt while the pointer is over it.
    QWidget* pSave = Frame().ToolBar()->widgetForAction(&Command(57603));
    QTest::mouseMove(pSave, pSave->rect().center());
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return Frame().MessagePaneText() == "Save the active document"; }));
    QTest::mouseMove(m_app.Form(), QPoint(5, 5));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Frame().MessagePaneText() == "Ready"; }));
}

TEST_F(Application, StatusBarShowsFourPanesAndToggles) {
    Start();
    Frame().show();
    for (int nID : {59137, 59138, 59139}) {
        EXPECT_NE(Frame().Indicator(nID), nullptr);
    }
    Frame().SetLockIndicators(true, false, true);
    EXPECT_EQ(Frame().Indicator(59137)->text(), "CAP");
    EXPECT_EQ(Frame().Indicator(59138)->text(), "");
    EXPECT_EQ(Frame().Indicator(59139)->text(), "SCRL");
    // A key event anywhere brings the state the system tells with it (on X11 the event's word:
    // here Lock and Num Lock on; Windows asks the keyboard).
    constexpr quint32 kLockAndNumLock = 0x12;
    const platform::SLockKeys locks = platform::LockKeysAfterKey(kLockAndNumLock);
    QKeyEvent key(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, 38, 97, kLockAndNumLock, "a");
    QApplication::sendEvent(m_app.Form(), &key);
    EXPECT_EQ(Frame().Indicator(59137)->text(), locks.bCaps ? "CAP" : "");
    EXPECT_EQ(Frame().Indicator(59138)->text(), locks.bNum ? "NUM" : "");
    EXPECT_EQ(Frame().Indicator(59139)->text(), locks.bScroll ? "SCRL" : "");
    QAction& toggle = Command(59393);
    EXPECT_TRUE(toggle.isChecked());
    toggle.trigger();
    EXPECT_FALSE(Frame().statusBar()->isVisible());
    EXPECT_FALSE(toggle.isChecked());
    toggle.trigger();
    EXPECT_TRUE(Frame().statusBar()->isVisible());
    EXPECT_TRUE(toggle.isChecked());
}

// True when the whole widget shows in the scroll area's viewport.
bool ShowsWhole(QScrollArea* pScroller, QWidget* pWidget) {
    const QRect rect(pWidget->mapTo(pScroller->viewport(), QPoint(0, 0)), pWidget->size());
    return pScroller->viewport()->rect().contains(rect);
}

TEST_F(Application, StartsNoLargerThanTheScreen) {
    Start();
    const QSize available = Frame().screen()->availableGeometry().size();
    EXPECT_LE(Frame().width(), available.width());
    EXPECT_LE(Frame().height(), available.height());
    MaybeScreenshot(&Frame(), "frame_at_start");
}

// A 1280 x 900 screen at twice the scale leaves 640 x 450 to the window.
TEST_F(Application, FormScrollsInASmallWindowAndEveryFieldCanBeReached) {
    Start();
    Frame().show();
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    // A long prompt in the message pane must not widen the window's minimum either.
    QStatusTipEvent prompt(QStringLiteral("Upload the currently displayed program to the device."));
    QApplication::sendEvent(&Frame(), &prompt);
    Frame().resize(640, 450);
    QApplication::processEvents();
    EXPECT_LE(Frame().minimumSizeHint().width(), 640);
    EXPECT_LE(Frame().minimumSizeHint().height(), 450);
    EXPECT_EQ(Frame().size(), QSize(640, 450));
    QStatusBar* pStatusBar = Frame().statusBar();
    EXPECT_TRUE(pStatusBar->isVisible());
    EXPECT_TRUE(Frame().rect().contains(pStatusBar->geometry()));

    QScrollArea* pScroller = Frame().ViewScroller();
    ASSERT_NE(pScroller, nullptr);
    EXPECT_EQ(pScroller->widget(), m_app.Form());
    EXPECT_TRUE(pScroller->verticalScrollBar()->isVisible());
    EXPECT_TRUE(pScroller->horizontalScrollBar()->isVisible());
    ui::CZelkorForm* pForm = m_app.Form();
    // The keyboard reaches every field and brings it into view.
    pForm->FrequencyField(0)->setFocus(Qt::TabFocusReason);
    for (int slot = 1; slot < model::kSlotCount; ++slot) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), pForm->FrequencyField(slot)) << slot;
        EXPECT_TRUE(ShowsWhole(pScroller, pForm->FrequencyField(slot))) << slot;
    }
    MaybeScreenshot(&Frame(), "form_scrolled_small_window");
    // And scrolling reaches every control of the form.
    for (QWidget* pControl : pForm->findChildren<QWidget*>()) {
        if (pControl->isVisibleTo(pForm) && pControl->property("controlId").isValid()) {
            const QRect rect(pControl->mapTo(pForm, QPoint(0, 0)), pControl->size());
            pScroller->ensureVisible(rect.center().x(), rect.center().y(), rect.width() / 2 + 1,
                                     rect.height() / 2 + 1);
            EXPECT_TRUE(ShowsWhole(pScroller, pControl)) << pControl->objectName().toStdString();
        }
    }
    // A window large enough shows the whole form without scroll bars.
    Frame().resize(Frame().sizeHint());
    QApplication::processEvents();
    EXPECT_FALSE(pScroller->verticalScrollBar()->isVisible());
    EXPECT_FALSE(pScroller->horizontalScrollBar()->isVisible());
}

TEST_F(Application, ShownKeysWork) {
    Start();
    Frame().show();
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    auto* pDoc = m_app.Document();

    m_app.m_paths.push_back(m_dir.File("keys.vq"));
    QTest::keyClick(&Frame(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(m_app.m_nDialogs, 1);
    EXPECT_TRUE(std::filesystem::exists(m_dir.File("keys.vq")));

    testing_support::StoreProgram(*pDoc, 0, testing_support::MakeProgram(false, {{0, 10}}));
    m_messages.QueueAnswer(EMsgAnswer::kDiscard);
    QTest::keyClick(&Frame(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(m_messages.Count(), 1u);
    EXPECT_EQ(pDoc->GetPathName(), "");

    m_app.m_paths.push_back(std::nullopt);
    QTest::keyClick(&Frame(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(m_app.m_nDialogs, 2);

    QTest::keyClick(&Frame(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(m_app.m_nPrintDialogs, 1);
    EXPECT_EQ(m_app.m_nDialogs, 2);
    EXPECT_EQ(m_messages.Count(), 1u);
}

TEST_F(Application, AboutCommandRunsTheAboutBox) {
    Start();
    Command(57664).trigger();
    EXPECT_EQ(m_app.m_nAboutBoxes, 1);
}

TEST_F(Application, TitleFollowsTheDocument) {
    Start();
    EXPECT_EQ(Frame().windowTitle(), "Untitled - VQ7100");
    m_app.m_paths.push_back(m_dir.File("named.vq"));
    Command(57604).trigger();
    EXPECT_EQ(Frame().windowTitle(), "named.vq - VQ7100");
    // Unsaved changes mark it; taking them back to what was saved takes the mark away.
    testing_support::BookOf(*m_app.Document())[0] = testing_support::MakeProgram(false, {{0, 10}});
    Command(32773).trigger();
    EXPECT_EQ(Frame().windowTitle(), "named.vq* - VQ7100");
    EXPECT_EQ(Command(57643).text(), "&Undo Delete Program 1\tCtrl+Z");
    Command(57643).trigger();
    EXPECT_EQ(Frame().windowTitle(), "named.vq - VQ7100");
    EXPECT_EQ(Command(57644).text(), "&Redo Delete Program 1\tCtrl+Y");
}

TEST_F(Application, FirstStartWritesAnEmptyPortPath) {
    Start();
    EXPECT_EQ(m_app.m_portSetting.PortPath(), "");
    Exit();
    auto settings = Settings();
    ASSERT_TRUE(settings.contains(QStringLiteral("Config/Port Path")));
    EXPECT_EQ(settings.value(QStringLiteral("Config/Port Path")).toString(), "");
}

// The adapter may be plugged in later: the port is kept, and nobody asked for it yet.
TEST_F(Application, RememberedPortThatIsGoneIsKeptAndToldInTheStatusBar) {
    const std::string gone = m_dir.File("ttyGone");
    RememberPort(gone);
    Start();
    EXPECT_FALSE(m_app.m_link.IsOpen());
    EXPECT_EQ(m_app.m_portSetting.PortPath(), gone);
    EXPECT_EQ(m_messages.Count(), 0u);
    EXPECT_EQ(Frame().MessagePaneText().toStdString(),
              "Port " + gone + " is not there; Test Connection or Load Device tries it again");
    Exit();
    EXPECT_EQ(Settings().value(QStringLiteral("Config/Port Path")).toString().toStdString(), gone);
}

TEST_F(Application, DocumentIsProcessedBeforeThePort) {
    RememberPort(m_dir.File("ttyGone"));
    testing_support::WriteAll(m_dir.File("bad.vq"), {0, 0, 0, 1});
    Start({QString::fromStdString(m_dir.File("bad.vq"))});
    // The document's message came first; the port was tried after it, quietly (it is not there).
    const auto texts = m_messages.Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], "File has a bad format");
    EXPECT_FALSE(m_app.m_link.IsOpen());
}

TEST_F(Application, DocumentOnTheCommandLineIsOpened) {
    model::CProgramBook book;
    book[0].m_freq[0] = 31415;
    book[0].UpdateGroupCount(0);
    ASSERT_TRUE(model::SaveBookToPath(book, m_dir.File("start.vq")));
    Start({QString::fromStdString(m_dir.File("start.vq"))});
    EXPECT_EQ(m_app.Document()->Book(), book);
    EXPECT_EQ(Frame().windowTitle(), "start.vq - VQ7100");
    EXPECT_EQ(m_app.Form()->FieldText(0), "3141.5");
    EXPECT_EQ(m_messages.Count(), 0u);
}

// A book the device cannot take all of (written elsewhere, or with a declined commit) still
// opens, with one warning that names the first value and how many more there are.
TEST_F(Application, ABookWithValuesTheDeviceCannotTakeOpensWithOneWarning) {
    model::CProgramBook book;
    book[4] = testing_support::MakeProgram(false, {{0, 0xFFFFFFFFu}});  // 429496729.5 Hz
    book[9] = testing_support::MakeProgram(true, {{0, 500000}, {1, 500000}, {2, 500000}});
    ASSERT_TRUE(model::SaveBookToPath(book, m_dir.File("wide.vq")));
    Start({QString::fromStdString(m_dir.File("wide.vq"))});
    EXPECT_EQ(m_app.Document()->Book(), book);
    ASSERT_EQ(m_messages.Count(), 1u);
    EXPECT_EQ(m_messages.Requests()[0].icon, platform::EMsgIcon::kWarning);
    EXPECT_EQ(m_messages.Texts()[0],
              std::string("This book holds values the device cannot take, and they will not be "
                          "sent until they are corrected.\nProgram 5, slot 1: ") +
                  res::kMsgAtMost20MHz + "\n(and 1 more)");
}

TEST_F(Application, RecentFilesKeepFourNewestFirstAndSurviveARestart) {
    Start();
    // With no recent file yet the item keeps its own text, disabled.
    EXPECT_TRUE(Frame().Menu(0)->actions().contains(Frame().RecentFilePlaceholder()));
    EXPECT_FALSE(Frame().RecentFilePlaceholder()->isEnabled());
    for (int i = 1; i <= 5; ++i) {
        m_app.m_paths.push_back(m_dir.File("f" + std::to_string(i) + ".vq"));
        Command(57604).trigger();
    }
    const std::vector<std::string> expected = {m_dir.File("f5.vq"), m_dir.File("f4.vq"),
                                               m_dir.File("f3.vq"), m_dir.File("f2.vq")};
    EXPECT_EQ(m_app.RecentFiles().Entries(), expected);
    ASSERT_EQ(Frame().RecentFileActions().size(), 4u);
    EXPECT_EQ(Frame().RecentFileActions()[0]->text().toStdString(), "&1 " + expected[0]);
    EXPECT_TRUE(Frame().RecentFileActions()[3]->isEnabled());
    EXPECT_FALSE(Frame().Menu(0)->actions().contains(Frame().RecentFilePlaceholder()));
    Exit();

    CTestApp again;
    ASSERT_TRUE(again.InitInstance({QStringLiteral("zelkorconfig")}));
    EXPECT_EQ(again.RecentFiles().Entries(), expected);
    // Choosing an entry opens that document.
    again.MainFrame()->Action(57617)->trigger();
    EXPECT_EQ(again.Document()->GetPathName(), expected[1]);
    again.ExitInstance();
}

TEST_F(Application, RecentFileThatIsGoneIsRemovedAfterItsMessage) {
    testing_support::WriteAll(m_dir.File("bad.vq"), {0, 0, 0, 1});
    {
        auto settings = Settings();
        settings.setValue(QStringLiteral("Recent File List/File1"),
                          QString::fromStdString(m_dir.File("bad.vq")));
        settings.setValue(QStringLiteral("Recent File List/File2"),
                          QString::fromStdString(m_dir.File("gone.vq")));
    }
    Start();
    ASSERT_EQ(m_app.RecentFiles().Entries().size(), 2u);

    // Kept while the user keeps his book: nothing was said about the file.
    testing_support::StoreProgram(*m_app.Document(), 0,
                                  testing_support::MakeProgram(false, {{0, 10}}));
    m_messages.QueueAnswer(EMsgAnswer::kCancel);
    Command(57617).trigger();
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{"Save changes to Untitled?"});
    EXPECT_EQ(m_app.RecentFiles().Entries().size(), 2u);

    // Saved on the way (which puts the saved file first in the list), then reported and gone.
    m_messages.Clear();
    m_messages.QueueAnswer(EMsgAnswer::kSave);
    m_app.m_paths.push_back(m_dir.File("saved.vq"));
    Command(57617).trigger();
    ASSERT_EQ(m_messages.Count(), 2u);
    ExpectFileMessage(m_messages.Requests()[1], "File had a read error", m_dir.File("gone.vq"),
                      testing_support::ReasonNoSuchFile());
    const std::vector<std::string> left = {m_dir.File("saved.vq"), m_dir.File("bad.vq")};
    EXPECT_EQ(m_app.RecentFiles().Entries(), left);
    ASSERT_EQ(Frame().RecentFileActions().size(), 2u);
    EXPECT_EQ(Frame().RecentFileActions()[1]->text().toStdString(), "&2 " + m_dir.File("bad.vq"));
    EXPECT_EQ(Frame().windowTitle(), "saved.vq - VQ7100");

    // A file that is there but does not open stays: the user may mend it.
    m_messages.Clear();
    Command(57617).trigger();
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{"File has a bad format"});
    EXPECT_EQ(m_app.RecentFiles().Entries(), left);
    Exit();
    EXPECT_FALSE(Settings().contains(QStringLiteral("Recent File List/File3")));
}

TEST_F(Application, ExitAsksToSaveAndCancelKeepsTheWindow) {
    Start();
    Frame().show();
    testing_support::StoreProgram(*m_app.Document(), 0,
                                  testing_support::MakeProgram(false, {{0, 10}}));
    m_messages.QueueAnswer(EMsgAnswer::kCancel);
    Command(57665).trigger();
    EXPECT_TRUE(Frame().isVisible());
    m_messages.QueueAnswer(EMsgAnswer::kDiscard);
    Command(57665).trigger();
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_EQ(m_messages.Count(), 2u);
}

// ---------------------------------------------------------------------------------------------
// File > Import CSV... and File > Export CSV..., with the file dialogs answered by the test.

TEST_F(Application, CsvRoundTripThroughTheFileMenu) {
    Start();
    auto* pDoc = m_app.Document();
    for (int i = 0; i < 2000; i += 97) {
        testing_support::BookOf(*pDoc)[i].SetGroups(i % 2 == 1);
        testing_support::BookOf(*pDoc)[i].m_freq[0] = 10u * static_cast<uint32_t>(i + 1);
        testing_support::BookOf(*pDoc)[i].m_freq[8] = 500000;
        testing_support::BookOf(*pDoc)[i].UpdateGroupCount(0);
        testing_support::BookOf(*pDoc)[i].UpdateGroupCount(1);
    }
    m_app.m_paths.push_back(m_dir.File("book.vq"));
    Command(57604).trigger();
    ASSERT_EQ(Frame().windowTitle(), "book.vq - VQ7100");
    const model::CProgramBook book = pDoc->Book();

    m_app.m_paths.push_back(m_dir.File("book.csv"));
    Command(32791).trigger();
    EXPECT_EQ(m_app.m_suggested, std::vector<std::string>{m_dir.File("book.csv")});
    EXPECT_TRUE(ReadText(m_dir.File("book.csv")) == editor::BookToCsv(book));
    EXPECT_EQ(Frame().windowTitle(), "book.vq - VQ7100");  // an export is no save
    EXPECT_FALSE(pDoc->IsModified());

    // Another book on display, edited: the import asks first, then replaces it.
    testing_support::StoreProgram(*pDoc, 1999, testing_support::MakeProgram(false, {{47, 1}}));
    pDoc->SetCurrent(1999);
    m_messages.QueueAnswer(EMsgAnswer::kDiscard);
    m_app.m_paths.push_back(m_dir.File("book.csv"));
    Command(32790).trigger();
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{"Save changes to " + m_dir.File("book.vq") + "?"});
    EXPECT_EQ(pDoc->Book(), book);
    EXPECT_EQ(pDoc->Current(), 0);
    EXPECT_TRUE(pDoc->IsModified());
    EXPECT_EQ(Frame().windowTitle(), "Untitled* - VQ7100");
    EXPECT_EQ(widgets::FindControlAs<QComboBox>(m_app.Form(), 1005)->currentText(), "1");
    EXPECT_EQ(m_app.Form()->FieldText(0), "1.0");
    EXPECT_EQ(m_app.Form()->FieldText(8), "50000.0");

    // A dialog cancelled does nothing.
    const int dialogs = m_app.m_nDialogs;
    Command(32790).trigger();
    Command(32791).trigger();
    EXPECT_EQ(m_app.m_nDialogs, dialogs + 2);
    EXPECT_EQ(m_messages.Count(), 1u);
}

TEST_F(Application, ABadCsvNamesItsRowAndColumnAndChangesNothing) {
    Start();
    std::string text = "number,type";
    for (int i = 1; i <= 48; ++i) {
        text += ",f" + std::to_string(i);
    }
    text += "\n7,single,100\n8,groups,50000,60000,70000\n";
    std::ofstream(m_dir.File("bad.csv"), std::ios::trunc) << text;
    auto* pDoc = m_app.Document();
    testing_support::StoreProgram(*pDoc, 4, testing_support::MakeProgram(false, {{0, 55}}));
    pDoc->SetCurrent(4);
    const model::CProgramBook before = pDoc->Book();

    m_app.m_paths.push_back(m_dir.File("bad.csv"));
    Command(32790).trigger();
    ASSERT_EQ(m_messages.Count(), 1u);  // no question for a file that cannot be imported
    ExpectFileMessage(m_messages.Requests()[0],
                      "Row 3, column 5 (f3): You can only have up to two frequencies greater "
                      "than 40KHz per group.",
                      m_dir.File("bad.csv"), "");
    EXPECT_EQ(pDoc->Book(), before);
    EXPECT_EQ(pDoc->Current(), 4);
    EXPECT_TRUE(pDoc->IsModified());
}

TEST_F(Application, ExportOffersTheFormsPendingEditsFirst) {
    Start();
    Frame().show();
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    QLineEdit* pField = m_app.Form()->FrequencyField(2);
    pField->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(pField, QStringLiteral("1234.5"));
    m_messages.QueueAnswer(EMsgAnswer::kYes);
    m_app.m_paths.push_back(m_dir.File("edits.csv"));
    Command(32791).trigger();
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{"Do you want to save the current program?"});
    const std::string csv = ReadText(m_dir.File("edits.csv"));
    EXPECT_NE(csv.find("\n1,single,1234.5,,"), std::string::npos);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 2001);
    EXPECT_EQ(m_app.m_suggested, std::vector<std::string>{"Untitled.csv"});
}

TEST_F(EditAndPrint, ProgramsTravelThroughTheClipboardAsSpreadsheetRows) {
    Store(2, true, {{0, 500000}, {1, 600000}, {8, 10000}});
    Display(2);
    auto* pRadio = widgets::FindControlAs<QRadioButton>(&Form(), 1002);
    pRadio->setFocus();
    QTest::keyClick(pRadio, Qt::Key_C, Qt::ControlModifier);  // the toolbar's Copy: the program
    QClipboard* pClipboard = QApplication::clipboard();
    EXPECT_EQ(pClipboard->text().toStdString(),
              editor::ProgramToCsvRow(3, Doc().Book()[2], '\t') + "\n");
    EXPECT_EQ(pClipboard->mimeData()->data("text/csv").toStdString(),
              editor::ProgramToCsvRow(3, Doc().Book()[2]) + "\n");
    EXPECT_TRUE(pClipboard->mimeData()->hasFormat(editor::kProgramsMimeType));
    Display(9);
    Choose(res::ID_PASTE_PROGRAM);
    EXPECT_EQ(Doc().Book()[9], Doc().Book()[2]);
    // Rows a spreadsheet copied fill the programs from the one on display.
    pClipboard->setText("1\tsingle\t1000\r\n1\tgroups\t\t50000\r\n");
    Display(19);
    QTest::keyClick(pRadio, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Doc().Book()[19].m_freq[0], 10000u);
    EXPECT_TRUE(Doc().Book()[20].IsGroups());
    EXPECT_EQ(Doc().Book()[20].m_freq[0], 500000u);
    EXPECT_EQ(Command(57643).text(), "&Undo Paste Programs 20 to 21\tCtrl+Z");
    // A bad value changes nothing and is named.
    const model::CProgramBook before = Doc().Book();
    pClipboard->setText("5,groups,50000,60000,70000\n");
    Choose(res::ID_EDIT_PASTE);
    ASSERT_EQ(m_messages.Count(), 1u);
    EXPECT_EQ(m_messages.Requests()[0].detail,
              "Row 1, column 5 (f3): You can only have up to two frequencies greater than 40KHz "
              "per group.");
    pClipboard->setText("See https://example.org/a,b for the programs.");
    Choose(res::ID_EDIT_PASTE);
    EXPECT_EQ(m_messages.Texts().back(), "The Clipboard holds no programs.");
    EXPECT_EQ(Doc().Book(), before);
    // In a frequency field the keys and the toolbar take the field's text.
    Display(2);
    Form().FrequencyField(0)->setFocus();
    Form().FrequencyField(0)->selectAll();
    Choose(res::ID_EDIT_COPY);
    EXPECT_EQ(pClipboard->text(), "50000.0");
    QTest::keyClick(Form().FrequencyField(5), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Form().FieldText(5), "50000.0");
    // Cut is Copy and Delete; Ctrl+Z in a field without typing of its own takes it back.
    Display(2);
    Choose(res::ID_CUT_PROGRAM);
    EXPECT_TRUE(Doc().Book()[2].IsEmpty());
    EXPECT_EQ(pClipboard->text().toStdString(), editor::ProgramToCsvRow(3, before[2], '\t') + "\n");
    QTest::keyClick(Form().FrequencyField(7), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Doc().Book()[2], before[2]);
    QTest::keyClick(Form().FrequencyField(7), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(Doc().Book()[2].IsEmpty());
}

// Undo of an import gives back the book there was, under its own name and in its own saved
// state: Save then writes it where it came from.
TEST_F(EditAndPrint, AnImportIsOneStepThatUndoTakesBackWithTheBooksNameAndState) {
    Store(0, false, {{0, 10}});
    m_app.m_paths.push_back(m_dir.File("book.vq"));
    Choose(res::ID_FILE_SAVE_AS);
    const model::CProgramBook before = Doc().Book();
    std::ofstream(m_dir.File("in.csv")) << editor::BookToCsv(model::CProgramBook());
    m_app.m_paths.push_back(m_dir.File("in.csv"));
    Choose(res::ID_FILE_IMPORT_CSV);
    EXPECT_TRUE(Doc().Book()[0].IsEmpty());
    EXPECT_EQ(Frame().windowTitle(), "Untitled* - VQ7100");
    Choose(res::ID_EDIT_UNDO);
    EXPECT_EQ(Doc().Book(), before);
    EXPECT_EQ(Frame().windowTitle(), "book.vq - VQ7100");
    const int dialogs = m_app.m_nDialogs;
    Choose(res::ID_FILE_SAVE);
    EXPECT_EQ(m_app.m_nDialogs, dialogs);
    Choose(res::ID_EDIT_REDO);
    EXPECT_EQ(Frame().windowTitle(), "Untitled* - VQ7100");
}

// Every way back to the book as it was saved leaves nothing to save and nothing to take back.
TEST_F(EditAndPrint, BackToTheSavedBookTheMarkGoes) {
    Store(2, false, {{0, 10000}});
    m_app.m_paths.push_back(m_dir.File("book.vq"));
    Choose(res::ID_FILE_SAVE_AS);
    const model::CProgramBook saved = Doc().Book();
    QLineEdit* pField = Form().FrequencyField(3);
    auto typeAndTakeBack = [&] {
        pField->setFocus();
        QTest::keyClicks(pField, QStringLiteral("5"));
        EXPECT_EQ(Frame().windowTitle(), "book.vq* - VQ7100");
        QTest::keyClick(pField, Qt::Key_Z, Qt::ControlModifier);  // the field's own Undo
    };
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"typing undone in the field", typeAndTakeBack},
        {"the second Ctrl+Z reaches the book",
         [&] {
             Choose(res::ID_DELETE_PROGRAM);
             typeAndTakeBack();
             QTest::keyClick(pField, Qt::Key_Z, Qt::ControlModifier);
         }},
        {"a type switch undone",
         [&] {
             widgets::FindControlAs<QRadioButton>(&Form(), 1002)->click();
             Choose(res::ID_EDIT_UNDO);
         }},
        {"No to the save prompt",
         [&] {
             pField->setFocus();
             QTest::keyClicks(pField, QStringLiteral("7"));
             m_messages.QueueAnswer(EMsgAnswer::kNo);
             widgets::FindControlAs<QPushButton>(&Form(), 1007)->click();
         }},
    };
    for (const auto& [name, act] : cases) {
        SCOPED_TRACE(name);
        Display(2);
        act();
        EXPECT_EQ(Doc().Book(), saved);
        EXPECT_EQ(Frame().windowTitle(), "book.vq - VQ7100");
        EXPECT_FALSE(Command(res::ID_EDIT_UNDO).isEnabled());
    }
}

// A command that leaves every program as it was is no step and no change to save.
TEST_F(EditAndPrint, ACommandThatChangesNothingMakesNoStep) {
    Store(2, true, {{0, 500000}, {1, 10000}});
    m_app.m_paths.push_back(m_dir.File("book.vq"));
    Choose(res::ID_FILE_SAVE_AS);
    const model::CProgramBook saved = Doc().Book();
    QLineEdit* pField = Form().FrequencyField(1);
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"the program pasted over itself",
         [&] {
             Choose(res::ID_COPY_PROGRAM);
             Choose(res::ID_PASTE_PROGRAM);
         }},
        {"an empty program deleted", [&] { Display(7), Choose(res::ID_DELETE_PROGRAM); }},
        {"a value typed over with itself",
         [&] {
             pField->setFocus();
             pField->selectAll();
             QTest::keyClicks(pField, QStringLiteral("1000"));
             m_messages.QueueAnswer(EMsgAnswer::kYes);  // the commit stores what is there
             widgets::FindControlAs<QPushButton>(&Form(), 1007)->click();
         }},
    };
    for (const auto& [name, act] : cases) {
        SCOPED_TRACE(name);
        Display(2);
        act();
        EXPECT_EQ(Doc().Book(), saved);
        EXPECT_EQ(Frame().windowTitle(), "book.vq - VQ7100");
        EXPECT_FALSE(Command(res::ID_EDIT_UNDO).isEnabled());
    }
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{"Do you want to save the current program?"});
}

TEST_F(EditAndPrint, FileDialogsShowTheirColumnsWhole) {
    for (const char* name : {"VQ7100 programs of the north-east sites, spring.vq", "b.vq"}) {
        std::ofstream(m_dir.File(name)) << "x";
    }
    QTimer::singleShot(0, &Frame(), [this] {
        auto* pDialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(pDialog, nullptr);
        pDialog->setDirectory(QString::fromStdString(m_dir.Path().string()));
        auto* pFiles = pDialog->findChild<QTreeView*>();
        // Name, size, type and date side by side, each whole, once the folder has been read
        // (sizeHintForColumn, what a column's texts need, is public on the base class).
        auto fits = [pFiles](int column) {
            return pFiles->header()->sectionSize(column) >=
                   static_cast<QAbstractItemView*>(pFiles)->sizeHintForColumn(column);
        };
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return pFiles->model()->rowCount(pFiles->rootIndex()) == 2 && fits(0) && fits(1) &&
                   fits(2) && fits(3);
        }));
        EXPECT_LE(pFiles->header()->length(), pFiles->viewport()->width());
        MaybeScreenshot(pDialog, "open_dialog");
        pDialog->reject();
    });
    EXPECT_EQ(m_app.CZelkorConfigApp::PromptOpenPath(), std::nullopt);
}

// Closing with edits on the form asks once: Save keeps them in the file, Discard drops them.
TEST_F(Application, ClosingWithEditsOnTheFormAsksOnce) {
    for (const EMsgAnswer answer : {EMsgAnswer::kSave, EMsgAnswer::kDiscard}) {
        const bool bSave = answer == EMsgAnswer::kSave;
        Start();
        QTest::keyClicks(m_app.Form()->FrequencyField(0), "1234");
        m_messages.Clear();
        m_messages.QueueAnswer(answer);
        m_app.m_paths = {m_dir.File("kept.vq")};
        EXPECT_TRUE(Frame().close());
        EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{"Save changes to Untitled?"});
        EXPECT_EQ(m_app.Document()->Book()[0].m_freq[0], bSave ? 12340u : 0u);
        EXPECT_EQ(m_app.Form()->FieldText(0), bSave ? "1234.0" : "");
        Exit();
    }
}

}  // namespace
