#include "words/ui/word_list_editor.h"

#include "builder/ui/build_progress_dialog.h"
#include "builder/ui/candidates_dialog.h"
#include "common/cp1252.h"
#include "common/storable_text.h"
#include "common/ui/storable_text_validator.h"
#include "common/ui/ui_host.h"
#include "layout/layout_thumbnail.h"
#include "shapes/ui/shape_list_panel.h"
#include "store/collection_file.h"
#include "store/settings.h"
#include "store/ui/puzzle_saving.h"
#include "words/ui/international_characters_dialog.h"
#include "words/ui/international_keys.h"
#include "words/ui/manual_placement_dialog.h"
#include "words/ui/word_grid.h"
#include "words/ui/word_list_export_dialog.h"
#include "words/ui/word_list_import_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include <set>

namespace qx {

namespace {

constexpr int Rows = WordGrid::Rows;
constexpr int CategoryLength = 20;

QPushButton *makeButton(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

WordListEditor::WordListEditor(WordListContext context, UiHost &host, const QString &caption, QWidget *parent)
    : ConventionalDialog(context.look, QSize(790, 560), parent), m_context(std::move(context)), m_host(host)
{
    setObjectName(QStringLiteral("WordList"));
    setWindowTitle(caption.isEmpty() ? tr("Word List Input") : caption);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buildTextFields());
    auto *body = new QHBoxLayout;
    body->addWidget(buildWordGrid(), 1);
    body->addLayout(buildRightColumn());
    layout->addLayout(body, 1);
    connectControls();
    addInternationalCharacterKeys();
    enableByMode();
}

QLayout *WordListEditor::buildTextFields()
{
    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("Title"));
    m_title->setMaxLength(35);
    keepStorable(m_title, m_host);
    // The existing categories are offered in the list only: what is typed is saved as typed, never
    // completed into a longer category that happens to start the same way.
    m_category = new QComboBox(this);
    m_category->setObjectName(QStringLiteral("Category"));
    m_category->setEditable(true);
    m_category->setCompleter(nullptr);
    m_category->setInsertPolicy(QComboBox::NoInsert);
    m_category->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_category->setMinimumContentsLength(CategoryLength);
    m_category->lineEdit()->setMaxLength(CategoryLength);
    keepStorable(m_category->lineEdit(), m_host);
    m_bonus = new QLineEdit(this);
    m_bonus->setObjectName(QStringLiteral("BonusQuestion"));
    m_bonus->setMaxLength(120);
    keepStorable(m_bonus, m_host);

