// Texts of the serial port, the device link, the upload and their command-line front end.
#pragma once

namespace res {

// Serial port: opening and configuring.
inline constexpr const char kCommPortErrorCaption[] = "Communications Port Error";
inline constexpr const char kPortNotFound[] = "Can't find the specified port.";
inline constexpr const char kPortAccessDenied[] = "Access Denied. Port is probably alreay in use.";
inline constexpr const char kPortNeedsPermission[] =
    "Your user account may also lack access to serial devices (on most Linux systems this needs "
    "membership of the dialout group).";
inline constexpr const char kCommPortError[] = "Comm Port Error: %u";
inline constexpr const char kGetCommStateFailed[] = "Couldn't get the comm port state.";
inline constexpr const char kSetCommStateFailed[] = "Couldn't set the comm port state.";
inline constexpr const char kSetCommMaskFailed[] = "Couldn't set the comm mask.";
inline constexpr const char kSetupCommFailed[] = "Couldn't setup the comm buffers.";
inline constexpr const char kPurgeCommFailed[] = "Couldn't purge comm port.";
inline constexpr const char kSetTimeoutsFailed[] = "Couldn't set the comm timeouts.";
inline constexpr const char kWatchThreadFailed[] = "Couldn't create the watch thread.";
inline constexpr const char kWriteFailed[] = "Couldn't write to comm port. Error: %u";

// Serial port: the reader thread.
inline constexpr const char kReaderEventFailed[] = "CreateEvent (Reader Event)";
inline constexpr const char kReaderReadFailed[] = "ReadFile in ReaderAndStatusProc";
inline constexpr const char kReaderReadAborted[] = "Read aborted\r\n";
inline constexpr const char kReaderResultFailed[] = "GetOverlappedResult (in Reader)";
inline constexpr const char kReaderWaitFailed[] = "WaitForMultipleObjects(Reader & Status handles)";

// Device link.
inline constexpr const char kAcknowledgeCaption[] = "Acknowledge";
inline constexpr const char kReceivedResponse[] = "Received response from device.";
inline constexpr const char kSetEventFailed[] = "SetEvent failed";

// The status bar's pane for the port in use: the port's path, then the state of its line.
inline constexpr const char kLineNoPort[] = "No port";
inline constexpr const char kLinePortState[] = "Port %s: %s";
inline constexpr const char kLineOpen[] = "open";
inline constexpr const char kLineClosed[] = "closed";

// Upload.
inline constexpr const char kUploadThreadFailed[] = "Couldn't create the Upload thread.";
inline constexpr const char kErrorCaption[] = "Error";
inline constexpr const char kEventError[] = "Event Error= %d";

// zelkorctl upload and test.
inline constexpr const char kCliPortFailed[] = "The port %s could not be opened.";
inline constexpr const char kCliSilent[] = "The device did not answer for %d seconds.";
inline constexpr const char kCliCancelled[] = "Cancelled.";
inline constexpr const char kCliUploadDone[] = "Sent %d bytes in %d frames.";
inline constexpr const char kCliProgress[] = "upload: %d%%";
inline constexpr const char kCliBadProgram[] = "--program must be between 1 and 2000.";

}  // namespace res
