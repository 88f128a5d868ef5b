#include "app/ui/main_window.h"

#include "app/recent_files.h"
#include "app/session.h"
#include "app/ui/export_puzzles_dialog.h"
#include "app/ui/import_puzzles_dialog.h"
#include "common/colors.h"
#include "common/cp1252.h"
#include "common/paths.h"
#include "common/product.h"
#include "common/translations.h"
#include "common/ui/dialog_conventions.h"
#include "common/ui/ui_host.h"
#include "lexicon/languages.h"
#include "lexicon/ui/lexicon_windows.h"
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
#include <QScrollArea>
#include <QToolBar>

#include <cmath>

namespace qx {

namespace {

// The design size of the client area at factor 1.0, toolbar included.
constexpr int ClientWidth = 632;
constexpr int ClientHeight = 413;
constexpr int ToolBarHeight = 31;

// The window sizes of "Screen Size", in menu order.
constexpr std::array<QSize, 4> WindowSizes = {QSize(640, 480), QSize(800, 600), QSize(1024, 768), QSize(1280, 1024)};

QKeySequence ctrl(int key)
{
    return QKeySequence(Qt::CTRL | key);
}

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
    setObjectName(QStringLiteral("MainWindow"));
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

QAction *MainWindow::addChoice(QMenu *menu, QActionGroup *group, const QString &name, const QString &text,
                               const QKeySequence &shortcut, std::function<void()> handler)
{
    QAction *a = addAction(menu, name, text, shortcut, {}, std::move(handler));
    a->setCheckable(true);
    group->addAction(a);
    return a;
}

QAction *MainWindow::screenSizeAction(int windowSize) const
{
    for (size_t i = 0; i < WindowSizes.size(); ++i) {
        if (WindowSizes[i].width() == windowSize)
            return m_actions.screenSizes[i];
    }
    return nullptr;
}

std::function<void()> MainWindow::opener(std::function<void(MainWindow &)> Windows::*window)
{
    return [this, window] {
        if (m_windows.*window)
            (m_windows.*window)(*this);
    };
}

std::function<void()> MainWindow::puzzleOpener(std::function<void(MainWindow &)> Windows::*window)
{
    return [this, window] {
        if (requireSelectedPuzzle() && m_windows.*window)
            (m_windows.*window)(*this);
    };
}

void MainWindow::buildMenus()
{
    buildFileMenu();
    buildEditMenu();
    buildOptionsMenu();
    buildHelpMenu();
    showSettingsInMenus();
}

void MainWindow::buildFileMenu()
{
    Actions &a = m_actions;
    QMenu *file = menuBar()->addMenu(tr("&File"));
    a.newCollection = addAction(file, "MenuNewCollection", tr("&New Puzzle Collection File"), ctrl(Qt::Key_N),
                                tr("Create New Puzzle Collection File"), [this] { createCollection(); });
    a.openCollection = addAction(file, "MenuOpenCollection", tr("&Open Puzzle Collection File"), ctrl(Qt::Key_O),
                                 tr("Open Puzzle Collection File"), [this] { chooseCollection(); });
    file->addSeparator();
    a.newPuzzle = addAction(file, "MenuNewPuzzle", tr("Ne&w Puzzle"), ctrl(Qt::Key_W), tr("Create New Puzzle"),
                            opener(&Windows::newPuzzle));
    a.modifyPuzzle = addAction(file, "MenuModifyPuzzle", tr("&Modify Puzzle"), ctrl(Qt::Key_M), tr("Modify Puzzle"),
                               puzzleOpener(&Windows::modifyPuzzle));
    a.copyPuzzle = addAction(file, "MenuCopyPuzzle", tr("&Copy Puzzle"), ctrl(Qt::Key_C), tr("Copy Puzzle"),
                             puzzleOpener(&Windows::copyPuzzle));
    a.deletePuzzle = addAction(file, "MenuDeletePuzzle", tr("&Delete Puzzle"), ctrl(Qt::Key_D), tr("Delete Puzzle"),
                               [this] { deleteSelectedPuzzle(); });
    file->addSeparator();
    a.importPuzzles = addAction(file, "MenuImport", tr("&Import Puzzles"), ctrl(Qt::Key_I), tr("Import Puzzles"),
                                [this] { showImportPuzzles(); });
    a.exportPuzzles = addAction(file, "MenuExport", tr("&Export Puzzles"), ctrl(Qt::Key_E), tr("Export Puzzles"),
                                [this] { showExportPuzzles(); });
    file->addSeparator();
    a.printPuzzle = addAction(file, "MenuPrint", tr("&Print Puzzle"), ctrl(Qt::Key_P), tr("Print Puzzle"),
                              [this] { printSelectedPuzzle(); });
    a.printerSetup =
        addAction(file, "MenuPrinterSetup", tr("Printer &Setup"), ctrl(Qt::Key_S), {}, [this] { setUpPrinter(); });
    file->addSeparator();
    a.exit = addAction(file, "MenuExit", tr("E&xit"), ctrl(Qt::Key_X), tr("Exit Program"), [this] { close(); });
    m_recentSeparator = file->addSeparator();
    for (int k = 1; k <= 5; ++k)
        a.recentFiles[static_cast<size_t>(k - 1)] =
            addAction(file, QStringLiteral("MenuRecent%1").arg(k), QStringLiteral("&%1").arg(k), {}, {},
                      [this, k] { openRecent(k); });
}

void MainWindow::buildEditMenu()
{
    Actions &a = m_actions;
    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    a.pageLayout = addAction(edit, "MenuPageLayout", tr("&Page Layout"), ctrl(Qt::Key_L), tr("Page Layout Designer"),
                             opener(&Windows::pageLayouts));
    a.puzzleShape = addAction(edit, "MenuPuzzleShape", tr("Puzzle &Shape"), ctrl(Qt::Key_H), tr("Create Puzzle Shape"),
                              opener(&Windows::shapeLibrary));
    a.puzzleWords = addAction(edit, "MenuPuzzleWords", tr("Puzzle &Words"), ctrl(Qt::Key_F), tr("Modify Puzzle Words"),
                              puzzleOpener(&Windows::puzzleWords));
}

void MainWindow::buildOptionsMenu()
{
    Actions &a = m_actions;
    QMenu *options = menuBar()->addMenu(tr("&Options"));
    buildScreenSizeMenu(options);
    buildProgramLanguageMenu(options);
    a.backgroundBitmap = addAction(options, "MenuBackground", tr("&Background Bitmap"), ctrl(Qt::Key_G), {},
                                   [this] { toggleBackgroundBitmap(); });
    a.backgroundBitmap->setCheckable(true);
    a.jpegFactor = addAction(options, "MenuJpegFactor", tr("&JPEG Compression Factor"), ctrl(Qt::Key_J), {},
                             opener(&Windows::jpegFactor));
    buildPictureColourMenu(options);
    a.internationalChars = addAction(options, "MenuIntlChars", tr("&International Characters"), ctrl(Qt::Key_Y), {},
                                     opener(&Windows::internationalChars));
    // Ctrl+H belongs to "Puzzle &Shape", which comes first; this item only shows it.
    a.clueHeaders = addAction(options, "MenuClueHeaders", tr("&Clue Headers") + QLatin1Char('\t') +
                                  QKeySequence(Qt::CTRL | Qt::Key_H).toString(QKeySequence::NativeText), {}, {},
                              opener(&Windows::clueHeaders));
    a.wordSeparators = addAction(options, "MenuWordSeparators", tr("&Word Separator Chars"), ctrl(Qt::Key_B), {},
                                 opener(&Windows::wordSeparators));
    buildLanguageMenus(options);
    options->addSeparator();
    a.labelFont = addAction(options, "MenuLabelFont", tr("&Label Font"), QKeySequence(Qt::SHIFT | Qt::Key_F8), {},
                            [this] { chooseUserFont(0); });
    a.editFont = addAction(options, "MenuEditFont", tr("E&dit Font"), QKeySequence(Qt::SHIFT | Qt::Key_F9), {},
                           [this] { chooseUserFont(1); });
    a.buttonFont = addAction(options, "MenuButtonFont", tr("B&utton Font"), QKeySequence(Qt::SHIFT | Qt::Key_F10), {},
                             [this] { chooseUserFont(2); });
}

void MainWindow::buildScreenSizeMenu(QMenu *options)
{
    QMenu *screen = options->addMenu(tr("S&creen Size"));
    auto *group = new QActionGroup(this);
    for (size_t i = 0; i < WindowSizes.size(); ++i) {
        const int w = WindowSizes[i].width();
        m_actions.screenSizes[i] =
            addChoice(screen, group, QStringLiteral("MenuScreen%1").arg(w),
                      QStringLiteral("%1 x %2").arg(w).arg(WindowSizes[i].height()),
                      QKeySequence(Qt::CTRL | (Qt::Key_F1 + static_cast<int>(i))), [this, w] { setWindowSize(w); });
    }
}

void MainWindow::buildProgramLanguageMenu(QMenu *options)
{
    QMenu *menu = options->addMenu(tr("Lan&guage"));
    auto *group = new QActionGroup(this);
    const QString stored = m_session.settings.misc.language;
    // Each language by its own name, the same whatever language the windows are in.
    QStringList codes = {QString()};
    QStringList captions = {tr("&System Language")};
    for (const ProgramLanguage &language : programLanguages()) {
        codes << QLatin1String(language.code);
        captions << QString::fromUtf8(language.caption);
    }
    for (qsizetype i = 0; i < codes.size(); ++i) {
        const QString &code = codes[i];
        const QString &text = captions[i];
        const QString name = QStringLiteral("MenuLanguage") + (code.isEmpty() ? QStringLiteral("System") : code);
        QAction *item = addChoice(menu, group, name, text, {}, [this, code] { setProgramLanguage(code); });
        item->setChecked(code == stored || (code.isEmpty() && !isProgramLanguage(stored)));
        m_actions.programLanguages.push_back(item);
    }
}

void MainWindow::buildPictureColourMenu(QMenu *options)
{
    QMenu *colours = options->addMenu(tr("C&olors For Saving Bitmaps && JPEGs"));
    auto *group = new QActionGroup(this);
    m_actions.colors256 = addChoice(colours, group, QStringLiteral("Menu256Colors"), tr("&256 Colors"), {},
                                    [this] { m_session.settings.reports.pixelFormat = 2; });
    m_actions.colors16M = addChoice(colours, group, QStringLiteral("Menu16MColors"), tr("&16 Million Colors"), {},
                                    [this] { m_session.settings.reports.pixelFormat = 1; });
}

void MainWindow::buildLanguageMenus(QMenu *options)
{
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
        m_actions.dictionaries.push_back(addChoice(dictionary, dictionaries,
                                                   QStringLiteral("MenuDictionary%1").arg(code), languages[i], {},
                                                   [this, code] { m_session.settings.misc.dictionary = code; }));
        m_actions.dictionaries.back()->setChecked(m_session.settings.misc.dictionary == code);
        // Languages whose data is missing are shown but cannot be chosen.
        m_actions.dictionaries.back()->setEnabled(code == 9 || m_session.lexicon.language(code));
    }
    const auto listOpener = [this](bool include) {
        return [this, include] {
            if (m_windows.dictionaryList)
                m_windows.dictionaryList(*this, include);
        };
    };
    m_actions.addToDictionary =
        addAction(options, "MenuAddToDictionary", tr("&Add to Dictionary"), ctrl(Qt::Key_T), {}, listOpener(true));
    m_actions.excludeFromDictionary = addAction(options, "MenuExcludeFromDictionary", tr("&Exclude From Dictionary"),
                                                ctrl(Qt::Key_U), {}, listOpener(false));

