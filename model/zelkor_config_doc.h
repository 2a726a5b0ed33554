// The application's one document: the program book, the program on display, and the file
// handling around them (New, Open, Save, Save As, the question before a modified book is
// dropped). It knows no window: the views and the file dialogs reach it through the interfaces
// below, so all of its behaviour runs in tests without a display.
//
// Threads: user-interface thread only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/program_book.h"

namespace model {

// A window that shows the document.
class IDocView {
public:
    virtual ~IDocView() = default;
    // A synchronous window message (WM_COMMITPROGRAM is the one the document sends).
    virtual intptr_t SendMessage(unsigned nMsg, uintptr_t wParam, intptr_t lParam) = 0;
    // The document has been made new or has been opened.
    virtual void OnInitialUpdate() = 0;
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

// What keeps the changes of the book for Undo (an undo stack on the window side). The document
// tells it what its file commands did to the book; the history in turn sets the document's
// modified flag, so that undoing back to what was saved leaves an unmodified document.
class IDocHistory {
public:
    virtual ~IDocHistory() = default;
    // The book was saved as it stands: this state is the unmodified one.
    virtual void OnBookSaved() = 0;
    // New or Open: a book without changes to take back.
    virtual void OnBookStarted() = 0;
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
    // Asks "Save changes to ...?" when the book is modified; false when the user cancels or the
    // save he asked for failed.
    bool SaveModified();

    // The document's own steps.
    bool OnNewDocument();
    bool OnOpenDocument(const std::string& path);
    bool OnSaveDocument(const std::string& path);
    // Commits the views' pending edits, then loads the book from the path or stores it there.
    bool Serialize(const std::string& path, bool bLoading);
    // Sends WM_COMMITPROGRAM to every view: the form offers its pending edits for commit, so
    // that what is read from the book next is what the user sees.
    void CommitViews();
    // Makes a book that came from elsewhere (an import) the document: untitled and modified,
    // showing program 1. Asks nothing; the caller has offered to save what was there.
    void ReplaceBook(const CProgramBook& book);

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool bModified = true);
    const std::string& GetPathName() const { return m_strPathName; }
    const std::string& GetTitle() const { return m_strTitle; }
    // "<title> - VQ7100".
    std::string FrameTitle() const;
    // The main window's title: FrameTitle, the title marked while the book has unsaved changes
    // ("book.vq* - VQ7100").
    std::string WindowTitle() const;

    CProgramBook m_book;
    int16_t m_nCurrent = 0;

private:
    bool DoSave(const std::string& path, bool bReplace);
    void SetPathName(const std::string& path);
    void ClearPathName();
    void UpdateAllViews();
    void NotifyTitle();

    std::vector<IDocView*> m_views;
    IDocHost* m_pHost = nullptr;
    IDocHistory* m_pHistory = nullptr;
    bool m_bModified = false;
    std::string m_strPathName;
    std::string m_strTitle;
};

}  // namespace model
