#include "cli/edit_commands.h"

#include "cli/options.h"
#include "common/cp1252.h"
#include "common/storable_text.h"
#include "common/text.h"
#include "store/collection_file.h"
#include "words/manual_placement.h"

namespace qx::cli {

namespace {

// Record n of the collection, when the collection can be read and holds it; else the failure.
Result checkRecord(const CollectionFile &file, int n)
{
    const auto count = file.count();
    if (!count)
        return fail(count.error().errorText());
    if (n >= *count)
        return fail(
            QStringLiteral("record %1 is not in %2, which holds %3 puzzles").arg(n).arg(file.path()).arg(*count));
    return Result{};
}

// "ROW,COL", both 1..50.
std::optional<std::pair<int, int>> cellAt(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2)
        return std::nullopt;
    const auto row = recordNumber(parts[0].trimmed());
    const auto col = recordNumber(parts[1].trimmed());
    if (!row || !col || *row < 1 || *row > GridSide || *col < 1 || *col > GridSide)
        return std::nullopt;
    return std::pair{*row, *col};
}

QString cellName(int cell)
{
    return QStringLiteral("row %1, column %2").arg((cell - 1) / GridSide + 1).arg((cell - 1) % GridSide + 1);
}

QString runName(const LetterRun &run)
{
    return QStringLiteral("\"%1\" (%2 from %3)")
        .arg(cp1252::toUnicode(run.letters), run.across ? QStringLiteral("across") : QStringLiteral("down"),
             cellName(run.start));
}

// Why a word cannot be typed where it was asked for, as typing it into the window would refuse it.
QString typingRefusal(const ManualPlacement &placement, const ManualPlacement::Typing &typing)
{
    using Problem = ManualPlacement::Typing::Problem;
    switch (typing.problem) {
    case Problem::None:
        break;
    case Problem::NotALetter:
        return QStringLiteral("\"%1\": Puzzle letter must be between A and Z.").arg(typing.character);
    case Problem::OutsideGrid:
        return QStringLiteral("the word runs out of the %1 x %2 grid").arg(placement.width()).arg(placement.height());
    case Problem::CellNotFree: {
        const uint8_t held = placement.cell(typing.cell);
        QString why;
        if (held == 0)
            why = QStringLiteral("is outside the puzzle's shape");
        else if (placement.isProtected(typing.cell))
            why = QStringLiteral("is kept free: it touches the end of a word");
        else
            why = QStringLiteral("holds the letter %1").arg(cp1252::toUnicode(std::string(1, static_cast<char>(held))));
        return QStringLiteral("%1 %2").arg(cellName(typing.cell), why);
    }
    }
    return {};
}

} // namespace

AcceptedOptions addWordOptions()
{
    return {{QStringLiteral("--at"), QStringLiteral("--clue"), QStringLiteral("--case")},
            {QStringLiteral("--across"), QStringLiteral("--down")}};
}