    QMenu *thesaurus = options->addMenu(tr("&Thesaurus Type"));
    auto *thesauri = new QActionGroup(this);
    // The thesauri of other languages come after the two English ones, as codes 4..8.
    QStringList kinds = {tr("&Choose at Thesaurus Use Time")};
    std::vector<int> codes = {ChooseThesaurusAtUseTime};
    for (int code : ThesaurusCodes) {
        kinds << tr(thesaurusFiles(code).caption);
        codes.push_back(code);
    }
    for (int i = 0; i < kinds.size(); ++i) {
        const int code = codes[size_t(i)];
        m_actions.thesauri.push_back(addChoice(thesaurus, thesauri, QStringLiteral("MenuThesaurus%1").arg(code),
                                               kinds[i], {},
                                               [this, code] { m_session.settings.misc.thesaurus = code; }));
        m_actions.thesauri.back()->setChecked(m_session.settings.misc.thesaurus == code);
        m_actions.thesauri.back()->setEnabled(code == 3 || m_session.lexicon.thesaurus(code));
    }
    QAction *noDutch = thesaurus->addAction(noDutchThesaurusNote());
    noDutch->setObjectName(QStringLiteral("MenuThesaurusNoDutch"));
    noDutch->setEnabled(false);
}

void MainWindow::buildHelpMenu()
{
    Actions &a = m_actions;
    QMenu *help = menuBar()->addMenu(tr("&Help"));
    a.helpContents = addAction(help, "MenuHelpContents", tr("&Contents"), ctrl(Qt::Key_K), tr("Help"), [this] {
        if (m_windows.help)
            m_windows.help(*this, QString());
    });
    a.userManual = addAction(help, "MenuUserManual", tr("&User Manual"), {}, {}, opener(&Windows::manualNotice));
    a.tips = addAction(help, "MenuTips", tr("&Review Tips of the Day"), {}, {}, opener(&Windows::tipOfTheDay));
    a.dataExchange = addAction(help, "MenuDataExchange", tr("&Data Exchange via Internet"), {}, {}, [this] {
        if (m_windows.help)
            m_windows.help(*this, QStringLiteral("HALCYNET"));
    });
    a.about = addAction(help, "MenuAbout", tr("&About"), ctrl(Qt::Key_A), {}, opener(&Windows::aboutBox));
}

void MainWindow::showSettingsInMenus()
{
    // The state the settings give at start-up.
    m_actions.backgroundBitmap->setChecked(m_session.settings.misc.backgroundBitmap);
    const int pixelFormat = m_session.settings.reports.pixelFormat;
    if (pixelFormat == 1)
        m_actions.colors16M->setChecked(true);
    else if (pixelFormat == 2)
        m_actions.colors256->setChecked(true);
    screenSizeAction(effectiveWindowSize(m_session.settings.misc.windowSize, m_session.screen))->setChecked(true);
}

void MainWindow::buildToolBar()
{
    m_toolBar = addToolBar(tr("Commands"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(scaledBy(16, m_session.screenFactor), scaledBy(16, m_session.screenFactor)));
    m_toolBar->setFixedHeight(scaledBy(ToolBarHeight, m_session.screenFactor));
    const Actions &a = m_actions;
    // A null entry is a separator.
    const std::array<std::pair<QAction *, const char *>, 17> buttons = {{
        {a.newCollection, "new_collection"},
        {a.openCollection, "open_collection"},
        {a.newPuzzle, "new_puzzle"},
        {a.modifyPuzzle, "modify_puzzle"},
        {a.copyPuzzle, "copy_puzzle"},
        {a.deletePuzzle, "delete_puzzle"},
        {a.importPuzzles, "import_puzzles"},
        {a.exportPuzzles, "export_puzzles"},
        {nullptr, nullptr},
        {a.printPuzzle, "print_puzzle"},
        {nullptr, nullptr},
        {a.pageLayout, "page_layout"},
        {a.puzzleShape, "puzzle_shape"},
        {a.puzzleWords, "puzzle_words"},
        {nullptr, nullptr},
        {a.helpContents, "help"},
        {a.exit, "exit"},
    }};
    for (const auto &[action, glyph] : buttons) {
        if (!action) {
            m_toolBar->addSeparator();
            continue;
        }
        action->setIcon(QIcon(QStringLiteral(":/icons/%1.xpm").arg(QLatin1String(glyph))));
        m_toolBar->addAction(action);
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
    m_categoryCaption = listCaption(tr("Category"), m_client);
    m_categoryCaption->setObjectName(QStringLiteral("CategoryCaption"));
    m_puzzleCaption = listCaption(tr("Puzzles"), m_client);
    m_puzzleCaption->setObjectName(QStringLiteral("PuzzleCaption"));
    grid->addWidget(m_categoryCaption, 0, 0);
    grid->addWidget(m_puzzleCaption, 0, 1);
    grid->addWidget(m_categoryBox, 1, 0);
    grid->addWidget(m_puzzleBox, 1, 1);
    grid->setRowStretch(2, 1);
    setCentralWidget(m_client);

    // The commands follow what the lists show as selected, never their current row: a list that
    // gains the focus (by Tab, or when a dialog closes) makes its first row current without
    // selecting it.
    connect(m_categoryBox, &QListWidget::itemClicked, this, [this] { showCategory(); });
    connect(m_categoryBox, &QListWidget::itemSelectionChanged, this, [this] { showCategory(); });
    connect(m_puzzleBox, &QListWidget::itemSelectionChanged, this, [this] { onPuzzleSelectionChanged(); });
    connect(m_puzzleBox, &QListWidget::itemDoubleClicked, this, [this] { modifySelectedPuzzle(); });
    applyScreenFactor();
}

void MainWindow::applyScreenFactor()
{
    // Laid out whole again; fitOnScreen puts the lists into a scroll area once more if the screen
    // is still too small for them.
    if (auto *scroll = qobject_cast<QScrollArea *>(centralWidget()); scroll && scroll->widget() == m_client) {
        scroll->takeWidget();
        setCentralWidget(m_client);
    }
    const double f = m_session.screenFactor;
    m_client->setFixedSize(scaledBy(ClientWidth, f), scaledBy(ClientHeight - ToolBarHeight, f));
    m_categoryBox->setFixedSize(scaledBy(238, f), scaledBy(301, f));
    m_puzzleBox->setFixedSize(scaledBy(321, f), scaledBy(301, f));
    for (QLabel *caption : {m_categoryCaption, m_puzzleCaption})
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
    fitOnScreen(*this);
}

void MainWindow::setWindows(Windows windows)
{
    m_windows = std::move(windows);
    updateWindowsAvailability();
    updateActions();
}

void MainWindow::updateWindowsAvailability()
{
    // Commands whose windows are not part of the program yet are shown but cannot be chosen.
    const Actions &a = m_actions;
    a.newPuzzle->setEnabled(bool(m_windows.newPuzzle));
    a.pageLayout->setEnabled(bool(m_windows.pageLayouts));
    a.puzzleShape->setEnabled(bool(m_windows.shapeLibrary));
    a.userManual->setEnabled(bool(m_windows.manualNotice));
    a.tips->setEnabled(bool(m_windows.tipOfTheDay));
    a.about->setEnabled(bool(m_windows.aboutBox));
    a.helpContents->setEnabled(bool(m_windows.help));
    a.dataExchange->setEnabled(bool(m_windows.help));
    a.clueHeaders->setEnabled(bool(m_windows.clueHeaders));
    a.internationalChars->setEnabled(bool(m_windows.internationalChars));
    a.wordSeparators->setEnabled(bool(m_windows.wordSeparators));
    a.jpegFactor->setEnabled(bool(m_windows.jpegFactor));
    for (QAction *list : {a.addToDictionary, a.excludeFromDictionary})
        list->setEnabled(bool(m_windows.dictionaryList) && m_session.lexicon.anyLanguage());
}

void MainWindow::updateActions()
{
    const bool selected = m_session.collection.selectedRecord().has_value();
    m_actions.modifyPuzzle->setEnabled(selected && bool(m_windows.modifyPuzzle));
    m_actions.copyPuzzle->setEnabled(selected && bool(m_windows.copyPuzzle));
    m_actions.deletePuzzle->setEnabled(selected);
    m_actions.printPuzzle->setEnabled(selected);
    m_actions.puzzleWords->setEnabled(selected && bool(m_windows.puzzleWords));
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
    if (const auto loaded = m_session.collection.reload(m_session.collectionFile()); !loaded)
        m_host.fileError(this, loaded.error());
    showCategories();
    showPuzzles();
    updateActions();
}

void MainWindow::selectFirstPuzzle()
{
    m_session.collection.selectFirstPuzzle();
    showPuzzles();
    updateActions();
}

void MainWindow::showCategories()
{
    fillList(m_categoryBox, m_session.collection.categories(), m_session.collection.selectedCategory());
}

void MainWindow::showPuzzles()
{
    fillList(m_puzzleBox, m_session.collection.puzzles(), m_session.collection.selectedPuzzle());
}

namespace {

// The row the list shows selected, if any.
std::optional<int> selectedRow(const QListWidget *box)
{
    const QList<QListWidgetItem *> items = box->selectedItems();
    if (items.isEmpty())
        return std::nullopt;
    return box->row(items.constFirst());
}

} // namespace

void MainWindow::showCategory()
{
    const auto row = selectedRow(m_categoryBox);
    if (!row)
        return;
    const int shownBefore = m_session.collection.shownCategory();
    m_session.collection.selectCategory(*row);
    if (m_session.collection.shownCategory() != shownBefore)
        showPuzzles();
    updateActions();
}

void MainWindow::onPuzzleSelectionChanged()
{
    m_session.collection.selectPuzzle(selectedRow(m_puzzleBox));
    updateActions();
}

void MainWindow::modifySelectedPuzzle()
{
    printSelectedPuzzle();
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
    // The number is the one listed: in a file changed since, it may be another puzzle's.
    const auto bytes = m_session.collectionFile().file().read(*n, m_session.collection.listed());
    if (!bytes) {
        if (bytes.error().kind == FileError::Kind::Changed)
            refuseChanged(bytes.error(), tr("The lists now show the change; select the puzzle again."));
        else if (bytes.error().kind == FileError::Kind::CannotOpen)
            m_host.message(this, tr("Error"), failureMessage, Buttons::Ok);
        else
            m_host.fileError(this, bytes.error());
        return false;
    }
    *m_session.current = PuzzleRecord::decode(recordSpan<PuzzleRecord>(*bytes));
    m_session.currentPlace = PuzzlePlace::read(*n, *bytes);
    return true;
}

void MainWindow::refuseChanged(const FileError &error, const QString &notDone)
{
    m_host.fileChanged(this, error, notDone);
    reloadShowingChange();
}

void MainWindow::reloadShowingChange()
{
    m_session.collection.setReselectPending(m_session.collection.selectedCategoryName(),
                                            m_session.collection.selectedPuzzleName());
    loadInPuzzles();
}

void MainWindow::openCollection(const QString &path)
{
    const QString previous = m_session.collectionPath();
    m_session.settings.misc.lastCollection = path;
    setCaption();
    m_session.collection.setReselectPending({}, {});
    m_session.collection = CollectionView();
    loadInPuzzles();
    updateRecentFiles(m_session.settings.misc.lastFiles, previous, path);
    refreshRecentMenu();
    updateActions();
}

void MainWindow::createCollection()
{
    // Inside the open collection's folder with no name typed in: offering the open file's own
    // name would let one Yes on the overwrite prompt empty it.
    FileRequest request{tr("Create New Puzzle Group"),
                        QCoreApplication::translate("qx", CollectionFilter),
                        QStringLiteral("QX3"),
                        folderStart(QFileInfo(m_session.collectionPath()).absolutePath()),
                        false,
                        true};
    const auto path = m_host.saveFileName(this, request);
    if (!path)
        return;
    if (const auto created = CollectionFile(*path).createEmpty(); !created) {
        if (created.error().kind == FileError::Kind::CannotOpen)
            m_host.message(this, tr("Error"), tr("The puzzle collection file %1 could not be created.").arg(*path),
                           Buttons::Ok);
        else
            m_host.fileError(this, created.error());
        return;
    }
    const QString previous = m_session.collectionPath();
    m_session.settings.misc.lastCollection = *path;
    m_session.collection.clear();
    showCategories();
    showPuzzles();
    updateRecentFiles(m_session.settings.misc.lastFiles, previous, *path);
    refreshRecentMenu();
    setCaption();
    updateActions();
    if (m_windows.newPuzzle &&
        m_host.message(this, tr("New Puzzle"),
                       tr("Would you like to create your first puzzle now for this new puzzle collection?"),
                       Buttons::YesNo) == Answer::Yes)
        m_windows.newPuzzle(*this);
}

void MainWindow::chooseCollection()
{
    FileRequest request{tr("Open Puzzle Group"),
                        QCoreApplication::translate("qx", CollectionFilter),
                        QStringLiteral("QX3"),
                        m_session.collectionPath(),
                        true,
                        false};
    const auto path = m_host.openFileName(this, request);
    if (!path) {
        updateActions();
        return;
    }
    if (QFileInfo(*path).suffix().compare(QLatin1String("QX3"), Qt::CaseInsensitive) != 0) {
        m_host.message(this, tr("Error"), tr("The file selected is not a valid Crossword file."), Buttons::Ok);
        return;
    }
    openCollection(*path);
}

void MainWindow::openRecent(int k)
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
        QAction *item = m_actions.recentFiles[static_cast<size_t>(k - 1)];
        const QString &path = files[static_cast<size_t>(k - 1)];
        item->setVisible(!path.isEmpty());
        item->setText(recentFileCaption(k, path));
    }
}

void MainWindow::deleteSelectedPuzzle()
{
    const auto record = requireSelectedPuzzle();
    if (!record)
        return;
    const QString name = cp1252::toUnicode(m_session.collection.selectedPuzzleName());
    if (m_host.message(this, tr("Delete"), tr("Are you sure you want to delete %1?").arg(name), Buttons::YesNo) !=
        Answer::Yes)
        return;
    // Only the puzzle listed: when another program changed the file since, the number may name
    // another puzzle now.
    const auto removed =
        m_session.collectionFile().file().remove(RecordCheck{*record, {}, m_session.collection.listed()});
    if (!removed && removed.error().kind == FileError::Kind::Changed) {
        refuseChanged(removed.error(), tr("The puzzle was not deleted; the lists now show the change."));
        return;
    }
    m_session.collection.setReselectAfterDelete();
    // A failed delete changes nothing; the lists are reloaded all the same.
    if (!removed)
        m_host.fileError(this, removed.error());
    loadInPuzzles();
}

void MainWindow::showImportPuzzles()
{
    runPuzzleImport(*this, m_session, m_host);
}

void MainWindow::showExportPuzzles()
{
    runPuzzleExport(*this, m_session, m_host);
}

void MainWindow::printSelectedPuzzle()
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

void MainWindow::setUpPrinter()
{
    m_host.printerSetup(this, *m_printer);
}

void MainWindow::setWindowSize(int windowSize)
{
    const int current = effectiveWindowSize(m_session.settings.misc.windowSize, m_session.screen);
    QAction *item = screenSizeAction(windowSize);
    if (!item)
        return;
    if (windowSize == current) {
        screenSizeAction(current)->setChecked(true);
        return;
    }
    if (effectiveWindowSize(windowSize, m_session.screen) != windowSize) {
        screenSizeAction(current)->setChecked(true);
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

void MainWindow::setProgramLanguage(const QString &code)
{
    if (code == m_session.settings.misc.language)
        return;
    m_session.settings.misc.language = code;
    if (chooseLanguage(code) != currentLanguage()) {
        m_host.message(this, tr("Language"),
                       tr("%1 shows the new language the next time it starts.").arg(QLatin1String(ProductName)),
                       Buttons::Ok);
    }
}

void MainWindow::toggleBackgroundBitmap()
{
    auto &flag = m_session.settings.misc.backgroundBitmap;
    flag = !flag;
    m_actions.backgroundBitmap->setChecked(flag);
    m_client->update();
}

void MainWindow::chooseUserFont(int which)
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
    if (const auto saved = qx::saveSettings(m_session.settingsPath(), m_session.settings); !saved)
        m_host.fileError(this, saved.error(), tr("The settings could not be saved."));
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
        updateActions();
    }
    QMainWindow::showEvent(event);
}

bool MainWindow::event(QEvent *event)
{
    // Coming back to the window after another program changed the collection shows the change;
    // after the event, so that a box about an unreadable file is not shown inside the activation.
    if (event->type() == QEvent::WindowActivate && m_session.collection.changedOnDisk(m_session.collectionFile()))
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_session.collection.changedOnDisk(m_session.collectionFile()))
                    reloadShowingChange();
            },
            Qt::QueuedConnection);
    if (event->type() == QEvent::WindowActivate && !m_activatedOnce) {
        m_activatedOnce = true;
        if (m_session.settings.misc.showTips && m_windows.tipOfTheDay)
            QMetaObject::invokeMethod(
                this, [this] { m_windows.tipOfTheDay(*this); }, Qt::QueuedConnection);
    }
    return QMainWindow::event(event);
}

} // namespace qx
