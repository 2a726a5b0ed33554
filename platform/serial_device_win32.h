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

// The line settings in a DCB that the port reported: the speed, 8 data bits, the parity and the
// stop bits in the DCB's own codes (two stop bits is 2, not 1), binary, no abort on errors, the
// XON/XOFF limits and characters of the generator's line; and no flow control of any kind, no
// NUL stripping and no error replacement, whatever the port had, since every byte of a frame
// counts and nothing on the generator's side answers a handshake.
void ApplyLineSettings(DCB& dcb, uint32_t baudRate, EParity parity, EStopBits stopBits);

// A read returns at once with what has arrived, even nothing: the reader waits for the bytes
// with a comm event first, so that each is handed over as it comes rather than after a gap in
// the line. (The documented "return once a byte is there" setting, an interval and multiplier of
// MAXDWORD with a constant, never returns under Wine.) A write gives up after writeLimit.
COMMTIMEOUTS MakeTimeouts(std::chrono::milliseconds writeLimit);

}  // namespace platform::win32
