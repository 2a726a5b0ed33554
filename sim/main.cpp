// vq7100-sim: a stand-in for the generator on a pseudo-terminal, for trying the program and the
// command line without hardware.
#include <csignal>
#include <cstdio>

#include <CLI/CLI.hpp>

#include "sim/simulator.h"

int main(int argc, char** argv) {
    CLI::App app{"vq7100-sim: a simulated VQ7100 generator on a pseudo-terminal"};
    sim::SSimOptions options;
    int delayMs = 0;
    app.add_flag("--silent", options.bSilent, "never answer");
    app.add_option("--drop", options.nDropEvery, "drop every Nth reply")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--corrupt", options.nCorruptEvery, "damage every Nth reply")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--duplicate", options.nDuplicateEvery, "send every Nth reply twice")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--delay", delayMs, "wait this many milliseconds before each reply")
        ->check(CLI::NonNegativeNumber);
    app.add_flag("--pace", options.bPace, "take as long as a 115200-baud line would");
    app.add_flag("--no-final-ack", options.bNoFinalAck,
                 "never acknowledge the final block of an upload");
    app.add_option("--hang-up-after", options.nHangUpAfter,
                   "close the line after N frames, as if the adapter were pulled")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--save", options.strSavePath, "write each book received to this .vq file");
    CLI11_PARSE(app, argc, argv);
    options.delay = std::chrono::milliseconds(delayMs);

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
        std::fprintf(stderr, "vq7100-sim: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s\n", device.PortPath().c_str());
    std::fflush(stdout);
    int signal = 0;
    sigwait(&stopSignals, &signal);
    device.Stop();
    return 0;
}
