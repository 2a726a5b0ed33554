#include <QApplication>

#include "app/qt_message_sink.h"
#include "app/qt_notify_dispatcher.h"
#include "app/zelkor_config_app.h"
#include "res/strings.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(res::kProfileApp));
    QApplication::setOrganizationName(QString::fromLatin1(res::kRegistryKey));
    app::CQtMessageSink messages;
    app::CQtNotifyDispatcher notifications;
    return app::theApp.Run(QApplication::arguments());
}
