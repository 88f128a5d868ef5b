#pragma once
// "Word Suggestions": the thesaurus's words nearest to one it does not know; OK takes the
// selected one.

#include "common/ui/dialog_conventions.h"

class QListWidget;

namespace qx {

class WordSuggestionsDialog : public ConventionalDialog {
    Q_OBJECT

public:
    WordSuggestionsDialog(const DialogLook &look, const QString &word, const QStringList &suggestions,
                          QWidget *parent = nullptr);

    QListWidget *suggestionList() const { return m_list; }
    // The selected word; empty when none is.
    QString chosen() const;

private:
    QListWidget *m_list = nullptr;
};

} // namespace qx
