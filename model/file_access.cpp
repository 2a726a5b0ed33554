#include "model/file_access.h"

#include "platform/error_text.h"
#include "platform/message_box.h"
#include "res/strings.h"

namespace model {

std::string OutputName(const std::string& path) {
    return path == kStandardStreamName ? res::kStandardOutputName : path;
}

bool WriteOutput(const std::string& path,
                 const std::function<bool(platform::CFile& file, const std::string& name)>& write) {
    const std::string name = OutputName(path);
    platform::COutputFile out;
    const bool bBegun = path == kStandardStreamName ? out.BeginStandardOutput() : out.Begin(path);
    if (!bBegun) {
        ShowFileError(res::kFileWriteError, name, out.LastError());
        return false;
    }
    if (!write(out.File(), name)) {
        out.Abandon();
        return false;
    }
    if (!out.Commit()) {
        ShowFileError(res::kFileWriteError, name, out.LastError());
        return false;
    }
    return true;
}

void ShowFileError(const std::string& text, const std::string& path, const std::string& reason) {
    platform::ShowAppMessage(text, path, reason);
}

void ShowFileError(const std::string& text, const std::string& path, int nSystemError) {
    ShowFileError(text, path, platform::ErrorText(nSystemError));
}

}  // namespace model
