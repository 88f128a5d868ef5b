#include "words/ui/word_list_editor.h"

#include "builder/ui/build_progress_dialog.h"
#include "builder/ui/candidates_dialog.h"
#include "common/cp1252.h"
#include "common/ui/ui_host.h"
#include "layout/layout_thumbnail.h"
#include "shapes/ui/shape_list_panel.h"
#include "store/collection_file.h"
#include "store/settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qx {

namespace {

enum Column { CntColumn = 0, UColumn = 1, WordColumn = 2, ClueColumn = 3 };
constexpr int Rows = 200;

// Cell editors that hold the word and clue limits and refuse what the record cannot store.
class LimitedDelegate : public QStyledItemDelegate {
public:
    LimitedDelegate(UiHost &host, QObject *parent) : QStyledItemDelegate(parent), m_host(host) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        auto *editor = qobject_cast<QLineEdit *>(QStyledItemDelegate::createEditor(parent, option, index));
        if (editor) {
            editor->setMaxLength(index.column() == WordColumn ? 30 : 150);
            guard(editor);
        }
        return editor;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            line->setText(index.data().toString().left(line->maxLength()));
    }

    // Text Windows-1252 cannot hold is refused where it is typed.
    void guard(QLineEdit *edit) const
    {
        QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, host = &m_host](const QString &text) {
            const QString bad = cp1252::firstUnencodable(text);
            if (bad.isEmpty())
                return;
            QString cleaned = text;
            cleaned.remove(bad);
            edit->setText(cleaned);
            host->message(edit->window(), QObject::tr("Error"),
                          QObject::tr("The character \"%1\" cannot be stored in a puzzle.").arg(bad), Buttons::Ok);
        });
    }

private:
    UiHost &m_host;
};

