// zelkorctl: the program's work without windows, for scripts and for checking.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/standard_output.h"
#include "platform/console.h"
#include "platform/console_messages.h"
#include "platform/message_box.h"
#include "res/strings_cli.h"
#include "res/version.h"

namespace {

// The first word that is no option, where the subcommand belongs.
const char* FirstWord(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            return i + 1 < argc ? argv[i + 1] : nullptr;
        }
        if (argv[i][0] != '-') {
            return argv[i];
        }
    }
    return nullptr;
}

// A misspelt command gets its name and the valid ones back, not only "a subcommand is required".
bool ReportUnknownCommand(CLI::App& app, const char* word) {
    if (word == nullptr) {
        return false;
    }
    std::string names;
    for (const CLI::App* pCommand : app.get_subcommands([](const CLI::App*) { return true; })) {
        if (pCommand->check_name(word)) {
            return false;
        }
        names += (names.empty() ? "" : ", ") + pCommand->get_name();
    }
    std::fprintf(stderr, res::kCliUnknownCommand, word, names.c_str());
    std::fputc('\n', stderr);
    return true;
}

int RunCommandLine(int argc, char** argv) {
    CLI::App app{res::kCliDescription, res::kCliName};
    app.set_version_flag("--version", std::string(res::kCliName) + " " + res::kVersion,
                         res::kVersionHelp);
    app.require_subcommand(1);
    // Every command's --help shows what an option is when it is not given.
    app.option_defaults()->always_capture_default();
    int exitCode = 0;
    cli::RegisterBookCommands(app, exitCode);
    cli::RegisterPortCommands(app, exitCode);
    cli::RegisterLinkCommands(app, exitCode);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (app.get_subcommands().empty() && ReportUnknownCommand(app, FirstWord(argc, argv))) {
            std::fprintf(stderr, "%s\n", res::kCliRunWithHelp);
            return cli::kExitUsage;
        }
        // CLI11 has a status of its own for each kind of bad argument; scripts get one. Its help
        // and version go through the checked standard output like every other result.
        std::ostringstream out;
        std::ostringstream err;
        const int status = app.exit(e, out, err);
        cli::WriteStandardOutput(out.str());
        std::fputs(err.str().c_str(), stderr);
        return status == 0 ? cli::kExitOk : cli::kExitUsage;
    }
    return exitCode;
}

}  // namespace

int main(int argc, char** argv) {
    // File names and messages are UTF-8 through and through, on every system.
    const platform::CUtf8Console console;
    std::vector<std::string> arguments = platform::Utf8Arguments(argc, argv);
    std::vector<char*> pointers;
    for (std::string& argument : arguments) {
        pointers.push_back(argument.data());
    }
    pointers.push_back(nullptr);
    const int status = RunCommandLine(static_cast<int>(arguments.size()), pointers.data());
    // Whatever the command printed (a listing, its result, its help) must have arrived.
    if (!cli::FinishStandardOutput() && status == cli::kExitOk) {
        return cli::kExitFailure;
    }
    return status;
}
