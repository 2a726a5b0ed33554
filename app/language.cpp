#include "app/language.h"

#include <QSettings>
#include <iterator>

#include "res/strings_app.h"

namespace app {

namespace {

constexpr SLanguage kLanguages[] = {
    {"en", res::kLanguageEnglish},
    {"de", res::kLanguageGerman},
    {"fr", res::kLanguageFrench},
    {"es", res::kLanguageSpanish},
};

QSettings Settings() {
    return QSettings(QString::fromUtf8(res::kRegistryKey), QString::fromUtf8(res::kProfileApp));
}

QString LanguageKey() {
    return QString::fromUtf8(res::kConfigSection) + QLatin1Char('/') +
           QString::fromUtf8(res::kLanguageEntry);
}

}  // namespace

const SLanguage* OfferedLanguages(int& nCount) {
    nCount = static_cast<int>(std::size(kLanguages));
    return kLanguages;
}

QString SavedLanguage() {
    return Settings().value(LanguageKey(), QString()).toString();
}

void SaveLanguage(const QString& code) {
    QSettings settings = Settings();
    if (code.isEmpty()) {
        settings.remove(LanguageKey());
    } else {
        settings.setValue(LanguageKey(), code);
    }
    settings.sync();
}

}  // namespace app
