#include "export/ui/metafile_creation_dialog.h"

#include "common/ui/ui_host.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace qx {

MetafileCreationDialog::MetafileCreationDialog(const DialogLook &look, UiHost &host, const ExportFormat &format,
                                               const ExportInput &input, QString path, QWidget *parent)
    : ConventionalDialog(look, QSize(260, 90), parent), m_host(host), m_format(format), m_input(input),
      m_path(std::move(path))
{
    setWindowTitle(tr("Metafile Creation"));
    m_label = new QLabel(tr("Creating Metafile...  Please Wait."), this);
    m_label->setAlignment(Qt::AlignCenter);
    m_ok = new QPushButton(tr("&Ok"), this);
    m_ok->setDefault(true);
    m_ok->setEnabled(false);
    m_ok->hide();
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_ok);
    row->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addLayout(row);
}

void MetafileCreationDialog::showEvent(QShowEvent *event)
{
    ConventionalDialog::showEvent(event);
    if (!m_started)
        QTimer::singleShot(0, this, &MetafileCreationDialog::create);
}

void MetafileCreationDialog::create()
{
    if (m_started)
        return;
    m_started = true;
    if (const FileStatus status = m_format.write(m_input, m_path); !status) {
        m_host.fileError(this, status.error());
        reject();
        return;
    }
    m_written = true;
    m_label->setText(tr("Metafile Created"));
    m_ok->setEnabled(true);
    m_ok->show();
    m_ok->setFocus();
}

} // namespace qx
