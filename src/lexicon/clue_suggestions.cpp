#include "lexicon/clue_suggestions.h"

#include "common/storable_text.h"
#include "lexicon/languages.h"
#include "lexicon/thesaurus_engine.h"
#include "lexicon/wordnet.h"

#include <QRegularExpression>

#include <algorithm>

namespace qx {

namespace {

// The words of a text: runs of letters and digits, in order.
QStringList wordsOf(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("[\\p{L}\\p{N}]+"));
    QStringList out;
    for (auto it = word.globalMatch(text); it.hasNext();)
        out << it.next().captured();
    return out;
}

qsizetype sharedPrefix(const QString &a, const QString &b)
{
    qsizetype n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n])
        ++n;
    return n;
}

// Each word of the text that matches the answer replaced by "~"; nothing when the rule is to
// leave such a text out and one does.
std::optional<QString> withoutAnswer(const QString &text, const AnswerForms &answer, AnswerInClue rule)
{
    static const QRegularExpression word(QStringLiteral("[\\p{L}\\p{N}]+"));
    QString out;
    qsizetype from = 0;
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        if (!answer.matches(match.captured()))
            continue;
        if (rule == AnswerInClue::LeaveOut)
            return std::nullopt;
        out += text.mid(from, match.capturedStart() - from) + QLatin1Char('~');
        from = match.capturedEnd();
    }
    return out + text.mid(from);
}

bool storable(const QString &text)
{
    return !firstUnstorable(text).has_value();
}

} // namespace

AnswerForms::AnswerForms(const QString &answer, BaseForms baseForms) : m_baseForms(std::move(baseForms))
{
    const QStringList words = wordsOf(answer.toLower());
    for (const QString &word : words) {
        // "OF" in "MAN OF WAR" would keep almost every gloss out.
        if (words.size() > 1 && word.size() < 3)
            continue;
        m_forms << word;
        if (m_baseForms)
            for (const QString &base : m_baseForms(word))
                if (!m_forms.contains(base))
                    m_forms << base;
        m_answers << word;
        // The halves of a compound answer give it away too: "rain" and "bow" for RAINBOW.
        if (m_baseForms) {
            for (qsizetype cut = CompoundPart; cut + CompoundPart <= word.size(); ++cut) {
                const QString left = word.left(cut);
                const QString right = word.mid(cut);
                if (m_baseForms(left).contains(left) && m_baseForms(right).contains(right)) {
                    for (const QString &part : {left, right})
                        if (!m_forms.contains(part))
                            m_forms << part;
                }
            }
        }
    }
}

bool AnswerForms::matches(const QString &word) const
{
    const QString lower = word.toLower();
    for (const QString &form : m_forms)
        if (lower == form || sharedPrefix(lower, form) >= SharedStem)
            return true;
    // Base forms are looked up only for words that start as a form does: inflections keep the
    // first letter ("geese", "goose"; "ran", "run"), and most words of a gloss are then skipped.
    const bool mayInflect = !lower.isEmpty() && std::any_of(m_forms.begin(), m_forms.end(), [&lower](const QString &f) {
        return f.startsWith(lower[0]);
    });
    if (m_baseForms && mayInflect) {
        for (const QString &base : m_baseForms(lower)) {
            if (m_forms.contains(base))
                return true;
            // A word the answer is made from: "rules" for RULER, "notes" for NOTEBOOK.
            for (const QString &answer : m_answers)
                if (base.size() >= MadeFrom && answer.startsWith(base))
                    return true;
        }
    }
    return false;
}

