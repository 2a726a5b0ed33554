// The editor form: the one view of the program, on which the program on display is shown and
// edited. It reads the document's book and program on display, and changes them only through the
// document (model::CZelkorConfigDoc::ChangeBook, SetCurrent). What needs no window lives beside
// it: where navigation goes (editor/program_navigation.h), what the commit stores
// (editor/program_commit.h); the device commands are a piece of their own
// (ui/editor/form_device_commands.h). zelkor_form.cpp builds and fills the controls; the form's
// other parts are files of their own: form_navigation.cpp ("<-", "->", the program box, Jump),
// form_entry.cpp (frequency entry, the type switch, the commit and its save prompt),
// program_commands.cpp (the book and the port) and edit_commands.cpp (Undo, Redo and the
// Clipboard).
//
// Threads: user-interface thread only.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/frequency_program.h"
#include "model/zelkor_config_doc.h"
#include "widgets/command_target.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace devlink {
class CDeviceLink;
class CPortSetting;
}  // namespace devlink

namespace platform {
class IPortSystem;
}

namespace ui {

class CBookHistory;
class CFormDeviceCommands;

// The pattern with its %d filled in: "Delete Program 12".
QString NumberedText(const char* pattern, int nNumber);

class CZelkorForm : public QWidget, public model::IDocView, public widgets::ICommandTarget {
    Q_OBJECT

public:
    explicit CZelkorForm(QWidget* pParent = nullptr);
    ~CZelkorForm() override;

    // The document shown; the form keeps its history of changes (Undo, Redo) from now on.
    void SetDocument(model::CZelkorConfigDoc* pDoc);
    CBookHistory* History() const { return m_pHistory.get(); }
    // The device the form's commands talk to and the port setting Select Comm Port changes; both
    // belong to the application and outlive the form. The port setting may be null where no port
    // can be chosen (Select Comm Port then does nothing).
    void SetDevice(devlink::CDeviceLink* pLink, devlink::CPortSetting* pPortSetting);
    // Where Select Comm Port lists the ports from; null: this machine's own. Not owned.
    void SetPortSource(platform::IPortSystem* pPortSource) { m_pPortSource = pPortSource; }

    // Puts the document's current program on the form.
    void ShowProgram();
    // Goes to the program at the index as navigation does, its edits offered for saving first.
    void GoToProgram(int nIndex);
    // Shows or hides the group boxes and writes the 48 labels for the type.
    void SetSlotLabels(bool bGroups);

    // The device commands: Tools > Test Connection, the Load Device button and Tools > Upload
    // Current Program (CFormDeviceCommands).
    void OnTestConnection();
    void OnLoadDevice();
    void OnUploadCurrentProgram();
    // An upload runs; CancelUpload stops it as the progress dialog's Cancel does.
    bool UploadRunning() const;
    void CancelUpload();

    // model::IDocView
    intptr_t SendMessage(unsigned nMsg, uintptr_t wParam, intptr_t lParam) override;
    void OnInitialUpdate() override;
    // The fields hold what the commit would store differently.
    bool HasPendingEdits() const override { return FieldsDifferFromStored(); }

    // widgets::ICommandTarget: the menu commands that the form's subsystems hand it, with what
    // their items show (update: none for an item that is always enabled with its own text).
    bool OnCmdMsg(int nID, bool bExecute) override;
    void OnUpdateCmdUI(int nID, widgets::SCommandUI& ui) override;
    void AddCommand(int nID, std::function<void()> handler,
                    std::function<void(widgets::SCommandUI&)> update = {});

    // Exchanges the type and the jump text with the controls; bSaveAndValidate reads them.
    bool UpdateData(bool bSaveAndValidate = true);

    // Frequency entry: the change notification and the entry check of the field that was left.
    void OnFrequencyChange(int nID);
    void OnFrequencyKillFocus(int nID);
    // The labels and group boxes follow the type chosen and, for Frequency Groups, the group
    // rules run over the whole form (the type switch has stored the type).
    void ApplyProgramType();
    // Offers to commit the fields into the stored program when they were edited.
    void SaveCurrentProgram();
    // The program as the fields hold it, as the commit would store it (the stored one's type
    // replaced by the radio buttons' as last read).
    model::CFrequencyProgram FieldsProgram() const;

    // Navigation and the program type.
    void OnPrevProgram();
    void OnNextProgram();
    void OnSelchangeProgram();
    // Typing in the program box has ended (Enter or leaving it).
    void OnProgramEditFinished();
    void OnJump();
    void OnProgramType();

    // The commands that change the book or the port (program_commands.cpp).
    void OnInsertProgram();
    void OnReorderPrograms();
    void OnDeleteProgram();
    void OnSelectCommPort();

    // Edit > Undo and Redo, and the program on the Clipboard (edit_commands.cpp). The toolbar's
    // Cut, Copy and Paste take the focused frequency field's text, or else the program.
    void OnEditUndo();
    void OnEditRedo();
    void OnCutProgram();
    void OnCopyProgram();
    void OnPasteProgram();

