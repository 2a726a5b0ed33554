#include "cli/standard_output.h"

#include <cerrno>
#include <cstdio>

#include "model/file_access.h"
#include "res/strings_model.h"

namespace cli {

namespace {

// The error number of the first failed write, 0 while there was none.
int g_nFirstError = 0;

bool Failed() {
    if (g_nFirstError == 0) {
        g_nFirstError = errno != 0 ? errno : EIO;
    }
    return false;
}

}  // namespace

bool WriteStandardOutput(std::string_view text) {
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) {
        return Failed();
    }
    return g_nFirstError == 0;
}

bool WriteResultLine(std::string_view text) {
    if (!WriteStandardOutput(text) || !WriteStandardOutput("\n")) {
        return false;
    }
    errno = 0;
    return std::fflush(stdout) == 0 || Failed();
}

bool FinishStandardOutput() {
    errno = 0;
    if ((std::fflush(stdout) != 0 || std::ferror(stdout) != 0) && g_nFirstError == 0) {
        Failed();
    }
    if (g_nFirstError == 0) {
        return true;
    }
    model::ShowFileError(res::kFileWriteError, res::kStandardOutputName, g_nFirstError);
    g_nFirstError = 0;
    std::clearerr(stdout);
    return false;
}

}  // namespace cli
