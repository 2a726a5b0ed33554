#include "ui/book/book_panel.h"

#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>

#include "editor/book_operations.h"
#include "platform/message_box.h"
#include "platform/text_format.h"
#include "res/ids_app.h"
#include "res/strings_book.h"
#include "res/strings_editor.h"
#include "res/strings_form.h"
#include "ui/book/book_table_model.h"
#include "ui/editor/clipboard_programs.h"

namespace ui {

namespace {

// Sets a flag for as long as it lives.
class CActing {
public:
    explicit CActing(bool& bFlag) : m_bFlag(bFlag), m_bWas(bFlag) { m_bFlag = true; }
    ~CActing() { m_bFlag = m_bWas; }
    CActing(const CActing&) = delete;
    CActing& operator=(const CActing&) = delete;

private:
    bool& m_bFlag;
    bool m_bWas;
};

}  // namespace

CBookPanel::CBookPanel(model::CZelkorConfigDoc& doc, CBookHistory* pHistory, QWidget* pParent)
    : QDockWidget(QString::fromUtf8(res::Tr(res::kBookPanelTitle)), pParent), m_doc(doc) {
    setObjectName(QStringLiteral("bookPanel"));
    m_pModel = new CBookTableModel(doc, pHistory, this);
    m_pFilter = new CBookFilter(this);
    m_pFilter->setSourceModel(m_pModel);
    auto* pBody = new QWidget(this);
    auto* pLayout = new QVBoxLayout(pBody);
    pLayout->addWidget(CreateFindRow());
    CreateTable();
    pLayout->addWidget(m_pTable, 1);
    setWidget(pBody);
    CreateActions();
}

CBookPanel::~CBookPanel() = default;

QWidget* CBookPanel::CreateFindRow() {
    auto* pRow = new QWidget(this);
    auto* pGrid = new QGridLayout(pRow);
    pGrid->setContentsMargins(0, 0, 0, 0);
    auto* pLabel = new QLabel(QString::fromUtf8(res::Tr(res::kBookFindLabel)), pRow);
    m_pFind = new QLineEdit(pRow);
    m_pFind->setObjectName(QStringLiteral("bookFind"));
    m_pFind->setPlaceholderText(QString::fromUtf8(res::Tr(res::kBookFindPrompt)));
    m_pFind->setAccessibleName(QString::fromUtf8(res::Tr(res::kBookFindName)));
    m_pFind->setClearButtonEnabled(true);
    pLabel->setBuddy(m_pFind);
    m_pUsedOnly = new QCheckBox(QString::fromUtf8(res::Tr(res::kBookUsedOnly)), pRow);
    m_pUsedOnly->setObjectName(QStringLiteral("bookUsedOnly"));
    m_pFound = new QLabel(pRow);
    m_pFound->setObjectName(QStringLiteral("bookFound"));
    m_pFound->setWordWrap(true);
    m_pFound->hide();
    pGrid->addWidget(pLabel, 0, 0);
    pGrid->addWidget(m_pFind, 0, 1);
    pGrid->addWidget(m_pUsedOnly, 1, 1);
    pGrid->addWidget(m_pFound, 2, 1);
    connect(m_pFind, &QLineEdit::textChanged, this, &CBookPanel::OnFind);
    connect(m_pFind, &QLineEdit::returnPressed, this, [this] {
        const editor::SFind find = editor::ReadFind(m_pFind->text().toStdString());
        if (find.what == editor::EFind::kProgram) {
            emit ProgramChosen(find.nIndex);
        }
    });
    connect(m_pUsedOnly, &QCheckBox::toggled, m_pFilter, &CBookFilter::SetUsedOnly);
    return pRow;
}

void CBookPanel::CreateTable() {
    m_pTable = new QTableView(this);
    m_pTable->setObjectName(QStringLiteral("bookTable"));
    m_pTable->setAccessibleName(QString::fromUtf8(res::Tr(res::kBookTableName)));
    m_pTable->setModel(m_pFilter);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setWordWrap(false);
    m_pTable->setTabKeyNavigation(false);
    // Rows of one height and columns of a set width: nothing measures 2000 rows.
    QHeaderView* pRows = m_pTable->verticalHeader();
    pRows->hide();
    pRows->setSectionResizeMode(QHeaderView::Fixed);
    pRows->setDefaultSectionSize(m_pTable->fontMetrics().height() + 6);
    QHeaderView* pColumns = m_pTable->horizontalHeader();
    const int digit = m_pTable->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (int column = 0; column < CBookTableModel::kColumnFrequencies; ++column) {
        const QString title =
            m_pModel->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        int width = pColumns->fontMetrics().horizontalAdvance(title);
        if (column == CBookTableModel::kColumnType) {
            // The type's words may be longer than the title in another language.
            for (const char* type : {res::kBookTypeSingle, res::kBookTypeGroups}) {
                width = std::max(width, m_pTable->fontMetrics().horizontalAdvance(
                                            QString::fromUtf8(res::Tr(type))));
            }
        }
        pColumns->resizeSection(column, width + 3 * digit);
    }
    // Room for two or three frequencies; the others are read by scrolling or in the row's tip.
    pColumns->resizeSection(CBookTableModel::kColumnFrequencies, digit * 24);
    pColumns->setStretchLastSection(true);
    connect(m_pTable, &QTableView::activated, this, &CBookPanel::OnRowChosen);
    connect(m_pTable, &QTableView::clicked, this, [this](const QModelIndex& index) {
        // A click that extends the selection chooses no program.
        if (QGuiApplication::keyboardModifiers() == Qt::NoModifier) {
            OnRowChosen(index);
        }
    });
}

void CBookPanel::CreateActions() {
    m_pTable->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto add = [this](const char* text, QKeySequence key, auto fnRun) {
        auto* pAction = new QAction(QString::fromUtf8(text), m_pTable);
        pAction->setShortcut(key);
        pAction->setShortcutContext(Qt::WidgetShortcut);
        connect(pAction, &QAction::triggered, this, fnRun);
        m_pTable->addAction(pAction);
        return pAction;
    };
    // Cut, Copy and Paste come through the frame's own keys and items (OnCmdMsg): a second
    // shortcut for the same keys would make both ambiguous, so the menu only names them.
    auto named = [](const char* text, QKeySequence::StandardKey key) {
        return QString::fromUtf8(text) + QLatin1Char('\t') +
               QKeySequence(key).toString(QKeySequence::NativeText);
    };
    add("", {}, [this] { OnCut(); })->setText(named(res::Tr(res::kBookCut), QKeySequence::Cut));
    add("", {}, [this] { OnCopy(); })->setText(named(res::Tr(res::kBookCopy), QKeySequence::Copy));
    add("", {}, [this] {
        OnPaste();
    })->setText(named(res::Tr(res::kBookPaste), QKeySequence::Paste));
    add(res::Tr(res::kBookDelete), QKeySequence::Delete, [this] { OnDelete(); });
    m_pTable->addAction(CreateSetTypeMenu()->menuAction());
    add(res::Tr(res::kBookMoveTo), {}, [this] { OnMoveTo(); });
}

QMenu* CBookPanel::CreateSetTypeMenu() {
    auto* pMenu = new QMenu(QString::fromUtf8(res::Tr(res::kBookSetType)), m_pTable);
    connect(pMenu->addAction(QString::fromUtf8(res::Tr(res::kSingleFrequencies))),
            &QAction::triggered, this, [this] { OnSetType(false); });
    connect(pMenu->addAction(QString::fromUtf8(res::Tr(res::kFrequencyGroups))),
            &QAction::triggered, this, [this] { OnSetType(true); });
    return pMenu;
}

std::vector<int> CBookPanel::SelectedPrograms() const {
    std::vector<int> indexes;
    for (const QModelIndex& row : m_pTable->selectionModel()->selectedRows()) {
        indexes.push_back(m_pFilter->mapToSource(row).row());
    }
    return editor::SortedSelection(indexes);
}

void CBookPanel::SelectPrograms(int nFirst, int nCount) {
    QItemSelection selection;
    for (int index = nFirst; index < nFirst + nCount; ++index) {
        const int row = m_pFilter->RowOfProgram(index);
        if (row >= 0) {
            selection.select(m_pFilter->index(row, 0),
                             m_pFilter->index(row, CBookTableModel::kColumns - 1));
        }
    }
    QItemSelectionModel* pSelection = m_pTable->selectionModel();
    pSelection->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!selection.isEmpty()) {
        const QModelIndex first = selection.first().topLeft();
        pSelection->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
        m_pTable->scrollTo(first);
    }
}

