#pragma once
// "Spelling Suggestions": a word the dictionary refused, the dictionary's suggestions with the
// first selected, and what to do: replace it with the selected suggestion, ignore it, add it to
// the user's list of right words, or abort the whole check. Closing the window ignores the word.

#include "common/ui/dialog_conventions.h"
#include "lexicon/spell_check.h"

class QLabel;
class QListWidget;

namespace qx {

class UiHost;

class SpellingSuggestionsDialog : public ConventionalDialog {
    Q_OBJECT

public:
    SpellingSuggestionsDialog(const DialogLook &look, UiHost &host, const QString &languageName, const QString &word,
                              const QStringList &suggestions, QWidget *parent = nullptr);

    SpellAnswer answer() const { return m_answer; }
    QListWidget *suggestionList() const { return m_list; }
    QLabel *notice() const { return m_notice; }

    void replaceWord();
    void reject() override;

private:
    void finish(SpellChoice choice);

    UiHost &m_host;
    QLabel *m_notice = nullptr;
    QListWidget *m_list = nullptr;
    SpellAnswer m_answer;
};

} // namespace qx
