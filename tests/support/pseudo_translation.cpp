#include "support/pseudo_translation.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTranslator>
#include <QWidget>

namespace qx::test {

namespace {

const QString Open = QStringLiteral("\u27e6");
const QString Close = QStringLiteral("\u27e7");
int installed = 0;

QString qtTool(const QString &name)
{
    const QString beside = QLibraryInfo::path(QLibraryInfo::BinariesPath) + QLatin1Char('/') + name;
    return QFileInfo(beside).isExecutable() ? beside : QStandardPaths::findExecutable(name);
}

// Runs a Qt tool; an empty text when it succeeded, else what went wrong.
QString run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QFileInfo(tool).fileName() + QStringLiteral(" failed: ") +
               QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return {};
}

// Every unfinished translation becomes its source between the marks (each plural form alike).
QByteArray marked(QString ts)
{
    static const QRegularExpression message(
        QStringLiteral("<source>(.*?)</source>(.*?)<translation type=\"unfinished\">(.*?)</translation>"),
        QRegularExpression::DotMatchesEverythingOption);
    QString out;
    qsizetype from = 0;
    for (auto it = message.globalMatch(ts); it.hasNext();) {
        const auto m = it.next();
        const QString source = m.captured(1);
        QString translation = m.captured(3);
        const QString text = Open + source + Close;
        if (translation.contains(QLatin1String("<numerusform>")))
            translation.replace(QStringLiteral("<numerusform></numerusform>"),
                                QStringLiteral("<numerusform>%1</numerusform>").arg(text));
        else
            translation = text;
        out += ts.mid(from, m.capturedStart() - from);
        out += QStringLiteral("<source>%1</source>%2<translation>%3</translation>")
                   .arg(source, m.captured(2), translation);
        from = m.capturedEnd();
    }
    out += ts.mid(from);
    return out.toUtf8();
}

bool isMarked(const QString &text)
{
    return text.contains(Open) && text.contains(Close);
}

void addText(QStringList &out, const QString &text, const QStringList &given)
{
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    // Lone characters, key names and screen sizes read the same in every language.
    static const QRegularExpression noWord(QStringLiteral("^(.|F\\d+|\\d+ x \\d+)$"));
    if (isMarked(text) || !text.contains(letter) || noWord.match(text).hasMatch() || given.contains(text))
        return;
    if (!out.contains(text))
        out << text;
}

void addActions(QStringList &out, const QList<QAction *> &actions, const QStringList &given)
{
    for (const QAction *action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        addText(out, action->text(), given);
        addText(out, action->toolTip(), given);
        if (const QMenu *menu = action->menu())
            addActions(out, menu->actions(), given);
    }
}

// Makes the pseudo-translation in `dir`: its .qm file, or an empty text with why not.
QString make(const QString &dir, QString &why)
{
    const QString lupdate = qtTool(QStringLiteral("lupdate"));
    const QString lrelease = qtTool(QStringLiteral("lrelease"));
    if (lupdate.isEmpty() || lrelease.isEmpty()) {
        why = QStringLiteral("lupdate or lrelease is not installed (Debian package qt6-l10n-tools)");
        return {};
    }
    const QString ts = dir + QStringLiteral("/pseudo.ts");
    const QString qm = dir + QStringLiteral("/pseudo.qm");
    why = run(lupdate, {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                        QStringLiteral("-target-language"), QStringLiteral("en"),
                        QStringLiteral(QUORVEX_SOURCE_DIR "/src"), QStringLiteral("-ts"), ts});
    if (!why.isEmpty())
        return {};
    QFile file(ts);
    if (!file.open(QIODevice::ReadWrite)) {
        why = QStringLiteral("lupdate wrote no %1").arg(ts);
        return {};
    }
    const QByteArray filled = marked(QString::fromUtf8(file.readAll()));
    if (!file.resize(0) || !file.seek(0) || file.write(filled) != filled.size() || !file.flush()) {
        why = QStringLiteral("cannot write %1").arg(ts);
        return {};
    }
    file.close();
    why = run(lrelease, {QStringLiteral("-silent"), ts, QStringLiteral("-qm"), qm});
    return why.isEmpty() ? qm : QString();
}

// The pseudo-translation, made once per run.
QString compiled(QString &failure)
{
    static QTemporaryDir dir;
    static QString why;
    static const QString qm = make(dir.path(), why);
    failure = why;
    return qm;
}

} // namespace

PseudoTranslation::PseudoTranslation()
{
    const QString qm = compiled(m_failure);
    if (qm.isEmpty())
        return;
    m_translator = new QTranslator;
    if (!m_translator->load(qm) || !QCoreApplication::installTranslator(m_translator)) {
        m_failure = QStringLiteral("the pseudo-translation does not load");
        delete m_translator;
        m_translator = nullptr;
        return;
    }
    ++installed;
}

PseudoTranslation::~PseudoTranslation()
{
    if (!m_translator)
        return;
    QCoreApplication::removeTranslator(m_translator);
    delete m_translator;
    --installed;
}

bool pseudoTranslationInstalled()
{
    return installed > 0;
}

QStringList unmarkedTexts(const QWidget &window, const QStringList &given)
{
    QStringList out;
    addText(out, window.windowTitle(), given);
    QList<const QWidget *> widgets{&window};
    for (const QWidget *w : window.findChildren<QWidget *>())
        widgets << w;
    for (const QWidget *w : widgets) {
        if (!w->isVisible())
            continue;
        addText(out, w->toolTip(), given);
        if (const auto *bar = qobject_cast<const QMenuBar *>(w)) {
            addActions(out, bar->actions(), given);
        } else if (const auto *label = qobject_cast<const QLabel *>(w)) {
            addText(out, label->text(), given);
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(w)) {
            addText(out, button->text(), given);
        } else if (const auto *group = qobject_cast<const QGroupBox *>(w)) {
            addText(out, group->title(), given);
        } else if (const auto *tabs = qobject_cast<const QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                addText(out, tabs->tabText(i), given);
        } else if (const auto *combo = qobject_cast<const QComboBox *>(w)) {
            if (!combo->isEditable())
                for (int i = 0; i < combo->count(); ++i)
                    addText(out, combo->itemText(i), given);
        } else if (const auto *header = qobject_cast<const QHeaderView *>(w)) {
            if (header->model())
                for (int i = 0; i < header->count(); ++i)
                    addText(out, header->model()->headerData(i, header->orientation()).toString(), given);
        }
    }
    return out;
}

} // namespace qx::test
