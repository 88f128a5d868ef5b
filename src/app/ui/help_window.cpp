#include "app/ui/help_window.h"

#include "app/ui/about_box.h"
#include "common/translations.h"
#include "common/ui/dialog_conventions.h"
#include "common/ui/ui_host.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace qx {

namespace {

QPointer<HelpWindow> theHelpWindow;

// The anchor of the document that a keyword names: an exact match first, then one that differs
// only in letter case.
QString anchorFor(const QTextDocument &document, const QString &keyword)
{
    QString caseless;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            for (const QString &name : it.fragment().charFormat().anchorNames()) {
                if (name == keyword)
                    return name;
                if (caseless.isEmpty() && name.compare(keyword, Qt::CaseInsensitive) == 0)
                    caseless = name;
            }
        }
    }
    return caseless;
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("Quorvex 98 Help"));
    setWindowIcon(programIcon());

    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(false);
    m_browser->setOpenLinks(true);

    m_contents = new QPushButton(tr("&Contents"), this);
    m_back = new QPushButton(tr("&Back"), this);
    m_forward = new QPushButton(tr("&Forward"), this);
    auto *close = new QPushButton(tr("C&lose"), this);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_contents);
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addStretch();
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser, 1);

    connect(m_contents, &QPushButton::clicked, this,
            [this] { showDocument(m_browser->source().adjusted(QUrl::RemoveFragment).toLocalFile(), {}); });
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // Not a dialog, so Escape closes it only when asked to, as it closes every other window.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    QSize size(700, 560);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    resize(size);
}

void HelpWindow::showDocument(const QString &path, const QString &keyword)
{
    QUrl url = QUrl::fromLocalFile(path);
    if (m_browser->source().adjusted(QUrl::RemoveFragment) != url) {
        // A first load, or another document: load it before its anchors can be looked up.
        m_browser->clearHistory();
        m_browser->setSource(url, QTextDocument::HtmlResource);
    }
    const QString anchor = keyword.isEmpty() ? QString() : anchorFor(*m_browser->document(), keyword);
    url.setFragment(anchor);
    if (m_browser->source() != url)
        m_browser->setSource(url, QTextDocument::HtmlResource);
    if (anchor.isEmpty()) {
        m_browser->verticalScrollBar()->setValue(0);
        m_browser->horizontalScrollBar()->setValue(0);
    } else {
        // Also when the window already stood at this anchor but the user has scrolled away.
        m_browser->scrollToAnchor(anchor);
    }
}

HelpWindow *showHelp(QWidget *parent, UiHost &host, const QString &programDir, const QString &keyword)
{
    // The help in the windows' language where it was translated, the English one otherwise.
    const QString translated = QDir(programDir).filePath(QStringLiteral("QXMOR.%1.HLP").arg(currentLanguage()));
    const QString path = currentLanguage() != QLatin1String("en") && QFileInfo(translated).isFile()
                             ? translated
                             : QDir(programDir).filePath(HelpFileName.toString());
    if (!QFileInfo(path).isFile()) {
        host.message(parent, QObject::tr("Error"),
                     QObject::tr("The help file \"%1\" could not be located.  Please make sure that it was "
                                 "installed.")
                         .arg(QDir::toNativeSeparators(path)),
                     Buttons::Ok);
        return nullptr;
    }
    QWidget *owner = parent ? parent->window() : nullptr;
    if (!theHelpWindow) {
        theHelpWindow = new HelpWindow(owner);
    } else if (theHelpWindow->parentWidget() != owner) {
        // Qt blocks the input of every window outside a modal one; as its child the help stays usable.
        theHelpWindow->setParent(owner, theHelpWindow->windowFlags() | Qt::Window);
    }
    if (!owner)
        theHelpWindow->setAttribute(Qt::WA_QuitOnClose, false);
    theHelpWindow->show();
    fitOnScreen(*theHelpWindow);
    theHelpWindow->raise();
    theHelpWindow->activateWindow();
    theHelpWindow->showDocument(path, keyword);
    return theHelpWindow;
}

} // namespace qx