std::optional<QString> glossClue(const QString &gloss, const AnswerForms &answer, AnswerInClue rule)
{
    // Examples are quoted; an unclosed quote drops the rest.
    QString text;
    bool quoted = false;
    for (const QChar c : gloss) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted)
            text += c;
    }
    text = text.section(QLatin1Char(';'), 0, 0).simplified();
    static const QRegularExpression looseEnds(QStringLiteral("^[\\s,:;-]+|[\\s,:;(-]+$"));
    text.remove(looseEnds);
    if (text.isEmpty())
        return std::nullopt;
    auto clue = withoutAnswer(text, answer, rule);
    if (!clue)
        return std::nullopt;
    text = *clue;
    if (wordsOf(text).isEmpty())
        return std::nullopt;
    // "(botany) a plant" becomes "(botany) A plant": the first letter, wherever it is.
    for (QChar &c : text) {
        if (c.isLetter()) {
            c = c.toUpper();
            break;
        }
    }
    if (text.size() > MaxSuggestedClueLength) {
        const qsizetype blank = text.left(MaxSuggestedClueLength + 1).lastIndexOf(QLatin1Char(' '));
        text = text.left(blank > 0 ? blank : MaxSuggestedClueLength);
        text.remove(looseEnds);
    }
    if (!storable(text))
        return std::nullopt;
    return text;
}

std::optional<QString> synonymClue(const QString &label, const QString &term, const AnswerForms &answer)
{
    static const QRegularExpression notes(QStringLiteral("\\([^()]*\\)"));
    // A fragment to be completed ("im Jahre (...)") is no synonym.
    if (term.contains(QLatin1String("...")) || term.contains(QChar(0x2026)))
        return std::nullopt;
    QString text = term;
    text.remove(notes);
    text = text.simplified();
    if (text.isEmpty() || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('(')) ||
        text.contains(QLatin1Char(')')))
        return std::nullopt;
    if (!withoutAnswer(text, answer, AnswerInClue::LeaveOut))
        return std::nullopt;
    const QString clue = label + text;
    if (clue.size() > MaxSuggestedClueLength || !storable(clue))
        return std::nullopt;
    return clue;
}

ClueSuggester::ClueSuggester(std::shared_ptr<const WordNet> wordNet, std::shared_ptr<const ThesaurusEngine> thesaurus,
                             QString synonymLabel)
    : m_wordNet(std::move(wordNet)), m_thesaurus(std::move(thesaurus)), m_synonymLabel(std::move(synonymLabel))
{
}

FileOutcome<std::shared_ptr<ClueSuggester>> ClueSuggester::open(const QString &programDir, int thesaurusCode)
{
    const ThesaurusFiles &files = thesaurusFiles(thesaurusCode);
    std::shared_ptr<WordNet> wordNet;
    if (files.code == 1 || files.code == 2) {
        if (auto opened = WordNet::open(programDir))
            wordNet = *opened;
    }
    auto thesaurus = ThesaurusEngine::open(programDir + QLatin1Char('/') + QLatin1String(files.dataFile),
                                           programDir + QLatin1Char('/') + QLatin1String(files.indexFile));
    if (!thesaurus && !wordNet)
        return thesaurus.error();
    return std::make_shared<ClueSuggester>(wordNet, thesaurus ? *thesaurus : nullptr,
                                           QString::fromUtf8(files.synonymLabel));
}

QStringList ClueSuggester::suggest(const QString &word) const
{
    QStringList out;
    const auto add = [&out](const std::optional<QString> &clue) {
        if (clue && !out.contains(*clue))
            out << *clue;
    };
    AnswerForms::BaseForms baseForms;
    if (m_wordNet)
        baseForms = [wordNet = m_wordNet](const QString &w) { return wordNet->baseForms(w); };
    const AnswerForms answer(word, baseForms);
    if (m_wordNet) {
        const auto senses = m_wordNet->senses(word);
        for (const WordNet::Sense &sense : senses)
            add(glossClue(sense.gloss, answer, AnswerInClue::LeaveOut));
        if (out.isEmpty())
            for (const WordNet::Sense &sense : senses)
                add(glossClue(sense.gloss, answer, AnswerInClue::Replace));
    }
    if (!out.isEmpty() || !m_thesaurus)
        return out;
    for (const ThesaurusMeaning &meaning : m_thesaurus->meanings(word.trimmed())) {
        for (const QString &synonym : meaning.synonyms) {
            add(synonymClue(m_synonymLabel, synonym, answer));
            if (out.size() >= MaxSynonymClues)
                return out;
        }
    }
    return out;
}

} // namespace qx
