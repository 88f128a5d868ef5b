#pragma once
// Moving puzzles between collection files as whole records: import of chosen puzzles from another
// collection, import of a previous-version single-puzzle file (".QXM"), and export of chosen
// puzzles into a new collection file. No record changes on the way, except the conversion of an
// old puzzle.

#include "store/collection_file.h"

#include <QString>

#include <vector>

namespace qx {

inline constexpr auto CollectionFilter = "QXMOR Files (*.QX3)|*.QX3";
inline constexpr auto ImportFilter = "QXMOR Files (*.QX3)|*.QX3|16 bit QXMOR Files (*.QXM)|*.QXM";

enum class ImportKind { Collection, OldPuzzleFile, NotQuorvex };

// By the last four characters of the path, in any letter case.
ImportKind importKindOf(const QString &path);

// Two paths naming the same collection, compared without regard to letter case as the user
// would type them; the same file reached through another spelling counts too.
bool sameCollection(const QString &a, const QString &b);

enum class TransferResult { Done, CannotOpenSource, CannotOpenTarget };

// Appends the given records of the source, in the order given, unchanged to the target (opened,
// or created). IoError for a failure after both were opened; what was appended stays.
TransferResult importPuzzles(const CollectionFile &source, const std::vector<int> &records,
                             const CollectionFile &target);

enum class OldFileResult { Imported, CannotOpen, Corrupt, CannotSave };

struct OldFileImport {
    OldFileResult result = OldFileResult::Corrupt;
    PuzzleRecord record; // the converted puzzle, when imported
};

// Reads "QXM", a length byte and that many bytes of text, then one old record; converts it with the
// default layout into a copy of the buffer and appends it to the target.
OldFileImport importOldPuzzleFile(const QString &path, const PuzzleRecord &buffer, const PageLayout &defaultLayout,
                                  const CollectionFile &target);

// Creates the target empty (replacing any file of that name), then appends the given records of
// the source in the order given. The open collection itself is refused as a target: creating it
// empty would destroy the puzzles about to be copied.
enum class PuzzleExportResult { Done, SameAsSource, CannotCreateTarget, CannotOpenSource };
PuzzleExportResult exportPuzzles(const CollectionFile &source, const std::vector<int> &records,
                                 const CollectionFile &target);

} // namespace qx
