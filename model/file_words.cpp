#include "model/file_words.h"

#include "model/except.h"
#include "platform/byte_order.h"

namespace model {

void WriteFileLong(platform::CFile& file, uint32_t value) {
    uint8_t bytes[4];
    platform::PutBig32(bytes, value);
    if (!file.WriteBytes(bytes, sizeof bytes)) {
        ThrowFileWriteError();
    }
}

bool ReadFileLong(platform::CFile& file, uint32_t& value) {
    uint8_t bytes[4];
    long got = file.ReadBytes(bytes, sizeof bytes);
    if (got < 0) {
        ThrowFileReadError();
    }
    if (got == 0) {
        return false;
    }
    if (got != static_cast<long>(sizeof bytes)) {
        ThrowFileBadFormat();
    }
    value = platform::GetBig32(bytes);
    return true;
}

}  // namespace model
