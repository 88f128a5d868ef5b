#include "shapes/ui/shape_editor_dialog.h"

#include "common/cp1252.h"
#include "common/ui/storable_text_validator.h"
#include "common/ui/ui_host.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <utility>

namespace qx {

namespace {

constexpr QSize DesignSize(584, 409);
constexpr int TitleMaxLength = 30;
constexpr int ExtentMaxLength = 2;
const QColor ShapeRed(255, 0, 0);

// The drawing surface: shows the editor's picture at its exact pixel size and reports the mouse.
class ShapeSurface : public QWidget {
public:
    using MouseHandler = std::function<void(Qt::MouseButton, QPoint)>;

    ShapeSurface(const QImage &picture, MouseHandler down, MouseHandler up, QWidget *parent)
        : QWidget(parent), m_picture(picture), m_down(std::move(down)), m_up(std::move(up))
    {
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawImage(0, 0, m_picture);
    }
    void mousePressEvent(QMouseEvent *event) override { m_down(event->button(), event->position().toPoint()); }
    void mouseReleaseEvent(QMouseEvent *event) override { m_up(event->button(), event->position().toPoint()); }

private:
    const QImage &m_picture;
    MouseHandler m_down;
    MouseHandler m_up;
};

QToolButton *arrowButton(Qt::ArrowType arrow, const QString &name, double factor, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setMinimumSize(scaledBy(28, factor), scaledBy(24, factor));
    return button;
}

QPushButton *pushButton(const QString &text, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

ShapeEditorDialog::ShapeEditorDialog(ShapeEditMode mode, const ShapeRecord &currentShape, int recordNumber,
                                     ShapeLibrary library, UiHost &host, const DialogLook &look, QWidget *parent)
    : ConventionalDialog(look, DesignSize, parent), m_mode(mode), m_recordNumber(recordNumber),
      m_library(std::move(library)), m_host(host), m_working(startingShape(mode, currentShape)), m_undo(m_working)
{
    setObjectName(QStringLiteral("ShapeEditorDialog"));
    setWindowTitle(tr("Shape Creator"));
    buildControls();
    fillControls();
}

void ShapeEditorDialog::buildControls()
{
    const int imgSize = scaledBy(ImgDesignSize, look().screenFactor);
    m_picture = QImage(imgSize, imgSize, QImage::Format_RGB32);
    m_img = new ShapeSurface(
        m_picture, [this](Qt::MouseButton b, QPoint p) { imgMouseDown(b, p); },
        [this](Qt::MouseButton b, QPoint p) { imgMouseUp(b, p); }, this);
    m_img->setObjectName(QStringLiteral("ShapePicture"));
    m_img->setFixedSize(imgSize, imgSize);

    auto *side = new QVBoxLayout;
    side->addLayout(buildFields());
    side->addWidget(buildShiftBox());
    side->addWidget(buildAdjustBox());
    auto *notesBox = new QGroupBox(tr("Notes"), this);
    auto *notes = new QVBoxLayout(notesBox);
    notes->addWidget(new QLabel(tr("Left Click To Toggle"), notesBox));
    notes->addWidget(new QLabel(tr("Right Click To Fill"), notesBox));
    side->addWidget(notesBox);
    side->addStretch();
    side->addLayout(buildCloseRow());

    auto *top = new QHBoxLayout(this);
    top->setContentsMargins(4, 4, 6, 4);
    top->setSpacing(8);
    top->addWidget(m_img, 0, Qt::AlignLeft | Qt::AlignTop);
    top->addLayout(side, 1);
}

// Name, width and height.
QLayout *ShapeEditorDialog::buildFields()
{
    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("Title"));
    keepStorable(m_title, m_host, StoredTextKind::ShapeName);
    connect(m_title, &QLineEdit::textEdited, this, &ShapeEditorDialog::titleEdited);
    m_widthEdit = new QLineEdit(this);
    m_widthEdit->setObjectName(QStringLiteral("WidthEdit"));
    m_heightEdit = new QLineEdit(this);
    m_heightEdit->setObjectName(QStringLiteral("HeightEdit"));
    for (QLineEdit *edit : {m_widthEdit, m_heightEdit}) {
        edit->setMaxLength(ExtentMaxLength);
        // Fonts grow with the factor when the dialog is shown; the box must grow with them.
        edit->setMaximumWidth(
            scaledBy(edit->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12, look().screenFactor));
        edit->installEventFilter(this);
    }

    auto *nameLabel = new QLabel(tr("&Name"), this);
    nameLabel->setBuddy(m_title);
    auto *widthLabel = new QLabel(tr("&Width"), this);
    widthLabel->setBuddy(m_widthEdit);
    auto *heightLabel = new QLabel(tr("&Height"), this);
    heightLabel->setBuddy(m_heightEdit);

    auto *form = new QGridLayout;
    form->setContentsMargins(0, 0, 0, 0);
    form->addWidget(nameLabel, 0, 0);
    form->addWidget(m_title, 0, 1, 1, 4);
    form->addWidget(widthLabel, 1, 0);
    form->addWidget(m_widthEdit, 1, 1);
    form->addWidget(heightLabel, 1, 3, Qt::AlignRight);
    form->addWidget(m_heightEdit, 1, 4);
    form->setColumnStretch(2, 1);
    return form;
}

// Four arrows that move the whole shape by one square.
QGroupBox *ShapeEditorDialog::buildShiftBox()
{
    auto *shiftBox = new QGroupBox(tr("Shift Grid"), this);
    auto *shiftGrid = new QGridLayout(shiftBox);
    auto *left = arrowButton(Qt::LeftArrow, QStringLiteral("LeftButton"), look().screenFactor, shiftBox);
    auto *up = arrowButton(Qt::UpArrow, QStringLiteral("UpButton"), look().screenFactor, shiftBox);
    auto *right = arrowButton(Qt::RightArrow, QStringLiteral("RightButton"), look().screenFactor, shiftBox);
    auto *down = arrowButton(Qt::DownArrow, QStringLiteral("DownButton"), look().screenFactor, shiftBox);
    shiftGrid->setColumnStretch(0, 1);
    shiftGrid->setColumnStretch(4, 1);
    shiftGrid->addWidget(up, 0, 2);
    shiftGrid->addWidget(left, 1, 1);
    shiftGrid->addWidget(right, 1, 3);
    shiftGrid->addWidget(down, 2, 2);
    connect(left, &QToolButton::clicked, this, &ShapeEditorDialog::shiftLeft);
    connect(up, &QToolButton::clicked, this, &ShapeEditorDialog::shiftUp);
    connect(right, &QToolButton::clicked, this, &ShapeEditorDialog::shiftRight);
    connect(down, &QToolButton::clicked, this, &ShapeEditorDialog::shiftDown);
    return shiftBox;
}

QGroupBox *ShapeEditorDialog::buildAdjustBox()
{
    auto *adjustBox = new QGroupBox(tr("Adjust Grid"), this);
    auto *adjustRow = new QHBoxLayout(adjustBox);
    adjustRow->setContentsMargins(6, 6, 6, 6);
    auto *reverse = pushButton(tr("&Reverse"), QStringLiteral("ReverseButton"), adjustBox);
    m_undoButton = pushButton(tr("&Undo"), QStringLiteral("UndoButton"), adjustBox);
    adjustRow->addWidget(reverse);
    adjustRow->addWidget(m_undoButton);
    connect(reverse, &QPushButton::clicked, this, &ShapeEditorDialog::reverseShape);
    connect(m_undoButton, &QPushButton::clicked, this, &ShapeEditorDialog::undo);
    m_reverseButton = reverse;
    return adjustBox;
}

// Save and Cancel; each pair of buttons side by side in the narrow column is as wide as its words
// need, and equal.
QLayout *ShapeEditorDialog::buildCloseRow()
{
    m_saveButton = pushButton(tr("&Save"), QStringLiteral("SaveButton"), this);
    m_cancelButton = pushButton(tr("&Cancel"), QStringLiteral("CancelButton"), this);
    connect(m_saveButton, &QPushButton::clicked, this, &ShapeEditorDialog::saveShape);
    connect(m_cancelButton, &QPushButton::clicked, this, &ShapeEditorDialog::cancelEditing);
    for (const auto &pair : {std::pair{m_reverseButton, m_undoButton}, std::pair{m_saveButton, m_cancelButton}}) {
        int widest = 0;
        for (QPushButton *b : {pair.first, pair.second})
            widest = std::max(widest, b->fontMetrics().horizontalAdvance(QString(b->text()).remove(QLatin1Char('&'))));
        for (QPushButton *b : {pair.first, pair.second})
            b->setMinimumWidth(scaledBy(widest + 16, look().screenFactor));
    }
    auto *closeRow = new QHBoxLayout;
    closeRow->addWidget(m_saveButton);
    closeRow->addWidget(m_cancelButton);
    return closeRow;
}

// What opening does: the mode's shape in the boxes and on the grid, nothing to undo, no press
// pending, nothing saved.
void ShapeEditorDialog::fillControls()
{
    const QString name = cp1252::toUnicode(m_working.ShapeName.str());
    m_title->setText(name);
    m_acceptedTitle = name;
    m_widthEdit->setText(QString::number(m_working.ShapeWidth));
    m_heightEdit->setText(QString::number(m_working.ShapeHeight));
    m_undoButton->setEnabled(false);
    m_leftPress.reset();
    m_rightPress.reset();
    drawGrid();
    m_saved = false;
}

void ShapeEditorDialog::drawGrid()
{
    m_cellSize = editorCellSize(m_img->size(), m_working.width(), m_working.height());
    drawShape(m_picture, m_working, m_cellSize, ShapeRed, palette().color(QPalette::Button));
    m_img->update();
}

bool ShapeEditorDialog::checkExtent(QLineEdit *edit, int16_t &field, const QString &message)
{
    const int value = leadingWholeNumber(edit->text());
    if (!validExtent(value)) {
        m_host.message(this, tr("Error"), message, Buttons::Ok);
        edit->setFocus();
        return false;
    }
    field = static_cast<int16_t>(value);
    return true;
}

bool ShapeEditorDialog::checkWidth()
{
    return checkExtent(m_widthEdit, m_working.ShapeWidth,
                       tr("Width must be between 5 and 49.  Please re-enter width."));
}

bool ShapeEditorDialog::checkHeight()
{
    return checkExtent(m_heightEdit, m_working.ShapeHeight,
                       tr("Height must be between 5 and 49.  Please re-enter height."));
}

// A size change never clears cells: what lay beyond the old edge comes back into view.
void ShapeEditorDialog::widthEditExit()
{
    const int before = m_working.ShapeWidth;
    if (checkWidth() && m_working.ShapeWidth != before)
        drawGrid();
}

void ShapeEditorDialog::heightEditExit()
{
    const int before = m_working.ShapeHeight;
    if (checkHeight() && m_working.ShapeHeight != before)
        drawGrid();
}

// Leaving a size box checks it, but not when the user moves to another window (the error box
// itself takes the focus) and not on the way to Save, which checks both boxes itself, or Cancel,
// which throws the value away.
bool ShapeEditorDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && (watched == m_widthEdit || watched == m_heightEdit)) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        const QWidget *next = QApplication::focusWidget();
        const bool toOtherWindow = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
        if (!toOtherWindow && next != m_saveButton && next != m_cancelButton && isVisible()) {
            if (watched == m_widthEdit)
                widthEditExit();
            else
                heightEditExit();
        }
    }
    return ConventionalDialog::eventFilter(watched, event);
}

