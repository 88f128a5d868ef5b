#include "lexicon/wordnet.h"

#include "common/native_file.h"

#include <QFile>

#include <algorithm>
#include <charconv>
#include <span>

namespace qx {

namespace {

constexpr std::array<const char *, WordNet::PartCount> PartNames = {"noun", "verb", "adj", "adv"};

// The detachment rules: an ending and what replaces it to give a base form.
struct Detachment {
    std::string_view ending;
    std::string_view base;
};
constexpr Detachment NounRules[] = {{"s", ""},      {"ses", "s"},   {"xes", "x"},   {"zes", "z"},
                                    {"ches", "ch"}, {"shes", "sh"}, {"men", "man"}, {"ies", "y"}};
constexpr Detachment VerbRules[] = {{"s", ""},   {"ies", "y"}, {"es", "e"},  {"es", ""},
                                    {"ed", "e"}, {"ed", ""},   {"ing", "e"}, {"ing", ""}};
constexpr Detachment AdjectiveRules[] = {{"er", ""}, {"est", ""}, {"er", "e"}, {"est", "e"}};

std::span<const Detachment> rulesOf(WordNet::Part part)
{
    switch (part) {
    case WordNet::Noun:
        return NounRules;
    case WordNet::Verb:
        return VerbRules;
    case WordNet::Adjective:
        return AdjectiveRules;
    case WordNet::Adverb:
        break;
    }
    return {};
}

std::string_view view(const QByteArray &bytes)
{
    return {bytes.constData(), size_t(bytes.size())};
}

std::string_view firstField(std::string_view line)
{
    return line.substr(0, std::min(line.find(' '), line.size()));
}

// The whole line around position at, up to position end of the search range.
std::string_view lineAround(std::string_view file, size_t from, size_t at, size_t &start, size_t &end)
{
    start = at;
    while (start > from && file[start - 1] != '\n')
        --start;
    end = std::min(file.find('\n', at), file.size());
    return file.substr(start, end - start);
}

std::vector<std::string_view> fields(std::string_view line)
{
    std::vector<std::string_view> out;
    size_t at = 0;
    while (at < line.size()) {
        const size_t blank = std::min(line.find(' ', at), line.size());
        if (blank > at)
            out.push_back(line.substr(at, blank - at));
        at = blank + 1;
    }
    return out;
}

template <typename Number>
bool number(std::string_view text, Number &out, int base = 10)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out, base);
    return error == std::errc() && end == text.data() + text.size();
}

struct IndexEntry {
    int tagged = 0; // senses counted in the tagged texts: how common the word is in this part
    std::vector<size_t> offsets;
};

// "lemma pos synset_cnt p_cnt [ptr_symbol...] sense_cnt tagsense_cnt synset_offset..."
IndexEntry parseIndexLine(std::string_view line)
{
    IndexEntry entry;
    const auto f = fields(line);
    size_t synsets = 0;
    size_t pointers = 0;
    if (f.size() < 4 || !number(f[2], synsets) || !number(f[3], pointers))
        return entry;
    const size_t tagged = 4 + pointers + 1;
    if (tagged >= f.size() || f.size() - tagged - 1 < synsets || !number(f[tagged], entry.tagged))
        return {};
    for (size_t k = tagged + 1; k < tagged + 1 + synsets; ++k) {
        size_t offset = 0;
        if (number(f[k], offset))
            entry.offsets.push_back(offset);
    }
    return entry;
}

// The gloss of the synset whose line starts at offset: what follows " | ", or nothing when the
// line there is not that synset's.
std::string_view glossAt(std::string_view data, size_t offset)
{
    if (offset >= data.size() || (offset > 0 && data[offset - 1] != '\n'))
        return {};
    const std::string_view line = data.substr(offset, std::min(data.find('\n', offset), data.size()) - offset);
    size_t stated = 0;
    if (!number(firstField(line), stated) || stated != offset)
        return {};
    const size_t bar = line.find(" | ");
    return bar == std::string_view::npos ? std::string_view() : line.substr(bar + 3);
}

std::string lemmaOf(const QString &word)
{
    QString lemma = word.trimmed().toLower();
    lemma.replace(QLatin1Char(' '), QLatin1Char('_'));
    return lemma.toStdString();
}

} // namespace

QString WordNet::fileName(const char *kind, Part part)
{
    const QString name = QLatin1String(PartNames[size_t(part)]);
    // Exception lists are "noun.exc"; the others "index.noun", "data.noun".
    if (qstrcmp(kind, "exc") == 0)
        return QStringLiteral("wn-") + name + QStringLiteral(".exc");
    return QStringLiteral("wn-") + QLatin1String(kind) + QLatin1Char('.') + name;
}

bool WordNet::presentIn(const QString &dir)
{
    for (int p = 0; p < PartCount; ++p)
        for (const char *kind : {"index", "data"})
            if (!checkRegularFile(dir + QLatin1Char('/') + fileName(kind, Part(p))))
                return false;
    return true;
}

