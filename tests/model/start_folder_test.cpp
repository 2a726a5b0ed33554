// Where the file dialogs open, on real folders.
#include "model/start_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/test_support.h"

namespace {

TEST(StartFolder, TheBooksFolderElseTheLastFilesElseDocumentsNeverAGoneOne) {
    testing_support::CTempDir dir;
    std::filesystem::create_directories(dir.Path() / "books");
    std::filesystem::create_directories(dir.Path() / "saved");
    const std::string books = (dir.Path() / "books").string();
    const std::string saved = (dir.Path() / "saved").string();
    const std::string gone = (dir.Path() / "gone" / "a.vq").string();
    const struct {
        std::string book, last, expected;
    } cases[] = {
        {books + "/a.vq", saved + "/b.vq", books},
        {"", saved + "/b.vq", saved},
        {gone, saved + "/b.vq", saved},
        {"", "", "Documents"},
        {gone, gone, "Documents"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(std::filesystem::path(model::StartFolder(c.book, c.last, "Documents")),
                  std::filesystem::path(c.expected))
            << c.book << " | " << c.last;
    }
}

}  // namespace
