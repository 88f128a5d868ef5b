#include "words/ui/word_list_transfer_dialogs.h"

#include "common/ui/storable_text_validator.h"
#include "common/ui/ui_host.h"
#include "store/settings.h"

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

namespace {

const QString TextFilter = QStringLiteral("text (*.txt)|*.txt");

QPushButton *makeButton(const QString &text, const char *name, QWidget *parent, QBoxLayout *into)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    into->addWidget(b);
    return b;
}

// The three mode buttons in a box and the separator box below them.
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

std::vector<int> selectedRows(const QListWidget *list)
{
    std::vector<int> rows;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected())
            rows.push_back(i);
    }
    return rows;
}

FileRequest textFileRequest(const QString &title, const QString &filter, const QString &initialPath)
{
    FileRequest request;
    request.title = title;
    request.filter = filter;
    request.defaultSuffix = QStringLiteral("txt");
    request.initialPath = initialPath;
    return request;
}

} // namespace

WordListMode WordListModeControls::mode() const
{
    if (asClues->isChecked())
        return WordListMode::Clues;
    return asWordsAndClues->isChecked() ? WordListMode::WordsAndClues : WordListMode::Words;
}

void WordListModeControls::select(WordListMode mode)
{
    QRadioButton *button = mode == WordListMode::Clues           ? asClues
                           : mode == WordListMode::WordsAndClues ? asWordsAndClues
                                                                 : asWords;
    const QSignalBlocker quiet(button);
    button->setChecked(true);
}

void WordListModeControls::showSeparator()
{
    const bool pairs = asWordsAndClues->isChecked();
    sepLabel->setVisible(pairs);
    sepChar->setVisible(pairs);
}

// --- Import ---

WordListImportDialog::WordListImportDialog(const DialogLook &look, Settings &settings, UiHost &host,
                                           std::vector<WordListRow> rows, QWidget *parent)
    : ConventionalDialog(look, QSize(460, 320), parent), m_settings(settings), m_host(host), m_rows(std::move(rows))
{
    setObjectName(QStringLiteral("Import"));
    setWindowTitle(tr("Import"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);

    auto *right = new QVBoxLayout;
    auto *openFile = makeButton(tr("&Open File"), "OpenFile", this, right);
    m_selectAll = makeButton(tr("Select &All"), "SelectAll", this, right);
    m_clear = makeButton(tr("C&lear"), "Clear", this, right);
    right->addLayout(
        makeModeControls(m_modes, {tr("As &Words"), tr("As &Clues"), tr("&As Words and Clues")}, m_host, this));
    right->addStretch(1);
    m_ok = makeButton(tr("&Ok"), "Ok", this, right);
    auto *cancel = makeButton(tr("&Cancel"), "Cancel", this, right);
    auto *help = makeButton(tr("&Help"), "Help", this, right);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(right);

    connect(openFile, &QPushButton::clicked, this, &WordListImportDialog::onOpenFileClicked);
    connect(m_selectAll, &QPushButton::clicked, m_list, &QListWidget::selectAll);
    connect(m_clear, &QPushButton::clicked, m_list, &QListWidget::clearSelection);
    connect(m_ok, &QPushButton::clicked, this, &WordListImportDialog::onOkClicked);
    // Help has no page of its own here: it closes the window as Cancel does.
    for (QPushButton *close : {cancel, help})
        connect(close, &QPushButton::clicked, this, &QDialog::reject);
    for (auto [button, mode] :
         {std::pair{m_modes.asWords, WordListMode::Words}, std::pair{m_modes.asClues, WordListMode::Clues},
          std::pair{m_modes.asWordsAndClues, WordListMode::WordsAndClues}}) {
        connect(button, &QRadioButton::toggled, this, [this, mode](bool on) {
            if (on)
                setMode(mode);
        });
    }
    connect(m_modes.sepChar, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!text.isEmpty())
            m_settings.createOptions.sepChar = text[0];
    });
}

