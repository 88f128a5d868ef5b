#pragma once
// One language's spelling dictionary with the user's two lists: a word is right when the user
// added it, wrong when the user excluded it, and otherwise as the dictionary says. Texts are
// Unicode here; they cross into the dictionary's own encoding inside. Suggestions leave out
// excluded words and words a puzzle cannot store.

#include "common/file_outcome.h"
#include "lexicon/user_word_list.h"

#include <QString>
#include <QStringList>

#include <memory>

class Hunspell;

namespace qx {

class SpellEngine {
public:
    static constexpr int MaxSuggestions = 30;

    // The dictionary of language 1..8 in the program directory, with the user's lists of that
    // language when their files exist. CannotOpen names the dictionary file that is missing; a
    // list that cannot be read fails with its own error.
    static FileOutcome<std::shared_ptr<SpellEngine>> open(const QString &programDir, int language);
    ~SpellEngine();

    int language() const { return m_language; }
    QString includePath() const { return m_includePath; }
    QString excludePath() const { return m_excludePath; }

    bool accepts(const QString &word) const;
    // The dictionary's suggestions for a word, at most MaxSuggestions.
    QStringList suggest(const QString &word) const;

    // Counts the word as right from now on and adds it to the include list file. The word counts
    // as right for this engine even when the file cannot be written.
    FileStatus addToInclude(const QString &word);

private:
    SpellEngine() = default;
    std::string encoded(const QString &word, bool *ok) const;
    QString decoded(const std::string &bytes) const;

    int m_language = 1;
    QString m_includePath;
    QString m_excludePath;
    WordSet m_include;
    WordSet m_exclude;
    std::unique_ptr<Hunspell> m_hunspell;
    bool m_utf8 = true;
    QByteArray m_encoding;
};

} // namespace qx
