#pragma once
// "Across Header" or "Down Header": the text of one clue heading object, at most 25 characters
// typed. The caller stores the text back when the dialog is accepted.

#include "common/ui/dialog_conventions.h"
#include "layout/page_layout.h"

#include <string>
#include <string_view>

class QLineEdit;

namespace qx {

class UiHost;

class HeadingTextDialog : public ConventionalDialog {
    Q_OBJECT

public:
    static constexpr int MaxTyped = 25;

    // kind: ObjectKind::AcrossHeading or ObjectKind::DownHeading; stored: the heading's text.
    HeadingTextDialog(const DialogLook &look, UiHost &host, ObjectKind kind, std::string_view stored,
                      QWidget *parent = nullptr);

    QLineEdit *headingBox() const { return m_heading; }
    // The box's text as it is stored.
    std::string storedText() const;

private:
    QLineEdit *m_heading = nullptr;
};

} // namespace qx
