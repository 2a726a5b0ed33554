// Editing on the form with real focus changes: what a typed entry becomes, which message comes
// when and with what on the field, what the book holds after the save prompt, navigation, jump,
// the type switch, and the commit before the book is saved.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <clocale>
#include <deque>

#include "platform/message_box.h"
#include "res/ids_app.h"
#include "tests/test_support.h"
#include "ui/editor/zelkor_form.h"
#include "widgets/control_ids.h"

namespace {

using platform::EMsgAnswer;
using ui::CZelkorForm;

constexpr const char kPositive[] = "You must enter a positive frequency.";
constexpr const char kMax[] = "Enter a frequency less than or equal to 20MHz.";
constexpr const char kTooManyHigh[] =
    "You can only have up to two frequencies greater than 40KHz per group.";
constexpr const char kHighMixed[] =
    "If you have one frequency greater than 40KHz, the group can only have 2 frequencies.";
constexpr const char kBelow[] =
    "Enter a frequency of at least 0.1 Hz, the least the device takes, or 0 for an empty slot.";
constexpr const char kSavePrompt[] = "Do you want to save the current program?";

std::string Refused(const std::string& quoted, bool bComma = false) {
    return "\"" + quoted + "\" is not a frequency: " +
           (bComma ? "the decimal sign is a point, and thousands are not set apart (1500 or 12.5)."
                   : "it must be one number in hertz, such as 1000 or 12.5.");
}
constexpr const char kJumpRange[] = "The program number can be from 1 to 2000.";

// The user in front of the boxes: notes each box with what the watched field showed while it
// was up, answers from a script, and can take the focus away as a real box does.
class CUser : public platform::IMessageSink {
public:
    CUser() : m_pPrevious(platform::SetMessageSink(this)) {}
    ~CUser() override { platform::SetMessageSink(m_pPrevious); }

    EMsgAnswer Show(const platform::SMessageRequest& request) override {
        m_requests.push_back(request);
        m_fieldDuringBox.push_back(m_pWatched != nullptr ? m_pWatched->text().toStdString() : "");
        if (m_pStealFocusTo != nullptr) {
            QWidget* pBack = QApplication::focusWidget();
            m_pStealFocusTo->setFocus(Qt::ActiveWindowFocusReason);
            if (pBack != nullptr) {
                pBack->setFocus(Qt::ActiveWindowFocusReason);
            }
        }
        if (m_answers.empty()) {
            return platform::DismissAnswer(request.buttons);
        }
        const EMsgAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& r : m_requests) {
            texts.push_back(r.text);
        }
        return texts;
    }

    std::vector<platform::SMessageRequest> m_requests;
    std::vector<std::string> m_fieldDuringBox;
    std::deque<EMsgAnswer> m_answers;
    QLineEdit* m_pWatched = nullptr;
    QWidget* m_pStealFocusTo = nullptr;

private:
    platform::IMessageSink* m_pPrevious;
};

class FormEditing : public testing::Test {
protected:
    FormEditing() {
        m_form.SetDocument(&m_doc);
        m_doc.AddView(&m_form);
        m_form.show();
        m_form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_form));
        m_form.OnInitialUpdate();
    }
    ~FormEditing() override { m_doc.RemoveView(&m_form); }

    QLineEdit* Field(int nSlot) { return m_form.FrequencyField(nSlot); }
    template <typename T>
    T* Control(int nID) {
        return widgets::FindControlAs<T>(&m_form, nID);
    }

    // Types into a field and leaves it for another, as the user does with the mouse.
    void Type(int nSlot, const QString& text, int nNextSlot = -1) {
        Field(nSlot)->setFocus(Qt::MouseFocusReason);
        Field(nSlot)->selectAll();
        if (text.isEmpty()) {
            Field(nSlot)->del();
        } else if (text.contains(QLatin1Char('\t'))) {
            Field(nSlot)->insert(text);  // pasted: the Tab key would leave the field
        } else {
            QTest::keyClicks(Field(nSlot), text);
        }
        Leave(nSlot, nNextSlot);
    }
    void Leave(int nSlot, int nNextSlot = -1) {
        const int next = nNextSlot >= 0 ? nNextSlot : (nSlot + 1) % 48;
        Field(next)->setFocus(Qt::MouseFocusReason);
    }

    void SetGroups() { Control<QRadioButton>(1002)->click(); }
    void StoreProgram(int index, bool bGroups, std::vector<std::pair<int, uint32_t>> values) {
        auto& program = testing_support::BookOf(m_doc)[index];
        program.SetGroups(bGroups);
        for (const auto& [slot, tenths] : values) {
            program.m_freq[slot] = tenths;
            program.UpdateGroupCount(slot / 8);
        }
    }

    CUser m_user;
    model::CZelkorConfigDoc m_doc;
    CZelkorForm m_form;
};

