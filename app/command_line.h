// The window program's command line: a document to open, a port and a language for this run,
// and --help and --version, which are answered on the terminal without touching the window system
// (so that they work over ssh and in scripts with no display).
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

namespace app {

class CCommandLine {
public:
    CCommandLine();

    // The arguments as the program got them, its own name first. False when an option is not
    // known or lacks its value; Error() says which.
    bool Parse(const QStringList& arguments);
    QString Error() const { return m_strError; }

    bool WantsHelp() const;
    bool WantsVersion() const;
    // Needs a QCoreApplication for the program's name in the usage line.
    QString HelpText() const { return m_parser.helpText(); }
    static QString VersionText();

    // The port for this run: a device path, or a Windows port name (COM5 gives \\.\COM5).
    std::optional<std::string> Port() const;
    std::optional<std::string> File() const;
    // The language of the windows for this run (--language CODE); nullopt when not given.
    std::optional<QString> Language() const;

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    QCommandLineOption m_port;
    QCommandLineOption m_language;
    QString m_strError;
};

// Answers --help and --version on standard output, and gives the exit status; nullopt when
// neither was asked for and the program should start. Runs before the QApplication exists.
std::optional<int> AnswerInfoOptions(int argc, char** argv);

// The exit status for a command line that was not understood, after the message on standard
// error; nullopt when it was understood.
std::optional<int> RefuseBadCommandLine(const QStringList& arguments);

// Exit statuses of the window program.
inline constexpr int kExitOk = 0;
inline constexpr int kExitStartFailed = 1;
inline constexpr int kExitUsage = 2;

}  // namespace app
