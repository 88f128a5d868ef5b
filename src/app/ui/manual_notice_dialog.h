#pragma once
// The user manual notice: says where the manual is and opens it, as a word-processor document or
// as a PDF, with the program the desktop uses for that kind of file.

#include "common/ui/dialog_conventions.h"

#include <QUrl>

#include <functional>

class QPushButton;

namespace qx {

class UiHost;

// Hands a file to the desktop's program for its kind; true when one took it.
using DocumentOpener = std::function<bool(const QUrl &)>;
DocumentOpener desktopOpener();

class ManualNoticeDialog : public ConventionalDialog {
    Q_OBJECT

public:
    ManualNoticeDialog(const DialogLook &look, UiHost &host, const QString &programDir, QWidget *parent = nullptr);

    // Tests put an opener here that records the file instead of opening it.
    void setOpener(DocumentOpener opener) { m_opener = std::move(opener); }

    QPushButton *wordButton() const { return m_word; }
    QPushButton *acrobatButton() const { return m_acrobat; }
    QPushButton *cancelButton() const { return m_cancel; }

    void openWordManual();
    void openPdfManual();

private:
    void openManual(const QString &fileName, const QString &missingMessage);

    UiHost &m_host;
    QString m_programDir;
    DocumentOpener m_opener;
    QPushButton *m_word = nullptr;
    QPushButton *m_acrobat = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace qx
