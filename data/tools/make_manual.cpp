// Turns the help document QXMOR.HLP into the printable manual QXMOR.PDF: the same text, laid out on
// Letter pages with page numbers, so that the help and the manual never disagree.
//
// Usage: quorvex_make_manual HELP.HLP OUTPUT.PDF

#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char **argv)
{
    // Runs inside the build, where there is no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: quorvex_make_manual HELP.HLP OUTPUT.PDF\n");
        return 2;
    }
    QFile help(args[1]);
    if (!help.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s: %s\n", qPrintable(args[1]), qPrintable(help.errorString()));
        return 1;
    }
    const QString html = QString::fromUtf8(help.readAll());

    QTextDocument document;
    QFont body(QStringLiteral("Arial"));
    body.setPointSizeF(10);
    document.setDefaultFont(body);
    document.setHtml(html);
    document.setMetaInformation(QTextDocument::DocumentTitle, QStringLiteral("Quorvex 98 User Manual"));

    // Written beside the target first, so that a failed run leaves no half-written manual.
    const QString partial = args[2] + QStringLiteral(".part");
    {
        QPdfWriter pdf(partial);
        pdf.setTitle(QStringLiteral("Quorvex 98 User Manual"));
        pdf.setCreator(QStringLiteral("Quorvex"));
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(6, 6, 6, 6),
                                      QPageLayout::Millimeter));
        // Without a page size of its own the document is paginated for the writer's pages, with a
        // margin around the text and the page number at the foot of each page.
        document.print(&pdf);
    }
    QFile::remove(args[2]);
    if (!QFile::rename(partial, args[2])) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
