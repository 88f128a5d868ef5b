#include "lexicon/ui/language_choice_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qx {

LanguageChoiceDialog::LanguageChoiceDialog(const DialogLook &look, const QString &caption, const QStringList &captions,
                                           const std::vector<bool> &available, int &userChoice, QWidget *parent)
    : ConventionalDialog(look, QSize(220, 60 + 24 * int(captions.size())), parent)
{
    setObjectName(QStringLiteral("LanguageChoice"));
    setWindowTitle(caption);
    auto *group = new QGroupBox(this);
    auto *choices = new QVBoxLayout(group);
    for (qsizetype i = 0; i < captions.size(); ++i) {
        auto *button = new QRadioButton(captions[i], group);
        const int code = int(i) + 1;
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
    layout->addWidget(buttons);
}

int LanguageChoiceDialog::chosen() const
{
    for (size_t i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i]->isChecked())
            return int(i) + 1;
    return 0;
}

} // namespace qx
