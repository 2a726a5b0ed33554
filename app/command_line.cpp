#include "app/command_line.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "platform/console.h"
#include "ports/port_name.h"
#include "res/strings_app.h"
#include "res/strings_platform.h"
#include "res/version.h"

namespace app {

namespace {

QString Latin1(const char* text) {
    return QString::fromLatin1(text);
}

void Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// Where the program was started without a console to answer in (from the desktop, on Windows),
// the answer is a message box.
void ShowInWindow(const QString& text, QMessageBox::Icon icon) {
    QMessageBox box(icon, Latin1(res::kAppTitle), text.trimmed());
    box.exec();
}

}  // namespace

CCommandLine::CCommandLine()
    : m_help({QStringLiteral("h"), QStringLiteral("help")}, Latin1(res::kCmdLineHelpHelp)),
      m_version({QStringLiteral("v"), QStringLiteral("version")}, Latin1(res::kCmdLineVersionHelp)),
      m_port(QStringLiteral("port"), Latin1(res::kCmdLinePortHelp), Latin1(res::kCmdLinePortValue)),
      m_language(QStringLiteral("language"), Latin1(res::kCmdLineLanguageHelp),
                 Latin1(res::kCmdLineLanguageValue)) {
    m_parser.setApplicationDescription(Latin1(res::kCmdLineDescription));
    // Qt's own options (-style, -reverse, ...) are single-dash words; read as letters they
    // would spell -h or -v.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
    m_parser.addOption(m_port);
    m_parser.addOption(m_language);
    m_parser.addPositionalArgument(Latin1(res::kCmdLineFile), Latin1(res::kCmdLineFileHelp),
                                   Latin1(res::kCmdLineFileSyntax));
}

bool CCommandLine::Parse(const QStringList& arguments) {
    m_strError.clear();
    if (!m_parser.parse(arguments)) {
        m_strError = m_parser.errorText();
        return false;
    }
    // One document at a time: a second file would otherwise be dropped without a word.
    if (m_parser.positionalArguments().size() > 1) {
        m_strError = Latin1(res::kCmdLineOneFile);
        return false;
    }
    return true;
}

bool CCommandLine::WantsHelp() const {
    return m_parser.isSet(m_help);
}

bool CCommandLine::WantsVersion() const {
    return m_parser.isSet(m_version);
}

QString CCommandLine::VersionText() {
    return Latin1(res::kAppExecutable) + QLatin1Char(' ') + Latin1(res::kVersion) +
           QLatin1Char('\n');
}

std::optional<QString> CCommandLine::Language() const {
    if (!m_parser.isSet(m_language)) {
        return std::nullopt;
    }
    return m_parser.value(m_language);
}

std::optional<std::string> CCommandLine::Port() const {
    if (!m_parser.isSet(m_port)) {
        return std::nullopt;
    }
    // As zelkorctl takes it: a Windows port name stands for its device path, so that the port
    // in use is the same one Select Comm Port lists.
    return ports::PortPathFromName(m_parser.value(m_port).toStdString());
}

std::optional<std::string> CCommandLine::File() const {
    const QStringList files = m_parser.positionalArguments();
    if (files.isEmpty()) {
        return std::nullopt;
    }
    return files.first().toStdString();
}

std::optional<int> AnswerInfoOptions(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    // The options it knows are read even from a line it refuses: --help still answers.
    CCommandLine line;
    line.Parse(arguments);
    if (!line.WantsHelp() && !line.WantsVersion()) {
        return std::nullopt;
    }
    if (!platform::ReachStartingConsole()) {
        QApplication application(argc, argv);
        ShowInWindow(line.WantsHelp() ? line.HelpText() : CCommandLine::VersionText(),
                     QMessageBox::Information);
        return kExitOk;
    }
    // A core application names the program in the usage line and needs no display.
    QCoreApplication core(argc, argv);
    if (line.WantsHelp()) {
        Print(stdout, line.HelpText());
    } else {
        Print(stdout, CCommandLine::VersionText());
    }
    return kExitOk;
}

std::optional<int> RefuseBadCommandLine(const QStringList& arguments) {
    CCommandLine line;
    if (line.Parse(arguments)) {
        return std::nullopt;
    }
    const QString text = Latin1(res::kCmdLineError).arg(Latin1(res::kAppExecutable), line.Error());
    if (platform::ReachStartingConsole()) {
        Print(stderr, text);
    } else {
        ShowInWindow(text, QMessageBox::Warning);
    }
    return kExitUsage;
}

}  // namespace app
