#include "words/word_list_text.h"

#include "common/cp1252.h"
#include "common/native_file.h"
#include "common/storable_text.h"
#include "store/puzzle_record.h"

#include <QObject>
#include <QStringDecoder>

#include <algorithm>

namespace qx {

namespace {

constexpr int MaxRows = MaxWords;

bool hasWord(const WordListRow &row)
{
    return !row.word.trimmed().isEmpty();
}

// The lists' order: alphabetical with letter case aside, then by case so that the order is fixed.
bool entryBefore(const QString &a, const QString &b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

} // namespace

WordListMode wordListMode(int setting)
{
    switch (setting) {
    case 2:
        return WordListMode::Clues;
    case 3:
        return WordListMode::WordsAndClues;
    default:
        return WordListMode::Words;
    }
}

QString decodeWordListText(QByteArrayView bytes)
{
    static constexpr QByteArrayView Bom("\xEF\xBB\xBF");
    if (bytes.startsWith(Bom))
        return QString::fromUtf8(bytes.sliced(Bom.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return cp1252::toUnicode(std::string_view(bytes.data(), static_cast<size_t>(bytes.size())));
}

std::vector<WordListLine> wordListLines(QByteArrayView bytes)
{
    const QString text = decodeWordListText(bytes);
    std::vector<WordListLine> lines;
    int number = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        // A line ends at LF, CR LF or a CR alone (old Macintosh files).
        qsizetype end = start;
        while (end < text.size() && text[end] != QLatin1Char('\n') && text[end] != QLatin1Char('\r'))
            ++end;
        ++number;
        QString line = text.mid(start, end - start);
        // A tab between a word and its clue is spacing, not a character to refuse.
        line.replace(QLatin1Char('\t'), QLatin1Char(' '));
        line = line.trimmed();
        start = end +
                (end + 1 < text.size() && text[end] == QLatin1Char('\r') && text[end + 1] == QLatin1Char('\n') ? 2 : 1);
        if (!line.isEmpty())
            lines.push_back({number, line});
    }
    return lines;
}

WordListEntries wordListEntries(QByteArrayView bytes)
{
    WordListEntries out;
    for (const WordListLine &line : wordListLines(bytes)) {
        if (const auto refused = firstUnstorable(line.text))
            out.refused.push_back(RefusedLine{line.number, *refused});
        else
            out.entries << line.text;
    }
    return out;
}

FileOutcome<WordListEntries> readWordListFile(const QString &path)
{
    const auto bytes = readRegularFile(path, MaxWordListBytes);
    if (!bytes)
        return bytes.error();
    return wordListEntries(*bytes);
}

QString refusedLinesText(const std::vector<RefusedLine> &lines, bool othersRemain)
{
    constexpr size_t MaxListed = 20;
    QStringList listed;
    for (size_t i = 0; i < lines.size() && i < MaxListed; ++i)
        listed << QObject::tr("Line %1: %2").arg(lines[i].number).arg(characterName(lines[i].character));
    if (lines.size() > MaxListed)
        listed << QObject::tr("... and %n more line(s).", nullptr, static_cast<int>(lines.size() - MaxListed));
    const QString lead = QObject::tr("These lines of the file hold a character a puzzle cannot store:");
    const QString text = lead + QLatin1Char('\n') + listed.join(QLatin1Char('\n'));
    return othersRemain ? text + QStringLiteral("\n\n") + QObject::tr("Import the other lines?") : text;
}

std::pair<QString, QString> splitPair(const QString &entry, QChar separator)
{
    const qsizetype at = entry.indexOf(separator);
    if (at < 0)
        return {entry.trimmed(), QString()};
    return {entry.left(at).trimmed(), entry.mid(at + 1).trimmed()};
}

QChar pairSeparator(const QString &typed)
{
    const QString trimmed = typed.trimmed();
    return trimmed.isEmpty() ? QLatin1Char(':') : trimmed[0];
}

QByteArray wordListFileBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        const std::string encoded = storableBytes(line);
        bytes.append(encoded.data(), static_cast<qsizetype>(encoded.size()));
        bytes.append("\r\n");
    }
    return bytes;
}

FileStatus writeWordListFile(const QString &path, const QStringList &lines, const WriteRules &rules)
{
    return replaceFile(path, wordListFileBytes(lines), rules);
}

std::vector<WordListRow> recordRows(const PuzzleRecord &record)
{
    std::vector<WordListRow> rows(MaxRows);
    for (size_t k = 0; k < rows.size(); ++k) {
        rows[k].word = cp1252::toUnicode(record.Words[k].str());
        rows[k].clue = cp1252::toUnicode(record.Clues[k].str());
        rows[k].used = record.WordPlaced[k] != 0;
    }
    return rows;
}

void sortEntries(QStringList &entries)
{
    std::stable_sort(entries.begin(), entries.end(), entryBefore);
}

std::vector<ExportEntry> exportEntries(const std::vector<WordListRow> &rows, WordListMode mode, QChar separator)
{
    std::vector<ExportEntry> entries;
    for (const WordListRow &row : rows) {
        const QString word = row.word.trimmed();
        const QString clue = row.clue.trimmed();
        switch (mode) {
        case WordListMode::Words:
            if (!word.isEmpty())
                entries.push_back({word, row.used});
            break;
        case WordListMode::Clues:
            if (!clue.isEmpty())
                entries.push_back({clue, row.used});
            break;
        case WordListMode::WordsAndClues:
            if (!word.isEmpty() || !clue.isEmpty())
                entries.push_back({word.leftJustified(PairWordWidth) + separator + QLatin1Char(' ') + clue, row.used});
            break;
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const ExportEntry &a, const ExportEntry &b) { return entryBefore(a.text, b.text); });
    return entries;
}

int entriesOverLimit(const std::vector<WordListRow> &rows, int selected)
{
    const auto words = static_cast<int>(std::count_if(rows.begin(), rows.end(), hasWord));
    return std::max(0, words + selected - MaxRows);
}

QString tooManyEntriesQuestion(int over)
{
    const QString last = over == 1 ? QObject::tr("word") : QObject::tr("%1 words").arg(over);
    return QObject::tr("Too many words selected.  Last %1 will not be used.  Continue?").arg(last);
}

int importEntries(std::vector<WordListRow> &rows, const QStringList &entries, WordListMode mode, QChar separator)
{
    auto words = static_cast<int>(std::count_if(rows.begin(), rows.end(), hasWord));
    const auto empty = [](const WordListRow &row) { return !hasWord(row) && row.clue.trimmed().isEmpty(); };
    int imported = 0;
    for (const QString &entry : entries) {
        if (words >= MaxRows)
            break;
        const auto row = mode == WordListMode::Words
                             ? std::find_if(rows.begin(), rows.end(), [](const WordListRow &r) { return !hasWord(r); })
                             : std::find_if(rows.begin(), rows.end(), empty);
        if (row == rows.end())
            continue;
        switch (mode) {
        case WordListMode::Words:
            row->word = entry;
            break;
        case WordListMode::Clues:
            row->clue = entry;
            break;
        case WordListMode::WordsAndClues:
            std::tie(row->word, row->clue) = splitPair(entry, separator);
            break;
        }
        ++words;
        ++imported;
    }
    return imported;
}

} // namespace qx
