#include "model/zelkor_config_doc.h"

#include <algorithm>
#include <filesystem>

#include "platform/message_box.h"
#include "res/ids_editor.h"
#include "res/notifications.h"
#include "res/strings_model.h"

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

CZelkorConfigDoc::CZelkorConfigDoc() : m_strTitle(res::Tr(res::kUntitled)) {}

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
    if (!HasUnsavedChanges()) {
        return true;
    }
    const std::string name = m_strPathName.empty() ? m_strTitle : m_strPathName;
    const auto answer = platform::ShowMessage(
        {ReplaceFirst(res::Tr(res::kAskToSave), name), platform::ApplicationTitle(),
         platform::EMsgIcon::kWarning, platform::EMsgButtons::kSaveDiscardCancel});
    // The answer covers the form's edits too: they are kept or dropped without a second
    // question.
    switch (answer) {
        case platform::EMsgAnswer::kSave:
        case platform::EMsgAnswer::kYes:
            CommitViews(res::kCommitKeep);
            return OnFileSave();
        case platform::EMsgAnswer::kDiscard:
        case platform::EMsgAnswer::kNo:
            CommitViews(res::kCommitDrop);
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

void CZelkorConfigDoc::CommitViews(uintptr_t how) {
    // Copy the list: a view may go away while it answers.
    const auto views = m_views;
    for (IDocView* pView : views) {
        pView->SendMessage(res::WM_COMMITPROGRAM, how, 0);
    }
}

void CZelkorConfigDoc::SetCurrent(int nIndex) {
    m_nCurrent = static_cast<int16_t>(std::clamp(nIndex, 0, kProgramCount - 1));
}

bool CZelkorConfigDoc::ChangeBook(const std::string& strName, int nFirst, int nCount,
                                  const FnChange& fnChange) {
    nFirst = std::clamp(nFirst, 0, kProgramCount);
    nCount = std::clamp(nCount, 0, kProgramCount - nFirst);
    std::vector<CFrequencyProgram> before(nCount);
    for (int i = 0; i < nCount; ++i) {
        before[i] = m_book[nFirst + i];
    }
    const int16_t nCurrentBefore = m_nCurrent;
    int16_t nCurrent = m_nCurrent;
    if (!fnChange(m_book, nCurrent)) {
        for (int i = 0; i < nCount; ++i) {
            m_book[nFirst + i] = before[i];
        }
        return false;
    }
    SetCurrent(nCurrent);
    std::optional<SBookStep> step = StepSince(strName, nFirst, before, nCurrentBefore);
    if (!step) {
        return false;
    }
    Record(std::move(*step));
    return true;
}

std::optional<SBookStep> CZelkorConfigDoc::StepSince(const std::string& strName, int nFirst,
                                                     const std::vector<CFrequencyProgram>& before,
                                                     int16_t nCurrentBefore) const {
    // Only the programs that differ now are kept: a move of one row keeps two.
    const int count = static_cast<int>(before.size());
    int first = 0;
    while (first < count && before[first] == m_book[nFirst + first]) {
        ++first;
    }
    int end = count;
    while (end > first && before[end - 1] == m_book[nFirst + end - 1]) {
        --end;
    }
    if (first == end) {
        return std::nullopt;
    }
    SBookStep step;
    step.strName = strName;
    step.nFirst = nFirst + first;
    step.programs.assign(before.begin() + first, before.begin() + end);
    step.nCurrentBefore = nCurrentBefore;
    step.nCurrentAfter = m_nCurrent;
    return step;
}

void CZelkorConfigDoc::ReplaceBook(const CProgramBook& book, const std::string& strName) {
    std::vector<CFrequencyProgram> before(kProgramCount);
    for (int i = 0; i < kProgramCount; ++i) {
        before[i] = m_book[i];
    }
    const int16_t nCurrentBefore = m_nCurrent;
    m_book = book;
    m_nCurrent = 0;
    std::optional<SBookStep> step = StepSince(strName, 0, before, nCurrentBefore);
    // A document with a file loses it, even to the same programs: that is a change too.
    if (step || !m_strPathName.empty()) {
        if (!step) {
            step.emplace();
            step->strName = strName;
            step->nCurrentBefore = nCurrentBefore;
        }
        step->bChangesFile = true;
        step->strOtherPath = m_strPathName;
        ClearPathName();
        Record(std::move(*step));
    }
    UpdateAllViews();
}

void CZelkorConfigDoc::Record(SBookStep step) {
    if (m_pHistory != nullptr) {
        m_pHistory->Record(std::move(step));  // the history says whether the book is modified
    } else {
        SetModifiedFlag(true);
    }
}

bool CZelkorConfigDoc::SetEmptyProgramType(bool bGroups) {
    CFrequencyProgram& program = m_book[m_nCurrent];
    if (!program.IsEmpty()) {
        return false;
    }
    program.SetGroups(bGroups);
    if (m_pHistory != nullptr) {
        m_pHistory->OnEmptyProgramTyped(m_nCurrent);
    }
    return true;
}

void CZelkorConfigDoc::UndoStep(SBookStep& step) {
    ApplyStep(step, step.nCurrentBefore);
}

void CZelkorConfigDoc::RedoStep(SBookStep& step) {
    ApplyStep(step, step.nCurrentAfter);
}

void CZelkorConfigDoc::ApplyStep(SBookStep& step, int16_t nCurrent) {
    const int nFirst = std::clamp(step.nFirst, 0, kProgramCount);
    const int count = std::min(static_cast<int>(step.programs.size()), kProgramCount - nFirst);
    for (int i = 0; i < count; ++i) {
        std::swap(m_book[nFirst + i], step.programs[i]);
    }
    SetCurrent(nCurrent);
    if (step.bChangesFile) {
        // The file goes with the book it holds: Undo of an import gives back the book's name.
        std::swap(m_strPathName, step.strOtherPath);
        m_strTitle =
            m_strPathName.empty() ? std::string(res::Tr(res::kUntitled)) : FileTitle(m_strPathName);
        NotifyTitle();
    }
}

bool CZelkorConfigDoc::HasUnsavedChanges() const {
    return m_bModified || std::any_of(m_views.begin(), m_views.end(), [](const IDocView* pView) {
               return pView->HasPendingEdits();
           });
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
    return m_strTitle + (HasUnsavedChanges() ? res::kModifiedMark : "") + " - " + res::kFrameTitle;
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
    m_strTitle = res::Tr(res::kUntitled);
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
