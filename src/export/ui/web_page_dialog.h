#pragma once
// "HTML Creation": the web page around a JPEG picture of the previewed page. The check boxes, the
// font size lists and the two rules write their settings at once, so they hold even when the
// window is cancelled; the four texts and the title are taken over only by "Save HTML", which asks
// for the picture's width and the page's file and writes the page and its picture together.

#include "common/ui/dialog_conventions.h"
#include "report/page_stream.h"

#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qx {

struct Settings;
class UiHost;

class WebPageDialog : public ConventionalDialog {
    Q_OBJECT

public:
    WebPageDialog(const DialogLook &look, Settings &settings, UiHost &host, std::shared_ptr<const PageStream> stream,
                  int page, QWidget *parent = nullptr);

    // A first header and a page title that still hold the texts every user starts with (nothing was
    // saved before) start as the puzzle's title instead.
    void startWithPuzzleTitle(const QString &puzzleTitle);

    // One header or footer's controls; blocks() holds first header, second header, first footer,
    // second footer.
    struct Block {
        QPlainTextEdit *text = nullptr;
        QCheckBox *bold = nullptr;
        QCheckBox *italic = nullptr;
        QCheckBox *center = nullptr;
        QComboBox *fontSize = nullptr;
    };
    const std::array<Block, 4> &blocks() const { return m_blocks; }
    QCheckBox *upperRule() const { return m_upper; }
    QCheckBox *lowerRule() const { return m_lower; }
    QLineEdit *titleEdit() const { return m_title; }
    QPushButton *saveButton() const { return m_save; }

    // The page written by the last Save, empty before one succeeded.
    QString savedPage() const { return m_savedPage; }

    void saveWebPage();

private:
    // Asks once before the page or its picture is replaced, naming both; true to go on.
    bool mayReplace(const QString &caption, const QString &page);

    QWidget *blockControls(const QString &caption, Block &block, int index);

    Settings &m_settings;
    UiHost &m_host;
    std::shared_ptr<const PageStream> m_stream;
    int m_page = 0;
    std::array<Block, 4> m_blocks;
    QCheckBox *m_upper = nullptr;
    QCheckBox *m_lower = nullptr;
    QLineEdit *m_title = nullptr;
    QPushButton *m_save = nullptr;
    QString m_savedPage;
};

} // namespace qx
