#include "app/qt_message_sink.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>
#include <QThread>

namespace app {

using platform::EMsgAnswer;
using platform::EMsgButtons;
using platform::EMsgIcon;

namespace {

// What a title bar holds beside its caption, in title-bar heights: the icon, the close button and
// the space between.
constexpr int kTitleBarButtons = 4;

QMessageBox::Icon BoxIcon(EMsgIcon icon) {
    switch (icon) {
        case EMsgIcon::kWarning:
            return QMessageBox::Warning;
        case EMsgIcon::kQuestion:
            return QMessageBox::Question;
        case EMsgIcon::kNone:
            break;
    }
    return QMessageBox::NoIcon;
}

bool OnUiThread() {
    return QCoreApplication::instance() != nullptr &&
           QThread::currentThread() == QCoreApplication::instance()->thread();
}

// Under the text, a line each: the subject (a file's path) and the detail (the system's reason).
// The box takes the width of its main text, and a path under a short text would break at every
// space: the path is never broken at its spaces, and the box grows to show it on one line, up to
// three quarters of the screen; a longer one breaks only after a folder separator. The reason
// wraps as words do, past half the screen. The label lays its text out in fractions of a pixel
// and may draw it in another font than it was measured in (Wine substitutes missing ones), so the
// path has a character's width to spare rather than break after "C:".
void ShowDetail(QMessageBox& box, const platform::SMessageRequest& request) {
    if (request.subject.empty() && request.detail.empty()) {
        return;
    }
    box.setInformativeText(QStringLiteral(" "));  // the label, to measure in its own font
    auto* pLabel = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
    const QFontMetrics metrics = pLabel != nullptr ? pLabel->fontMetrics() : box.fontMetrics();
    const QScreen* pScreen = box.screen();
    const int screen = pScreen != nullptr ? pScreen->availableGeometry().width() : 0;
    // A path is shown as the system writes it (C:\work\book.vq), whichever way it came in.
    QString subject = QDir::toNativeSeparators(QString::fromStdString(request.subject));
    const QString detail = QString::fromStdString(request.detail);
    const QFontMetricsF exact(pLabel != nullptr ? pLabel->font() : box.font());
    const int pathWidth =
        static_cast<int>(std::ceil(exact.horizontalAdvance(subject))) + metrics.averageCharWidth();
    const int subjectWidth = std::min(pathWidth, screen * 3 / 4);
    if (subjectWidth < pathWidth) {
        subject.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
        subject.replace(QLatin1Char('\\'), QStringLiteral("\\\u200B"));
    }
    subject.replace(QLatin1Char(' '), QChar(QChar::Nbsp));
    QStringList lines;
    for (const QString& line : {subject, detail}) {
        if (!line.isEmpty()) {
            lines.append(line);
        }
    }
    // The informative text takes rich text where it sees a tag; a file name may look like one.
    box.setInformativeText(
        Qt::convertFromPlainText(lines.join(QLatin1Char('\n')), Qt::WhiteSpaceNormal));
    if (pLabel != nullptr) {
        pLabel->setMinimumWidth(
            std::max(subjectWidth, std::min(metrics.horizontalAdvance(detail), screen / 2)));
    }
}

// The box is as wide as its caption needs in the system's title font (bold, as some systems draw
// it) with room for the title bar's icon and buttons; Qt allows 50 pixels for those, which cuts a
// caption short under Wine ("Zelk…onfig"). The button row spans the box, so its width sets the
// box's.
void FitCaption(QMessageBox& box) {
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const int titleBar = box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    const QScreen* pScreen = box.screen();
    const int screen = pScreen != nullptr ? pScreen->availableGeometry().width() : 0;
    const int needs = std::min(
        QFontMetrics(font).horizontalAdvance(box.windowTitle()) + kTitleBarButtons * titleBar,
        screen * 3 / 4);
    auto* pButtons = box.findChild<QDialogButtonBox*>();
    if (pButtons != nullptr && box.layout() != nullptr) {
        const QMargins margins = box.layout()->contentsMargins();
        pButtons->setMinimumWidth(needs - margins.left() - margins.right());
    }
}

void NameButton(QMessageBox& box, QMessageBox::StandardButton which, const std::string& text) {
    if (!text.empty()) {
        box.button(which)->setText(QString::fromStdString(text));
    }
}

// Touched on the user-interface thread only.
QPointer<QWidget> g_owner;

}  // namespace

void CQtMessageSink::SetOwner(QWidget* pOwner) {
    g_owner = pOwner;
}

CQtMessageSink::CQtMessageSink() : m_pPrevious(platform::SetMessageSink(this)) {}

CQtMessageSink::~CQtMessageSink() {
    platform::SetMessageSink(m_pPrevious);
}

EMsgAnswer CQtMessageSink::RunBox(const platform::SMessageRequest& request) {
    QWidget* pOwner = g_owner.data();
    QMessageBox box(BoxIcon(request.icon), QString::fromStdString(request.caption),
                    QString::fromStdString(request.text), QMessageBox::NoButton,
                    request.bOwned ? pOwner : nullptr);
    box.setTextFormat(Qt::PlainText);
    ShowDetail(box, request);
    switch (request.buttons) {
        case EMsgButtons::kOk:
            box.setStandardButtons(QMessageBox::Ok);
            box.setDefaultButton(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Ok);
            break;
        case EMsgButtons::kYesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::No);
            NameButton(box, QMessageBox::Yes, request.yesText);
            NameButton(box, QMessageBox::No, request.noText);
            break;
        case EMsgButtons::kSaveDiscardCancel:
            box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Save);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
    }
    FitCaption(box);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Ok:
            return EMsgAnswer::kOk;
        case QMessageBox::Yes:
            return EMsgAnswer::kYes;
        case QMessageBox::No:
            return EMsgAnswer::kNo;
        case QMessageBox::Save:
            return EMsgAnswer::kSave;
        case QMessageBox::Discard:
            return EMsgAnswer::kDiscard;
        case QMessageBox::Cancel:
            return EMsgAnswer::kCancel;
        default:
            return platform::DismissAnswer(request.buttons);
    }
}

EMsgAnswer CQtMessageSink::Show(const platform::SMessageRequest& request) {
    if (OnUiThread()) {
        return RunBox(request);
    }
    if (QCoreApplication::instance() == nullptr) {
        return platform::DismissAnswer(request.buttons);
    }
    // Another thread waits for the answer; the box itself runs on the user-interface thread.
    EMsgAnswer answer = platform::DismissAnswer(request.buttons);
    QMetaObject::invokeMethod(
        qApp, [&answer, &request] { answer = RunBox(request); }, Qt::BlockingQueuedConnection);
    return answer;
}

void CQtMessageSink::Post(const platform::SMessageRequest& request) {
    if (QCoreApplication::instance() == nullptr) {
        return;
    }
    QMetaObject::invokeMethod(
        qApp, [request] { RunBox(request); }, Qt::QueuedConnection);
}

}  // namespace app
