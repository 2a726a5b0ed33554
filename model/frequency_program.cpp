#include "model/frequency_program.h"

#include "model/except.h"
#include "model/file_words.h"
#include "platform/byte_order.h"

namespace model {

namespace {
constexpr uint32_t kCountsMask = 0x00FFFFFFu;
constexpr uint32_t kReservedMask = 0x7F000000u;  // bits 24-30, never set by this program
constexpr int kHeaderFields = 8;                 // the writer treats every nibble as a count
constexpr int kTrailingWords = 8;

int FieldCount(uint32_t header, int field) {
    return static_cast<int>((header >> (4 * field)) & 0xF);
}
}  // namespace

void CFrequencyProgram::Clear() {
    m_freq.fill(0);
    m_header &= ~kCountsMask;
}

void CFrequencyProgram::UpdateGroupCount(int group) {
    uint32_t count = 0;
    for (int i = 0; i < kSlotsPerGroup; ++i) {
        if (m_freq[group * kSlotsPerGroup + i] != 0) {
            ++count;
        }
    }
    const int shift = 4 * group;
    m_header = (m_header & ~(0xFu << shift)) | (count << shift);
}

void CFrequencyProgram::Compact() {
    for (int group = 0; group < kGroupCount; ++group) {
        uint32_t* slots = &m_freq[group * kSlotsPerGroup];
        int kept = 0;
        for (int i = 0; i < kSlotsPerGroup; ++i) {
            if (slots[i] != 0) {
                slots[kept++] = slots[i];
            }
        }
        for (; kept < kSlotsPerGroup; ++kept) {
            slots[kept] = 0;
        }
    }
}

bool CFrequencyProgram::IsEmpty() const {
    for (uint32_t v : m_freq) {
        if (v != 0) {
            return false;
        }
    }
    return true;
}

void CFrequencyProgram::SetGroups(bool bGroups) {
    if (bGroups) {
        m_header |= kGroupsFlag;
    } else {
        m_header &= ~kGroupsFlag;
    }
}

int CFrequencyProgram::GroupCount(int group) const {
    return FieldCount(m_header, group);
}

int CFrequencyProgram::Encode(uint8_t* out) const {
    platform::PutBig32(out, m_header);
    for (int s = 0; s < kSlotCount; ++s) {
        platform::PutBig32(out + 4 + 4 * s, m_freq[s]);
    }
    return kPayloadSize;
}

void CFrequencyProgram::Decode(const uint8_t* in) {
    m_header = platform::GetBig32(in);
    for (int s = 0; s < kSlotCount; ++s) {
        m_freq[s] = platform::GetBig32(in + 4 + 4 * s);
    }
}

int CFrequencyProgram::Write(platform::CFile& file, const CFrequencyProgram* pNext) const {
    WriteFileLong(file, m_header);
    for (int field = 0; field < kGroupCount; ++field) {
        const int count = FieldCount(m_header, field);
        for (int i = 0; i < count; ++i) {
            WriteFileLong(file, m_freq[field * kSlotsPerGroup + i]);
        }
    }
    // Field 7 is always 0; field 8 reads as 8 exactly when the type flag is set.
    for (int i = 0; i < FieldCount(m_header, kHeaderFields - 1); ++i) {
        constexpr int kFirstNextSlot = 6;
        WriteFileLong(file, pNext != nullptr ? pNext->m_freq[kFirstNextSlot + i] : 0);
    }
    return 0;
}

int CFrequencyProgram::Read(platform::CFile& file) {
    uint32_t header = 0;
    if (!ReadFileLong(file, header)) {
        ThrowFileBadFormat();
    }
    if ((header & kReservedMask) != 0) {
        ThrowFileBadFormat();
    }
    for (int field = 0; field < kGroupCount; ++field) {
        if (FieldCount(header, field) > kSlotsPerGroup) {
            ThrowFileBadFormat();
        }
    }
    m_freq.fill(0);
    m_header = header;
    for (int field = 0; field < kGroupCount; ++field) {
        const int count = FieldCount(header, field);
        for (int i = 0; i < count; ++i) {
            if (!ReadFileLong(file, m_freq[field * kSlotsPerGroup + i])) {
                ThrowFileBadFormat();
            }
        }
    }
    // The trailing words of a Frequency Groups record repeat part of the next program, whose own
    // record follows; they are read and dropped.
    if (IsGroups()) {
        for (int i = 0; i < kTrailingWords; ++i) {
            uint32_t ignored = 0;
            if (!ReadFileLong(file, ignored)) {
                ThrowFileBadFormat();
            }
        }
    }
    Compact();
    return 0;
}

}  // namespace model
