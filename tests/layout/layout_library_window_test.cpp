#include "common/ui/record_list_box.h"
#include "layout/layout_defaults.h"
#include "layout/ui/extract_layout_dialog.h"
#include "layout/ui/layout_library_dialog.h"
#include "store/collection_file.h"
#include "store/settings.h"

#include "support/scripted_ui_host.h"
#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

using namespace qx;
using namespace qx::test;

namespace {

const QString NothingFound = QStringLiteral("Warning: No saved page layouts could be found.");
const QString NoneSelected = QStringLiteral("Error: No page layout selected.");

PageLayout named(const std::string &name, const char *paper = "Letter")
{
    PageLayout layout = builtInDefaultLayout();
    layout.LayoutName.set(name);
    layout.PaperName.set(paper);
    return layout;
}

QStringList items(const QListWidget *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->item(i)->text();
    return out;
}

struct LayoutLibraryWindow : ::testing::Test {
    TempDir dir;
    LayoutLibrary library = LayoutLibrary::inProgramDir(dir.path());
    Settings settings = Settings::defaults(dir.path());
    ScriptedUiHost host;
    DialogLook look;
    QString collection = dir.file(QStringLiteral("PUZZLES.QX3"));
    std::unique_ptr<LayoutLibraryDialog> window;
    // What the stand-in designer was asked, and whether it saves.
    std::vector<DesignerRequest> requests;
    bool designerSaves = true;

