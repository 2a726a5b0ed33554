// The form's Edit commands: Undo and Redo of the book's changes, and the program on display on
// the Clipboard (Cut, Copy and Paste Program, and the toolbar's Cut, Copy and Paste, which take
// the text of a frequency field that has the focus).
#include <QLineEdit>

#include "editor/book_operations.h"
#include "editor/program_commit.h"
#include "platform/message_box.h"
#include "platform/text_format.h"
#include "res/ids_app.h"
#include "res/ids_editor.h"
#include "res/strings_app.h"
#include "res/strings_editor.h"
#include "ui/editor/book_history.h"
#include "ui/editor/clipboard_programs.h"
#include "ui/editor/zelkor_form.h"

namespace ui {

namespace {

// "&Undo Delete Program 12\tCtrl+Z", or the bare item without a step.
QString StepItemText(const char* bare, const char* named, const QString& step) {
    if (step.isEmpty()) {
        return QString::fromUtf8(bare);
    }
    return QString::fromUtf8(named).replace(QLatin1String("%s"), step);
}

}  // namespace

void CZelkorForm::AddEditCommands() {
    AddCommand(
        res::ID_EDIT_UNDO, [this] { OnEditUndo(); },
        [this](widgets::SCommandUI& ui) { UpdateUndoItem(ui); });
    AddCommand(
        res::ID_EDIT_REDO, [this] { OnEditRedo(); },
        [this](widgets::SCommandUI& ui) {
            // New edits end what there was to redo, as typing after Undo does in any editor.
            ui.bEnabled = !m_bProgramModified && m_pHistory && m_pHistory->CanRedo();
            ui.strText = StepItemText(res::Tr(res::kItemRedo), res::Tr(res::kItemRedoStep),
                                      ui.bEnabled ? m_pHistory->RedoText() : QString());
        });
    AddCommand(res::ID_CUT_PROGRAM, [this] { OnCutProgram(); });
    AddCommand(res::ID_COPY_PROGRAM, [this] { OnCopyProgram(); });
    AddCommand(res::ID_PASTE_PROGRAM, [this] { OnPasteProgram(); });
    // The toolbar's items and the desktop's keys: the focused field's text, or else the program.
    auto fieldOr = [this](auto fieldCommand, void (CZelkorForm::*formCommand)()) {
        return [this, fieldCommand, formCommand] {
            const int nID = FocusedFieldId();
            if (nID != 0) {
                (FrequencyField(nID - res::IDC_FREQ_FIRST)->*fieldCommand)();
            } else {
                (this->*formCommand)();
            }
        };
    };
    AddCommand(res::ID_EDIT_CUT, fieldOr(&QLineEdit::cut, &CZelkorForm::OnCutProgram));
    AddCommand(res::ID_EDIT_COPY, fieldOr(&QLineEdit::copy, &CZelkorForm::OnCopyProgram));
    AddCommand(res::ID_EDIT_PASTE, fieldOr(&QLineEdit::paste, &CZelkorForm::OnPasteProgram));
}

void CZelkorForm::UpdateUndoItem(widgets::SCommandUI& ui) {
    // Edits on the form that change the program are the newest change.
    const bool bPending = FieldsDifferFromStored();
    const QString step = bPending
                             ? NumberedText(res::Tr(res::kStepEditProgram), m_pDoc->Current() + 1)
                         : m_pHistory ? m_pHistory->UndoText()
                                      : QString();
    ui.bEnabled = bPending || (m_pHistory && m_pHistory->CanUndo());
    ui.strText = StepItemText(res::Tr(res::kItemUndo), res::Tr(res::kItemUndoStep), step);
}

void CZelkorForm::OnEditUndo() {
    if (m_pDoc == nullptr || !m_pHistory) {
        return;
    }
    CheckFocusedField();
    // The edits become a step of their own and are taken back, so that Redo brings them back.
    // Edits that change nothing are simply dropped, and Undo goes on to the book's last step.
    if (m_bProgramModified) {
        const model::CFrequencyProgram program = FieldsProgram();
        ShowProgram();
        if (editor::StoreCurrentProgram(*m_pDoc, program, res::Tr(res::kStepEditProgram))) {
            m_pHistory->Undo();
            return;
        }
    }
    m_pHistory->Undo();
}

void CZelkorForm::OnEditRedo() {
    if (m_pHistory && !m_bProgramModified) {
        m_pHistory->Redo();
    }
}

void CZelkorForm::PutOnClipboard(const std::vector<model::CFrequencyProgram>& programs,
                                 int nFirstNumber) {
    PutProgramsOnClipboard(programs, nFirstNumber);
}

void CZelkorForm::OnCopyProgram() {
    if (m_pDoc == nullptr) {
        return;
    }
    // What the form shows, edits included, as the commit would store it.
    CheckFocusedField();
    PutOnClipboard({FieldsProgram()}, m_pDoc->Current() + 1);
}

void CZelkorForm::OnCutProgram() {
    if (m_pDoc == nullptr) {
        return;
    }
    OnCopyProgram();
    ClearProgramOnDisplay(res::Tr(res::kStepCutProgram));
}

void CZelkorForm::OnPasteProgram() {
    if (m_pDoc == nullptr) {
        return;
    }
    const auto pasted = ProgramsOnClipboard();
    if (!pasted) {
        return;
    }
    const std::vector<model::CFrequencyProgram>& programs = *pasted;
    const int first = m_pDoc->Current();
    const int count = static_cast<int>(programs.size());
    if (count > model::kProgramCount - first) {
        platform::ShowAppMessage(platform::FormatText(res::Tr(res::kMsgPastePastEnd), count,
                                                      first + 1, model::kProgramCount - first));
        return;
    }
    // The program on display is replaced: its edits are offered for keeping first.
    SaveCurrentProgram();
    PastePrograms(programs);
    ShowProgram();
}

void CZelkorForm::PastePrograms(const std::vector<model::CFrequencyProgram>& programs) {
    editor::PasteFrom(*m_pDoc, m_pDoc->Current(), programs);
}

}  // namespace ui
