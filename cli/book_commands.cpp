// dump, export and import: the book and its file without windows.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>
#include <string>

#include "cli/book_file_commands.h"
#include "cli/commands.h"
#include "cli/standard_output.h"
#include "res/strings_cli.h"

namespace cli {

namespace {

struct SBookArgs {
    std::string strInput;
    std::string strOutput;
};

// A command that reads one book and prints what it finds in it.
void AddListingCommand(CLI::App& app, const char* name, const char* help,
                       int (*run)(const std::string&, std::string&), int& exitCode) {
    auto args = std::make_shared<SBookArgs>();
    CLI::App* pCommand = app.add_subcommand(name, help);
    pCommand->add_option("FILE", args->strInput, res::kCliInputHelp)->required();
    pCommand->callback([args, run, &exitCode] {
        std::string listing;
        exitCode = run(args->strInput, listing);
        WriteStandardOutput(listing);
    });
}

}  // namespace

void RegisterBookCommands(CLI::App& app, int& exitCode) {
    // The callbacks outlive this function; the arguments live as long as the program.
    AddListingCommand(app, "dump", res::kCliDumpHelp, RunDump, exitCode);
    AddListingCommand(app, "check", res::kCliCheckHelp, RunCheck, exitCode);

    auto exp = std::make_shared<SBookArgs>();
    CLI::App* pExport = app.add_subcommand("export", res::kCliExportHelp);
    pExport->add_option("FILE", exp->strInput, res::kCliInputHelp)->required();
    pExport->add_option("-o,--output", exp->strOutput, res::kCliOutputHelp)->required();
    pExport->callback([exp, &exitCode] { exitCode = RunExport(exp->strInput, exp->strOutput); });

    auto imp = std::make_shared<SBookArgs>();
    CLI::App* pImport = app.add_subcommand("import", res::kCliImportHelp);
    pImport->add_option("FILE", imp->strInput, res::kCliInputHelp)->required();
    pImport->add_option("-o,--output", imp->strOutput, res::kCliOutputHelp)->required();
    pImport->callback([imp, &exitCode] { exitCode = RunImport(imp->strInput, imp->strOutput); });
}

}  // namespace cli
