// Whole-book uploads against the simulated generator. With the line paced as at 115200 baud the
// figure that matters is the ratio of the measured time to the wire-time limit of the same
// traffic (every frame and every acknowledgement at 11,520 bytes/s, one frame in flight); the
// unpaced run shows what one frame's round trip costs in the program (and the simulator).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <memory>
#include <stdexcept>

#include "link/device_link.h"
#include "model/program_book.h"
#include "platform/message_box.h"
#include "platform/notify.h"
#include "sim/simulator.h"
#include "upload/upload_job.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kLineBytesPerSecond = 11520.0;
constexpr int kBookFrames = 6125;

struct SResult {
    double seconds = 0;
    size_t wireBytes = 0;
    double programCpuSeconds = 0;  // the process's processor time less the simulator's
};

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

SResult UploadBook(bool bPace) {
    sim::SSimOptions options;
    options.bPace = bPace;
    sim::CSimulator device(options);
    std::string error;
    if (!device.Start(error)) {
        throw std::runtime_error(error);
    }
    devlink::CDeviceLink link;
    link.SetPortPath(device.PortPath());
    if (!link.Open()) {
        throw std::runtime_error("link did not open");
    }
    auto book = std::make_unique<model::CProgramBook>();
    for (int i = 0; i < model::kProgramCount; ++i) {
        (*book)[i].m_freq[0] = 10000u + static_cast<uint32_t>(i);
        (*book)[i].UpdateGroupCount(0);
    }
    upload::CBookUploadJob job;
    job.AllocateData(model::CProgramBook::EncodedSize());
    book->EncodeAll(job.m_pData.get());
    job.m_hAckEvent = link.m_hAckEvent;
    job.m_pLink = &link;

    const auto start = Clock::now();
    const double cpuStart = ProcessCpuSeconds();
    const auto simCpuStart = device.ThreadCpuTime();
    job.Start();
    // The traffic ends with the device's last acknowledgement on the line.
    if (!device.WaitForReplies(kBookFrames, std::chrono::minutes(10))) {
        throw std::runtime_error("the upload did not finish");
    }
    const auto end = Clock::now();
    const double simCpu =
        std::chrono::duration<double>(device.ThreadCpuTime() - simCpuStart).count();
    SResult result;
    result.programCpuSeconds = ProcessCpuSeconds() - cpuStart - simCpu;
    result.seconds = std::chrono::duration<double>(end - start).count();
    result.wireBytes = device.RawBytes().size() + device.BytesSent();
    return result;
}

void BM_BookUploadPacedLine(benchmark::State& state) {
    for (auto _ : state) {
        SResult r = UploadBook(true);
        const double limit = static_cast<double>(r.wireBytes) / kLineBytesPerSecond;
        state.SetIterationTime(r.seconds);
        state.counters["wire_limit_s"] = limit;
        state.counters["ratio"] = r.seconds / limit;
        state.counters["overhead_us_per_frame"] = (r.seconds - limit) * 1e6 / kBookFrames;
        state.counters["program_cpu_us_per_frame"] = r.programCpuSeconds * 1e6 / kBookFrames;
    }
}

void BM_BookUploadUnpaced(benchmark::State& state) {
    for (auto _ : state) {
        SResult r = UploadBook(false);
        state.SetIterationTime(r.seconds);
        state.counters["round_trip_us_per_frame"] = r.seconds * 1e6 / kBookFrames;
        state.counters["program_cpu_us_per_frame"] = r.programCpuSeconds * 1e6 / kBookFrames;
    }
}

BENCHMARK(BM_BookUploadUnpaced)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BookUploadPacedLine)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
