#pragma once
// How the main window opens the printing windows.

#include "common/dialog_look.h"
#include "layout/page_layout.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace qx {

struct PuzzleRecord;
struct Settings;
class UiHost;

// What the printing windows take from the program around them.
struct PrintContext {
    DialogLook look;
    Settings &settings;
    UiHost &host;
    // Opens the program's help at a topic key over a window; nothing when unset.
    std::function<void(QWidget *parent, const QString &keyword)> help;
    // Lets the user choose a layout for one printing from the layout library; none when unset.
    std::function<std::optional<PageLayout>(QWidget *parent)> chooseLayout = nullptr;
};

// The print options window for a copy of the record; the record itself is never changed.
void openPrintOptions(QWidget *parent, const PrintContext &context, const PuzzleRecord &record);

// "Default Clue Headers": the headings new heading objects receive ("Across Label", "Down Label").
void openDefaultClueHeaders(QWidget *parent, const PrintContext &context);

} // namespace qx
