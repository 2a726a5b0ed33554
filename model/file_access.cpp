#include "model/file_access.h"

#include "platform/error_text.h"
#include "platform/message_box.h"
#include "res/strings.h"

namespace model {

bool BeginOutput(platform::COutputFile& out, const std::string& path) {
    return path == kStandardStreamName ? out.BeginStandardOutput() : out.Begin(path);
}

std::string OutputName(const std::string& path) {
    return path == kStandardStreamName ? res::kStandardOutputName : path;
}

void ShowFileError(const std::string& text, const std::string& path, const std::string& reason) {
    platform::ShowAppMessage(text, path, reason);
}

void ShowFileError(const std::string& text, const std::string& path, int nSystemError) {
    ShowFileError(text, path, platform::ErrorText(nSystemError));
}

}  // namespace model
