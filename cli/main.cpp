// zelkorctl: the program's work without windows, for scripts and for checking.
#include <CLI/CLI.hpp>

#include "cli/commands.h"
#include "platform/console_messages.h"
#include "platform/message_box.h"
#include "res/strings.h"
#include "res/version.h"

int main(int argc, char** argv) {
    CLI::App app{res::kCliDescription, res::kCliName};
    app.set_version_flag("--version", std::string(res::kCliName) + " " + res::kVersion,
                         res::kVersionHelp);
    app.require_subcommand(1);
    int exitCode = 0;
    cli::RegisterBookCommands(app, exitCode);
    cli::RegisterPortCommands(app, exitCode);
    cli::RegisterLinkCommands(app, exitCode);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // CLI11 has a status of its own for each kind of bad argument; scripts get one.
        return app.exit(e) == 0 ? cli::kExitOk : cli::kExitUsage;
    }
    return exitCode;
}
