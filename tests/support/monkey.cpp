#include "support/monkey.h"

#include "support/real_host.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractPrintDialog>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdio>

namespace qx::test {

namespace {

template <class T>
T *pick(QRandomGenerator &random, const QList<T *> &list)
{
    return list.isEmpty() ? nullptr : list[static_cast<qsizetype>(random.bounded(static_cast<quint32>(list.size())))];
}

// Widgets of exactly this window (not of a dialog inside it) that a user could reach now.
template <class T>
QList<T *> reachable(QWidget *window)
{
    QList<T *> out;
    for (T *w : window->findChildren<T *>()) {
        if (w->isVisible() && w->isEnabled() && w->window() == window)
            out << w;
    }
    return out;
}

int modalDepth()
{
    int depth = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowModality() != Qt::NonModal)
            ++depth;
    }
    return depth;
}

QString describe(const QObject *o)
{
    QString name = QString::fromLatin1(o->metaObject()->className());
    if (!o->objectName().isEmpty())
        name += QLatin1Char('#') + o->objectName();
    if (auto *b = qobject_cast<const QAbstractButton *>(o))
        name += QStringLiteral(" \"") + b->text() + QLatin1Char('"');
    if (auto *a = qobject_cast<const QAction *>(o))
        name += QStringLiteral(" \"") + a->text() + QLatin1Char('"');
    return name;
}

QString printable(const QString &text)
{
    QString out;
    for (const QChar c : text.left(40))
        out += c.unicode() < 0x20 ? QStringLiteral("^%1").arg(QChar(c.unicode() + 0x40)) : QString(c);
    if (text.size() > 40)
        out += QStringLiteral("...(%1 chars)").arg(text.size());
    return out;
}

// Characters a user could type or paste that the puzzle's code page cannot hold, or that mean
// something else to the program.
const char16_t *const Foreign[] = {u"Α", u"β",    u"Ж", u"中",     u"文",     u"字",
                                   u"😀", u"🧩", u"ﬁ", u"\u200B", u"\uFEFF", u"Ā"};
const char16_t *const Western[] = {u"é", u"€", u"ß", u"“", u"”", u"Ÿ", u"½", u"ñ", u"Æ"};

} // namespace

MonkeyOptions monkeyOptions(int defaultEvents)
{
    MonkeyOptions o;
    o.events = defaultEvents;
    bool ok = false;
    const int events = qEnvironmentVariableIntValue("QUORVEX_MONKEY_EVENTS", &ok);
    if (ok && events > 0)
        o.events = events;
    const int seed = qEnvironmentVariableIntValue("QUORVEX_MONKEY_SEED", &ok);
    if (ok)
        o.seed = static_cast<quint32>(seed);
    // A minute per thousand events at least: slow machines and builds run from the monkey's clicks.
    o.limit = std::max(o.limit, std::chrono::milliseconds(60 * o.events));
    return o;
}

Monkey::Monkey(MonkeyOptions options) : m_options(std::move(options)), m_random(m_options.seed)
{
    m_trace = qEnvironmentVariableIntValue("QUORVEX_MONKEY_TRACE") != 0;
    QApplication::setQuitOnLastWindowClosed(false);
}

Monkey::~Monkey()
{
    m_stopped = true;
}

void Monkey::play(const std::function<QWidget *()> &open)
{
    Watchdog watchdog(m_options.limit, QStringLiteral("the monkey (seed %1)").arg(m_options.seed));
    m_closing = false;
    schedule();
    while (m_events < m_options.events) {
        const int before = m_events;
        ++m_openings;
        m_root = nullptr;
        QWidget *shown = open();
        if (shown) {
            m_root = shown;
            spinUntil([this] { return m_events >= m_options.events || !m_root || !m_root->isVisible(); },
                      m_options.limit);
        }
        if (m_events == before)
            break; // the window did not open, or closed before anything happened in it
    }
    // Events spent: close what is still open, innermost first, and let the window's own loop end.
    m_closing = true;
    spinUntil([] { return QApplication::activeModalWidget() == nullptr; }, m_options.limit);
    m_stopped = true;
}

void Monkey::schedule()
{
    if (!m_stopped)
        QTimer::singleShot(1, this, [this] { tick(); });
}

QString Monkey::recentActions() const
{
    return m_recent.join(QLatin1Char('\n'));
}

void Monkey::note(const QString &action)
{
    const QString line = QStringLiteral("%1: %2").arg(m_events).arg(action);
    if (m_trace) {
        std::fprintf(stderr, "monkey %s\n", line.toLocal8Bit().constData());
        std::fflush(stderr);
    }
    m_recent << line;
    if (m_recent.size() > 40)
        m_recent.removeFirst();
}

