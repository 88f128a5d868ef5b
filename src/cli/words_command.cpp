#include "cli/words_command.h"

#include "cli/options.h"
#include "common/native_file.h"
#include "common/storable_text.h"
#include "store/collection_file.h"
#include "words/word_list_text.h"

namespace qx::cli {

AcceptedOptions wordsOptions()
{
    return {{QStringLiteral("--out"), QStringLiteral("--mode"), QStringLiteral("--sep")}, {}};
}

Result wordsCommand(const Options &o)
{
    if (o.positional.size() != 2 || !o.has(QStringLiteral("--out")) || !o.has(QStringLiteral("--mode")))
        return fail(QStringLiteral("words needs COLLECTION N --out FILE --mode words|clues|both"));
    const auto n = recordNumber(o.positional[1]);
    if (!n)
        return fail(QStringLiteral("not a record number: %1").arg(o.positional[1]));
    const QString modeName = o.value(QStringLiteral("--mode"));
    const QStringList modes{QStringLiteral("words"), QStringLiteral("clues"), QStringLiteral("both")};
    if (!modes.contains(modeName))
        return fail(QStringLiteral("--mode needs words, clues or both"));
    const WordListMode mode = wordListMode(static_cast<int>(modes.indexOf(modeName)) + 1);
    const QString sep = o.value(QStringLiteral("--sep"), QStringLiteral(":"));
    if (sep.size() != 1 || sep.trimmed().isEmpty())
        return fail(QStringLiteral("--sep needs one character other than a blank"));
    if (firstUnstorable(sep))
        return fail(QStringLiteral("--sep needs a character a puzzle can store (Windows-1252 only)"));

    const auto read = readPuzzle(o.positional[0], *n);
    if (!read.record)
        return read.failure;
    const PuzzleRecord *record = &*read.record;

    QStringList lines;
    for (const ExportEntry &entry : exportEntries(recordRows(*record), mode, sep[0]))
        lines << entry.text;
    const QString out = o.value(QStringLiteral("--out"));
    if (const FileStatus written = writeWordListFile(out, lines); !written)
        return fail(QStringLiteral("Unable to create export file. (%1)").arg(written.error().errorText()));
    Result done;
    done.lines << QStringLiteral("Wrote %1 lines to %2.").arg(lines.size()).arg(out);
    return done;
}

} // namespace qx::cli