struct SEntry {
    const char* name;
    bool bGroups;
    std::vector<const char*> before;  // texts already in slots 0, 1, ... of group 1
    const char* typed;
    const char* shownAfter;
    std::vector<std::string> messages;
    const char* shownDuringBox;  // the field while the box is up
    // A case shows as its name, not as raw bytes, in the list of cases and in a failure.
    friend void PrintTo(const SEntry& entry, std::ostream* out) { *out << entry.name; }
};

class EntryCheck : public FormEditing, public testing::WithParamInterface<SEntry> {};

TEST_P(EntryCheck, TypedTextAndWhatFollows) {
    const SEntry& entry = GetParam();
    if (entry.bGroups) {
        SetGroups();
    }
    for (size_t i = 0; i < entry.before.size(); ++i) {
        Type(static_cast<int>(i), QString::fromLatin1(entry.before[i]));
    }
    m_user.m_requests.clear();
    m_user.m_fieldDuringBox.clear();
    const int slot = static_cast<int>(entry.before.size());
    m_user.m_pWatched = Field(slot);
    Type(slot, QString::fromLatin1(entry.typed));
    EXPECT_EQ(Field(slot)->text().toStdString(), entry.shownAfter);
    EXPECT_EQ(m_user.Texts(), entry.messages);
    if (!entry.messages.empty()) {
        EXPECT_EQ(m_user.m_fieldDuringBox[0], entry.shownDuringBox);
        EXPECT_EQ(m_user.m_requests[0].caption, "ZelkorConfig");
        EXPECT_EQ(m_user.m_requests[0].icon, platform::EMsgIcon::kNone);
        EXPECT_EQ(m_user.m_requests[0].buttons, platform::EMsgButtons::kOk);
    }
    EXPECT_TRUE(m_form.IsProgramModified());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EntryCheck,
    testing::Values(
        SEntry{"Integer", false, {}, "1000", "1000.0", {}, ""},
        SEntry{"Cut to one decimal", false, {}, "12.34", "12.3", {}, ""},
        SEntry{"Exponent", false, {}, "1e3", "1000.0", {}, ""},
        SEntry{"Trailing junk", false, {}, "12abc", "", {Refused("12abc")}, "12abc"},
        SEntry{"No number", false, {}, "abc", "", {Refused("abc")}, "abc"},
        SEntry{"Row", false, {}, "1\tsingle\t5.5", "", {Refused("1 single 5.5")}, "1\tsingle\t5.5"},
        SEntry{"Comma", false, {}, "1,5", "", {Refused("1,5", true)}, "1,5"},
        SEntry{"Thousands", false, {}, "1,500", "", {Refused("1,500", true)}, "1,500"},
        SEntry{"Zero", false, {}, "0", "", {}, ""},
        SEntry{"Below a tenth", false, {}, "0.05", "", {kBelow}, "0.05"},
        SEntry{"Negative", false, {}, "-0.5", "", {kPositive}, ""},
        SEntry{"Twenty megahertz", false, {}, "20000000", "20000000.0", {}, ""},
        SEntry{"Above twenty megahertz", false, {}, "20000000.1", "", {kMax}, "20000000.1"},
        SEntry{"Above by a hair", false, {}, "20000000.04", "", {kMax}, "20000000.0"},
        SEntry{"Far above", false, {}, "25000000", "", {kMax}, "25000000.0"},
        SEntry{"Single takes three high", false, {"50000", "60000"}, "70000", "70000.0", {}, ""},
        SEntry{"Third high", true, {"50000", "60000"}, "70000", "", {kTooManyHigh}, ""},
        SEntry{"Low after two high", true, {"50000", "60000"}, "40000", "", {kHighMixed}, ""},
        SEntry{"Third after mixed", true, {"1000", "50000"}, "10", "", {kHighMixed}, ""},
        SEntry{"Rounded to low", true, {"50000", "60000"}, "40000.04", "", {kHighMixed}, ""},
        SEntry{"Eight low", true, {"1", "2", "3", "4", "5", "6", "7"}, "8", "8.0", {}, ""},
        SEntry{"Empty third", true, {"1000", "50000"}, "", "", {}, ""}),
    [](const testing::TestParamInfo<SEntry>& param) {
        std::string name = param.param.name;
        for (char& ch : name) {
            if (!isalnum(static_cast<unsigned char>(ch))) {
                ch = '_';
            }
        }
        return name;
    });