bool Monkey::skipped(const QObject *o, const QString &text) const
{
    QString plain = text;
    plain.remove(QLatin1Char('&'));
    // A tool bar button stands for its action.
    if (auto *tool = qobject_cast<const QToolButton *>(o);
        tool && tool->defaultAction() && skipped(tool->defaultAction(), tool->defaultAction()->text()))
        return true;
    return m_options.skip.contains(o->objectName()) || (!plain.isEmpty() && m_options.skip.contains(plain));
}

void Monkey::tick()
{
    // Scheduled first: what follows may run a modal loop, inside which the monkey goes on.
    schedule();
    if (QWidget *popup = QApplication::activePopupWidget()) {
        // A popup menu run as a command (an object's menu) gets an entry picked half of the time.
        QList<QAction *> entries;
        if (auto *menu = qobject_cast<QMenu *>(popup)) {
            for (QAction *a : menu->actions()) {
                if (a->isEnabled() && a->isVisible() && !a->isSeparator() && !a->menu() && !skipped(a, a->text()))
                    entries << a;
            }
            if (!entries.isEmpty() && m_random.bounded(2u) == 0) {
                QAction *a = entries[static_cast<qsizetype>(m_random.bounded(static_cast<quint32>(entries.size())))];
                note(QStringLiteral("pick %1 in popup %2").arg(a->text(), describe(popup)));
                menu->setActiveAction(a);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        }
        note(QStringLiteral("close popup ") + describe(popup));
        popup->close();
        return;
    }
    QWidget *modal = QApplication::activeModalWidget();
    QWidget *target = modal ? modal : (m_root && m_root->isVisible() ? m_root.data() : nullptr);
    if (!target)
        return;
    if (m_closing || m_events >= m_options.events) {
        if (modal) {
            note(QStringLiteral("close ") + describe(modal));
            if (auto *box = qobject_cast<QMessageBox *>(modal); box && box->buttons().size() > 1)
                box->buttons().constLast()->click(); // Escape is ignored by some boxes
            else
                dismiss(modal);
        }
        return;
    }
    if (modal && !modal->isActiveWindow() && m_activated != modal) {
        m_activated = modal;
        // As a desktop does; the window's loop runs once before the monkey acts in it.
        activate(modal);
        return;
    }
    ++m_events;
    if (modal && answerSpecial(modal))
        return;
    if (modal && modalDepth() > m_options.maxDepth) {
        note(QStringLiteral("too deep, close ") + describe(modal));
        dismiss(modal);
        return;
    }
    act(target);
}

bool Monkey::answerSpecial(QWidget *modal)
{
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        ++m_boxes;
        const auto buttons = box->buttons();
        const quint32 choice = m_random.bounded(static_cast<quint32>(buttons.size() + 1));
        const AnsweredBox shown = describeBox(box);
        if (choice == static_cast<quint32>(buttons.size())) {
            note(QStringLiteral("box \"%1\" %2: Escape").arg(shown.caption, printable(shown.text)));
            QTest::keyClick(box, Qt::Key_Escape);
        } else {
            note(
                QStringLiteral("box \"%1\" %2: %3").arg(shown.caption, printable(shown.text), buttons[choice]->text()));
            buttons[choice]->click();
        }
        return true;
    }
    if (auto *files = qobject_cast<QFileDialog *>(modal); files && !m_options.fileAnswer.isEmpty()) {
        note(QStringLiteral("choose %1 in %2").arg(m_options.fileAnswer, describe(modal)));
        chooseInFileDialog(files, m_options.fileAnswer);
        return true;
    }
    // Windows of the system's own: never a real file chosen, printer used, font or colour picked.
    if (qobject_cast<QFileDialog *>(modal) || qobject_cast<QAbstractPrintDialog *>(modal) ||
        qobject_cast<QFontDialog *>(modal) || qobject_cast<QColorDialog *>(modal)) {
        note(QStringLiteral("cancel ") + describe(modal));
        dismiss(modal);
        return true;
    }
    return false;
}

