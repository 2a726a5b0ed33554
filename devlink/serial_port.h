// One serial port named by a device path: opens and configures it, runs the reader thread that
// feeds every byte read to the frame reassembly, and writes frames. What a frame means is left to
// the derived class (OnFrame), and so is telling anyone that the line has gone (OnLineLost).
//
// Threads:
// - SetPortPath, Open, Close and the destructor: the user-interface thread only,
//   never while a SendFrame is in progress (uploads run behind a modal dialog, which keeps them
//   apart). AbandonOutput may be called from any thread.
// - SendFrame: one sender at a time, the user-interface or the upload thread.
// - ReaderAndStatusProc, ReceiveBytes and OnFrame: the reader thread alone. The reader never
//   waits for the user-interface thread: its messages are posted, so Close always ends it.
// - OnLineLost runs on the reader or on a sending thread, whichever finds the line gone.
// - IsLineLost, SetTrace: any thread.
// A derived class must call Close in its own destructor, while its OnFrame still exists.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "devlink/frame_assembler.h"
#include "devlink/frame_trace.h"
#include "devlink/packet_buffer.h"
#include "platform/serial_device.h"

namespace devlink {

class CSerialPort {
public:
    // The device defaults to this system's serial device; tests may hand in another.
    explicit CSerialPort(int32_t rxCapacity,
                         std::unique_ptr<platform::ISerialDevice> device = nullptr);
    virtual ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    void SetPortPath(const std::string& path) { m_strPortPath = path; }
    const std::string& PortPath() const { return m_strPortPath; }

    // Opens, configures the line as the settings say and starts the reader; every failure has
    // been shown to the user when it returns false, and the device is then released again.
    // Forgets a line lost before.
    virtual bool Open(const platform::SLineSettings& settings);
    // The settings of the last Open.
    const platform::SLineSettings& LineSettings() const { return m_lineSettings; }
    // As Open, except that a port that is not there or that another program holds is not
    // shown to the user: LastOpenFailure says which it was (at start, nobody asked yet).
    bool OpenQuietly(const platform::SLineSettings& settings);
    // Why the device of the last Open did not open; nullopt after one that opened it.
    std::optional<platform::EOpenFailure> LastOpenFailure() const { return m_lastOpenFailure; }
    // Stops the reader and releases the port; does nothing when the port is not open. What was
    // written is first given the time the line needs to send it, so that closing never cuts
    // off the end of an upload; a lost line, or output abandoned, is released at once.
    virtual void Close();
    bool IsOpen() const { return m_bOpen.load(); }

    // Completes the frame's check bytes in place and sends it. A write that fails is reported
    // once, and the rest of the frame is not sent; false then. On a line that has gone,
    // nothing is written and OnLineLost reports it again.
    bool SendFrame(CPacketBuffer& frame);
    // Feeds bytes read from the port into reassembly; OnFrame runs for each frame completed.
    void ReceiveBytes(size_t count, const uint8_t* bytes);

    // The user gave up on what is still queued for the device (an interrupted upload): the
    // next Close throws it away instead of waiting for it, and a Close already waiting for it
    // ends at once.
    void AbandonOutput();

    // The line went away (the adapter was pulled, the far end hung up) since the port opened.
    bool IsLineLost() const { return m_bLineLost.load(); }
    const std::atomic<bool>& LineLostFlag() const { return m_bLineLost; }

    // Every frame sent and received is handed to the trace from now on; null ends the trace.
    // Not owned: it must outlive the port or be removed first.
    void SetTrace(IFrameTrace* pTrace) { m_pTrace.store(pTrace); }

    uint32_t Overruns() const { return m_rx.m_nOverruns.load(); }
    bool ReaderDone() const { return m_bReaderDone.load(); }

    static void ReaderAndStatusProc(CSerialPort* port);

protected:
    virtual void OnFrame(CPacketBuffer& frame) = 0;
    // The line has gone: once when that is found, and again for each frame sent on it after.
    virtual void OnLineLost() {}
    void ReportOpenFailure(const char* text);

    std::string m_strPortPath;
    std::unique_ptr<platform::ISerialDevice> m_pDevice;
    platform::SLineSettings m_lineSettings;

private:
    bool OpenDevice();
    bool ConfigureDevice();
    void TraceEvent(const std::string& text);
    void TraceDrain(const platform::SDrainResult& drain);
    // The line has gone, as the error number says: the first to find it traces and reports it.
    void FoundLineGone(int err);
    void ReaderLoop();
    void ReportReaderFailure(const char* text);
    void WaitForStop();
    int WriteWire(const uint8_t* wire, size_t count);

    bool m_bQuietOpen = false;
    std::optional<platform::EOpenFailure> m_lastOpenFailure;
    std::atomic<bool> m_bReaderDone{true};
    std::atomic<bool> m_bStopReader{false};
    std::atomic<bool> m_bOpen{false};
    std::atomic<bool> m_bLineLost{false};
    std::atomic<bool> m_bAbandonOutput{false};
    std::atomic<IFrameTrace*> m_pTrace{nullptr};
    // Keeps AbandonOutput's wake away from the device while Close releases it.
    std::mutex m_closeMutex;
    std::thread m_reader;
    CFrameAssembler m_rx;
};

}  // namespace devlink
