#pragma once
// "JPEG Factor": the quality, 1 to 100, that JPEG pictures and the web page's picture are
// compressed with. Opened from the main window and from the preview.

#include "common/ui/dialog_conventions.h"

class QLineEdit;

namespace qx {

struct Settings;
class UiHost;

class JpegFactorDialog : public ConventionalDialog {
    Q_OBJECT

public:
    JpegFactorDialog(const DialogLook &look, UiHost &host, int quality, QWidget *parent = nullptr);

    // The accepted quality; 0 until OK accepted one.
    int quality() const { return m_quality; }
    QLineEdit *factorEdit() const { return m_edit; }

    void onOkButtonClicked();

private:
    UiHost &m_host;
    QLineEdit *m_edit = nullptr;
    int m_quality = 0;
};

// Shows the dialog over parent with the "JPeg Compression Quality" setting; OK stores the new one.
void editJpegFactor(QWidget *parent, const DialogLook &look, UiHost &host, Settings &settings);

} // namespace qx
