#include "export/solvable_page_script.h"

#include <QFile>

namespace qx {

namespace {

// A resource compiled into the program: it is always there, so a failure to read it is a build
// fault, not the user's.
QByteArray resource(const char *path)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("The resource %s is missing from the program", path);
    return file.readAll();
}

} // namespace

QByteArray solvablePageStyle()
{
    static const QByteArray style = resource(":/export/solvable_page.css");
    return style;
}

QByteArray solvablePageScript()
{
    static const QByteArray script = resource(":/export/solvable_page.js");
    return script;
}

} // namespace qx
