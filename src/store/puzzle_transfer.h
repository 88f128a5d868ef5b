#pragma once
// Moving puzzles between collection files as whole records: import of chosen puzzles from another
// collection, import of a previous-version single-puzzle file (".QXM"), and export of chosen
// puzzles into a new collection file. No record changes on the way, except the conversion of an
// old puzzle.

#include "store/collection_file.h"
#include "store/puzzle_texts.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

namespace qx {

// File dialog filters, shown through QCoreApplication::translate("qx", ...).
inline constexpr auto CollectionFilter = QT_TRANSLATE_NOOP("qx", "QXMOR Files (*.QX3)|*.QX3");
inline constexpr auto ImportFilter =
    QT_TRANSLATE_NOOP("qx", "QXMOR Files (*.QX3)|*.QX3|16 bit QXMOR Files (*.QXM)|*.QXM");

enum class ImportKind { Collection, OldPuzzleFile, NotQuorvex };

// By the last four characters of the path, in any letter case.
ImportKind importKindOf(const QString &path);

// Two paths naming the same collection, compared without regard to letter case as the user
// would type them; the same file reached through another spelling counts too.
bool sameCollection(const QString &a, const QString &b);

// A chosen puzzle whose texts hold a control character: the source record, its name and where.
struct RefusedPuzzle {
    int record = 0;
    std::string name;
    ControlInPuzzle control;
};

struct PuzzleImport {
    int firstRecord = 0;                  // the number of the first record added
    std::optional<RefusedPuzzle> refused; // set when nothing was imported for this reason
};

// Appends the given records of the source, in the order given, unchanged to the target (created
// when missing). All or nothing: on failure, or when a chosen puzzle holds a control character,
// the target is as it was. With `listed` (the source as its list was read), a source changed since
// is refused with Changed: the numbers chosen may name other puzzles now.
FileOutcome<PuzzleImport> importPuzzles(const CollectionFile &source, const std::vector<int> &records,
                                        const CollectionFile &target,
                                        const std::optional<FileStamp> &listed = std::nullopt);

// What an import of an old puzzle file did, once the file was read.
enum class OldFileResult { Imported, Corrupt, HoldsControlCharacter };

struct OldFileImport {
    OldFileResult result = OldFileResult::Corrupt;
    PuzzleRecord record;                    // the converted puzzle, when read
    std::optional<ControlInPuzzle> control; // where, for HoldsControlCharacter
};

// Reads "QXM", a length byte and that many bytes of text, then one old record, and converts it with
// the default layout into a copy of the buffer. The caller appends it where it belongs.
FileOutcome<OldFileImport> readOldPuzzleFile(const QString &path, const PuzzleRecord &buffer,
                                             const PageLayout &defaultLayout);

// Makes the target hold exactly the given records of the source, in the order given (created, or
// replacing the records of an existing collection). The open collection itself is refused as a
// target (SameAsSource): emptying it would destroy the puzzles about to be copied.
// `listed` as for an import.
enum class PuzzleExportResult { Done, SameAsSource };
FileOutcome<PuzzleExportResult> exportPuzzles(const CollectionFile &source, const std::vector<int> &records,
                                              const CollectionFile &target,
                                              const std::optional<FileStamp> &listed = std::nullopt);

} // namespace qx