void CBookPanel::OnRowChosen(const QModelIndex& index) {
    if (index.isValid()) {
        emit ProgramChosen(m_pFilter->mapToSource(index).row());
    }
}

void CBookPanel::OnProgramShown(int nIndex) {
    // The same program shown again (after a commit, Undo) leaves the user's selection alone.
    if (!m_bActing && nIndex != m_nShown) {
        SelectPrograms(nIndex, 1);
    }
    m_nShown = nIndex;
}

std::vector<int> CBookPanel::CommittedSelection() {
    const std::vector<int> indexes = SelectedPrograms();
    if (!indexes.empty()) {
        m_doc.CommitViews();
    }
    return indexes;
}

void CBookPanel::AfterChange(int nFirst, int nCount) {
    emit BookChanged();
    SelectPrograms(nFirst, nCount);
}

void CBookPanel::OnCopy() {
    CActing acting(m_bActing);
    const std::vector<int> indexes = CommittedSelection();
    if (!indexes.empty()) {
        PutProgramsOnClipboard(editor::ProgramsAt(m_doc.Book(), indexes), indexes.front() + 1);
    }
}

void CBookPanel::OnCut() {
    CActing acting(m_bActing);
    const std::vector<int> indexes = CommittedSelection();
    if (indexes.empty()) {
        return;
    }
    PutProgramsOnClipboard(editor::ProgramsAt(m_doc.Book(), indexes), indexes.front() + 1);
    editor::EmptyPrograms(m_doc, indexes, res::Tr(res::kStepCutProgram),
                          res::Tr(res::kStepCutPrograms), res::Tr(res::kStepCutSomePrograms));
    AfterChange(indexes.front(), indexes.back() - indexes.front() + 1);
}