    auto *top = new QGridLayout;
    const auto label = [this](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    // No accelerator: Alt+T is "&Thesaurus".
    top->addWidget(label(tr("Puzzle Title"), m_title), 0, 0);
    top->addWidget(m_title, 0, 1);
    top->addWidget(label(tr("Categor&y"), m_category), 0, 2);
    top->addWidget(m_category, 0, 3);
    top->addWidget(new QLabel(tr("Bonus Question"), this), 1, 0);
    top->addWidget(m_bonus, 1, 1, 1, 3);
    return top;
}

QGroupBox *WordListEditor::buildWordGrid()
{
    m_grid = new WordGrid(m_host, m_context.look.screenFactor, this);
    auto *gridBox = new QGroupBox(tr("Words and Clues"), this);
    auto *gridLayout = new QVBoxLayout(gridBox);
    gridLayout->addWidget(m_grid);

    m_deleteAll = makeButton(tr("Delete &All"), "DeleteAllClue", this);
    m_delete = makeButton(tr("De&lete"), "DeleteClue", this);
    auto *wordButtons = new QHBoxLayout;
    m_import = makeButton(tr("&Import"), "ImportClue", this);
    m_export = makeButton(tr("&Export"), "ExportClue", this);
    m_intChars = makeButton(tr("International Characters"), "IntCharButton", this);
    wordButtons->addWidget(m_import);
    wordButtons->addWidget(m_export);
    wordButtons->addWidget(m_deleteAll);
    wordButtons->addWidget(m_delete);
    m_spellCheck = makeButton(tr("&Spell Check"), "SpellClue", this);
    m_thesaurus = makeButton(tr("&Thesaurus"), "Thes", this);
    m_suggestClues = makeButton(tr("Su&ggest Clues"), "SuggestClues", this);
    wordButtons->addWidget(m_spellCheck);
    wordButtons->addWidget(m_thesaurus);
    wordButtons->addWidget(m_suggestClues);
    wordButtons->addWidget(m_intChars);
    gridLayout->addLayout(wordButtons);
    return gridBox;
}

// Shape, page layout, build options and the main buttons.
QBoxLayout *WordListEditor::buildRightColumn()
{
    const double f = m_context.look.screenFactor;
    ShapeListOptions shapeOptions;
    shapeOptions.pictureSize = 148;
    shapeOptions.followLastShape = m_context.place.isNew();
    if (!m_context.place.isNew()) {
        shapeOptions.currentPuzzleShape = currentPuzzleShape(
            m_context.working.widthInUse(), m_context.working.heightInUse(),
            std::span<const uint8_t, ShapeRecord::CellCount>(m_context.working.Grid.data(), ShapeRecord::CellCount));
        shapeOptions.locked = true;
    } else {
        shapeOptions.smallestSquare = smallestSquarePlaceholder();
    }
    m_shapes = new ShapeListPanel(ShapeListContext{ShapeLibrary(m_context.shapeLibraryPath), m_context.currentShape,
                                                   m_context.settings, m_context.look},
                                  m_host, shapeOptions, this);

    auto *layoutBox = new QGroupBox(tr("Page Layout"), this);
    auto *layoutRow = new QHBoxLayout(layoutBox);
    m_layoutImage = new QLabel(this);
    m_layoutImage->setObjectName(QStringLiteral("LayoutPicture"));
    m_layoutImage->setFixedSize(scaledBy(60, f), scaledBy(78, f));
    layoutRow->addWidget(m_layoutImage);
    m_changeLayout = makeButton(tr("Change La&yout"), "ChangeLayout", this);
    layoutRow->addWidget(m_changeLayout);

    auto *right = new QVBoxLayout;
    right->addWidget(m_shapes);
    right->addWidget(layoutBox);
    right->addLayout(buildOptions());
    right->addLayout(buildMainButtons());
    right->addStretch(1);
    return right;
}

QLayout *WordListEditor::buildOptions()
{
    m_attempts = new QLineEdit(this);
    m_attempts->setObjectName(QStringLiteral("Attempts"));
    m_attempts->setMaxLength(3);
    m_shrink = new QCheckBox(tr("Shrin&k"), this);
    m_shrink->setObjectName(QStringLiteral("AutoShrink"));
    m_quick = new QCheckBox(tr("&Quick Create"), this);
    m_quick->setObjectName(QStringLiteral("QuickCreate"));
    // Alt+T belongs to the Thesaurus button: the search takes the next letter.
    m_thorough = new QCheckBox(tr("T&horough"), this);
    m_thorough->setObjectName(QStringLiteral("Thorough"));
    m_thorough->setToolTip(tr("Search for the grid with the most words, then the most crossings, for the "
                              "effort's seconds, instead of running the creation attempts."));
    m_effort = new QSpinBox(this);
    m_effort->setObjectName(QStringLiteral("ThoroughEffort"));
    m_effort->setRange(1, 60);
    m_effort->setSuffix(tr(" s"));
    m_effort->setToolTip(tr("How long the thorough search and the search for the smallest square run on "
                            "an ordinary machine: longer finds better grids."));
    auto *effortLabel = new QLabel(tr("E&ffort"), this);
    effortLabel->setBuddy(m_effort);
    auto *effortRow = new QHBoxLayout;
    effortRow->addWidget(effortLabel);
    effortRow->addWidget(m_effort);
    effortRow->addStretch(1);
    auto *options = new QGridLayout;
    options->addWidget(new QLabel(tr("Creation Attempts"), this), 0, 0);
    options->addWidget(m_attempts, 0, 1);
    options->addWidget(m_shrink, 1, 0);
    options->addWidget(m_quick, 1, 1);
    options->addWidget(m_thorough, 2, 0);
    options->addLayout(effortRow, 2, 1);
    return options;
}

QLayout *WordListEditor::buildMainButtons()
{
    m_create = makeButton(tr("&Create"), "CreateIt", this);
    m_save = makeButton(tr("Sa&ve"), "SaveButton", this);
    m_addWords = makeButton(tr("Add &Words"), "AddWordsButton", this);
    m_exit = makeButton(tr("E&xit"), "Cancel", this);
    auto *mainButtons = new QGridLayout;
    mainButtons->addWidget(m_create, 0, 0);
    mainButtons->addWidget(m_save, 0, 1);
    mainButtons->addWidget(m_addWords, 1, 0);
    mainButtons->addWidget(m_exit, 1, 1);
    return mainButtons;
}

void WordListEditor::connectControls()
{
    connect(m_create, &QPushButton::clicked, this, &WordListEditor::buildPuzzle);
    connect(m_save, &QPushButton::clicked, this, &WordListEditor::savePuzzle);
    connect(m_exit, &QPushButton::clicked, this, &WordListEditor::closeAskingToSave);
    connect(m_deleteAll, &QPushButton::clicked, this, &WordListEditor::deleteAllClues);
    connect(m_delete, &QPushButton::clicked, this, &WordListEditor::deleteClue);
    connect(m_addWords, &QPushButton::clicked, this, &WordListEditor::openManualPlacement);
    connect(m_changeLayout, &QPushButton::clicked, this, &WordListEditor::changeLayout);
    connect(m_import, &QPushButton::clicked, this, &WordListEditor::importWordList);
    connect(m_export, &QPushButton::clicked, this, &WordListEditor::exportWordList);
    connect(m_intChars, &QPushButton::clicked, this, &WordListEditor::editInternationalKeys);
    connect(m_spellCheck, &QPushButton::clicked, this, &WordListEditor::checkSpelling);
    connect(m_thesaurus, &QPushButton::clicked, this, &WordListEditor::lookUpThesaurus);
    connect(m_suggestClues, &QPushButton::clicked, this, &WordListEditor::suggestClues);
    connect(m_shrink, &QCheckBox::toggled, this, [this](bool on) { m_context.settings.createOptions.shrink = on; });
    connect(m_quick, &QCheckBox::toggled, this, [this](bool on) { m_context.settings.createOptions.quickBuild = on; });
    connect(m_thorough, &QCheckBox::toggled, this, [this](bool on) { m_context.settings.createOptions.thorough = on; });
    connect(m_effort, &QSpinBox::valueChanged, this,
            [this](int seconds) { m_context.settings.createOptions.thoroughEffort = seconds; });
}

// F1..F12 and the right-click menu type the twelve international characters into the focused field.
void WordListEditor::addInternationalCharacterKeys()
{
    addInternationalKeys(*this, m_context.settings,
                         [this](QWidget *focused, const QString &character) { typeIntoGrid(focused, character); });
}

// A built puzzle keeps its words, shape and options.
void WordListEditor::enableByMode()
{
    const bool isNew = m_context.place.isNew();
    m_spellCheck->setEnabled(bool(m_context.spellCheck));
    m_thesaurus->setEnabled(bool(m_context.thesaurus));
    m_suggestClues->setEnabled(bool(m_context.suggestClues));
    m_suggestClues->setToolTip(m_context.suggestClues ? tr("Suggest clues for the selected rows, or for every word "
                                                           "without a clue.")
                                                      : m_context.noClueSuggestions);
    // The layout may change in both modes.
    m_changeLayout->setEnabled(bool(m_context.chooseLayout));
    m_save->setVisible(!isNew);
    m_addWords->setVisible(!isNew);
    m_create->setEnabled(isNew);
    m_deleteAll->setEnabled(isNew);
    m_delete->setEnabled(isNew);
    m_import->setEnabled(isNew);
    m_attempts->setEnabled(isNew);
    m_shrink->setEnabled(isNew);
    m_quick->setEnabled(isNew);
    m_thorough->setEnabled(isNew);
    m_effort->setEnabled(isNew);
}

WordListEditor::~WordListEditor() = default;

QPushButton *WordListEditor::button(const QString &objectName) const
{
    return findChild<QPushButton *>(objectName);
}

void WordListEditor::showEvent(QShowEvent *event)
{
    ConventionalDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        fillControls();
    }
}

void WordListEditor::fillControls()
{
    // Fifteen pixels above the centred position, never above the top of the screen.
    move(x(), std::max(0, y() - 15));
    m_grid->fill(m_context.working, !m_context.place.isNew());
    m_grid->fitColumns();
    m_shapes->start();
    m_category->addItems(m_context.categories);
    fitCategoryBox();
    // The shape list and the category box now ask for the room their entries need; the window
    // grows at once rather than squeezing the picture beside the list.
    layout()->activate();
    resize(size().expandedTo(minimumSizeHint()));
    fitOnScreen(*this);
    const PuzzleRecord &r = m_context.working;
    m_bonus->setText(cp1252::toUnicode(r.BonusQuestion.str()));
    m_title->setText(cp1252::toUnicode(r.PuzzleName.str()));
    m_category->setCurrentText(cp1252::toUnicode(r.Category.str()));
    const auto &options = m_context.settings.createOptions;
    m_attempts->setText(QString::number(options.attempts));
    m_shrink->setChecked(options.shrink);
    m_quick->setChecked(options.quickBuild);
    m_thorough->setChecked(options.thorough);
    m_effort->setValue(options.thoroughEffort);
    drawLayout();
    m_title->setFocus();
    if (!m_context.place.isNew())
        m_original = std::make_unique<PuzzleRecord>(m_context.working);
}

// Wide enough for every category offered and for a typical category of full length, in the fonts
// the window was given when shown.
void WordListEditor::fitCategoryBox()
{
    QLineEdit *edit = m_category->lineEdit();
    const QFontMetrics metrics = edit->fontMetrics();
    int widest = metrics.horizontalAdvance(QString(CategoryLength, QLatin1Char('n')));
    for (const QString &category : m_context.categories)
        widest = std::max(widest, metrics.horizontalAdvance(category));
    // The frame and the arrow around the edit, and the edit's own margins and cursor.
    const int chrome = m_category->width() - edit->width();
    const int margins = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) * 2 + 6;
    m_category->setMinimumWidth(widest + std::max(0, chrome) + margins);
}

