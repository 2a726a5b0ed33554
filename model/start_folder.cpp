#include "model/start_folder.h"

#include <filesystem>
#include <system_error>

namespace model {

namespace {

// The folder that holds the file at path, when it is there; else "".
std::string ExistingFolderOf(const std::string& path) {
    if (path.empty()) {
        return {};
    }
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::absolute(path, error).parent_path();
    return !error && std::filesystem::is_directory(folder, error) ? folder.string() : std::string();
}

}  // namespace

std::string StartFolder(const std::string& bookPath, const std::string& lastFilePath,
                        const std::string& documentsFolder) {
    for (const std::string* path : {&bookPath, &lastFilePath}) {
        if (std::string folder = ExistingFolderOf(*path); !folder.empty()) {
            return folder;
        }
    }
    return documentsFolder;
}

}  // namespace model
