// vq7100-sim: a stand-in for the generator on a pseudo-terminal, for trying the program and the
// command line without hardware.
#include <csignal>
#include <cstdio>

#include <CLI/CLI.hpp>

#include "res/strings_cli.h"
#include "res/strings_sim.h"
#include "res/version.h"
#include "sim/simulator.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitStartFailed = 1;  // no pseudo-terminal
constexpr int kExitUsage = 2;

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{res::kSimDescription, res::kSimName};
    app.set_version_flag("--version", std::string(res::kSimName) + " " + res::kVersion,
                         res::kVersionHelp);
    sim::SSimOptions options;
    options.bKeepHistory = false;  // the tool may serve uploads all day
    int delayMs = 0;
    app.add_flag("--silent", options.bSilent, res::kSimSilentHelp);
    app.add_option("--drop", options.nDropEvery, res::kSimDropHelp)->check(CLI::NonNegativeNumber);
    app.add_option("--corrupt", options.nCorruptEvery, res::kSimCorruptHelp)
        ->check(CLI::NonNegativeNumber);
    app.add_option("--duplicate", options.nDuplicateEvery, res::kSimDuplicateHelp)
        ->check(CLI::NonNegativeNumber);
    app.add_option("--delay", delayMs, res::kSimDelayHelp)->check(CLI::NonNegativeNumber);
    int finalDelayMs = 0;
    app.add_option("--final-delay", finalDelayMs, res::kSimFinalDelayHelp)
        ->check(CLI::NonNegativeNumber);
    app.add_flag("--pace", options.bPace, res::kSimPaceHelp);
    app.add_flag("--no-final-ack", options.bNoFinalAck, res::kSimNoFinalAckHelp);
    app.add_option("--hang-up-after", options.nHangUpAfter, res::kSimHangUpAfterHelp)
        ->check(CLI::NonNegativeNumber);
    app.add_option("--repeat-late", options.nRepeatLate, res::kSimRepeatLateHelp)
        ->check(CLI::NonNegativeNumber);
    app.add_option("--lose", options.nLoseBlock, res::kSimLoseHelp)->check(CLI::NonNegativeNumber);
    app.add_option("--misname", options.nMisnameFrom, res::kSimMisnameHelp)
        ->check(CLI::NonNegativeNumber);
    app.add_option("--save", options.strSavePath, res::kSimSaveHelp);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // One status for every kind of bad argument, as zelkorctl has, instead of CLI11's many.
        return app.exit(e) == 0 ? kExitOk : kExitUsage;
    }
    options.delay = std::chrono::milliseconds(delayMs);
    options.finalDelay = std::chrono::milliseconds(finalDelayMs);

    // Signals are taken by this thread alone, after the device thread has started with them
    // blocked.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    sim::CSimulator device(options);
    std::string error;
    if (!device.Start(error)) {
        std::fprintf(stderr, res::kSimStartFailed, error.c_str());
        return kExitStartFailed;
    }
    std::printf("%s\n", device.PortPath().c_str());
    std::fflush(stdout);
    int signal = 0;
    sigwait(&stopSignals, &signal);
    device.Stop();
    return kExitOk;
}
