// The changes of the book, for Edit > Undo and Redo. The document makes each change and hands it
// over as a step (model::SBookStep: only the programs it changed, as the book does not hold them);
// each step goes on a QUndoStack, and Undo and Redo hand it back to the document. The document's
// modified flag follows the stack: it is clear exactly when the book is as it was last saved,
// opened or started.
//
// Threads: user-interface thread only.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>

#include "model/zelkor_config_doc.h"

namespace ui {

class CBookHistory : public QObject, public model::IDocHistory {
    Q_OBJECT

public:
    // Steps kept before the oldest goes.
    static constexpr int kUndoLimit = 100;

    // Becomes the document's history until it goes.
    explicit CBookHistory(model::CZelkorConfigDoc& doc, QObject* pParent = nullptr);
    ~CBookHistory() override;

    bool CanUndo() const { return m_stack.canUndo(); }
    bool CanRedo() const { return m_stack.canRedo(); }
    QString UndoText() const { return m_stack.undoText(); }
    QString RedoText() const { return m_stack.redoText(); }
    void Undo() { m_stack.undo(); }
    void Redo() { m_stack.redo(); }
    const QUndoStack& Stack() const { return m_stack; }
    // The programs all the steps keep, a measure of what the history costs.
    size_t KeptPrograms() const;

    // model::IDocHistory
    void Record(model::SBookStep step) override;
    void OnBookSaved() override { m_stack.setClean(); }
    void OnBookStarted() override;
    void OnEmptyProgramTyped(int nIndex) override { emit ProgramsChanged(nIndex, 1); }

signals:
    // Undo or Redo changed the book and perhaps the program on display: it is shown again.
    void BookChanged();
    // What Undo and Redo can do, or the names of their steps, changed.
    void StateChanged();
    // The programs [nFirst, nFirst + nCount) may differ from what they were: every change of the
    // book says so here (a change, Undo, Redo, New and Open), for whoever shows them.
    void ProgramsChanged(int nFirst, int nCount);

private:
    friend class CProgramsStep;
    void FollowCleanState();
    void EmitChanged(const model::SBookStep& step);

    model::CZelkorConfigDoc& m_doc;
    QUndoStack m_stack;
};

}  // namespace ui
