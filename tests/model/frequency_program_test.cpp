#include "model/frequency_program.h"

#include <gtest/gtest.h>

#include <vector>

using model::CFrequencyProgram;
using model::kGroupsFlag;

namespace {

struct SCompactCase {
    std::vector<uint32_t> group;
    std::vector<uint32_t> expected;
    int count;
};

TEST(FrequencyProgram, CompactKeepsOrderMovesValuesToFrontAndCountsThem) {
    const SCompactCase cases[] = {
        {{0, 0, 1, 2, 0, 3, 4, 0}, {1, 2, 3, 4, 0, 0, 0, 0}, 4},
        {{0, 0, 1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6, 0, 0}, 6},
        {{9, 8, 7, 6, 5, 4, 3, 2}, {9, 8, 7, 6, 5, 4, 3, 2}, 8},
        {{0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0}, 0},
        {{0, 0, 0, 0, 0, 0, 0, 0xFFFFFFFF}, {0xFFFFFFFF, 0, 0, 0, 0, 0, 0, 0}, 1},
    };
    for (const auto& c : cases) {
        for (int group = 0; group < model::kGroupCount; ++group) {
            SCOPED_TRACE(testing::Message()
                         << "case with count " << c.count << ", group " << group);
            CFrequencyProgram p;
            for (int i = 0; i < 8; ++i) {
                p.m_freq[group * 8 + i] = c.group[i];
            }
            p.UpdateGroupCount(group);
            p.Compact();
            for (int i = 0; i < 8; ++i) {
                EXPECT_EQ(p.m_freq[group * 8 + i], c.expected[i]) << "position " << i;
            }
            EXPECT_EQ(p.GroupCount(group), c.count);
            EXPECT_EQ(p.m_header, static_cast<uint32_t>(c.count) << (4 * group));
        }
    }
}

TEST(FrequencyProgram, CompactNeverMovesValuesBetweenGroups) {
    CFrequencyProgram p;
    p.m_freq[7] = 11;   // group 1, last position
    p.m_freq[15] = 22;  // group 2, last position
    p.Compact();
    EXPECT_EQ(p.m_freq[0], 11u);
    EXPECT_EQ(p.m_freq[8], 22u);
    EXPECT_EQ(p.m_freq[7], 0u);
    EXPECT_EQ(p.m_freq[15], 0u);
}

TEST(FrequencyProgram, ClearEmptiesSlotsAndCountsButKeepsTypeAndHighBits) {
    CFrequencyProgram groups;
    groups.m_header = kGroupsFlag | 0x00345678;
    groups.m_freq.fill(5);
    groups.Clear();
    EXPECT_TRUE(groups.IsEmpty());
    EXPECT_EQ(groups.m_header, kGroupsFlag);

    CFrequencyProgram damaged;
    damaged.m_header = 0x7F000003;
    damaged.m_freq[0] = 1;
    damaged.Clear();
    EXPECT_EQ(damaged.m_header, 0x7F000000u);
}

TEST(FrequencyProgram, UpdateGroupCountOfGroupSixTouchesOnlyItsNibble) {
    CFrequencyProgram p;
    p.m_header = 0xFFFFFFFF;
    p.m_freq[40] = 1;
    p.m_freq[45] = 2;
    p.UpdateGroupCount(5);
    EXPECT_EQ(p.m_header, 0xFF2FFFFFu);
}

TEST(FrequencyProgram, EmptyIgnoresHeader) {
    CFrequencyProgram p;
    p.m_header = kGroupsFlag | 0x3;
    EXPECT_TRUE(p.IsEmpty());
    p.m_freq[47] = 1;
    EXPECT_FALSE(p.IsEmpty());
}

TEST(FrequencyProgram, EncodeOfNewProgramIsAllZero) {
    CFrequencyProgram p;
    std::vector<uint8_t> out(model::kPayloadSize, 0xAA);
    EXPECT_EQ(p.Encode(out.data()), 196);
    EXPECT_EQ(out, std::vector<uint8_t>(196, 0));
}

TEST(FrequencyProgram, EncodeIsBigEndianHeaderThenEverySlot) {
    CFrequencyProgram p;
    p.m_header = kGroupsFlag | 1;
    p.m_freq[0] = 10000;  // 1000.0 Hz
    std::vector<uint8_t> out(model::kPayloadSize, 0xAA);
    p.Encode(out.data());
    std::vector<uint8_t> expected(196, 0);
    expected[0] = 0x80;
    expected[3] = 0x01;
    expected[6] = 0x27;
    expected[7] = 0x10;
    EXPECT_EQ(out, expected);

    // Encoding neither compacts nor checks: an uncounted slot at the end still goes out.
    CFrequencyProgram loose;
    loose.m_freq[47] = 0x01020304;
    loose.Encode(out.data());
    EXPECT_EQ(out[192], 1);
    EXPECT_EQ(out[195], 4);
}

}  // namespace
