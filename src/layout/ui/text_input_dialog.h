#pragma once
// "Text": the text of a free text object (or any object's text but a heading's), in one box of
// several lines. It takes up to 1,000 characters as typed and hands back at most 999 as stored,
// with CR LF line breaks.

#include "common/ui/dialog_conventions.h"

#include <string>
#include <string_view>

class QPlainTextEdit;

namespace qx {

class UiHost;

class TextInputDialog : public ConventionalDialog {
    Q_OBJECT

public:
    // stored: the object's text as stored (Windows-1252, CR LF line breaks).
    TextInputDialog(const DialogLook &look, UiHost &host, std::string_view stored, QWidget *parent = nullptr);

    QPlainTextEdit *textBox() const { return m_text; }
    // The box's text as it is stored.
    std::string storedText() const;

private:
    QPlainTextEdit *m_text = nullptr;
};

} // namespace qx
