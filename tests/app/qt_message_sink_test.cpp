// The Qt message boxes: the answer of each key, and boxes asked for by other threads run on the
// user-interface thread without that thread ever waiting for them.
#include "app/qt_message_sink.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QStyle>
#include <QTest>
#include <QTextDocument>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <thread>

namespace {

using platform::EMsgAnswer;
using platform::EMsgButtons;
using platform::EMsgIcon;

// Presses a key in the next message box that comes up, and notes on which thread it ran.
class CBoxPresser : public QObject {
public:
    CBoxPresser(Qt::Key key) : m_key(key) {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (pBox == nullptr) {
                return;
            }
            m_bOnUiThread = QThread::currentThread() == qApp->thread();
            m_strText = pBox->text();
            m_icon = pBox->icon();
            // What the user reads under the text, and whether it is really shown there.
            auto* pMain = pBox->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            auto* pInfo = pBox->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
            if (pInfo != nullptr && pMain != nullptr) {
                QTextDocument shown;
                shown.setHtml(pInfo->text());
                m_strInformative = shown.toPlainText();
                m_bInformativeBelow = pInfo->isVisible() && pInfo->y() > pMain->y();
            }
            // How many lines the path took, as the label lays it out.
            m_nInformativeHeight = pInfo != nullptr ? pInfo->height() : 0;
            m_nWidth = pBox->width();
            m_timer.stop();
            QTest::keyClick(pBox, m_key);
        });
        m_timer.start(5);
    }

    QTimer m_timer;
    Qt::Key m_key;
    bool m_bOnUiThread = false;
    QString m_strText;
    QString m_strInformative;
    bool m_bInformativeBelow = false;
    int m_nInformativeHeight = 0;
    int m_nWidth = 0;
    QMessageBox::Icon m_icon = QMessageBox::NoIcon;
};

struct SKeyCase {
    EMsgButtons buttons;
    Qt::Key key;
    EMsgAnswer answer;
};

TEST(QtMessageSink, KeysAnswerAsTheOldBoxesDid) {
    app::CQtMessageSink sink;
    const SKeyCase cases[] = {
        {EMsgButtons::kOk, Qt::Key_Escape, EMsgAnswer::kOk},
        {EMsgButtons::kOk, Qt::Key_Return, EMsgAnswer::kOk},
        {EMsgButtons::kYesNo, Qt::Key_Escape, EMsgAnswer::kNo},
        {EMsgButtons::kYesNo, Qt::Key_Return, EMsgAnswer::kYes},
        {EMsgButtons::kSaveDiscardCancel, Qt::Key_Escape, EMsgAnswer::kCancel},
        {EMsgButtons::kSaveDiscardCancel, Qt::Key_Return, EMsgAnswer::kSave},
    };
    for (const auto& c : cases) {
        CBoxPresser presser(c.key);
        const auto answer =
            platform::ShowMessage({"Question?", "ZelkorConfig", EMsgIcon::kQuestion, c.buttons});
        EXPECT_EQ(answer, c.answer) << static_cast<int>(c.buttons) << " " << c.key;
        EXPECT_EQ(presser.m_icon, QMessageBox::Question);
    }
}

TEST(QtMessageSink, AnotherThreadsBoxRunsOnTheUiThreadAndItsAnswerGoesBack) {
    app::CQtMessageSink sink;
    CBoxPresser presser(Qt::Key_Escape);
    std::atomic<bool> bDone{false};
    EMsgAnswer answer = EMsgAnswer::kYes;
    std::thread worker([&] {
        answer = platform::ShowMessage(
            {"From the reader", "ZelkorConfig", EMsgIcon::kNone, EMsgButtons::kYesNo});
        bDone = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return bDone.load(); }, 10000));
    worker.join();
    EXPECT_EQ(answer, EMsgAnswer::kNo);
    EXPECT_TRUE(presser.m_bOnUiThread);
    EXPECT_EQ(presser.m_strText, "From the reader");
}

TEST(QtMessageSink, PostNeverWaits) {
    app::CQtMessageSink sink;
    std::thread worker([] {
        platform::PostMessageBox(
            {"Acknowledge", "ZelkorConfig", EMsgIcon::kNone, EMsgButtons::kOk, false});
    });
    worker.join();  // returned without any box having been shown
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    CBoxPresser presser(Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !presser.m_strText.isEmpty(); }, 10000));
    EXPECT_EQ(presser.m_strText, "Acknowledge");
}

TEST(QtMessageSink, SubjectAndDetailAreShownUnderTheTextAsTheyStand) {
    app::CQtMessageSink sink;
    struct SCase {
        std::string subject;
        std::string detail;
        const char* shown;
    };
    const SCase cases[] = {
        {"/tmp/<b>odd</b>.vq", "No such file or directory",
         "/tmp/<b>odd</b>.vq\nNo such file or directory"},
        {"/home/user/book.csv", "", "/home/user/book.csv"},
        // Wider than half the screen, with spaces: on one line all the same.
        {"/home/user/VQ7100 books/North-east sites, spring 2024/book one.vq", "Permission denied",
         "/home/user/VQ7100 books/North-east sites, spring 2024/book one.vq\nPermission denied"},
        {"", "", ""},
    };
    int twoLines = 0;
    for (const SCase& c : cases) {
        CBoxPresser presser(Qt::Key_Return);
        platform::SMessageRequest request{"File had a read error", "ZelkorConfig"};
        request.subject = c.subject;
        request.detail = c.detail;
        EXPECT_EQ(platform::ShowMessage(request), EMsgAnswer::kOk);
        EXPECT_EQ(presser.m_strText, "File had a read error");
        EXPECT_EQ(presser.m_strInformative, QDir::toNativeSeparators(QString::fromLatin1(c.shown)))
            << c.subject;
        EXPECT_EQ(presser.m_bInformativeBelow, *c.shown != '\0') << c.subject;
        if (!c.detail.empty()) {  // the path on one line, the reason on the next
            twoLines = twoLines != 0 ? twoLines : presser.m_nInformativeHeight;
            EXPECT_EQ(presser.m_nInformativeHeight, twoLines) << c.subject;
        }
    }
}

TEST(QtMessageSink, ABoxLeavesItsCaptionRoomBesideTheTitleBarsIconAndButtons) {
    app::CQtMessageSink sink;
    CBoxPresser presser(Qt::Key_Return);
    const QString caption = QStringLiteral("A caption far longer than the text under it");
    platform::ShowMessage({"Done.", caption.toStdString()});
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const int titleBar = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
    EXPECT_GT(presser.m_nWidth, QFontMetrics(font).horizontalAdvance(caption) + 2 * titleBar);
}

}  // namespace
