#pragma once
// The English WordNet database, read straight from its files: for each part of speech a sorted
// index ("index.noun": a lemma, its counts, pointer symbols and the offsets of its synsets, most
// frequent sense first), a data file ("data.noun": one synset per line at its byte offset, its words,
// pointers and gloss after " | ") and an exception list ("noun.exc": an irregular form and its base
// forms). Nothing is loaded but the exception lists: the index and data files are mapped and
// searched in place (binary search in the index, a seek into the data), so opening is instant and a
// look-up costs a few page reads.
//
// The files are linked into the program directory under the prefix "wn-" ("wn-index.noun").

#include "common/file_outcome.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <string_view>
#include <vector>

class QFile;

namespace qx {

class WordNet {
public:
    enum Part { Noun, Verb, Adjective, Adverb };
    static constexpr int PartCount = 4;

    // The twelve files' contents, by part of speech.
    struct Files {
        std::array<QByteArray, PartCount> index;
        std::array<QByteArray, PartCount> data;
        std::array<QByteArray, PartCount> exceptions;
    };

    struct Sense {
        Part part;
        QString gloss; // the whole gloss, examples and all
    };

    // The file name in the program directory of one of the twelve files ("wn-index.noun").
    static QString fileName(const char *kind, Part part);
    // True when every index and data file is in the directory (exception lists are optional).
    static bool presentIn(const QString &dir);
    // Maps the files of the directory; CannotOpen when an index or data file is missing.
    static FileOutcome<std::shared_ptr<WordNet>> open(const QString &dir);
    // A database over bytes already in memory (tests and the fuzz target).
    static std::shared_ptr<WordNet> fromFiles(Files files);
    ~WordNet();

    // The senses of a word or phrase (any case; blanks as underscores), part by part, each part's
    // senses in WordNet's order (most frequent first). Parts are ordered by their tagged sense
    // counts, the noun's counting double plus one. A word that is no lemma ("clouds", "ran") is
    // looked up by its base forms.
    std::vector<Sense> senses(const QString &word) const;
    // The base forms of a word in every part of speech in which WordNet knows one: the word itself
    // when it is a lemma, the exception lists' forms, and the detachment rules' results that are
    // lemmas ("rains" -> "rain", "geese" -> "goose"). Lower case, each once.
    QStringList baseForms(const QString &word) const;

private:
    WordNet() = default;
    std::string_view indexLine(Part part, std::string_view lemma) const;
    std::vector<std::string> baseFormsIn(Part part, const std::string &word) const;

    Files m_files; // owns the bytes, or wraps the mapped files without copying
    std::array<QHash<QByteArray, QList<QByteArray>>, PartCount> m_exceptions;
    std::vector<std::unique_ptr<QFile>> m_mapped;
};

} // namespace qx
