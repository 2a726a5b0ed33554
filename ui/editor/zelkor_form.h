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

namespace editor {

class CZelkorForm : public QWidget, public model::IDocView, public widgets::ICommandTarget {
    Q_OBJECT

public:
    explicit CZelkorForm(QWidget* pParent = nullptr);
    ~CZelkorForm() override;

    void SetDocument(model::CZelkorConfigDoc* pDoc) { m_pDoc = pDoc; }
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

    // widgets::ICommandTarget: the menu commands that the form's subsystems hand it.
    bool OnCmdMsg(int nID, bool bExecute) override;
    void AddCommand(int nID, std::function<void()> handler);

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

protected:
    intptr_t OnCommitProgram(uintptr_t wParam, intptr_t lParam);
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void CreateControls();
    void AddDeviceCommands();
    // Allocates the job's data, offers the save prompt and checks the count programs from
    // nFirst on that will be sent; false (the user told why) when nothing may go.
    bool PrepareUpload(upload::CUploadJob& job, int32_t nTotal, int nFirst, int nCount);
    void RunUpload(upload::CUploadJob& job);
    QWidget* CreateTopRow();
    QWidget* CreateGrid();
    void SetTabOrder();
    void RebuildProgramList(int nSelected);
    void ResizeParentToFit();
    void ConnectHandlers();
    void AddProgramCommands();
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
    bool m_bSizedOnce = false;
    // An entry check is running: focus moved by its message box is no new exit from a field.
    bool m_bInEntryCheck = false;
    // The field checked before a commit while it kept the focus; the focus loss that the save
    // prompt causes right after is the same exit, not a second one.
    int m_nCheckedFieldId = 0;
};

}  // namespace editor
