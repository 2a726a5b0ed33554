// The document's New, Open, Save and Save As, with real files, a scripted user and a recording
// view: a failed save or open changes nothing the user relies on.
#include "model/zelkor_config_doc.h"

#include <gtest/gtest.h>

#include "res/ids_editor.h"
#include "res/notifications.h"
#include "tests/scripted_messages.h"
#include "tests/test_support.h"

namespace {

using model::CZelkorConfigDoc;
using platform::EMsgAnswer;
using testing_support::CTempDir;
using testing_support::ReadAll;
using testing_support::WriteAll;

// The file dialogs answer from a queue; everything else is recorded.
class CTestHost : public model::IDocHost, public testing_support::CPathAnswers {
public:
    std::optional<std::string> PromptOpenPath() override { return Next(); }
    std::optional<std::string> PromptSavePath(const std::string& suggested) override {
        m_suggested.push_back(suggested);
        return Next();
    }
    void AddToRecentFileList(const std::string& path) override { m_recent.push_back(path); }

    std::vector<std::string> m_suggested;
    std::vector<std::string> m_recent;
};

// Records what the document asks of its view, and what the file held at that moment.
class CTestView : public model::IDocView {
public:
    explicit CTestView(std::string watchedPath = {}) : m_strWatched(std::move(watchedPath)) {}
    intptr_t SendMessage(unsigned nMsg, uintptr_t, intptr_t) override {
        m_messages.push_back(nMsg);
        m_fileSizeAtCommit.push_back(
            m_strWatched.empty() || !std::filesystem::exists(m_strWatched)
                ? -1
                : static_cast<long>(std::filesystem::file_size(m_strWatched)));
        if (m_onCommit) {
            m_onCommit();
        }
        return 0;
    }
    void OnInitialUpdate() override { ++m_nInitialUpdates; }

    std::string m_strWatched;
    std::vector<unsigned> m_messages;
    std::vector<long> m_fileSizeAtCommit;
    std::function<void()> m_onCommit;
    int m_nInitialUpdates = 0;
};

class Document : public testing::Test {
protected:
    Document() {
        m_doc.SetHost(&m_host);
        m_doc.AddView(&m_view);
    }

    void Edit(int index, uint32_t tenths) {
        m_doc.ChangeBook("edit", index, 1, [&](model::CProgramBook& book, int16_t&) {
            book[index].m_freq[0] = tenths;
            book[index].UpdateGroupCount(0);
            return true;
        });
    }

    std::string SavedFile(const std::string& name, uint32_t tenthsInProgram37) {
        model::CProgramBook other;
        other[36].m_freq[0] = tenthsInProgram37;
        other[36].UpdateGroupCount(0);
        const std::string path = m_dir.File(name);
        EXPECT_TRUE(model::SaveBookToPath(other, path));
        return path;
    }

    CTempDir m_dir;
    testing_support::CScriptedMessages m_messages;
    CTestHost m_host;
    CTestView m_view;
    CZelkorConfigDoc m_doc;
};

TEST_F(Document, StartsUntitledEmptyAndUnmodified) {
    EXPECT_EQ(m_doc.FrameTitle(), "Untitled - VQ7100");
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_doc.Current(), 0);
    EXPECT_EQ(m_doc.Book(), model::CProgramBook());
}

// A change that did not go through is put back, and one that changes nothing is no step; a
// step keeps only the programs that changed, and Undo gives them back.
TEST_F(Document, OnlyAChangeOfAProgramIsAStep) {
    struct CSteps : model::IDocHistory {
        void Record(model::SBookStep step) override { m_steps.push_back(std::move(step)); }
        void OnBookSaved() override {}
        void OnBookStarted() override {}
        std::vector<model::SBookStep> m_steps;
    } history;
    m_doc.SetHistory(&history);
    auto store = [this](bool bGoes) {
        return m_doc.ChangeBook("store", 0, 3, [bGoes](model::CProgramBook& book, int16_t& n) {
            book[1] = testing_support::MakeProgram(false, {{0, 10}});
            n = 1;
            return bGoes;
        });
    };
    EXPECT_FALSE(store(false));
    EXPECT_TRUE(m_doc.Book() == model::CProgramBook() && m_doc.Current() == 0);
    EXPECT_TRUE(store(true));
    EXPECT_FALSE(store(true));
    ASSERT_EQ(history.m_steps.size(), 1u);
    EXPECT_EQ(history.m_steps[0].nFirst, 1);
    EXPECT_EQ(history.m_steps[0].programs.size(), 1u);
    m_doc.UndoStep(history.m_steps[0]);
    EXPECT_TRUE(m_doc.Book() == model::CProgramBook() && m_doc.Current() == 0);
    m_doc.SetHistory(nullptr);
}

