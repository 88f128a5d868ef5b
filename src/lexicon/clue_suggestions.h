#pragma once
// Suggested clues for a word list: English glosses from WordNet, turned into clues by a few rules,
// and synonym clues from the thesaurus of the puzzle's language ("Synonym: glad", "Sinónimo:
// feliz"). A clue never gives its answer away: a gloss naming the answer, its base form or a word
// sharing a stem of five or more letters with it is left out.

#include "common/file_outcome.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace qx {

class ThesaurusEngine;
class WordNet;

// The forms of an answer a clue may not hold: each word of the answer (of a phrase, its words of
// three letters or more), their base forms, and any word sharing a stem of five letters or more
// with one of them. A word of the clue is compared by itself and by its own base forms. Two more
// forms catch what the rule of five letters misses: the halves of a compound answer when both
// are words ("sun" and "shine" for SUNSHINE), and a word of four letters or more that the answer
// starts with ("rules" for RULER, "notes" for NOTEBOOK).
class AnswerForms {
public:
    using BaseForms = std::function<QStringList(const QString &)>;
    static constexpr int SharedStem = 5;
    static constexpr int CompoundPart = 3;
    static constexpr int MadeFrom = 4;

    AnswerForms(const QString &answer, BaseForms baseForms);
    bool matches(const QString &word) const;

private:
    QStringList m_forms;   // lower case
    QStringList m_answers; // the answer's words as they are, lower case
    BaseForms m_baseForms;
};

// What a clue cell holds.
inline constexpr int MaxSuggestedClueLength = 150;

enum class AnswerInClue {
    LeaveOut, // a gloss naming the answer gives no clue
    Replace,  // ... or gives one with each such word replaced by "~"
};

// A gloss made a clue: quoted examples dropped, the part before the first ";", blanks folded, the
// first letter a capital, at most 150 characters cut at a word boundary. Nothing when nothing is
// left, when the answer shows and the rule is to leave it out, or when Windows-1252 cannot hold it.
std::optional<QString> glossClue(const QString &gloss, const AnswerForms &answer, AnswerInClue rule);

// A thesaurus term made a synonym clue with the language's label: its notes in brackets dropped
// ("(ugs.)"); nothing for a term that is a fragment ("im Jahre (...)"), holds the answer, is too
// long or cannot be stored.
std::optional<QString> synonymClue(const QString &label, const QString &term, const AnswerForms &answer);

// The sources of suggestions for one language: WordNet (English only) and the language's
// thesaurus; either may be missing.
class ClueSuggester {
public:
    static constexpr int MaxSynonymClues = 8;

    // thesaurusCode: a "Thesaurus" setting value of a thesaurus (1, 2, 4..8). WordNet is opened for
    // the English ones. Fails only when neither source can be opened: the error of the thesaurus
    // (or of WordNet when the thesaurus is missing too).
    static FileOutcome<std::shared_ptr<ClueSuggester>> open(const QString &programDir, int thesaurusCode);
    ClueSuggester(std::shared_ptr<const WordNet> wordNet, std::shared_ptr<const ThesaurusEngine> thesaurus,
                  QString synonymLabel);

    // Every suggestion for the word, best first: its glosses in WordNet's order with the answer left
    // out (or, when that leaves nothing, replaced by "~"); synonym clues when there is no gloss.
    QStringList suggest(const QString &word) const;

private:
    std::shared_ptr<const WordNet> m_wordNet;
    std::shared_ptr<const ThesaurusEngine> m_thesaurus;
    QString m_synonymLabel;
};

} // namespace qx
