// ports: the serial port list as the Select Comm Port dialog shows it, one tab-separated line per
// entry, with the stable by-id name that tells identical adapters apart.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "platform/port_source_linux.h"
#include "ports/enumerate_ports.h"
#include "res/strings.h"

namespace cli {

namespace {

struct SPortsOptions {
    std::string strSysfsRoot = "/sys";
    std::string strDevRoot = "/dev";
};

void PrintEntry(const ports::CPortInfo& entry) {
    std::string line = entry.m_strFriendlyName + "\t" + entry.m_strPath + "\t" +
                       (entry.m_bUsb ? res::kPortsUsbFlag : res::kPortsNotUsbFlag) + "\t" +
                       entry.m_strDescription;
    if (!entry.m_strStableName.empty()) {
        line += "\t" + entry.m_strStableName;
    }
    std::printf("%s\n", line.c_str());
}

int ListPorts(const SPortsOptions& options) {
    platform::CPortSourceLinux source(options.strSysfsRoot, options.strDevRoot);
    ports::CPortInfoArray list;
    try {
        ports::EnumerateSerialPorts(list, source);
    } catch (const ports::MPortEnumError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return kExitFailure;
    }
    for (const ports::CPortInfo& entry : list) {
        PrintEntry(entry);
    }
    return kExitOk;
}

}  // namespace

void RegisterPortCommands(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<SPortsOptions>();
    CLI::App* ports = app.add_subcommand("ports", res::kPortsCommandHelp);
    ports->add_option("--sysfs-root", options->strSysfsRoot, res::kPortsSysfsRootHelp)
        ->capture_default_str();
    ports->add_option("--dev-root", options->strDevRoot, res::kPortsDevRootHelp)
        ->capture_default_str();
    ports->callback([options, &exitCode] { exitCode = ListPorts(*options); });
}

}  // namespace cli