void ShapeEditorDialog::keepUndo()
{
    m_undo = m_working;
    m_undoButton->setEnabled(true);
}

void ShapeEditorDialog::shift(ShiftDirection direction)
{
    keepUndo();
    shiftCells(m_working, direction);
    drawGrid();
}

void ShapeEditorDialog::reverseShape()
{
    m_undoButton->setEnabled(false);
    reverseCells(m_working);
    drawGrid();
}

// The boxes keep what they show: Save takes name, width and height from them.
void ShapeEditorDialog::undo()
{
    m_working = m_undo;
    drawGrid();
    m_undoButton->setEnabled(false);
}

void ShapeEditorDialog::imgMouseDown(Qt::MouseButton button, QPoint pos)
{
    if (button == Qt::LeftButton)
        m_leftPress = cellAt(pos.x(), pos.y(), m_cellSize);
    else if (button == Qt::RightButton)
        m_rightPress = cellAt(pos.x(), pos.y(), m_cellSize);
}

// A square changes only when the button comes up on the square it went down on.
void ShapeEditorDialog::imgMouseUp(Qt::MouseButton button, QPoint pos)
{
    std::optional<CellPos> *pending = button == Qt::LeftButton    ? &m_leftPress
                                      : button == Qt::RightButton ? &m_rightPress
                                                                  : nullptr;
    if (!pending)
        return;
    const std::optional<CellPos> pressed = *pending;
    pending->reset();
    const CellPos released = cellAt(pos.x(), pos.y(), m_cellSize);
    if (!pressed || *pressed != released || !insideShape(m_working, released))
        return;
    if (button == Qt::LeftButton)
        testForMatch(released);
    else
        testForMatchFill(released);
}