    // A stand-in for the designer that saves the layout as it was handed over, renamed.
    DesignerOpener designer()
    {
        return [this](QWidget *, const DesignerRequest &r) {
            requests.push_back(r);
            if (!designerSaves)
                return false;
            PageLayout saved = r.mode == DesignerMode::New ? named("Fresh") : r.layout;
            if (r.mode == DesignerMode::Modify) {
                saved.LayoutName.set("Changed");
                EXPECT_TRUE(library.replace(r.recordNumber - 1, saved));
            } else {
                EXPECT_TRUE(library.append(saved));
            }
            return true;
        };
    }
    void add(std::initializer_list<PageLayout> layouts)
    {
        for (const auto &l : layouts)
            ASSERT_TRUE(library.append(l));
    }
    LayoutLibraryDialog &open(LayoutLibraryMode mode = LayoutLibraryMode::Manage, bool withDesigner = true)
    {
        window = std::make_unique<LayoutLibraryDialog>(
            mode, LayoutLibraryContext{library, settings, look, collection, withDesigner ? designer() : nullptr}, host);
        window->show();
        return *window;
    }
    RecordListBox *box() const { return window->shapeBox(); }
    const LayoutLibraryDialog::Controls &c() const { return window->controls(); }
    QString selected() const { return box()->currentItem() ? box()->currentItem()->text() : QString(); }
    void choose(const QString &text) { box()->setCurrentItem(box()->findItems(text, Qt::MatchExactly).value(0)); }
    std::string nameOf(int record) const { return library.read(record).value().LayoutName.str(); }
    // Which of the buttons are enabled, in their order.
    std::vector<bool> enabled() const
    {
        std::vector<bool> out;
        for (QPushButton *b : {c().select, c().exit, c().newLayout, c().modify, c().copy, c().remove, c().import,
                               c().exportLayout, c().setDefault, c().extract})
            out.push_back(b->isEnabled());
        return out;
    }
    QStringList said()
    {
        QStringList out;
        for (const auto &m : host.messages())
            out << m.caption + QStringLiteral(": ") + m.text;
        host.clear();
        return out;
    }
};

TEST_F(LayoutLibraryWindow, OpensOnTheFirstSortedEntryWithTheDefaultMarkAndItsPicture)
{
    add({named("Daily Page"), named("Answers", "A4"), named("Big")});
    settings.pageLayout.defaultPage = 2;
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Puzzle Page Layouts"));
    EXPECT_EQ(items(box()), (QStringList{"Answers (A4)", "Big (Letter)  <<DEFAULT>>", "Daily Page (Letter)"}));
    EXPECT_EQ(box()->selectedRecord(), 1);
    EXPECT_EQ(window->selectedLayout().LayoutName.str(), "Answers");
    EXPECT_TRUE(said().empty());
    // The built-in page is 408 by 528 units; in the 245 by 289 picture the page is white and the
    // grid (96..312 across, 76..292 down) maroon.
    EXPECT_EQ(window->picture().size(), QSize(245, 289));
    EXPECT_EQ(window->picture().pixelColor(10, 10), QColor(Qt::white));
    EXPECT_EQ(window->picture().pixelColor(110, 100), QColor(128, 0, 0));
    // Managing never selects.
    EXPECT_EQ(enabled(), (std::vector<bool>{false, true, true, true, true, true, true, true, true, true}));
}

TEST_F(LayoutLibraryWindow, AnEmptyLibraryWarnsAndLeavesOnlyNewImportExtractAndExit)
{
    for (const bool withDesigner : {false, true}) {
        open(LayoutLibraryMode::Puzzle, withDesigner);
        EXPECT_EQ(said(), QStringList{NothingFound});
        EXPECT_EQ(box()->count(), 0);
        EXPECT_EQ(window->picture().pixelColor(120, 120), window->palette().color(QPalette::Button));
        EXPECT_EQ(enabled(),
                  (std::vector<bool>{false, true, withDesigner, false, false, false, true, false, false, true}));
    }
    window->onOkButtonClicked();
    window->onCopyButtonClicked();
    window->onModifyButtonClicked();
    window->onDeleteButtonClicked();
    window->onExportButtonClicked();
    window->onDefaultButtonClicked();
    EXPECT_EQ(said(), (QStringList{"Error: No layout has been selected.", NoneSelected, NoneSelected, NoneSelected,
                                   NoneSelected, NoneSelected}));
    EXPECT_TRUE(requests.empty());
}

TEST_F(LayoutLibraryWindow, SelectHandsBackTheChosenLayoutInTheChoosingModes)
{
    add({named("Daily Page"), named("Answers", "A4")});
    for (const auto mode : {LayoutLibraryMode::Puzzle, LayoutLibraryMode::Print}) {
        open(mode);
        choose(QStringLiteral("Daily Page (Letter)  <<DEFAULT>>"));
        ASSERT_TRUE(c().select->isEnabled());
        c().select->click();
        ASSERT_TRUE(window->chosen());
        EXPECT_EQ(window->chosen()->LayoutName.str(), "Daily Page");
        EXPECT_EQ(window->result(), QDialog::Accepted);
    }
    open(LayoutLibraryMode::Print);
    c().exit->click();
    EXPECT_FALSE(window->chosen());
}

TEST_F(LayoutLibraryWindow, TheDesignerIsHandedCopiesAndItsSavedLayoutIsSelectedByRecordNumber)
{
    add({named("Daily Page"), named("Zebra")});
    open();
    // New: the appended record is selected although it sorts in the middle.
    c().newLayout->click();
    EXPECT_EQ(requests.back().mode, DesignerMode::New);
    EXPECT_EQ(items(box()), (QStringList{"Daily Page (Letter)  <<DEFAULT>>", "Fresh (Letter)", "Zebra (Letter)"}));
    EXPECT_EQ(box()->selectedRecord(), 2);

    // Copy: the copy is named for it, and a copy of a copy counts on.
    choose(QStringLiteral("Daily Page (Letter)  <<DEFAULT>>"));
    c().copy->click();
    EXPECT_EQ(requests.back().mode, DesignerMode::Copy);
    EXPECT_EQ(requests.back().layout.LayoutName.str(), "Daily Page (2)");
    EXPECT_EQ(selected(), QStringLiteral("Daily Page (2) (Letter)"));
    c().copy->click();
    EXPECT_EQ(requests.back().layout.LayoutName.str(), "Daily Page (3)");
    EXPECT_EQ(box()->selectedRecord(), 4);

    // Modify: the designer is told the record, counted from 1, and that record stays selected.
    choose(QStringLiteral("Zebra (Letter)"));
    c().modify->click();
    EXPECT_EQ(requests.back().mode, DesignerMode::Modify);
    EXPECT_EQ(requests.back().recordNumber, 2);
    EXPECT_EQ(requests.back().layout.LayoutName.str(), "Zebra");
    EXPECT_EQ(selected(), QStringLiteral("Changed (Letter)"));
    EXPECT_EQ(box()->selectedRecord(), 1);

    // A designer closed without saving changes nothing.
    designerSaves = false;
    const QStringList before = items(box());
    c().newLayout->click();
    EXPECT_EQ(items(box()), before);
    EXPECT_EQ(box()->selectedRecord(), 1);
    EXPECT_EQ(*library.count(), 5);
    EXPECT_TRUE(said().empty());
}

// The number does not fit a name of twenty characters: the copy is offered under the same name.
TEST_F(LayoutLibraryWindow, ACopyOfATwentyCharacterNameLosesItsTail)
{
    add({named("Twenty Characters Ab")});
    open();
    c().copy->click();
    EXPECT_EQ(requests.back().layout.LayoutName.str(), "Twenty Characters Ab");
}

TEST_F(LayoutLibraryWindow, DeleteAsksThenKeepsThePositionAndTheDefaultNumber)
{
    add({named("A"), named("B"), named("C")});
    settings.pageLayout.defaultPage = 1;
    open();
    choose(QStringLiteral("A (Letter)"));
    c().remove->click(); // answered No
    EXPECT_EQ(said(), QStringList{"Delete?: Are you sure you want to delete \"A (Letter)\"?"});
    EXPECT_EQ(*library.count(), 3);

    host.answerNext(Answer::Yes);
    c().remove->click();
    // The mark passes to C, which took over record number 1.
    EXPECT_EQ(items(box()), (QStringList{"B (Letter)", "C (Letter)  <<DEFAULT>>"}));
    EXPECT_EQ(selected(), QStringLiteral("B (Letter)"));
    EXPECT_EQ(window->selectedLayout().LayoutName.str(), "B");
    EXPECT_EQ(settings.pageLayout.defaultPage, 1);

    choose(QStringLiteral("C (Letter)  <<DEFAULT>>"));
    host.answerNext(Answer::Yes);
    c().remove->click();
    EXPECT_EQ(selected(), QStringLiteral("B (Letter)"));
    host.answerNext(Answer::Yes);
    c().remove->click();
    said();
    EXPECT_EQ(box()->count(), 0);
    EXPECT_EQ(window->picture().pixelColor(120, 120), window->palette().color(QPalette::Button));
    EXPECT_EQ(enabled(), (std::vector<bool>{false, true, true, false, false, false, true, false, false, true}));
}

TEST_F(LayoutLibraryWindow, ADeleteTheLibraryRefusesIsReported)
{
    add({named("A")});
    open();
    QFile::remove(library.path());
    host.answerNext(Answer::Yes);
    c().remove->click();
    EXPECT_EQ(said(), (QStringList{"Delete?: Are you sure you want to delete \"A (Letter)  <<DEFAULT>>\"?",
                                   "Disk Error: Unable to delete page layout."}));
}

// Two layouts that read alike: the default mark sorts the one marked after the other, so the
// chosen entry changes rows while it stays the same record.
TEST_F(LayoutLibraryWindow, SetDefaultMovesTheMarkAndKeepsTheSameRecordSelected)
{
    add({named("Same"), named("Same")});
    open();
    EXPECT_EQ(items(box()), (QStringList{"Same (Letter)", "Same (Letter)  <<DEFAULT>>"}));
    EXPECT_EQ(box()->selectedRecord(), 1);
    c().setDefault->click();
    EXPECT_EQ(settings.pageLayout.defaultPage, 1);
    EXPECT_EQ(items(box()), (QStringList{"Same (Letter)", "Same (Letter)  <<DEFAULT>>"}));
    EXPECT_EQ(box()->selectedRecord(), 1);
    EXPECT_EQ(selected(), QStringLiteral("Same (Letter)  <<DEFAULT>>"));
    EXPECT_TRUE(said().empty());
}

TEST_F(LayoutLibraryWindow, ImportAndExportTellWhatHappenedAndRememberTheFiles)
{
    add({named("Daily Page")});
    open();
    const QString good = dir.file(QStringLiteral("good.PAG"));
    const QString shortFile = dir.file(QStringLiteral("short.PAG"));
    ASSERT_TRUE(exportLayout(good, named("Answers", "A4")));
    std::vector<uint8_t> bytes = readAll(good);
    bytes.pop_back();
    writeAll(shortFile, bytes);

    for (const QString &path : {dir.file(QStringLiteral("missing.PAG")), shortFile, good})
        host.pickFile(path);
    for (int i = 0; i < 3; ++i)
        c().import->click();
    EXPECT_EQ(said(), (QStringList{"Error: Page layout could not be imported.",
                                   "Error: Page layout file is corrupt or incompatible.  Import aborted."}));
    EXPECT_EQ(selected(), QStringLiteral("Answers (A4)"));
    EXPECT_EQ(box()->selectedRecord(), 1);
    EXPECT_EQ(settings.misc.lastImportLayoutFile, good);
    const FileRequest &asked = host.fileRequests().front();
    EXPECT_EQ(asked.title, QStringLiteral("Import Page Layouts"));
    EXPECT_EQ(asked.filter, QStringLiteral("Page Layouts (*.PAG)|*.PAG"));
    EXPECT_EQ(asked.defaultSuffix, QStringLiteral("PAG"));
    EXPECT_TRUE(asked.mustExist);

    // Export reads the record again: a change made behind the window's back is what is written.
    choose(QStringLiteral("Daily Page (Letter)  <<DEFAULT>>"));
    ASSERT_TRUE(library.replace(0, named("Renamed")));
    const QString out = dir.file(QStringLiteral("out.PAG"));
    host.pickFile(dir.file(QStringLiteral("no/such/folder/out.PAG")));
    host.pickFile(out);
    c().exportLayout->click();
    c().exportLayout->click();
    EXPECT_EQ(said(), (QStringList{"Error: Page layout could not be exported.", "OK: Page Layout Exported!"}));
    EXPECT_EQ(readAll(out).size(), 28874u);
    ASSERT_TRUE(importLayout(out, library));
    EXPECT_EQ(nameOf(2), "Renamed");
    EXPECT_EQ(settings.misc.lastExportLayoutFile, out);
    EXPECT_EQ(host.fileRequests().back().title, QStringLiteral("Export Page Layouts"));
    EXPECT_TRUE(host.fileRequests().back().overwritePrompt);

    // A library that can be neither opened nor created takes nothing.
    window.reset();
    library = LayoutLibrary(dir.file(QStringLiteral("gone/QXFPAGE.DAT")));
    open();
    said();
    host.pickFile(good);
    c().import->click();
    EXPECT_EQ(said(), QStringList{"Disk Error: Unable to add page layout."});
}

struct ExtractFromPuzzle : LayoutLibraryWindow {
    void addPuzzle(const std::string &name, const PageLayout &layout)
    {
        PuzzleRecord record;
        record.resetForNewPuzzle(layout);
        record.PuzzleName.set(name);
        ASSERT_TRUE(CollectionFile(collection).append(record));
    }
    // Drives the extract dialog opened next.
    void nextExtract(std::function<void(ExtractLayoutDialog &)> drive)
    {
        host.onModal([drive](QDialog &d) {
            drive(dynamic_cast<ExtractLayoutDialog &>(d));
            return d.result();
        });
    }
};

TEST_F(ExtractFromPuzzle, AppendsThePuzzlesOwnLayoutAndSelectsIt)
{
    add({named("Daily Page")});
    addPuzzle("Zoo", named("Zoo Page", "A4"));
    addPuzzle("Apples", named("Apple Page"));
    open();
    QStringList offered;
    nextExtract([&](ExtractLayoutDialog &e) {
        EXPECT_EQ(e.windowTitle(), QStringLiteral("Extract Page Layout From Puzzle"));
        offered = items(e.puzzleList());
        EXPECT_EQ(e.puzzleList()->selectedRecord(), 1);
        e.puzzleList()->selectRow(1);
        e.extractButton()->click();
    });
    c().extract->click();
    EXPECT_EQ(offered, (QStringList{"Apples", "Zoo"}));
    EXPECT_EQ(nameOf(1), "Zoo Page");
    EXPECT_EQ(selected(), QStringLiteral("Zoo Page (A4)"));
    EXPECT_EQ(window->selectedLayout().LayoutName.str(), "Zoo Page");
    EXPECT_TRUE(said().empty());

    // Cancel adds nothing.
    nextExtract([](ExtractLayoutDialog &e) { e.reject(); });
    c().extract->click();
    EXPECT_EQ(*library.count(), 2);
}

TEST_F(ExtractFromPuzzle, TellsWhyNothingWasExtracted)
{
    addPuzzle("Zoo", named("Zoo Page"));
    open();
    said();
    bool enabledEmpty = true;
    nextExtract([&](ExtractLayoutDialog &e) {
        e.puzzleList()->selectRow(-1);
        Q_EMIT e.puzzleList()->currentRowChanged(-1);
        enabledEmpty = e.extractButton()->isEnabled();
        e.onExtractButtonClicked();
        e.puzzleList()->selectRow(0);
        QFile::rename(collection, collection + QStringLiteral(".away"));
        e.onExtractButtonClicked();
        QFile::rename(collection + QStringLiteral(".away"), collection);
        e.reject();
    });
    c().extract->click();
    EXPECT_FALSE(enabledEmpty);
    EXPECT_EQ(said(),
              (QStringList{"Error: No puzzles have been selected for export.", "Error: Unable to open puzzle."}));

    window.reset();
    library = LayoutLibrary(dir.file(QStringLiteral("gone/QXFPAGE.DAT")));
    open();
    said();
    nextExtract([](ExtractLayoutDialog &e) { e.extractButton()->click(); });
    c().extract->click();
    EXPECT_EQ(said(), QStringList{"Disk Error: Unable to add page layout."});

    // Without an open collection nothing is offered and nothing can be extracted.
    window.reset();
    collection.clear();
    open();
    bool extractable = true;
    nextExtract([&](ExtractLayoutDialog &e) {
        extractable = e.extractButton()->isEnabled() || e.puzzleList()->count() > 0;
        e.reject();
    });
    c().extract->click();
    EXPECT_FALSE(extractable);
}

TEST_F(LayoutLibraryWindow, ScreenshotsAtFactorsOneAndOnePointSix)
{
    add({named("Daily Page"), named("Answers", "A4"), named("Big Print")});
    const QString shots = QStringLiteral(QUORVEX_BINARY_DIR "/screenshots");
    QDir().mkpath(shots);
    for (const double factor : {1.0, 1.6}) {
        look.screenFactor = factor;
        open(LayoutLibraryMode::Puzzle);
        EXPECT_EQ(window->picture().width(), factor == 1.0 ? 245 : 392);
        // Every button shows its whole caption.
        for (QPushButton *b : window->findChildren<QPushButton *>())
            EXPECT_GE(b->width(), b->sizeHint().width()) << b->text().toStdString();
        EXPECT_TRUE(window->grab().save(shots + QStringLiteral("/layout_library_%1.png").arg(factor)));
    }
}

} // namespace
