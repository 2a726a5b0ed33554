#include "model/zelkor_config_doc.h"

#include <algorithm>
#include <filesystem>

#include "platform/message_box.h"
#include "res/ids_editor.h"
#include "res/notifications.h"
#include "res/strings.h"

namespace model {

namespace {

std::string FileTitle(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

std::string ReplaceFirst(const char* pattern, const std::string& arg) {
    std::string text = pattern;
    const auto mark = text.find("%s");
    if (mark != std::string::npos) {
        text.replace(mark, 2, arg);
    }
    return text;
}

}  // namespace

CZelkorConfigDoc::CZelkorConfigDoc() : m_strTitle(res::kUntitled) {}

void CZelkorConfigDoc::AddView(IDocView* pView) {
    m_views.push_back(pView);
}

void CZelkorConfigDoc::RemoveView(IDocView* pView) {
    m_views.erase(std::remove(m_views.begin(), m_views.end(), pView), m_views.end());
}

bool CZelkorConfigDoc::OnFileNew() {
    if (!SaveModified()) {
        return false;
    }
    if (!OnNewDocument()) {
        return false;
    }
    UpdateAllViews();
    return true;
}

bool CZelkorConfigDoc::OnFileOpen() {
    if (m_pHost == nullptr) {
        return false;
    }
    const auto path = m_pHost->PromptOpenPath();
    if (!path || path->empty()) {
        return false;
    }
    return OpenDocumentFile(*path);
}

bool CZelkorConfigDoc::OpenDocumentFile(const std::string& path) {
    return TryOpenDocumentFile(path) == EOpenResult::kOpened;
}

CZelkorConfigDoc::EOpenResult CZelkorConfigDoc::TryOpenDocumentFile(const std::string& path) {
    if (!SaveModified()) {
        return EOpenResult::kCancelled;
    }
    // A file that does not open leaves the document as it was: book, name, flag, recent files.
    if (!OnOpenDocument(path)) {
        return EOpenResult::kFailed;
    }
    SetPathName(path);
    UpdateAllViews();
    if (m_pHost != nullptr) {
        m_pHost->OnDocumentOpened();
    }
    return EOpenResult::kOpened;
}

bool CZelkorConfigDoc::OnFileSave() {
    return DoSave(m_strPathName, true);
}

bool CZelkorConfigDoc::OnFileSaveAs() {
    return DoSave(std::string(), true);
}

bool CZelkorConfigDoc::SaveModified() {
    if (!m_bModified) {
        return true;
    }
    const std::string name = m_strPathName.empty() ? m_strTitle : m_strPathName;
    const auto answer = platform::ShowMessage(
        {ReplaceFirst(res::kAskToSave, name), platform::ApplicationTitle(),
         platform::EMsgIcon::kWarning, platform::EMsgButtons::kSaveDiscardCancel});
    switch (answer) {
        case platform::EMsgAnswer::kSave:
        case platform::EMsgAnswer::kYes:
            return OnFileSave();
        case platform::EMsgAnswer::kDiscard:
        case platform::EMsgAnswer::kNo:
            return true;
        default:
            return false;
    }
}

bool CZelkorConfigDoc::DoSave(const std::string& path, bool bReplace) {
    std::string target = path;
    if (target.empty()) {
        if (m_pHost == nullptr) {
            return false;
        }
        std::string suggested = m_strPathName.empty() ? m_strTitle : m_strPathName;
        if (m_strPathName.empty() && suggested.find('.') == std::string::npos) {
            suggested += res::kFileExtension;
        }
        const auto chosen = m_pHost->PromptSavePath(suggested);
        if (!chosen || chosen->empty()) {
            return false;
        }
        target = *chosen;
    }
    // A save that failed is no save: the name, the flag and the recent files stay as they were.
    if (!OnSaveDocument(target)) {
        return false;
    }
    if (bReplace) {
        SetPathName(target);
    }
    return true;
}

bool CZelkorConfigDoc::OnNewDocument() {
    // The programs and the program on display stay: only the name and the flag go.
    ClearPathName();
    SetModifiedFlag(false);
    if (m_pHistory != nullptr) {
        m_pHistory->OnBookStarted();
    }
    return true;
}

bool CZelkorConfigDoc::OnOpenDocument(const std::string& path) {
    if (!Serialize(path, true)) {
        return false;
    }
    SetModifiedFlag(false);
    if (m_pHistory != nullptr) {
        m_pHistory->OnBookStarted();
    }
    return true;
}

bool CZelkorConfigDoc::OnSaveDocument(const std::string& path) {
    if (!Serialize(path, false)) {
        return false;
    }
    SetModifiedFlag(false);
    if (m_pHistory != nullptr) {
        m_pHistory->OnBookSaved();
    }
    return true;
}

bool CZelkorConfigDoc::Serialize(const std::string& path, bool bLoading) {
    CommitViews();
    // A window never waits on a pipe: only files are opened and saved.
    return bLoading ? LoadBookFromPath(m_book, path, platform::EFileKinds::kRegularOnly)
                    : SaveBookToPath(m_book, path, platform::EFileKinds::kRegularOnly);
}

void CZelkorConfigDoc::CommitViews() {
    // Copy the list: a view may go away while it answers.
    const auto views = m_views;
    for (IDocView* pView : views) {
        pView->SendMessage(res::WM_COMMITPROGRAM, 0, 0);
    }
}

void CZelkorConfigDoc::ReplaceBook(const CProgramBook& book) {
    m_book = book;
    m_nCurrent = 0;
    m_bModified = true;
    ClearPathName();  // tells the host of both changes
    UpdateAllViews();
}

void CZelkorConfigDoc::SetModifiedFlag(bool bModified) {
    if (m_bModified == bModified) {
        return;
    }
    m_bModified = bModified;
    NotifyTitle();
}

std::string CZelkorConfigDoc::FrameTitle() const {
    return m_strTitle + " - " + res::kFrameTitle;
}

std::string CZelkorConfigDoc::WindowTitle() const {
    return m_strTitle + (m_bModified ? res::kModifiedMark : "") + " - " + res::kFrameTitle;
}

void CZelkorConfigDoc::SetPathName(const std::string& path) {
    m_strPathName = std::filesystem::absolute(path).lexically_normal().string();
    m_strTitle = FileTitle(m_strPathName);
    if (m_pHost != nullptr) {
        m_pHost->AddToRecentFileList(m_strPathName);
    }
    NotifyTitle();
}

void CZelkorConfigDoc::ClearPathName() {
    m_strPathName.clear();
    m_strTitle = res::kUntitled;
    NotifyTitle();
}

void CZelkorConfigDoc::UpdateAllViews() {
    const auto views = m_views;
    for (IDocView* pView : views) {
        pView->OnInitialUpdate();
    }
}

void CZelkorConfigDoc::NotifyTitle() {
    if (m_pHost != nullptr) {
        m_pHost->OnDocumentTitleChanged();
    }
}

}  // namespace model
