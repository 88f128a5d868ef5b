#pragma once
// What the main window owns and shares with every window it opens: the settings, the directories,
// the open collection and its lists, the current puzzle buffer with its new/existing mark, and the
// current shape. There are no other globals.

#include "builder/grid_builder.h"
#include "common/dialog_look.h"
#include "common/paths.h"
#include "layout/layout_library.h"
#include "lexicon/languages.h"
#include "shapes/shape_library.h"
#include "shapes/shape_record.h"
#include "store/collection_view.h"
#include "store/puzzle_record.h"
#include "store/settings.h"

#include <memory>

namespace qx {

struct Session {
    AppPaths paths;
    Settings settings;

    CollectionView collection;
    std::unique_ptr<PuzzleRecord> current = std::make_unique<PuzzleRecord>();
    // Where the current puzzle is saved: new, or the record it was read from with its bytes then.
    PuzzlePlace currentPlace;
    ShapeRecord currentShape;
    // The four kept results of the last build; they outlive the windows that show them.
    std::unique_ptr<CandidateSlots> candidates = std::make_unique<CandidateSlots>();

    QString settingsPath() const { return paths.inStartupDir(SettingsFileName.toString()); }
    ShapeLibrary shapeLibrary() const { return ShapeLibrary::inProgramDir(paths.programDir); }
    LayoutLibrary layoutLibrary() const { return LayoutLibrary::inProgramDir(paths.programDir); }
    // The open collection file is the "Last Group" setting.
    const QString &collectionPath() const { return settings.misc.lastGroup; }
    CollectionFile collectionFile() const { return CollectionFile(collectionPath()); }
    // The page layout a new puzzle receives.
    PageLayout layoutForNewPuzzle() const;

    // Which spelling languages and thesauri have their data in the program directory, read once
    // at start-up.
    LexiconAvailability lexicon;

    // The screen size read at start-up and the factor every window scales itself by.
    QSize screen{1024, 768};
    double screenFactor = 1.0;
    // What a window needs to follow the dialog conventions: factor, screen and the user fonts.
    DialogLook look() const;
};

} // namespace qx
