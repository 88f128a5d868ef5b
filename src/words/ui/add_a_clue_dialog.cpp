#include "words/ui/add_a_clue_dialog.h"

#include "common/ui/storable_text_validator.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qx {

AddAClueDialog::AddAClueDialog(const DialogLook &look, UiHost &host, const QString &word, int &wordCase,
                               QWidget *parent)
    : ConventionalDialog(look, QSize(440, 100), parent), m_setting(wordCase)
{
    setWindowTitle(tr("Add A Clue"));
    m_word = new QLabel(word, this);
    m_word->setObjectName(QStringLiteral("NewWord"));
    m_clue = new QLineEdit(this);
    m_clue->setObjectName(QStringLiteral("Clue"));
    m_clue->setMaxLength(MaxClueLength);
    keepStorable(m_clue, host);
    auto *fields = new QFormLayout;
    fields->addRow(tr("Word:"), m_word);
    fields->addRow(tr("Clue:"), m_clue);

    const std::array<std::pair<QString, const char *>, 3> cases = {
        {{tr("&Upper Case"), "Upper"}, {tr("&Lower Case"), "Lower"}, {tr("&First Letter Cap"), "FirstLet"}}};
    auto *caseRow = new QHBoxLayout;
    for (size_t i = 0; i < cases.size(); ++i) {
        auto *button = new QRadioButton(cases[i].first, this);
        button->setObjectName(QString::fromLatin1(cases[i].second));
        m_cases[i] = button;
        caseRow->addWidget(button);
        const int setting = static_cast<int>(i) + 1;
        connect(button, &QRadioButton::clicked, this, [this, setting] { m_setting = setting; });
    }
    caseRow->addStretch();
    auto *ok = new QPushButton(tr("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    caseRow->addWidget(ok);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(caseRow);
}

void AddAClueDialog::showEvent(QShowEvent *event)
{
    ConventionalDialog::showEvent(event);
    caseButton(wordCaseFrom(m_setting))->setChecked(true);
    m_clue->setFocus();
}

QRadioButton *AddAClueDialog::caseButton(WordCase wordCase) const
{
    return m_cases[static_cast<size_t>(wordCase) - 1];
}

QString AddAClueDialog::clue() const
{
    return m_clue->text();
}

WordCase AddAClueDialog::chosenCase() const
{
    for (size_t i = 0; i < m_cases.size(); ++i) {
        if (m_cases[i]->isChecked())
            return static_cast<WordCase>(i + 1);
    }
    return wordCaseFrom(m_setting);
}

// Every new word needs its clue: leaving the dialog any way keeps what was typed.
void AddAClueDialog::reject()
{
    accept();
}

} // namespace qx
