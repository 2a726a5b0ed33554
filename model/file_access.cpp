#include "model/file_access.h"

#include "platform/error_text.h"
#include "platform/message_box.h"
#include "res/strings_model.h"

namespace model {

namespace {
bool IsStandardStream(const std::string& path, platform::EFileKinds kinds) {
    return kinds == platform::EFileKinds::kStreamsToo && path == kStandardStreamName;
}
// A file rewritten in place whose old bytes did not go back after a failure.
void ReportDamage(const platform::COutputFile& out, const std::string& name) {
    if (out.RestoreError() != 0) {
        ShowFileError(res::Tr(res::kFileMayBeDamaged), name, out.RestoreError());
    }
}
}  // namespace

std::string OutputName(const std::string& path) {
    return path == kStandardStreamName ? res::kStandardOutputName : path;
}

std::string InputName(const std::string& path, platform::EFileKinds kinds) {
    return IsStandardStream(path, kinds) ? res::kStandardInputName : path;
}

bool OpenInput(platform::CFile& file, const std::string& path, platform::EFileKinds kinds) {
    const bool bOpen =
        IsStandardStream(path, kinds) ? file.OpenStandardInput() : file.OpenRead(path, kinds);
    if (!bOpen) {
        ShowFileError(res::Tr(res::kFileReadError), InputName(path, kinds), file.LastError());
    }
    return bOpen;
}

bool WriteOutput(const std::string& path,
                 const std::function<bool(platform::CFile& file, const std::string& name)>& write,
                 platform::EFileKinds kinds) {
    const std::string name = IsStandardStream(path, kinds) ? OutputName(path) : path;
    platform::COutputFile out;
    const bool bBegun =
        IsStandardStream(path, kinds) ? out.BeginStandardOutput() : out.Begin(path, kinds);
    if (!bBegun) {
        ShowFileError(res::Tr(res::kFileWriteError), name, out.LastError());
        return false;
    }
    if (!write(out.File(), name)) {
        out.Abandon();
        ReportDamage(out, name);
        return false;
    }
    if (!out.Commit()) {
        ShowFileError(res::Tr(res::kFileWriteError), name, out.LastError());
        ReportDamage(out, name);
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