QPushButton *WordListImportDialog::button(const QString &objectName) const
{
    return findChild<QPushButton *>(objectName);
}

void WordListImportDialog::showEvent(QShowEvent *event)
{
    ConventionalDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        formShow();
    }
}

void WordListImportDialog::formShow()
{
    {
        const QSignalBlocker quiet(m_modes.sepChar);
        m_modes.sepChar->setText(QString(m_settings.createOptions.sepChar));
    }
    m_modes.select(wordListMode(m_settings.createOptions.importOption));
    m_modes.showSeparator();
    for (QPushButton *b : {m_selectAll, m_clear, m_ok})
        b->setEnabled(false);
}

void WordListImportDialog::setMode(WordListMode mode)
{
    m_settings.createOptions.importOption = static_cast<int>(mode);
    m_modes.showSeparator();
}

void WordListImportDialog::onOpenFileClicked()
{
    FileRequest request =
        textFileRequest(tr("Import Word/Clue List"), TextFilter + QStringLiteral("|all files (*.*)|*.*"),
                        m_settings.misc.lastImportWordFile);
    request.mustExist = true;
    const auto path = m_host.openFileName(this, request);
    if (!path)
        return;
    m_settings.misc.lastImportWordFile = *path;
    const auto read = readWordListFile(*path);
    if (!read) {
        if (read.error().kind == FileError::Kind::CannotOpen)
            m_host.message(this, tr("Error"), tr("Unable to open import file."), Buttons::Ok);
        else
            m_host.fileError(this, read.error(), tr("Unable to open import file."));
        return;
    }
    if (read->refused) {
        m_host.message(this, tr("Error"), refusedLineText(*read->refused), Buttons::Ok);
        return;
    }
    QStringList entries = read->entries;
    sortEntries(entries);
    m_list->clear();
    m_list->addItems(entries);
    for (QPushButton *b : {m_selectAll, m_clear, m_ok})
        b->setEnabled(true);
}

void WordListImportDialog::onOkClicked()
{
    const WordListMode mode = m_modes.mode();
    if (mode == WordListMode::WordsAndClues && m_modes.sepChar->text().trimmed().isEmpty()) {
        m_host.message(this, tr("Error"), tr("No word/clue seperator character specified."), Buttons::Ok);
        m_modes.sepChar->setFocus();
        return;
    }
    QStringList entries;
    for (const int row : selectedRows(m_list))
        entries << m_list->item(row)->text();
    if (const int over = entriesOverLimit(m_rows, static_cast<int>(entries.size())); over > 0) {
        if (m_host.message(this, tr("Warning"), tooManyEntriesQuestion(over), Buttons::YesNo) != Answer::Yes)
            return;
    }
    importEntries(m_rows, entries, mode, pairSeparator(m_modes.sepChar->text()));
    accept();
}

// --- Export ---

