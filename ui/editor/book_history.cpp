#include "ui/editor/book_history.h"

#include <QUndoCommand>
#include <algorithm>
#include <vector>

namespace ui {

// The programs [m_nFirst, m_nFirst + m_programs.size()) as the book does not hold them now:
// Undo and Redo exchange them with the book's, so one copy serves both directions.
class CProgramsStep : public QUndoCommand {
public:
    CProgramsStep(CBookHistory& history, const QString& strName, int nFirst,
                  std::vector<model::CFrequencyProgram> programs, int16_t nCurrentBefore,
                  int16_t nCurrentAfter)
        : QUndoCommand(strName),
          m_history(history),
          m_nFirst(nFirst),
          m_programs(std::move(programs)),
          m_nCurrentBefore(nCurrentBefore),
          m_nCurrentAfter(nCurrentAfter) {}

    size_t Kept() const { return m_programs.size(); }
    void undo() override { Exchange(m_nCurrentBefore); }
    void redo() override {
        // Pushed after the change was made: the first redo has nothing to do.
        if (m_bMade) {
            m_bMade = false;
            return;
        }
        Exchange(m_nCurrentAfter);
    }

private:
    void Exchange(int16_t nCurrent) {
        model::CZelkorConfigDoc& doc = m_history.m_doc;
        for (size_t i = 0; i < m_programs.size(); ++i) {
            std::swap(doc.m_book[m_nFirst + static_cast<int>(i)], m_programs[i]);
        }
        doc.m_nCurrent = nCurrent;
        emit m_history.BookChanged();
    }

    CBookHistory& m_history;
    int m_nFirst;
    std::vector<model::CFrequencyProgram> m_programs;
    int16_t m_nCurrentBefore;
    int16_t m_nCurrentAfter;
    bool m_bMade = true;
};

CBookHistory::CBookHistory(model::CZelkorConfigDoc& doc, QObject* pParent)
    : QObject(pParent), m_doc(doc) {
    m_stack.setUndoLimit(kUndoLimit);
    // Every move on the stack, not only one across the clean state: the flag may have been set
    // by other means (typing, a command that marks the book) in between.
    connect(&m_stack, &QUndoStack::indexChanged, this, &CBookHistory::FollowCleanState);
    connect(&m_stack, &QUndoStack::cleanChanged, this, &CBookHistory::FollowCleanState);
    connect(&m_stack, &QUndoStack::indexChanged, this, &CBookHistory::StateChanged);
    connect(&m_stack, &QUndoStack::cleanChanged, this, &CBookHistory::StateChanged);
    m_doc.SetHistory(this);
}

CBookHistory::~CBookHistory() {
    // The stack's steps go before the document forgets us; they tell nobody.
    m_stack.disconnect(this);
    if (m_doc.History() == this) {
        m_doc.SetHistory(nullptr);
    }
}

bool CBookHistory::Change(const QString& strName, int nFirst, int nCount,
                          const std::function<bool()>& fnChange) {
    nFirst = std::clamp(nFirst, 0, model::kProgramCount);
    nCount = std::clamp(nCount, 0, model::kProgramCount - nFirst);
    std::vector<model::CFrequencyProgram> before(nCount);
    for (int i = 0; i < nCount; ++i) {
        before[i] = m_doc.m_book[nFirst + i];
    }
    const int16_t nCurrentBefore = m_doc.m_nCurrent;
    if (!fnChange()) {
        return false;
    }
    // Only the programs that differ now are kept: a move of one row keeps two.
    int first = 0;
    while (first < nCount && before[first] == m_doc.m_book[nFirst + first]) {
        ++first;
    }
    int end = nCount;
    while (end > first && before[end - 1] == m_doc.m_book[nFirst + end - 1]) {
        --end;
    }
    if (first == end) {
        return false;
    }
    std::vector<model::CFrequencyProgram> kept(before.begin() + first, before.begin() + end);
    before.clear();
    m_stack.push(new CProgramsStep(*this, strName, nFirst + first, std::move(kept), nCurrentBefore,
                                   m_doc.m_nCurrent));
    return true;
}

size_t CBookHistory::KeptPrograms() const {
    size_t kept = 0;
    for (int i = 0; i < m_stack.count(); ++i) {
        kept += static_cast<const CProgramsStep*>(m_stack.command(i))->Kept();
    }
    return kept;
}

void CBookHistory::ForgetSavedState() {
    m_stack.resetClean();
    FollowCleanState();
}

void CBookHistory::FollowCleanState() {
    m_doc.SetModifiedFlag(!m_stack.isClean());
}

}  // namespace ui
