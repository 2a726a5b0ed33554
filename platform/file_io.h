// The system calls under CFile, one implementation file per system. A descriptor is the system's
// file descriptor on POSIX systems and a C runtime descriptor over the file's HANDLE on Windows
// (_open_osfhandle), so that CFile holds the same int everywhere. Failures return false (or -1)
// with the system's error number in nError.
//
// Threads: as the CFile that calls them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform::file_io {

// Writes all of count bytes.
bool WriteAll(int fd, const uint8_t* bytes, size_t count, int& nError);
// Reads up to count bytes; how many (0 at the end of the file) or -1.
long ReadSome(int fd, uint8_t* bytes, size_t count, int& nError);
// Moves the file position by offset bytes from where it stands.
bool MoveBy(int fd, long long offset, int& nError);
// Moves the file position to offset bytes from the start.
bool MoveTo(int fd, long long offset, int& nError);
// Cuts the file off at the current position.
bool TruncateHere(int fd, int& nError);
// Makes what was written durable.
bool Sync(int fd, int& nError);
bool Close(int fd, int& nError);
// The error number of a call on a file that is not open.
int NotOpenError();
// A descriptor of our own for standard output (or input), so that closing it leaves the
// process's stream open; -1 with the error. (In the file seam's per-system file.)
int DuplicateStandardStream(bool bOutput, int& nError);

}  // namespace platform::file_io
