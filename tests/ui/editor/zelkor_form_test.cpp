// The editor form on real widgets: what a program looks like on it, and that every control can
// be found by its id and is named for a screen reader.
#include "ui/editor/zelkor_form.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "tests/scripted_messages.h"
#include "tests/test_support.h"
#include "widgets/control_ids.h"

namespace {

using ui::CZelkorForm;
using widgets::FindControl;
using widgets::FindControlAs;

class Form : public testing::Test {
protected:
    Form() {
        m_form.SetDocument(&m_doc);
        m_doc.AddView(&m_form);
        m_form.show();
        m_form.OnInitialUpdate();
    }

    QLineEdit* Field(int nID) { return widgets::FindControlAs<QLineEdit>(&m_form, nID); }
    QLabel* Label(int nID) { return widgets::FindControlAs<QLabel>(&m_form, nID); }
    QGroupBox* Box(int nID) { return widgets::FindControlAs<QGroupBox>(&m_form, nID); }
    QComboBox* Combo() { return widgets::FindControlAs<QComboBox>(&m_form, 1005); }
    QRadioButton* Radio(int nID) { return widgets::FindControlAs<QRadioButton>(&m_form, nID); }

    testing_support::CScriptedMessages m_messages;
    model::CZelkorConfigDoc m_doc;
    CZelkorForm m_form;
};

TEST_F(Form, StartsOnProgramOneEmptyWithSingleFrequencyLabels) {
    EXPECT_EQ(Combo()->currentIndex(), 0);
    EXPECT_EQ(Combo()->currentText(), "1");
    EXPECT_EQ(Combo()->count(), 2000);
    EXPECT_TRUE(Radio(1001)->isChecked());
    EXPECT_FALSE(Radio(1002)->isChecked());
    for (int slot = 0; slot < 48; ++slot) {
        EXPECT_EQ(Field(1013 + slot)->text(), "") << slot;
        EXPECT_EQ(Label(1101 + slot)->text(), QStringLiteral("Freq. %1").arg(slot + 1));
        EXPECT_EQ(Field(1013 + slot)->accessibleName(), QStringLiteral("Freq. %1").arg(slot + 1));
        EXPECT_TRUE(Field(1013 + slot)->isVisible());
    }
    for (int box = 1151; box <= 1156; ++box) {
        EXPECT_FALSE(Box(box)->isVisible()) << box;
    }
    EXPECT_FALSE(m_form.IsProgramModified());
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(Form, GroupsProgramShowsGroupBoxesAndPerGroupLabels) {
    testing_support::BookOf(m_doc)[0].SetGroups(true);
    testing_support::BookOf(m_doc)[0].m_freq[8] = 500000;
    m_form.ShowProgram();
    EXPECT_TRUE(Radio(1002)->isChecked());
    EXPECT_EQ(m_form.ProgramType(), 1);
    EXPECT_EQ(Field(1021)->text(), "50000.0");
    EXPECT_EQ(Label(1109)->text(), "Freq. 1");
    EXPECT_EQ(Label(1148)->text(), "Freq. 8");
    EXPECT_EQ(Field(1023)->accessibleName(), "Group 2, Freq. 3");
    for (int box = 0; box < 6; ++box) {
        EXPECT_TRUE(Box(1151 + box)->isVisible());
        EXPECT_EQ(Box(1151 + box)->title(), QStringLiteral("Group %1").arg(box + 1));
    }
    // Back to a single-frequency program: labels run on, boxes go, fields stay in place.
    const QPoint where = Field(1021)->mapTo(&m_form, QPoint(0, 0));
    m_doc.SetCurrent(1);
    m_form.ShowProgram();
    EXPECT_EQ(Label(1109)->text(), "Freq. 9");
    EXPECT_EQ(Field(1023)->accessibleName(), "Freq. 11");
    EXPECT_FALSE(Box(1151)->isVisible());
    EXPECT_EQ(Field(1021)->mapTo(&m_form, QPoint(0, 0)), where);
}

TEST_F(Form, SlotValuesAreShownInHertzWithOneDecimal) {
    const std::pair<uint32_t, const char*> cases[] = {
        {0, ""},
        {1, "0.1"},
        {123, "12.3"},
        {10000, "1000.0"},
        {400000, "40000.0"},
        {200000000, "20000000.0"},
        {4294967295u, "429496729.5"},
    };
    for (const auto& [tenths, text] : cases) {
        testing_support::BookOf(m_doc)[5].m_freq[17] = tenths;
        m_doc.SetCurrent(5);
        m_form.ShowProgram();
        EXPECT_EQ(Field(1013 + 17)->text(), QString::fromLatin1(text)) << tenths;
    }
}

TEST_F(Form, ShowingTheLastProgramSelectsItsItem) {
    m_doc.SetCurrent(1999);
    m_form.ShowProgram();
    EXPECT_EQ(Combo()->currentIndex(), 1999);
    EXPECT_EQ(Combo()->currentText(), "2000");
    EXPECT_EQ(Combo()->itemData(1999).toInt(), 1999);
    EXPECT_EQ(Combo()->count(), 2000);
}

TEST_F(Form, ShowProgramIsNoEdit) {
    testing_support::BookOf(m_doc)[0].m_freq[0] = 10;
    Field(1013)->setText(QStringLiteral("5"));  // typed
    m_form.ShowProgram();
    EXPECT_FALSE(m_form.IsProgramModified());
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(Form, JumpFieldTakesAtMostFourCharacters) {
    auto* pJump = widgets::FindControlAs<QLineEdit>(&m_form, 1008);
    ASSERT_NE(pJump, nullptr);
    pJump->setFocus();
    pJump->clear();
    pJump->insert(QStringLiteral("123456"));
    EXPECT_EQ(pJump->text(), "1234");
    m_form.UpdateData(true);
    EXPECT_EQ(m_form.JumpText(), "1234");
}

TEST_F(Form, EveryControlHasItsIdAndTheTemplatesTabOrder) {
    std::vector<int> ids = {1001, 1002, 1005, 1006, 1007, 1008, 1009, 1011};
    for (int id = 1013; id <= 1060; ++id) {
        ids.push_back(id);
    }
    for (int id : ids) {
        ASSERT_NE(widgets::FindControl(&m_form, id), nullptr) << id;
        EXPECT_FALSE(widgets::FindControl(&m_form, id)->accessibleName().isEmpty() &&
                     widgets::FindControl(&m_form, id)->property("text").toString().isEmpty())
            << id;
    }
    for (int id = 1101; id <= 1148; ++id) {
        EXPECT_NE(Label(id), nullptr) << id;
    }
    // The program box's edit part, which takes the keys, is named as the box is.
    QWidget* pProgramEdit = widgets::FindControlAs<QComboBox>(&m_form, 1005)->lineEdit();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(pProgramEdit)->text(QAccessible::Name),
              "Program number");
    // Tab from each control reaches the next one in the template's order (down each column).
    for (size_t i = 2; i + 1 < ids.size(); ++i) {
        QWidget* pControl = widgets::FindControl(&m_form, ids[i]);
        QWidget* pNext = pControl->nextInFocusChain();
        // The combo box's own edit part belongs to it.
        while (pNext->focusPolicy() == Qt::NoFocus || !pNext->isVisible() ||
               pControl->isAncestorOf(pNext)) {
            pNext = pNext->nextInFocusChain();
        }
        EXPECT_EQ(widgets::ControlId(pNext), ids[i + 1]) << ids[i];
    }
    EXPECT_EQ(Combo()->isEditable(), true);
    EXPECT_EQ(widgets::FindControl(&m_form, 1011)->property("text").toString(), "&Load Device");
    EXPECT_EQ(widgets::FindControl(&m_form, 1009)->property("text").toString(), "&Jump");
}

TEST_F(Form, CommitMessageIsAnsweredWithZero) {
    EXPECT_EQ(m_form.SendMessage(0x857, 0, 0), 0);
}

}  // namespace
