// The form's commands that talk to the device: Tools > Test Connection, the Load Device button
// and Tools > Upload Current Program. What they send is the document's book; the order is
// theirs: a port must be open, the form's edits are offered for commit before the bytes are
// taken, nothing goes while a program to send breaks a rule, the progress dialog runs the
// upload, and the status bar is told how it ended.
//
// Threads: user-interface thread only; the upload itself runs in the job's thread.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>

namespace devlink {
class CDeviceLink;
class CPortSetting;
}  // namespace devlink

namespace model {
class CZelkorConfigDoc;
}

namespace upload {
class CUploadJob;
}

class QWidget;

namespace ui {

class CUploadProgressDlg;

class CFormDeviceCommands : public QObject {
    Q_OBJECT

public:
    // pOwner: the window whose main window the progress dialog opens over. fnSaveCurrentProgram:
    // the form's save prompt.
    CFormDeviceCommands(QWidget* pOwner, std::function<void()> fnSaveCurrentProgram);

    // The book that is sent (not owned; null: nothing is sent) and the device (the
    // application's, not owned).
    void SetDocument(model::CZelkorConfigDoc* pDoc) { m_pDoc = pDoc; }
    void SetLink(devlink::CDeviceLink* pLink) { m_pLink = pLink; }
    // The port in use (the application's, not owned; null where none is chosen in the window):
    // a port that is not open is opened again before a command gives up.
    void SetPortSetting(devlink::CPortSetting* pPortSetting) { m_pPortSetting = pPortSetting; }
    // An upload runs (its progress dialog is open).
    bool UploadRunning() const;
    // Stops the upload that runs, as its Cancel button does; nothing when none runs.
    void CancelUpload();

    void OnTestConnection();
    void OnLoadDevice();
    void OnUploadCurrentProgram();

signals:
    // How an upload ended, for the status bar (empty while one runs).
    void StatusMessage(const QString& text);

private:
    // True when the link has a port open, opened again if need be; otherwise the user has been
    // told why (how to choose a port, or why it did not open).
    bool PortChosen() const;
    // Allocates the job's data, offers the save prompt and checks the count programs from
    // nFirst on that will be sent; false (the user told why) when nothing may go.
    bool PrepareUpload(upload::CUploadJob& job, int32_t nTotal, int nFirst, int nCount);
    // Runs the progress dialog; strDone goes to the status bar when the device confirmed all,
    // what stopped it otherwise.
    void RunUpload(upload::CUploadJob& job, const QString& strDone);

    QWidget* m_pOwner;
    std::function<void()> m_fnSaveCurrentProgram;
    model::CZelkorConfigDoc* m_pDoc = nullptr;
    devlink::CDeviceLink* m_pLink = nullptr;
    devlink::CPortSetting* m_pPortSetting = nullptr;
    QPointer<CUploadProgressDlg> m_pRunning;
};

}  // namespace ui
