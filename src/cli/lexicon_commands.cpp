#include "cli/lexicon_commands.h"

#include "cli/clues_command.h"
#include "cli/options.h"
#include "common/native_file.h"
#include "lexicon/languages.h"
#include "lexicon/spell_check.h"
#include "lexicon/spell_engine.h"
#include "lexicon/thesaurus_engine.h"
#include "store/collection_file.h"
#include "words/word_list_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace qx::cli {

namespace {

Result json(const QJsonDocument &document)
{
    Result r;
    r.out = QString::fromUtf8(document.toJson(QJsonDocument::Indented));
    r.format = Result::Output::Json;
    return r;
}

// A language by its name in messages ("british", any case) or its code 1..8.
std::optional<int> languageNamed(const QString &name)
{
    for (int code = 1; code <= LanguageCount; ++code) {
        if (name.compare(QLatin1String(spellLanguage(code).name), Qt::CaseInsensitive) == 0 ||
            name == QString::number(code))
            return code;
    }
    return std::nullopt;
}

struct Refusal {
    int row;      // 1..200
    bool inClue;  // a piece of the clue rather than the word
    QString text; // the word or the piece as checked
    QStringList suggestions;
};

} // namespace

AcceptedOptions spellOptions()
{
    return {{QStringLiteral("--language")}, {QStringLiteral("--json")}};
}

Result spellCommand(const Options &o)
{
    if (o.positional.size() != 2)
        return fail(QStringLiteral("spell needs COLLECTION N"));
    const auto n = recordNumber(o.positional[1]);
    if (!n)
        return fail(QStringLiteral("not a record number: %1").arg(o.positional[1]));
    const auto language = languageNamed(o.value(QStringLiteral("--language"), QStringLiteral("american")));
    if (!language)
        return fail(QStringLiteral("--language needs one of american, british, spanish, italian, french, german, "
                                   "dutch, swedish"));
    const auto read = readPuzzle(o.positional[0], *n);
    if (!read.record)
        return read.failure;
    const PuzzleRecord *record = &*read.record;
    auto engine = SpellEngine::open(programDir(o), *language);
    if (!engine)
        return fail(QStringLiteral("cannot open the %1 dictionary: %2")
                        .arg(QLatin1String(spellLanguage(*language).name), engine.error().errorText()));

    std::vector<Refusal> refusals;
    const auto check = [&](int row, bool inClue, const QString &text) {
        if (!text.isEmpty() && !(*engine)->accepts(text))
            refusals.push_back({row, inClue, text, (*engine)->suggest(text)});
    };
    // Every row, as the editor's check goes through them: the words the builder left out beyond
    // the word count are the ones most worth checking.
    const auto rows = recordRows(*record);
    for (size_t k = 0; k < rows.size(); ++k)
        check(int(k) + 1, false, rows[k].word.trimmed());
    for (size_t k = 0; k < rows.size(); ++k)
        for (const QString &piece : cluePieces(rows[k].clue.trimmed()))
            check(int(k) + 1, true, pieceWord(piece));

    if (o.flag(QStringLiteral("--json"))) {
        QJsonArray out;
        for (const Refusal &r : refusals)
            out.append(QJsonObject{{"row", r.row},
                                   {"in", r.inClue ? "clue" : "word"},
                                   {"text", r.text},
                                   {"suggestions", QJsonArray::fromStringList(r.suggestions)}});
        return json(QJsonDocument(out));
    }
    Result done;
    for (const Refusal &r : refusals)
        done.lines << QStringLiteral("row %1 %2 %3: %4")
                          .arg(r.row)
                          .arg(r.inClue ? QStringLiteral("clue") : QStringLiteral("word"), r.text,
                               r.suggestions.isEmpty() ? QStringLiteral("(no suggestions)")
                                                       : r.suggestions.join(QStringLiteral(", ")));
    if (refusals.empty())
        done.lines << QStringLiteral("All words were found in the dictionary.");
    return done;
}

AcceptedOptions thesaurusOptions()
{
    return {{QStringLiteral("--language")}, {QStringLiteral("--british"), QStringLiteral("--json")}};
}

Result thesaurusCommand(const Options &o)
{
    if (o.positional.size() != 1 || o.positional[0].trimmed().isEmpty())
        return fail(QStringLiteral("thesaurus needs WORD"));
    const QString dir = programDir(o);
    const auto code = thesaurusNamed(o.value(QStringLiteral("--language"), o.flag(QStringLiteral("--british"))
                                                                               ? QStringLiteral("british")
                                                                               : QStringLiteral("american")));
    if (!code)
        return fail(QStringLiteral("--language needs one of american, british, spanish, italian, french, german, "
                                   "swedish (there is no Dutch thesaurus)"));
    const ThesaurusFiles &files = thesaurusFiles(*code);
    auto engine = ThesaurusEngine::open(dir + QLatin1Char('/') + QLatin1String(files.dataFile),
                                        dir + QLatin1Char('/') + QLatin1String(files.indexFile));
    if (!engine)
        return fail(QStringLiteral("cannot open the thesaurus %1").arg(engine.error().errorText()));
    const QString word = o.positional[0].trimmed();
    const ThesaurusLookup lookup = lookUpWord(**engine, word);
    const QStringList suggestions = lookup.found() ? QStringList() : (*engine)->suggestions(word);

    if (o.flag(QStringLiteral("--json"))) {
        const auto entries = [&lookup](const QStringList &list) {
            QJsonArray out;
            for (const QString &entry : list)
                out.append(
                    QJsonObject{{"entry", entry}, {"synonyms", QJsonArray::fromStringList(lookup.synonyms(entry))}});
            return out;
        };
        QJsonObject out{
            {"word", word}, {"categories", entries(lookup.categories)}, {"antonyms", entries(lookup.antonyms)}};
        if (!lookup.found())
            out.insert(QStringLiteral("suggestions"), QJsonArray::fromStringList(suggestions));
        return json(QJsonDocument(out));
    }
    Result done;
    if (!lookup.found()) {
        done.lines << QStringLiteral("%1 is not in the thesaurus.").arg(word);
        if (!suggestions.isEmpty())
            done.lines << QStringLiteral("Similar words: %1").arg(suggestions.join(QStringLiteral(", ")));
        return done;
    }
    for (const auto &[heading, list] : {std::pair{QStringLiteral("Category"), lookup.categories},
                                        std::pair{QStringLiteral("Antonym"), lookup.antonyms}}) {
        for (const QString &entry : list)
            done.lines
                << QStringLiteral("%1 %2: %3").arg(heading, entry, lookup.synonyms(entry).join(QStringLiteral(", ")));
    }
    return done;
}

} // namespace qx::cli
