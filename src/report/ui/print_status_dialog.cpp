#include "report/ui/print_status_dialog.h"

#include "common/ui/ui_host.h"
#include "render/render_page.h"
#include "report/recording_canvas.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace qx {

PrintStatusDialog::PrintStatusDialog(const DialogLook &look, UiHost &host, PuzzleRecord &working,
                                     const PrintOptions &options, QWidget *parent)
    : ConventionalDialog(look, QSize(260, 130), parent), m_host(host), m_working(working), m_options(options)
{
    setWindowTitle(tr("Report Status Screen"));
    m_label = new QLabel(tr("Printing Status"), this);
    m_label->setAlignment(Qt::AlignCenter);
    m_button = new QPushButton(tr("Cancel"), this);
    connect(m_button, &QPushButton::clicked, this, &PrintStatusDialog::stopOrClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label, 1);
    layout->addWidget(m_button, 0, Qt::AlignHCenter);
}

PrintStatusDialog::~PrintStatusDialog() = default;

void PrintStatusDialog::showEvent(QShowEvent *event)
{
    ConventionalDialog::showEvent(event);
    // Once the window is on the screen, so that the user sees it while the page renders.
    if (!m_started)
        QTimer::singleShot(0, this, &PrintStatusDialog::makePages);
}

QString PrintStatusDialog::statusText() const
{
    return m_label->text();
}

void PrintStatusDialog::makePages()
{
    if (m_started)
        return;
    m_started = true;

    RecordingCanvas filer;
    filer.onStatus = [this](const QString &text) { m_label->setText(text); };
    m_running = &filer;
    m_outcome = renderPage(m_working, m_options, filer, &m_fits);
    m_running = nullptr;
    m_stream = filer.takeStream();
    m_finished = true;

    // The page line stays; the outcome goes on the second line.
    const QString page = filer.statusText().section(QLatin1Char('\n'), 0, 0).section(QLatin1Char('\r'), 0, 0);
    m_label->setText(page + QLatin1Char('\n') +
                     (m_outcome.aborted ? tr("Puzzle Generation Canceled!") : tr("Puzzle Generated!")));
    m_button->setText(tr("OK"));
    for (const RenderWarning w : m_outcome.warnings())
        m_host.message(this, tr("Warning"), QCoreApplication::translate("PrintStatusDialog", warningText(w)),
                       Buttons::Ok);
}

void PrintStatusDialog::stopOrClose()
{
    if (!m_finished) {
        if (m_running)
            m_running->abort();
        else
            reject();
        return;
    }
    accept();
}

} // namespace qx
