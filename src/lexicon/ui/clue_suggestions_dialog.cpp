#include "lexicon/ui/clue_suggestions_dialog.h"

#include "common/ui/storable_text_validator.h"
#include "lexicon/clue_suggestions.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qx {

ClueSuggestionsDialog::ClueSuggestionsDialog(const DialogLook &look, UiHost &host, const QString &language,
                                             std::vector<Row> rows, QWidget *parent)
    : ConventionalDialog(look, QSize(640, 380), parent)
{
    setObjectName(QStringLiteral("ClueSuggestions"));
    setWindowTitle(tr("Suggest Clues"));
    int found = 0;
    for (const Row &row : rows)
        found += row.suggestions.isEmpty() ? 0 : 1;
    auto *summary = new QLabel(tr("Suggestions (%1) for %2 of %3 words.  Choose or change each clue, then "
                                  "accept; a clue left empty is not changed.")
                                   .arg(language)
                                   .arg(found)
                                   .arg(rows.size()),
                               this);
    summary->setObjectName(QStringLiteral("Summary"));
    summary->setWordWrap(true);

    m_table = new QTableWidget(int(rows.size()), 2, this);
    m_table->setObjectName(QStringLiteral("ClueTable"));
    m_table->setHorizontalHeaderLabels({tr("Word"), tr("Clue")});
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    for (int r = 0; r < int(rows.size()); ++r) {
        const Row &row = rows[size_t(r)];
        auto *word = new QTableWidgetItem(row.word);
        word->setFlags(Qt::ItemIsEnabled);
        m_table->setItem(r, 0, word);
        auto *box = new QComboBox(m_table);
        box->setObjectName(QStringLiteral("Clue%1").arg(r + 1));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr);
        box->addItems(row.suggestions);
        if (!row.clue.isEmpty() && !row.suggestions.contains(row.clue))
            box->addItem(row.clue);
        box->lineEdit()->setMaxLength(MaxSuggestedClueLength);
        box->lineEdit()->setPlaceholderText(tr("(no suggestion)"));
        keepStorable(box->lineEdit(), host);
        box->setCurrentIndex(row.suggestions.isEmpty() ? -1 : 0);
        if (row.suggestions.isEmpty())
            box->setEditText(row.clue);
        m_table->setCellWidget(r, 1, box);
    }

    auto *buttons = new QDialogButtonBox(this);
    m_accept = buttons->addButton(tr("&Accept"), QDialogButtonBox::AcceptRole);
    m_accept->setObjectName(QStringLiteral("AcceptButton"));
    m_accept->setDefault(true);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("CancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
}

QComboBox *ClueSuggestionsDialog::clueBox(int row) const
{
    return qobject_cast<QComboBox *>(m_table->cellWidget(row, 1));
}

QStringList ClueSuggestionsDialog::clues() const
{
    QStringList out;
    for (int r = 0; r < m_table->rowCount(); ++r)
        out << clueBox(r)->currentText().trimmed();
    return out;
}

} // namespace qx