TEST_F(FormEditing, LeavingAnUnchangedFieldChecksItAllTheSame) {
    // A stored value that breaks a rule (from a damaged file) is emptied once the user leaves it.
    StoreProgram(0, false, {{0, 300000000}});
    m_form.ShowProgram();
    Field(0)->setFocus(Qt::MouseFocusReason);
    Leave(0);
    EXPECT_EQ(m_user.Texts(), std::vector<std::string>{kMax});
    EXPECT_EQ(Field(0)->text(), "");
}

TEST_F(FormEditing, ABoxThatTakesTheFocusDoesNotRunTheCheckAgain) {
    m_user.m_pStealFocusTo = Field(40);
    Type(0, QStringLiteral("-3"), 20);
    EXPECT_EQ(m_user.Texts(), std::vector<std::string>{kPositive});
    EXPECT_EQ(Field(0)->text(), "");
    EXPECT_EQ(QApplication::focusWidget(), Field(20));
}

TEST_F(FormEditing, AMenuOpeningTakesNoExitFromTheField) {
    Field(3)->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(Field(3), QStringLiteral("-1"));
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(Field(3), &popup);
    EXPECT_TRUE(m_user.Texts().empty());
    EXPECT_EQ(Field(3)->text(), "-1");
}

struct SCommit {
    const char* name;
    EMsgAnswer answer;
    bool bStored;
    friend void PrintTo(const SCommit& commit, std::ostream* out) { *out << commit.name; }
};

class SavePrompt : public FormEditing, public testing::WithParamInterface<SCommit> {};

TEST_P(SavePrompt, NextProgramAsksAndStoresOnlyOnYes) {
    Type(9, QStringLiteral("2000"));
    Type(8, QStringLiteral("1000"));
    Type(11, QStringLiteral("12.34"), 30);
    m_user.m_requests.clear();
    m_user.m_answers.push_back(GetParam().answer);
    Control<QPushButton>(1007)->click();
    ASSERT_EQ(m_user.Texts(), std::vector<std::string>{kSavePrompt});
    EXPECT_EQ(m_user.m_requests[0].caption, "Program Save");
    EXPECT_EQ(m_user.m_requests[0].icon, platform::EMsgIcon::kQuestion);
    EXPECT_EQ(m_user.m_requests[0].buttons, platform::EMsgButtons::kYesNo);
    EXPECT_EQ(m_doc.Current(), 1);
    EXPECT_FALSE(m_form.IsProgramModified());
    const auto& stored = testing_support::BookOf(m_doc)[0];
    if (GetParam().bStored) {
        // Compacted within the group, counted, 12.34 Hz as 123 tenths.
        EXPECT_EQ(stored.m_freq[8], 10000u);
        EXPECT_EQ(stored.m_freq[9], 20000u);
        EXPECT_EQ(stored.m_freq[10], 123u);
        EXPECT_EQ(stored.m_freq[11], 0u);
        EXPECT_EQ(stored.GroupCount(1), 3);
        EXPECT_EQ(stored.m_freq[0], 0u);
    } else {
        EXPECT_TRUE(stored.IsEmpty());
    }
    EXPECT_EQ(m_doc.IsModified(), GetParam().bStored);  // No leaves nothing to save
}

INSTANTIATE_TEST_SUITE_P(Answers, SavePrompt,
                         testing::Values(SCommit{"Yes", EMsgAnswer::kYes, true},
                                         SCommit{"No", EMsgAnswer::kNo, false}),
                         [](const testing::TestParamInfo<SCommit>& param) {
                             return std::string(param.param.name);
                         });

