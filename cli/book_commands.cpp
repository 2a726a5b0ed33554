// dump, export and import: the book and its file without windows.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <memory>
#include <string>

#include "cli/book_file_commands.h"
#include "cli/commands.h"
#include "cli/standard_output.h"
#include "res/strings.h"

namespace cli {

namespace {

struct SBookArgs {
    std::string strInput;
    std::string strOutput;
};

}  // namespace

void RegisterBookCommands(CLI::App& app, int& exitCode) {
    // The callbacks outlive this function; the arguments live as long as the program.
    auto dump = std::make_shared<SBookArgs>();
    CLI::App* pDump = app.add_subcommand("dump", res::kCliDumpHelp);
    pDump->add_option("FILE", dump->strInput, res::kCliInputHelp)->required();
    pDump->callback([dump, &exitCode] {
        std::string listing;
        exitCode = RunDump(dump->strInput, listing);
        WriteStandardOutput(listing);
    });

    auto check = std::make_shared<SBookArgs>();
    CLI::App* pCheck = app.add_subcommand("check", res::kCliCheckHelp);
    pCheck->add_option("FILE", check->strInput, res::kCliInputHelp)->required();
    pCheck->callback([check, &exitCode] {
        std::string listing;
        exitCode = RunCheck(check->strInput, listing);
        WriteStandardOutput(listing);
    });

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
