#include "words/ui/word_grid.h"

#include "common/cp1252.h"
#include "common/dialog_look.h"
#include "common/ui/storable_text_validator.h"
#include "store/puzzle_record.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include <array>

namespace qx {

namespace {

constexpr int WordLength = 30;
constexpr int ClueLength = 150;
constexpr int WordColumnDesign = 100;

// Cell editors that hold the word and clue limits, refuse what a puzzle cannot store, and move on
// with Enter as with Tab. The number columns take no cursor, but are drawn as normal text.
class WordCellDelegate : public QStyledItemDelegate {
public:
    WordCellDelegate(UiHost &host, QObject *parent) : QStyledItemDelegate(parent), m_host(host) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        auto *editor = qobject_cast<QLineEdit *>(QStyledItemDelegate::createEditor(parent, option, index));
        if (editor) {
            editor->setMaxLength(index.column() == WordGrid::WordColumn ? WordLength : ClueLength);
            keepStorable(editor, m_host);
        }
        return editor;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            line->setText(index.data().toString().left(line->maxLength()));
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *editor = qobject_cast<QWidget *>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                Q_EMIT commitData(editor);
                Q_EMIT closeEditor(editor, key->modifiers() & Qt::ShiftModifier ? EditPreviousItem : EditNextItem);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() < WordGrid::WordColumn)
            option->state |= QStyle::State_Enabled;
    }

private:
    UiHost &m_host;
};

} // namespace

WordGrid::WordGrid(UiHost &host, double screenFactor, QWidget *parent)
    : QTableWidget(Rows, 4, parent), m_screenFactor(screenFactor)
{
    setObjectName(QStringLiteral("WordsCluesGrid"));
    setHorizontalHeaderLabels({tr("Cnt"), tr("U"), tr("Word"), tr("Clue")});
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(scaledBy(22, screenFactor));
    setItemDelegate(new WordCellDelegate(host, this));
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    const std::array<int, 4> widths = {24, 12, WordColumnDesign, 368};
    for (int c = 0; c < 4; ++c)
        setColumnWidth(c, scaledBy(widths[static_cast<size_t>(c)], screenFactor));
    horizontalHeader()->setStretchLastSection(true);
    setMinimumWidth(scaledBy(528, screenFactor));
}

void WordGrid::fill(const PuzzleRecord &record, bool wordsFixed)
{
    for (int row = 0; row < Rows; ++row) {
        const auto k = static_cast<size_t>(row);
        auto *cnt = new QTableWidgetItem(QString::number(row + 1));
        auto *u = new QTableWidgetItem(record.WordPlaced[k] ? QStringLiteral("x") : QString());
        auto *word = new QTableWidgetItem(cp1252::toUnicode(record.Words[k].str()));
        auto *clue = new QTableWidgetItem(cp1252::toUnicode(record.Clues[k].str()));
        // Neither enabled nor selectable: a click or a key never leaves the cursor there.
        cnt->setFlags(Qt::NoItemFlags);
        u->setFlags(Qt::NoItemFlags);
        if (wordsFixed)
            word->setFlags(Qt::ItemIsEnabled);
        setItem(row, CntColumn, cnt);
        setItem(row, UColumn, u);
        setItem(row, WordColumn, word);
        setItem(row, ClueColumn, clue);
    }
}

QString WordGrid::text(int row, int column) const
{
    const QTableWidgetItem *cell = item(row, column);
    return cell ? cell->text() : QString();
}

void WordGrid::fitColumns()
{
    // What the widest cell ("200" in the last row) asks for, one more pixel for the grid line and
    // one for a text width that is not a whole number of pixels; the heading's own need.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const std::array<std::pair<int, int>, 2> narrow = {std::pair{CntColumn, 24}, std::pair{UColumn, 12}};
    for (const auto &[column, design] : narrow) {
        const QModelIndex widest = model()->index(Rows - 1, column);
        const int needed =
            std::max(itemDelegate()->sizeHint(option, widest).width() + 2, horizontalHeader()->sectionSizeHint(column));
        setColumnWidth(column, std::max(scaledBy(design, m_screenFactor), needed));
    }
    // A word of thirteen letters, as long as most a teacher types, is shown whole.
    QStyleOptionViewItem wordOption = option;
    const int letters = wordOption.fontMetrics.horizontalAdvance(QStringLiteral("THUNDERSTORMS"));
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &wordOption, this) + 1) + 2;
    setColumnWidth(WordColumn, std::max(scaledBy(WordColumnDesign, m_screenFactor), letters + margins));
}

QModelIndex WordGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    if (action != MoveNext && action != MovePrevious)
        return QTableWidget::moveCursor(action, modifiers);
    // The word and clue cells in reading order: position 2 * row for the word, one more for the
    // clue. Cells that cannot be edited (the words of a built puzzle) are passed over; at either
    // end the cursor stays, and Tab leaves the grid.
    const QModelIndex current = currentIndex();
    const int step = action == MoveNext ? 1 : -1;
    int at =
        current.isValid() ? 2 * current.row() + (current.column() == ClueColumn ? 1 : 0) : (step > 0 ? -1 : 2 * Rows);
    for (at += step; at >= 0 && at < 2 * Rows; at += step) {
        const QTableWidgetItem *cell = item(at / 2, at % 2 == 0 ? WordColumn : ClueColumn);
        if (cell && (cell->flags() & Qt::ItemIsEditable))
            return indexFromItem(cell);
    }
    return current;
}

void WordGrid::keyPressEvent(QKeyEvent *event)
{
    // Enter on a cell without an editor (a fixed word) moves on as in an editor, and never
    // reaches the window's default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const QModelIndex next =
            moveCursor(event->modifiers() & Qt::ShiftModifier ? MovePrevious : MoveNext, event->modifiers());
        if (next.isValid() && next != currentIndex())
            setCurrentIndex(next);
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

} // namespace qx
