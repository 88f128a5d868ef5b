#include "lexicon/ui/thesaurus_lookup_dialog.h"

#include "common/ui/storable_text_validator.h"
#include "common/ui/ui_host.h"
#include "lexicon/languages.h"
#include "lexicon/ui/word_suggestions_dialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

ThesaurusLookupDialog::ThesaurusLookupDialog(const DialogLook &look, UiHost &host, const QString &programDir,
                                             int thesaurus, const QString &word, QWidget *parent)
    : ConventionalDialog(look, QSize(520, 340), parent), m_host(host)
{
    setObjectName(QStringLiteral("ThesaurusLookup"));
    setWindowTitle(tr("Thesaurus Lookup"));
    const ThesaurusFiles &files = thesaurusFiles(thesaurus);
    m_dataPath = programDir + QLatin1Char('/') + QLatin1String(files.dataFile);
    m_indexPath = programDir + QLatin1Char('/') + QLatin1String(files.indexFile);

    m_word = new QLineEdit(word.trimmed(), this);
    m_word->setObjectName(QStringLiteral("WordBox"));
    m_word->setMaxLength(150);
    keepStorable(m_word, host);
    const auto list = [this](const char *name) {
        auto *l = new QListWidget(this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    m_categories = list("CategoryList");
    m_antonyms = list("AntonymList");
    m_synonyms = list("SynonymList");
    const auto button = [this](const QString &text, const char *name) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton *lookUpButton = button(tr("&Look Up"), "LookUpButton");
    lookUpButton->setDefault(true);
    QPushButton *suggest = button(tr("&Suggest"), "SuggestButton");
    m_accept = button(tr("&Accept"), "AcceptButton");
    QPushButton *abort = button(tr("A&bort"), "AbortButton");

    connect(lookUpButton, &QPushButton::clicked, this, &ThesaurusLookupDialog::lookUpTypedWord);
    connect(suggest, &QPushButton::clicked, this, &ThesaurusLookupDialog::suggestWords);
    connect(m_accept, &QPushButton::clicked, this, &ThesaurusLookupDialog::useChosenWord);
    connect(abort, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_synonyms, &QListWidget::itemDoubleClicked, this, &ThesaurusLookupDialog::acceptSynonym);
    for (QListWidget *from : {m_categories, m_antonyms}) {
        QListWidget *other = from == m_categories ? m_antonyms : m_categories;
        connect(from, &QListWidget::itemClicked, this, [this, other](QListWidgetItem *item) {
            other->clearSelection();
            loadSynonyms(item->text());
        });
    }

    const auto labelled = [this](const QString &text, QWidget *buddy) {
        auto *box = new QVBoxLayout;
        auto *label = new QLabel(text, this);
        label->setBuddy(buddy);
        box->addWidget(label);
        box->addWidget(buddy, 1);
        return box;
    };
    auto *layout = new QGridLayout(this);
    auto *wordRow = new QHBoxLayout;
    auto *wordLabel = new QLabel(tr("&Word"), this);
    wordLabel->setBuddy(m_word);
    wordRow->addWidget(wordLabel);
    wordRow->addWidget(m_word, 1);
    layout->addLayout(wordRow, 0, 0, 1, 3);
    auto *left = new QVBoxLayout;
    left->addLayout(labelled(tr("&Categories"), m_categories), 2);
    left->addLayout(labelled(tr("A&ntonyms"), m_antonyms), 1);
    layout->addLayout(left, 1, 0);
    layout->addLayout(labelled(tr("S&ynonyms"), m_synonyms), 1, 1);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {lookUpButton, suggest, m_accept, abort})
        buttons->addWidget(b);
    buttons->addStretch(1);
    layout->addLayout(buttons, 0, 2, 2, 1);
    layout->setRowStretch(1, 1);
    m_accept->setEnabled(false);
}

ThesaurusLookupDialog::~ThesaurusLookupDialog() = default;

void ThesaurusLookupDialog::showEvent(QShowEvent *event)
{
    ConventionalDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    open();
    lookUp(m_word->text());
}

void ThesaurusLookupDialog::open()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto engine = ThesaurusEngine::open(m_dataPath, m_indexPath);
    QApplication::restoreOverrideCursor();
    if (!engine) {
        m_host.message(this, tr("Error"), tr("Could not find the Thesaurus file."), Buttons::Ok);
        return;
    }
    m_engine = *engine;
}

void ThesaurusLookupDialog::lookUp(const QString &word)
{
    m_categories->clear();
    m_antonyms->clear();
    m_synonyms->clear();
    m_accept->setEnabled(false);
    m_lookup = m_engine ? lookUpWord(*m_engine, word.trimmed()) : ThesaurusLookup();
    if (!m_lookup.found()) {
        m_host.message(this, tr("Warning"),
                       tr("Word not found in Thesaurus.  Click on \"suggest\" for possible substitute words."),
                       Buttons::Ok);
        return;
    }
    m_categories->addItems(m_lookup.categories);
    m_antonyms->addItems(m_lookup.antonyms);
    m_categories->setCurrentRow(0);
    loadSynonyms(m_lookup.categories.first());
}

void ThesaurusLookupDialog::loadSynonyms(const QString &entry)
{
    m_synonyms->clear();
    m_synonyms->addItems(m_lookup.synonyms(entry));
    m_accept->setEnabled(m_synonyms->count() > 0);
    if (m_synonyms->count() > 0)
        m_synonyms->setCurrentRow(0);
}

void ThesaurusLookupDialog::lookUpTypedWord()
{
    lookUp(m_word->text());
}

void ThesaurusLookupDialog::acceptSynonym(QListWidgetItem *item)
{
    if (!item)
        return;
    m_word->setText(item->text());
    lookUp(item->text());
}

void ThesaurusLookupDialog::suggestWords()
{
    const QString word = m_word->text().trimmed();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QStringList suggestions = m_engine ? m_engine->suggestions(word) : QStringList();
    QApplication::restoreOverrideCursor();
    if (suggestions.isEmpty()) {
        m_host.message(this, tr("Error"), tr("No suggestions found for the word %1.").arg(word), Buttons::Ok);
        return;
    }
    WordSuggestionsDialog dialog(look(), word, suggestions, this);
    if (m_host.runModal(dialog) != QDialog::Accepted || dialog.chosen().isEmpty())
        return;
    m_word->setText(dialog.chosen());
    lookUp(dialog.chosen());
}

void ThesaurusLookupDialog::useChosenWord()
{
    const QListWidgetItem *item = m_synonyms->currentItem();
    if (!item || !item->isSelected()) {
        m_host.message(this, tr("Error"),
                       tr("No replacement word has been selected.  Please choose a replacement first."), Buttons::Ok);
        return;
    }
    m_accepted = item->text();
    accept();
}

} // namespace qx
