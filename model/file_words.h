// The two primitives through which every byte of a document file passes.
#pragma once

#include <cstdint>

#include "platform/file.h"

namespace model {

// Writes the value as a big-endian word; throws MExceptFileWriteError when the write fails.
void WriteFileLong(platform::CFile& file, uint32_t value);

// Reads one big-endian word into value. Returns true when a whole word was read and false at the
// end of the file; throws MExceptFileReadError when the read fails. A word cut short by the end
// of the file throws MExceptFileBadFormat: it cannot come from a complete file.
bool ReadFileLong(platform::CFile& file, uint32_t& value);

}  // namespace model