TEST_F(Document, NewKeepsProgramsAndProgramOnDisplay) {
    const std::string path = SavedFile("a.vq", 5000);
    ASSERT_TRUE(m_doc.OpenDocumentFile(path));
    m_doc.SetCurrent(36);
    Edit(36, 7777);
    const auto before = m_doc.Book();
    m_messages.QueueAnswer(EMsgAnswer::kDiscard);

    ASSERT_TRUE(m_doc.OnFileNew());
    EXPECT_EQ(m_doc.Book(), before);
    EXPECT_EQ(m_doc.Current(), 36);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetPathName(), "");
    EXPECT_EQ(m_doc.FrameTitle(), "Untitled - VQ7100");
    EXPECT_EQ(m_view.m_nInitialUpdates, 2);
}

TEST_F(Document, AskToSaveOffersSaveDiscardCancelWithTheDocumentsName) {
    Edit(0, 100);
    m_messages.QueueAnswer(EMsgAnswer::kCancel);
    EXPECT_FALSE(m_doc.OnFileNew());
    ASSERT_EQ(m_messages.Count(), 1u);
    const auto request = m_messages.Requests()[0];
    EXPECT_EQ(request.text, "Save changes to Untitled?");
    EXPECT_EQ(request.caption, "ZelkorConfig");
    EXPECT_EQ(request.buttons, platform::EMsgButtons::kSaveDiscardCancel);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_view.m_nInitialUpdates, 0);
}

TEST_F(Document, NoQuestionWhenUnmodified) {
    EXPECT_TRUE(m_doc.OnFileNew());
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(Document, SaveAnswerSavesFirstThenGoesOn) {
    Edit(0, 100);
    m_messages.QueueAnswer(EMsgAnswer::kSave);
    m_host.m_paths.push_back(m_dir.File("book.vq"));
    ASSERT_TRUE(m_doc.OnFileNew());
    EXPECT_EQ(m_host.m_suggested, std::vector<std::string>{"Untitled.vq"});
    EXPECT_EQ(ReadAll(m_dir.File("book.vq")).size(), 8012u);
    EXPECT_EQ(m_doc.GetPathName(), "");  // New came after the save
}

TEST_F(Document, SaveAnswerWhoseSaveFailsStopsTheCommand) {
    Edit(0, 100);
    m_messages.QueueAnswer(EMsgAnswer::kSave);
    m_host.m_paths.push_back(m_dir.File("missing/book.vq"));
    EXPECT_FALSE(m_doc.OnFileNew());
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_view.m_nInitialUpdates, 0);
}

TEST_F(Document, SaveAsWritesTheFileAndNamesTheDocument) {
    Edit(3, 4321);
    m_host.m_paths.push_back(m_dir.File("book.vq"));
    ASSERT_TRUE(m_doc.OnFileSaveAs());
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetPathName(), m_dir.File("book.vq"));
    EXPECT_EQ(m_doc.FrameTitle(), "book.vq - VQ7100");
    EXPECT_EQ(m_host.m_recent, std::vector<std::string>{m_dir.File("book.vq")});
    model::CProgramBook reread;
    ASSERT_TRUE(model::LoadBookFromPath(reread, m_dir.File("book.vq")));
    EXPECT_EQ(reread, m_doc.Book());
}

TEST_F(Document, SaveOfANamedDocumentAsksNoName) {
    m_host.m_paths.push_back(m_dir.File("book.vq"));
    ASSERT_TRUE(m_doc.OnFileSaveAs());
    Edit(1, 999);
    ASSERT_TRUE(m_doc.OnFileSave());
    EXPECT_EQ(m_host.m_suggested.size(), 1u);
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(Document, CancelledSaveDialogChangesNothing) {
    Edit(1, 999);
    m_host.m_paths.push_back(std::nullopt);
    EXPECT_FALSE(m_doc.OnFileSave());
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_TRUE(m_view.m_messages.empty());
}

TEST_F(Document, SerializeCommitsEveryViewBeforeTheFileIsWritten) {
    CTestView second(m_dir.File("book.vq"));
    m_view.m_strWatched = m_dir.File("book.vq");
    m_doc.AddView(&second);
    // A view that commits edits in answer: the edit must reach the file.
    m_view.m_onCommit = [this] {
        testing_support::BookOf(m_doc)[9].m_freq[0] = 55;
        testing_support::BookOf(m_doc)[9].UpdateGroupCount(0);
    };
    m_host.m_paths.push_back(m_dir.File("book.vq"));
    ASSERT_TRUE(m_doc.OnFileSaveAs());
    EXPECT_EQ(m_view.m_messages, std::vector<unsigned>{res::WM_COMMITPROGRAM});
    EXPECT_EQ(second.m_messages, std::vector<unsigned>{res::WM_COMMITPROGRAM});
    EXPECT_EQ(m_view.m_fileSizeAtCommit, std::vector<long>{-1});
    model::CProgramBook reread;
    ASSERT_TRUE(model::LoadBookFromPath(reread, m_dir.File("book.vq")));
    EXPECT_EQ(reread[9].m_freq[0], 55u);
    m_doc.RemoveView(&second);
}

TEST_F(Document, OpenKeepsTheProgramOnDisplayAndNamesTheDocument) {
    const std::string path = SavedFile("other.vq", 12345);
    m_doc.SetCurrent(36);
    ASSERT_TRUE(m_doc.OpenDocumentFile(path));
    EXPECT_EQ(m_doc.Current(), 36);
    EXPECT_EQ(m_doc.Book()[36].m_freq[0], 12345u);
    EXPECT_EQ(m_doc.FrameTitle(), "other.vq - VQ7100");
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_host.m_recent, std::vector<std::string>{path});
    EXPECT_EQ(m_view.m_messages, std::vector<unsigned>{res::WM_COMMITPROGRAM});
    EXPECT_EQ(m_view.m_nInitialUpdates, 1);
}

