#include "ui/editor/zelkor_form.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <string>

#include "editor/frequency_rules.h"
#include "res/ids_app.h"
#include "res/ids_editor.h"
#include "res/strings_editor.h"
#include "res/strings_form.h"
#include "ui/editor/book_history.h"
#include "ui/editor/form_device_commands.h"
#include "widgets/control_ids.h"
#include "widgets/screen_fit.h"

namespace ui {

namespace {

QString Printf2(const char* pattern, int a, int b) {
    QString text = QString::fromUtf8(pattern);
    text.replace(text.indexOf(QLatin1String("%d")), 2, QString::number(a));
    text.replace(text.indexOf(QLatin1String("%d")), 2, QString::number(b));
    return text;
}

// The program numbers never change, so their texts are made once.
const QStringList& ProgramNumberTexts() {
    static const QStringList texts = [] {
        QStringList list;
        list.reserve(model::kProgramCount);
        for (int n = 1; n <= model::kProgramCount; ++n) {
            list.append(NumberedText(res::kProgramNumber, n));
        }
        return list;
    }();
    return texts;
}

}  // namespace

QString NumberedText(const char* pattern, int nNumber) {
    return QString::fromUtf8(pattern).replace(QLatin1String("%d"), QString::number(nNumber));
}

CZelkorForm::CZelkorForm(QWidget* pParent)
    : QWidget(pParent),
      m_pDeviceCommands(
          std::make_unique<CFormDeviceCommands>(this, [this] { SaveCurrentProgram(); })) {
    setObjectName(QStringLiteral("CZelkorForm"));
    widgets::SetControlId(this, res::IDD_ZELKORCONFIG_FORM, QStringLiteral("CZelkorForm"));
    CreateControls();
    AddDeviceCommands();
}

CZelkorForm::~CZelkorForm() {
    if (m_pDoc != nullptr) {
        m_pDoc->RemoveView(this);
    }
}

void CZelkorForm::SetDocument(model::CZelkorConfigDoc* pDoc) {
    m_pHistory.reset();
    m_pDoc = pDoc;
    m_pDeviceCommands->SetDocument(pDoc);
    if (m_pDoc == nullptr) {
        return;
    }
    m_pHistory = std::make_unique<CBookHistory>(*m_pDoc);
    connect(m_pHistory.get(), &CBookHistory::BookChanged, this, &CZelkorForm::ShowProgram);
    connect(m_pHistory.get(), &CBookHistory::StateChanged, this,
            &CZelkorForm::CommandStatesChanged);
}

void CZelkorForm::SetDevice(devlink::CDeviceLink* pLink, devlink::CPortSetting* pPortSetting) {
    m_pDeviceCommands->SetLink(pLink);
    m_pDeviceCommands->SetPortSetting(pPortSetting);
    m_pPortSetting = pPortSetting;
}

void CZelkorForm::SetProgramModified(bool bModified) {
    if (m_bProgramModified != bModified) {
        m_bProgramModified = bModified;
        // The title's mark counts the edits not yet in the book.
        if (m_pDoc != nullptr) {
            m_pDoc->OnViewEditsChanged();
        }
        emit CommandStatesChanged();
    }
}

void CZelkorForm::CreateControls() {
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(10, 10, 10, 10);
    pLayout->setSpacing(8);
    pLayout->addWidget(CreateTopRow());
    pLayout->addWidget(CreateGrid());
    pLayout->addStretch(1);
    SetTabOrder();
    ConnectHandlers();
    AddProgramCommands();
    AddEditCommands();
}

void CZelkorForm::ConnectHandlers() {
    connect(m_pSingle, &QRadioButton::clicked, this, &CZelkorForm::OnProgramType);
    connect(m_pGroups, &QRadioButton::clicked, this, &CZelkorForm::OnProgramType);
    connect(m_pJump, &QPushButton::clicked, this, &CZelkorForm::OnJump);
    // The field's own Enter, as a dialog's default button would take it.
    connect(m_pJumpNumber, &QLineEdit::returnPressed, this, &CZelkorForm::OnJump);
    connect(m_pNext, &QPushButton::clicked, this, &CZelkorForm::OnNextProgram);
    connect(m_pPrev, &QPushButton::clicked, this, &CZelkorForm::OnPrevProgram);
    // activated() is the user's choice only, as the old selection-change notification was.
    connect(m_cbProgram, &QComboBox::activated, this, &CZelkorForm::OnSelchangeProgram);
    // Runs after the box's own handling, which moves to a typed number that names a program.
    connect(m_cbProgram->lineEdit(), &QLineEdit::editingFinished, this,
            &CZelkorForm::OnProgramEditFinished);
    for (int slot = 0; slot < model::kSlotCount; ++slot) {
        const int nID = res::IDC_FREQ_FIRST + slot;
        // textChanged also reports the form's own rewrites, which m_bUpdatingFields screens.
        connect(m_fields[slot], &QLineEdit::textChanged, this,
                [this, nID] { OnFrequencyChange(nID); });
        m_fields[slot]->installEventFilter(this);
    }
    m_pJumpNumber->installEventFilter(this);
    m_cbProgram->lineEdit()->installEventFilter(this);
}

int CZelkorForm::FieldId(const QObject* pObject) const {
    for (int slot = 0; slot < model::kSlotCount; ++slot) {
        if (m_fields[slot] == pObject) {
            return res::IDC_FREQ_FIRST + slot;
        }
    }
    return 0;
}

int CZelkorForm::FocusedFieldId() const {
    return FieldId(window()->focusWidget());
}

bool CZelkorForm::FilterUndoKey(QObject* pWatched, QEvent* pEvent) {
    // A text field claims Undo and Redo for its own typing even when it has none; then the keys
    // are the book's (Edit > Undo), so that they take back a deletion wherever the focus is.
    auto* pEdit = qobject_cast<QLineEdit*>(pWatched);
    if (pEdit == nullptr || pEvent->type() != QEvent::ShortcutOverride) {
        return false;
    }
    auto* pKey = static_cast<QKeyEvent*>(pEvent);
    const bool bUndo = pKey->matches(QKeySequence::Undo);
    const bool bRedo = pKey->matches(QKeySequence::Redo) ||
                       pKey->keyCombination() == QKeyCombination(Qt::CTRL | Qt::Key_Y);
    if ((bUndo && !pEdit->isUndoAvailable()) || (bRedo && !pEdit->isRedoAvailable())) {
        pKey->ignore();
        return true;
    }
    return false;
}

bool CZelkorForm::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (FilterUndoKey(pWatched, pEvent)) {
        return true;
    }
    const int nID = FieldId(pWatched);
    if (nID != 0 && pEvent->type() == QEvent::FocusIn) {
        m_nCheckedFieldId = 0;
    } else if (nID != 0 && pEvent->type() == QEvent::FocusOut) {
        // Every real exit from a field runs the check, changed or not (editingFinished would
        // miss the unchanged ones). A menu opening takes no focus from the field, as it never
        // did; the commit checks the field itself before it reads it.
        const auto reason = static_cast<QFocusEvent*>(pEvent)->reason();
        if (reason != Qt::PopupFocusReason && nID != m_nCheckedFieldId) {
            OnFrequencyKillFocus(nID);
        }
        m_nCheckedFieldId = 0;
    }
    return QWidget::eventFilter(pWatched, pEvent);
}

