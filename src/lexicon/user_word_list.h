#pragma once
// The user's own word lists beside the dictionaries: the words added as right and the words
// excluded as wrong, one list of each per language. A list file is plain UTF-8 text, one word a
// line; it is replaced whole (written beside and renamed), so a failed write leaves the old list.

#include "common/file_outcome.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

namespace qx {

// The words of a list file's bytes in file order: lines without their line ends (LF or CR LF)
// and without surrounding blanks; empty lines are skipped. Bytes that are not UTF-8 read as U+FFFD.
QStringList parseUserWordList(const QByteArray &bytes);
QByteArray formatUserWordList(const QStringList &words);

// The words of a list file; a missing file is an empty list.
FileOutcome<QStringList> readUserWordList(const QString &path);
// Makes the file hold exactly these words, creating it when missing.
FileStatus writeUserWordList(const QString &path, const QStringList &words);
// Adds a word to the end of a list file unless the list already holds it in any letter case.
FileStatus addToUserWordList(const QString &path, const QString &word);

// A list's words for matching: letter case does not count.
class WordSet {
public:
    WordSet() = default;
    explicit WordSet(const QStringList &words);
    void insert(const QString &word) { m_words.insert(key(word)); }
    bool contains(const QString &word) const { return m_words.contains(key(word)); }
    bool isEmpty() const { return m_words.isEmpty(); }

private:
    static QString key(const QString &word) { return word.toCaseFolded(); }
    QSet<QString> m_words;
};

} // namespace qx
