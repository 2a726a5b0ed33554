// The fixture of the program commands' suites: the real application, its main window and the
// settings a run leaves, with the dialogs the commands open driven by the test.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/main_frame.h"
#include "app/zelkor_config_app.h"
#include "tests/ports/scripted_port_system.h"
#include "tests/scripted_messages.h"
#include "tests/test_support.h"
#include "tests/ui/screenshot.h"
#include "ui/editor/zelkor_form.h"
#include "widgets/control_ids.h"

namespace program_commands {

using platform::EMsgAnswer;
using testing_support::CTempDir;
using testing_support::MaybeScreenshot;
using widgets::FindControlAs;

inline QSettings Settings() {
    return QSettings(QStringLiteral("VQ Rurirareza"), QStringLiteral("ZelkorConfig"));
}

inline QString StoredPortPath() {
    return Settings().value(QStringLiteral("Config/Port Path")).toString();
}

inline void SetStoredPortPath(const std::string& path) {
    auto settings = Settings();
    settings.clear();
    if (!path.empty()) {
        settings.setValue(QStringLiteral("Config/Port Path"), QString::fromStdString(path));
    }
    settings.sync();
}

// Program i holds i + 1 tenths of a hertz in its first slot, so that every program is told apart.
inline void Mark(model::CFrequencyProgram& program, int i) {
    program.m_freq[0] = static_cast<uint32_t>(i + 1);
    program.UpdateGroupCount(0);
}

class ProgramCommands : public testing::Test {
protected:
    void SetUp() override { SetStoredPortPath(""); }
    void TearDown() override {
        if (m_bRunning) {
            Exit();
        }
    }

    void Start(QStringList arguments = {}) {
        arguments.prepend(QStringLiteral("zelkorconfig"));
        ASSERT_TRUE(m_app.InitInstance(arguments));
        m_bRunning = true;
        m_app.Form()->SetPortSource(&m_ports);
    }
    void Exit() {
        m_app.ExitInstance();
        m_bRunning = false;
    }

    model::CZelkorConfigDoc& Doc() { return *m_app.Document(); }
    ui::CZelkorForm& Form() { return *m_app.Form(); }
    QLineEdit* Field(int nSlot) { return Form().FrequencyField(nSlot); }

    // Shows program index on the form as if the user had gone there.
    void Display(int index) {
        Doc().SetCurrent(index);
        Form().ShowProgram();
    }

    // Chooses the menu command; act plays the user in the modal dialog it opens.
    void Choose(int nID, const std::function<void(QDialog&)>& act) {
        QAction* pAction = m_app.MainFrame()->Action(nID);
        ASSERT_NE(pAction, nullptr);
        bool bActed = false;
        QTimer watcher;
        watcher.setSingleShot(true);
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            auto* pDialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(pDialog, nullptr);
            // As on a desktop, the dialog that opens is the active window.
            pDialog->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(pDialog));
            bActed = true;
            act(*pDialog);
            if (pDialog->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                pDialog->reject();
            }
        });
        watcher.start(0);
        m_app.MainFrame()->UpdateCommandStates();
        ASSERT_TRUE(pAction->isEnabled());
        pAction->trigger();
        EXPECT_TRUE(bActed) << "no dialog opened";
    }

    template <typename T>
    static T* Control(QWidget& dialog, int nID) {
        for (T* pChild : dialog.findChildren<T*>()) {
            if (pChild->property(res::kControlIdProperty).toInt() == nID) {
                return pChild;
            }
        }
        ADD_FAILURE() << "no control " << nID;
        return nullptr;
    }

    // Types the number into Insert Program and presses Enter.
    static std::function<void(QDialog&)> EnterNumber(const char* number) {
        return [number](QDialog& dialog) {
            QLineEdit* pEdit = Control<QLineEdit>(dialog, res::IDC_PROGRAM_NUMBER);
            QTest::keyClicks(pEdit, number);
            QTest::keyClick(pEdit, Qt::Key_Return);
        };
    }

    CTempDir m_dir;
    testing_support::CScriptedMessages m_messages;
    testing_support::CScriptedPortSystem m_ports;
    app::CZelkorConfigApp m_app;
    bool m_bRunning = false;
};

}  // namespace program_commands
