#include "words/ui/international_characters_dialog.h"

#include "common/cp1252.h"
#include "store/settings.h"
#include "words/letters.h"
#include "words/ui/word_dialog_parts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qx {

InternationalCharactersDialog::InternationalCharactersDialog(const DialogLook &look, Settings &settings,
                                                             QWidget *parent)
    : ConventionalDialog(look, QSize(400, 250), parent), m_settings(settings)
{
    setObjectName(QStringLiteral("InternationalCharactersDialog"));
    setWindowTitle(tr("International Characters"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(
        explanationLabel(tr("The function keys F1 through F12 can be assigned any number of international "
                            "characters.  The function keys will play back the assigned international key "
                            "in the Puzzle Creation Window."),
                         this));

    QStringList characters;
    for (int code = FirstInternationalCode; code <= LastInternationalCode; ++code)
        characters << cp1252::toUnicode(std::string(1, static_cast<char>(code)));
    auto *keys = new QGridLayout;
    for (int k = 1; k <= 12; ++k) {
        auto *list = new QComboBox(this);
        list->setObjectName(QStringLiteral("KeyChoice%1").arg(k));
        list->addItems(characters);
        list->setMaxVisibleItems(16);
        auto *label = new QLabel(QStringLiteral("F%1").arg(k), this);
        label->setBuddy(list);
        // F1..F6 on the left, F7..F12 on the right.
        const int row = (k - 1) % 6;
        const int column = (k - 1) / 6 * 3;
        keys->addWidget(label, row, column);
        keys->addWidget(list, row, column + 1);
        m_lists[static_cast<size_t>(k - 1)] = list;
    }
    keys->setColumnStretch(2, 1);
    keys->setColumnStretch(5, 1);
    layout->addLayout(keys);
    layout->addStretch(1);

    auto *buttons = new QDialogButtonBox(this);
    addNamedButton(buttons, tr("&Ok"), QDialogButtonBox::AcceptRole, "OkButton");
    addNamedButton(buttons, tr("&Cancel"), QDialogButtonBox::RejectRole, "CancelButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &InternationalCharactersDialog::acceptEntries);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void InternationalCharactersDialog::showEvent(QShowEvent *event)
{
    ConventionalDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        fillControls();
    }
}

void InternationalCharactersDialog::fillControls()
{
    for (int k = 1; k <= 12; ++k) {
        const auto code = internationalKeyCode(m_settings.createOptions.intKeys[static_cast<size_t>(k - 1)]);
        const bool offered = code && *code >= FirstInternationalCode && *code <= LastInternationalCode;
        const QSignalBlocker quiet(list(k));
        list(k)->setCurrentIndex(offered ? *code - FirstInternationalCode : 0);
    }
}

void InternationalCharactersDialog::acceptEntries()
{
    for (int k = 1; k <= 12; ++k) {
        m_settings.createOptions.intKeys[static_cast<size_t>(k - 1)] =
            internationalKeyText(FirstInternationalCode + list(k)->currentIndex());
    }
    accept();
}

} // namespace qx
