#include "editor/zelkor_form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <charconv>

#include "editor/control_ids.h"
#include "res/ids_editor.h"
#include "res/strings.h"

namespace editor {

namespace {

QString Printf1(const char* pattern, int n) {
    return QString::fromLatin1(pattern).replace(QLatin1String("%d"), QString::number(n));
}

QString Printf2(const char* pattern, int a, int b) {
    QString text = QString::fromLatin1(pattern);
    text.replace(text.indexOf(QLatin1String("%d")), 2, QString::number(a));
    text.replace(text.indexOf(QLatin1String("%d")), 2, QString::number(b));
    return text;
}

// "%.1f" of the slot in hertz, independent of the user's locale.
QString SlotText(uint32_t tenths) {
    if (tenths == 0) {
        return QString();
    }
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, tenths * 0.1, std::chars_format::fixed, 1);
    return QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
}

// The program numbers never change, so their texts are made once.
const QStringList& ProgramNumberTexts() {
    static const QStringList texts = [] {
        QStringList list;
        list.reserve(model::kProgramCount);
        for (int n = 1; n <= model::kProgramCount; ++n) {
            list.append(Printf1(res::kProgramNumber, n));
        }
        return list;
    }();
    return texts;
}

}  // namespace

CZelkorForm::CZelkorForm(QWidget* pParent) : QWidget(pParent) {
    setObjectName(QStringLiteral("CZelkorForm"));
    SetControlId(this, 102, QStringLiteral("CZelkorForm"));
    CreateControls();
    AddDeviceCommands();
}