void WordListEditor::drawLayout()
{
    m_layoutImage->setPixmap(QPixmap::fromImage(
        drawLayoutThumbnail(m_context.working.Layout, m_layoutImage->size(), palette().color(QPalette::Button))));
}

// The chosen layout is copied whole into the puzzle; the library entry is not linked to it.
void WordListEditor::changeLayout()
{
    if (!m_context.chooseLayout)
        return;
    const auto layout = m_context.chooseLayout(this);
    if (!layout)
        return;
    m_context.working.Layout = *layout;
    drawLayout();
}

TypedPuzzle WordListEditor::typedPuzzle() const
{
    TypedPuzzle typed;
    typed.title = storableBytes(m_title->text());
    typed.category = storableBytes(m_category->currentText());
    typed.bonusQuestion = storableBytes(m_bonus->text());
    for (int row = 0; row < Rows; ++row)
        typed.rows.push_back({storableBytes(m_grid->text(row, WordGrid::WordColumn)),
                              storableBytes(m_grid->text(row, WordGrid::ClueColumn))});
    return typed;
}

void WordListEditor::focusRow(int row, int column)
{
    if (row < 0)
        return;
    m_grid->setFocus();
    m_grid->setCurrentCell(row, column);
}

void WordListEditor::buildPuzzle()
{
    // The square a previous search chose stands no longer: the checks see the largest square again.
    const bool smallestSquare = m_shapes->selectedRecord() == SmallestSquareMarker;
    if (smallestSquare)
        m_context.currentShape = smallestSquarePlaceholder();
    const CreateCheck check = checkCreate(typedPuzzle(), m_attempts->text(), m_context.currentShape, m_context.working);
    if (check.largeDimensions)
        m_host.message(this, tr("Warning"), largeDimensionsWarning(), Buttons::Ok);
    if (!check.ok()) {
        if (check.exclamationBeep())
            m_host.beep(BeepKind::Exclamation);
        m_host.message(this, tr("Error"), createCheckText(check), Buttons::Ok);
        switch (check.field()) {
        case CreateCheck::Field::Title:
            m_title->setFocus();
            break;
        case CreateCheck::Field::Category:
            m_category->setFocus();
            break;
        case CreateCheck::Field::Attempts:
            m_attempts->setFocus();
            break;
        case CreateCheck::Field::Word:
            focusRow(check.row, WordGrid::WordColumn);
            break;
        case CreateCheck::Field::Clue:
            focusRow(check.row, WordGrid::ClueColumn);
            break;
        case CreateCheck::Field::None:
            break;
        }
        return;
    }
    auto &options = m_context.settings.createOptions;
    options.attempts = check.attempts;
    BuildOptions build{check.attempts, options.shrink, options.quickBuild, seedFromClock(), 0, options.thorough};
    build.effort = m_effort->value();
    std::optional<SquareOutcome> square;
    // A search runs for its effort: the progress dialog shows how far it is and can stop it.
    if (check.attempts < 2 && !options.thorough && !smallestSquare) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (smallestSquare)
            square = BuildSmallestSquare(m_context.working, build, m_context.candidates, m_context.currentShape);
        else
            buildCandidates(m_context.working, m_context.currentShape, build, m_context.candidates);
        QApplication::restoreOverrideCursor();
    } else {
        BuildProgressDialog progress(look(), m_context.working, m_context.currentShape, build, m_context.candidates,
                                     this, smallestSquare);
        m_host.runModal(progress);
        square = progress.squareOutcome();
    }
    QString note;
    if (square && square->side > 0) {
        m_context.currentShape = squareShape(square->side);
        note =
            (square->everyWordPlaced ? tr("Smallest square: %1 \u00d7 %1, every word placed.").arg(square->side)
                                     : tr("No square up to 49 \u00d7 49 holds every word: %1 \u00d7 %1 holds the most.")
                                           .arg(square->side)) +
            QLatin1Char(' ') + squaresTriedText(*square, m_context.working.wordsInUse());
    }
    CandidatesDialog candidates(look(), m_context.working, m_context.candidates, m_context.currentShape,
                                SaveTarget{m_context.collectionPath, m_context.place, m_context.reloadAndReselect},
                                m_host, this);
    candidates.setNote(note);
    m_host.runModal(candidates);
    if (candidates.saved())
        accept();
}

