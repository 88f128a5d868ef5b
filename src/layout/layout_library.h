#pragma once
// The page layout library "QXFPAGE.DAT" in the program directory: PageLayouts one after another, no
// header; ".PAG" files carry one layout between libraries.

#include "common/record_library.h"
#include "layout/page_layout.h"

#include <QString>
#include <QtGlobal>

#include <string>

namespace qx {

class LayoutLibrary : public RecordLibrary<PageLayout> {
public:
    static constexpr const char *FileName = "QXFPAGE.DAT";

    explicit LayoutLibrary(QString filePath);
    static LayoutLibrary inProgramDir(const QString &programDir);

    // One entry per record, sorted by entry text; the record numbered defaultPage carries the
    // default mark. Empty when the file is missing.
    FileOutcome<EntryList> list(int defaultPage) const;

    // remove(n) leaves the default page number alone: the mark passes to the layout that takes over
    // the number.
};

// Follows the default layout's entry, after two blanks.
inline constexpr const char *DefaultLayoutMark = QT_TRANSLATE_NOOP("qx", "<<DEFAULT>>");

// The list text of a layout, in the windows' language where it has words of its own (the paper's
// name, the default mark): "Daily Page (Letter)", or for a custom paper
// "Odd (Custom 9\" x 11\")" with the size rounded to whole numbers and the inch mark whatever the
// unit. Only the paper name "Custom" shows its size.
std::string layoutEntryText(const PageLayout &layout, bool isDefault);

// Writes the layout as a ".PAG" file; confirmedReplace as for writeExchangeFile.
FileStatus exportLayout(const QString &path, const PageLayout &layout, bool confirmedReplace = false);

// Reads a ".PAG" file and appends its record to the library; the outcome carries the new record
// number. Corrupt files add nothing.
FileOutcome<ImportOutcome> importLayout(const QString &path, const LayoutLibrary &library);

// The layout a new puzzle receives: record defaultPage of the library, record 0 when that number
// is out of range, or the built-in default when the library is missing or empty.
FileOutcome<PageLayout> layoutForNewPuzzle(const QString &libraryPath, int defaultPage);

} // namespace qx