    QLineEdit* FrequencyField(int nSlot) const { return m_fields[nSlot]; }
    QString FieldText(int nSlot) const;
    // The fields may differ from the stored program (typed since it was shown, or its type
    // switched): the save prompt asks before the form shows another.
    bool IsProgramModified() const { return m_bProgramModified; }
    // The type as the radio buttons were last read (0 Single Frequencies, 1 Frequency Groups)
    // and the jump text as last exchanged.
    int ProgramType() const { return m_nProgramType; }
    const QString& JumpText() const { return m_strJump; }

signals:
    // The form shows the program at this index now.
    void ProgramShown(int nIndex);
    // What the menu items and buttons of the form's commands show may have changed (Undo's).
    void CommandStatesChanged();
    // A result the user is told of in the status bar (how an upload ended; empty while one
    // runs).
    void StatusMessage(const QString& text);

protected:
    intptr_t OnCommitProgram(uintptr_t wParam, intptr_t lParam);
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void CreateControls();
    QWidget* CreateTopRow();
    QWidget* CreateTypeBox(QWidget* pParent);
    QWidget* CreateProgramBox(QWidget* pParent);
    // The program box's combo box, buttons and jump field.
    void CreateProgramControls(QWidget* pBox);
    QWidget* CreateGrid();
    void SetTabOrder();
    void RebuildProgramList(int nSelected);
    void ResizeParentToFit();
    void ConnectHandlers();
    void AddProgramCommands();
    void AddEditCommands();
    void AddDeviceCommands();
    // Shows the program at the index, when there is one to go to.
    void GoTo(std::optional<int> nIndex);
    // Runs the entry check of a frequency field that has the focus, as leaving it would.
    void CheckFocusedField();
    // The 48 fields' texts, in slot order.
    std::array<std::string, model::kSlotCount> FieldTexts() const;
    // Puts the fields into the stored program, as one step.
    void CommitFields();
    // A switch to Frequency Groups that would empty values of the form names them and asks:
    // Yes stores the type and the program without them as one step, No keeps the program and
    // its type. False (nothing done) when the switch empties nothing.
    bool SwitchToGroupsEmptying();
    // Empties the program on display as one step named by stepName ("Delete Program %d").
    void ClearProgramOnDisplay(const char* stepName);
    // The type switch of the program on display: one step when it holds frequencies.
    void StoreProgramType(bool bGroups);
    void SetProgramModified(bool bModified);
    // The edits on the form change the stored program (Undo takes them back first).
    bool FieldsDifferFromStored() const;
    // Copies the programs to the Clipboard as rows (tab-separated text, CSV) and as the stored
    // records.
    void PutOnClipboard(const std::vector<model::CFrequencyProgram>& programs, int nFirstNumber);
    // Pastes the programs over those from the one on display, as one step.
    void PastePrograms(const std::vector<model::CFrequencyProgram>& programs);
    // Edit > Undo's item: the pending edits' step, or the history's.
    void UpdateUndoItem(widgets::SCommandUI& ui);
    bool FilterUndoKey(QObject* pWatched, QEvent* pEvent);
    int FieldId(const QObject* pObject) const;
    int FocusedFieldId() const;

    model::CZelkorConfigDoc* m_pDoc = nullptr;
    devlink::CPortSetting* m_pPortSetting = nullptr;
    platform::IPortSystem* m_pPortSource = nullptr;
    std::unique_ptr<CFormDeviceCommands> m_pDeviceCommands;
    // The fields may differ from the stored program.
    bool m_bProgramModified = false;
    // The form itself is writing the fields: their change notifications are no edit.
    bool m_bUpdatingFields = false;
    int m_nProgramType = 0;
    QString m_strJump;
    QPushButton* m_btnLoadDevice = nullptr;
    QComboBox* m_cbProgram = nullptr;
    QRadioButton* m_pSingle = nullptr;
    QRadioButton* m_pGroups = nullptr;
    QPushButton* m_pPrev = nullptr;
    QPushButton* m_pNext = nullptr;
    QLineEdit* m_pJumpNumber = nullptr;
    QPushButton* m_pJump = nullptr;
    std::array<QLineEdit*, model::kSlotCount> m_fields{};
    std::array<QLabel*, model::kSlotCount> m_labels{};
    std::array<QGroupBox*, model::kGroupCount> m_groupBoxes{};
    std::map<int, std::function<void()>> m_commands;
    std::map<int, std::function<void(widgets::SCommandUI&)>> m_updates;
    std::unique_ptr<CBookHistory> m_pHistory;
    bool m_bSizedOnce = false;
    // An entry check is running: focus moved by its message box is no new exit from a field.
    bool m_bInEntryCheck = false;
    // The field checked before a commit while it kept the focus; the focus loss that the save
    // prompt causes right after is the same exit, not a second one.
    int m_nCheckedFieldId = 0;
};

}  // namespace ui
