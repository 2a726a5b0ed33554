// The application's one document: the program book, the program on display, and the file
// handling around them (New, Open, Save, Save As, the question before a modified book is
// dropped). It knows no window: the views and the file dialogs reach it through the interfaces
// below, so all of its behaviour runs in tests without a display.
//
// Threads: user-interface thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/program_book.h"
#include "res/notifications.h"

namespace model {

// A window that shows the document.
class IDocView {
public:
    virtual ~IDocView() = default;
    // A synchronous window message (WM_COMMITPROGRAM is the one the document sends).
    virtual intptr_t SendMessage(unsigned nMsg, uintptr_t wParam, intptr_t lParam) = 0;
    // The document has been made new or has been opened.
    virtual void OnInitialUpdate() = 0;
    // The view holds edits of the book that it has not put into it yet (the form's fields):
    // they are unsaved changes too.
    virtual bool HasPendingEdits() const { return false; }
};

// What the document needs from the windows around it.
class IDocHost {
public:
    virtual ~IDocHost() = default;
    // The file dialogs; nullopt when the user cancels.
    virtual std::optional<std::string> PromptOpenPath() = 0;
    virtual std::optional<std::string> PromptSavePath(const std::string& suggestedName) = 0;
    // A file was opened or saved under this path.
    virtual void AddToRecentFileList(const std::string& path) = 0;
    // The title or the modified flag changed.
    virtual void OnDocumentTitleChanged() {}
    // A file has just become the document (and the views show it).
    virtual void OnDocumentOpened() {}
};

// One change of the book as Undo and Redo keep it: the programs from nFirst on as the book does
// not hold them now (Undo exchanges them with the book's, Redo exchanges them back, so one copy
// serves both ways), the program on display before and after the change, and, for a change that
// made a book from elsewhere the document (an import), the path of the other document's file,
// which is exchanged in the same way ("" for an untitled book).
struct SBookStep {
    std::string strName;  // what Undo and Redo name: "Delete Program 12"
    int nFirst = 0;
    std::vector<CFrequencyProgram> programs;
    int16_t nCurrentBefore = 0;
    int16_t nCurrentAfter = 0;
    bool bChangesFile = false;
    std::string strOtherPath;
};

// What keeps the changes of the book for Undo (an undo stack on the window side). The document
// hands it every change as a step; the history hands a step back to UndoStep and RedoStep, and
// tells the document whether the book is as it was saved, opened or started (SetModifiedFlag).
class IDocHistory {
public:
    virtual ~IDocHistory() = default;
    // A change of the book has been made; the step holds what it replaced.
    virtual void Record(SBookStep step) = 0;
    // The book was saved as it stands: this state is the unmodified one.
    virtual void OnBookSaved() = 0;
    // New or Open: a book without changes to take back.
    virtual void OnBookStarted() = 0;
    // The type of the empty program at nIndex was set: no step, but the program differs.
    virtual void OnEmptyProgramTyped(int /*nIndex*/) {}
};

class CZelkorConfigDoc {
public:
    CZelkorConfigDoc();

    void SetHost(IDocHost* pHost) { m_pHost = pHost; }
    // Not owned; null: no history is kept.
    void SetHistory(IDocHistory* pHistory) { m_pHistory = pHistory; }
    IDocHistory* History() const { return m_pHistory; }
    void AddView(IDocView* pView);
    void RemoveView(IDocView* pView);

    // The framework's commands. Each returns true when it went through.
    bool OnFileNew();
    bool OnFileOpen();
    // Opens a named file (command line, recent-file list), after asking to save a modified book.
    bool OpenDocumentFile(const std::string& path);
    enum class EOpenResult {
        kOpened,
        kCancelled,  // the user kept the book he had (the save question, or its save failed)
        kFailed,     // the file did not open; its message has been shown
    };
    EOpenResult TryOpenDocumentFile(const std::string& path);
    bool OnFileSave();
    bool OnFileSaveAs();
    // Asks "Save changes to ...?" when there are unsaved changes; false when the user cancels or
    // the save he asked for failed.
    bool SaveModified();