QWidget* CZelkorForm::CreateTopRow() {
    auto* pRow = new QWidget(this);
    auto* pRowLayout = new QHBoxLayout(pRow);
    pRowLayout->setContentsMargins(0, 0, 0, 0);
    pRowLayout->setSpacing(12);
    pRowLayout->addWidget(CreateTypeBox(pRow));
    pRowLayout->addWidget(CreateProgramBox(pRow));
    m_btnLoadDevice = new QPushButton(QString::fromUtf8(res::Tr(res::kLoadDevice)), pRow);
    widgets::SetControlId(m_btnLoadDevice, res::IDC_LOAD_DEVICE,
                          QStringLiteral("buttonLoadDevice"));
    m_btnLoadDevice->setAutoDefault(false);
    pRowLayout->addSpacing(12);
    pRowLayout->addWidget(m_btnLoadDevice, 0, Qt::AlignVCenter);
    pRowLayout->addStretch(1);
    return pRow;
}

QWidget* CZelkorForm::CreateTypeBox(QWidget* pParent) {
    auto* pTypeBox = new QGroupBox(QString::fromUtf8(res::Tr(res::kProgramTypeBox)), pParent);
    pTypeBox->setObjectName(QStringLiteral("programTypeBox"));
    m_pSingle = new QRadioButton(QString::fromUtf8(res::Tr(res::kSingleFrequencies)), pTypeBox);
    widgets::SetControlId(m_pSingle, res::IDC_SINGLE_FREQUENCIES,
                          QStringLiteral("radioSingleFrequencies"));
    m_pGroups = new QRadioButton(QString::fromUtf8(res::Tr(res::kFrequencyGroups)), pTypeBox);
    widgets::SetControlId(m_pGroups, res::IDC_FREQUENCY_GROUPS,
                          QStringLiteral("radioFrequencyGroups"));
    m_pSingle->setChecked(true);
    auto* pTypeLayout = new QVBoxLayout(pTypeBox);
    pTypeLayout->addWidget(m_pSingle);
    pTypeLayout->addWidget(m_pGroups);
    return pTypeBox;
}

