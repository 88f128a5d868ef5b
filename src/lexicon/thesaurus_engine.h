#pragma once
// A thesaurus: the meanings of a word with their part of speech, synonyms and antonyms, and the
// entries of its index nearest to a word it does not know. Backed by a MyThes index and data file;
// texts are Unicode here, in the data's own encoding (UTF-8 or ISO-8859-1) inside.

#include "common/file_outcome.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class MyThes;

namespace qx {

struct ThesaurusMeaning {
    QString name;         // the meaning's first term other than an antonym, without its note
    QString partOfSpeech; // "n", "v", "adj", "adv", or empty for anything else
    QStringList synonyms; // every term without its note, antonyms left out
    QStringList antonyms; // the terms marked as antonyms, without the mark
};

class ThesaurusEngine {
public:
    static constexpr int MaxSuggestions = 30;
    static constexpr int MaxSuggestionDistance = 2;

    // CannotOpen when either file is missing or the data cannot be read.
    static FileOutcome<std::shared_ptr<ThesaurusEngine>> open(const QString &dataPath, const QString &indexPath);
    ~ThesaurusEngine();

    // The meanings of the word as typed, else in lower case, else with a capital first letter.
    std::vector<ThesaurusMeaning> meanings(const QString &word) const;
    // The index's words nearest to the word by edit distance (letter case aside), nearest first
    // and in index order among equals.
    QStringList suggestions(const QString &word) const;

private:
    ThesaurusEngine() = default;
    std::vector<ThesaurusMeaning> meaningsAsGiven(const QString &word) const;
    const QStringList &indexWords() const;

    QString m_indexPath;
    std::unique_ptr<MyThes> m_thesaurus;
    bool m_utf8 = true;
    mutable QStringList m_indexWords;
    mutable bool m_indexRead = false;
};

// A term without MyThes's trailing note such as " (similar term)".
QString withoutNote(const QString &term);
// The suffixes of the part-of-speech codes in category entries (" (noun)") and their keys (".n").
QString categoryEntry(const QString &name, const QString &partOfSpeech);
// The entry's key: its first entry suffix found, in the order noun, verb, adjective, adverb,
// replaced by the key suffix (a meaning's number after it stays: "large.adj 2"); an entry without
// a suffix is its own key.
QString categoryKey(const QString &entry);

// What the lookup window shows for one word.
struct ThesaurusLookup {
    static constexpr int MaxAntonyms = 25;
    static constexpr int MaxAntonymLength = 50;

    QStringList categories; // one entry per meaning, in the thesaurus's order, repeated names numbered
    QStringList antonyms;   // antonym categories, each listed once
    std::vector<std::pair<QString, QStringList>> synonymsByKey;

    bool found() const { return !categories.isEmpty(); }
    // The synonyms of a category or antonym entry.
    QStringList synonyms(const QString &entry) const;
};

// An antonym category is a term marked as antonym, with its meaning's part of speech; its
// synonyms are those of the term's first meaning of that part of speech (the term alone when the
// thesaurus has none).
ThesaurusLookup lookUpWord(const ThesaurusEngine &engine, const QString &word);

} // namespace qx
