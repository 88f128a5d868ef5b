// Every dialog's stored-text box under the real host: a refused character is told with a real
// message box, answered from inside its own event loop, and the dialog and its text stay. (A
// candidate for the shared real-host harness.)
#include "common/ui/storable_text_validator.h"
#include "common/ui/ui_host.h"
#include "report/ui/bonus_question_dialog.h"
#include "report/ui/clue_headers_dialog.h"
#include "shapes/ui/shape_editor_dialog.h"

#include "support/scripted_ui_host.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace qx;

TEST(StorableTextControls, EveryDialogRefusesWithARealMessageAndKeepsItsText)
{
    QtUiHost host;
    QStringList said;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            said << box->text();
            QTest::keyClick(box, Qt::Key_Enter);
        }
    });
    answerer.start(10);
    test::TempDir dir;
    const DialogLook look;
    const ShapeRecord shape = newShape();

    struct Case {
        const char *dialog;
        std::function<std::unique_ptr<QDialog>()> make;
        std::function<QLineEdit *(QDialog &)> edit;
        QString message;
    };
    const QString alpha = QStringLiteral("The character \"\u0391\" (U+0391) cannot ");
    const Case cases[] = {
        {"bonus question", [&] { return std::make_unique<BonusQuestionDialog>(look, host, QString()); },
         [](QDialog &d) { return static_cast<BonusQuestionDialog &>(d).bonusText(); },
         alpha + QStringLiteral("be stored in a puzzle.")},
        {"across header",
         [&] {
             return std::make_unique<ClueHeadersDialog>(look, host, ClueHeadersDialog::Mode::Print, QString(),
                                                        QString());
         },
         [](QDialog &d) { return static_cast<ClueHeadersDialog &>(d).acrossEdit(); },
         alpha + QStringLiteral("be used in a heading.")},
        {"down header",
         [&] {
             return std::make_unique<ClueHeadersDialog>(look, host, ClueHeadersDialog::Mode::Default, QString(),
                                                        QString());
         },
         [](QDialog &d) { return static_cast<ClueHeadersDialog &>(d).downEdit(); },
         alpha + QStringLiteral("be used in a heading.")},
        {"shape name",
         [&] {
             return std::make_unique<ShapeEditorDialog>(
                 ShapeEditMode::New, shape, -1, ShapeLibrary(dir.file(QStringLiteral("QXFLAY.DAT"))), host, look);
         },
         [](QDialog &d) { return static_cast<ShapeEditorDialog &>(d).titleEdit(); },
         alpha + QStringLiteral("be stored in a shape name.")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.dialog);
        const auto dialog = c.make();
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        QLineEdit *edit = c.edit(*dialog);
        edit->clear();
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("ab"));
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QStringLiteral("\u0391"), Qt::NoModifier);
        QElapsedTimer clock;
        clock.start();
        while (said.isEmpty() && clock.elapsed() < 2000)
            QTest::qWait(10);
        EXPECT_EQ(std::exchange(said, {}), QStringList{c.message});
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(edit->text(), QStringLiteral("ab"));
    }
}

TEST(StorableTextControls, PastedBreaksBecomeSpacesAndARefusedCharacterIsNamedWhole)
{
    struct Case {
        const char *name;
        int maxLength;
        QString before;
        QString pasted;
        QString after;
        QString message = {};
    };
    const QString face = QStringLiteral("\U0001F600");
    const Case cases[] = {
        {"a tab", 30, "", "RAIN\tSNOW", "RAIN SNOW"},
        {"line breaks of every kind", 30, "", "A\r\nB\nC\rD\u2029E", "A B C D E"},
        {"a full box takes nothing more", 3, "ABC", "D", "ABC"},
        {"what does not fit is cut from the paste", 4, "AB", "CDE", "ABCD"},
        {"an emoji where only half of it would fit", 3, "AB", face, "AB",
         QStringLiteral("The character \"%1\" (U+1F600) cannot be stored in a puzzle.").arg(face)},
        {"an emoji in a box of one character", 1, "", face, "",
         QStringLiteral("The character \"%1\" (U+1F600) cannot be stored in a puzzle.").arg(face)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        test::ScriptedUiHost host;
        QWidget window;
        auto *edit = new QLineEdit(&window);
        edit->setMaxLength(c.maxLength);
        keepStorable(edit, host);
        edit->setText(c.before);
        edit->end(false);
        edit->insert(c.pasted);
        QApplication::processEvents();
        EXPECT_EQ(edit->text(), c.after);
        QStringList said;
        for (const auto &m : host.messages())
            said << m.text;
        EXPECT_EQ(said, c.message.isEmpty() ? QStringList() : QStringList{c.message});
    }
}