void CBookPanel::OnDelete() {
    CActing acting(m_bActing);
    const std::vector<int> indexes = CommittedSelection();
    if (indexes.empty()) {
        return;
    }
    editor::EmptyPrograms(m_doc, indexes, res::Tr(res::kStepDeleteProgram),
                          res::Tr(res::kStepDeletePrograms), res::Tr(res::kStepDeleteSomePrograms));
    AfterChange(indexes.front(), indexes.back() - indexes.front() + 1);
}

void CBookPanel::OnPaste() {
    CActing acting(m_bActing);
    const std::vector<int> indexes = CommittedSelection();
    if (indexes.empty()) {
        return;
    }
    const auto programs = ProgramsOnClipboard();
    if (!programs) {
        return;
    }
    const int first = indexes.front();
    const int count = static_cast<int>(programs->size());
    if (editor::PasteFrom(m_doc, first, *programs) == editor::EPaste::kPastEnd) {
        platform::ShowAppMessage(platform::FormatText(res::Tr(res::kMsgPastePastEnd), count,
                                                      first + 1, model::kProgramCount - first));
        return;
    }
    AfterChange(first, count);
}

void CBookPanel::OnSetType(bool bGroups) {
    CActing acting(m_bActing);
    const std::vector<int> indexes = CommittedSelection();
    if (indexes.empty() || (bGroups && !AskGroupLosses(indexes))) {
        return;
    }
    editor::SetProgramsType(m_doc, indexes, bGroups);
    AfterChange(indexes.front(), indexes.back() - indexes.front() + 1);
}

