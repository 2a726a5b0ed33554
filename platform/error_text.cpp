#include "platform/error_text.h"

#include "res/strings_platform.h"

namespace platform {

std::string ErrorText(int nError) {
    if (nError == kErrorNotRegularFile) {
        return res::Tr(res::kNotRegularFile);
    }
    return SystemErrorText(nError);
}

}  // namespace platform
