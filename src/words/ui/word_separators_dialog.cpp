#include "words/ui/word_separators_dialog.h"

#include "common/storable_text.h"
#include "common/ui/storable_text_validator.h"
#include "common/ui/ui_host.h"
#include "store/settings.h"
#include "words/letters.h"
#include "words/ui/word_dialog_parts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qx {

WordSeparatorsDialog::WordSeparatorsDialog(const DialogLook &look, Settings &settings, UiHost &host, QWidget *parent)
    : ConventionalDialog(look, QSize(380, 250), parent), m_settings(settings), m_host(host)
{
    setObjectName(QStringLiteral("WordLetters"));
    setWindowTitle(tr("Word Separator Characters"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(explanationLabel(
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
    addNamedButton(buttons, tr("&Ok"), QDialogButtonBox::AcceptRole, "OkButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void WordSeparatorsDialog::showEvent(QShowEvent *event)
{
    ConventionalDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        fillControls();
    }
}

void WordSeparatorsDialog::fillControls()
{
    const auto &r = m_settings.reports;
    for (auto [box, on] :
         {std::pair{m_dash, r.wordSepDash}, std::pair{m_slash, r.wordSepSlash}, std::pair{m_plus, r.wordSepPlus},
          std::pair{m_star, r.wordSepStar}, std::pair{m_other, r.wordSepOther}}) {
        const QSignalBlocker quiet(box);
        box->setChecked(on);
    }
    const QSignalBlocker quiet(m_char);
    // A space is no character at all here; one no puzzle text can hold (from an edited settings
    // file) is not shown, since the box would refuse it with a message as the window opens.
    const QString c(r.wordSepChar);
    m_char->setText(c == QLatin1String(" ") || firstUnstorable(c) ? QString() : c);
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

} // namespace qx
