#include "words/ui/word_list_import_dialog.h"

#include "common/ui/ui_host.h"
#include "store/settings.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <utility>

namespace qx {

WordListImportDialog::WordListImportDialog(const DialogLook &look, Settings &settings, UiHost &host,
                                           std::vector<WordListRow> rows, QWidget *parent)
    : ConventionalDialog(look, QSize(460, 320), parent), m_settings(settings), m_host(host), m_rows(std::move(rows))
{
    setObjectName(QStringLiteral("Import"));
    setWindowTitle(tr("Import"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("EntryList"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);

    auto *right = new QVBoxLayout;
    m_openFile = addColumnButton(tr("&Open File"), "OpenFile", this, right);
    m_selectAll = addColumnButton(tr("Select &All"), "SelectAll", this, right);
    m_clear = addColumnButton(tr("C&lear"), "Clear", this, right);
    right->addLayout(
        makeModeControls(m_modes, {tr("As &Words"), tr("As &Clues"), tr("&As Words and Clues")}, m_host, this));
    right->addStretch(1);
    m_ok = addColumnButton(tr("&Ok"), "Ok", this, right);
    auto *cancel = addColumnButton(tr("&Cancel"), "Cancel", this, right);
    auto *help = addColumnButton(tr("&Help"), "Help", this, right);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(right);

    connect(m_openFile, &QPushButton::clicked, this, &WordListImportDialog::openWordFile);
    connect(m_selectAll, &QPushButton::clicked, m_list, &QListWidget::selectAll);
    connect(m_clear, &QPushButton::clicked, m_list, &QListWidget::clearSelection);
    connect(m_ok, &QPushButton::clicked, this, &WordListImportDialog::acceptEntries);
    // Help has no page of its own here: it closes the window as Cancel does.
    for (QPushButton *close : {cancel, help})
        connect(close, &QPushButton::clicked, this, &QDialog::reject);
    m_modes.onPicked(this, [this](WordListMode mode) { setMode(mode); });
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
        fillControls();
    }
}

void WordListImportDialog::fillControls()
{
    m_modes.fill(wordListMode(m_settings.createOptions.importOption), m_settings.createOptions.sepChar);
    for (QPushButton *b : {m_selectAll, m_clear, m_ok})
        b->setEnabled(false);
    shareAccelerators();
}

// "&Open File" and "&Ok" share Alt+O, "Select &All" and "&As Words and Clues" share Alt+A, and Qt
// would only move the focus between them. Until a file is read (Ok and Select All cannot be used)
// the keys open a file and pick the mode; from then on they press Ok and Select All.
void WordListImportDialog::shareAccelerators()
{
    const bool filled = m_ok->isEnabled();
    // A disabled button still holds its letter, which would leave the keys ambiguous.
    const std::pair<QAbstractButton *, QAbstractButton *> shared[] = {{m_openFile, m_ok},
                                                                      {m_modes.asWordsAndClues, m_selectAll}};
    for (const auto &[before, after] : shared) {
        const QKeySequence first = QKeySequence::mnemonic(before->text());
        const QKeySequence second = QKeySequence::mnemonic(after->text());
        if (first != second) {
            // A translation that gives the two letters of their own: each keeps its key.
            before->setShortcut(first);
            after->setShortcut(second);
            continue;
        }
        before->setShortcut(filled ? QKeySequence() : first);
        after->setShortcut(filled ? second : QKeySequence());
    }
}

void WordListImportDialog::setMode(WordListMode mode)
{
    m_settings.createOptions.importOption = static_cast<int>(mode);
    m_modes.showSeparator();
}

void WordListImportDialog::openWordFile()
{
    const FileRequest request =
        wordListFileRequest(tr("Import Word/Clue List"), true, m_settings.misc.lastImportWordFile);
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
    // Lines a puzzle cannot store are named; the rest is imported only when the user agrees.
    if (!read->refused.empty()) {
        if (read->entries.isEmpty()) {
            m_host.message(this, tr("Error"), refusedLinesText(read->refused, false), Buttons::Ok);
            return;
        }
        if (m_host.message(this, tr("Warning"), refusedLinesText(read->refused, true), Buttons::YesNo) != Answer::Yes)
            return;
    }
    QStringList entries = read->entries;
    sortEntries(entries);
    m_list->clear();
    m_list->addItems(entries);
    for (QPushButton *b : {m_selectAll, m_clear, m_ok})
        b->setEnabled(true);
    shareAccelerators();
}

void WordListImportDialog::acceptEntries()
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

} // namespace qx