SaveResult WordListEditor::writeAndSave()
{
    writeRowsIntoRecord(typedPuzzle(), m_context.working);
    return savePuzzleInto(this, m_host, m_context.collectionPath, m_context.working, m_context.place,
                          m_context.reloadAndReselect);
}

void WordListEditor::savePuzzle()
{
    const TypedPuzzle typed = typedPuzzle();
    if (trimSpaces(typed.title).empty()) {
        m_host.message(this, tr("Error"), tr("No title specified.  Please correct."), Buttons::Ok);
        m_title->setFocus();
        return;
    }
    if (trimSpaces(typed.category).empty()) {
        m_host.message(this, tr("Error"), tr("No category specified.  Please correct."), Buttons::Ok);
        m_category->setFocus();
        return;
    }
    switch (writeAndSave()) {
    case SaveResult::Saved:
        accept();
        return;
    case SaveResult::Failed:
    case SaveResult::Changed:
    case SaveResult::Refused:
        // The file was left as it was (a full disk, a damaged or read-only collection, a record
        // another program changed): the editor stays open with everything typed, to try again
        // or to export the words.
        return;
    }
}

bool WordListEditor::changed()
{
    if (m_context.place.isNew() || !m_original)
        return false;
    writeRowsIntoRecord(typedPuzzle(), m_context.working);
    const PuzzleRecord &a = m_context.working;
    const PuzzleRecord &b = *m_original;
    if (a.BonusQuestion != b.BonusQuestion || a.PuzzleName != b.PuzzleName || a.Category != b.Category)
        return true;
    for (size_t k = 0; k < MaxWords; ++k) {
        if (a.Words[k].str() != b.Words[k].str() || a.Clues[k].str() != b.Clues[k].str())
            return true;
    }
    const PageLayout &la = a.Layout;
    const PageLayout &lb = b.Layout;
    return la.LayoutName.str() != lb.LayoutName.str() || la.PaperName.str() != lb.PaperName.str() ||
           la.PageWidth != lb.PageWidth || la.PageHeight != lb.PageHeight || la.LayoutWidth != lb.LayoutWidth ||
           la.LayoutHeight != lb.LayoutHeight || la.SizeInInches != lb.SizeInInches ||
           la.ObjectCount != lb.ObjectCount || la.Portrait != lb.Portrait || la.DesignZoom != lb.DesignZoom;
}

