#include "builder/ui/candidates_dialog.h"

#include "builder/candidate_picture.h"
#include "builder/grid_stats.h"
#include "builder/ui/enlarged_candidate_dialog.h"
#include "common/cp1252.h"
#include "common/ui/ui_host.h"
#include "store/collection_file.h"
#include "store/collection_view.h"
#include "store/ui/puzzle_saving.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

// One picture with room for the red selection frame around it.
class CandidateImage : public QWidget {
public:
    CandidateImage(int side, QWidget *parent) : QWidget(parent), m_side(side) { setFixedSize(side + 6, side + 6); }

    void setImage(QImage image)
    {
        m_image = std::move(image);
        update();
    }
    void setFramed(bool framed)
    {
        m_framed = framed;
        update();
    }

    std::function<void()> clicked;
    std::function<void()> doubleClicked;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawImage(3, 3, m_image);
        if (m_framed) {
            // Two nested rectangles, the outer one two pixels outside the picture.
            painter.setPen(Qt::red);
            painter.drawRect(1, 1, m_side + 3, m_side + 3);
            painter.drawRect(2, 2, m_side + 1, m_side + 1);
        }
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && clicked)
            clicked();
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && doubleClicked)
            doubleClicked();
    }

private:
    int m_side;
    QImage m_image;
    bool m_framed = false;
};

namespace {

QLabel *panelCaption(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Raised);
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return label;
}

// singular and plural hold %1 for the count.
QString countCaption(int count, const QString &singular, const QString &plural)
{
    return (count == 1 ? singular : plural).arg(count);
}

} // namespace

namespace {

// The words placed come first, as they rank the grids; the crossings and the fill only describe
// them, so a lower fill beside a better grid reads as what it is.
QString captionWithFigures(int slot, const CandidateSlot &candidate, int total)
{
    const GridStats stats = gridStats(*candidate.record);
    return QObject::tr("%1: %2 of %3 words\n%4 crossings per word, %5% fill")
        .arg(slotCaptions()[slot])
        .arg(candidate.score)
        .arg(total)
        .arg(stats.crossingsPerWord(), 0, 'f', 1)
        .arg(stats.fillPercent());
}

} // namespace

CandidatesDialog::CandidatesDialog(const DialogLook &look, PuzzleRecord &working, const CandidateSlots &candidates,
                                   const ShapeRecord &currentShape, SaveTarget target, UiHost &host, QWidget *parent)
    : ConventionalDialog(look, QSize(594, 419), parent), m_working(working), m_candidates(candidates),
      m_shape(currentShape), m_target(std::move(target)), m_host(host)
{
    setWindowTitle(tr("Created Puzzle"));
    const int side = scaledBy(191, look.screenFactor);
    auto *layout = new QHBoxLayout(this);
    auto *pictures = new QGridLayout;
    pictures->setHorizontalSpacing(scaledBy(11, look.screenFactor));
    for (int k = 0; k < 4; ++k) {
        const auto &slot = m_candidates[static_cast<size_t>(k)];
        auto *caption =
            new QLabel(slot.score > 0 ? captionWithFigures(k, slot, m_working.wordsInUse()) : slotCaptions()[k], this);
        caption->setObjectName(QStringLiteral("CandidateCaption%1").arg(k + 1));
        caption->setAlignment(Qt::AlignCenter);
        caption->setMinimumWidth(scaledBy(120, look.screenFactor));
        caption->setAutoFillBackground(true);
        auto *image = new CandidateImage(side, this);
        image->setObjectName(QStringLiteral("CandidatePicture%1").arg(k + 1));
        image->clicked = [this, k] { selectCandidate(k + 1); };
        image->doubleClicked = [this, k] { enlargeCandidate(k + 1); };
        m_captions[static_cast<size_t>(k)] = caption;
        m_images[static_cast<size_t>(k)] = image;
        const int row = (k / 2) * 2;
        pictures->addWidget(caption, row, k % 2, Qt::AlignHCenter);
        pictures->addWidget(image, row + 1, k % 2);
    }
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("BuildNote"));
    m_note->setWordWrap(true);
    m_note->hide();
    auto *left = new QVBoxLayout;
    left->addLayout(pictures);
    left->addWidget(m_note);
    layout->addLayout(left);

    auto *side_ = new QVBoxLayout;
    m_includedCaption = panelCaption(this);
    m_includedCaption->setObjectName(QStringLiteral("IncludedCaption"));
    m_included = new QListWidget(this);
    m_included->setObjectName(QStringLiteral("IncludedWords"));
    m_included->setSortingEnabled(true);
    m_excludedCaption = panelCaption(this);
    m_excludedCaption->setObjectName(QStringLiteral("ExcludedCaption"));
    m_excluded = new QListWidget(this);
    m_excluded->setObjectName(QStringLiteral("ExcludedWords"));
    m_excluded->setSortingEnabled(true);
    side_->addWidget(m_includedCaption);
    side_->addWidget(m_included, 3);
    side_->addWidget(m_excludedCaption);
    side_->addWidget(m_excluded, 2);
    // Why the selected word was left out.
    m_reason = new QLabel(this);
    m_reason->setObjectName(QStringLiteral("LeftOutReason"));
    m_reason->setWordWrap(true);
    m_reason->setFrameShape(QFrame::Panel);
    m_reason->setFrameShadow(QFrame::Sunken);
    m_reason->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_reason->setMinimumHeight(m_reason->fontMetrics().lineSpacing() * 3 + 4);
    side_->addWidget(m_reason);
    auto *save = new QPushButton(tr("&Save Puzzle"), this);
    save->setObjectName(QStringLiteral("Save"));
    save->setDefault(true);
    auto *cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));
    side_->addWidget(save);
    side_->addWidget(cancel);
    layout->addLayout(side_, 1);
    connect(m_excluded, &QListWidget::currentRowChanged, this, [this] { showLeftOutReason(); });
    connect(save, &QPushButton::clicked, this, &CandidatesDialog::saveCandidate);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    const QColor face = palette().color(QPalette::Button);
    for (int k = 0; k < 4; ++k) {
        const auto &slot = m_candidates[static_cast<size_t>(k)];
        m_images[static_cast<size_t>(k)]->setImage(
            drawCandidate(*slot.record, slot.score, m_shape, QSize(side, side), face));
        m_captions[static_cast<size_t>(k)]->setVisible(slot.score > 0);
    }
}

