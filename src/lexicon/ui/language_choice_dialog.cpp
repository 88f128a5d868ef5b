#include "lexicon/ui/language_choice_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qx {

LanguageChoiceDialog::LanguageChoiceDialog(const DialogLook &look, const QString &caption, const QStringList &captions,
                                           const std::vector<bool> &available, int &userChoice, QWidget *parent,
                                           std::vector<int> codes, const QString &note)
    : ConventionalDialog(look, QSize(220, 60 + 24 * int(captions.size()) + (note.isEmpty() ? 0 : 80)), parent),
      m_codes(std::move(codes))
{
    for (int code = int(m_codes.size()) + 1; code <= int(captions.size()); ++code)
        m_codes.push_back(code);
    setObjectName(QStringLiteral("LanguageChoice"));
    setWindowTitle(caption);
    auto *group = new QGroupBox(this);
    auto *choices = new QVBoxLayout(group);
    for (qsizetype i = 0; i < captions.size(); ++i) {
        auto *button = new QRadioButton(captions[i], group);
        const int code = m_codes[size_t(i)];
        button->setObjectName(QStringLiteral("Choice%1").arg(code));
        button->setEnabled(size_t(i) < available.size() && available[size_t(i)]);
        button->setChecked(code == userChoice && button->isEnabled());
        connect(button, &QRadioButton::clicked, this, [&userChoice, code] { userChoice = code; });
        choices->addWidget(button);
        m_buttons.push_back(button);
    }
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(tr("&Ok"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("CancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (chosen() != 0)
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    if (!note.isEmpty()) {
        auto *label = new QLabel(note, this);
        label->setObjectName(QStringLiteral("Note"));
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addWidget(buttons);
}

QRadioButton *LanguageChoiceDialog::choiceButton(int code) const
{
    for (size_t i = 0; i < m_codes.size(); ++i)
        if (m_codes[i] == code)
            return m_buttons.at(i);
    return nullptr;
}

int LanguageChoiceDialog::chosen() const
{
    for (size_t i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i]->isChecked())
            return m_codes[i];
    return 0;
}

} // namespace qx
