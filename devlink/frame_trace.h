// A trace of the line for support: every frame sent and received, and what happened to the port
// (opened with its settings, the driver's answer to low-latency mode, the drain at close, closed,
// lost), handed to a sink that the port calls when one is installed (and costs nothing when none
// is).
//
// Threads: OnSend runs on the sending thread (the user-interface or the upload thread), OnReceive
// on the port's reader, OnPortEvent on whichever thread opens, closes or finds the line lost; a
// sink must take them all at once.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>

namespace devlink {

class IFrameTrace {
public:
    virtual ~IFrameTrace() = default;
    // The bytes of a frame as they go on the line, flags and stuffing included, just before
    // they are written.
    virtual void OnSend(const uint8_t* wire, size_t count) = 0;
    // A frame the reader has assembled: check bytes included, flags and stuffing removed.
    virtual void OnReceive(const uint8_t* frame, size_t count) = 0;
    // One line of what happened to the port.
    virtual void OnPortEvent(const std::string& text) = 0;
};

// Prints one line a frame, "[seconds since the trace began] > bytes" for frames sent and "<" for
// frames received, the bytes in hex as they travel on the line; and "[seconds] * text" for each
// event of the port.
class CPrintedTrace : public IFrameTrace {
public:
    // Null stands for standard error.
    explicit CPrintedTrace(std::FILE* out = nullptr);
    void OnSend(const uint8_t* wire, size_t count) override;
    void OnReceive(const uint8_t* frame, size_t count) override;
    void OnPortEvent(const std::string& text) override;

private:
    void PrintBytes(char direction, const uint8_t* wire, size_t count);
    void PrintLine(char mark, const std::string& body);

    std::FILE* m_pOut;
    std::chrono::steady_clock::time_point m_start;
    std::mutex m_mutex;
};

}  // namespace devlink