QWidget* CZelkorForm::CreateProgramBox(QWidget* pParent) {
    auto* pProgramBox = new QGroupBox(QString::fromUtf8(res::Tr(res::kProgramBox)), pParent);
    pProgramBox->setObjectName(QStringLiteral("programBox"));
    CreateProgramControls(pProgramBox);
    auto* pProgramLayout = new QGridLayout(pProgramBox);
    pProgramLayout->setHorizontalSpacing(6);
    pProgramLayout->addWidget(m_cbProgram, 0, 0, 1, 2);
    pProgramLayout->addWidget(m_pJumpNumber, 0, 2);
    pProgramLayout->addWidget(m_pPrev, 1, 0);
    pProgramLayout->addWidget(m_pNext, 1, 1);
    pProgramLayout->addWidget(m_pJump, 1, 2);
    return pProgramBox;
}

void CZelkorForm::CreateProgramControls(QWidget* pBox) {
    m_cbProgram = new QComboBox(pBox);
    widgets::SetControlId(m_cbProgram, res::IDC_PROGRAM, QStringLiteral("comboProgram"));
    m_cbProgram->setEditable(true);
    m_cbProgram->setInsertPolicy(QComboBox::NoInsert);
    m_cbProgram->setMaxVisibleItems(16);
    m_cbProgram->setAccessibleName(QString::fromUtf8(res::Tr(res::kAccProgram)));
    m_cbProgram->lineEdit()->setAccessibleName(QString::fromUtf8(res::Tr(res::kAccProgram)));
    m_cbProgram->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cbProgram->setMinimumContentsLength(4);
    m_pPrev = new QPushButton(QString::fromLatin1(res::kPrevProgram), pBox);
    widgets::SetControlId(m_pPrev, res::IDC_PREV_PROGRAM, QStringLiteral("buttonPrevProgram"));
    m_pPrev->setAccessibleName(QString::fromUtf8(res::Tr(res::kAccPrevProgram)));
    m_pNext = new QPushButton(QString::fromLatin1(res::kNextProgram), pBox);
    widgets::SetControlId(m_pNext, res::IDC_NEXT_PROGRAM, QStringLiteral("buttonNextProgram"));
    m_pNext->setAccessibleName(QString::fromUtf8(res::Tr(res::kAccNextProgram)));
    m_pJumpNumber = new QLineEdit(pBox);
    widgets::SetControlId(m_pJumpNumber, res::IDC_JUMP_NUMBER, QStringLiteral("editJumpNumber"));
    m_pJumpNumber->setMaxLength(res::kJumpMaxChars);
    m_pJumpNumber->setAccessibleName(QString::fromUtf8(res::Tr(res::kAccJumpNumber)));
    m_pJumpNumber->setFixedWidth(
        m_pJumpNumber->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    m_pJump = new QPushButton(QString::fromUtf8(res::Tr(res::kJump)), pBox);
    widgets::SetControlId(m_pJump, res::IDC_JUMP, QStringLiteral("buttonJump"));
    m_pJump->setAutoDefault(false);
    const int smallButton = m_pPrev->fontMetrics().horizontalAdvance(QStringLiteral("->")) + 24;
    for (QPushButton* pButton : {m_pPrev, m_pNext}) {
        pButton->setAutoDefault(false);
        pButton->setMinimumWidth(smallButton);
        pButton->setMaximumWidth(smallButton + 8);
    }
}

QWidget* CZelkorForm::CreateGrid() {
    auto* pGrid = new QWidget(this);
    pGrid->setObjectName(QStringLiteral("frequencyGrid"));
    auto* pGridLayout = new QGridLayout(pGrid);
    pGridLayout->setContentsMargins(0, 0, 0, 0);
    pGridLayout->setHorizontalSpacing(6);

    const QFontMetrics metrics = fontMetrics();
    const int fieldWidth = metrics.horizontalAdvance(QStringLiteral("-20000000.0")) + 14;
    for (int group = 0; group < model::kGroupCount; ++group) {
        // The group box is a sibling drawn behind its column, so that hiding it for a Single
        // Frequencies program leaves the fields exactly where they are.
        auto* pBox = new QGroupBox(NumberedText(res::Tr(res::kGroupBox), group + 1), pGrid);
        widgets::SetControlId(pBox, res::IDC_GROUP_BOX_FIRST + group,
                              QStringLiteral("groupBox%1").arg(group + 1));
        pBox->setFocusPolicy(Qt::NoFocus);
        pGridLayout->addWidget(pBox, 0, group);

        auto* pColumn = new QWidget(pGrid);
        pColumn->setObjectName(QStringLiteral("column%1").arg(group + 1));
        auto* pColumnLayout = new QVBoxLayout(pColumn);
        pColumnLayout->setContentsMargins(8, metrics.height() + 8, 8, 8);
        pColumnLayout->setSpacing(1);
        for (int row = 0; row < model::kSlotsPerGroup; ++row) {
            const int slot = group * model::kSlotsPerGroup + row;
            auto* pLabel = new QLabel(QString::fromLatin1(res::kSlotLabelTemplate), pColumn);
            widgets::SetControlId(pLabel, res::IDC_FREQ_LABEL_FIRST + slot,
                                  QStringLiteral("labelFreq%1").arg(slot + 1));
            pLabel->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
            auto* pField = new QLineEdit(pColumn);
            widgets::SetControlId(pField, res::IDC_FREQ_FIRST + slot,
                                  QStringLiteral("editFreq%1").arg(slot + 1));
            pField->setFixedWidth(fieldWidth);
            pLabel->setBuddy(pField);
            if (row > 0) {
                pColumnLayout->addSpacing(4);
            }
            pColumnLayout->addWidget(pLabel);
            pColumnLayout->addWidget(pField);
            m_labels[slot] = pLabel;
            m_fields[slot] = pField;
        }
        pGridLayout->addWidget(pColumn, 0, group);
        pColumn->raise();
        m_groupBoxes[group] = pBox;
    }
    pGridLayout->setColumnStretch(model::kGroupCount, 1);
    return pGrid;
}

void CZelkorForm::SetTabOrder() {
    std::vector<QWidget*> chain = {m_pSingle, m_pGroups,     m_cbProgram, m_pPrev,
                                   m_pNext,   m_pJumpNumber, m_pJump,     m_btnLoadDevice};
    chain.insert(chain.end(), m_fields.begin(), m_fields.end());
    for (size_t i = 1; i < chain.size(); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
}

QString CZelkorForm::FieldText(int nSlot) const {
    return m_fields[nSlot]->text();
}

bool CZelkorForm::UpdateData(bool bSaveAndValidate) {
    if (bSaveAndValidate) {
        m_nProgramType = m_pGroups->isChecked() ? 1 : (m_pSingle->isChecked() ? 0 : -1);
        m_strJump = m_pJumpNumber->text();
        return true;
    }
    m_pJumpNumber->setMaxLength(res::kJumpMaxChars);
    (m_nProgramType != 0 ? m_pGroups : m_pSingle)->setChecked(true);
    m_pJumpNumber->setText(m_strJump);
    return true;
}

void CZelkorForm::SetSlotLabels(bool bGroups) {
    for (QGroupBox* pBox : m_groupBoxes) {
        pBox->setVisible(bGroups);
    }
    for (int slot = 0; slot < model::kSlotCount; ++slot) {
        const int group = slot / model::kSlotsPerGroup;
        const int position = slot % model::kSlotsPerGroup;
        m_labels[slot]->setText(
            NumberedText(res::Tr(res::kSlotLabel), bGroups ? position + 1 : slot + 1));
        m_fields[slot]->setAccessibleName(
            bGroups ? Printf2(res::Tr(res::kAccGroupSlot), group + 1, position + 1)
                    : NumberedText(res::Tr(res::kSlotLabel), slot + 1));
    }
}

void CZelkorForm::RebuildProgramList(int nSelected) {
    // The user's own selections arrive through activated(); the rebuild must not look like one.
    const QSignalBlocker blocker(m_cbProgram);
    m_cbProgram->clear();
    const QStringList& texts = ProgramNumberTexts();
    for (int n = 1; n <= model::kProgramCount; ++n) {
        m_cbProgram->addItem(texts[n - 1], n - 1);
    }
    m_cbProgram->setCurrentIndex(nSelected);
}

void CZelkorForm::ShowProgram() {
    if (m_pDoc == nullptr) {
        return;
    }
    const int index = m_pDoc->Current();
    const model::CFrequencyProgram& program = m_pDoc->CurrentProgram();
    SetSlotLabels(program.IsGroups());
    RebuildProgramList(index);
    m_nProgramType = program.IsGroups() ? 1 : 0;
    m_bUpdatingFields = true;
    for (int slot = 0; slot < model::kSlotCount; ++slot) {
        m_fields[slot]->setText(QString::fromStdString(editor::SlotToText(program.m_freq[slot])));
    }
    m_bUpdatingFields = false;
    UpdateData(false);
    SetProgramModified(false);
    // The fields hold another text now, whatever a check before saw.
    m_nCheckedFieldId = 0;
    emit ProgramShown(index);
}

void CZelkorForm::ResizeParentToFit() {
    QWidget* pFrame = window();
    if (pFrame == this) {
        return;
    }
    if (pFrame->layout() != nullptr) {
        pFrame->layout()->activate();
    }
    // Never larger than the screen, so that the status bar stays on it; the form scrolls.
    const QSize fit = widgets::BoundedToScreen(pFrame, pFrame->sizeHint());
    // Shrink only, except the first time, when the frame has no size of its own yet.
    pFrame->resize(m_bSizedOnce ? pFrame->size().boundedTo(fit) : fit);
    m_bSizedOnce = true;
}

void CZelkorForm::OnInitialUpdate() {
    UpdateData(false);
    ResizeParentToFit();
    ShowProgram();
    ApplyProgramType();
}

void CZelkorForm::OnProgramEditFinished() {
    // A typed entry that named no program changed nothing: the box shows the program on
    // display again rather than a number the form is not showing.
    if (m_pDoc == nullptr) {
        return;
    }
    const QString shown = ProgramNumberTexts()[m_pDoc->Current()];
    if (m_cbProgram->currentText() != shown) {
        m_cbProgram->setEditText(shown);
    }
}

void CZelkorForm::AddDeviceCommands() {
    AddCommand(res::ID_TEST_CONNECTION, [this] { OnTestConnection(); });
    AddCommand(res::ID_UPLOAD_CURRENT_PROGRAM, [this] { OnUploadCurrentProgram(); });
    connect(m_btnLoadDevice, &QPushButton::clicked, this, [this] { OnLoadDevice(); });
    connect(m_pDeviceCommands.get(), &CFormDeviceCommands::StatusMessage, this,
            &CZelkorForm::StatusMessage);
}

void CZelkorForm::OnTestConnection() {
    m_pDeviceCommands->OnTestConnection();
}

void CZelkorForm::OnLoadDevice() {
    m_pDeviceCommands->OnLoadDevice();
}

void CZelkorForm::OnUploadCurrentProgram() {
    m_pDeviceCommands->OnUploadCurrentProgram();
}

bool CZelkorForm::UploadRunning() const {
    return m_pDeviceCommands->UploadRunning();
}

void CZelkorForm::CancelUpload() {
    m_pDeviceCommands->CancelUpload();
}

bool CZelkorForm::OnCmdMsg(int nID, bool bExecute) {
    const auto it = m_commands.find(nID);
    if (it == m_commands.end()) {
        return false;
    }
    if (bExecute) {
        it->second();
    }
    return true;
}

void CZelkorForm::OnUpdateCmdUI(int nID, widgets::SCommandUI& ui) {
    const auto it = m_updates.find(nID);
    if (it != m_updates.end() && it->second) {
        it->second(ui);
    }
}

void CZelkorForm::AddCommand(int nID, std::function<void()> handler,
                             std::function<void(widgets::SCommandUI&)> update) {
    m_commands[nID] = std::move(handler);
    m_updates[nID] = std::move(update);
}

}  // namespace ui
