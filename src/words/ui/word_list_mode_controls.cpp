#include "words/ui/word_list_mode_controls.h"

#include "common/storable_text.h"
#include "common/ui/storable_text_validator.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qx {

WordListMode WordListModeControls::mode() const
{
    if (asClues->isChecked())
        return WordListMode::Clues;
    return asWordsAndClues->isChecked() ? WordListMode::WordsAndClues : WordListMode::Words;
}

void WordListModeControls::fill(WordListMode mode, QChar separator)
{
    QRadioButton *button = mode == WordListMode::Clues           ? asClues
                           : mode == WordListMode::WordsAndClues ? asWordsAndClues
                                                                 : asWords;
    {
        const QSignalBlocker quiet(button);
        button->setChecked(true);
    }
    // A separator from an edited settings file that no puzzle text can hold is not shown: the box
    // would refuse it with a message as the window opens.
    const QSignalBlocker quiet(sepChar);
    sepChar->setText(firstUnstorable(QString(separator)) ? QString() : QString(separator));
    showSeparator();
}

void WordListModeControls::onPicked(QObject *context, const std::function<void(WordListMode)> &picked) const
{
    for (auto [button, mode] : {std::pair{asWords, WordListMode::Words}, std::pair{asClues, WordListMode::Clues},
                                std::pair{asWordsAndClues, WordListMode::WordsAndClues}}) {
        QObject::connect(button, &QRadioButton::toggled, context, [picked, mode](bool on) {
            if (on)
                picked(mode);
        });
    }
}

void WordListModeControls::showSeparator()
{
    const bool pairs = asWordsAndClues->isChecked();
    sepLabel->setVisible(pairs);
    sepChar->setVisible(pairs);
}

QVBoxLayout *makeModeControls(WordListModeControls &c, const std::array<QString, 3> &captions, UiHost &host,
                              QWidget *parent)
{
    auto *box = new QGroupBox(parent);
    auto *boxLayout = new QVBoxLayout(box);
    auto *group = new QButtonGroup(box);
    const std::array<const char *, 3> names{"AsWords", "AsClues", "AsWordsAndClues"};
    std::array<QRadioButton **, 3> buttons{&c.asWords, &c.asClues, &c.asWordsAndClues};
    for (size_t i = 0; i < buttons.size(); ++i) {
        *buttons[i] = new QRadioButton(captions[i], box);
        (*buttons[i])->setObjectName(QString::fromLatin1(names[i]));
        group->addButton(*buttons[i], static_cast<int>(i) + 1);
        boxLayout->addWidget(*buttons[i]);
    }
    c.sepChar = new QLineEdit(parent);
    c.sepChar->setObjectName(QStringLiteral("SepChar"));
    c.sepChar->setMaxLength(1);
    c.sepChar->setFixedWidth(c.sepChar->fontMetrics().horizontalAdvance(QStringLiteral("MMM")) + 12);
    keepStorable(c.sepChar, host);
    c.sepLabel = new QLabel(QObject::tr("Separator Char"), parent);
    c.sepLabel->setBuddy(c.sepChar);
    auto *sepRow = new QHBoxLayout;
    sepRow->addWidget(c.sepLabel);
    sepRow->addWidget(c.sepChar);
    sepRow->addStretch(1);

    auto *column = new QVBoxLayout;
    column->addWidget(box);
    column->addLayout(sepRow);
    return column;
}

QPushButton *addColumnButton(const QString &text, const char *name, QWidget *parent, QVBoxLayout *column)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    column->addWidget(b);
    return b;
}

std::vector<int> selectedRows(const QListWidget *list)
{
    std::vector<int> rows;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected())
            rows.push_back(i);
    }
    return rows;
}

FileRequest wordListFileRequest(const QString &title, bool forImport, const QString &initialPath)
{
    FileRequest request;
    request.title = title;
    request.filter =
        forImport ? QObject::tr("text (*.txt)|*.txt|all files (*.*)|*.*") : QObject::tr("text (*.txt)|*.txt");
    request.defaultSuffix = QStringLiteral("txt");
    request.initialPath = initialPath;
    request.mustExist = forImport;
    // A word list of the same name is replaced only when the user says so.
    request.overwritePrompt = !forImport;
    return request;
}

} // namespace qx
