#pragma once
// Word list text files: one entry a line, each a word, a clue, or a word and its clue joined by a
// separator character. Files are read whatever wrote them: UTF-8 with or without a byte-order
// mark, or Windows-1252, told apart per file, with LF, CR LF or CR line ends; a tab is a space. They are written the
// way the program always wrote them: Windows-1252, every line ended by CR LF.
//
// Also the two lists the word list editor's import and export windows work on, built from the
// editor's grid rows, so that the windows and the command line make the same files.

#include "common/file_outcome.h"
#include "common/file_writing.h"

#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace qx {

struct PuzzleRecord;

// A word list is a few kilobytes; this only stops a runaway file from filling the memory.
inline constexpr qint64 MaxWordListBytes = 16 * 1024 * 1024;
// On export the word of a pair is padded with spaces to this width before its separator.
inline constexpr int PairWordWidth = 31;

// What the entries of a file are; the numbers are those the settings keep.
enum class WordListMode { Words = 1, Clues = 2, WordsAndClues = 3 };
// A settings number as a mode; anything unknown is words.
WordListMode wordListMode(int setting);

struct WordListLine {
    int number = 0; // counted from 1, empty lines included
    // Trimmed and whole: a line too long for a word or a clue is refused by the checks that know the
    // limits, which then name its real length, rather than cut here without a word.
    QString text;
};

// The text of a file: UTF-8 when it starts with a byte-order mark (which is dropped) or is valid
// UTF-8 throughout, Windows-1252 otherwise.
QString decodeWordListText(QByteArrayView bytes);

// The non-empty lines of a file.
std::vector<WordListLine> wordListLines(QByteArrayView bytes);

// A line holding a character no puzzle text can store.
struct RefusedLine {
    int number = 0;
    char32_t character = 0; // the first such character of the line

    friend bool operator==(const RefusedLine &, const RefusedLine &) = default;
};

// The entries a file offers for import: its non-empty lines that a puzzle can store, in file
// order, and the lines it cannot, each with its first character that cannot be stored.
struct WordListEntries {
    QStringList entries;
    std::vector<RefusedLine> refused;
};
WordListEntries wordListEntries(QByteArrayView bytes);
// A regular file of at most MaxWordListBytes, read as above.
FileOutcome<WordListEntries> readWordListFile(const QString &path);
// The refused lines, each with its number and its character named ("Line 3: U+1F600 GRINNING
// FACE"), the first twenty of them; with othersRemain, followed by the question whether to import
// the other lines.
QString refusedLinesText(const std::vector<RefusedLine> &lines, bool othersRemain);

// The word and the clue of a pair: the entry split at the first separator, both parts trimmed.
// Without a separator the whole entry is the word.
std::pair<QString, QString> splitPair(const QString &entry, QChar separator);

// The separator as typed: its first character after trimming, ":" when nothing is left.
QChar pairSeparator(const QString &typed);

// A file's bytes: each line in Windows-1252 followed by CR LF. A character the code page cannot
// hold (the lines come from storable texts, so none should) is left out.
QByteArray wordListFileBytes(const QStringList &lines);
// Replaces the file with the lines at once: written beside it and renamed over it, so a failure
// leaves any old file as it was.
FileStatus writeWordListFile(const QString &path, const QStringList &lines, const WriteRules &rules = {});

// One row of the editor's grid as the two windows see it.
struct WordListRow {
    QString word;
    QString clue;
    bool used = false; // the word is placed in the built grid
};
// The 200 rows of a record: word k, clue k and placed flag k in row k.
std::vector<WordListRow> recordRows(const PuzzleRecord &record);

// The entries an export offers, sorted as its list shows them (alphabetically, letter case aside):
// the trimmed words, the trimmed clues, or for each row with a word or a clue the word padded to
// 31 characters, the separator, a space and the clue.
struct ExportEntry {
    QString text;
    bool used = false; // its row's word is placed, for "Select &Used"
};
std::vector<ExportEntry> exportEntries(const std::vector<WordListRow> &rows, WordListMode mode, QChar separator);

// Sorts entries as the import and export lists show them.
void sortEntries(QStringList &entries);

// How many of `selected` more entries would not fit beside the rows that hold a word (0 when all
// fit), and the question an import asks then.
int entriesOverLimit(const std::vector<WordListRow> &rows, int selected);
QString tooManyEntriesQuestion(int over);

// Puts the entries, in order, into the first rows that suit the mode, as long as fewer than 200 rows
// hold a word: words into empty word cells, clues and pairs into rows with neither word nor clue.
// An entry that finds no row is skipped. Returns how many entries went in.
int importEntries(std::vector<WordListRow> &rows, const QStringList &entries, WordListMode mode, QChar separator);

} // namespace qx
