#include "model/except.h"

#include "res/strings_model.h"

namespace model {

const char* MExceptFileWriteError::GetText() const {
    return res::Tr(res::kFileWriteError);
}
const char* MExceptFileReadError::GetText() const {
    return res::Tr(res::kFileReadError);
}
const char* MExceptFileBadFormat::GetText() const {
    return res::Tr(res::kFileBadFormat);
}
const char* MExceptOutOfMemory::GetText() const {
    return res::Tr(res::kOutOfMemory);
}

void ThrowFileWriteError() {
    static MExceptFileWriteError s_error;
    throw &s_error;
}

void ThrowFileReadError() {
    static MExceptFileReadError s_error;
    throw &s_error;
}

void ThrowFileBadFormat() {
    static MExceptFileBadFormat s_error;
    throw &s_error;
}

void ThrowOutOfMemory() {
    static MExceptOutOfMemory s_error;
    throw &s_error;
}

}  // namespace model
