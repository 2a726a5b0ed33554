// Every input the fuzz targets kept (seeds and any that once broke something) runs through the
// same bodies in the normal suite.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/fuzz/fuzz_bodies.h"
#include "tests/test_support.h"

namespace {

void ReplayFolder(const char* name, void (*body)(const uint8_t*, size_t)) {
    const std::filesystem::path folder = std::filesystem::path(ZELKOR_FIXTURES) / "fuzz" / name;
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::vector<uint8_t> bytes = testing_support::ReadAll(entry.path().string());
        SCOPED_TRACE(entry.path().string());
        body(bytes.data(), bytes.size());
        ++count;
    }
    EXPECT_GT(count, 0);
}

TEST(FuzzReplay, KeptDocumentFilesLoadOrAreRefusedCleanly) {
    ReplayFolder("load", fuzzing::FuzzBookLoad);
}

TEST(FuzzReplay, KeptLineBytesAssembleAlikeInPiecesAndWhole) {
    ReplayFolder("frames", fuzzing::FuzzLineBytes);
}

TEST(FuzzReplay, KeptCsvFilesImportOrAreRefusedCleanly) {
    ReplayFolder("csv", fuzzing::FuzzCsvImport);
}

TEST(FuzzReplay, KeptClipboardContentsPasteOrAreRefusedCleanly) {
    ReplayFolder("clipboard", fuzzing::FuzzClipboardPaste);
}

}  // namespace
