#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "platform/console_messages.h"
#include "platform/message_box.h"
#include "tests/scripted_messages.h"

using namespace platform;
using testing_support::CScriptedMessages;
using namespace std::chrono_literals;

namespace {

TEST(Messages, DismissingAnswersNoOrCancel) {
    EXPECT_EQ(DismissAnswer(EMsgButtons::kOk), EMsgAnswer::kOk);
    EXPECT_EQ(DismissAnswer(EMsgButtons::kYesNo), EMsgAnswer::kNo);
    EXPECT_EQ(DismissAnswer(EMsgButtons::kSaveDiscardCancel), EMsgAnswer::kCancel);
}

TEST(Messages, ScriptedSinkRecordsAndAnswersInOrderThenAsDismissed) {
    CScriptedMessages messages;
    messages.QueueAnswer(EMsgAnswer::kYes);
    messages.QueueAnswer(EMsgAnswer::kSave);
    EXPECT_EQ(AskYesNo("first?"), EMsgAnswer::kYes);
    EXPECT_EQ(ShowMessage({"second", "Other", EMsgIcon::kWarning, EMsgButtons::kSaveDiscardCancel}),
              EMsgAnswer::kSave);
    EXPECT_EQ(AskYesNo("third?"), EMsgAnswer::kNo);
    EXPECT_EQ(ShowAppMessage("fourth"), EMsgAnswer::kOk);
    const auto requests = messages.Requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0], (SMessageRequest{"first?", "ZelkorConfig", EMsgIcon::kQuestion,
                                            EMsgButtons::kYesNo}));
    EXPECT_EQ(requests[3],
              (SMessageRequest{"fourth", "ZelkorConfig", EMsgIcon::kNone, EMsgButtons::kOk}));
    messages.QueueAnswer(EMsgAnswer::kYes);
    messages.Clear();  // drops unused answers too
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(AskYesNo("again?"), EMsgAnswer::kNo);
}

TEST(Messages, NestedScriptedSinksRestoreTheOuterOne) {
    CScriptedMessages outer;
    {
        CScriptedMessages inner;
        ShowAppMessage("inner");
        EXPECT_EQ(inner.Count(), 1u);
    }
    ShowAppMessage("outer");
    EXPECT_EQ(outer.Texts(), std::vector<std::string>{"outer"});
}

TEST(Messages, PostsFromAnotherThreadCanBeAwaited) {
    CScriptedMessages messages;
    std::thread poster([] {
        PostMessageBox({"one", "ZelkorConfig"});
        PostMessageBox({"two", "ZelkorConfig"});
    });
    EXPECT_TRUE(messages.WaitForCount(2, 10s));
    poster.join();
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"one", "two"}));
    EXPECT_FALSE(messages.WaitForCount(3, 1ms));
}

TEST(Messages, ConsoleSinkPrintsForeignCaptionsAndAnswersAsDismissed) {
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    CConsoleMessages console(out);
    EXPECT_EQ(console.Show({"File has a bad format", "ZelkorConfig"}), EMsgAnswer::kOk);
    EXPECT_EQ(console.Show({"Port busy", "Communications Port Error", EMsgIcon::kWarning,
                            EMsgButtons::kYesNo}),
              EMsgAnswer::kNo);
    EXPECT_EQ(console.Show({"Save?", "", EMsgIcon::kQuestion, EMsgButtons::kSaveDiscardCancel}),
              EMsgAnswer::kCancel);
    std::rewind(out);
    char buf[256] = {};
    const size_t n = std::fread(buf, 1, sizeof buf - 1, out);
    std::fclose(out);
    EXPECT_EQ(std::string(buf, n),
              "File has a bad format\nCommunications Port Error: Port busy\nSave?\n");
}

}  // namespace
