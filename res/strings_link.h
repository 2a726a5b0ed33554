// Texts of the serial port, the device link, the upload and their command-line front end.
#pragma once

#include "res/translate.h"

namespace res {

// Serial port: opening and configuring.
inline constexpr const char kCommPortErrorCaption[] = ZELKOR_TEXT("Communications Port Error");
inline constexpr const char kPortNotFound[] = ZELKOR_TEXT("Can't find the specified port.");
inline constexpr const char kPortAccessDenied[] =
    ZELKOR_TEXT("Access Denied. Port is probably alreay in use.");
inline constexpr const char kPortNeedsPermission[] = ZELKOR_TEXT(
    "Your user account may also lack access to serial devices (on most Linux systems this needs "
    "membership of the dialout group).");
inline constexpr const char kCommPortError[] = ZELKOR_TEXT("Comm Port Error: %u");
inline constexpr const char kGetCommStateFailed[] =
    ZELKOR_TEXT("Couldn't get the comm port state.");
inline constexpr const char kSetCommStateFailed[] =
    ZELKOR_TEXT("Couldn't set the comm port state.");
inline constexpr const char kPurgeCommFailed[] = ZELKOR_TEXT("Couldn't purge comm port.");
inline constexpr const char kSetTimeoutsFailed[] = ZELKOR_TEXT("Couldn't set the comm timeouts.");
inline constexpr const char kWatchThreadFailed[] = ZELKOR_TEXT("Couldn't create the watch thread.");
inline constexpr const char kWriteFailed[] = ZELKOR_TEXT("Couldn't write to comm port. Error: %u");
// A message that carries a system error number, followed by the system's description of it.
inline constexpr const char kWithSystemReason[] = "%s (%s)";
// The adapter was pulled or the far end hung up; %s is the port's path.
inline constexpr const char kLineLost[] =
    ZELKOR_TEXT("The connection to %s was lost. Check the cable and choose the port again.");

// The trace's lines of what happened to the port.
inline constexpr const char kTraceOpened[] = "port %s opened: %u baud, 8 data bits, %s, %s";
inline constexpr const char kTraceNoParity[] = "no parity";
inline constexpr const char kTraceOddParity[] = "odd parity";
inline constexpr const char kTraceEvenParity[] = "even parity";
inline constexpr const char kTraceOneStopBit[] = "1 stop bit";
inline constexpr const char kTraceTwoStopBits[] = "2 stop bits";
inline constexpr const char kTraceLowLatency[] = "low-latency mode: accepted by the driver";
inline constexpr const char kTraceNoLowLatency[] = "low-latency mode: refused by the driver (%s)";
inline constexpr const char kTraceDrained[] = "output drained at close in %lld ms";
inline constexpr const char kTraceNotDrained[] =
    "output not drained at close: %d bytes left after %lld ms, discarded";
inline constexpr const char kTraceNotDrainedUnknown[] =
    "output not drained at close after %lld ms (the driver does not say how much is left), "
    "discarded";
inline constexpr const char kTraceLostAtClose[] = "output discarded at close: the line is lost";
inline constexpr const char kTraceClosed[] = "port %s closed";
inline constexpr const char kTraceLineLost[] = "line lost: %s";

// Serial port: the reader thread.
inline constexpr const char kReaderReadFailed[] = "ReadFile in ReaderAndStatusProc";
inline constexpr const char kReaderWaitFailed[] = "WaitForMultipleObjects(Reader & Status handles)";

// Device link.
inline constexpr const char kAcknowledgeCaption[] = ZELKOR_TEXT("Acknowledge");
inline constexpr const char kReceivedResponse[] = ZELKOR_TEXT("Received response from device.");

// The status bar's pane for the port in use: the port's path, then the state of its line.
inline constexpr const char kLineNoPort[] = ZELKOR_TEXT("No port");
inline constexpr const char kLinePortState[] = ZELKOR_TEXT("Port %s: %s");
inline constexpr const char kLineOpen[] = ZELKOR_TEXT("open");
inline constexpr const char kLineClosed[] = ZELKOR_TEXT("closed");
inline constexpr const char kLineGone[] = ZELKOR_TEXT("lost");
inline constexpr const char kLineMissing[] = ZELKOR_TEXT("not there");
inline constexpr const char kLineBusy[] = ZELKOR_TEXT("in use");
// The message pane at start, for the remembered port that did not open (no message box then).
inline constexpr const char kPortMissingAtStart[] =
    ZELKOR_TEXT("Port %s is not there; Test Connection or Load Device tries it again");
inline constexpr const char kPortBusyAtStart[] =
    ZELKOR_TEXT("Port %s is in use by another program");

// Upload.
inline constexpr const char kUploadThreadFailed[] =
    ZELKOR_TEXT("Couldn't create the Upload thread.");
inline constexpr const char kErrorCaption[] = ZELKOR_TEXT("Error");

// zelkorctl upload and test.
inline constexpr const char kCliPortFailed[] = "The port %s could not be opened.";
inline constexpr const char kCliSilent[] = "The device did not answer for %d seconds.";
inline constexpr const char kCliNotConfirmed[] =
    "The device did not confirm the end of the upload.";
inline constexpr const char kCliOtherBlock[] =
    "The device answered for another block than the one sent; the upload was stopped there.";
inline constexpr const char kCliCancelled[] = "Cancelled.";
inline constexpr const char kCliUploadDone[] = "Sent %d bytes in %d frames.";
inline constexpr const char kCliProgress[] = "upload: %d%%";

// zelkorctl upload and test: their help.
inline constexpr const char kCliUploadHelp[] =
    "Send the whole book (or one program) of a .vq file to the generator";
inline constexpr const char kCliTestHelp[] = "Send the connection test and wait for the answer";
inline constexpr const char kCliPortHelp[] =
    "Serial port: a device path such as /dev/ttyUSB0, or on Windows COM5 or \\\\.\\COM5";
inline constexpr const char kCliVqFileHelp[] = "The .vq file to send";
inline constexpr const char kCliProgramHelp[] = "Send only this program (1 to 2000)";
inline constexpr const char kCliTimeoutHelp[] =
    "Give up when the device stays silent this many seconds";
inline constexpr const char kCliTraceHelp[] =
    "Print every frame sent and received, in hex with a timestamp, on standard error";
inline constexpr const char kCliQuietHelp[] = "Show no progress";
inline constexpr const char kCliLinkExitCodes[] =
    "Exit status: 0 done (for upload: the device confirmed the last block), 1 the file could "
    "not be read or holds values the device cannot take, or standard output could not be "
    "written, 2 wrong arguments, 3 the port did not open, 4 the device stayed silent for "
    "--timeout seconds or did not confirm the end of the upload, 5 cancelled (Ctrl+C), 6 the "
    "connection to the port was lost, 7 the device answered for another block than the one "
    "sent.";

}  // namespace res
