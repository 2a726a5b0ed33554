#include "app/qt_message_sink.h"

#include <algorithm>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QThread>

namespace app {

using platform::EMsgAnswer;
using platform::EMsgButtons;
using platform::EMsgIcon;

namespace {

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

// The box takes the width of its main text, and a file's name under a short text would break at
// every space: the detail gets the width of its longest line, up to half the screen.
void KeepLinesWhole(QMessageBox& box, const QString& detail) {
    auto* pLabel = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
    if (pLabel == nullptr) {
        return;
    }
    int widest = 0;
    for (const QString& line : detail.split(QLatin1Char('\n'))) {
        widest = std::max(widest, pLabel->fontMetrics().horizontalAdvance(line));
    }
    const QScreen* pScreen = box.screen();
    const int limit = pScreen != nullptr ? pScreen->availableGeometry().width() / 2 : widest;
    pLabel->setMinimumWidth(std::min(widest, limit));
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
    // The informative text takes rich text where it sees a tag; a file name may look like one.
    const std::string detail = platform::DetailLines(request);
    if (!detail.empty()) {
        const QString shown = QString::fromStdString(detail);
        box.setInformativeText(Qt::convertFromPlainText(shown, Qt::WhiteSpaceNormal));
        KeepLinesWhole(box, shown);
    }
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
            break;
        case EMsgButtons::kSaveDiscardCancel:
            box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Save);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
    }
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