std::string bytesOf(const QString &text)
{
    // Typed text is guarded, so nothing is lost here; a character that slipped through is dropped.
    std::string out;
    for (const QChar ch : text) {
        if (const auto b = cp1252::fromUnicode(QString(ch)))
            out += *b;
    }
    return out;
}

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
    const bool isNew = m_context.isNew;
    auto *delegate = new LimitedDelegate(host, this);

    auto *top = new QGridLayout;
    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("Title"));
    m_title->setMaxLength(35);
    delegate->guard(m_title);
    m_category = new QComboBox(this);
    m_category->setObjectName(QStringLiteral("Category"));
    m_category->setEditable(true);
    m_category->lineEdit()->setMaxLength(20);
    delegate->guard(m_category->lineEdit());
    m_bonus = new QLineEdit(this);
    m_bonus->setObjectName(QStringLiteral("BonusQuest"));
    m_bonus->setMaxLength(120);
    delegate->guard(m_bonus);
    top->addWidget(new QLabel(tr("Puzzle &Title"), this), 0, 0);
    top->addWidget(m_title, 0, 1);
    top->addWidget(new QLabel(tr("Categor&y"), this), 0, 2);
    top->addWidget(m_category, 0, 3);
    top->addWidget(new QLabel(tr("Bonus Question"), this), 1, 0);
    top->addWidget(m_bonus, 1, 1, 1, 3);
    static_cast<QLabel *>(top->itemAtPosition(0, 0)->widget())->setBuddy(m_title);
    static_cast<QLabel *>(top->itemAtPosition(0, 2)->widget())->setBuddy(m_category);

    m_grid = new QTableWidget(Rows, 4, this);
    m_grid->setObjectName(QStringLiteral("WordsCluesGrid"));
    m_grid->setHorizontalHeaderLabels({tr("Cnt"), tr("U"), tr("Word"), tr("Clue")});
    m_grid->verticalHeader()->setVisible(false);
    m_grid->verticalHeader()->setDefaultSectionSize(scaledBy(22, m_context.look.screenFactor));
    m_grid->setItemDelegate(delegate);
    m_grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    const double f = m_context.look.screenFactor;
    const std::array<int, 4> widths = {24, 12, 100, 368};
    for (int c = 0; c < 4; ++c)
        m_grid->setColumnWidth(c, scaledBy(widths[static_cast<size_t>(c)], f));
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setMinimumWidth(scaledBy(528, f));
    auto *gridBox = new QGroupBox(tr("Words and Clues"), this);
    auto *gridLayout = new QVBoxLayout(gridBox);
    gridLayout->addWidget(m_grid);

    auto *wordButtons = new QHBoxLayout;
    for (const auto &[text, name] :
         {std::pair{tr("&Import"), "ImportClue"}, std::pair{tr("&Export"), "ExportClue"},
          std::pair{tr("Delete &All"), "DeleteAllClue"}, std::pair{tr("De&lete"), "DeleteClue"},
          std::pair{tr("&Spell Check"), "SpellClue"}, std::pair{tr("&Thesaurus"), "Thes"},
          std::pair{tr("International Characters"), "IntCharButton"}})
        wordButtons->addWidget(makeButton(text, name, this));
    gridLayout->addLayout(wordButtons);

    // Right column: shape, page layout, build options and the main buttons.
    auto *right = new QVBoxLayout;
    ShapeListOptions shapeOptions;
    shapeOptions.pictureSize = 148;
    shapeOptions.followLastShape = isNew;
    if (!isNew) {
        shapeOptions.currentPuzzleShape = currentPuzzleShape(
            m_context.working.widthInUse(), m_context.working.heightInUse(),
            std::span<const uint8_t, ShapeRecord::CellCount>(m_context.working.Grid.data(), ShapeRecord::CellCount));
        shapeOptions.locked = true;
    }
    m_shapes = new ShapeListPanel(ShapeListContext{ShapeLibrary(m_context.shapeLibraryPath), m_context.currentShape,
                                                   m_context.settings, m_context.look},
                                  host, shapeOptions, this);
    right->addWidget(m_shapes);

    auto *layoutBox = new QGroupBox(tr("Page Layout"), this);
    auto *layoutRow = new QHBoxLayout(layoutBox);
    m_layoutImage = new QLabel(this);
    m_layoutImage->setObjectName(QStringLiteral("Img"));
    m_layoutImage->setFixedSize(scaledBy(60, f), scaledBy(78, f));
    layoutRow->addWidget(m_layoutImage);
    auto *changeLayout = makeButton(tr("Change La&yout"), "ChangeLayout", this);
    layoutRow->addWidget(changeLayout);
    right->addWidget(layoutBox);

    auto *options = new QGridLayout;
    m_attempts = new QLineEdit(this);
    m_attempts->setObjectName(QStringLiteral("Attempts"));
    m_attempts->setMaxLength(3);
    m_shrink = new QCheckBox(tr("Shrin&k"), this);
    m_shrink->setObjectName(QStringLiteral("AutoShrink"));
    m_quick = new QCheckBox(tr("&Quick Create"), this);
    m_quick->setObjectName(QStringLiteral("QuickCreate"));
    options->addWidget(new QLabel(tr("Creation Attempts"), this), 0, 0);
    options->addWidget(m_attempts, 0, 1);
    options->addWidget(m_shrink, 1, 0);
    options->addWidget(m_quick, 1, 1);
    right->addLayout(options);

    auto *mainButtons = new QGridLayout;
    mainButtons->addWidget(makeButton(tr("&Create"), "CreateIt", this), 0, 0);
    mainButtons->addWidget(makeButton(tr("Sa&ve"), "SaveButton", this), 0, 1);
    mainButtons->addWidget(makeButton(tr("Add &Words"), "AddWordsButton", this), 1, 0);
    mainButtons->addWidget(makeButton(tr("E&xit"), "Cancel", this), 1, 1);
    right->addLayout(mainButtons);
    right->addStretch(1);

    auto *body = new QHBoxLayout;
    body->addWidget(gridBox, 1);
    body->addLayout(right);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(body, 1);

    connect(button(QStringLiteral("CreateIt")), &QPushButton::clicked, this, &WordListEditor::onCreateItClicked);
    connect(button(QStringLiteral("SaveButton")), &QPushButton::clicked, this, &WordListEditor::onSaveButtonClicked);
    connect(button(QStringLiteral("Cancel")), &QPushButton::clicked, this, &WordListEditor::onCancelClicked);
    connect(button(QStringLiteral("DeleteAllClue")), &QPushButton::clicked, this,
            &WordListEditor::onDeleteAllClueClicked);
    connect(button(QStringLiteral("DeleteClue")), &QPushButton::clicked, this, &WordListEditor::onDeleteClueClicked);
    connect(m_shrink, &QCheckBox::toggled, this, [this](bool on) { m_context.settings.createOptions.shrink = on; });
    connect(m_quick, &QCheckBox::toggled, this, [this](bool on) { m_context.settings.createOptions.quickBuild = on; });
    connect(m_shapes, &ShapeListPanel::shapeChosen, this, [] {});

    // F1..F12 type the twelve international characters into the focused field.
    for (int k = 1; k <= 12; ++k) {
        auto *shortcut = new QShortcut(QKeySequence(Qt::Key_F1 + k - 1), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, k] { typeInternationalCharacter(k); });
    }

    // Windows of later parts of the program: present, not yet usable.
    for (const char *later : {"ImportClue", "ExportClue", "SpellClue", "Thes", "IntCharButton", "ChangeLayout"})
        button(QString::fromLatin1(later))->setEnabled(false);
    // By mode: a built puzzle keeps its words, shape and options.
    button(QStringLiteral("SaveButton"))->setVisible(!isNew);
    button(QStringLiteral("AddWordsButton"))->setVisible(!isNew);
    button(QStringLiteral("AddWordsButton"))->setEnabled(false);
    button(QStringLiteral("CreateIt"))->setEnabled(isNew);
    button(QStringLiteral("DeleteAllClue"))->setEnabled(isNew);
    button(QStringLiteral("DeleteClue"))->setEnabled(isNew);
    m_attempts->setEnabled(isNew);
    m_shrink->setEnabled(isNew);
    m_quick->setEnabled(isNew);
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
        formShow();
    }
}

