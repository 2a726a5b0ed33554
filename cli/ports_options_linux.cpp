// zelkorctl ports on Linux: the sysfs and /dev trees are options, so that a saved tree can be
// listed with the stable by-id names of its own /dev tree.
#include <CLI/CLI.hpp>

#include "cli/ports_options.h"
#include "platform/port_source_linux.h"
#include "res/strings_ports.h"

namespace cli {

struct SPortsOptions {
    std::string strSysfsRoot = "/sys";
    std::string strDevRoot = "/dev";
};

std::shared_ptr<SPortsOptions> AddPortsOptions(CLI::App& command) {
    auto options = std::make_shared<SPortsOptions>();
    command.add_option("--sysfs-root", options->strSysfsRoot, res::kPortsSysfsRootHelp);
    command.add_option("--dev-root", options->strDevRoot, res::kPortsDevRootHelp);
    return options;
}

std::unique_ptr<platform::IPortSystem> MakePortsSource(const SPortsOptions& options) {
    return std::make_unique<platform::CPortSourceLinux>(options.strSysfsRoot, options.strDevRoot);
}

}  // namespace cli
