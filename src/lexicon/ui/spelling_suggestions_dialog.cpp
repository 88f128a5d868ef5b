#include "lexicon/ui/spelling_suggestions_dialog.h"

#include "common/ui/ui_host.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

SpellingSuggestionsDialog::SpellingSuggestionsDialog(const DialogLook &look, UiHost &host, const QString &languageName,
                                                     const QString &word, const QStringList &suggestions,
                                                     QWidget *parent)
    : ConventionalDialog(look, QSize(400, 300), parent), m_host(host)
{
    setObjectName(QStringLiteral("SpellingSuggestions"));
    setWindowTitle(tr("Spelling Suggestions"));
    m_notice = new QLabel(
        tr("The following word was not found in the %1 dictionary.  Suggestions are listed below.").arg(languageName),
        this);
    m_notice->setObjectName(QStringLiteral("Notice"));
    m_notice->setWordWrap(true);
    auto *wordLabel = new QLabel(word, this);
    wordLabel->setObjectName(QStringLiteral("Word"));
    QFont bold = wordLabel->font();
    bold.setBold(true);
    wordLabel->setFont(bold);
    wordLabel->setTextFormat(Qt::PlainText);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("SuggestionList"));
    m_list->addItems(suggestions);
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    auto *heading = new QLabel(tr("Suggestions"), this);
    heading->setBuddy(m_list);

    const std::array<std::tuple<QString, const char *, SpellChoice>, 4> choices = {{
        {tr("&Replace"), "ReplaceButton", SpellChoice::Replace},
        {tr("&Ignore"), "IgnoreButton", SpellChoice::Ignore},
        {tr("A&bort"), "AbortButton", SpellChoice::Abort},
        {tr("&Add"), "AddButton", SpellChoice::Add},
    }};
    auto *buttons = new QVBoxLayout;
    for (const auto &[text, name, choice] : choices) {
        auto *button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(button);
        if (choice == SpellChoice::Replace) {
            button->setDefault(true);
            connect(button, &QPushButton::clicked, this, &SpellingSuggestionsDialog::replaceWord);
        } else {
            connect(button, &QPushButton::clicked, this, [this, c = choice] { finish(c); });
        }
    }
    buttons->addStretch(1);

    auto *layout = new QGridLayout(this);
    layout->addWidget(m_notice, 0, 0, 1, 2);
    layout->addWidget(wordLabel, 1, 0, 1, 2);
    layout->addWidget(heading, 2, 0);
    layout->addWidget(m_list, 3, 0);
    layout->addLayout(buttons, 3, 1);
    layout->setRowStretch(3, 1);
}

void SpellingSuggestionsDialog::replaceWord()
{
    const QListWidgetItem *selected = m_list->currentItem();
    if (!selected || !selected->isSelected()) {
        m_host.message(this, tr("Error"),
                       tr("No replacement word has been selected.  Please choose a replacement first."), Buttons::Ok);
        return;
    }
    m_answer.replacement = selected->text();
    finish(SpellChoice::Replace);
}

void SpellingSuggestionsDialog::finish(SpellChoice choice)
{
    m_answer.choice = choice;
    QDialog::accept();
}

void SpellingSuggestionsDialog::reject()
{
    finish(SpellChoice::Ignore);
}

} // namespace qx
