// Each catalogue as scripts/update-translations makes it from the texts that res/ marks today:
// every text translated and none left over, so that a text added without its translations is
// named here; and each translation keeps its source's placeholders, accelerator count, keys and
// numbers (the fields read a decimal point in every language).
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>
#include <cstdlib>
#include <map>

#include "tests/test_support.h"

namespace {

struct SMessage {
    QString translation;
    bool bFinished = false;
};

// Source text to translation, as lupdate writes a catalogue.
std::map<QString, SMessage> ReadCatalogue(const std::string& path) {
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    std::map<QString, SMessage> messages;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            messages[source] = {xml.readElementText(), type.isEmpty()};
        }
    }
    EXPECT_FALSE(xml.hasError()) << path << ": " << xml.errorString().toStdString();
    return messages;
}

QStringList Matches(const QString& text, const QRegularExpression& pattern) {
    QStringList found;
    for (const auto& match : pattern.globalMatch(text)) {
        found << match.captured();
    }
    return found;
}

// printf's in their order (the arguments come in that order); Qt's %1 in any order.
std::string Placeholders(const QString& text) {
    static const QRegularExpression printf(QStringLiteral("%(%|l{0,2}[dusx]|lx)"));
    static const QRegularExpression numbered(QStringLiteral("%[1-9]"));
    QStringList qt = Matches(text, numbered);
    qt.sort();
    return (Matches(text, printf) + qt).join(QLatin1Char(' ')).toStdString();
}

int Accelerators(const QString& text) {
    return static_cast<int>(text.count(QLatin1Char('&')) - 2 * text.count(QStringLiteral("&&")));
}

QString Keys(const QString& text) {
    return text.section(QLatin1Char('\t'), 1);
}

QStringList DecimalNumbers(const QString& text) {
    static const QRegularExpression decimal(QStringLiteral("\\d+\\.\\d+"));
    return Matches(text, decimal);
}

std::string Joined(const QStringList& texts) {
    return texts.join(QStringLiteral("\n  ")).toStdString();
}

class Catalogue : public testing::TestWithParam<const char*> {
protected:
    std::string Committed() const {
        return std::string(ZELKOR_SOURCE_DIR) + "/data/translations/zelkorconfig_" + GetParam() +
               ".ts";
    }
    testing_support::CTempDir m_dir;
};

TEST_P(Catalogue, TranslatesEveryMarkedTextAndNothingElse) {
    const std::string update = std::string(ZELKOR_SOURCE_DIR) +
                               "/scripts/update-translations --into '" + m_dir.Path().string() +
                               "' '" + Committed() + "'";
    ASSERT_EQ(std::system(update.c_str()), 0) << update;
    const auto current =
        ReadCatalogue(m_dir.File(std::string("zelkorconfig_") + GetParam() + ".ts"));
    const auto committed = ReadCatalogue(Committed());
    QStringList untranslated;
    QStringList leftOver;
    for (const auto& [source, message] : current) {
        if (!message.bFinished || message.translation.isEmpty()) {
            untranslated << source;
        }
    }
    for (const auto& [source, message] : committed) {
        if (current.count(source) == 0) {
            leftOver << source;
        }
    }
    EXPECT_GT(current.size(), 200u);
    EXPECT_TRUE(untranslated.isEmpty())
        << "Run scripts/update-translations and translate:\n  " << Joined(untranslated);
    EXPECT_TRUE(leftOver.isEmpty())
        << "No longer in the program (scripts/update-translations drops them):\n  "
        << Joined(leftOver);
}

TEST_P(Catalogue, KeepsPlaceholdersAcceleratorsKeysAndNumbers) {
    for (const auto& [source, message] : ReadCatalogue(Committed())) {
        SCOPED_TRACE(source.toStdString());
        const QString& text = message.translation;
        EXPECT_EQ(Placeholders(text), Placeholders(source));
        EXPECT_EQ(Accelerators(text), Accelerators(source));
        EXPECT_EQ(Keys(text), Keys(source));
        for (const QString& number : DecimalNumbers(source)) {
            EXPECT_TRUE(text.contains(number)) << number.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, Catalogue, testing::Values("de", "fr", "es"));

}  // namespace
