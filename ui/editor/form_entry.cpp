// Frequency entry on the form: the change and the entry check of a field, the whole-form check,
// the type switch, and the commit that offers the fields to the book (the save prompt).
#include <QLineEdit>
#include <QRadioButton>

#include "platform/message_box.h"
#include "platform/text_format.h"

#include "editor/frequency_rules.h"
#include "editor/program_commit.h"
#include "res/ids_editor.h"
#include "res/notifications.h"
#include "res/strings_editor.h"
#include "ui/editor/zelkor_form.h"

namespace ui {

void CZelkorForm::OnFrequencyChange(int nID) {
    if (nID == m_nCheckedFieldId) {
        m_nCheckedFieldId = 0;  // no longer the text that was checked
    }
    if (m_bUpdatingFields) {
        return;
    }
    SetProgramModified(true);
    // Typing may take the fields away from the stored program or back to it: the title's mark
    // and Undo follow.
    if (m_pDoc != nullptr) {
        m_pDoc->OnViewEditsChanged();
    }
    emit CommandStatesChanged();
}

void CZelkorForm::OnFrequencyKillFocus(int nID) {
    const int slot = nID - res::IDC_FREQ_FIRST;
    if (m_bInEntryCheck || slot < 0 || slot >= model::kSlotCount) {
        return;
    }
    m_bInEntryCheck = true;
    UpdateData(true);
    const bool bGroups = m_nProgramType != 0;
    m_bUpdatingFields = true;

    const int group = slot / model::kSlotsPerGroup;
    std::array<std::string, model::kSlotsPerGroup> texts;
    for (int position = 0; position < model::kSlotsPerGroup; ++position) {
        texts[position] = FieldText(group * model::kSlotsPerGroup + position).toStdString();
    }
    const editor::SEntryCheck check =
        editor::CheckEntry(texts, slot % model::kSlotsPerGroup, bGroups);
    QLineEdit* pField = m_fields[slot];
    pField->setText(QString::fromStdString(check.strRewritten));
    if (check.EmptiesField()) {
        if (editor::EmptiesBeforeMessage(check.fault)) {
            pField->clear();
            platform::ShowAppMessage(check.strMessage);
        } else {
            platform::ShowAppMessage(check.strMessage);
            pField->clear();
        }
    }
    m_bUpdatingFields = false;
    m_bInEntryCheck = false;
}

void CZelkorForm::ApplyProgramType() {
    if (m_pDoc == nullptr) {
        return;
    }
    UpdateData(true);
    const bool bGroups = m_nProgramType != 0;
    SetSlotLabels(bGroups);
    if (!bGroups) {
        return;
    }
    // Each field emptied here counts as an edit: no m_bUpdatingFields.
    const editor::SFormCheck check = editor::CheckWholeForm(FieldTexts());
    for (int slot : check.emptiedSlots) {
        m_fields[slot]->clear();
    }
    for (const char* message : check.Messages()) {
        platform::ShowAppMessage(message);
    }
}

void CZelkorForm::CheckFocusedField() {
    // A field that still has the focus has not been checked yet: check it as leaving it would,
    // so that the commit never reads text the rules have not seen.
    const int focused = FocusedFieldId();
    if (focused != 0) {
        OnFrequencyKillFocus(focused);
        m_nCheckedFieldId = focused;
    }
}

void CZelkorForm::OnProgramType() {
    UpdateData(true);
    const bool bGroups = m_nProgramType != 0;
    if (bGroups && !m_pDoc->CurrentProgram().IsGroups() && SwitchToGroupsEmptying()) {
        return;
    }
    // A type switch is an edit only when the stored program holds something; only then is it a
    // step of its own, and the program is then as good as edited.
    const bool bFilled = !m_pDoc->CurrentProgram().IsEmpty();
    StoreProgramType(bGroups);
    ApplyProgramType();
    if (bFilled) {
        SetProgramModified(true);
    }
}

void CZelkorForm::StoreProgramType(bool bGroups) {
    if (m_pDoc->SetEmptyProgramType(bGroups)) {
        return;
    }
    const int current = m_pDoc->Current();
    m_pDoc->ChangeBook(platform::FormatText(res::Tr(res::kStepProgramType), current + 1), current,
                       1, [&](model::CProgramBook& book, int16_t&) {
                           book[current].SetGroups(bGroups);
                           return true;
                       });
}

bool CZelkorForm::SwitchToGroupsEmptying() {
    const std::array<std::string, model::kSlotCount> texts = FieldTexts();
    const editor::SFormCheck check = editor::CheckWholeForm(texts);
    if (check.emptiedSlots.empty()) {
        return false;
    }
    const int current = m_pDoc->Current();
    platform::SMessageRequest question{
        platform::FormatText(res::Tr(res::kMsgSwitchEmpties), current + 1),
        platform::ApplicationTitle(), platform::EMsgIcon::kQuestion, platform::EMsgButtons::kYesNo};
    question.detail = editor::DescribeEmptied(check, texts);
    question.yesText = res::Tr(res::kSwitchButton);
    question.noText = res::Tr(res::kCancelButton);
    if (platform::ShowMessage(question) != platform::EMsgAnswer::kYes) {
        m_nProgramType = 0;
        UpdateData(false);
        return true;
    }
    // Edits made before are a step of their own, as Undo counts them; then the type and the
    // program without those values are one step, so that one Undo brings both back.
    if (m_bProgramModified) {
        model::CFrequencyProgram program = FieldsProgram();
        program.SetGroups(false);
        editor::StoreCurrentProgram(*m_pDoc, program, res::Tr(res::kStepEditProgram));
    }
    for (int slot : check.emptiedSlots) {
        m_fields[slot]->clear();
    }
    editor::StoreCurrentProgram(*m_pDoc, FieldsProgram(), res::Tr(res::kStepProgramType));
    ShowProgram();
    return true;
}

intptr_t CZelkorForm::SendMessage(unsigned nMsg, uintptr_t wParam, intptr_t lParam) {
    if (nMsg == res::WM_COMMITPROGRAM) {
        return OnCommitProgram(wParam, lParam);
    }
    return 0;
}

intptr_t CZelkorForm::OnCommitProgram(uintptr_t wParam, intptr_t /*lParam*/) {
    if (wParam == res::kCommitAsk) {
        SaveCurrentProgram();
    } else if (wParam == res::kCommitKeep && m_pDoc != nullptr) {
        CheckFocusedField();
        if (m_bProgramModified) {
            CommitFields();
        }
    }
    // Whatever was kept, the fields now show the stored program; dropped edits are gone.
    ShowProgram();
    return 0;
}

void CZelkorForm::SaveCurrentProgram() {
    if (m_pDoc == nullptr) {
        return;
    }
    CheckFocusedField();
    if (!m_bProgramModified) {
        return;
    }
    const auto answer = platform::ShowMessage(
        {res::Tr(res::kMsgSaveCurrentProgram), res::Tr(res::kCaptionProgramSave),
         platform::EMsgIcon::kQuestion, platform::EMsgButtons::kYesNo});
    if (answer != platform::EMsgAnswer::kYes) {
        return;
    }
    CommitFields();
}

std::array<std::string, model::kSlotCount> CZelkorForm::FieldTexts() const {
    std::array<std::string, model::kSlotCount> texts;
    for (int slot = 0; slot < model::kSlotCount; ++slot) {
        texts[slot] = FieldText(slot).toStdString();
    }
    return texts;
}

model::CFrequencyProgram CZelkorForm::FieldsProgram() const {
    return editor::CommittedProgram(m_pDoc->CurrentProgram(), m_nProgramType != 0, FieldTexts());
}

bool CZelkorForm::FieldsDifferFromStored() const {
    return m_pDoc != nullptr && m_bProgramModified &&
           !(FieldsProgram() == m_pDoc->CurrentProgram());
}

void CZelkorForm::CommitFields() {
    editor::StoreCurrentProgram(*m_pDoc, FieldsProgram(), res::Tr(res::kStepEditProgram));
}

}  // namespace ui