void CandidatesDialog::showEvent(QShowEvent *event)
{
    ConventionalDialog::showEvent(event);
    if (m_firstActivation) {
        m_firstActivation = false;
        selectCandidate(1);
    }
}

void CandidatesDialog::selectCandidate(int slot)
{
    // An empty slot holds nothing of this build: nothing to select.
    if (slot < 1 || slot > 4 || m_candidates[static_cast<size_t>(slot - 1)].score < 1)
        return;
    if (m_selected > 0) {
        m_images[static_cast<size_t>(m_selected - 1)]->setFramed(false);
        m_captions[static_cast<size_t>(m_selected - 1)]->setPalette(palette());
    }
    m_selected = slot;
    m_images[static_cast<size_t>(slot - 1)]->setFramed(true);
    QPalette red = palette();
    red.setColor(QPalette::Window, Qt::red);
    m_captions[static_cast<size_t>(slot - 1)]->setPalette(red);

    m_included->clear();
    m_excluded->clear();
    const auto &candidate = m_candidates[static_cast<size_t>(slot - 1)];
    for (int t = 0; t < m_working.wordsInUse(); ++t) {
        const QString word = cp1252::toUnicode(candidate.record->Words[static_cast<size_t>(t)].str());
        auto *item = new QListWidgetItem(word);
        item->setData(Qt::UserRole, t);
        (candidate.placed[static_cast<size_t>(t)] ? m_included : m_excluded)->addItem(item);
    }
    showLeftOutReason();
    m_includedCaption->setText(countCaption(m_included->count(), tr("%1 Included Word"), tr("%1 Included Words")));
    m_excludedCaption->setText(countCaption(m_excluded->count(), tr("%1 Excluded Word"), tr("%1 Excluded Words")));
}

void CandidatesDialog::showLeftOutReason()
{
    const QListWidgetItem *item = m_excluded->currentItem();
    if (!item || m_selected < 1) {
        m_reason->clear();
        return;
    }
    const auto &candidate = m_candidates[static_cast<size_t>(m_selected - 1)];
    const auto t = static_cast<size_t>(item->data(Qt::UserRole).toInt());
    m_reason->setText(leftOutText(candidate.leftOut[t], *candidate.record));
}

void CandidatesDialog::setNote(const QString &note)
{
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
}

void CandidatesDialog::enlargeCandidate(int slot)
{
    if (slot < 1 || slot > 4 || m_candidates[static_cast<size_t>(slot - 1)].score < 1)
        return;
    const auto &candidate = m_candidates[static_cast<size_t>(slot - 1)];
    EnlargedCandidateDialog view(look(), *candidate.record, candidate.score, m_shape, slotCaptions()[slot - 1], this);
    m_host.runModal(view);
}

void CandidatesDialog::saveCandidate()
{
    if (m_selected < 1)
        return;
    Answer answer = Answer::Yes;
    if (m_excluded->count() > 0)
        answer =
            m_host.message(this, tr("Warning"),
                           tr("One or more words did not fit into the puzzle.  Save Puzzle anyway?"), Buttons::YesNo);
    const auto &candidate = m_candidates[static_cast<size_t>(m_selected - 1)];
    m_working = *candidate.record;
    m_working.stampSaved(candidate.placed);
    if (answer != Answer::Yes)
        return;
    if (savePuzzleInto(this, m_host, m_target.collectionPath, m_working, m_target.place, m_target.reloadAndReselect) !=
        SaveResult::Saved) {
        reject();
        return;
    }
    m_saved = true;
    accept();
}

} // namespace qx