bool CBookPanel::AskGroupLosses(const std::vector<int>& indexes) {
    const std::vector<editor::SGroupLoss> losses = editor::GroupLosses(m_doc.Book(), indexes);
    if (losses.empty()) {
        return true;
    }
    // One program is asked about as the form's type switch asks; several list each program.
    std::string text =
        platform::FormatText(res::Tr(res::kMsgSwitchEmpties), losses.front().nIndex + 1);
    std::string detail = editor::DescribeLoss(m_doc.Book(), losses.front());
    if (losses.size() > 1) {
        text = platform::FormatText(res::Tr(res::kMsgSwitchSomeEmpties),
                                    static_cast<int>(losses.size()));
        detail.clear();
        for (const editor::SGroupLoss& loss : losses) {
            detail += (detail.empty() ? "" : "\n") +
                      platform::FormatText(res::Tr(res::kEmptiedProgram), loss.nIndex + 1) + "\n" +
                      editor::DescribeLoss(m_doc.Book(), loss);
        }
    }
    // The buttons say what they do, as the form's own switch question names them.
    platform::SMessageRequest question{text, platform::ApplicationTitle(),
                                       platform::EMsgIcon::kQuestion,
                                       platform::EMsgButtons::kYesNo};
    question.detail = detail;
    question.yesText = res::Tr(res::kSwitchButton);
    question.noText = res::Tr(res::kCancelButton);
    return platform::ShowMessage(question) == platform::EMsgAnswer::kYes;
}

std::optional<int> CBookPanel::AskMoveTarget(int nCount, int nFirst) {
    bool bOk = false;
    const int number = QInputDialog::getInt(this, QString::fromUtf8(res::Tr(res::kBookMoveCaption)),
                                            QString::asprintf(res::Tr(res::kBookMoveLabel), nCount),
                                            nFirst, 1, model::kProgramCount, 1, &bOk);
    return bOk ? std::optional<int>(number) : std::nullopt;
}

void CBookPanel::OnMoveTo() {
    CActing acting(m_bActing);
    const std::vector<int> indexes = CommittedSelection();
    if (indexes.empty()) {
        return;
    }
    const int count = static_cast<int>(indexes.size());
    const std::optional<int> number = AskMoveTarget(count, indexes.front() + 1);
    if (!number) {
        return;
    }
    if (const auto start = editor::MovePrograms(m_doc, indexes, *number - 1)) {
        AfterChange(*start, count);
    }
}

void CBookPanel::OnFind() {
    const QString text = m_pFind->text();
    const editor::SFind find = editor::ReadFind(text.toStdString());
    m_pFilter->SetFrequency(find.what == editor::EFind::kFrequency
                                ? std::optional<uint32_t>(find.nTenths)
                                : std::nullopt);
    QString found;
    if (find.what == editor::EFind::kFrequency) {
        const std::string hertz = editor::SlotToText(find.nTenths);
        const int rows = m_pFilter->rowCount();
        found = rows == 0 ? QString::fromStdString(
                                platform::FormatText(res::Tr(res::kBookFindNone), hertz.c_str()))
                          : QString::fromStdString(platform::FormatText(
                                res::Tr(res::kBookFindFound), rows, hertz.c_str()));
    } else if (find.what == editor::EFind::kNoFrequency) {
        found = QString::fromStdString(
            editor::EntryFaultMessage(find.fault, text.trimmed().toStdString()));
    }
    m_pFound->setText(found);
    m_pFound->setVisible(!found.isEmpty());
}

bool CBookPanel::OnCmdMsg(int nID, bool bExecute) {
    if (!m_pTable->hasFocus() ||
        (nID != res::ID_EDIT_CUT && nID != res::ID_EDIT_COPY && nID != res::ID_EDIT_PASTE)) {
        return false;
    }
    if (bExecute) {
        if (nID == res::ID_EDIT_CUT) {
            OnCut();
        } else if (nID == res::ID_EDIT_COPY) {
            OnCopy();
        } else {
            OnPaste();
        }
    }
    return true;
}

}  // namespace ui
