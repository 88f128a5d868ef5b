#include "cli/clues_command.h"

#include "cli/build_command.h"
#include "cli/options.h"
#include "common/cp1252.h"
#include "common/native_file.h"
#include "lexicon/clue_suggestions.h"
#include "lexicon/languages.h"
#include "words/word_list_text.h"

namespace qx::cli {

namespace {

QString unicode(const std::string &bytes)
{
    return cp1252::toUnicode(bytes);
}

QString missingLine(const QStringList &words)
{
    return words.isEmpty() ? QString()
                           : QStringLiteral("no clue suggested for %1").arg(words.join(QStringLiteral(", ")));
}

} // namespace

std::optional<int> thesaurusNamed(const QString &name)
{
    if (name.compare(QLatin1String("english"), Qt::CaseInsensitive) == 0)
        return 1;
    for (int code : ThesaurusCodes)
        if (name.compare(QLatin1String(thesaurusFiles(code).name), Qt::CaseInsensitive) == 0 ||
            name == QString::number(code))
            return code;
    return std::nullopt;
}

SuggesterChoice openSuggester(const Options &o)
{
    const QString name = o.value(QStringLiteral("--language"), QStringLiteral("american"));
    if (name.compare(QLatin1String("dutch"), Qt::CaseInsensitive) == 0)
        return {nullptr, fail(QStringLiteral("there is no Dutch thesaurus, so no clues can be suggested in Dutch"))};
    const auto code = thesaurusNamed(name);
    if (!code)
        return {nullptr, fail(QStringLiteral("--language needs one of american (or english), british, spanish, "
                                             "italian, french, german, swedish"))};
    auto suggester = ClueSuggester::open(programDir(o), *code);
    if (!suggester)
        return {nullptr,
                fail(QStringLiteral("no clues can be suggested: %1 (install wordnet-base and the %2 thesaurus)")
                         .arg(suggester.error().errorText(), QLatin1String(thesaurusFiles(*code).name)))};
    return {*suggester, Result{}};
}

QStringList fillMissingClues(const ClueSuggester &suggester, std::vector<WordRow> &rows)
{
    QStringList missing;
    for (WordRow &row : rows) {
        if (row.word.empty() || !row.clue.empty())
            continue;
        const QString word = unicode(row.word);
        const QStringList clues = suggester.suggest(word);
        if (clues.isEmpty())
            missing << word;
        else if (const auto bytes = cp1252::fromUnicode(clues.first()))
            row.clue = *bytes;
    }
    return missing;
}

AcceptedOptions cluesOptions()
{
    return {{QStringLiteral("--language"), QStringLiteral("--out"), QStringLiteral("--sep")},
            {QStringLiteral("--all")}};
}

Result cluesCommand(const Options &o)
{
    if (o.positional.size() != 1)
        return fail(QStringLiteral("clues needs one word list file"));
    const QString sep = o.value(QStringLiteral("--sep"), QStringLiteral(":"));
    if (sep.size() != 1)
        return fail(QStringLiteral("--sep needs one character"));
    const auto text = readRegularFile(o.positional[0], MaxWordListBytes);
    if (!text)
        return fail(QStringLiteral("cannot read word list %1").arg(text.error().errorText()));
    std::vector<WordRow> rows;
    if (const QString error = readWordList(*text, sep[0], o.positional[0], rows); !error.isEmpty())
        return fail(error);
    const auto choice = openSuggester(o);
    if (!choice.suggester)
        return choice.failure;

    Result done;
    if (o.flag(QStringLiteral("--all"))) {
        QStringList missing;
        for (const WordRow &row : rows) {
            const QString word = unicode(row.word);
            const QStringList clues = choice.suggester->suggest(word);
            if (clues.isEmpty())
                missing << word;
            for (const QString &clue : clues)
                done.lines << word + sep + clue;
        }
        done.error = missingLine(missing);
        return done;
    }
    const QStringList missing = fillMissingClues(*choice.suggester, rows);
    QStringList lines;
    for (const WordRow &row : rows)
        lines << (row.clue.empty() ? unicode(row.word) : unicode(row.word) + sep + unicode(row.clue));
    if (o.has(QStringLiteral("--out"))) {
        if (const FileStatus written = writeWordListFile(o.value(QStringLiteral("--out")), lines); !written)
            return fail(QStringLiteral("cannot write %1").arg(written.error().errorText()));
    } else {
        done.lines = lines;
    }
    done.error = missingLine(missing);
    return done;
}

} // namespace qx::cli