void WordListEditor::closeAskingToSave()
{
    if (changed()) {
        const Answer answer =
            m_host.message(this, tr("Warning"), tr("Puzzle has been modified.  Save changes?"), Buttons::YesNoCancel);
        if (answer == Answer::Cancel)
            return;
        if (answer == Answer::Yes) {
            savePuzzle();
            return;
        }
    }
    ConventionalDialog::reject();
}

void WordListEditor::reject()
{
    closeAskingToSave();
}

void WordListEditor::deleteAllClues()
{
    const TypedPuzzle typed = typedPuzzle();
    const bool anyWord = std::any_of(typed.rows.begin(), typed.rows.end(),
                                     [](const WordRow &row) { return !trimSpaces(row.word).empty(); });
    if (!anyWord) {
        m_host.message(this, tr("Error"), tr("All words are already cleared."), Buttons::Ok);
        return;
    }
    if (m_host.message(this, tr("Warning"), tr("This will remove all words and clues.  Continue?"), Buttons::YesNo) !=
        Answer::Yes)
        return;
    for (int row = 0; row < Rows; ++row) {
        m_grid->item(row, WordGrid::WordColumn)->setText(QString());
        m_grid->item(row, WordGrid::ClueColumn)->setText(QString());
    }
}

void WordListEditor::deleteClue()
{
    const int selected = m_grid->currentRow();
    if (selected < 0)
        return;
    for (int row = selected; row < Rows; ++row) {
        for (const int column : {WordGrid::UColumn, WordGrid::WordColumn, WordGrid::ClueColumn}) {
            const QString below = row + 1 < Rows ? m_grid->item(row + 1, column)->text() : QString();
            m_grid->item(row, column)->setText(below);
        }
    }
    m_grid->setFocus();
}

