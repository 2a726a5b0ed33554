// Whole-book uploads against the simulated generator. With the line paced as at 115200 baud the
// figure that matters is the ratio of the measured time to the wire-time limit of the same
// traffic (every frame and every acknowledgement at 11,520 bytes/s, one frame in flight); the
// unpaced run shows what one frame's round trip costs in the program (and the simulator).
// The turnaround, the program's share of each round trip, is measured twice (medians): inside
// the program, from the read that brought an acknowledgement to the end of the write of the
// frame it released; and as the device sees it, from its reply going out to the last byte of the
// next frame coming in. ratio_by_turnaround is the figure a device that answers at once would
// measure: (wire time + 6125 device turnarounds) / wire time.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <vector>

#include "devlink/device_link.h"
#include "model/program_book.h"
#include "platform/message_box.h"
#include "platform/notify.h"
#include "platform/serial_device.h"
#include "sim/simulator.h"
#include "upload/upload_job.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kLineBytesPerSecond = 11520.0;
constexpr int kBookFrames = 6125;

struct SResult {
    double seconds = 0;
    size_t wireBytes = 0;
    double programCpuSeconds = 0;   // the process's processor time less the simulator's
    double turnaroundUs = 0;        // in the program: acknowledgement read to next frame written
    double deviceTurnaroundUs = 0;  // as the device sees it: reply sent to next frame in
};

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double MedianUs(std::vector<std::chrono::nanoseconds> samples) {
    if (samples.empty()) {
        return 0;
    }
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return std::chrono::duration<double, std::micro>(samples[samples.size() / 2]).count();
}

// The system's serial device with a stopwatch: the time from a read that brought bytes (an
// acknowledgement) to the end of the last write before the next such read (the frame it
// released, however many writes that frame took).
class CTimedDevice : public platform::ISerialDevice {
public:
    CTimedDevice() : m_pDevice(platform::MakeSerialDevice()) {}
    int Open(const std::string& path) override { return m_pDevice->Open(path); }
    int GetState() override { return m_pDevice->GetState(); }
    int SetLineSettings(uint32_t baud, platform::EParity parity,
                        platform::EStopBits stopBits) override {
        return m_pDevice->SetLineSettings(baud, parity, stopBits);
    }
    int SetTimeouts(std::chrono::milliseconds limit) override {
        return m_pDevice->SetTimeouts(limit);
    }
    int Purge() override { return m_pDevice->Purge(); }
    int RequestLowLatency() override { return m_pDevice->RequestLowLatency(); }
    platform::SReadResult Read(uint8_t* buffer, size_t capacity,
                               std::chrono::milliseconds wait) override {
        platform::SReadResult r = m_pDevice->Read(buffer, capacity, wait);
        if (r.status == platform::EReadStatus::kData) {
            const Clock::rep written = m_nWrittenAt.load();
            if (m_nReadAt != 0 && written > m_nReadAt) {
                m_samples.push_back(Clock::duration(written - m_nReadAt));
            }
            m_nReadAt = Clock::now().time_since_epoch().count();
        }
        return r;
    }
    void Wake() override { m_pDevice->Wake(); }
    void WaitForWake() override { m_pDevice->WaitForWake(); }
    int Write(const uint8_t* bytes, size_t count) override {
        const int err = m_pDevice->Write(bytes, count);
        m_nWrittenAt = Clock::now().time_since_epoch().count();
        return err;
    }
    bool DrainQueue(const std::atomic<bool>* pStop, int& queued) override {
        return m_pDevice->DrainQueue(pStop, queued);
    }
    void Close(bool bDiscard) override { m_pDevice->Close(bDiscard); }
    bool IsOpen() const override { return m_pDevice->IsOpen(); }

    // The reader's own; read once the link has closed.
    std::vector<std::chrono::nanoseconds> m_samples;

private:
    std::unique_ptr<platform::ISerialDevice> m_pDevice;
    Clock::rep m_nReadAt = 0;  // the reader's own
    std::atomic<Clock::rep> m_nWrittenAt{0};
};

SResult UploadBook(bool bPace) {
    sim::SSimOptions options;
    options.bPace = bPace;
    sim::CSimulator device(options);
    std::string error;
    if (!device.Start(error)) {
        throw std::runtime_error(error);
    }
    auto timed = std::make_unique<CTimedDevice>();
    CTimedDevice* pTimed = timed.get();
    devlink::CDeviceLink link(std::move(timed));
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
    job.AllocateData(upload::CBookUploadJob::kDataSize);
    job.Fill(*book);

    const auto start = Clock::now();
    const double cpuStart = ProcessCpuSeconds();
    const auto simCpuStart = device.ThreadCpuTime();
    job.Start(link, platform::kNoNotify);
    // The traffic ends with the device's last acknowledgement on the line.
    if (!device.WaitForReplies(kBookFrames, std::chrono::minutes(10))) {
        throw std::runtime_error("the upload did not finish");
    }
    const auto end = Clock::now();
    // Read before the job and the link wind down, which is no part of the upload.
    const double cpuEnd = ProcessCpuSeconds();
    const double simCpu =
        std::chrono::duration<double>(device.ThreadCpuTime() - simCpuStart).count();
    job.Cancel();
    link.Close();
    SResult result;
    result.programCpuSeconds = cpuEnd - cpuStart - simCpu;
    result.seconds = std::chrono::duration<double>(end - start).count();
    result.wireBytes = device.RawBytes().size() + device.BytesSent();
    result.turnaroundUs = MedianUs(pTimed->m_samples);
    result.deviceTurnaroundUs = MedianUs(device.Turnarounds());
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
        state.counters["turnaround_us"] = r.turnaroundUs;
        state.counters["device_turnaround_us"] = r.deviceTurnaroundUs;
        // The figure of a device that answers at once: line time plus the program's turnaround.
        state.counters["ratio_by_turnaround"] =
            (limit + r.deviceTurnaroundUs * 1e-6 * kBookFrames) / limit;
    }
}

void BM_BookUploadUnpaced(benchmark::State& state) {
    for (auto _ : state) {
        SResult r = UploadBook(false);
        state.SetIterationTime(r.seconds);
        state.counters["round_trip_us_per_frame"] = r.seconds * 1e6 / kBookFrames;
        state.counters["program_cpu_us_per_frame"] = r.programCpuSeconds * 1e6 / kBookFrames;
        state.counters["turnaround_us"] = r.turnaroundUs;
        state.counters["device_turnaround_us"] = r.deviceTurnaroundUs;
    }
}

BENCHMARK(BM_BookUploadUnpaced)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BookUploadPacedLine)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