FileOutcome<std::shared_ptr<WordNet>> WordNet::open(const QString &dir)
{
    Files files;
    std::vector<std::unique_ptr<QFile>> mapped;
    const auto map = [&](const char *kind, Part part, QByteArray &into) -> FileStatus {
        const QString path = dir + QLatin1Char('/') + fileName(kind, part);
        if (const auto there = checkRegularFile(path); !there)
            return there;
        auto file = std::make_unique<QFile>(path);
        if (!file->open(QIODevice::ReadOnly))
            return FileError{FileError::Kind::CannotOpen, path, file->errorString()};
        if (file->size() > 0) {
            const uchar *bytes = file->map(0, file->size());
            if (!bytes)
                return FileError{FileError::Kind::CannotOpen, path, file->errorString()};
            into = QByteArray::fromRawData(reinterpret_cast<const char *>(bytes), qsizetype(file->size()));
        }
        mapped.push_back(std::move(file));
        return fileDone();
    };
    for (int p = 0; p < PartCount; ++p) {
        for (const auto &[kind, into] : {std::pair{"index", &files.index[size_t(p)]}, {"data", &files.data[size_t(p)]}})
            if (const auto status = map(kind, Part(p), *into); !status)
                return status.error();
        // The exception lists are small; a missing one only loses irregular forms.
        const QString exceptions = dir + QLatin1Char('/') + fileName("exc", Part(p));
        if (const auto bytes = readRegularFile(exceptions, 16 * 1024 * 1024))
            files.exceptions[size_t(p)] = *bytes;
    }
    auto wordNet = fromFiles(std::move(files));
    wordNet->m_mapped = std::move(mapped);
    return wordNet;
}

std::shared_ptr<WordNet> WordNet::fromFiles(Files files)
{
    std::shared_ptr<WordNet> wordNet(new WordNet);
    wordNet->m_files = std::move(files);
    for (size_t p = 0; p < PartCount; ++p) {
        for (const QByteArray &line : wordNet->m_files.exceptions[p].split('\n')) {
            QList<QByteArray> words = line.simplified().split(' ');
            if (words.size() < 2)
                continue;
            const QByteArray form = words.takeFirst();
            wordNet->m_exceptions[p][form] += words;
        }
    }
    return wordNet;
}

WordNet::~WordNet() = default;

// A binary search over the lines of the sorted index. The licence lines at the top start with a
// blank, so their first field is empty and sorts before every lemma. A file out of order only
// makes words be missed.
std::string_view WordNet::indexLine(Part part, std::string_view lemma) const
{
    const std::string_view file = view(m_files.index[size_t(part)]);
    if (lemma.empty())
        return {};
    size_t lo = 0;
    size_t hi = file.size();
    while (lo < hi) {
        size_t start = 0;
        size_t end = 0;
        const std::string_view line = lineAround(file, lo, lo + (hi - lo) / 2, start, end);
        const int order = firstField(line).compare(lemma);
        if (order == 0)
            return line;
        if (order < 0)
            lo = end + 1;
        else
            hi = start;
    }
    return {};
}

std::vector<std::string> WordNet::baseFormsIn(Part part, const std::string &word) const
{
    std::vector<std::string> out;
    const auto add = [&out](std::string form) {
        if (std::find(out.begin(), out.end(), form) == out.end())
            out.push_back(std::move(form));
    };
    if (!indexLine(part, word).empty())
        add(word);
    const auto irregular = m_exceptions[size_t(part)].constFind(QByteArray::fromStdString(word));
    if (irregular != m_exceptions[size_t(part)].cend())
        for (const QByteArray &base : *irregular)
            add(base.toStdString());
    for (const Detachment &rule : rulesOf(part)) {
        if (word.size() <= rule.ending.size() || !std::string_view(word).ends_with(rule.ending))
            continue;
        std::string base = word.substr(0, word.size() - rule.ending.size()) + std::string(rule.base);
        if (!indexLine(part, base).empty())
            add(std::move(base));
    }
    return out;
}

QStringList WordNet::baseForms(const QString &word) const
{
    QStringList out;
    const std::string lemma = lemmaOf(word);
    for (int p = 0; p < PartCount; ++p)
        for (const std::string &form : baseFormsIn(Part(p), lemma))
            if (const QString base = QString::fromStdString(form); !out.contains(base))
                out << base;
    return out;
}

std::vector<WordNet::Sense> WordNet::senses(const QString &word) const
{
    struct PartSenses {
        Part part;
        int tagged = 0;
        std::vector<size_t> offsets;
    };
    std::vector<PartSenses> parts;
    const std::string lemma = lemmaOf(word);
    // A word that is a lemma somewhere is looked up only as itself: "painting" is a noun, not
    // the verb "paint". Other forms are looked up by their base forms ("clouds" -> "cloud").
    bool isLemma = false;
    for (int p = 0; p < PartCount; ++p)
        isLemma = isLemma || !indexLine(Part(p), lemma).empty();
    for (int p = 0; p < PartCount; ++p) {
        PartSenses found{Part(p), 0, {}};
        const std::vector<std::string> forms = isLemma ? std::vector<std::string>{lemma} : baseFormsIn(Part(p), lemma);
        for (const std::string &form : forms) {
            const IndexEntry entry = parseIndexLine(indexLine(Part(p), form));
            found.tagged = std::max(found.tagged, entry.tagged);
            for (size_t offset : entry.offsets)
                if (std::find(found.offsets.begin(), found.offsets.end(), offset) == found.offsets.end())
                    found.offsets.push_back(offset);
        }
        if (!found.offsets.empty())
            parts.push_back(std::move(found));
    }
    // Crossword answers are mostly nouns, and the tagged counts are small: the noun comes first
    // unless another part is tagged more than twice as often (plus one).
    const auto weight = [](const PartSenses &p) { return p.part == Noun ? 2 * p.tagged + 1 : p.tagged; };
    std::stable_sort(parts.begin(), parts.end(),
                     [&weight](const PartSenses &a, const PartSenses &b) { return weight(a) > weight(b); });
    std::vector<Sense> out;
    for (const PartSenses &part : parts) {
        const std::string_view data = view(m_files.data[size_t(part.part)]);
        for (size_t offset : part.offsets) {
            const std::string_view gloss = glossAt(data, offset);
            if (!gloss.empty())
                out.push_back({part.part, QString::fromUtf8(gloss.data(), qsizetype(gloss.size())).trimmed()});
        }
    }
    return out;
}

} // namespace qx
