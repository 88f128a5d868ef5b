#include "app/ui/main_window.h"

#include "app/recent_files.h"
#include "app/session.h"
#include "app/ui/puzzle_transfer_dialogs.h"
#include "common/colors.h"
#include "common/cp1252.h"
#include "common/io_error.h"
#include "common/paths.h"
#include "common/ui/dialog_conventions.h"
#include "common/ui/ui_host.h"
#include "store/puzzle_transfer.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QToolBar>

#include <cmath>

namespace qx {

namespace {

// The design size of the client area at factor 1.0, toolbar included.
constexpr int ClientWidth = 632;
constexpr int ClientHeight = 413;
constexpr int ToolBarHeight = 31;

// The silver client area, with the tile repeated from the top-left corner when the background
// picture is on.
class ClientArea : public QWidget {
public:
    explicit ClientArea(const bool &tiled, QWidget *parent) : QWidget(parent), m_tiled(tiled)
    {
        m_tile.load(QStringLiteral(":/icons/tile.xpm"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(192, 192, 192));
        if (!m_tiled || m_tile.isNull())
            return;
        const QSize tiles = tileCounts(size(), m_tile.size());
        for (int r = 0; r < tiles.height(); ++r)
            for (int c = 0; c < tiles.width(); ++c)
                painter.drawPixmap(c * m_tile.width(), r * m_tile.height(), m_tile);
    }

private:
    const bool &m_tiled;
    QPixmap m_tile;
};

QLabel *listCaption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
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
    label->setProperty("qxKeepFont", true);
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

UserFont &userFont(Settings &settings, int which)
{
    return which == 0 ? settings.labelFont : (which == 1 ? settings.editFont : settings.buttonFont);
}

} // namespace

QSize tileCounts(QSize area, QSize tile)
{
    if (tile.width() <= 0 || tile.height() <= 0)
        return QSize(0, 0);
    return QSize((area.width() + tile.width() - 1) / tile.width(), (area.height() + tile.height() - 1) / tile.height());
}

MainWindow::MainWindow(Session &session, UiHost &host, QWidget *parent)
    : QMainWindow(parent), m_session(session), m_host(host), m_printer(std::make_unique<QPrinter>())
{
    setObjectName(QStringLiteral("MainWin"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/quorvex.xpm")));
    buildLists();
    buildMenus();
    buildToolBar();
    refreshRecentMenu();
    updateWindowsAvailability();
    setCaption();
}

MainWindow::~MainWindow() = default;

QAction *MainWindow::addAction(QMenu *menu, const QString &name, const QString &text, const QKeySequence &shortcut,
                               const QString &hint, std::function<void()> handler)
{
    auto *a = new QAction(text, this);
    a->setObjectName(name);
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    if (!hint.isEmpty())
        a->setToolTip(hint);
    if (handler)
        connect(a, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    if (menu)
        menu->addAction(a);
    QMainWindow::addAction(a);
    return a;
}

QAction *MainWindow::action(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

void MainWindow::buildMenus()
{
    const auto ctrl = [](int key) { return QKeySequence(Qt::CTRL | key); };
    const auto open = [this](std::function<void(MainWindow &)> Windows::*which) {
        return [this, which] {
            if (m_windows.*which)
                (m_windows.*which)(*this);
        };
    };

    QMenu *file = menuBar()->addMenu(tr("&File"));
    addAction(file, "MenuNewGroup", tr("&New Puzzle Collection File"), ctrl(Qt::Key_N),
              tr("Create New Puzzle Collection File"), [this] { onMenuNewGroupClicked(); });
    addAction(file, "MenuOpenGroup", tr("&Open Puzzle Collection File"), ctrl(Qt::Key_O),
              tr("Open Puzzle Collection File"), [this] { onMenuOpenGroupClicked(); });
    file->addSeparator();
    addAction(file, "MenuNewPuzzle", tr("Ne&w Puzzle"), ctrl(Qt::Key_W), tr("Create New Puzzle"),
              open(&Windows::newPuzzle));
    addAction(file, "MenuModifyPuzzle", tr("&Modify Puzzle"), ctrl(Qt::Key_M), tr("Modify Puzzle"), [this] {
        if (requireSelectedPuzzle() && m_windows.modifyPuzzle)
            m_windows.modifyPuzzle(*this);
    });
    addAction(file, "MenuCopyPuzzle", tr("&Copy Puzzle"), ctrl(Qt::Key_C), tr("Copy Puzzle"), [this] {
        if (requireSelectedPuzzle() && m_windows.copyPuzzle)
            m_windows.copyPuzzle(*this);
    });
    addAction(file, "MenuDeletePuzzle", tr("&Delete Puzzle"), ctrl(Qt::Key_D), tr("Delete Puzzle"),
              [this] { onMenuDeletePuzzleClicked(); });
    file->addSeparator();
    addAction(file, "MenuImport", tr("&Import Puzzles"), ctrl(Qt::Key_I), tr("Import Puzzles"),
              [this] { onMenuImportClicked(); });
    addAction(file, "MenuExport", tr("&Export Puzzles"), ctrl(Qt::Key_E), tr("Export Puzzles"),
              [this] { onMenuExportClicked(); });
    file->addSeparator();
    addAction(file, "MenuPrint", tr("&Print Puzzle"), ctrl(Qt::Key_P), tr("Print Puzzle"),
              [this] { onMenuPrintClicked(); });
    addAction(file, "MenuPrinterSetup", tr("Printer &Setup"), ctrl(Qt::Key_S), {},
              [this] { onMenuPrinterSetupClicked(); });
    file->addSeparator();
    addAction(file, "MenuExit", tr("E&xit"), ctrl(Qt::Key_X), tr("Exit Program"), [this] { close(); });
    m_recentSeparator = file->addSeparator();
    for (int k = 1; k <= 5; ++k)
        m_recentItems[k - 1] = addAction(file, QStringLiteral("MenuRecent%1").arg(k), QStringLiteral("&%1").arg(k), {},
                                         {}, [this, k] { onMenuRecentClicked(k); });

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    addAction(edit, "MenuPageLayout", tr("&Page Layout"), ctrl(Qt::Key_L), tr("Page Layout Designer"),
              open(&Windows::pageLayouts));
    addAction(edit, "MenuPuzzleShape", tr("Puzzle &Shape"), ctrl(Qt::Key_H), tr("Create Puzzle Shape"),
              open(&Windows::shapeLibrary));
    addAction(edit, "MenuPuzzleWords", tr("Puzzle &Words"), ctrl(Qt::Key_F), tr("Modify Puzzle Words"), [this] {
        if (requireSelectedPuzzle() && m_windows.puzzleWords)
            m_windows.puzzleWords(*this);
    });

    QMenu *options = menuBar()->addMenu(tr("&Options"));
    QMenu *screen = options->addMenu(tr("S&creen Size"));
    m_screenSizes = new QActionGroup(this);
    const std::array<std::pair<int, int>, 4> sizes = {{{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}}};
    for (size_t i = 0; i < sizes.size(); ++i) {
        const int w = sizes[i].first;
        QAction *a = addAction(
            screen, QStringLiteral("MenuScreen%1").arg(w), QStringLiteral("%1 x %2").arg(w).arg(sizes[i].second),
            QKeySequence(Qt::CTRL | (Qt::Key_F1 + static_cast<int>(i))), {}, [this, w] { onMenuScreenSizeClicked(w); });
        a->setCheckable(true);
        m_screenSizes->addAction(a);
    }
    QAction *background = addAction(options, "MenuBackground", tr("&Background Bitmap"), ctrl(Qt::Key_G), {},
                                    [this] { onMenuBackgroundClicked(); });
    background->setCheckable(true);
    addAction(options, "MenuJpegFactor", tr("&JPEG Compression Factor"), ctrl(Qt::Key_J), {}, {});
    QMenu *colours = options->addMenu(tr("C&olors For Saving Bitmaps && JPEGs"));
    m_pixelFormats = new QActionGroup(this);
    for (const auto &[name, text, format] : {std::tuple{"Menu256Colors", tr("&256 Colors"), 2},
                                             std::tuple{"Menu16MColors", tr("&16 Million Colors"), 1}}) {
        QAction *a = addAction(colours, QString::fromLatin1(name), text, {}, {},
                               [this, format = format] { m_session.settings.reports.pixelFormat = format; });
        a->setCheckable(true);
        m_pixelFormats->addAction(a);
    }
    addAction(options, "MenuIntlChars", tr("&International Characters"), ctrl(Qt::Key_Y), {}, {});
    // Ctrl+H belongs to "Puzzle &Shape", which comes first; this item only shows it.
    addAction(options, "MenuClueHeaders", tr("&Clue Headers") + QStringLiteral("\tCtrl+H"), {}, {},
              open(&Windows::clueHeaders));
    addAction(options, "MenuWordSeparators", tr("&Word Separator Chars"), ctrl(Qt::Key_B), {}, {});
    QMenu *dictionary = options->addMenu(tr("&Dictionary Type"));
    auto *dictionaries = new QActionGroup(this);
    const QStringList languages = {tr("&Choose At Spell Check Time"),
                                   tr("&American"),
                                   tr("&British"),
                                   tr("&Spanish"),
                                   tr("&Italian"),
                                   tr("&French"),
                                   tr("&German"),
                                   tr("&Dutch"),
                                   tr("S&wedish")};
    for (int i = 0; i < languages.size(); ++i) {
        const int code = i == 0 ? 9 : i;
        QAction *a = addAction(dictionary, QStringLiteral("MenuDictionary%1").arg(code), languages[i], {}, {},
                               [this, code] { m_session.settings.misc.dictionary = code; });
        a->setCheckable(true);
        a->setChecked(m_session.settings.misc.dictionary == code);
        dictionaries->addAction(a);
    }
    addAction(options, "MenuAddToDictionary", tr("&Add to Dictionary"), ctrl(Qt::Key_T), {}, {});
    addAction(options, "MenuExcludeFromDictionary", tr("&Exclude From Dictionary"), ctrl(Qt::Key_U), {}, {});
    QMenu *thesaurus = options->addMenu(tr("&Thesaurus Type"));
    auto *thesauri = new QActionGroup(this);
    const QStringList kinds = {tr("&Choose at Thesaurus Use Time"), tr("&American"), tr("&British")};
    for (int i = 0; i < kinds.size(); ++i) {
        const int code = i == 0 ? 3 : i;
        QAction *a = addAction(thesaurus, QStringLiteral("MenuThesaurus%1").arg(code), kinds[i], {}, {},
                               [this, code] { m_session.settings.misc.thesaurus = code; });
        a->setCheckable(true);
        a->setChecked(m_session.settings.misc.thesaurus == code);
        thesauri->addAction(a);
    }
    options->addSeparator();
    addAction(options, "MenuLabelFont", tr("&Label Font"), QKeySequence(Qt::SHIFT | Qt::Key_F8), {},
              [this] { onMenuFontClicked(0); });
    addAction(options, "MenuEditFont", tr("E&dit Font"), QKeySequence(Qt::SHIFT | Qt::Key_F9), {},
              [this] { onMenuFontClicked(1); });
    addAction(options, "MenuButtonFont", tr("B&utton Font"), QKeySequence(Qt::SHIFT | Qt::Key_F10), {},
              [this] { onMenuFontClicked(2); });

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    addAction(help, "MenuHelpContents", tr("&Contents"), ctrl(Qt::Key_K), tr("Help"), [this] {
        if (m_windows.help)
            m_windows.help(*this, QString());
    });
    addAction(help, "MenuUserManual", tr("&User Manual"), {}, {}, open(&Windows::manualNotice));
    addAction(help, "MenuTips", tr("&Review Tips of the Day"), {}, {}, open(&Windows::tipOfTheDay));
    addAction(help, "MenuDataExchange", tr("&Data Exchange via Internet"), {}, {}, [this] {
        if (m_windows.help)
            m_windows.help(*this, QStringLiteral("HALCYNET"));
    });
    addAction(help, "MenuAbout", tr("&About"), ctrl(Qt::Key_A), {}, open(&Windows::aboutBox));

    // The state the settings give at start-up.
    action(QStringLiteral("MenuBackground"))->setChecked(m_session.settings.misc.backgroundBitmap);
    const int pixelFormat = m_session.settings.reports.pixelFormat;
    if (pixelFormat == 1)
        action(QStringLiteral("Menu16MColors"))->setChecked(true);
    else if (pixelFormat == 2)
        action(QStringLiteral("Menu256Colors"))->setChecked(true);
    const int windowSize = effectiveWindowSize(m_session.settings.misc.windowSize, m_session.screen);
    action(QStringLiteral("MenuScreen%1").arg(windowSize))->setChecked(true);
}

void MainWindow::buildToolBar()
{
    m_toolBar = addToolBar(tr("Commands"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(scaledBy(16, m_session.screenFactor), scaledBy(16, m_session.screenFactor)));
    m_toolBar->setFixedHeight(scaledBy(ToolBarHeight, m_session.screenFactor));
    const std::array<std::pair<const char *, const char *>, 14> buttons = {{
        {"MenuNewGroup", "new_collection"},
        {"MenuOpenGroup", "open_collection"},
        {"MenuNewPuzzle", "new_puzzle"},
        {"MenuModifyPuzzle", "modify_puzzle"},
        {"MenuCopyPuzzle", "copy_puzzle"},
        {"MenuDeletePuzzle", "delete_puzzle"},
        {"MenuImport", "import_puzzles"},
        {"MenuExport", "export_puzzles"},
        {"MenuPrint", "print_puzzle"},
        {"MenuPageLayout", "page_layout"},
        {"MenuPuzzleShape", "puzzle_shape"},
        {"MenuPuzzleWords", "puzzle_words"},
        {"MenuHelpContents", "help"},
        {"MenuExit", "exit"},
    }};
    for (const auto &[name, glyph] : buttons) {
        QAction *a = action(QString::fromLatin1(name));
        a->setIcon(QIcon(QStringLiteral(":/icons/%1.xpm").arg(QLatin1String(glyph))));
        m_toolBar->addAction(a);
        if (QString::fromLatin1(name) == QLatin1String("MenuExport") ||
            QString::fromLatin1(name) == QLatin1String("MenuPrint") ||
            QString::fromLatin1(name) == QLatin1String("MenuPuzzleWords"))
            m_toolBar->addSeparator();
    }
}

void MainWindow::buildLists()
{
    m_client = new ClientArea(m_session.settings.misc.backgroundBitmap, this);
    m_client->setObjectName(QStringLiteral("ClientArea"));

    auto *grid = new QGridLayout(m_client);
    grid->setContentsMargins(24, 96 - 31 - ToolBarHeight, ClientWidth - 609, ClientHeight - 397);
    grid->setHorizontalSpacing(288 - 24 - 238);
    grid->setVerticalSpacing(0);

    m_categoryBox = new QListWidget(m_client);
    m_categoryBox->setObjectName(QStringLiteral("CategoryBox"));
    m_puzzleBox = new QListWidget(m_client);
    m_puzzleBox->setObjectName(QStringLiteral("PuzzleBox"));
    for (QListWidget *box : {m_categoryBox, m_puzzleBox}) {
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(10);
        box->setFont(font);
    }
    auto *categoryCaption = listCaption(tr("Category"), m_client);
    categoryCaption->setObjectName(QStringLiteral("CategoryCaption"));
    auto *puzzleCaption = listCaption(tr("Puzzles"), m_client);
    puzzleCaption->setObjectName(QStringLiteral("PuzzleCaption"));
    grid->addWidget(categoryCaption, 0, 0);
    grid->addWidget(puzzleCaption, 0, 1);
    grid->addWidget(m_categoryBox, 1, 0);
    grid->addWidget(m_puzzleBox, 1, 1);
    grid->setRowStretch(2, 1);
    setCentralWidget(m_client);

    connect(m_categoryBox, &QListWidget::itemClicked, this, [this] { onCategoryBoxClicked(); });
    connect(m_categoryBox, &QListWidget::currentRowChanged, this, [this] { onCategoryBoxClicked(); });
    connect(m_puzzleBox, &QListWidget::currentRowChanged, this, [this] { onPuzzleBoxClicked(); });
    connect(m_puzzleBox, &QListWidget::itemDoubleClicked, this, [this] { onPuzzleBoxDoubleClicked(); });
    applyScreenFactor();
}

void MainWindow::applyScreenFactor()
{
    const double f = m_session.screenFactor;
    m_client->setFixedSize(scaledBy(ClientWidth, f), scaledBy(ClientHeight - ToolBarHeight, f));
    m_categoryBox->setFixedSize(scaledBy(238, f), scaledBy(301, f));
    m_puzzleBox->setFixedSize(scaledBy(321, f), scaledBy(301, f));
    for (auto *caption : m_client->findChildren<QLabel *>())
        caption->setFixedHeight(scaledBy(31, f));
    auto *grid = static_cast<QGridLayout *>(m_client->layout());
    grid->setContentsMargins(scaledBy(24, f), scaledBy(96 - 31 - ToolBarHeight, f), scaledBy(ClientWidth - 609, f),
                             scaledBy(ClientHeight - 397, f));
    grid->setHorizontalSpacing(scaledBy(288 - 24 - 238, f));
    grid->activate();
    if (m_toolBar) {
        m_toolBar->setIconSize(QSize(scaledBy(16, f), scaledBy(16, f)));
        m_toolBar->setFixedHeight(scaledBy(ToolBarHeight, f));
    }
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    adjustSize();
    // Centred across, ten pixels above the middle, never above the top of the screen.
    const QSize screen = m_session.screen;
    move((screen.width() - width()) / 2, std::max(0, (screen.height() - height()) / 2 - 10));
}

void MainWindow::setWindows(Windows windows)
{
    m_windows = std::move(windows);
    updateWindowsAvailability();
    enableDisable();
}

void MainWindow::updateWindowsAvailability()
{
    // Commands whose windows are not part of the program yet are shown but cannot be chosen.
    const auto available = [this](const char *name, bool there) {
        if (QAction *a = action(QString::fromLatin1(name)))
            a->setEnabled(there);
    };
    available("MenuNewPuzzle", bool(m_windows.newPuzzle));
    available("MenuPageLayout", bool(m_windows.pageLayouts));
    available("MenuPuzzleShape", bool(m_windows.shapeLibrary));
    available("MenuUserManual", bool(m_windows.manualNotice));
    available("MenuTips", bool(m_windows.tipOfTheDay));
    available("MenuAbout", bool(m_windows.aboutBox));
    available("MenuHelpContents", bool(m_windows.help));
    available("MenuDataExchange", bool(m_windows.help));
    available("MenuClueHeaders", bool(m_windows.clueHeaders));
    for (const char *later :
         {"MenuJpegFactor", "MenuIntlChars", "MenuWordSeparators", "MenuAddToDictionary", "MenuExcludeFromDictionary"})
        available(later, false);
}

void MainWindow::enableDisable()
{
    const bool selected = m_session.collection.selectedRecord().has_value();
    const auto set = [this](const char *name, bool enabled) { action(QString::fromLatin1(name))->setEnabled(enabled); };
    set("MenuModifyPuzzle", selected && bool(m_windows.modifyPuzzle));
    set("MenuCopyPuzzle", selected && bool(m_windows.copyPuzzle));
    set("MenuDeletePuzzle", selected);
    set("MenuPrint", selected);
    set("MenuPuzzleWords", selected && bool(m_windows.puzzleWords));
}

QString MainWindow::caption() const
{
    return tr("Quorvex 98 (%1)").arg(displayName(QFileInfo(m_session.collectionPath()).absoluteFilePath()));
}

void MainWindow::setCaption()
{
    setWindowTitle(caption());
}

void MainWindow::loadInPuzzles()
{
    try {
        m_session.collection.reload(m_session.collectionFile());
    } catch (const IoError &e) {
        m_session.collection.clear();
        m_host.ioError(this, e.message());
    }
    showCategories();
    showPuzzles();
    enableDisable();
}

void MainWindow::selectFirstPuzzle()
{
    m_session.collection.selectFirstPuzzle();
    showPuzzles();
    enableDisable();
}

void MainWindow::showCategories()
{
    fillList(m_categoryBox, m_session.collection.categories(), m_session.collection.selectedCategory());
}

void MainWindow::showPuzzles()
{
    fillList(m_puzzleBox, m_session.collection.puzzles(), m_session.collection.selectedPuzzle());
}

void MainWindow::onCategoryBoxClicked()
{
    const int row = m_categoryBox->currentRow();
    if (row < 0)
        return;
    const int shownBefore = m_session.collection.shownCategory();
    m_session.collection.selectCategory(row);
    if (m_session.collection.shownCategory() != shownBefore)
        showPuzzles();
    enableDisable();
}

void MainWindow::onPuzzleBoxClicked()
{
    const int row = m_puzzleBox->currentRow();
    m_session.collection.selectPuzzle(row < 0 ? std::nullopt : std::optional<int>(row));
    enableDisable();
}

void MainWindow::onPuzzleBoxDoubleClicked()
{
    onMenuPrintClicked();
}

std::optional<int> MainWindow::requireSelectedPuzzle()
{
    const auto record = m_session.collection.selectedRecord();
    if (!record)
        m_host.message(this, tr("Error"), tr("No puzzle selected.  Please select a puzzle first."), Buttons::Ok);
    return record;
}

bool MainWindow::readSelectedPuzzle(const QString &failureMessage)
{
    const auto n = requireSelectedPuzzle();
    if (!n)
        return false;
    try {
        const auto record = m_session.collectionFile().read(*n);
        if (!record) {
            m_host.message(this, tr("Error"), failureMessage, Buttons::Ok);
            return false;
        }
        *m_session.current = *record;
    } catch (const IoError &e) {
        m_host.ioError(this, e.message());
        return false;
    }
    return true;
}

void MainWindow::openCollection(const QString &path)
{
    const QString previous = m_session.collectionPath();
    m_session.settings.misc.lastGroup = path;
    setCaption();
    m_session.collection.setReselectPending({}, {});
    m_session.collection = CollectionView();
    loadInPuzzles();
    updateRecentFiles(m_session.settings.misc.lastFiles, previous, path);
    refreshRecentMenu();
    enableDisable();
}

void MainWindow::onMenuNewGroupClicked()
{
    FileRequest request{tr("Create New Puzzle Group"),
                        QString::fromLatin1(CollectionFilter),
                        QStringLiteral("QX3"),
                        m_session.collectionPath(),
                        false,
                        true};
    const auto path = m_host.saveFileName(this, request);
    if (!path)
        return;
    if (!CollectionFile(*path).createEmpty()) {
        m_host.message(this, tr("Error"), tr("The puzzle collection file %1 could not be created.").arg(*path),
                       Buttons::Ok);
        return;
    }
    const QString previous = m_session.collectionPath();
    m_session.settings.misc.lastGroup = *path;
    m_session.collection.clear();
    showCategories();
    showPuzzles();
    updateRecentFiles(m_session.settings.misc.lastFiles, previous, *path);
    refreshRecentMenu();
    setCaption();
    enableDisable();
    if (m_windows.newPuzzle &&
        m_host.message(this, tr("New Puzzle"),
                       tr("Would you like to create your first puzzle now for this new puzzle collection?"),
                       Buttons::YesNo) == Answer::Yes)
        m_windows.newPuzzle(*this);
}

void MainWindow::onMenuOpenGroupClicked()
{
    FileRequest request{tr("Open Puzzle Group"),
                        QString::fromLatin1(CollectionFilter),
                        QStringLiteral("QX3"),
                        m_session.collectionPath(),
                        true,
                        false};
    const auto path = m_host.openFileName(this, request);
    if (!path) {
        enableDisable();
        return;
    }
    if (QFileInfo(*path).suffix().compare(QLatin1String("QX3"), Qt::CaseInsensitive) != 0) {
        m_host.message(this, tr("Error"), tr("The file selected is not a valid Crossword file."), Buttons::Ok);
        return;
    }
    openCollection(*path);
}

void MainWindow::onMenuRecentClicked(int k)
{
    const QString path = m_session.settings.misc.lastFiles[static_cast<size_t>(k - 1)];
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    openCollection(path);
}

void MainWindow::refreshRecentMenu()
{
    const auto &files = m_session.settings.misc.lastFiles;
    const bool any = std::any_of(files.begin(), files.end(), [](const QString &f) { return !f.isEmpty(); });
    m_recentSeparator->setVisible(any);
    for (int k = 1; k <= 5; ++k) {
        QAction *item = m_recentItems[static_cast<size_t>(k - 1)];
        const QString &path = files[static_cast<size_t>(k - 1)];
        item->setVisible(!path.isEmpty());
        item->setText(recentFileCaption(k, path));
    }
}

void MainWindow::onMenuDeletePuzzleClicked()
{
    const auto record = requireSelectedPuzzle();
    if (!record)
        return;
    const QString name = cp1252::toUnicode(m_session.collection.selectedPuzzleName());
    if (m_host.message(this, tr("Delete"), tr("Are you sure you want to delete %1?").arg(name), Buttons::YesNo) !=
        Answer::Yes)
        return;
    m_session.collection.setReselectAfterDelete();
    try {
        // A file that cannot be opened loses nothing; the lists are reloaded all the same.
        m_session.collectionFile().remove(*record);
    } catch (const IoError &e) {
        m_host.ioError(this, e.message());
    }
    loadInPuzzles();
}

void MainWindow::onMenuImportClicked()
{
    runPuzzleImport(*this, m_session, m_host);
}

void MainWindow::onMenuExportClicked()
{
    runPuzzleExport(*this, m_session, m_host);
}

void MainWindow::onMenuPrintClicked()
{
    if (!readSelectedPuzzle(tr("Unable to load puzzle.")))
        return;
    if (m_session.current->PuzzleBuilt == 0) {
        m_host.message(this, tr("Warning"),
                       tr("A puzzle has never been generated for this word/clue list. Please select "
                          "\"File|Modify\" from the menu and create the puzzle first"),
                       Buttons::Ok);
        return;
    }
    if (m_windows.printOptions)
        m_windows.printOptions(*this, *m_session.current);
}

void MainWindow::onMenuPrinterSetupClicked()
{
    m_host.printerSetup(this, *m_printer);
}

void MainWindow::onMenuScreenSizeClicked(int windowSize)
{
    const int current = effectiveWindowSize(m_session.settings.misc.windowSize, m_session.screen);
    QAction *item = action(QStringLiteral("MenuScreen%1").arg(windowSize));
    if (windowSize == current) {
        action(QStringLiteral("MenuScreen%1").arg(current))->setChecked(true);
        return;
    }
    if (effectiveWindowSize(windowSize, m_session.screen) != windowSize) {
        action(QStringLiteral("MenuScreen%1").arg(current))->setChecked(true);
        const QString size = item->text();
        m_host.message(this, tr("Error"), tr("Your current screen resolution does not support %1 pixels.").arg(size),
                       Buttons::Ok);
        return;
    }
    item->setChecked(true);
    m_session.settings.misc.windowSize = windowSize;
    m_session.screenFactor = screenFactorFor(windowSize, m_session.screen);
    applyUserFonts(*this, m_session.look());
    applyScreenFactor();
    update();
}

void MainWindow::onMenuBackgroundClicked()
{
    auto &flag = m_session.settings.misc.backgroundBitmap;
    flag = !flag;
    action(QStringLiteral("MenuBackground"))->setChecked(flag);
    m_client->update();
}

void MainWindow::onMenuFontClicked(int which)
{
    UserFont &font = userFont(m_session.settings, which);
    QFont initial(font.name);
    initial.setBold(font.bold);
    initial.setItalic(font.italic);
    const auto chosen = m_host.chooseFont(this, FontChoice{initial, fromColorValue(static_cast<uint32_t>(font.color))});
    if (!chosen)
        return;
    font.name = chosen->font.family();
    font.bold = chosen->font.bold();
    font.italic = chosen->font.italic();
    font.color = static_cast<int>(toColorValue(chosen->color));
    applyUserFonts(*this, m_session.look());
}

void MainWindow::saveSettings()
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

void MainWindow::closeEvent(QCloseEvent *event)
{
    saveSettings();
    event->accept();
}

void MainWindow::showEvent(QShowEvent *event)
{
    if (!m_shownOnce) {
        m_shownOnce = true;
        applyUserFonts(*this, m_session.look());
        enableDisable();
    }
    QMainWindow::showEvent(event);
}

bool MainWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !m_activatedOnce) {
        m_activatedOnce = true;
        if (m_session.settings.misc.showTips && m_windows.tipOfTheDay)
            QMetaObject::invokeMethod(
                this, [this] { m_windows.tipOfTheDay(*this); }, Qt::QueuedConnection);
    }
    return QMainWindow::event(event);
}

} // namespace qx
