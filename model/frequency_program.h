// One program of the book: a header word (six 4-bit group counts and the type flag) and 48
// frequency slots in tenths of a hertz, 0 meaning an empty slot.
#pragma once

#include <array>
#include <cstdint>

#include "platform/file.h"

namespace model {

inline constexpr int kGroupCount = 6;
inline constexpr int kSlotsPerGroup = 8;
inline constexpr int kSlotCount = 48;
inline constexpr int kPayloadSize = 196;
inline constexpr uint32_t kGroupsFlag = 0x80000000u;
// A slot counts tenths of a hertz.
inline constexpr uint32_t kTenthsPerHertz = 10;

// The hertz a stored slot stands for.
constexpr double SlotToHertz(uint32_t slot) {
    return slot / static_cast<double>(kTenthsPerHertz);
}

class CFrequencyProgram {
public:
    CFrequencyProgram() = default;
    CFrequencyProgram(const CFrequencyProgram&) = default;
    CFrequencyProgram& operator=(const CFrequencyProgram&) = default;
    virtual ~CFrequencyProgram() = default;

    // Writes the program's file record. The counts are taken from the header as they stand, so
    // the program and the next one must be compacted first (the book's Save compacts them all).
    // A Frequency Groups record ends with eight words taken from slots 6 to 13 of the next
    // program (zeros after the last program), which is how the file has always been laid out.
    virtual int Write(platform::CFile& file, const CFrequencyProgram* pNext) const;
    // Reads a record into this program, which is cleared first; throws MExceptFileBadFormat for
    // a header that no record of a good file can have.
    virtual int Read(platform::CFile& file);

    void Clear();
    void UpdateGroupCount(int group);
    void Compact();
    bool IsEmpty() const;
    // The device payload: the header word, then the 48 slots, each big-endian (kPayloadSize
    // bytes). Decode takes back what Encode wrote, exactly as it stands.
    int Encode(uint8_t* out) const;
    void Decode(const uint8_t* in);

    bool IsGroups() const { return (m_header & kGroupsFlag) != 0; }
    void SetGroups(bool bGroups);
    int GroupCount(int group) const;

    bool operator==(const CFrequencyProgram& other) const {
        return m_header == other.m_header && m_freq == other.m_freq;
    }

    uint32_t m_header = 0;
    std::array<uint32_t, kSlotCount> m_freq{};
};

}  // namespace model
