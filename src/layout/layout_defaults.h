#pragma once
// The layouts and objects Quorvex starts from: the built-in default layout (used when the library
// offers none), the designer's new layout and new objects, and the limits on how many objects of
// each kind a layout may hold.

#include "layout/page_layout.h"

#include <string>
#include <string_view>

namespace qx {

inline bool isObjectKind(int16_t kind)
{
    return kind >= 1 && kind <= 13;
}

// Used when the library file is missing or holds no record: Letter, 48 units per inch, a title, the
// grid, both headings and both clue lists.
PageLayout builtInDefaultLayout();

// The designer's New: "New Page", Letter portrait in inches, no objects; DesignZoom and the page
// size in layout units follow the zoom it is created at.
PageLayout newLayout(int zoom);

// Width and height of a new object of the kind, in the page's unit (inches or centimetres).
struct ObjectSize {
    double width = 0;
    double height = 0;
};
ObjectSize newObjectSize(ObjectKind kind);

// Objects of the kind among the slots in use.
int countOfKind(const PageLayout &layout, ObjectKind kind);

// The label a new object gets: the kind's fixed name, or for text, bitmap, rectangle and circle
// the name and 1 + the number of such objects already in the layout, cut to 15 characters.
std::string newObjectLabel(ObjectKind kind, const PageLayout &layout);

// The heading texts of the settings ("Across Label", "Down Label"), as Windows-1252 bytes.
struct HeadingTexts {
    std::string across = "Across";
    std::string down = "Down";
};

// A new object of the kind with its top left corner at the clicked point. Its size comes from the
// layout's unit and the zoom the designer shows it at; that zoom is passed in because a layout
// being modified keeps its stored DesignZoom until it is saved.
LayoutObject newLayoutObject(ObjectKind kind, int left, int top, const PageLayout &layout, int zoom,
                             const HeadingTexts &headings);

enum class AddCheck {
    Allowed,
    LayoutFull,                 // 20 objects already
    AlreadyPresent,             // a kind allowed once is there
    ConflictsWithCombinedClues, // headings and clue lists cannot join combined clues
    ConflictsWithSeparateClues, // combined clues cannot join headings or clue lists
    NotAKind,
};

// Whether one more object of the kind may be added to the layout.
AddCheck canAddKind(const PageLayout &layout, ObjectKind kind);

} // namespace qx
