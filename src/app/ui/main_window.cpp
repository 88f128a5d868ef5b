#include "app/ui/main_window.h"

#include "app/session.h"
#include "common/cp1252.h"
#include "common/io_error.h"
#include "common/paths.h"
#include "common/ui/ui_host.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QToolBar>

namespace qx {

namespace {

// The design size of the client area at factor 1.0, toolbar included.
constexpr int ClientWidth = 632;
constexpr int ClientHeight = 413;
constexpr int ToolBarHeight = 31;

QLabel *listCaption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFixedHeight(31);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::yellow);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSize(12);
    label->setFont(font);
    return label;
}

void fillList(QListWidget *box, const std::vector<TaggedEntry> &entries, std::optional<int> selected)
{
    const QSignalBlocker blocker(box);
    box->clear();
    for (const auto &entry : entries) {
        auto *item = new QListWidgetItem(cp1252::toUnicode(entry.text), box);
        item->setData(Qt::UserRole, entry.tag);
    }
    box->setCurrentRow(selected.value_or(-1));
    if (!selected)
        box->clearSelection();
}

} // namespace

TMainWin::TMainWin(Session &session, UiHost &host, QWidget *parent)
    : QMainWindow(parent), m_session(session), m_host(host)
{
    setObjectName(QStringLiteral("MainWin"));
    buildMenus();
    buildLists();
    setWindowTitle(caption());
}

void TMainWin::buildMenus()
{
    m_toolBar = addToolBar(tr("Commands"));
    m_toolBar->setMovable(false);
    m_toolBar->setFixedHeight(ToolBarHeight);

    QMenu *file = menuBar()->addMenu(tr("&File"));
    QAction *exit = file->addAction(tr("E&xit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    exit->setToolTip(tr("Exit Program"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    m_toolBar->addAction(exit);
}

void TMainWin::buildLists()
{
    auto *client = new QWidget(this);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192)); // silver
    client->setPalette(palette);
    client->setFixedSize(ClientWidth, ClientHeight - ToolBarHeight);

    // Captions over lists at left 24 and 288, lists 301 high ending 16 above the bottom.
    auto *grid = new QGridLayout(client);
    grid->setContentsMargins(24, 96 - 31 - ToolBarHeight, ClientWidth - 609, ClientHeight - 397);
    grid->setHorizontalSpacing(288 - 24 - 238);
    grid->setVerticalSpacing(0);

    m_categoryBox = new QListWidget(client);
    m_categoryBox->setObjectName(QStringLiteral("CategoryBox"));
    m_categoryBox->setFixedSize(238, 301);
    m_puzzleBox = new QListWidget(client);
    m_puzzleBox->setObjectName(QStringLiteral("PuzzleBox"));
    m_puzzleBox->setFixedSize(321, 301);

    grid->addWidget(listCaption(tr("Category"), client), 0, 0);
    grid->addWidget(listCaption(tr("Puzzles"), client), 0, 1);
    grid->addWidget(m_categoryBox, 1, 0);
    grid->addWidget(m_puzzleBox, 1, 1);
    grid->setRowStretch(2, 1);
    setCentralWidget(client);

    connect(m_categoryBox, &QListWidget::itemClicked, this, [this] { CategoryBoxClick(); });
    connect(m_categoryBox, &QListWidget::currentRowChanged, this, [this] { CategoryBoxClick(); });
    connect(m_puzzleBox, &QListWidget::currentRowChanged, this, [this] { PuzzleBoxClick(); });
}

QString TMainWin::caption() const
{
    return tr("Quorvex 98 (%1)").arg(displayName(QFileInfo(m_session.collectionPath()).absoluteFilePath()));
}

void TMainWin::LoadInPuzzles()
{
    try {
        m_session.collection.reload(m_session.collectionFile());
    } catch (const IoError &e) {
        m_session.collection.clear();
        m_host.ioError(this, e.message());
    }
    showCategories();
    showPuzzles();
}

void TMainWin::selectFirstPuzzle()
{
    m_session.collection.selectFirstPuzzle();
    showPuzzles();
}

void TMainWin::showCategories()
{
    fillList(m_categoryBox, m_session.collection.categories(), m_session.collection.selectedCategory());
}

void TMainWin::showPuzzles()
{
    fillList(m_puzzleBox, m_session.collection.puzzles(), m_session.collection.selectedPuzzle());
}

void TMainWin::CategoryBoxClick()
{
    const int row = m_categoryBox->currentRow();
    if (row < 0)
        return;
    const int shownBefore = m_session.collection.shownCategory();
    m_session.collection.selectCategory(row);
    if (m_session.collection.shownCategory() != shownBefore)
        showPuzzles();
}

void TMainWin::PuzzleBoxClick()
{
    const int row = m_puzzleBox->currentRow();
    m_session.collection.selectPuzzle(row < 0 ? std::nullopt : std::optional<int>(row));
}

void TMainWin::saveSettings()
{
    if (m_settingsSaved)
        return;
    m_settingsSaved = true;
    try {
        qx::saveSettings(m_session.settingsPath(), m_session.settings);
    } catch (const IoError &e) {
        m_host.ioError(this, tr("The settings could not be saved.\n%1").arg(e.message()));
    }
}

void TMainWin::closeEvent(QCloseEvent *event)
{
    saveSettings();
    event->accept();
}

} // namespace qx