// A toggle is not kept for Undo, and it makes the last shift or fill impossible to undo.
void ShapeEditorDialog::testForMatch(CellPos cell)
{
    toggleCell(m_working, cell.row, cell.col);
    paintCell(m_picture, m_working, m_cellSize, cell, ShapeRed);
    m_img->update();
    m_undoButton->setEnabled(false);
}

void ShapeEditorDialog::testForMatchFill(CellPos cell)
{
    keepUndo();
    fillAt(m_working, cell.row, cell.col);
    drawGrid();
}

// The name box takes at most 30 typed characters (a longer name the dialog was opened with stays
// whole); its validator has already taken out what a stored name cannot hold.
void ShapeEditorDialog::titleEdited(const QString &text)
{
    const bool tooLong = text.size() > TitleMaxLength && text.size() > m_acceptedTitle.size();
    if (!tooLong) {
        m_acceptedTitle = text;
        return;
    }
    const int cursor =
        std::max(0, static_cast<int>(m_title->cursorPosition() - (text.size() - m_acceptedTitle.size())));
    m_title->setText(m_acceptedTitle);
    m_title->setCursorPosition(cursor);
    m_host.beep(BeepKind::Default);
}

void ShapeEditorDialog::saveShape()
{
    if (!checkHeight() || !checkWidth())
        return;
    m_working.ShapeName.setTrimmed(cp1252::fromUnicode(m_title->text()).value_or(std::string()));
    FileOutcome<int> saved = m_recordNumber;
    if (m_mode == ShapeEditMode::Modify) {
        if (const auto replaced = m_library.replace(m_recordNumber, m_working); !replaced)
            saved = replaced.error();
    } else {
        saved = m_library.append(m_working);
    }
    if (!saved) {
        if (saved.error().notOpened())
            m_host.message(this, tr("Disk Error"), tr("Unable to add shape."), Buttons::Ok);
        else
            m_host.fileError(this, saved.error());
        return;
    }
    m_savedRecord = *saved;
    m_saved = true;
    accept();
}

void ShapeEditorDialog::cancelEditing()
{
    reject();
}

} // namespace qx
