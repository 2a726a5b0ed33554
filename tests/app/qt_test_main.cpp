// The suites with windows need a QApplication, and their settings must never reach the user's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>

#include "tests/test_support.h"
#include "widgets/translations.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // Test discovery runs the suite without the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QStandardPaths::setTestModeEnabled(true);
    testing_support::CTempDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(settingsDir.Path().string()));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QString::fromStdString(settingsDir.Path().string()));
    // ZELKOR_TEST_LANGUAGE=de: the windows in that language, to look at their screenshots.
    const QString language = qEnvironmentVariable("ZELKOR_TEST_LANGUAGE");
    if (!language.isEmpty()) {
        qputenv("LANGUAGE", language.toUtf8());
    }
    QApplication application(argc, argv);
    if (!language.isEmpty()) {
        widgets::AddCatalogueFolder(QStringLiteral(ZELKOR_BINARY_DIR "/app/translations"));
        widgets::InstallTranslations(language);
    }
    return RUN_ALL_TESTS();
}
