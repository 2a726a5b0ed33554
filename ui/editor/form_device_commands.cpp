// The form's commands that talk to the device: the connection test and the two uploads. They
// belong to the form, but their logic is the upload's, so they live here.
#include <QPushButton>

#include "editor/program_check.h"
#include "platform/message_box.h"
#include "platform/text_format.h"
#include "res/ids_app.h"
#include "res/strings.h"
#include "ui/editor/zelkor_form.h"
#include "ui/upload/upload_progress_dlg.h"
#include "upload/upload_job.h"

namespace ui {

namespace {

// What the status bar keeps of an upload that the device did not confirm.
const char* UnconfirmedUploadText(upload::EUploadEnd end) {
    switch (end) {
        case upload::EUploadEnd::kLineLost:
            return res::kUploadStatusLineLost;
        case upload::EUploadEnd::kUnconfirmed:
            return res::kUploadStatusUnconfirmed;
        case upload::EUploadEnd::kOtherBlock:
            return res::kUploadStatusOtherBlock;
        default:
            return res::kUploadStatusCancelled;
    }
}

}  // namespace

void CZelkorForm::AddDeviceCommands() {
    AddCommand(res::ID_TEST_CONNECTION, [this] { OnTestConnection(); });
    AddCommand(res::ID_UPLOAD_CURRENT_PROGRAM, [this] { OnUploadCurrentProgram(); });
    connect(m_btnLoadDevice, &QPushButton::clicked, this, [this] { OnLoadDevice(); });
}

void CZelkorForm::OnTestConnection() {
    // The answer, if any, is the link's to report; nothing waits for it here.
    if (m_pLink != nullptr && PortChosen()) {
        m_pLink->SendConnectionTest();
    }
}

bool CZelkorForm::PortChosen() const {
    // Without an open port the system would only complain of a bad handle.
    if (m_pLink->IsOpen()) {
        return true;
    }
    platform::ShowAppMessage(res::kMsgNoPortSelected);
    return false;
}

void CZelkorForm::OnLoadDevice() {
    upload::CBookUploadJob job;
    if (!PrepareUpload(job, upload::CBookUploadJob::kDataSize, 0, model::kProgramCount)) {
        return;
    }
    job.Fill(m_pDoc->m_book);
    RunUpload(job, QString::fromLatin1(res::kUploadDoneBook));
}

void CZelkorForm::OnUploadCurrentProgram() {
    upload::CProgramUploadJob job;
    if (!PrepareUpload(job, upload::CProgramUploadJob::kDataSize, m_pDoc->m_nCurrent, 1)) {
        return;
    }
    job.Fill(m_pDoc->m_book, m_pDoc->m_nCurrent);
    RunUpload(job, NumberedText(res::kUploadDoneProgram, m_pDoc->m_nCurrent + 1));
}

bool CZelkorForm::PrepareUpload(upload::CUploadJob& job, int32_t nTotal, int nFirst, int nCount) {
    if (m_pLink == nullptr || !PortChosen()) {
        return false;
    }
    if (!job.AllocateData(nTotal)) {
        platform::ShowAppMessage(res::kOutOfMemory);
        return false;
    }
    // The prompt comes before the bytes are taken, so that edits the user saves now are what
    // the device gets.
    SaveCurrentProgram();
    // Nothing the device cannot take goes, not even the programs before it.
    if (const auto ruleBreak = editor::FirstRuleBreak(m_pDoc->m_book, nFirst, nCount)) {
        platform::ShowMessage({platform::FormatText(res::kUploadRefused,
                                                    editor::DescribeRuleBreak(*ruleBreak).c_str()),
                               platform::ApplicationTitle(), platform::EMsgIcon::kWarning});
        return false;
    }
    return true;
}

void CZelkorForm::RunUpload(upload::CUploadJob& job, const QString& strDone) {
    // What the status bar said of an earlier upload is not true of this one.
    emit StatusMessage(QString());
    ui::CUploadProgressDlg dlg(window(), &job, m_pLink);
    dlg.DoModal();
    const upload::EUploadEnd end = job.End();
    emit StatusMessage(end == upload::EUploadEnd::kConfirmed
                           ? strDone
                           : QString::fromLatin1(UnconfirmedUploadText(end)));
}

}  // namespace ui
