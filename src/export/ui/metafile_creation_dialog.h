#pragma once
// "Metafile Creation": makes the metafile as soon as it is shown, saying "Creating Metafile...
// Please Wait." meanwhile and "Metafile Created" once the file is written, when its "&Ok" button
// appears. A file that cannot be written is told in one error box and the window closes without
// claiming anything was made.

#include "common/ui/dialog_conventions.h"
#include "export/export_format.h"

#include <QString>

class QLabel;
class QPushButton;

namespace qx {

class UiHost;

class MetafileCreationDialog : public ConventionalDialog {
    Q_OBJECT

public:
    // The input's pointers must outlive the window.
    MetafileCreationDialog(const DialogLook &look, UiHost &host, const ExportFormat &format, const ExportInput &input,
                           QString path, QWidget *parent = nullptr);

    // Writes the file and shows the outcome; runs once, when the window is first shown.
    void create();
    bool written() const { return m_written; }
    QLabel *label() const { return m_label; }
    QPushButton *okButton() const { return m_ok; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    UiHost &m_host;
    const ExportFormat &m_format;
    ExportInput m_input;
    QString m_path;
    QLabel *m_label = nullptr;
    QPushButton *m_ok = nullptr;
    bool m_started = false;
    bool m_written = false;
};

} // namespace qx
