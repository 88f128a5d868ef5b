#include "words/ui/manual_placement_dialog.h"

#include "builder/candidate_picture.h"
#include "common/cp1252.h"
#include "common/storable_text.h"
#include "common/ui/ui_host.h"
#include "store/ui/puzzle_saving.h"
#include "words/ui/add_a_clue_dialog.h"
#include "words/ui/international_keys.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

namespace {

constexpr int PictureSide = 401;
const QColor Teal(0, 128, 128);

} // namespace

// The grid's picture; it reports presses and releases by cell and shows which cells take a letter.
class PlacementPicture : public QWidget {
public:
    PlacementPicture(ManualPlacementDialog &dialog, int side) : QWidget(&dialog), m_dialog(dialog)
    {
        setObjectName(QStringLiteral("GridPicture"));
        setFixedSize(side, side);
        setMouseTracking(true);
    }

    void setImage(QImage image)
    {
        m_image = std::move(image);
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, m_image);
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        const int cell = m_dialog.cellAt(event->position().toPoint());
        if (cell == 0)
            unsetCursor();
        else
            setCursor(m_dialog.placement().isEditable(cell) ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            m_dialog.onPicturePressed(m_dialog.cellAt(event->position().toPoint()));
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            m_dialog.onPictureReleased(m_dialog.cellAt(event->position().toPoint()));
    }

private:
    ManualPlacementDialog &m_dialog;
    QImage m_image;
};

ManualPlacementDialog::ManualPlacementDialog(PlacementContext context, UiHost &host, QWidget *parent)
    : ConventionalDialog(context.look, QSize(PictureSide + 24, PictureSide + 100), parent),
      m_context(std::move(context)), m_host(host), m_placement(m_context.working)
{
    setObjectName(QStringLiteral("ManualAdd"));
    setWindowTitle(tr("Manual Word Addition"));
    m_picture = new PlacementPicture(*this, scaledBy(PictureSide, m_context.look.screenFactor));
    m_letter = new QLineEdit(m_picture);
    m_letter->setObjectName(QStringLiteral("Letter"));
    m_letter->setMaxLength(1);
    m_letter->setAlignment(Qt::AlignCenter);
    m_letter->setFrame(false);
    m_letter->hide();
    connect(m_letter, &QLineEdit::returnPressed, this, &ManualPlacementDialog::acceptTypedLetter);

    const auto button = [this](const QString &text, const char *name) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        // Enter in the letter box accepts the letter; it never presses a button of the window.
        b->setAutoDefault(false);
        return b;
    };
    m_accept = button(tr("&Accept"), "Accept");
    m_reject = button(tr("&Reject"), "Reject");
    auto *ok = button(tr("&Ok"), "OkButton");
    auto *cancel = button(tr("&Cancel"), "Cancel");
    for (QPushButton *b : {m_accept, m_reject}) {
        QSizePolicy policy = b->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        b->setSizePolicy(policy);
        b->hide();
    }
    connect(m_accept, &QPushButton::clicked, this, &ManualPlacementDialog::acceptTypedLetter);
    connect(m_reject, &QPushButton::clicked, this, &ManualPlacementDialog::rejectTypedLetter);
    connect(ok, &QPushButton::clicked, this, &ManualPlacementDialog::acceptEntries);
    connect(cancel, &QPushButton::clicked, this, &ManualPlacementDialog::discardPlacement);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_accept);
    buttons->addWidget(m_reject);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_picture, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    redraw();
}

ManualPlacementDialog::~ManualPlacementDialog() = default;

QWidget *ManualPlacementDialog::puzzImage() const
{
    return m_picture;
}

void ManualPlacementDialog::redraw()
{
    m_picture->setImage(drawGridPicture(m_placement.record(), QSize(m_placement.width(), m_placement.height()),
                                        m_picture->size(), palette().color(QPalette::Button), [this](int cell) {
                                            return m_placement.isProtected(cell) ? Teal : QColor(Qt::black);
                                        }));
}

int ManualPlacementDialog::cellAt(QPoint point) const
{
    const int s = candidateCellSize(m_picture->size(), m_placement.width(), m_placement.height());
    if (s < 1 || point.x() < 0 || point.y() < 0)
        return 0;
    const int col = point.x() / s + 1;
    const int row = point.y() / s + 1;
    if (col > m_placement.width() || row > m_placement.height())
        return 0;
    return cellIndex(row, col);
}

QRect ManualPlacementDialog::cellRect(int cell) const
{
    const int s = candidateCellSize(m_picture->size(), m_placement.width(), m_placement.height());
    const int row = (cell - 1) / GridSide + 1;
    const int col = (cell - 1) % GridSide + 1;
    return QRect((col - 1) * s + 1, (row - 1) * s + 1, std::max(s - 1, 1), std::max(s - 1, 1));
}

