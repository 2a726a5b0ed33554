#include "ui/editor/form_device_commands.h"

#include <QWidget>

#include "devlink/port_setting.h"
#include "editor/program_check.h"
#include "model/zelkor_config_doc.h"
#include "platform/message_box.h"
#include "platform/text_format.h"
#include "res/strings_editor.h"
#include "res/strings_link.h"
#include "res/strings_model.h"
#include "res/strings_upload.h"
#include "ui/editor/zelkor_form.h"
#include "ui/upload/upload_progress_dlg.h"
#include "upload/upload_job.h"

namespace ui {

namespace {

// What the status bar keeps of an upload that the device did not confirm.
const char* UnconfirmedUploadText(upload::EUploadEnd end) {
    switch (end) {
        case upload::EUploadEnd::kLineLost:
            return res::Tr(res::kUploadStatusLineLost);
        case upload::EUploadEnd::kUnconfirmed:
            return res::Tr(res::kUploadStatusUnconfirmed);
        case upload::EUploadEnd::kOtherBlock:
            return res::Tr(res::kUploadStatusOtherBlock);
        default:
            return res::Tr(res::kUploadStatusCancelled);
    }
}

}  // namespace

CFormDeviceCommands::CFormDeviceCommands(QWidget* pOwner,
                                         std::function<void()> fnSaveCurrentProgram)
    : m_pOwner(pOwner), m_fnSaveCurrentProgram(std::move(fnSaveCurrentProgram)) {}

void CFormDeviceCommands::OnTestConnection() {
    // The answer, if any, is the link's to report; nothing waits for it here.
    if (m_pLink != nullptr && PortChosen()) {
        m_pLink->SendConnectionTest();
    }
}

bool CFormDeviceCommands::PortChosen() const {
    // A port that was not there at start, or whose line went, may be back: it is tried again.
    if (m_pPortSetting != nullptr && !m_pPortSetting->PortPath().empty()) {
        return m_pPortSetting->OpenForUse();
    }
    // Without an open port the system would only complain of a bad handle.
    if (m_pLink->IsOpen()) {
        return true;
    }
    platform::ShowAppMessage(res::Tr(res::kMsgNoPortSelected));
    return false;
}

void CFormDeviceCommands::OnLoadDevice() {
    upload::CBookUploadJob job;
    if (!PrepareUpload(job, upload::CBookUploadJob::kDataSize, 0, model::kProgramCount)) {
        return;
    }
    job.Fill(m_pDoc->Book());
    RunUpload(job, QString::fromUtf8(res::Tr(res::kUploadDoneBook)));
}

void CFormDeviceCommands::OnUploadCurrentProgram() {
    upload::CProgramUploadJob job;
    if (m_pDoc == nullptr ||
        !PrepareUpload(job, upload::CProgramUploadJob::kDataSize, m_pDoc->Current(), 1)) {
        return;
    }
    // The program on display after the save prompt, which shows no other.
    job.Fill(m_pDoc->Book(), m_pDoc->Current());
    RunUpload(job, NumberedText(res::Tr(res::kUploadDoneProgram), m_pDoc->Current() + 1));
}

bool CFormDeviceCommands::PrepareUpload(upload::CUploadJob& job, int32_t nTotal, int nFirst,
                                        int nCount) {
    if (m_pDoc == nullptr || m_pLink == nullptr || !PortChosen()) {
        return false;
    }
    if (!job.AllocateData(nTotal)) {
        platform::ShowAppMessage(res::Tr(res::kOutOfMemory));
        return false;
    }
    // The prompt comes before the bytes are taken, so that edits the user saves now are what
    // the device gets.
    m_fnSaveCurrentProgram();
    // Nothing the device cannot take goes, not even the programs before it.
    if (const auto ruleBreak = editor::FirstRuleBreak(m_pDoc->Book(), nFirst, nCount)) {
        platform::ShowMessage({platform::FormatText(res::Tr(res::kUploadRefused),
                                                    editor::DescribeRuleBreak(*ruleBreak).c_str()),
                               platform::ApplicationTitle(), platform::EMsgIcon::kWarning});
        return false;
    }
    return true;
}

void CFormDeviceCommands::RunUpload(upload::CUploadJob& job, const QString& strDone) {
    // What the status bar said of an earlier upload is not true of this one.
    emit StatusMessage(QString());
    CUploadProgressDlg dlg(m_pOwner->window(), &job, m_pLink);
    m_pRunning = &dlg;
    dlg.DoModal();
    m_pRunning = nullptr;
    const upload::EUploadEnd end = job.End();
    emit StatusMessage(end == upload::EUploadEnd::kConfirmed
                           ? strDone
                           : QString::fromUtf8(UnconfirmedUploadText(end)));
}

bool CFormDeviceCommands::UploadRunning() const {
    return !m_pRunning.isNull();
}

void CFormDeviceCommands::CancelUpload() {
    if (m_pRunning != nullptr) {
        static_cast<QDialog*>(m_pRunning.data())->reject();  // the dialog's Cancel
    }
}

}  // namespace ui