Result addWordCommand(const Options &o)
{
    const bool across = o.flag(QStringLiteral("--across"));
    if (o.positional.size() != 3 || !o.has(QStringLiteral("--at")) || !o.has(QStringLiteral("--clue")) ||
        across == o.flag(QStringLiteral("--down")))
        return fail(QStringLiteral("add-word needs COLLECTION N --at ROW,COL --across|--down WORD --clue TEXT"));
    const CollectionFile file(o.positional[0]);
    const auto n = recordNumber(o.positional[1]);
    if (!n)
        return fail(QStringLiteral("not a record number: %1").arg(o.positional[1]));
    const auto at = cellAt(o.value(QStringLiteral("--at")));
    if (!at)
        return fail(QStringLiteral("--at needs ROW,COL, each 1..%1: %2").arg(GridSide).arg(o.value("--at")));
    const QString caseName = o.value(QStringLiteral("--case"), QStringLiteral("first"));
    const QStringList caseNames = {QStringLiteral("upper"), QStringLiteral("lower"), QStringLiteral("first")};
    if (!caseNames.contains(caseName))
        return fail(QStringLiteral("--case is upper, lower or first: %1").arg(caseName));
    const QString clueText = o.value(QStringLiteral("--clue"));
    if (const auto bad = firstUnstorable(clueText))
        return fail(refusedCharacterText(*bad));
    const std::string clue = trimSpaces(*cp1252::fromUnicode(clueText));
    if (static_cast<int>(clue.size()) > MaxClueLength)
        return fail(
            QStringLiteral("the clue has %1 characters; a clue holds at most %2").arg(clue.size()).arg(MaxClueLength));
    if (const Result checked = checkRecord(file, *n); checked.status != 0)
        return checked;
    const auto bytes = file.file().read(*n);
    if (!bytes)
        return fail(bytes.error().errorText());
    // Written back only over the record read: another program may change the file meanwhile.
    PuzzlePlace place = PuzzlePlace::read(*n, *bytes);
    const PuzzleRecord read = PuzzleRecord::decode(recordSpan<PuzzleRecord>(*bytes));
    if (const PlacementCheck opens = checkPlacementOpens(read); !opens.ok())
        return fail(placementCheckText(opens));

    // The letters go in as typing them into the window puts them; the runs they make are then found
    // the same way.
    ManualPlacement placement(read);
    const auto typing = placement.typeWord(at->first, at->second, across, o.positional[2]);
    if (typing.problem != ManualPlacement::Typing::Problem::None)
        return fail(typingRefusal(placement, typing));
    const std::vector<LetterRun> runs = newRuns(placement.record());
    if (runs.empty())
        return fail(QStringLiteral("No changes to the puzzle were detected."));
    if (const PlacementCheck check = checkNewRuns(placement.record(), runs); !check.ok())
        return fail(placementCheckText(check));
    // One word typed into free cells may touch other letters and make more words, or a longer one,
    // than was asked for: the window would ask a clue for each, the command adds exactly one.
    const int start = cellIndex(at->first, at->second);
    const LetterRun &made = runs.front();
    if (runs.size() != 1 || made.start != start || made.across != across ||
        static_cast<qsizetype>(made.letters.size()) != o.positional[2].size()) {
        QStringList names;
        for (const LetterRun &run : runs)
            names << runName(run);
        return fail(QStringLiteral("those letters would make the new words %1; add-word adds exactly one word")
                        .arg(names.join(QStringLiteral(", "))));
    }
    PuzzleRecord &record = placement.record();
    const auto wordCase = wordCaseFrom(static_cast<int>(caseNames.indexOf(caseName)) + 1);
    addNewWords(record, {NewWord{made, clue, wordCase}});
    if (const auto saved = file.save(record, place); !saved)
        return fail(saved.error().errorText());
    Result done;
    for (int k = 0; k < record.wordsInUse(); ++k) {
        const auto i = static_cast<size_t>(k);
        if (record.WordPos[i] == start && (record.WordAcross[i] != 0) == across)
            done.lines << QStringLiteral("Added %1 as %2 %3 to record %4 of %5.")
                              .arg(cp1252::toUnicode(record.Words[i].str()))
                              .arg(record.WordNumber[i])
                              .arg(across ? QStringLiteral("across") : QStringLiteral("down"))
                              .arg(*n)
                              .arg(file.path());
    }
    return done;
}

Result deleteCommand(const Options &o)
{
    if (o.positional.size() != 2)
        return fail(QStringLiteral("delete needs a collection file and a record number"));
    const CollectionFile file(o.positional[0]);
    const auto n = recordNumber(o.positional[1]);
    if (!n)
        return fail(QStringLiteral("not a record number: %1").arg(o.positional[1]));
    if (const Result checked = checkRecord(file, *n); checked.status != 0)
        return checked;
    if (const auto removed = file.remove(*n); !removed)
        return fail(removed.error().errorText());
    Result done;
    done.lines << QStringLiteral("Deleted record %1 of %2.").arg(*n).arg(file.path());
    return done;
}

Result replaceCommand(const Options &o)
{
    if (o.positional.size() != 3 || !o.has(QStringLiteral("--from")))
        return fail(QStringLiteral("replace needs COLLECTION N --from OTHER M"));
    const CollectionFile target(o.positional[0]);
    const CollectionFile source(o.value(QStringLiteral("--from")));
    // "replace C N --from O M": the second positional is N, the third M (after --from's value).
    const auto n = recordNumber(o.positional[1]);
    const auto m = recordNumber(o.positional[2]);
    if (!n)
        return fail(QStringLiteral("not a record number: %1").arg(o.positional[1]));
    if (!m)
        return fail(QStringLiteral("not a record number: %1").arg(o.positional[2]));
    if (const Result checked = checkRecord(source, *m); checked.status != 0)
        return checked;
    const auto record = source.file().read(*m);
    if (!record)
        return fail(record.error().errorText());
    if (const Result checked = checkRecord(target, *n); checked.status != 0)
        return checked;
    if (const auto replaced = target.file().replace(*n, *record); !replaced)
        return fail(replaced.error().errorText());
    Result done;
    done.lines << QStringLiteral("Replaced record %1 of %2 with record %3 of %4.")
                      .arg(*n)
                      .arg(target.path())
                      .arg(*m)
                      .arg(source.path());
    return done;
}

} // namespace qx::cli
