#pragma once
// The help window: the program's help document "QXMOR.HLP", an HTML file in the program
// directory, shown at its contents or at the anchor of a keyword. One window serves every
// request and stays open beside the window that asked, modal or not.

#include <QStringView>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace qx {

class UiHost;

inline constexpr QStringView HelpFileName = u"QXMOR.HLP";

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows the document at its top (empty keyword) or at the keyword's anchor, matched without
    // regard to letter case; an unknown keyword shows the top.
    void showDocument(const QString &path, const QString &keyword);

    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser = nullptr;
    QPushButton *m_contents = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_forward = nullptr;
};

// Shows the help document of programDir at its contents or at keyword ("HALCYNET", "CROSSWORD
// OBJECTS", "Report Window") in the one help window, which becomes a window of parent's window so
// that it can be used while that window is modal. A missing document is reported through host and
// gives nullptr.
HelpWindow *showHelp(QWidget *parent, UiHost &host, const QString &programDir, const QString &keyword = {});

} // namespace qx
