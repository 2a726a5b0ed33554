#include "app/recent_file_list.h"

#include <gtest/gtest.h>

namespace {

using Entries = std::vector<std::string>;

TEST(RecentFileList, AddsNewestFirstMovesRepeatsAndKeepsItsSize) {
    struct SCase {
        Entries added;
        Entries expected;
    };
    const SCase cases[] = {
        {{"a"}, {"a"}},
        {{"a", "b"}, {"b", "a"}},
        {{"a", "b", "a"}, {"a", "b"}},
        {{"a", "b", "c", "d", "e"}, {"e", "d", "c", "b"}},
        {{"a", "", "b"}, {"b", "a"}},
    };
    for (const auto& c : cases) {
        app::CRecentFileList list(4);
        for (const auto& path : c.added) {
            list.Add(path);
        }
        EXPECT_EQ(list.Entries(), c.expected);
    }
}

TEST(RecentFileList, StoredEntriesSkipBlanksAndRepeats) {
    app::CRecentFileList list(4);
    list.Assign({"a", "", "a", "b", "c", "d", "e"});
    EXPECT_EQ(list.Entries(), (Entries{"a", "b", "c", "d"}));
}

}  // namespace
