#include "ui/editor/book_history.h"

#include <QUndoCommand>

namespace ui {

// One change of the book on the stack; the document exchanges what it keeps with the book.
class CProgramsStep : public QUndoCommand {
public:
    CProgramsStep(CBookHistory& history, model::SBookStep step)
        : QUndoCommand(QString::fromStdString(step.strName)),
          m_history(history),
          m_step(std::move(step)) {}

    size_t Kept() const { return m_step.programs.size(); }
    void undo() override {
        m_history.m_doc.UndoStep(m_step);
        m_history.EmitChanged(m_step);
        emit m_history.BookChanged();
    }
    void redo() override {
        // Pushed after the change was made: the first redo has nothing to do.
        if (m_bMade) {
            m_bMade = false;
            return;
        }
        m_history.m_doc.RedoStep(m_step);
        m_history.EmitChanged(m_step);
        emit m_history.BookChanged();
    }

private:
    CBookHistory& m_history;
    model::SBookStep m_step;
    bool m_bMade = true;
};

CBookHistory::CBookHistory(model::CZelkorConfigDoc& doc, QObject* pParent)
    : QObject(pParent), m_doc(doc) {
    m_stack.setUndoLimit(kUndoLimit);
    connect(&m_stack, &QUndoStack::cleanChanged, this, &CBookHistory::FollowCleanState);
    connect(&m_stack, &QUndoStack::indexChanged, this, &CBookHistory::FollowCleanState);
    connect(&m_stack, &QUndoStack::indexChanged, this, &CBookHistory::StateChanged);
    connect(&m_stack, &QUndoStack::cleanChanged, this, &CBookHistory::StateChanged);
    m_doc.SetHistory(this);
    // A book changed before the history came has no saved state among its steps.
    if (m_doc.IsModified()) {
        m_stack.resetClean();
    }
}

CBookHistory::~CBookHistory() {
    // The stack's steps go before the document forgets us; they tell nobody.
    m_stack.disconnect(this);
    if (m_doc.History() == this) {
        m_doc.SetHistory(nullptr);
    }
}

void CBookHistory::Record(model::SBookStep step) {
    const model::SBookStep& made = step;
    const int nFirst = made.nFirst;
    const int nCount = static_cast<int>(made.programs.size());
    m_stack.push(new CProgramsStep(*this, std::move(step)));
    emit ProgramsChanged(nFirst, nCount);
}

void CBookHistory::OnBookStarted() {
    m_stack.clear();
    emit ProgramsChanged(0, model::kProgramCount);
}

void CBookHistory::EmitChanged(const model::SBookStep& step) {
    emit ProgramsChanged(step.nFirst, static_cast<int>(step.programs.size()));
}

size_t CBookHistory::KeptPrograms() const {
    size_t kept = 0;
    for (int i = 0; i < m_stack.count(); ++i) {
        kept += static_cast<const CProgramsStep*>(m_stack.command(i))->Kept();
    }
    return kept;
}

void CBookHistory::FollowCleanState() {
    m_doc.SetModifiedFlag(!m_stack.isClean());
}

}  // namespace ui
