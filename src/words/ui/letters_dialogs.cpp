#include "words/ui/letters_dialogs.h"

#include "common/cp1252.h"
#include "common/ui/storable_text_validator.h"
#include "common/ui/ui_host.h"
#include "store/settings.h"
#include "words/letters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qx {

namespace {

QLabel *explanation(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QPushButton *addButton(QDialogButtonBox *box, const QString &text, QDialogButtonBox::ButtonRole role, const char *name)
{
    QPushButton *b = box->addButton(text, role);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

WordSeparatorsDialog::WordSeparatorsDialog(const DialogLook &look, Settings &settings, UiHost &host, QWidget *parent)
    : ConventionalDialog(look, QSize(380, 250), parent), m_settings(settings), m_host(host)
{
    setObjectName(QStringLiteral("WordLetters"));
    setWindowTitle(tr("Word Separator Characters"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(explanation(
        tr("The following characters (if checked) will be displayed in the puzzle where they are used by words.  "
           "This is useful in instances where the word to solve for is actually more than one word and you wish to "
           "have them separated in the puzzle itself."),
        this));

    auto &r = m_settings.reports;
    auto *boxes = new QGridLayout;
    int row = 0;
    for (auto [box, text, name, setting] :
         {std::tuple{&m_dash, tr("&Dash (-)"), "WordSepDash", &r.wordSepDash},
          std::tuple{&m_slash, tr("&Slash (/)"), "WordSepSlash", &r.wordSepSlash},
          std::tuple{&m_plus, tr("&Plus (+)"), "WordSepPlus", &r.wordSepPlus},
          std::tuple{&m_star, tr("S&tar (*)"), "WordSepStar", &r.wordSepStar},
          std::tuple{&m_other, tr("&User Defined"), "WordSepOther", &r.wordSepOther}}) {
        *box = new QCheckBox(text, this);
        (*box)->setObjectName(QString::fromLatin1(name));
        connect(*box, &QCheckBox::toggled, this, [setting](bool on) { *setting = on; });
        boxes->addWidget(*box, row++, 0);
    }
    m_char = new QLineEdit(this);
    m_char->setObjectName(QStringLiteral("WordSepChar"));
    m_char->setMaxLength(1);
    m_char->setFixedWidth(m_char->fontMetrics().horizontalAdvance(QStringLiteral("MMM")) + 12);
    keepStorable(m_char, m_host);
    connect(m_char, &QLineEdit::textChanged, this, &WordSeparatorsDialog::onWordSepCharChanged);
    boxes->addWidget(m_char, row - 1, 1, Qt::AlignLeft);
    boxes->setColumnStretch(2, 1);
    layout->addLayout(boxes);
    layout->addStretch(1);

    auto *buttons = new QDialogButtonBox(this);
    addButton(buttons, tr("&Ok"), QDialogButtonBox::AcceptRole, "OkButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void WordSeparatorsDialog::showEvent(QShowEvent *event)
{
    ConventionalDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        formShow();
    }
}

void WordSeparatorsDialog::formShow()
{
    const auto &r = m_settings.reports;
    for (auto [box, on] :
         {std::pair{m_dash, r.wordSepDash}, std::pair{m_slash, r.wordSepSlash}, std::pair{m_plus, r.wordSepPlus},
          std::pair{m_star, r.wordSepStar}, std::pair{m_other, r.wordSepOther}}) {
        const QSignalBlocker quiet(box);
        box->setChecked(on);
    }
    const QSignalBlocker quiet(m_char);
    m_char->setText(r.wordSepChar == QLatin1Char(' ') ? QString() : QString(r.wordSepChar));
}

void WordSeparatorsDialog::onWordSepCharChanged(const QString &text)
{
    QChar &stored = m_settings.reports.wordSepChar;
    if (text.isEmpty()) {
        stored = QLatin1Char(' ');
        return;
    }
    if (!isRefusedSeparatorCharacter(text[0])) {
        stored = text[0];
        return;
    }
    stored = QLatin1Char(' ');
    {
        const QSignalBlocker quiet(m_char);
        m_char->clear();
    }
    // Told once the edit's own key handling is over, as every refusal of a typed character is.
    QMetaObject::invokeMethod(
        this,
        [this] { m_host.message(this, tr("Error"), tr("Character cannot be in A..Z.  Please correct."), Buttons::Ok); },
        Qt::QueuedConnection);
}

InternationalCharactersDialog::InternationalCharactersDialog(const DialogLook &look, Settings &settings,
                                                             QWidget *parent)
    : ConventionalDialog(look, QSize(400, 250), parent), m_settings(settings)
{
    setObjectName(QStringLiteral("DoIntChars"));
    setWindowTitle(tr("International Characters"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(explanation(tr("The function keys F1 through F12 can be assigned any number of international "
                                     "characters.  The function keys will play back the assigned international key "
                                     "in the Puzzle Creation Window."),
                                  this));

    QStringList characters;
    for (int code = FirstInternationalCode; code <= LastInternationalCode; ++code)
        characters << cp1252::toUnicode(std::string(1, static_cast<char>(code)));
    auto *keys = new QGridLayout;
    for (int k = 1; k <= 12; ++k) {
        auto *list = new QComboBox(this);
        list->setObjectName(QStringLiteral("ComboBox%1").arg(k));
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
    addButton(buttons, tr("&Ok"), QDialogButtonBox::AcceptRole, "OkButton");
    addButton(buttons, tr("&Cancel"), QDialogButtonBox::RejectRole, "CancelButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &InternationalCharactersDialog::onOkButtonClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void InternationalCharactersDialog::showEvent(QShowEvent *event)
{
    ConventionalDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        formShow();
    }
}

void InternationalCharactersDialog::formShow()
{
    for (int k = 1; k <= 12; ++k) {
        const auto code = internationalKeyCode(m_settings.createOptions.intKeys[static_cast<size_t>(k - 1)]);
        const bool offered = code && *code >= FirstInternationalCode && *code <= LastInternationalCode;
        const QSignalBlocker quiet(list(k));
        list(k)->setCurrentIndex(offered ? *code - FirstInternationalCode : 0);
    }
}

void InternationalCharactersDialog::onOkButtonClicked()
{
    for (int k = 1; k <= 12; ++k) {
        m_settings.createOptions.intKeys[static_cast<size_t>(k - 1)] =
            internationalKeyText(FirstInternationalCode + list(k)->currentIndex());
    }
    accept();
}

} // namespace qx
