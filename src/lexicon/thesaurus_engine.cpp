#include "lexicon/thesaurus_engine.h"

#include "common/native_file.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

#include <mythes.hxx>

#include <algorithm>

namespace qx {

namespace {

struct PartOfSpeech {
    QStringView mark;  // in the data: "(noun)"
    QStringView code;  // "n"
    QStringView entry; // " (noun)"
    QStringView key;   // ".n"
};

constexpr std::array<PartOfSpeech, 4> PartsOfSpeech = {{
    {u"(noun)", u"n", u" (noun)", u".n"},
    {u"(verb)", u"v", u" (verb)", u".v"},
    {u"(adj)", u"adj", u" (adjective)", u".adj"},
    {u"(adv)", u"adv", u" (adverb)", u".adv"},
}};

// The largest index or data file taken as a thesaurus.
constexpr qint64 MaxIndexBytes = 64 * 1024 * 1024;

const QString AntonymNote = QStringLiteral(" (antonym)");

QString codeOfMark(QStringView mark)
{
    for (const PartOfSpeech &p : PartsOfSpeech)
        if (p.mark == mark)
            return p.code.toString();
    return {};
}

// Edit distance, or limit + 1 once it is certainly above limit.
int editDistance(QStringView a, QStringView b, int limit)
{
    if (std::abs(a.size() - b.size()) > limit)
        return limit + 1;
    std::vector<int> row(size_t(b.size()) + 1);
    for (size_t j = 0; j < row.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        int best = row[0];
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[size_t(j)];
            row[size_t(j)] = std::min({above + 1, row[size_t(j - 1)] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
            best = std::min(best, row[size_t(j)]);
        }
        if (best > limit)
            return limit + 1;
    }
    return row.back();
}

} // namespace

QString withoutNote(const QString &term)
{
    static const QRegularExpression note(QStringLiteral(" \\((?:[a-z]+ term|antonym)\\)$"));
    QString out = term;
    out.remove(note);
    return out.trimmed();
}

QString categoryEntry(const QString &name, const QString &partOfSpeech)
{
    for (const PartOfSpeech &p : PartsOfSpeech)
        if (p.code == partOfSpeech)
            return name + p.entry.toString();
    return name;
}

QString categoryKey(const QString &entry)
{
    for (const PartOfSpeech &p : PartsOfSpeech) {
        const qsizetype at = entry.indexOf(p.entry);
        if (at >= 0)
            return entry.left(at) + p.key.toString() + entry.mid(at + p.entry.size());
    }
    return entry;
}

FileOutcome<std::shared_ptr<ThesaurusEngine>> ThesaurusEngine::open(const QString &dataPath, const QString &indexPath)
{
    for (const QString &path : {dataPath, indexPath}) {
        if (const auto there = checkRegularFile(path); !there)
            return there.error();
    }
    std::shared_ptr<ThesaurusEngine> engine(new ThesaurusEngine);
    engine->m_indexPath = indexPath;
    engine->m_thesaurus = std::make_unique<MyThes>(nativePath(indexPath).constData(), nativePath(dataPath).constData());
    const char *encoding = engine->m_thesaurus->get_th_encoding();
    if (!encoding)
        return FileError{FileError::Kind::CannotOpen, dataPath, QCoreApplication::translate("qx", "not a thesaurus")};
    engine->m_utf8 = QByteArray(encoding).trimmed().toUpper() == "UTF-8";
    return engine;
}

ThesaurusEngine::~ThesaurusEngine() = default;

std::vector<ThesaurusMeaning> ThesaurusEngine::meanings(const QString &word) const
{
    const QString lower = word.toLower();
    const QString capital = lower.left(1).toUpper() + lower.mid(1);
    for (const QString &form : {word, lower, capital}) {
        auto found = meaningsAsGiven(form);
        if (!found.empty())
            return found;
    }
    return {};
}

std::vector<ThesaurusMeaning> ThesaurusEngine::meaningsAsGiven(const QString &word) const
{
    QByteArray bytes;
    if (m_utf8) {
        bytes = word.toUtf8();
    } else {
        QStringEncoder encode(QStringConverter::Latin1);
        bytes = encode(word);
        if (encode.hasError())
            return {};
    }
    std::vector<ThesaurusMeaning> out;
    if (bytes.isEmpty())
        return out;
    mentry *entries = nullptr;
    const int count = m_thesaurus->Lookup(bytes.constData(), int(bytes.size()), &entries);
    const auto text = [this](const char *raw) { return m_utf8 ? QString::fromUtf8(raw) : QString::fromLatin1(raw); };
    for (int i = 0; i < count; ++i) {
        const mentry &e = entries[i];
        ThesaurusMeaning meaning;
        const QString definition = e.defn ? text(e.defn) : QString();
        if (definition.startsWith(QLatin1Char('(')))
            meaning.partOfSpeech = codeOfMark(QStringView(definition).left(definition.indexOf(QLatin1Char(')')) + 1));
        for (int k = 0; k < e.count; ++k) {
            const QString term = text(e.psyns[k]);
            if (term.endsWith(AntonymNote))
                meaning.antonyms << withoutNote(term);
            else if (const QString plain = withoutNote(term); !plain.isEmpty())
                meaning.synonyms << plain;
        }
        // A meaning that holds nothing but antonyms is named after the word itself.
        meaning.name = meaning.synonyms.isEmpty() ? word : meaning.synonyms.first();
        out.push_back(std::move(meaning));
    }
    if (count > 0)
        m_thesaurus->CleanUpAfterLookup(&entries, count);
    return out;
}

const QStringList &ThesaurusEngine::indexWords() const
{
    if (m_indexRead)
        return m_indexWords;
    m_indexRead = true;
    const auto bytes = readRegularFile(m_indexPath, MaxIndexBytes);
    if (!bytes)
        return m_indexWords;
    // The encoding's line, the count's line, then "word|offset" lines.
    const QList<QByteArray> lines = bytes->split('\n');
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        const qsizetype bar = line.lastIndexOf('|');
        if (bar <= 0)
            continue;
        const QByteArray word = line.left(bar);
        m_indexWords << (m_utf8 ? QString::fromUtf8(word) : QString::fromLatin1(word));
    }
    return m_indexWords;
}

QStringList ThesaurusEngine::suggestions(const QString &word) const
{
    const QString wanted = word.trimmed().toLower();
    if (wanted.isEmpty())
        return {};
    std::array<QStringList, MaxSuggestionDistance + 1> byDistance;
    for (const QString &entry : indexWords()) {
        const int d = editDistance(wanted, entry.toLower(), MaxSuggestionDistance);
        if (d <= MaxSuggestionDistance)
            byDistance[size_t(d)] << entry;
    }
    QStringList out;
    for (const QStringList &words : byDistance)
        out << words;
    return out.mid(0, MaxSuggestions);
}

QStringList ThesaurusLookup::synonyms(const QString &entry) const
{
    const QString key = categoryKey(entry);
    for (const auto &[k, words] : synonymsByKey)
        if (k == key)
            return words;
    return {};
}

ThesaurusLookup lookUpWord(const ThesaurusEngine &engine, const QString &word)
{
    ThesaurusLookup lookup;
    const auto addKey = [&lookup](const QString &entry, const QStringList &words) {
        const QString key = categoryKey(entry);
        for (const auto &known : lookup.synonymsByKey)
            if (known.first == key)
                return;
        lookup.synonymsByKey.emplace_back(key, words);
    };
    struct Antonym {
        QString term;
        QString partOfSpeech;
    };
    std::vector<Antonym> antonyms;
    for (const ThesaurusMeaning &meaning : engine.meanings(word)) {
        for (const QString &antonym : meaning.antonyms) {
            const QString entry = categoryEntry(antonym, meaning.partOfSpeech).left(ThesaurusLookup::MaxAntonymLength);
            if (lookup.antonyms.contains(entry) || lookup.antonyms.size() >= ThesaurusLookup::MaxAntonyms)
                continue;
            lookup.antonyms << entry;
            antonyms.push_back({antonym, meaning.partOfSpeech});
        }
        // Meanings that share a name and part of speech ("big": three "large (adjective)") are
        // numbered from the second on, so that each keeps its own synonyms.
        const QString plain = categoryEntry(meaning.name, meaning.partOfSpeech);
        QString entry = plain;
        for (int n = 2; lookup.categories.contains(entry); ++n)
            entry = plain + QLatin1Char(' ') + QString::number(n);
        lookup.categories << entry;
        addKey(entry, meaning.synonyms);
    }
    // A category of the word itself keeps its own synonyms when an antonym has the same key.
    for (size_t i = 0; i < antonyms.size(); ++i) {
        QStringList words{antonyms[i].term};
        for (const ThesaurusMeaning &other : engine.meanings(antonyms[i].term)) {
            if (other.partOfSpeech == antonyms[i].partOfSpeech) {
                words = other.synonyms;
                break;
            }
        }
        addKey(lookup.antonyms[qsizetype(i)], words);
    }
    return lookup;
}

} // namespace qx
