#include <QApplication>

#include "app/command_line.h"
#include "app/qt_message_sink.h"
#include "app/qt_notify_dispatcher.h"
#include "app/zelkor_config_app.h"
#include "platform/console_interrupt.h"
#include "res/strings_app.h"
#include "res/version.h"

int main(int argc, char* argv[]) {
    if (const auto status = app::AnswerInfoOptions(argc, argv)) {
        return *status;
    }
    // Before any thread starts, so that the signals to end reach the watch's thread alone: the
    // program then ends as Exit ends it, an upload cancelled first, rather than cut short.
    platform::CConsoleInterrupt endRequests([] {
        if (QCoreApplication::instance() != nullptr) {
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] { app::theApp.OnEndRequested(); },
                Qt::QueuedConnection);
        }
    });
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(res::kProfileApp));
    QApplication::setOrganizationName(QString::fromLatin1(res::kRegistryKey));
    QApplication::setApplicationVersion(QString::fromLatin1(res::kVersion));
    // Lets Wayland and the task bar find the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(res::kAppId));
    app::CQtMessageSink messages;
    app::CQtNotifyDispatcher notifications;
    return app::theApp.Run(QApplication::arguments());
}
