// The serial device on Windows: its pure parts, for the Win32 files and their tests.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>

#include "platform/serial_device.h"

namespace platform::win32 {

inline constexpr DWORD kCommMask = EV_RXCHAR | EV_ERR;  // 0x81
inline constexpr DWORD kQueueSize = 4096;               // input and output queue, each
inline constexpr DWORD kPurgeAll = PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR;
inline constexpr DWORD kReadIntervalMs = 10;

// The line settings in a DCB that the port reported: the speed, 8 data bits, the parity and the
// stop bits in the DCB's own codes (two stop bits is 2, not 1), binary, no abort on errors, the
// XON/XOFF limits and characters of the generator's line; and no flow control of any kind, no
// NUL stripping and no error replacement, whatever the port had, since every byte of a frame
// counts and nothing on the generator's side answers a handshake.
void ApplyLineSettings(DCB& dcb, uint32_t baudRate, EParity parity, EStopBits stopBits);

// Reads wait for their first byte without a limit of the driver's (the reader's own wait
// decides) and end 10 ms after the last byte; a write gives up after writeLimit.
COMMTIMEOUTS MakeTimeouts(std::chrono::milliseconds writeLimit);

}  // namespace platform::win32