void WordListEditor::openManualPlacement()
{
    // Clues edited here and not yet saved go with the puzzle that manual placement saves.
    writeRowsIntoRecord(typedPuzzle(), m_context.working);
    PlacementContext placement{look(),
                               m_context.settings.createOptions.caseSensitivity,
                               m_context.working,
                               m_context.collectionPath,
                               m_context.place,
                               m_context.reloadAndReselect,
                               &m_context.settings};
    if (!runManualPlacement(this, std::move(placement), m_host))
        return;
    m_grid->fill(m_context.working, true);
    m_original = std::make_unique<PuzzleRecord>(m_context.working);
}

std::vector<WordListRow> WordListEditor::gridRows() const
{
    std::vector<WordListRow> rows(Rows);
    for (int row = 0; row < Rows; ++row) {
        auto &r = rows[static_cast<size_t>(row)];
        r.word = m_grid->text(row, WordGrid::WordColumn);
        r.clue = m_grid->text(row, WordGrid::ClueColumn);
        r.used = !m_grid->text(row, WordGrid::UColumn).trimmed().isEmpty();
    }
    return rows;
}

void WordListEditor::importWordList()
{
    WordListImportDialog import(look(), m_context.settings, m_host, gridRows(), this);
    if (m_host.runModal(import) != QDialog::Accepted)
        return;
    const std::vector<WordListRow> &rows = import.rows();
    for (int row = 0; row < Rows; ++row) {
        const auto &r = rows[static_cast<size_t>(row)];
        for (const auto &[column, text] :
             {std::pair{int(WordGrid::WordColumn), r.word}, std::pair{int(WordGrid::ClueColumn), r.clue}}) {
            if (m_grid->text(row, column) != text)
                m_grid->item(row, column)->setText(text);
        }
    }
}

void WordListEditor::exportWordList()
{
    WordListExportDialog exporter(look(), m_context.settings, m_host, gridRows(), m_context.place.isNew(), this);
    m_host.runModal(exporter);
}

