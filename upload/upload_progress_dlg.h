// Uploading Progress: the modal dialog that runs one upload job. It tells the link to report
// acknowledgements to it, starts the job's thread, moves its bar as the device acknowledges and
// closes when the job has sent its last block or the user cancels.
//
// Threads: user-interface thread only. The link and the job reach it through posted
// notifications, which stop reaching it once it has ended, so an acknowledgement that comes
// after the dialog has closed does nothing.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>

#include "link/device_link.h"
#include "platform/notify.h"
#include "upload/upload_job.h"

class QProgressBar;

namespace upload {

class CUploadProgressDlg : public QDialog {
    Q_OBJECT

public:
    explicit CUploadProgressDlg(QWidget* pParent = nullptr);
    ~CUploadProgressDlg() override;

    // Initialises the dialog (which starts the job), then runs it until the upload has ended.
    int DoModal();

    // Set by the command before the dialog runs; neither is owned. m_pApp is the link the
    // dialog registers with: the one piece of the application it needs.
    CUploadJob* m_pJob = nullptr;
    devlink::CDeviceLink* m_pApp = nullptr;
    QProgressBar* m_progress = nullptr;

    // At most this many bar repaints a second are enough to look smooth.
    static constexpr int kRepaintsPerSecond = 10;

protected:
    bool OnInitDialog();
    intptr_t OnUploadProgress(uintptr_t wParam, intptr_t lParam);
    void OnCancel();
    // Escape and the close box come here.
    void reject() override { OnCancel(); }

private:
    void BuildControls();
    void OnNotify(uint32_t nMsg, uintptr_t wParam, intptr_t lParam);
    int SentPercent() const;
    void ShowProgress();
    void EndDialog(int nResult);

    platform::NotifyHandle m_hWnd = platform::kNoNotify;
    QElapsedTimer m_sinceRepaint;
    QTimer m_repaintTimer;     // a progress step held back until the next repaint is due
    bool m_bJobEnded = false;  // the job closed the dialog after its last block
    bool m_bEnded = false;
};

}  // namespace upload