TEST_F(FormEditing, UnmodifiedFormAsksNothing) {
    Control<QPushButton>(1007)->click();
    Control<QPushButton>(1006)->click();
    EXPECT_TRUE(m_user.Texts().empty());
    EXPECT_EQ(m_doc.Current(), 0);
}

TEST_F(FormEditing, EndsOfTheBookKeepTheEditsAndAskAgain) {
    struct SEnd {
        int nStart;
        int nButton;
    };
    for (const SEnd end : {SEnd{0, 1006}, SEnd{1999, 1007}}) {
        SCOPED_TRACE(end.nButton);
        m_doc.SetCurrent(end.nStart);
        m_form.ShowProgram();
        m_user.m_requests.clear();
        Type(0, QStringLiteral("500"));
        m_user.m_answers.push_back(EMsgAnswer::kYes);
        Control<QPushButton>(end.nButton)->click();
        EXPECT_EQ(m_doc.Current(), end.nStart);
        EXPECT_EQ(m_doc.Book()[end.nStart].m_freq[0], 5000u);
        EXPECT_EQ(Field(0)->text(), "500.0");
        EXPECT_TRUE(m_form.IsProgramModified());
        m_user.m_answers.push_back(EMsgAnswer::kNo);
        Control<QPushButton>(end.nButton)->click();
        EXPECT_EQ(m_user.Texts(), (std::vector<std::string>{kSavePrompt, kSavePrompt}));
    }
}

struct SJump {
    const char* text;
    int nCurrentAfter;  // index
    bool bMessage;
};

TEST_F(FormEditing, JumpReadsTheNumberAsAtoiDoes) {
    const SJump cases[] = {
        {"", 4, false},        {"0", 4, true},      {"2001", 4, true}, {"-5", 4, true},
        {"abc", 4, true},      {"12ab", 11, false}, {" 7", 6, false},  {"+9", 8, false},
        {"2000", 1999, false}, {"1", 0, false},
    };
    auto* pJump = Control<QLineEdit>(1008);
    for (const SJump& c : cases) {
        SCOPED_TRACE(c.text);
        m_doc.SetCurrent(4);
        m_form.ShowProgram();
        m_user.m_requests.clear();
        pJump->setText(QString::fromLatin1(c.text));
        Control<QPushButton>(1009)->click();
        EXPECT_EQ(m_doc.Current(), c.nCurrentAfter);
        EXPECT_EQ(m_user.Texts(),
                  c.bMessage ? std::vector<std::string>{kJumpRange} : std::vector<std::string>{});
        EXPECT_EQ(pJump->text(), "");
        EXPECT_EQ(Control<QComboBox>(1005)->currentIndex(), c.nCurrentAfter);
    }
}

TEST_F(FormEditing, JumpToTheProgramOnDisplayShowsItCompacted) {
    Type(5, QStringLiteral("300"));
    m_user.m_answers.push_back(EMsgAnswer::kYes);
    Control<QLineEdit>(1008)->setText(QStringLiteral("1"));
    Control<QPushButton>(1009)->click();
    EXPECT_EQ(Field(0)->text(), "300.0");
    EXPECT_EQ(Field(5)->text(), "");
}

TEST_F(FormEditing, ComboSelectionMovesAndClearsTheJumpField) {
    Control<QLineEdit>(1008)->setText(QStringLiteral("12"));
    auto* pCombo = Control<QComboBox>(1005);
    pCombo->setCurrentIndex(41);
    emit pCombo->activated(41);
    EXPECT_EQ(m_doc.Current(), 41);
    EXPECT_EQ(Control<QLineEdit>(1008)->text(), "");
}

