// The form's navigation: "<-", "->", the program box and Jump. Each offers the form's edits for
// commit first; where it goes is editor/program_navigation's to say.
#include <QComboBox>
#include <QLineEdit>

#include "platform/message_box.h"

#include "editor/program_navigation.h"
#include "res/strings_form.h"
#include "ui/editor/zelkor_form.h"

namespace ui {

void CZelkorForm::GoTo(std::optional<int> nIndex) {
    if (nIndex) {
        m_pDoc->SetCurrent(*nIndex);
        ShowProgram();
    }
}

void CZelkorForm::GoToProgram(int nIndex) {
    if (m_pDoc != nullptr && nIndex >= 0 && nIndex < model::kProgramCount) {
        SaveCurrentProgram();
        GoTo(nIndex);
    }
}

void CZelkorForm::OnPrevProgram() {
    SaveCurrentProgram();
    GoTo(editor::PreviousProgram(m_pDoc->Current()));
}

void CZelkorForm::OnNextProgram() {
    SaveCurrentProgram();
    GoTo(editor::NextProgram(m_pDoc->Current()));
}

void CZelkorForm::OnSelchangeProgram() {
    UpdateData(true);
    const int index = m_cbProgram->currentIndex();
    if (index >= 0 && index < model::kProgramCount) {
        SaveCurrentProgram();
        GoTo(index);
    }
    m_strJump.clear();
    UpdateData(false);
}

void CZelkorForm::OnJump() {
    UpdateData(true);
    const editor::SJump jump = editor::ReadJump(m_strJump.toStdString());
    if (jump.what == editor::EJump::kNothing) {
        return;
    }
    if (jump.what == editor::EJump::kOutOfRange) {
        platform::ShowAppMessage(res::Tr(res::kJumpOutOfRange));
    } else {
        SaveCurrentProgram();
        GoTo(jump.nIndex);
    }
    m_strJump.clear();
    UpdateData(false);
}

}  // namespace ui
