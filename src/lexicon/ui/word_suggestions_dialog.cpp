#include "lexicon/ui/word_suggestions_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

WordSuggestionsDialog::WordSuggestionsDialog(const DialogLook &look, const QString &word,
                                             const QStringList &suggestions, QWidget *parent)
    : ConventionalDialog(look, QSize(260, 280), parent)
{
    setObjectName(QStringLiteral("WordSuggestions"));
    setWindowTitle(tr("Word Suggestions"));
    auto *wordLabel = new QLabel(word, this);
    wordLabel->setObjectName(QStringLiteral("Word"));
    wordLabel->setTextFormat(Qt::PlainText);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("SuggestionList"));
    m_list->addItems(suggestions);
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(tr("&Ok"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("CancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *form = new QFormLayout;
    form->addRow(tr("Suggestion for"), wordLabel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
}

QString WordSuggestionsDialog::chosen() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

} // namespace qx
