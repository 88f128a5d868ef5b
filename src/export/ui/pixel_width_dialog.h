#pragma once
// The width of a picture of the page in pixels, asked before a bitmap ("Bitmap") or a JPEG
// ("JPeg") is made. OK takes a whole number whose picture stays within the largest picture side;
// anything else is refused and the edit keeps the focus.

#include "common/ui/dialog_conventions.h"

#include <QSizeF>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

class UiHost;

class PixelWidthDialog : public ConventionalDialog {
    Q_OBJECT

public:
    enum class Mode { Bitmap, Jpeg };

    // page: the page's size in inches, which sets the picture's height.
    PixelWidthDialog(const DialogLook &look, UiHost &host, Mode mode, int width, QSizeF page,
                     QWidget *parent = nullptr);

    // The accepted width; 0 until OK accepted one.
    int pixelWidth() const { return m_width; }

    QLineEdit *widthEdit() const { return m_edit; }
    QPushButton *createButton() const { return m_create; }

    void onCreateButtonClicked();

private:
    UiHost &m_host;
    QSizeF m_page;
    QLineEdit *m_edit = nullptr;
    QPushButton *m_create = nullptr;
    int m_width = 0;
};

} // namespace qx