// Typing into the program box: a number that names a program goes there; anything else leaves
// the box showing the program on display again, however the typing ends.
TEST_F(FormEditing, ProgramBoxShowsTheProgramOnDisplayAfterARefusedEntry) {
    struct SCase {
        const char* typed;
        bool bEnter;  // Enter, or else leaving the box for a field
        int nCurrentAfter;
        const char* shownAfter;
    };
    const SCase cases[] = {
        {"2001", true, 4, "5"}, {"0", true, 4, "5"},           {"abc", true, 4, "5"},
        {"-3", false, 4, "5"},  {"12x", false, 4, "5"},        {"", true, 4, "5"},
        {"12", true, 11, "12"}, {"2000", false, 1999, "2000"},
    };
    auto* pCombo = Control<QComboBox>(1005);
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.typed);
        m_doc.SetCurrent(4);
        m_form.ShowProgram();
        pCombo->setFocus(Qt::MouseFocusReason);
        pCombo->lineEdit()->selectAll();
        pCombo->lineEdit()->del();
        QTest::keyClicks(pCombo->lineEdit(), QString::fromLatin1(c.typed));
        if (c.bEnter) {
            QTest::keyClick(pCombo->lineEdit(), Qt::Key_Return);
        } else {
            Field(0)->setFocus(Qt::MouseFocusReason);
        }
        EXPECT_EQ(m_doc.Current(), c.nCurrentAfter);
        EXPECT_EQ(pCombo->currentText(), c.shownAfter);
        EXPECT_EQ(pCombo->currentIndex(), c.nCurrentAfter);
        EXPECT_TRUE(m_user.m_requests.empty());
    }
}

TEST_F(FormEditing, WholeFormCheckKeepsTwoHighInAGroup) {
    Type(0, QStringLiteral("50000"));
    Type(1, QStringLiteral("60000"));
    Type(2, QStringLiteral("70000"));
    m_user.m_requests.clear();
    m_user.m_answers.push_back(EMsgAnswer::kYes);
    SetGroups();
    EXPECT_EQ(Field(0)->text(), "50000.0");
    EXPECT_EQ(Field(1)->text(), "60000.0");
    EXPECT_EQ(Field(2)->text(), "");
    ASSERT_EQ(m_user.m_requests.size(), 1u);  // the question, naming what it empties
    EXPECT_EQ(m_user.m_requests[0].detail, "Group 1: Freq. 3 (70000.0 Hz)");
    // Its buttons say what they do.
    EXPECT_EQ(m_user.m_requests[0].yesText, "Switch");
    EXPECT_EQ(m_user.m_requests[0].noText, "Cancel");
    m_form.OnCmdMsg(res::ID_EDIT_UNDO, true);  // the switch alone, as one step
    EXPECT_EQ(Field(2)->text(), "70000.0");
    EXPECT_FALSE(m_doc.Book()[0].IsGroups() || Control<QRadioButton>(1002)->isChecked());
}

TEST_F(FormEditing, WholeFormCheckReportsMixedFirstThenTooManyHigh) {
    const std::pair<int, const char*> typed[] = {{0, "1000"},  {1, "2000"},  {2, "50000"},
                                                 {8, "50000"}, {9, "60000"}, {10, "70000"},
                                                 {11, "1000"}};
    for (const auto& [slot, text] : typed) {
        Type(slot, QString::fromLatin1(text));
    }
    m_user.m_requests.clear();
    m_user.m_answers = {EMsgAnswer::kNo, EMsgAnswer::kYes};
    SetGroups();  // Cancel keeps the program and its type
    EXPECT_EQ(Field(10)->text(), "70000.0");
    EXPECT_FALSE(m_doc.Book()[0].IsGroups() || Control<QRadioButton>(1002)->isChecked());
    SetGroups();
    const std::vector<std::string> group1 = {"1000.0", "2000.0", ""};
    const std::vector<std::string> group2 = {"1000.0", "", "", ""};  // kept, so compacted
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Field(i)->text().toStdString(), group1[i]) << i;
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Field(8 + i)->text().toStdString(), group2[i]) << i;
    }
    ASSERT_EQ(m_user.m_requests.size(), 2u);
    EXPECT_EQ(m_user.m_requests[1].detail,
              "Group 1: Freq. 3 (50000.0 Hz)\nGroup 2: Freq. 1 (50000.0 Hz), Freq. 2 (60000.0 Hz), "
              "Freq. 3 (70000.0 Hz)");
    EXPECT_TRUE(m_doc.Book()[0].IsGroups());
}

