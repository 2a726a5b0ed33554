// ports: the serial port list as the Select Comm Port dialog shows it, one tab-separated line per
// entry, with what the system adds (on Linux the stable by-id name that tells identical adapters
// apart, and a USB adapter's ids, manufacturer and serial number).
#include <CLI/CLI.hpp>

#include <cstdio>
#include <iterator>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/ports_options.h"
#include "cli/standard_output.h"
#include "ports/enumerate_ports.h"
#include "res/strings_ports.h"

namespace cli {

namespace {

void PrintEntry(const ports::CPortInfo& entry) {
    std::string line = entry.m_strFriendlyName + "\t" + entry.m_strPath + "\t" +
                       (entry.m_bUsb ? res::kPortsUsbFlag : res::kPortsNotUsbFlag) + "\t" +
                       entry.m_strDescription;
    // The columns after the description are there only when something follows, each in its
    // place: stable name, vendor:product, manufacturer, serial number.
    const std::string columns[] = {entry.m_strStableName, ports::UsbIdText(entry.m_usb),
                                   entry.m_usb.strManufacturer, entry.m_usb.strSerialNumber};
    size_t used = std::size(columns);
    while (used > 0 && columns[used - 1].empty()) {
        --used;
    }
    for (size_t i = 0; i < used; ++i) {
        line += "\t" + columns[i];
    }
    WriteStandardOutput(line + "\n");
}

int ListPorts(const SPortsOptions& options) {
    std::unique_ptr<platform::IPortSystem> source = MakePortsSource(options);
    ports::CPortInfoArray list;
    try {
        ports::EnumerateSerialPorts(list, *source);
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
    CLI::App* ports = app.add_subcommand("ports", res::kPortsCommandHelp);
    std::shared_ptr<SPortsOptions> options = AddPortsOptions(*ports);
    ports->callback([options, &exitCode] { exitCode = ListPorts(*options); });
}

}  // namespace cli
