// The system's own side of `zelkorctl ports`: the options that say where its ports are read from,
// and the source they make. One implementation file per system, chosen by CMake.
#pragma once

#include <memory>
#include <string>

#include "platform/port_system.h"

namespace CLI {
class App;
}

namespace cli {

struct SPortsOptions;

// Adds the system's options to the ports command; the values land in the returned object.
std::shared_ptr<SPortsOptions> AddPortsOptions(CLI::App& command);
// The source the options name (the running machine's unless they name another tree).
std::unique_ptr<platform::IPortSystem> MakePortsSource(const SPortsOptions& options);

}  // namespace cli