TEST_F(FormEditing, TypeSwitchMarksModifiedOnlyForAFilledProgram) {
    SetGroups();
    EXPECT_TRUE(m_doc.Book()[0].IsGroups());
    EXPECT_FALSE(m_form.IsProgramModified());
    EXPECT_FALSE(m_doc.IsModified());
    StoreProgram(1, false, {{0, 10000}});
    m_doc.SetCurrent(1);
    m_form.ShowProgram();
    SetGroups();
    EXPECT_TRUE(m_form.IsProgramModified());
    EXPECT_TRUE(m_doc.IsModified());
    // Back to single frequencies: only the flag and the labels change.
    Control<QRadioButton>(1001)->click();
    EXPECT_FALSE(m_doc.Book()[1].IsGroups());
    EXPECT_EQ(Field(0)->text(), "1000.0");
}

TEST_F(FormEditing, CommitOfAFieldStillInFocusChecksItFirst) {
    struct SCase {
        const char* typed;
        const char* message;
        uint32_t stored;
    };
    const SCase cases[] = {{"-5", kPositive, 0u},
                           {"25000000", kMax, 0u},
                           {"123.44", nullptr, 1234u},
                           // Rewritten as 123.5 when checked, and stored as it is shown.
                           {"123.45", nullptr, 1235u}};
    // Each box takes the focus as a real one does; the field is still checked only once.
    m_user.m_pStealFocusTo = Field(40);
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.typed);
        testing_support::BookOf(m_doc)[0].Clear();
        m_form.ShowProgram();
        m_user.m_requests.clear();
        Field(6)->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(Field(6), QString::fromLatin1(c.typed));
        // A menu command (here the document's commit) while the field has the focus.
        m_user.m_answers.push_back(EMsgAnswer::kYes);
        m_form.SendMessage(0x857, 0, 0);
        std::vector<std::string> expected;
        if (c.message != nullptr) {
            expected.push_back(c.message);
        }
        expected.push_back(kSavePrompt);
        EXPECT_EQ(m_user.Texts(), expected);
        EXPECT_EQ(m_doc.Book()[0].m_freq[0], c.stored);
    }
}

TEST_F(FormEditing, SavingTheBookCommitsTheFormBeforeTheFileIsWritten) {
    testing_support::CTempDir dir;
    const std::string path = dir.File("book.vq");
    Type(0, QStringLiteral("4000"));
    bool bFileExistedAtPrompt = true;
    m_user.m_answers.push_back(EMsgAnswer::kYes);
    struct CHost : model::IDocHost {
        std::string strPath;
        std::optional<std::string> PromptOpenPath() override { return std::nullopt; }
        std::optional<std::string> PromptSavePath(const std::string&) override { return strPath; }
        void AddToRecentFileList(const std::string&) override {}
    } host;
    host.strPath = path;
    m_doc.SetHost(&host);
    m_user.m_pWatched = nullptr;
    bFileExistedAtPrompt = std::filesystem::exists(path);
    ASSERT_TRUE(m_doc.OnFileSaveAs());
    EXPECT_FALSE(bFileExistedAtPrompt);
    EXPECT_EQ(m_user.Texts(), std::vector<std::string>{kSavePrompt});
    model::CProgramBook reread;
    ASSERT_TRUE(model::LoadBookFromPath(reread, path));
    EXPECT_EQ(reread[0].m_freq[0], 40000u);
    EXPECT_FALSE(m_form.IsProgramModified());
    m_doc.SetHost(nullptr);
}

TEST_F(FormEditing, ADecimalCommaLocaleChangesNothing) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char* cLocale = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    if (cLocale != nullptr) {
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }
    Type(0, QStringLiteral("1234.5"));
    Type(1, QStringLiteral("1,5"));
    EXPECT_EQ(Field(0)->text(), "1234.5");
    EXPECT_EQ(Field(1)->text(), "");  // refused, never read as 1.0
    m_user.m_answers.push_back(EMsgAnswer::kYes);
    Control<QPushButton>(1007)->click();
    EXPECT_EQ(m_doc.Book()[0].m_freq[0], 12345u);
    EXPECT_EQ(m_doc.Book()[0].m_freq[1], 0u);
    if (cLocale != nullptr) {
        std::setlocale(LC_NUMERIC, "C");
    }
    QLocale::setDefault(previous);
}

}  // namespace
