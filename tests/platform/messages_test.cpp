// The message seam without windows: what the console prints and answers, and how the scripted
// sink of the tests answers and gives the seam back.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/console_messages.h"
#include "platform/message_box.h"
#include "tests/scripted_messages.h"

using platform::CConsoleMessages;
using platform::EMsgAnswer;
using platform::EMsgButtons;
using platform::EMsgIcon;
using platform::SMessageRequest;
using testing_support::CScriptedMessages;

namespace {

std::string Contents(std::FILE* file) {
    std::rewind(file);
    std::string out;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        out += static_cast<char>(c);
    }
    return out;
}

// The program's own caption goes without saying; any other names where the message came from.
// Nobody is there to answer, so each box is answered as if dismissed.
TEST(ConsoleMessages, PrintsOneLineAndAnswersAsIfDismissed) {
    struct SCase {
        SMessageRequest request;
        const char* line;
        EMsgAnswer answer;
    };
    const SCase cases[] = {
        {{"File had a read error", "ZelkorConfig", EMsgIcon::kNone, EMsgButtons::kOk},
         "File had a read error\n",
         EMsgAnswer::kOk},
        {{"Port gone", "Communications Port Error", EMsgIcon::kWarning, EMsgButtons::kOk},
         "Communications Port Error: Port gone\n",
         EMsgAnswer::kOk},
        // A text with an error label of its own is not labelled twice.
        {{"Comm Port Error: 21 (Is a directory)", "Communications Port Error", EMsgIcon::kWarning,
          EMsgButtons::kOk},
         "Comm Port Error: 21 (Is a directory)\n",
         EMsgAnswer::kOk},
        {{"Couldn't write to comm port. Error: 9 (Bad file descriptor)",
          "Communications Port Error", EMsgIcon::kWarning, EMsgButtons::kOk},
         "Communications Port Error: Couldn't write to comm port. Error: 9 (Bad file descriptor)\n",
         EMsgAnswer::kOk},
        {{"Go on?", "", EMsgIcon::kQuestion, EMsgButtons::kYesNo}, "Go on?\n", EMsgAnswer::kNo},
        {{"Save?", "ZelkorConfig", EMsgIcon::kWarning, EMsgButtons::kSaveDiscardCancel},
         "Save?\n",
         EMsgAnswer::kCancel},
        // What the message is about and why, in the order tools print them.
        {{"File had a read error", "ZelkorConfig", EMsgIcon::kNone, EMsgButtons::kOk, true,
          "book.vq", "No such file or directory"},
         "book.vq: File had a read error: No such file or directory\n",
         EMsgAnswer::kOk},
        {{"Row 2: bad", "ZelkorConfig", EMsgIcon::kNone, EMsgButtons::kOk, true, "in.csv", ""},
         "in.csv: Row 2: bad\n",
         EMsgAnswer::kOk},
        {{"Lost", "Communications Port Error", EMsgIcon::kWarning, EMsgButtons::kOk, true, "",
          "Input/output error"},
         "Communications Port Error: Lost: Input/output error\n",
         EMsgAnswer::kOk},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.request.text);
        std::FILE* file = std::tmpfile();
        ASSERT_NE(file, nullptr);
        CConsoleMessages console(file);
        EXPECT_EQ(console.Show(c.request), c.answer);
        EXPECT_EQ(Contents(file), c.line);
        std::fclose(file);
    }
}

TEST(ConsoleMessages, IsTheSinkUntilAnotherIsInstalledAndWritesToStandardError) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(platform::ShowAppMessage("File has a bad format"), EMsgAnswer::kOk);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "File has a bad format\n");
}

TEST(ScriptedMessages, AnswersFromItsQueueThenAsIfDismissedAndGivesTheSeamBack) {
    platform::IMessageSink* before = &platform::MessageSink();
    {
        CScriptedMessages outer;
        {
            CScriptedMessages inner;
            inner.QueueAnswer(EMsgAnswer::kYes);
            EXPECT_EQ(platform::AskYesNo("first"), EMsgAnswer::kYes);
            EXPECT_EQ(platform::AskYesNo("second"), EMsgAnswer::kNo);
            platform::PostMessageBox({"posted", "ZelkorConfig"});
            EXPECT_EQ(inner.Texts(), (std::vector<std::string>{"first", "second", "posted"}));
            EXPECT_EQ(inner.Requests()[0].icon, EMsgIcon::kQuestion);
        }
        EXPECT_EQ(&platform::MessageSink(), &outer);
        EXPECT_EQ(outer.Count(), 0u);
    }
    EXPECT_EQ(&platform::MessageSink(), before);
}

}  // namespace