QString Monkey::randomText()
{
    const auto from = [this](const auto &table) {
        return QString::fromUtf16(table[m_random.bounded(static_cast<quint32>(std::size(table)))]);
    };
    const auto plainWord = [this] {
        QString s;
        const int n = 1 + static_cast<int>(m_random.bounded(10u));
        for (int i = 0; i < n; ++i)
            s += QChar(u'A' + static_cast<char16_t>(m_random.bounded(26u)));
        return s;
    };
    switch (m_random.bounded(8u)) {
    case 0:
    case 1:
        return plainWord();
    case 2: // a word with one character the code page cannot hold
        return plainWord() + from(Foreign) + plainWord().toLower();
    case 3:
        return from(Western) + plainWord();
    case 4: { // control characters, NUL included
        QString s = plainWord();
        s.insert(static_cast<qsizetype>(m_random.bounded(static_cast<quint32>(s.size() + 1))),
                 QChar(static_cast<char16_t>(m_random.bounded(0x20u))));
        return s;
    }
    case 5: { // numbers, for the fields that take them
        static const char *const numbers[] = {"0", "-1", "1", "99999", "2147483648", "3.5", "", " "};
        return QString::fromLatin1(numbers[m_random.bounded(static_cast<quint32>(std::size(numbers)))]);
    }
    case 6: { // very long, mixed
        QString s;
        const int n = 1000 + static_cast<int>(m_random.bounded(5000u));
        while (s.size() < n) {
            switch (m_random.bounded(4u)) {
            case 0:
                s += from(Foreign);
                break;
            case 1:
                s += QChar(static_cast<char16_t>(m_random.bounded(0x20u)));
                break;
            default:
                s += plainWord() + QLatin1Char(' ');
            }
        }
        return s;
    }
    default: {
        QString s;
        for (int i = 0; i < 3; ++i)
            s += from(Foreign);
        return s;
    }
    }
}

void Monkey::typeInto(QWidget *w)
{
    const QString text = randomText();
    w->setFocus(Qt::OtherFocusReason);
    switch (m_random.bounded(4u)) {
    case 0: { // pasted: control characters and long strings arrive whole
        note(QStringLiteral("paste into %1: %2").arg(describe(w), printable(text)));
        QApplication::clipboard()->setText(text);
        QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        break;
    }
    case 1: { // committed by an input method
        note(QStringLiteral("input method into %1: %2").arg(describe(w), printable(text)));
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(w, &event);
        break;
    }
    default: { // typed, one key per character (a surrogate pair is one key)
        note(QStringLiteral("type into %1: %2").arg(describe(w), printable(text)));
        typeKeys(w, text.left(200));
        break;
    }
    }
}

void Monkey::editItemView(QWidget *widget)
{
    auto *view = static_cast<QAbstractItemView *>(widget);
    QAbstractItemModel *model = view->model();
    if (!model || model->rowCount() == 0 || model->columnCount() == 0) {
        note(QStringLiteral("click empty ") + describe(view));
        QTest::mouseClick(view->viewport(), Qt::LeftButton);
        return;
    }
    const int row = static_cast<int>(m_random.bounded(static_cast<quint32>(model->rowCount())));
    const int column = static_cast<int>(m_random.bounded(static_cast<quint32>(model->columnCount())));
    const QModelIndex index = model->index(row, column);
    view->scrollTo(index);
    const QPoint at = view->visualRect(index).center();
    QPointer<QAbstractItemView> guard(view);
    switch (m_random.bounded(4u)) {
    case 0:
        note(QStringLiteral("click %1 at %2,%3").arg(describe(view)).arg(row).arg(column));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        return;
    case 1:
        note(QStringLiteral("double-click %1 at %2,%3").arg(describe(view)).arg(row).arg(column));
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        return;
    default:
        break;
    }
    note(QStringLiteral("edit %1 at %2,%3").arg(describe(view)).arg(row).arg(column));
    view->setCurrentIndex(index);
    view->edit(index);
    if (!guard)
        return;
    QWidget *editor = nullptr;
    for (QWidget *child : view->viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && child->focusPolicy() != Qt::NoFocus)
            editor = child;
    }
    if (!editor)
        return;
    QPointer<QWidget> editorGuard(editor);
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        typeInto(line);
    else
        typeInto(editor);
    if (!editorGuard)
        return;
    static const Qt::Key ends[] = {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Escape, Qt::Key_Backtab};
    const Qt::Key end = ends[m_random.bounded(static_cast<quint32>(std::size(ends)))];
    note(QStringLiteral("end the edit with key %1").arg(int(end), 0, 16));
    QTest::keyClick(editorGuard, end);
}

