#include "cli/edit_commands.h"

#include "cli/options.h"
#include "store/collection_file.h"

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

} // namespace

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