    // The document's own steps.
    bool OnNewDocument();
    bool OnOpenDocument(const std::string& path);
    bool OnSaveDocument(const std::string& path);
    // Commits the views' pending edits, then loads the book from the path or stores it there.
    bool Serialize(const std::string& path, bool bLoading);
    // Sends WM_COMMITPROGRAM to every view: the form offers its pending edits for commit, so
    // that what is read from the book next is what the user sees; how is res::kCommitAsk,
    // kCommitKeep or kCommitDrop.
    void CommitViews(uintptr_t how = res::kCommitAsk);

    // The book and the program on display (index 0 to 1999), to read. Only the document and its
    // history write them, through the calls below.
    const CProgramBook& Book() const { return m_book; }
    int16_t Current() const { return m_nCurrent; }
    const CFrequencyProgram& CurrentProgram() const { return m_book[m_nCurrent]; }
    // Shows another program: no change of the book.
    void SetCurrent(int nIndex);

    // The one way the book changes. fnChange may change the programs [nFirst, nFirst + nCount)
    // of the book it is given and the program on display; it returns false when it did not go
    // through, and the document then puts back whatever it changed. A change that leaves every
    // program as it was is none: no step, the modified state stays, false. Otherwise the
    // programs that changed become one step named strName for the history, and the book is
    // modified; true.
    using FnChange = std::function<bool(CProgramBook& book, int16_t& nCurrent)>;
    bool ChangeBook(const std::string& strName, int nFirst, int nCount, const FnChange& fnChange);
    // Makes a book that came from elsewhere (an import) the document: untitled and modified,
    // showing program 1, as one step named strName. Undo gives back the book there was, under
    // its own name and in its own saved state. Asks nothing; the caller has offered to save what
    // was there.
    void ReplaceBook(const CProgramBook& book, const std::string& strName);
    // The type of the program on display while it holds no frequency: stored at once, as the
    // type the next entries take, but no change to save or to take back (nothing the user
    // entered is in it). False, and nothing done, for a program that holds frequencies.
    bool SetEmptyProgramType(bool bGroups);
    // The history takes a step back or makes it again: the programs and the file it keeps are
    // exchanged with the document's, and the program on display is the one before or after it.
    void UndoStep(SBookStep& step);
    void RedoStep(SBookStep& step);

    // The book is not as it was last saved, opened or started: the history's clean state, or
    // without a history any change since.
    bool IsModified() const { return m_bModified; }
    // The book is modified or a view holds edits not yet in it: the title is marked, and the
    // book is offered for saving before it goes.
    bool HasUnsavedChanges() const;
    // The history's clean state; only the history, or without one the document itself, sets it.
    void SetModifiedFlag(bool bModified = true);
    // A view's pending edits began or ended: the title follows.
    void OnViewEditsChanged() { NotifyTitle(); }
    const std::string& GetPathName() const { return m_strPathName; }
    const std::string& GetTitle() const { return m_strTitle; }
    // "<title> - VQ7100".
    std::string FrameTitle() const;
    // The main window's title: FrameTitle, the title marked while the book has unsaved changes
    // ("book.vq* - VQ7100").
    std::string WindowTitle() const;

private:
    // Tests set up a book as a file that was opened would leave it.
    friend struct SDocTestAccess;

    bool DoSave(const std::string& path, bool bReplace);
    // The programs of before (which stood from nFirst on) that differ from the book's now, as a
    // step; none when every one is as it was.
    std::optional<SBookStep> StepSince(const std::string& strName, int nFirst,
                                       const std::vector<CFrequencyProgram>& before,
                                       int16_t nCurrentBefore) const;
    // Hands a change that has been made to the history, or without one marks the book.
    void Record(SBookStep step);
    void ApplyStep(SBookStep& step, int16_t nCurrent);
    void SetPathName(const std::string& path);
    void ClearPathName();
    void UpdateAllViews();
    void NotifyTitle();

    CProgramBook m_book;
    int16_t m_nCurrent = 0;
    std::vector<IDocView*> m_views;
    IDocHost* m_pHost = nullptr;
    IDocHistory* m_pHistory = nullptr;
    bool m_bModified = false;
    std::string m_strPathName;
    std::string m_strTitle;
};

}  // namespace model
