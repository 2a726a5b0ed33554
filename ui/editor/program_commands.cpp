// The form's commands that change the book or the serial port rather than move between programs:
// Edit > Insert Program, Edit > Reorder Programs, Tools > Delete Program, Tools > Select Comm Port.
#include <QDialog>
#include <algorithm>
#include <memory>

#include "devlink/port_setting.h"
#include "platform/message_box.h"
#include "platform/text_format.h"
#include "res/ids_app.h"
#include "res/strings_editor.h"
#include "res/strings_form.h"
#include "ui/editor/insert_program_dlg.h"
#include "ui/editor/reorder_dlg.h"
#include "ui/editor/zelkor_form.h"
#include "ui/ports/select_port_dlg.h"

namespace ui {

void CZelkorForm::AddProgramCommands() {
    AddCommand(res::ID_INSERT_PROGRAM, [this] { OnInsertProgram(); });
    AddCommand(res::ID_REORDER_PROGRAMS, [this] { OnReorderPrograms(); });
    AddCommand(res::ID_DELETE_PROGRAM, [this] { OnDeleteProgram(); });
    AddCommand(res::ID_SELECT_COMM_PORT, [this] { OnSelectCommPort(); });
}

void CZelkorForm::OnInsertProgram() {
    if (m_pDoc == nullptr) {
        return;
    }
    CInsertProgramDlg dialog(this);
    // Where the user is is where a program is most likely wanted.
    dialog.m_nProgramNumber = static_cast<unsigned int>(m_pDoc->Current() + 1);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // The fields belong to the program on display: they go into it before the book moves.
    SaveCurrentProgram();
    const int index = static_cast<int>(dialog.m_nProgramNumber) - 1;
    // The programs up to the first empty one move: they are the step's.
    const int end = std::min(m_pDoc->Book().FindEmpty(index) + 1, model::kProgramCount);
    bool bInserted = false;
    m_pDoc->ChangeBook(platform::FormatText(res::Tr(res::kStepInsertProgram), index + 1), index,
                       end - index, [&](model::CProgramBook& book, int16_t& nCurrent) {
                           bInserted = book.InsertAt(index);
                           if (bInserted) {
                               nCurrent = static_cast<int16_t>(index);
                           }
                           return bInserted;
                       });
    if (!bInserted) {
        platform::ShowAppMessage(res::Tr(res::kMsgProgramListFull));
        return;
    }
    ShowProgram();
}

void CZelkorForm::OnReorderPrograms() {
    if (m_pDoc == nullptr) {
        return;
    }
    // The dialog holds a whole book of its own: too big for the stack. Its new order goes into
    // the book in one step.
    auto pDialog = std::make_unique<CReorderDlg>(this);
    auto pOrder = std::make_unique<model::CProgramBook>();
    pDialog->m_workBook = m_pDoc->Book();
    pDialog->m_pTargetBook = pOrder.get();
    pDialog->m_nInitialRow = m_pDoc->Current();
    if (pDialog->exec() != QDialog::Accepted) {
        return;
    }
    pDialog.reset();
    // A new order that moved nothing is no change.
    m_pDoc->ChangeBook(res::Tr(res::kStepReorderPrograms), 0, model::kProgramCount,
                       [&](model::CProgramBook& book, int16_t&) {
                           book = *pOrder;
                           return true;
                       });
    ShowProgram();
}

void CZelkorForm::OnDeleteProgram() {
    ClearProgramOnDisplay(res::Tr(res::kStepDeleteProgram));
}

void CZelkorForm::ClearProgramOnDisplay(const char* stepName) {
    if (m_pDoc == nullptr) {
        return;
    }
    // A change of the book like any other: the book is then modified and Undo takes it back.
    const int current = m_pDoc->Current();
    m_pDoc->ChangeBook(platform::FormatText(stepName, current + 1), current, 1,
                       [current](model::CProgramBook& book, int16_t&) {
                           book[current].Clear();
                           return true;
                       });
    ShowProgram();
}

void CZelkorForm::OnSelectCommPort() {
    if (m_pPortSetting == nullptr) {
        return;
    }
    // The main window owns the dialog, so that it opens over it and blocks it.
    ui::CSelectPortDlg dialog(window(), m_pPortSource);
    dialog.m_strPortPath = m_pPortSetting->PortPath();
    if (m_pPortSetting->LineState() == devlink::ELineState::kOpen) {
        dialog.m_strPortInUse = m_pPortSetting->PortPath();
    }
    if (dialog.DoModal() != QDialog::Accepted || dialog.m_strPortPath.empty()) {
        return;
    }
    // The serial layer reports a failure itself; a port that did not open is not remembered.
    m_pPortSetting->Choose(dialog.m_strPortPath, dialog.m_strStableName);
}

}  // namespace ui
