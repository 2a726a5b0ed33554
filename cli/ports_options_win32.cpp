// zelkorctl ports on Windows: the system's own device-interface classes, nothing to choose.
#include "cli/ports_options.h"
#include "platform/port_source_win32.h"

namespace cli {

struct SPortsOptions {};

std::shared_ptr<SPortsOptions> AddPortsOptions(CLI::App&) {
    return std::make_shared<SPortsOptions>();
}

std::unique_ptr<platform::IPortSystem> MakePortsSource(const SPortsOptions&) {
    return std::make_unique<platform::CPortSourceWin32>();
}

}  // namespace cli
