#include "words/ui/word_list_export_dialog.h"

#include "common/ui/ui_host.h"
#include "store/settings.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qx {

WordListExportDialog::WordListExportDialog(const DialogLook &look, Settings &settings, UiHost &host,
                                           std::vector<WordListRow> rows, bool isNew, QWidget *parent)
    : ConventionalDialog(look, QSize(560, 320), parent), m_settings(settings), m_host(host), m_rows(std::move(rows)),
      m_isNew(isNew)
{
    setObjectName(QStringLiteral("WordListExportDialog"));
    setWindowTitle(tr("Export"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("EntryList"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Pairs line up in columns as they do in the file.
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    m_list->setProperty("qxKeepFont", true);
    m_list->setFont(fixed);

    auto *right = new QVBoxLayout;
    m_saveFile = addColumnButton(tr("Save &File"), "SaveFile", this, right);
    auto *selectAll = addColumnButton(tr("&Select All"), "SelectAll", this, right);
    auto *clear = addColumnButton(tr("C&lear"), "Clear", this, right);
    m_selectUsed = addColumnButton(tr("Select &Used"), "SelectUsed", this, right);
    right->addLayout(makeModeControls(m_modes, {tr("&Words"), tr("&Clues"), tr("Words &And Clues")}, m_host, this));
    right->addStretch(1);
    auto *exit = addColumnButton(tr("&Exit"), "ExitButton", this, right);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(right);

    connect(m_saveFile, &QPushButton::clicked, this, &WordListExportDialog::saveWordList);
    connect(selectAll, &QPushButton::clicked, m_list, &QListWidget::selectAll);
    connect(clear, &QPushButton::clicked, m_list, &QListWidget::clearSelection);
    connect(m_selectUsed, &QPushButton::clicked, this, &WordListExportDialog::selectUsedWords);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &WordListExportDialog::enableSave);
    m_modes.onPicked(this, [this](WordListMode mode) { setMode(mode); });
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
        fillControls();
    }
}

void WordListExportDialog::fillControls()
{
    m_modes.fill(wordListMode(m_settings.createOptions.exportOption), m_settings.createOptions.sepChar);
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

void WordListExportDialog::selectUsedWords()
{
    {
        const QSignalBlocker quiet(m_list);
        for (int i = 0; i < m_list->count(); ++i)
            m_list->item(i)->setSelected(m_entries[static_cast<size_t>(i)].used);
    }
    enableSave();
}

void WordListExportDialog::saveWordList()
{
    const std::vector<int> rows = selectedRows(m_list);
    if (rows.empty()) {
        m_host.message(this, tr("Error"),
                       tr("No words/clues selected for output.  Please select the desired words/clues."), Buttons::Ok);
        return;
    }
    const FileRequest request =
        wordListFileRequest(tr("Save Word/Clue List"), false, m_settings.misc.lastExportWordFile);
    const auto path = m_host.saveFileName(this, request);
    if (!path)
        return;
    m_settings.misc.lastExportWordFile = *path;
    QStringList lines;
    for (const int row : rows)
        lines << m_entries[static_cast<size_t>(row)].text;
    if (const FileStatus written = writeWordListFile(*path, lines, ReplaceConfirmed); !written) {
        if (written.error().kind == FileError::Kind::CannotOpen)
            m_host.message(this, tr("Error"), tr("Unable to create export file."), Buttons::Ok);
        else
            m_host.fileError(this, written.error(), tr("Unable to create export file."));
        return;
    }
    accept();
}

} // namespace qx
