#include "lexicon/ui/dictionary_maintenance_dialog.h"

#include "common/ui/storable_text_validator.h"
#include "common/ui/ui_host.h"
#include "lexicon/languages.h"
#include "lexicon/user_word_list.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

namespace {

// The window follows the screen factor but not the user's fonts.
DialogLook withOwnFonts(const DialogLook &look)
{
    DialogLook own;
    own.screenFactor = look.screenFactor;
    own.screen = look.screen;
    return own;
}

// A word is one stored word: as long as the longest a puzzle holds.
constexpr int MaxListWord = 30;

} // namespace

DictionaryMaintenanceDialog::DictionaryMaintenanceDialog(const DialogLook &look, UiHost &host,
                                                         const QString &programDir, int language, UserList list,
                                                         QWidget *parent)
    : ConventionalDialog(withOwnFonts(look), QSize(360, 330), parent), m_host(host)
{
    setObjectName(QStringLiteral("DictionaryMaintenanceDialog"));
    setWindowTitle(tr("Dictionary Maintenance"));
    const SpellLanguage &l = spellLanguage(language);
    const QString name = QCoreApplication::translate("qx", l.name); // marked in languages.cpp
    m_path = programDir + QLatin1Char('/') + QLatin1String(list == UserList::Include ? l.includeFile : l.excludeFile);
    m_heading =
        new QLabel(list == UserList::Include
                       ? tr("These words will be added to the %1 dictionary and counted as valid.").arg(name)
                       : tr("These words will be excluded from the  %1 dictionary and will be invalid.").arg(name),
                   this);
    m_heading->setObjectName(QStringLiteral("HeadLabel"));
    m_heading->setAlignment(Qt::AlignCenter);
    m_heading->setWordWrap(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("WordList"));
    m_addInfo = new QLineEdit(this);
    m_addInfo->setObjectName(QStringLiteral("WordEntry"));
    m_addInfo->setMaxLength(MaxListWord);
    keepStorable(m_addInfo, host);

    const auto button = [this](const QString &text, const char *objectName) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(objectName));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton *add = button(tr("&Add"), "AddButton");
    QPushButton *remove = button(tr("&Delete"), "DeleteButton");
    QPushButton *ok = button(tr("&Ok"), "OkButton");
    QPushButton *cancel = button(tr("&Cancel"), "CancelButton");
    connect(add, &QPushButton::clicked, this, &DictionaryMaintenanceDialog::addWord);
    connect(m_addInfo, &QLineEdit::returnPressed, this, &DictionaryMaintenanceDialog::addWord);
    connect(remove, &QPushButton::clicked, this, &DictionaryMaintenanceDialog::deleteWord);
    connect(ok, &QPushButton::clicked, this, &DictionaryMaintenanceDialog::acceptEntries);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {add, remove, ok, cancel})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto *layout = new QGridLayout(this);
    layout->addWidget(m_heading, 0, 0, 1, 2);
    layout->addWidget(m_list, 1, 0);
    layout->addLayout(buttons, 1, 1, 2, 1);
    layout->addWidget(m_addInfo, 2, 0);
    layout->setRowStretch(1, 1);
}

void DictionaryMaintenanceDialog::showEvent(QShowEvent *event)
{
    ConventionalDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        fillControls();
    }
}

void DictionaryMaintenanceDialog::fillControls()
{
    m_list->clear();
    const auto words = readUserWordList(m_path);
    if (!words)
        m_host.fileError(this, words.error());
    else
        m_list->addItems(*words);
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    m_addInfo->setFocus();
}

void DictionaryMaintenanceDialog::addWord()
{
    const QString word = m_addInfo->text().trimmed();
    if (!word.isEmpty())
        m_list->addItem(word);
    m_addInfo->clear();
    m_addInfo->setFocus();
}

void DictionaryMaintenanceDialog::deleteWord()
{
    const int row = m_list->currentRow();
    if (row < 0 || !m_list->currentItem()->isSelected())
        return;
    delete m_list->takeItem(row);
    if (m_list->count() > 0)
        m_list->setCurrentRow(std::min(row, m_list->count() - 1));
}

void DictionaryMaintenanceDialog::acceptEntries()
{
    QStringList words;
    for (int i = 0; i < m_list->count(); ++i)
        words << m_list->item(i)->text();
    if (const auto written = writeUserWordList(m_path, words); !written) {
        m_host.fileError(this, written.error());
        return;
    }
    accept();
}

} // namespace qx