bool ManualPlacementDialog::startTyping(int cell)
{
    if (!m_placement.isEditable(cell))
        return false;
    m_typedCell = cell;
    // The letter is typed in the size the grid shows it in.
    QFont font = m_letter->font();
    font.setPixelSize(
        candidateFontSize(candidateCellSize(m_picture->size(), m_placement.width(), m_placement.height())));
    m_letter->setFont(font);
    m_letter->setGeometry(cellRect(cell));
    m_letter->clear();
    m_letter->show();
    m_letter->setFocus();
    m_accept->show();
    m_reject->show();
    return true;
}

void ManualPlacementDialog::hideLetterBox()
{
    m_letter->hide();
    m_accept->hide();
    m_reject->hide();
    m_typedCell = 0;
}

bool ManualPlacementDialog::acceptTypedLetter()
{
    if (m_typedCell == 0)
        return true;
    const auto value = typedCell(m_letter->text());
    if (!value) {
        m_host.message(this, tr("Error"), tr("Puzzle letter must be between A and Z."), Buttons::Ok);
        m_letter->setFocus();
        return false;
    }
    m_placement.setCell(m_typedCell, *value);
    hideLetterBox();
    redraw();
    return true;
}

void ManualPlacementDialog::rejectTypedLetter()
{
    if (m_typedCell != 0) {
        m_placement.setCell(m_typedCell, ' ');
        redraw();
    }
    hideLetterBox();
}

void ManualPlacementDialog::onPicturePressed(int cell)
{
    m_armed = false;
    if (m_typedCell != 0 && !acceptTypedLetter())
        return;
    m_pressedCell = cell;
    m_armed = cell != 0 && m_placement.isEditable(cell);
}

void ManualPlacementDialog::onPictureReleased(int cell)
{
    if (m_armed && cell == m_pressedCell)
        startTyping(cell);
    m_armed = false;
}

void ManualPlacementDialog::acceptEntries()
{
    // A letter still in the box counts as accepted.
    if (m_typedCell != 0 && !acceptTypedLetter())
        return;
    const std::vector<LetterRun> runs = newRuns(m_placement.record());
    if (runs.empty()) {
        m_host.message(this, tr("Notice"), tr("No changes to the puzzle were detected."), Buttons::Ok);
        ConventionalDialog::reject();
        return;
    }
    const PlacementCheck check = checkNewRuns(m_placement.record(), runs);
    if (!check.ok()) {
        m_host.message(this, placementCheckCaption(check), placementCheckText(check), Buttons::Ok);
        return;
    }
    std::vector<NewWord> words;
    for (const LetterRun &run : runs) {
        AddAClueDialog ask(look(), m_host, cp1252::toUnicode(run.letters), m_context.wordCase, this);
        if (m_context.settings)
            addInternationalKeys(ask, *m_context.settings);
        m_host.runModal(ask);
        // The clue box refuses what a puzzle cannot store, so the conversion keeps every character.
        const std::string clue = storableBytes(ask.clue());
        words.push_back({run, clue, ask.chosenCase()});
    }
    switch (saveWords(words)) {
    case SaveResult::Saved:
        accept();
        return;
    case SaveResult::Failed:
    case SaveResult::Changed:
    case SaveResult::Refused:
        // The letters typed stay on the grid; the user may leave with Cancel.
        return;
    }
}

SaveResult ManualPlacementDialog::saveWords(const std::vector<NewWord> &words)
{
    PuzzleRecord &record = m_placement.record();
    const auto before = std::make_unique<PuzzleRecord>(record);
    addNewWords(record, words);
    // On a failure the file and the working record stay as they were, and so do the grid's letters.
    const SaveResult saved =
        savePuzzleInto(this, m_host, m_context.collectionPath, record, m_context.place, m_context.reloadAndReselect);
    if (saved != SaveResult::Saved) {
        record = *before;
        return saved;
    }
    m_context.working = record;
    m_saved = true;
    return saved;
}

void ManualPlacementDialog::discardPlacement()
{
    ConventionalDialog::reject();
}

void ManualPlacementDialog::reject()
{
    if (m_typedCell != 0)
        rejectTypedLetter();
    else
        ConventionalDialog::reject();
}

bool runManualPlacement(QWidget *parent, PlacementContext context, UiHost &host)
{
    const PlacementCheck check = checkPlacementOpens(context.working);
    if (!check.ok()) {
        host.message(parent, placementCheckCaption(check), placementCheckText(check), Buttons::Ok);
        return false;
    }
    ManualPlacementDialog dialog(std::move(context), host, parent);
    host.runModal(dialog);
    return dialog.saved();
}

} // namespace qx
