// Helpers shared by the suites: temporary folders and whole-file reads and writes.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/frequency_program.h"
#include "model/zelkor_config_doc.h"

namespace model {

// Only the document and its history change the book; a test sets its starting point up as a
// file that was opened would leave it.
struct SDocTestAccess {
    static CProgramBook& Book(CZelkorConfigDoc& doc) { return doc.m_book; }
};

}  // namespace model

namespace testing_support {

// The document's book to set up: written without a step and without marking the book.
inline model::CProgramBook& BookOf(model::CZelkorConfigDoc& doc) {
    return model::SDocTestAccess::Book(doc);
}
// Stores the program at the index as the editor does: a step, and the book modified.
void StoreProgram(model::CZelkorConfigDoc& doc, int index, const model::CFrequencyProgram& program);

// A fresh folder under the system's temporary folder, removed with everything in it.
class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;
    const std::filesystem::path& Path() const { return m_path; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

std::vector<uint8_t> ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> Bytes(std::initializer_list<int> values);

// A program of the type holding each value (tenths of a hertz) in its slot, its group counts
// kept as the editor keeps them.
model::CFrequencyProgram MakeProgram(bool bGroups,
                                     const std::vector<std::pair<int, uint32_t>>& slots);

// The paths the file dialogs of a test answer with, in the order they are asked; when none is
// left, or the one in turn is nullopt, the dialog was cancelled.
class CPathAnswers {
public:
    std::optional<std::string> Next();
    std::deque<std::optional<std::string>> m_paths;
    int m_nDialogs = 0;  // how many were asked
};

// The system's own words for the file failures the suites provoke, as the system the suite runs
// on says them (one file per system, as the platform seams have).
std::string ReasonNoSuchFile();    // opening a name nobody made
std::string ReasonNoSuchFolder();  // making a file in a folder that is not there
std::string ReasonReadFolder();    // reading a folder as a file
std::string ReasonWriteFolder();   // writing a file over a folder's name

// Interrupts this process as Ctrl+C does; false when the system refused.
bool RaiseInterrupt();

// While it lives, no file of this process may grow beyond the size: writing more fails as on a
// full disk (POSIX systems: RLIMIT_FSIZE). Active() says whether the system has such a limit.
class CFileSizeLimit {
public:
    explicit CFileSizeLimit(uint64_t nBytes);
    ~CFileSizeLimit();
    CFileSizeLimit(const CFileSizeLimit&) = delete;
    CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;
    bool Active() const { return m_bActive; }

private:
    bool m_bActive = false;
    uint64_t m_nPrevious = 0;
};

}  // namespace testing_support