void Monkey::act(QWidget *target)
{
    // What is there now: the window's controls may change with every action.
    QList<QWidget *> typeable;
    for (QLineEdit *e : reachable<QLineEdit>(target)) {
        if (!e->isReadOnly())
            typeable << e;
    }
    for (QTextEdit *e : reachable<QTextEdit>(target)) {
        if (!e->isReadOnly())
            typeable << e;
    }
    for (QPlainTextEdit *e : reachable<QPlainTextEdit>(target)) {
        if (!e->isReadOnly())
            typeable << e;
    }
    QList<QWidget *> stepped;
    for (QAbstractSpinBox *s : reachable<QAbstractSpinBox>(target))
        stepped << s;
    for (QComboBox *c : reachable<QComboBox>(target))
        stepped << c;
    QList<QAbstractButton *> buttons;
    for (QAbstractButton *b : reachable<QAbstractButton>(target)) {
        if (!skipped(b, b->text()))
            buttons << b;
    }
    QList<QWidget *> views;
    for (QAbstractItemView *v : reachable<QAbstractItemView>(target))
        views << v;
    QList<QAction *> actions;
    for (QAction *a : target->findChildren<QAction *>()) {
        if (a->isEnabled() && a->isVisible() && !a->isSeparator() && !a->menu() && !skipped(a, a->text()))
            actions << a;
    }

    for (;;) {
        switch (m_random.bounded(7u)) {
        case 0:
        case 1:
            if (QWidget *w = pick(m_random, typeable)) {
                if (m_random.bounded(4u) == 0) {
                    note(QStringLiteral("clear ") + describe(w));
                    w->setFocus(Qt::OtherFocusReason);
                    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
                    QTest::keyClick(w, Qt::Key_Delete);
                } else {
                    typeInto(w);
                }
                return;
            }
            break;
        case 2:
            if (QWidget *w = pick(m_random, stepped)) {
                static const Qt::Key keys[] = {Qt::Key_Up,       Qt::Key_Down, Qt::Key_PageUp,
                                               Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
                const Qt::Key key = keys[m_random.bounded(static_cast<quint32>(std::size(keys)))];
                note(QStringLiteral("key %1 on %2").arg(int(key), 0, 16).arg(describe(w)));
                QTest::keyClick(w, key);
                return;
            }
            break;
        case 3:
        case 4:
            if (QAbstractButton *b = pick(m_random, buttons)) {
                note(QStringLiteral("press ") + describe(b));
                b->click();
                return;
            }
            break;
        case 5:
            if (QWidget *v = pick(m_random, views)) {
                editItemView(v);
                return;
            }
            if (QAction *a = pick(m_random, actions)) {
                note(QStringLiteral("trigger ") + describe(a));
                a->trigger();
                return;
            }
            break;
        default: {
            if (QAction *a = pick(m_random, actions); a && m_random.bounded(2u) == 0) {
                note(QStringLiteral("trigger ") + describe(a));
                a->trigger();
                return;
            }
            // A key to whatever has the focus, as a user presses Enter, Escape or Tab anywhere.
            static const Qt::Key keys[] = {Qt::Key_Return,  Qt::Key_Escape, Qt::Key_Tab,
                                           Qt::Key_Backtab, Qt::Key_Delete, Qt::Key_Backspace,
                                           Qt::Key_Down,    Qt::Key_Up,     Qt::Key_Space};
            const Qt::Key key = keys[m_random.bounded(static_cast<quint32>(std::size(keys)))];
            QWidget *focus = QApplication::focusWidget();
            if (!focus || focus->window() != target)
                focus = target;
            note(QStringLiteral("key %1 to %2").arg(int(key), 0, 16).arg(describe(focus)));
            QTest::keyClick(focus, key);
            return;
        }
        }
    }
}

FileSnapshot FileSnapshot::take(const QStringList &dirs)
{
    FileSnapshot s;
    for (const QString &dir : dirs) {
        QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile f(path);
            QByteArray id = QByteArray::number(QFileInfo(path).size()) + ' ';
            if (f.open(QIODevice::ReadOnly)) {
                QCryptographicHash hash(QCryptographicHash::Sha1);
                hash.addData(&f);
                id += hash.result().toHex();
            }
            s.m_files.insert(path, id);
        }
    }
    return s;
}

QStringList FileSnapshot::changesSince(const FileSnapshot &before, const QStringList &allowed) const
{
    const auto isAllowed = [&](const QString &path) {
        return allowed.contains(path) || allowed.contains(QFileInfo(path).fileName());
    };
    QStringList out;
    for (auto it = m_files.cbegin(); it != m_files.cend(); ++it) {
        if (isAllowed(it.key()))
            continue;
        if (!before.m_files.contains(it.key()))
            out << QStringLiteral("added ") + it.key();
        else if (before.m_files.value(it.key()) != it.value())
            out << QStringLiteral("changed ") + it.key();
    }
    for (auto it = before.m_files.cbegin(); it != before.m_files.cend(); ++it) {
        if (!m_files.contains(it.key()) && !isAllowed(it.key()))
            out << QStringLiteral("removed ") + it.key();
    }
    out.sort();
    return out;
}

} // namespace qx::test