void WordListEditor::formShow()
{
    // Fifteen pixels above the centred position, never above the top of the screen.
    move(x(), std::max(0, y() - 15));
    fillGrid();
    m_shapes->start();
    m_category->addItems(m_context.categories);
    const PuzzleRecord &r = m_context.working;
    m_bonus->setText(cp1252::toUnicode(r.BonusQuestion.str()));
    m_title->setText(cp1252::toUnicode(r.PuzzleName.str()));
    m_category->setCurrentText(cp1252::toUnicode(r.Category.str()));
    const auto &options = m_context.settings.createOptions;
    m_attempts->setText(QString::number(options.attempts));
    m_shrink->setChecked(options.shrink);
    m_quick->setChecked(options.quickBuild);
    drawLayout();
    m_title->setFocus();
    if (!m_context.isNew)
        m_original = std::make_unique<PuzzleRecord>(m_context.working);
}

void WordListEditor::fillGrid()
{
    const PuzzleRecord &r = m_context.working;
    const bool isNew = m_context.isNew;
    for (int row = 0; row < Rows; ++row) {
        auto *cnt = new QTableWidgetItem(QString::number(row + 1));
        auto *u = new QTableWidgetItem(r.WordPlaced[static_cast<size_t>(row)] ? QStringLiteral("x") : QString());
        auto *word = new QTableWidgetItem(cp1252::toUnicode(r.Words[static_cast<size_t>(row)].str()));
        auto *clue = new QTableWidgetItem(cp1252::toUnicode(r.Clues[static_cast<size_t>(row)].str()));
        cnt->setFlags(Qt::ItemIsEnabled);
        u->setFlags(Qt::ItemIsEnabled);
        if (!isNew)
            word->setFlags(Qt::ItemIsEnabled);
        m_grid->setItem(row, CntColumn, cnt);
        m_grid->setItem(row, UColumn, u);
        m_grid->setItem(row, WordColumn, word);
        m_grid->setItem(row, ClueColumn, clue);
    }
}

void WordListEditor::drawLayout()
{
    m_layoutImage->setPixmap(QPixmap::fromImage(
        drawLayoutThumbnail(m_context.working.Layout, m_layoutImage->size(), palette().color(QPalette::Button))));
}

TypedPuzzle WordListEditor::typedPuzzle() const
{
    TypedPuzzle typed;
    typed.title = bytesOf(m_title->text());
    typed.category = bytesOf(m_category->currentText());
    typed.bonusQuestion = bytesOf(m_bonus->text());
    for (int row = 0; row < Rows; ++row) {
        const auto text = [&](int column) {
            const QTableWidgetItem *item = m_grid->item(row, column);
            return item ? item->text() : QString();
        };
        typed.rows.push_back({bytesOf(text(WordColumn)), bytesOf(text(ClueColumn))});
    }
    return typed;
}

void WordListEditor::focusRow(int row, int column)
{
    if (row < 0)
        return;
    m_grid->setFocus();
    m_grid->setCurrentCell(row, column);
}

