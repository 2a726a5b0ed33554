// The editor form: the one view of the program, on which the program on display is shown and
// edited. It reads and writes the document's book and current index directly.
//
// Threads: user-interface thread only.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
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

namespace upload {
class CUploadJob;
}

namespace ui {

class CBookHistory;

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
    void SetDevice(devlink::CDeviceLink* pLink, devlink::CPortSetting* pPortSetting) {
        m_pLink = pLink;
        m_pPortSetting = pPortSetting;
    }

    // Puts the document's current program on the form.
    void ShowProgram();
    // Shows or hides the group boxes and writes the 48 labels for the type.
    void SetSlotLabels(bool bGroups);

    // The device commands: Tools > Test Connection, the Load Device button and Tools > Upload
    // Current Program (in upload/form_device_commands.cpp).
    void OnTestConnection();
    void OnLoadDevice();
    void OnUploadCurrentProgram();

    // model::IDocView
    intptr_t SendMessage(unsigned nMsg, uintptr_t wParam, intptr_t lParam) override;
    void OnInitialUpdate() override;

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
    // Writes the type choice into the stored program and, for Frequency Groups, runs the group
    // rules over the whole form.
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

    bool m_bProgramModified = false;
    bool m_bUpdatingFields = false;
    QPushButton* m_btnLoadDevice = nullptr;
    QComboBox* m_cbProgram = nullptr;
    int m_nProgramType = 0;
    QString m_strJump;
    // Where Select Comm Port lists the ports from; null: this machine's own. Not owned.
    platform::IPortSystem* m_pPortSource = nullptr;

signals:
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
    void AddDeviceCommands();
    // Allocates the job's data, offers the save prompt and checks the count programs from
    // nFirst on that will be sent; false (the user told why) when nothing may go.
    bool PrepareUpload(upload::CUploadJob& job, int32_t nTotal, int nFirst, int nCount);
    // Runs the progress dialog; strDone goes to the status bar when the device confirmed all,
    // what stopped it otherwise.
    void RunUpload(upload::CUploadJob& job, const QString& strDone);
    // True when the link has a port open; otherwise tells the user how to choose one.
    bool PortChosen() const;
    QWidget* CreateTopRow();
    QWidget* CreateGrid();
    void SetTabOrder();
    void RebuildProgramList(int nSelected);
    void ResizeParentToFit();
    void ConnectHandlers();
    void AddProgramCommands();
    void AddEditCommands();
    // Makes fnChange one step of the history (programs [nFirst, nFirst + nCount) and the
    // program on display); true when the book changed (without a history: when fnChange says
    // it went through).
    bool ChangeBook(const QString& strName, int nFirst, int nCount,
                    const std::function<bool()>& fnChange);
    // Runs the entry check of a frequency field that has the focus, as leaving it would.
    void CheckFocusedField();
    // Puts the fields into the stored program, as one step.
    void CommitFields();
    // A switch to Frequency Groups that would empty values of the form names them and asks:
    // Yes stores the type and the program without them as one step, No keeps the program and
    // its type. False (nothing done) when the switch empties nothing.
    bool SwitchToGroupsEmptying();
    void SetProgramModified(bool bModified);
    // Copies the programs to the Clipboard as rows (tab-separated text, CSV) and as the stored
    // records.
    void PutOnClipboard(const std::vector<model::CFrequencyProgram>& programs, int nFirstNumber);
    bool FilterUndoKey(QObject* pWatched, QEvent* pEvent);
    int FieldId(const QObject* pObject) const;
    int FocusedFieldId() const;
    model::CFrequencyProgram& CurrentProgram();

    model::CZelkorConfigDoc* m_pDoc = nullptr;
    devlink::CDeviceLink* m_pLink = nullptr;
    devlink::CPortSetting* m_pPortSetting = nullptr;
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
