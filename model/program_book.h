// The book: exactly 2000 programs, addressed by index 0 to 1999 inside the program and numbered
// 1 to 2000 towards the user.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/frequency_program.h"
#include "platform/file.h"

namespace model {

inline constexpr int kProgramCount = 2000;
inline constexpr uint32_t kFileMagic = 0x01000000u;

class CProgramBook {
public:
    CFrequencyProgram& operator[](int index) { return m_programs[index]; }
    const CFrequencyProgram& operator[](int index) const { return m_programs[index]; }

    // A negative start is taken as 0.
    int32_t FindEmpty(int32_t from) const;
    // False, changing nothing, for an index outside 0 to 1999.
    bool InsertAt(int index);
    static constexpr int EncodedSize() { return kProgramCount * kPayloadSize; }
    void EncodeAll(uint8_t* out) const;

    // Both show any failure in a message box themselves, under the file's name when they are
    // given it, and return false; Load then leaves the book exactly as it was.
    bool Save(platform::CFile& file, const std::string& name = {});
    bool Load(platform::CFile& file, const std::string& name = {});

    bool operator==(const CProgramBook& other) const { return m_programs == other.m_programs; }

private:
    std::array<CFrequencyProgram, kProgramCount> m_programs;
};

// Saves the book to a path: a file through an atomic save, so that a failure leaves the old
// file; with streams too, a pipe or device in place and "-" to standard output.
bool SaveBookToPath(CProgramBook& book, const std::string& path,
                    platform::EFileKinds kinds = platform::EFileKinds::kStreamsToo);
// Opens the path and loads it; a file that cannot be opened is reported like any read failure.
// With streams too, a pipe is read to its end and "-" is standard input. Bytes after the last
// program are not read; given pBytesAfter, they are read and counted there.
bool LoadBookFromPath(CProgramBook& book, const std::string& path,
                      platform::EFileKinds kinds = platform::EFileKinds::kStreamsToo,
                      uint64_t* pBytesAfter = nullptr);

}  // namespace model