void WordListEditor::onCreateItClicked()
{
    const CreateCheck check = checkCreate(typedPuzzle(), m_attempts->text(), m_context.currentShape, m_context.working);
    if (check.largeDimensions)
        m_host.message(this, tr("Warning"), largeDimensionsWarning(), Buttons::Ok);
    if (!check.ok) {
        if (check.exclamationBeep)
            m_host.beep(BeepKind::Exclamation);
        m_host.message(this, tr("Error"), check.message, Buttons::Ok);
        switch (check.field) {
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
            focusRow(check.row, WordColumn);
            break;
        case CreateCheck::Field::Clue:
            focusRow(check.row, ClueColumn);
            break;
        case CreateCheck::Field::None:
            break;
        }
        return;
    }
    auto &options = m_context.settings.createOptions;
    options.attempts = check.attempts;
    BuildOptions build{check.attempts, options.shrink, options.quickBuild, seedFromClock(), 0};
    if (check.attempts < 2) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        Build(m_context.working, m_context.currentShape, build, m_context.candidates);
        QApplication::restoreOverrideCursor();
    } else {
        BuildProgressDialog progress(look(), m_context.working, m_context.currentShape, build, m_context.candidates,
                                     this);
        m_host.runModal(progress);
    }
    CandidatesDialog candidates(
        look(), m_context.working, m_context.candidates, m_context.currentShape,
        SaveTarget{m_context.collectionPath, m_context.isNew, m_context.recordNumber, m_context.reloadAndReselect},
        m_host, this);
    m_host.runModal(candidates);
    if (candidates.saved())
        accept();
}

bool WordListEditor::writeAndSave()
{
    writeRowsIntoRecord(typedPuzzle(), m_context.working);
    if (!CollectionFile(m_context.collectionPath).save(m_context.working, false, m_context.recordNumber)) {
        m_host.message(this, tr("Error"), tr("Unable to save puzzle."), Buttons::Ok);
        return false;
    }
    if (m_context.reloadAndReselect)
        m_context.reloadAndReselect(m_context.working.Category.str(), m_context.working.PuzzleName.str());
    return true;
}

void WordListEditor::onSaveButtonClicked()
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
    if (writeAndSave())
        accept();
    else
        ConventionalDialog::reject();
}

bool WordListEditor::changed()
{
    if (m_context.isNew || !m_original)
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

void WordListEditor::onCancelClicked()
{
    if (changed()) {
        const Answer answer =
            m_host.message(this, tr("Warning"), tr("Puzzle has been modified.  Save changes?"), Buttons::YesNoCancel);
        if (answer == Answer::Cancel)
            return;
        if (answer == Answer::Yes) {
            onSaveButtonClicked();
            return;
        }
    }
    ConventionalDialog::reject();
}

void WordListEditor::reject()
{
    onCancelClicked();
}

void WordListEditor::onDeleteAllClueClicked()
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
        m_grid->item(row, WordColumn)->setText(QString());
        m_grid->item(row, ClueColumn)->setText(QString());
    }
}

void WordListEditor::onDeleteClueClicked()
{
    const int selected = m_grid->currentRow();
    if (selected < 0)
        return;
    for (int row = selected; row < Rows; ++row) {
        for (const int column : {UColumn, WordColumn, ClueColumn}) {
            const QString below = row + 1 < Rows ? m_grid->item(row + 1, column)->text() : QString();
            m_grid->item(row, column)->setText(below);
        }
    }
    m_grid->setFocus();
}

void WordListEditor::typeInternationalCharacter(int k)
{
    const QString code = m_context.settings.createOptions.intKeys[static_cast<size_t>(k - 1)];
    bool ok = false;
    const int value = code.toInt(&ok);
    if (!ok || value < 1 || value > 255)
        return;
    const QString character = cp1252::toUnicode(std::string(1, static_cast<char>(value)));
    // Inserted straight into the focused text control: the same as typing it there.
    if (auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget())) {
        if (!edit->isReadOnly() && edit->text().size() < edit->maxLength())
            edit->insert(character);
        return;
    }
    if (QApplication::focusWidget() == m_grid) {
        QTableWidgetItem *item = m_grid->currentItem();
        const int column = m_grid->currentColumn();
        if (item && (item->flags() & Qt::ItemIsEditable) && (column == WordColumn || column == ClueColumn) &&
            item->text().size() < (column == WordColumn ? 30 : 150))
            item->setText(item->text() + character);
    }
}

} // namespace qx
