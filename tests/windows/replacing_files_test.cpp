// Replacing files that are already there, through the real host: the save dialog, the questions
// and the error boxes run their own modal loops and are answered from inside them. A file said to
// be kept is checked by its bytes and its modification time, which was set back in time first.
#include "render/print_options.h"
#include "render/render_page.h"
#include "report/ui/preview_window.h"
#include "words/ui/word_list_editor.h"

#include "support/real_host.h"
#include "windows/window_scene.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace qx;
using namespace qx::test;

namespace {

const QDateTime LongAgo = QDateTime::fromSecsSinceEpoch(981173106, Qt::UTC);

// Sets the file's modification time back, so that any write shows.
void setBack(const QString &path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(LongAgo, QFileDevice::FileModificationTime));
}

// A file as it was before the window could touch it.
struct KeptFile {
    QString path;
    std::vector<uint8_t> bytes;
    QDateTime modified;

    // Writes the file unless it is there already, and sets its time back.
    static KeptFile place(const QString &path, const QByteArray &content)
    {
        if (!QFileInfo::exists(path)) {
            QFile f(path);
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        setBack(path);
        return take(path);
    }
    static KeptFile take(const QString &path) { return {path, readAll(path), QFileInfo(path).lastModified()}; }
    bool untouched() const
    {
        const KeptFile now = take(path);
        return now.bytes == bytes && now.modified == modified;
    }
};

void makeReadOnly(const QString &path)
{
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
}

// The message boxes among what was answered (the dialogs driven or answered with a key have no text).
std::vector<AnsweredBox> messages(const ModalAnswerer &answers)
{
    std::vector<AnsweredBox> out;
    for (const auto &box : answers.boxes()) {
        if (!box.text.isEmpty())
            out.push_back(box);
    }
    return out;
}

std::unique_ptr<PreviewWindow> previewOf(Scene &s)
{
    return std::make_unique<PreviewWindow>(
        s.look(), s.p.session.settings, s.p.host, s.record,
        renderPuzzlePage(s.record, printOptionsFromSettings(s.p.session.settings)).stream, s.pdfPrinter());
}

// --- The web page and its picture: one question naming both, before either is replaced ---

struct WebPageCase {
    const char *name;
    bool pageThere;
    bool pictureThere;
    const char *question; // empty when nothing is asked
};

const WebPageCase WebPageCases[] = {
    {"BothThere", true, true, "X.htm and its picture X.JPG already exist.\nDo you want to replace them?"},
    {"OnlyThePicture", false, true, "The picture X.JPG of X.htm already exists.\nDo you want to replace it?"},
    {"Neither", false, false, ""},
};

class WebPageReplacing : public ::testing::TestWithParam<WebPageCase> {};

void PrintTo(const WebPageCase &c, std::ostream *os)
{
    *os << c.name;
}

} // namespace

