#include "ui/upload/upload_progress_dlg.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/message_box.h"
#include "res/ids_upload.h"
#include "res/notifications.h"
#include "res/strings_upload.h"
#include "upload/time_left.h"
#include "widgets/control_ids.h"
#include "widgets/dialog_units.h"

namespace ui {

namespace {

// The dialog's measures in dialog units, as its template gives them.
constexpr int kDialogWidth = 187;
constexpr int kDialogHeight = 52;
constexpr int kMargin = 7;
constexpr int kBarHeight = 14;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kGap = 10;
constexpr int kFiguresGap = 3;  // the figures belong to the bar above them

constexpr int kRepaintIntervalMs = 1000 / CUploadProgressDlg::kRepaintsPerSecond;

QString Formatted(const char* format, int a, int b = 0) {
    return QString::asprintf(format, a, b);
}

QString TimeLeftText(std::chrono::seconds left) {
    const int seconds = static_cast<int>(left.count());
    if (seconds < 60) {
        return Formatted(res::Tr(res::kUploadSecondsLeft), seconds);
    }
    return Formatted(res::Tr(res::kUploadMinutesLeft), seconds / 60, seconds % 60);
}

}  // namespace

CUploadProgressDlg::CUploadProgressDlg(QWidget* pParent, upload::CUploadJob* pJob,
                                       devlink::CDeviceLink* pLink)
    : QDialog(pParent), m_pJob(pJob), m_pApp(pLink) {
    setWindowTitle(res::Tr(res::kUploadProgressCaption));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    widgets::SetControlId(this, res::IDD_UPLOAD_PROGRESS);
    BuildControls();
    m_repaintTimer.setSingleShot(true);
    connect(&m_repaintTimer, &QTimer::timeout, this, &CUploadProgressDlg::ShowProgress);
    // A silent device is told as such; the upload goes on waiting, and Cancel ends it.
    m_silenceTimer.setSingleShot(true);
    connect(&m_silenceTimer, &QTimer::timeout, this, [this] {
        m_pSilence->setText(QString::fromUtf8(res::Tr(res::kUploadSilent)));
        m_pSilence->show();
        adjustSize();
    });
}

CUploadProgressDlg::~CUploadProgressDlg() {
    platform::UnregisterNotifyTarget(m_hWnd);
}

void CUploadProgressDlg::BuildControls() {
    const widgets::CDialogUnits units(font());
    auto dx = [&units](int n) { return units.X(n); };
    auto dy = [&units](int n) { return units.Y(n); };

    m_progress = new QProgressBar(this);
    widgets::SetControlId(m_progress, res::IDC_UPLOAD_PROGRESS);
    m_progress->setTextVisible(false);
    m_progress->setMinimumHeight(dy(kBarHeight));
    m_progress->setAccessibleName(QString::fromUtf8(res::Tr(res::kAccUploadProgress)));

    // Under the bar: the share on the left, the time left on the right.
    m_pPercent = new QLabel(this);
    widgets::SetControlId(m_pPercent, res::IDC_STATIC, QStringLiteral("uploadPercent"));
    m_pTimeLeft = new QLabel(this);
    widgets::SetControlId(m_pTimeLeft, res::IDC_STATIC, QStringLiteral("uploadTimeLeft"));
    m_pTimeLeft->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* pFigures = new QHBoxLayout;
    pFigures->addWidget(m_pPercent);
    pFigures->addStretch();
    pFigures->addWidget(m_pTimeLeft);

    auto* pCancel = new QPushButton(res::Tr(res::kUploadCancel), this);
    widgets::SetControlId(pCancel, res::IDCANCEL);
    pCancel->setDefault(true);
    pCancel->setMinimumSize(dx(kButtonWidth), dy(kButtonHeight));
    connect(pCancel, &QPushButton::clicked, this, &CUploadProgressDlg::OnCancel);

    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(pCancel);
    pButtons->addStretch();

    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(dx(kMargin), dy(kMargin), dx(kMargin), dy(kMargin));
    pLayout->setSpacing(dy(kGap));
    auto* pBar = new QVBoxLayout;
    pBar->setSpacing(dy(kFiguresGap));
    pBar->addWidget(m_progress);
    pBar->addLayout(pFigures);
    pLayout->addLayout(pBar);
    m_pSilence = new QLabel(this);
    widgets::SetControlId(m_pSilence, res::IDC_STATIC, QStringLiteral("uploadSilence"));
    m_pSilence->setWordWrap(true);
    m_pSilence->hide();
    pLayout->addWidget(m_pSilence);
    pLayout->addLayout(pButtons);

    setFixedWidth(dx(kDialogWidth));
    setMinimumHeight(dy(kDialogHeight));
}

int CUploadProgressDlg::DoModal() {
    OnInitDialog();
    // However quick the job, its close request is posted, so it waits for this loop.
    const int nResult = exec();
    // A loop ended from outside (the application quits, and every loop with it) stops the
    // upload as Cancel does: no upload thread outlives the dialog, nor goes on unseen.
    if (!m_bEnded) {
        OnCancel();
    }
    // The job gave the device its time after the last block before it closed us.
    const upload::EUploadEnd end = m_pJob != nullptr ? m_pJob->End() : upload::EUploadEnd::kRunning;
    if (end == upload::EUploadEnd::kUnconfirmed || end == upload::EUploadEnd::kOtherBlock) {
        platform::ShowMessage({end == upload::EUploadEnd::kUnconfirmed
                                   ? res::Tr(res::kUploadNotConfirmed)
                                   : res::Tr(res::kUploadOtherBlock),
                               platform::ApplicationTitle(), platform::EMsgIcon::kWarning});
    }
    return nResult;
}

bool CUploadProgressDlg::OnInitDialog() {
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_pPercent->setText(Formatted(res::kUploadPercent, 0));
    m_sinceRepaint.start();
    m_started = std::chrono::steady_clock::now();
    m_silenceTimer.start(m_silenceNotice);
    m_hWnd =
        platform::RegisterNotifyTarget([this](uint32_t nMsg, uintptr_t wParam, intptr_t lParam) {
            OnNotify(nMsg, wParam, lParam);
        });
    if (m_pJob != nullptr && m_pApp != nullptr) {
        // A job that cannot start has told the user and counts as done; Cancel then closes us.
        m_pJob->Start(*m_pApp, m_hWnd);
    }
    return true;
}

void CUploadProgressDlg::OnNotify(uint32_t nMsg, uintptr_t wParam, intptr_t lParam) {
    if (nMsg == res::WM_UPLOADPROGRESS) {
        OnUploadProgress(wParam, lParam);
    } else if (nMsg == res::kNotifyCommand && wParam == upload::kIdCancel) {
        // The job's own close: the last acknowledgement's progress may still be on its way
        // behind it, so the bar takes the final figure from the job itself.
        m_bJobEnded = true;
        OnCancel();
    }
}

int CUploadProgressDlg::SentPercent() const {
    return m_pJob != nullptr ? m_pJob->Percent() : 0;
}

intptr_t CUploadProgressDlg::OnUploadProgress(uintptr_t, intptr_t) {
    m_silenceTimer.start(m_silenceNotice);
    m_pSilence->hide();
    // A whole book brings thousands of acknowledgements; the bar is redrawn at a steady pace
    // instead, always with the figure of the moment it is drawn.
    if (m_sinceRepaint.elapsed() >= kRepaintIntervalMs) {
        ShowProgress();
    } else if (!m_repaintTimer.isActive()) {
        m_repaintTimer.start(static_cast<int>(kRepaintIntervalMs - m_sinceRepaint.elapsed()));
    }
    return 0;
}

void CUploadProgressDlg::ShowProgress() {
    m_repaintTimer.stop();
    m_sinceRepaint.restart();
    const int percent = SentPercent();
    m_progress->setValue(percent);
    m_pPercent->setText(Formatted(res::kUploadPercent, percent));
    std::optional<std::chrono::seconds> left;
    if (m_pJob != nullptr && m_pJob->End() == upload::EUploadEnd::kRunning) {
        left = upload::EstimateTimeLeft(m_pJob->m_nSent.load(), m_pJob->m_nTotal,
                                        std::chrono::steady_clock::now() - m_started);
    }
    m_pTimeLeft->setText(left ? TimeLeftText(*left) : QString());
}

void CUploadProgressDlg::OnCancel() {
    if (m_bEnded) {
        return;
    }
    if (m_pJob != nullptr) {
        // Always, even when the job says it is done: it may still be in its closing pause, and
        // no upload thread may outlive the dialog. Cancel wakes it, so this returns at once.
        m_pJob->Cancel();
    }
    // The bar ends on the true figure, not on one held back by the repaint pacing.
    if (m_bJobEnded || m_repaintTimer.isActive()) {
        ShowProgress();
    }
    EndDialog(Rejected);
}

void CUploadProgressDlg::EndDialog(int nResult) {
    m_bEnded = true;
    m_silenceTimer.stop();
    platform::UnregisterNotifyTarget(m_hWnd);
    done(nResult);
}

}  // namespace ui
