#include "widgets/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include "res/translate.h"

namespace widgets {

namespace {

constexpr char kCatalogue[] = "zelkorconfig";
// Qt's catalogue of the widgets' own texts: standard buttons, file and print dialogs.
constexpr char kQtCatalogue[] = "qtbase";

QStringList& ExtraFolders() {
    static QStringList folders;
    return folders;
}

std::unique_ptr<QTranslator>& Catalogue() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator>& QtCatalogue() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// The translations the core's texts were given, kept for as long as the program runs: the core
// holds on to the pointers. Background threads format messages too.
std::mutex& CacheMutex() {
    static std::mutex mutex;
    return mutex;
}

std::unordered_map<std::string, QByteArray>& Cache() {
    static std::unordered_map<std::string, QByteArray> cache;
    return cache;
}

const char* TranslateText(const char* source) {
    const std::lock_guard<std::mutex> lock(CacheMutex());
    auto& cache = Cache();
    auto found = cache.find(source);
    if (found == cache.end()) {
        const QString text = QCoreApplication::translate(res::kTextContext, source);
        found = cache.emplace(source, text.toUtf8()).first;
    }
    return found->second.constData();
}

std::unique_ptr<QTranslator> Load(const QLocale& locale, const char* catalogue) {
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : CatalogueFolders()) {
        if (translator->load(locale, QString::fromUtf8(catalogue), QStringLiteral("_"), folder)) {
            return translator;
        }
    }
    return nullptr;
}

}  // namespace

QStringList CatalogueFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    return ExtraFolders() +
           QStringList{programFolder + QStringLiteral("/translations"),
                       programFolder + QStringLiteral("/../share/zelkorconfig/translations"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
}

void AddCatalogueFolder(const QString& folder) {
    ExtraFolders().prepend(folder);
}

QString InstallTranslations(const QString& code) {
    RemoveTranslations();
    const QLocale locale = code.isEmpty() ? QLocale::system() : QLocale(code);
    std::unique_ptr<QTranslator> catalogue = Load(locale, kCatalogue);
    if (catalogue == nullptr) {
        return QString();
    }
    // Qt's texts in the language the program's catalogue has, never in another one.
    const QLocale taken(catalogue->language());
    QCoreApplication::installTranslator(catalogue.get());
    Catalogue() = std::move(catalogue);
    if (auto qt = Load(taken, kQtCatalogue)) {
        QCoreApplication::installTranslator(qt.get());
        QtCatalogue() = std::move(qt);
    }
    res::SetTranslator(&TranslateText);
    return QLocale::languageToCode(taken.language());
}

void RemoveTranslations() {
    res::SetTranslator(nullptr);
    for (auto* pTranslator : {&Catalogue(), &QtCatalogue()}) {
        if (*pTranslator != nullptr) {
            QCoreApplication::removeTranslator(pTranslator->get());
            pTranslator->reset();
        }
    }
    const std::lock_guard<std::mutex> lock(CacheMutex());
    Cache().clear();
}

}  // namespace widgets