CZelkorForm::~CZelkorForm() {
    if (m_pDoc != nullptr) {
        m_pDoc->RemoveView(this);
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
}

QWidget* CZelkorForm::CreateTopRow() {
    auto* pRow = new QWidget(this);
    auto* pRowLayout = new QHBoxLayout(pRow);
    pRowLayout->setContentsMargins(0, 0, 0, 0);
    pRowLayout->setSpacing(12);

    auto* pTypeBox = new QGroupBox(QString::fromLatin1(res::kProgramTypeBox), pRow);
    pTypeBox->setObjectName(QStringLiteral("programTypeBox"));
    m_pSingle = new QRadioButton(QString::fromLatin1(res::kSingleFrequencies), pTypeBox);
    SetControlId(m_pSingle, res::IDC_SINGLE_FREQUENCIES, QStringLiteral("radioSingleFrequencies"));
    m_pGroups = new QRadioButton(QString::fromLatin1(res::kFrequencyGroups), pTypeBox);
    SetControlId(m_pGroups, res::IDC_FREQUENCY_GROUPS, QStringLiteral("radioFrequencyGroups"));
    m_pSingle->setChecked(true);
    auto* pTypeLayout = new QVBoxLayout(pTypeBox);
    pTypeLayout->addWidget(m_pSingle);
    pTypeLayout->addWidget(m_pGroups);

    auto* pProgramBox = new QGroupBox(QString::fromLatin1(res::kProgramBox), pRow);
    pProgramBox->setObjectName(QStringLiteral("programBox"));
    m_cbProgram = new QComboBox(pProgramBox);
    SetControlId(m_cbProgram, res::IDC_PROGRAM, QStringLiteral("comboProgram"));
    m_cbProgram->setEditable(true);
    m_cbProgram->setInsertPolicy(QComboBox::NoInsert);
    m_cbProgram->setMaxVisibleItems(16);
    m_cbProgram->setAccessibleName(QString::fromLatin1(res::kAccProgram));
    m_cbProgram->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cbProgram->setMinimumContentsLength(4);
    m_pPrev = new QPushButton(QString::fromLatin1(res::kPrevProgram), pProgramBox);
    SetControlId(m_pPrev, res::IDC_PREV_PROGRAM, QStringLiteral("buttonPrevProgram"));
    m_pPrev->setAccessibleName(QString::fromLatin1(res::kAccPrevProgram));
    m_pNext = new QPushButton(QString::fromLatin1(res::kNextProgram), pProgramBox);
    SetControlId(m_pNext, res::IDC_NEXT_PROGRAM, QStringLiteral("buttonNextProgram"));
    m_pNext->setAccessibleName(QString::fromLatin1(res::kAccNextProgram));
    m_pJumpNumber = new QLineEdit(pProgramBox);
    SetControlId(m_pJumpNumber, res::IDC_JUMP_NUMBER, QStringLiteral("editJumpNumber"));
    m_pJumpNumber->setMaxLength(res::kJumpMaxChars);
    m_pJumpNumber->setAccessibleName(QString::fromLatin1(res::kAccJumpNumber));
    m_pJump = new QPushButton(QString::fromLatin1(res::kJump), pProgramBox);
    SetControlId(m_pJump, res::IDC_JUMP, QStringLiteral("buttonJump"));

    const int smallButton = m_pPrev->fontMetrics().horizontalAdvance(QStringLiteral("->")) + 24;
    for (QPushButton* pButton : {m_pPrev, m_pNext}) {
        pButton->setAutoDefault(false);
        pButton->setMinimumWidth(smallButton);
        pButton->setMaximumWidth(smallButton + 8);
    }
    m_pJump->setAutoDefault(false);
    m_pJumpNumber->setFixedWidth(
        m_pJumpNumber->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    auto* pProgramLayout = new QGridLayout(pProgramBox);
    pProgramLayout->setHorizontalSpacing(6);
    pProgramLayout->addWidget(m_cbProgram, 0, 0, 1, 2);
    pProgramLayout->addWidget(m_pJumpNumber, 0, 2);
    pProgramLayout->addWidget(m_pPrev, 1, 0);
    pProgramLayout->addWidget(m_pNext, 1, 1);
    pProgramLayout->addWidget(m_pJump, 1, 2);

    m_btnLoadDevice = new QPushButton(QString::fromLatin1(res::kLoadDevice), pRow);
    SetControlId(m_btnLoadDevice, res::IDC_LOAD_DEVICE, QStringLiteral("buttonLoadDevice"));
    m_btnLoadDevice->setAutoDefault(false);

    pRowLayout->addWidget(pTypeBox);
    pRowLayout->addWidget(pProgramBox);
    pRowLayout->addSpacing(12);
    pRowLayout->addWidget(m_btnLoadDevice, 0, Qt::AlignVCenter);
    pRowLayout->addStretch(1);
    return pRow;
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
        auto* pBox = new QGroupBox(Printf1(res::kGroupBox, group + 1), pGrid);
        SetControlId(pBox, res::IDC_GROUP_BOX_FIRST + group,
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
            auto* pLabel = new QLabel(QStringLiteral("Static"), pColumn);
            SetControlId(pLabel, res::IDC_FREQ_LABEL_FIRST + slot,
                         QStringLiteral("labelFreq%1").arg(slot + 1));
            pLabel->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
            auto* pField = new QLineEdit(pColumn);
            SetControlId(pField, res::IDC_FREQ_FIRST + slot,
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
        m_labels[slot]->setText(Printf1(res::kSlotLabel, bGroups ? position + 1 : slot + 1));
        m_fields[slot]->setAccessibleName(bGroups
                                              ? Printf2(res::kAccGroupSlot, group + 1, position + 1)
                                              : Printf1(res::kSlotLabel, slot + 1));
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
    const int index = m_pDoc->m_nCurrent;
    const model::CFrequencyProgram& program = m_pDoc->m_book[index];
    SetSlotLabels(program.IsGroups());
    RebuildProgramList(index);
    m_nProgramType = program.IsGroups() ? 1 : 0;
    m_bUpdatingFields = true;
    for (int slot = 0; slot < model::kSlotCount; ++slot) {
        m_fields[slot]->setText(SlotText(program.m_freq[slot]));
    }
    m_bUpdatingFields = false;
    UpdateData(false);
    m_bProgramModified = false;
}

void CZelkorForm::ResizeParentToFit() {
    QWidget* pFrame = window();
    if (pFrame == this) {
        return;
    }
    if (pFrame->layout() != nullptr) {
        pFrame->layout()->activate();
    }
    const QSize fit = pFrame->sizeHint();
    // Shrink only, except the first time, when the frame has no size of its own yet.
    pFrame->resize(m_bSizedOnce ? pFrame->size().boundedTo(fit) : fit);
    m_bSizedOnce = true;
}

void CZelkorForm::OnInitialUpdate() {
    UpdateData(false);
    ResizeParentToFit();
    ShowProgram();
}

intptr_t CZelkorForm::SendMessage(unsigned nMsg, uintptr_t wParam, intptr_t lParam) {
    if (nMsg == res::WM_COMMITPROGRAM) {
        return OnCommitProgram(wParam, lParam);
    }
    return 0;
}

intptr_t CZelkorForm::OnCommitProgram(uintptr_t /*wParam*/, intptr_t /*lParam*/) {
    return 0;
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

void CZelkorForm::AddCommand(int nID, std::function<void()> handler) {
    m_commands[nID] = std::move(handler);
}

}  // namespace editor