TEST_F(Document, OpenThroughTheDialog) {
    const std::string path = SavedFile("other.vq", 1);
    m_host.m_paths.push_back(path);
    EXPECT_TRUE(m_doc.OnFileOpen());
    EXPECT_EQ(m_doc.GetPathName(), path);
    m_host.m_paths.push_back(std::nullopt);
    EXPECT_FALSE(m_doc.OnFileOpen());
    EXPECT_EQ(m_doc.GetPathName(), path);
}

struct SFailedOpen {
    const char* name;
    std::vector<uint8_t> bytes;  // empty: no file at all
    const char* message;
    // A case shows as its name, not as raw bytes, in the list of cases and in a failure.
    friend void PrintTo(const SFailedOpen& open, std::ostream* out) { *out << open.name; }
};

class FailedOpen : public Document, public testing::WithParamInterface<SFailedOpen> {};

TEST_P(FailedOpen, LeavesBookNameFlagAndRecentFilesAsTheyWere) {
    const std::string named = SavedFile("named.vq", 1);
    ASSERT_TRUE(m_doc.OpenDocumentFile(named));
    m_doc.SetCurrent(36);
    Edit(36, 4242);
    const auto book = m_doc.Book();
    const auto recent = m_host.m_recent;
    const int updates = m_view.m_nInitialUpdates;
    const std::string bad = m_dir.File("bad.vq");
    if (!GetParam().bytes.empty()) {
        WriteAll(bad, GetParam().bytes);
    }
    m_messages.QueueAnswer(EMsgAnswer::kDiscard);

    EXPECT_FALSE(m_doc.OpenDocumentFile(bad));
    EXPECT_EQ(m_messages.Texts().back(), GetParam().message);
    EXPECT_EQ(m_doc.Book(), book);
    EXPECT_EQ(m_doc.Current(), 36);
    EXPECT_EQ(m_doc.GetPathName(), named);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_host.m_recent, recent);
    EXPECT_EQ(m_view.m_nInitialUpdates, updates);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailedOpen,
    testing::Values(
        SFailedOpen{"BadFirstWord", {0, 0, 0, 1, 0, 0, 7, 0xD0}, "File has a bad format"},
        SFailedOpen{"BadCount", {1, 0, 0, 0, 0, 0, 7, 0xCF}, "File has a bad format"},
        SFailedOpen{"Missing", {}, "File had a read error"}),
    [](const testing::TestParamInfo<SFailedOpen>& param) { return std::string(param.param.name); });

TEST_F(Document, SaveAsIntoAMissingFolderIsNoSave) {
    const std::string named = SavedFile("named.vq", 1);
    ASSERT_TRUE(m_doc.OpenDocumentFile(named));
    Edit(2, 77);
    const auto recent = m_host.m_recent;
    m_host.m_paths.push_back(m_dir.File("missing/elsewhere.vq"));
    EXPECT_FALSE(m_doc.OnFileSaveAs());
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{"File had a write error"});
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetPathName(), named);
    EXPECT_EQ(m_doc.FrameTitle(), "named.vq - VQ7100");
    EXPECT_EQ(m_host.m_recent, recent);
}

TEST_F(Document, SaveThatRunsOutOfSpaceKeepsTheOldFile) {
    const std::string named = SavedFile("named.vq", 1);
    ASSERT_TRUE(m_doc.OpenDocumentFile(named));
    const auto old = ReadAll(named);
    for (int i = 0; i < 200; ++i) {
        Edit(i, 1000 + static_cast<uint32_t>(i));
    }
    const auto recent = m_host.m_recent;

    bool saved = true;
    {
        testing_support::CFileSizeLimit limit(8100);
        if (!limit.Active()) {
            GTEST_SKIP() << "this system cannot limit the size of a file";
        }
        saved = m_doc.OnFileSave();
    }

    EXPECT_FALSE(saved);
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{"File had a write error"});
    EXPECT_EQ(ReadAll(named), old);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_host.m_recent, recent);
}

}  // namespace
