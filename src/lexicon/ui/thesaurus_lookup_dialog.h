#pragma once
// "Thesaurus Lookup": the meanings (categories) and antonym categories of a word, and the
// synonyms of the one clicked. "&Accept" takes the selected synonym; a double click on a synonym
// looks that word up; "&Suggest" offers the thesaurus's nearest words for a word it lacks.

#include "common/ui/dialog_conventions.h"
#include "lexicon/thesaurus_engine.h"

#include <memory>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace qx {

class UiHost;

class ThesaurusLookupDialog : public ConventionalDialog {
    Q_OBJECT

public:
    // thesaurus 1 or 2, its files in the program directory; word is looked up when shown.
    ThesaurusLookupDialog(const DialogLook &look, UiHost &host, const QString &programDir, int thesaurus,
                          const QString &word, QWidget *parent = nullptr);
    ~ThesaurusLookupDialog() override;

    // The synonym accepted; empty unless the dialog was accepted.
    QString accepted() const { return m_accepted; }

    QLineEdit *wordBox() const { return m_word; }
    QListWidget *categoryList() const { return m_categories; }
    QListWidget *antonymList() const { return m_antonyms; }
    QListWidget *synonymList() const { return m_synonyms; }
    QPushButton *acceptButton() const { return m_accept; }

    void lookUpTypedWord();
    void suggestWords();
    void useChosenWord();
    void acceptSynonym(QListWidgetItem *item);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void open();
    void lookUp(const QString &word);
    void loadSynonyms(const QString &entry);

    UiHost &m_host;
    QString m_dataPath;
    QString m_indexPath;
    std::shared_ptr<ThesaurusEngine> m_engine;
    ThesaurusLookup m_lookup;
    QString m_accepted;
    bool m_shown = false;
    QLineEdit *m_word = nullptr;
    QListWidget *m_categories = nullptr;
    QListWidget *m_antonyms = nullptr;
    QListWidget *m_synonyms = nullptr;
    QPushButton *m_accept = nullptr;
};

} // namespace qx
