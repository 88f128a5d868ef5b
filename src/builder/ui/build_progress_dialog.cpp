#include "builder/ui/build_progress_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

// Carries the builder's reports from the worker thread to the dialog.
class BuildProgressDialog::Observer final : public BuildObserver {
public:
    explicit Observer(BuildProgressDialog &dialog) : m_dialog(dialog) {}

    void progress(const QString &line1, const QString &line2) override
    {
        QMetaObject::invokeMethod(
            &m_dialog, [d = &m_dialog, line1, line2] { d->setLines(line1, line2); }, Qt::QueuedConnection);
    }
    bool abortRequested() override { return m_dialog.m_abort.load(); }
    void attemptsDone(int done, int asked) override
    {
        QMetaObject::invokeMethod(
            &m_dialog,
            [d = &m_dialog, done, asked] {
                d->m_bar->setMaximum(asked);
                d->m_bar->setValue(done);
            },
            Qt::QueuedConnection);
    }
    void aborted() override
    {
        QMetaObject::invokeMethod(
            &m_dialog, [d = &m_dialog] { d->m_aborted = true; }, Qt::QueuedConnection);
    }
    void completed() override
    {
        QMetaObject::invokeMethod(
            &m_dialog, [] { QApplication::beep(); }, Qt::QueuedConnection);
    }

private:
    BuildProgressDialog &m_dialog;
};

BuildProgressDialog::BuildProgressDialog(const DialogLook &look, const PuzzleRecord &working, const ShapeRecord &shape,
                                         BuildOptions options, CandidateSlots &candidates, QWidget *parent,
                                         bool smallestSquare)
    : ConventionalDialog(look, QSize(323, 106), parent), m_working(working), m_shape(shape), m_options(options),
      m_candidates(candidates), m_smallestSquare(smallestSquare), m_observer(std::make_unique<Observer>(*this))
{
    setWindowTitle(tr("Building Puzzles"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(19);
    setFont(font);
    // The two lines are painted in the upper part; the bar and the button sit below them.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(scaledBy(12, look.screenFactor), scaledBy(72, look.screenFactor),
                               scaledBy(12, look.screenFactor), scaledBy(6, look.screenFactor));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("Progress"));
    m_bar->setRange(0, std::max(options.attempts, 1));
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_bar->setFixedHeight(6);
    layout->addWidget(m_bar);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    m_cancel = new QPushButton(tr("&Abort"), this);
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    QFont buttonFont = m_cancel->font();
    buttonFont.setPixelSize(13);
    m_cancel->setFont(buttonFont);
    row->addWidget(m_cancel);
    row->addStretch(1);
    layout->addLayout(row);
    connect(m_cancel, &QPushButton::clicked, this, &BuildProgressDialog::cancelBuild);
}

BuildProgressDialog::~BuildProgressDialog()
{
    m_abort = true;
    if (m_worker.joinable())
        m_worker.join();
}

void BuildProgressDialog::showEvent(QShowEvent *event)
{
    ConventionalDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        m_abort = false;
        QMetaObject::invokeMethod(this, &BuildProgressDialog::startBuild, Qt::QueuedConnection);
    }
}

void BuildProgressDialog::startBuild()
{
    m_worker = std::thread([this] {
        BuildOutcome outcome;
        if (m_smallestSquare) {
            ShapeRecord square;
            m_square = BuildSmallestSquare(m_working, m_options, m_candidates, square, m_observer.get());
            outcome = m_square->build;
        } else {
            outcome = buildCandidates(m_working, m_shape, m_options, m_candidates, m_observer.get());
        }
        QMetaObject::invokeMethod(
            this, [this, outcome] { done(outcome); }, Qt::QueuedConnection);
    });
}

void BuildProgressDialog::done(BuildOutcome outcome)
{
    if (m_worker.joinable())
        m_worker.join();
    m_outcome = outcome;
    m_finished = true;
    m_cancel->setText(tr("&Ok"));
    Q_EMIT buildFinished();
}

void BuildProgressDialog::setLines(const QString &line1, const QString &line2)
{
    m_line1 = line1;
    m_line2 = line2;
    update();
}

void BuildProgressDialog::cancelBuild()
{
    if (!m_finished) {
        m_abort = true;
        return;
    }
    accept();
}

void BuildProgressDialog::reject()
{
    // Closing the window while the build runs counts as Abort; the window goes once it is done.
    if (!m_finished) {
        m_abort = true;
        return;
    }
    ConventionalDialog::reject();
}

void BuildProgressDialog::paintEvent(QPaintEvent *event)
{
    ConventionalDialog::paintEvent(event);
    QPainter painter(this);
    painter.setFont(font());
    const double f = look().screenFactor;
    const int ascent = painter.fontMetrics().ascent();
    // The longer line that says the build was aborted starts further left.
    const int x1 = m_aborted ? 25 : 75;
    painter.drawText(scaledBy(x1, f), scaledBy(20, f) + ascent, m_line1);
    painter.drawText(scaledBy(115, f), scaledBy(45, f) + ascent, m_line2);
}

} // namespace qx