WordListExportDialog::WordListExportDialog(const DialogLook &look, Settings &settings, UiHost &host,
                                           std::vector<WordListRow> rows, bool isNew, QWidget *parent)
    : ConventionalDialog(look, QSize(560, 320), parent), m_settings(settings), m_host(host), m_rows(std::move(rows)),
      m_isNew(isNew)
{
    setObjectName(QStringLiteral("MyExport"));
    setWindowTitle(tr("Export"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Pairs line up in columns as they do in the file.
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    m_list->setProperty("qxKeepFont", true);
    m_list->setFont(fixed);

    auto *right = new QVBoxLayout;
    m_saveFile = makeButton(tr("Save &File"), "SaveFile", this, right);
    auto *selectAll = makeButton(tr("&Select All"), "SelectAll", this, right);
    auto *clear = makeButton(tr("C&lear"), "Clear", this, right);
    m_selectUsed = makeButton(tr("Select &Used"), "SelectUsed", this, right);
    right->addLayout(makeModeControls(m_modes, {tr("&Words"), tr("&Clues"), tr("Words &And Clues")}, m_host, this));
    right->addStretch(1);
    auto *exit = makeButton(tr("&Exit"), "ExitButton", this, right);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(right);

    connect(m_saveFile, &QPushButton::clicked, this, &WordListExportDialog::onSaveFileClicked);
    connect(selectAll, &QPushButton::clicked, m_list, &QListWidget::selectAll);
    connect(clear, &QPushButton::clicked, m_list, &QListWidget::clearSelection);
    connect(m_selectUsed, &QPushButton::clicked, this, &WordListExportDialog::onSelectUsedClicked);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &WordListExportDialog::enableSave);
    for (auto [button, mode] :
         {std::pair{m_modes.asWords, WordListMode::Words}, std::pair{m_modes.asClues, WordListMode::Clues},
          std::pair{m_modes.asWordsAndClues, WordListMode::WordsAndClues}}) {
        connect(button, &QRadioButton::toggled, this, [this, mode](bool on) {
            if (on)
                setMode(mode);
        });
    }
    connect(m_modes.sepChar, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (m_modes.mode() == WordListMode::WordsAndClues)
            fillList();
        if (!text.trimmed().isEmpty())
            m_settings.createOptions.sepChar = text[0];
    });
}

QPushButton *WordListExportDialog::button(const QString &objectName) const
{
    return findChild<QPushButton *>(objectName);
}

void WordListExportDialog::showEvent(QShowEvent *event)
{
    ConventionalDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        formShow();
    }
}

void WordListExportDialog::formShow()
{
    {
        const QSignalBlocker quiet(m_modes.sepChar);
        m_modes.sepChar->setText(QString(m_settings.createOptions.sepChar));
    }
    m_modes.select(wordListMode(m_settings.createOptions.exportOption));
    m_modes.showSeparator();
    fillList();
    m_selectUsed->setEnabled(!m_isNew);
}

void WordListExportDialog::setMode(WordListMode mode)
{
    m_settings.createOptions.exportOption = static_cast<int>(mode);
    m_modes.showSeparator();
    fillList();
}

void WordListExportDialog::fillList()
{
    m_entries = exportEntries(m_rows, m_modes.mode(), pairSeparator(m_modes.sepChar->text()));
    {
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        for (const ExportEntry &entry : m_entries)
            m_list->addItem(entry.text);
    }
    enableSave();
}

void WordListExportDialog::enableSave()
{
    m_saveFile->setEnabled(!selectedRows(m_list).empty());
}

void WordListExportDialog::onSelectUsedClicked()
{
    {
        const QSignalBlocker quiet(m_list);
        for (int i = 0; i < m_list->count(); ++i)
            m_list->item(i)->setSelected(m_entries[static_cast<size_t>(i)].used);
    }
    enableSave();
}

void WordListExportDialog::onSaveFileClicked()
{
    const std::vector<int> rows = selectedRows(m_list);
    if (rows.empty()) {
        m_host.message(this, tr("Error"),
                       tr("No words/clues selected for output.  Please select the desired words/clues."), Buttons::Ok);
        return;
    }
    FileRequest request = textFileRequest(tr("Save Word/Clue List"), TextFilter, m_settings.misc.lastExportWordFile);
    request.overwritePrompt = true;
    const auto path = m_host.saveFileName(this, request);
    if (!path)
        return;
    m_settings.misc.lastExportWordFile = *path;
    QStringList lines;
    for (const int row : rows)
        lines << m_entries[static_cast<size_t>(row)].text;
    if (const FileStatus written = writeWordListFile(*path, lines); !written) {
        if (written.error().kind == FileError::Kind::CannotOpen)
            m_host.message(this, tr("Error"), tr("Unable to create export file."), Buttons::Ok);
        else
            m_host.fileError(this, written.error(), tr("Unable to create export file."));
        return;
    }
    accept();
}

} // namespace qx