TEST_P(WebPageReplacing, AsksOnceNamingBothAndNoWritesNothing)
{
    const WebPageCase &c = GetParam();
    const Watchdog watchdog(std::chrono::seconds(60), QString::fromLatin1(c.name));
    Scene s;
    const QString page = s.printed.file(QStringLiteral("X.htm"));
    const QString picture = s.printed.file(QStringLiteral("X.JPG"));
    std::vector<KeptFile> kept;
    if (c.pageThere)
        kept.push_back(KeptFile::place(page, "old page"));
    if (c.pictureThere)
        kept.push_back(KeptFile::place(picture, "old picture"));
    const bool asks = *c.question != '\0';

    auto preview = previewOf(s);
    ModalAnswerer a;
    a.drive([&](QWidget *w) {
        a.drive([&](QWidget *dialog) {
            clickButton(dialog, QStringLiteral("Save HTML"));
            if (asks) {
                EXPECT_EQ(QApplication::activeModalWidget(), dialog) << "No keeps the window open";
                for (const KeptFile &file : kept)
                    EXPECT_TRUE(file.untouched()) << file.path.toStdString();
                EXPECT_FALSE(QFileInfo::exists(page) && !c.pageThere) << "no page written";
                clickButton(dialog, QStringLiteral("Save HTML"));
            }
            if (QApplication::activeModalWidget() == dialog) {
                ADD_FAILURE() << "the window stayed open after the page was saved";
                dismiss(dialog);
            }
        });
        a.press(QStringLiteral("Enter")).chooseFile(page); // the width as it is, then the page
        if (asks)
            a.press(QStringLiteral("No")).press(QStringLiteral("Enter")).chooseFile(page);
        if (asks)
            a.press(QStringLiteral("Yes"));
        qobject_cast<PreviewWindow *>(w)->controls().createWebPage->click();
        dismiss(w);
    });
    s.modal(*preview);
    a.wait();

    const auto asked = messages(a);
    if (asks) {
        ASSERT_EQ(asked.size(), 2u) << a.texts().join(QLatin1Char('\n')).toStdString();
        for (const auto &box : asked) {
            EXPECT_EQ(box.caption, QStringLiteral("Save HTML Document"));
            EXPECT_EQ(box.text, QString::fromUtf8(c.question));
        }
        EXPECT_EQ(asked[0].pressed, QStringLiteral("No"));
    } else {
        EXPECT_TRUE(asked.empty()) << a.texts().join(QLatin1Char('\n')).toStdString();
    }
    // Yes (or no question at all) writes both: a page that shows the picture, and the picture.
    const auto written = readAll(page);
    EXPECT_NE(std::string(written.begin(), written.end()).find("X.JPG"), std::string::npos);
    const auto jpeg = readAll(picture);
    ASSERT_GE(jpeg.size(), 2u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
}

INSTANTIATE_TEST_SUITE_P(PageAndPicture, WebPageReplacing, ::testing::ValuesIn(WebPageCases),
                         [](const auto &info) { return std::string(info.param.name); });

namespace {

// --- Read-only targets: replaced only when the user confirmed it in a dialog that named it ---

struct ReadOnlyCase {
    const char *name;
    // The read-only file the case writes to.
    std::function<QString(Scene &)> target;
    // Scripts the answers and runs the windows.
    std::function<void(Scene &, ModalAnswerer &, const QString &target)> run;
    bool replaced;
    const char *error; // the error box's text; empty when none is expected
};

const ReadOnlyCase ReadOnlyCases[] = {
    {"AnExportConfirmedInTheSaveDialog", [](Scene &s) { return s.printed.file(QStringLiteral("PAGE.svg")); },
     [](Scene &s, ModalAnswerer &a, const QString &target) {
         auto preview = previewOf(s);
         a.drive([&a, target](QWidget *w) {
             a.chooseFile(target).press(QStringLiteral("Yes")); // the save dialog's own question
             qobject_cast<PreviewWindow *>(w)->actions().exportSvg->trigger();
             dismiss(w);
         });
         s.modal(*preview);
     },
     true, ""},
    {"TheUsersWordListWrittenWithoutADialog", [](Scene &s) { return s.p.program.file(QStringLiteral("IncEngl.tlx")); },
     [](Scene &s, ModalAnswerer &a, const QString &) { s.addWordToUsersList(a); }, false, ": Permission denied"},
    {"ACollectionSavedFromTheEditor", [](Scene &s) { return s.p.collection(); },
     [](Scene &s, ModalAnswerer &a, const QString &) {
         const QString edited = QStringLiteral("Edited in the window");
         a.drive([edited](QWidget *w) {
             auto *editor = qobject_cast<WordListEditor *>(w);
             ASSERT_TRUE(editor);
             editor->titleEdit()->setText(edited);
             clickButton(w, QStringLiteral("SaveButton")); // the refusal is answered inside
             EXPECT_EQ(QApplication::activeModalWidget(), w) << "the editor stays open";
             EXPECT_EQ(editor->titleEdit()->text(), edited) << "with what was typed";
             dismiss(w);
         });
         a.press(QStringLiteral("OK")).press(QStringLiteral("No")); // the refusal, then "Save changes?"
         s.command("MenuModifyPuzzle");
     },
     false, "Unable to save puzzle.\n%1: Permission denied"},
};

class ReadOnlyTarget : public ::testing::TestWithParam<ReadOnlyCase> {};

void PrintTo(const ReadOnlyCase &c, std::ostream *os)
{
    *os << c.name;
}

} // namespace

TEST_P(ReadOnlyTarget, IsReplacedOnlyWhenTheUserConfirmedItByName)
{
    // Root may write any file, so the program takes a file without any write bit as read-only for
    // root too: every case means the same for root and for anyone else.
    const ReadOnlyCase &c = GetParam();
    const Watchdog watchdog(std::chrono::seconds(60), QString::fromLatin1(c.name));
    Scene s;
    const QString target = c.target(s);
    const KeptFile old = KeptFile::place(target, "ZEBRA\n");
    makeReadOnly(target);
    // The collection too was set back: read again, so that the main window knows it as it is now.
    s.p.window->loadInPuzzles();
    s.p.window->selectFirstPuzzle();

    ModalAnswerer a;
    c.run(s, a, target);
    a.wait();

    QStringList errors;
    for (const auto &box : messages(a)) {
        if (box.caption == QStringLiteral("Error"))
            errors << box.text;
    }
    if (*c.error == '\0') {
        EXPECT_EQ(errors, QStringList());
    } else {
        const QString expected = QString::fromUtf8(c.error).contains(QStringLiteral("%1"))
                                     ? QString::fromUtf8(c.error).arg(target)
                                     : target + QString::fromUtf8(c.error);
        EXPECT_EQ(errors, QStringList{expected}) << a.texts().join(QLatin1Char('\n')).toStdString();
    }
    if (c.replaced) {
        const QString name = QFileInfo(target).fileName();
        EXPECT_TRUE(a.texts().filter(name).size() == 1) << "the save dialog asked, naming " << name.toStdString();
        EXPECT_NE(readAll(target), old.bytes);
        EXPECT_NE(QFileInfo(target).lastModified(), LongAgo);
    } else {
        EXPECT_TRUE(old.untouched()) << "the old file is intact";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfWrite, ReadOnlyTarget, ::testing::ValuesIn(ReadOnlyCases),
                         [](const auto &info) { return std::string(info.param.name); });
