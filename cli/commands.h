// Each group of subcommands registers itself here; a command stores its exit status in exitCode.
#pragma once

namespace CLI {
class App;
}

namespace cli {

// Exit statuses shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // a file could not be read, written or was refused
inline constexpr int kExitUsage = 2;    // CLI11's own status for bad arguments

void RegisterBookCommands(CLI::App& app, int& exitCode);
void RegisterPortCommands(CLI::App& app, int& exitCode);
void RegisterLinkCommands(CLI::App& app, int& exitCode);

}  // namespace cli
