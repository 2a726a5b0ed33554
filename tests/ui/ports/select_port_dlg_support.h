// The fixture of the Select Comm Port dialog's suites: the dialog run modally and driven with keys
// and clicks as a user would.
#pragma once

#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ports/port_info.h"
#include "res/ids_ports.h"
#include "res/strings_ports.h"
#include "tests/ports/scripted_port_system.h"
#include "tests/scripted_messages.h"
#include "tests/ui/screenshot.h"
#include "ui/ports/select_port_dlg.h"

namespace select_port_testing {

using ports::g_portList;
using testing_support::CScriptedPortSystem;
using testing_support::MaybeScreenshot;
using testing_support::SScriptedDevice;
using ui::CSelectPortDlg;

class SelectPortDlg : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "select_port_dlg_test";
        static char* argv[] = {name, nullptr};
        if (QApplication::instance() == nullptr) {
            new QApplication(argc, argv);
        }
    }

    template <class T>
    static T* Control(QDialog& dlg, int id) {
        T* widget = dlg.findChild<T*>(QString::number(id));
        EXPECT_NE(widget, nullptr) << id;
        if (widget != nullptr) {
            EXPECT_EQ(widget->property("controlId").toInt(), id);
        }
        return widget;
    }
    static QComboBox* Combo(QDialog& dlg) { return Control<QComboBox>(dlg, res::IDC_PORT_COMBO); }
    static QPushButton* Ok(QDialog& dlg) { return Control<QPushButton>(dlg, res::IDOK); }

    // Runs the dialog modally; act plays the user once it is on screen.
    static int Run(CSelectPortDlg& dlg, std::function<void()> act) {
        QTimer::singleShot(0, &dlg, [&dlg, act] {
            EXPECT_TRUE(dlg.isVisible());
            act();
            if (dlg.isVisible()) {
                ADD_FAILURE() << "the user left the dialog open";
                dlg.reject();
            }
        });
        return dlg.DoModal();
    }

    static QStringList Lines(QComboBox* combo) {
        QStringList lines;
        for (int i = 0; i < combo->count(); ++i) {
            lines << combo->itemText(i);
        }
        return lines;
    }

    static SScriptedDevice Port(const std::string& path, const std::string& name) {
        return {path, name, name, std::nullopt, 0};
    }

    testing_support::CScriptedMessages m_messages;
    CScriptedPortSystem m_system;
};

// The column texts of every line of the opened list.
inline QStringList Column(QComboBox* combo, int column) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i) {
        texts << combo->model()->index(i, column).data().toString();
    }
    return texts;
}

}  // namespace select_port_testing