void WordListEditor::editInternationalKeys()
{
    InternationalCharactersDialog characters(look(), m_context.settings, this);
    m_host.runModal(characters);
}

// Replacements land in the cells, cut to what a cell holds.
void WordListEditor::checkSpelling()
{
    if (!m_context.spellCheck)
        return;
    QStringList words;
    QStringList clues;
    for (int row = 0; row < Rows; ++row) {
        words << m_grid->text(row, WordGrid::WordColumn);
        clues << m_grid->text(row, WordGrid::ClueColumn);
    }
    const QStringList wordsBefore = words;
    const QStringList cluesBefore = clues;
    m_context.spellCheck(this, words, clues, m_context.place.isNew());
    for (int row = 0; row < Rows; ++row) {
        if (words[row] != wordsBefore[row])
            m_grid->item(row, WordGrid::WordColumn)->setText(withoutUnstorable(words[row]).left(MaxWordLength));
        if (clues[row] != cluesBefore[row])
            m_grid->item(row, WordGrid::ClueColumn)->setText(withoutUnstorable(clues[row]).left(MaxClueLength));
    }
}

// The synonym accepted for the selected row's word becomes that row's clue.
void WordListEditor::lookUpThesaurus()
{
    const int row = m_grid->currentRow();
    if (!m_context.thesaurus || row < 0)
        return;
    const auto synonym = m_context.thesaurus(this, m_grid->text(row, WordGrid::WordColumn).trimmed());
    if (synonym)
        m_grid->item(row, WordGrid::ClueColumn)->setText(withoutUnstorable(*synonym).left(MaxClueLength));
}

void WordListEditor::suggestClues()
{
    if (!m_context.suggestClues)
        return;
    // A selection of more than one cell, or of a whole row, names the rows; a lone current cell
    // is where the cursor happens to be.
    std::set<int> selected;
    for (const QModelIndex &index : m_grid->selectionModel()->selectedIndexes())
        selected.insert(index.row());
    const bool useSelection = selected.size() > 1 || !m_grid->selectionModel()->selectedRows().isEmpty();
    std::vector<int> rows;
    for (int row = 0; row < Rows; ++row) {
        const bool hasWord = !m_grid->text(row, WordGrid::WordColumn).trimmed().isEmpty();
        const bool wanted =
            useSelection ? selected.count(row) > 0 : m_grid->text(row, WordGrid::ClueColumn).trimmed().isEmpty();
        if (hasWord && wanted)
            rows.push_back(row);
    }
    if (rows.empty()) {
        m_host.message(this, tr("Suggest Clues"),
                       tr("Every word has a clue.  Select the rows whose clues should be suggested again."),
                       Buttons::Ok);
        return;
    }
    QStringList words;
    QStringList clues;
    for (int row : rows) {
        words << m_grid->text(row, WordGrid::WordColumn).trimmed();
        clues << m_grid->text(row, WordGrid::ClueColumn).trimmed();
    }
    const QStringList before = clues;
    if (!m_context.suggestClues(this, words, clues))
        return;
    for (size_t i = 0; i < rows.size(); ++i)
        if (clues[qsizetype(i)] != before[qsizetype(i)])
            m_grid->item(rows[i], WordGrid::ClueColumn)
                ->setText(withoutUnstorable(clues[qsizetype(i)]).left(MaxClueLength));
}

void WordListEditor::typeInternationalCharacter(int k)
{
    typeInternationalKey(m_context.settings, k,
                         [this](QWidget *focused, const QString &character) { typeIntoGrid(focused, character); });
}

// A grid cell whose editor is closed takes the character at the end of its text.
void WordListEditor::typeIntoGrid(QWidget *focused, const QString &character)
{
    if (focused != m_grid)
        return;
    QTableWidgetItem *item = m_grid->currentItem();
    const int column = m_grid->currentColumn();
    const int limit = column == WordGrid::WordColumn ? 30 : 150;
    if (!item || !(item->flags() & Qt::ItemIsEditable) || item->text().size() >= limit)
        return;
    if (const auto bad = firstUnstorable(character))
        tellRefused(m_host, this, *bad);
    else
        item->setText(item->text() + character);
}

} // namespace qx
