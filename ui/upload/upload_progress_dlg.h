// Uploading Progress: the modal dialog that runs one upload job. It starts the job through the
// link (which then reports acknowledgements to it), moves its bar and shows the share and the
// time left as the device acknowledges, and closes when the job has sent its last block or the
// user cancels, or the job stops. When the device has not confirmed the last block within its
// silence time-out after it went (the job's m_confirmWait), or answered for another block than
// the one sent, the user is told so, after the dialog has gone.
//
// Threads: user-interface thread only. The link and the job reach it through posted
// notifications, which stop reaching it once it has ended, so an acknowledgement that comes
// after the dialog has closed does nothing.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <memory>

#include "devlink/device_link.h"
#include "platform/notify.h"
#include "upload/upload_job.h"

class QLabel;
class QProgressBar;

namespace ui {

class CUploadProgressDlg : public QDialog {
    Q_OBJECT

public:
    // The job to run and the link it goes through; the dialog starts the job on the link.
    explicit CUploadProgressDlg(QWidget* pParent = nullptr, upload::CUploadJob* pJob = nullptr,
                                devlink::CDeviceLink* pLink = nullptr);
    ~CUploadProgressDlg() override;

    // Initialises the dialog (which starts the job), then runs it until the upload has ended;
    // an upload the device did not confirm, or whose answers went astray, is reported before it
    // returns.
    int DoModal();

    // Given by the command (through the constructor) before the dialog runs; neither is owned.
    // m_pApp is the link the job goes through: the one piece of the application it needs.
    upload::CUploadJob* m_pJob = nullptr;
    devlink::CDeviceLink* m_pApp = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_pPercent = nullptr;
    QLabel* m_pTimeLeft = nullptr;
    // Shown while the device has said nothing for m_silenceNotice.
    QLabel* m_pSilence = nullptr;

    // At most this many bar repaints a second are enough to look smooth.
    static constexpr int kRepaintsPerSecond = 10;
    // A device that answers takes milliseconds; after this long the user hears of the silence.
    static constexpr std::chrono::seconds kSilenceNotice{5};
    std::chrono::milliseconds m_silenceNotice = kSilenceNotice;

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
    std::chrono::steady_clock::time_point m_started;
    QTimer m_repaintTimer;     // a progress step held back until the next repaint is due
    QTimer m_silenceTimer;     // restarted by every acknowledgement
    bool m_bJobEnded = false;  // the job closed the dialog after its last block
    bool m_bEnded = false;
};

}  // namespace ui
