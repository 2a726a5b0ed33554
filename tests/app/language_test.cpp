// The window in another language: its menus, a message of the core's rules, the Select Comm Port
// dialog and Qt's own buttons in German; in every language no two items of a menu share an
// accelerator.
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>
#include <map>

#include "tests/app/app_test_support.h"
#include "ui/ports/select_port_dlg.h"
#include "widgets/translations.h"

namespace app_testing {
namespace {

class Languages : public Application {
protected:
    void SetUp() override {
        Application::SetUp();
        widgets::AddCatalogueFolder(QStringLiteral(ZELKOR_BINARY_DIR "/app/translations"));
    }
    void TearDown() override {
        Application::TearDown();
        widgets::RemoveTranslations();
    }
};

// The letter after a single '&', lower case; none for a text without one.
QChar Accelerator(const QString& text) {
    const QString bare = QString(text).remove(QStringLiteral("&&"));
    const qsizetype at = bare.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < bare.size() ? bare[at + 1].toLower() : QChar();
}

void ExpectAcceleratorsApart(const QString& menu, const QList<QAction*>& items) {
    std::map<QChar, QString> taken;
    for (QAction* pItem : items) {
        if (pItem->menu() != nullptr) {
            ExpectAcceleratorsApart(pItem->text(), pItem->menu()->actions());
        }
        const QChar key = Accelerator(pItem->text());
        if (!key.isNull()) {
            EXPECT_EQ(taken.count(key), 0u)
                << menu.toStdString() << ": " << pItem->text().toStdString() << " and "
                << taken[key].toStdString();
            taken[key] = pItem->text();
        }
    }
}

TEST_F(Languages, NoMenuHasTwoItemsWithOneAcceleratorInAnyLanguage) {
    for (const char* code : {"en", "de", "fr", "es"}) {
        SCOPED_TRACE(code);
        Start({QStringLiteral("--language"), QString::fromLatin1(code)});
        ExpectAcceleratorsApart(QStringLiteral("menu bar"), Frame().menuBar()->actions());
        Exit();
    }
}

// View > Language, the one submenu of View.
QMenu* LanguageMenu(QMenu* pView) {
    for (QAction* pItem : pView->actions()) {
        if (pItem->menu() != nullptr) {
            return pItem->menu();
        }
    }
    return nullptr;
}

// View > Language keeps the choice for the next start, says so, and --language overrides it.
TEST_F(Languages, ChosenLanguageTakesEffectAtTheNextStart) {
    Start();
    QMenu* pLanguages = LanguageMenu(Frame().Menu(2));
    ASSERT_NE(pLanguages, nullptr);
    const QList<QAction*> items = pLanguages->actions();
    const auto german = std::find_if(items.begin(), items.end(), [](QAction* pItem) {
        return pItem->text() == QStringLiteral("Deutsch");
    });
    ASSERT_NE(german, items.end());
    (*german)->trigger();
    ASSERT_EQ(m_messages.Count(), 1u);
    EXPECT_EQ(m_messages.Texts()[0],
              "The new language takes effect when ZelkorConfig is started again.");
    EXPECT_EQ(Frame().Menu(0)->title(), QStringLiteral("&File"));
    Exit();
    Start();
    EXPECT_EQ(Frame().Menu(0)->title(), QStringLiteral("&Datei"));
    QStringList checked;
    ASSERT_NE(LanguageMenu(Frame().Menu(2)), nullptr);
    for (QAction* pItem : LanguageMenu(Frame().Menu(2))->actions()) {
        if (pItem->isChecked()) {
            checked << pItem->text();
        }
    }
    EXPECT_EQ(checked, QStringList{QStringLiteral("Deutsch")});
    Exit();
    Start({QStringLiteral("--language"), QStringLiteral("es")});
    EXPECT_EQ(Frame().Menu(0)->title(), QStringLiteral("&Archivo"));
}

TEST_F(Languages, GermanWindowReadsGermanAndKeepsTheDecimalPoint) {
    Start({QStringLiteral("--language"), QStringLiteral("de")});
    EXPECT_EQ(Frame().Menu(0)->title(), QStringLiteral("&Datei"));
    EXPECT_EQ(Command(57600).text(), QStringLiteral("&Neu\tCtrl+N"));
    EXPECT_EQ(Command(57604).text(), QStringLiteral("Speichern &unter...\tCtrl+Shift+S"));
    EXPECT_EQ(Command(57604).statusTip(),
              QStringLiteral("Das aktive Dokument unter einem neuen Namen speichern"));
    // The core's rule, translated where the form shows it.
    Frame().show();
    Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    QLineEdit* pField = m_app.Form()->FrequencyField(0);
    pField->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(pField, QStringLiteral("1,5"));
    m_app.Form()->FrequencyField(1)->setFocus(Qt::MouseFocusReason);
    ASSERT_EQ(m_messages.Count(), 1u);
    EXPECT_EQ(m_messages.Texts()[0],
              "„1,5“ ist keine Frequenz: Das Dezimalzeichen ist ein Punkt, und Tausender werden "
              "nicht abgetrennt (1500 oder 12.5).");
    MaybeScreenshot(&Frame(), QStringLiteral("main_frame_de"));

    ui::CSelectPortDlg dialog(&Frame());
    dialog.show();
    MaybeScreenshot(&dialog, QStringLiteral("select_port_de"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("COM-Port auswählen"));
    QStringList buttons;
    for (const QPushButton* pButton : dialog.findChildren<QPushButton*>()) {
        buttons << pButton->text();
    }
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({QStringLiteral("&Aktualisieren"), QStringLiteral("Abbrechen"),
                                    QStringLiteral("OK")}));
    // Qt's own texts come in the same language.
    QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
}

}  // namespace
}  // namespace app_testing
