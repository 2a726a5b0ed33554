// One serial port named by a device path: opens and configures it, runs the reader thread that
// feeds every byte read to the frame reassembly, and writes frames byte by byte. What a frame
// means is left to the derived class (OnFrame).
//
// Threads:
// - SetPortPath, Open, Close and the destructor: the user-interface thread only, never while a
//   SendFrame is in progress (uploads run behind a modal dialog, which keeps them apart).
// - SendFrame/WriteByte: one sender at a time, the user-interface or the upload thread.
// - ReaderAndStatusProc, ReceiveBytes and OnFrame: the reader thread alone. The reader never
//   waits for the user-interface thread: its messages are posted, so Close always ends it.
// A derived class must call Close in its own destructor, while its OnFrame still exists.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "link/frame_assembler.h"
#include "link/packet_buffer.h"
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

    // Opens, configures and starts the reader; every failure has been shown to the user when it
    // returns false, and the device is then released again.
    virtual bool Open();
    // Stops the reader and releases the port; does nothing when the port is not open.
    virtual void Close();
    bool IsOpen() const { return m_bOpen.load(); }

    // Completes the frame's check bytes in place and sends it. A write that fails is reported
    // once, and the rest of the frame is not sent; false then.
    bool SendFrame(CPacketBuffer& frame);
    // Feeds bytes read from the port into reassembly; OnFrame runs for each frame completed.
    void ReceiveBytes(size_t count, const uint8_t* bytes);
    // 0 when written, otherwise the system error number.
    int WriteByte(uint8_t byte);

    uint32_t Overruns() const { return m_rx.m_nOverruns.load(); }
    bool ReaderDone() const { return m_bReaderDone.load(); }

    static void ReaderAndStatusProc(CSerialPort* port);

    // Parent window of messages that have one; opaque to this layer.
    std::atomic<std::uintptr_t> m_hOwnerWnd{0};

protected:
    virtual void OnFrame(CPacketBuffer& frame) = 0;
    void ReportOpenFailure(const char* text);

    std::string m_strPortPath;
    std::unique_ptr<platform::ISerialDevice> m_pDevice;
    uint32_t m_dwBaudRate = 9600;
    uint8_t m_nParity = 0;
    uint8_t m_nStopBits = 0;

private:
    bool OpenDevice();
    bool ConfigureDevice();
    void ReaderLoop();
    void ReportReaderFailure(const char* text);

    std::atomic<bool> m_bReaderDone{true};
    std::atomic<bool> m_bStopReader{false};
    std::atomic<bool> m_bOpen{false};
    std::thread m_reader;
    CFrameAssembler m_rx;
};

}  // namespace devlink
