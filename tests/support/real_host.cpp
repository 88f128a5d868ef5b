#include "support/real_host.h"

#include "app/ui/program_windows.h"
#include "app/ui/startup.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace qx::test {

namespace {

const QString ShippedDir = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex");

QString withoutMarks(QString text)
{
    return text.remove(QLatin1Char('&'));
}

} // namespace

RealProgram::RealProgram(bool translated)
{
    // A window closed by a test must not end the event loops the test is running in.
    QApplication::setQuitOnLastWindowClosed(false);
    EXPECT_TRUE(QFile::copy(ShippedDir + QStringLiteral("/SAMPLE.QX3"), collection()));
    QFile::setPermissions(collection(), QFile::permissions(collection()) | QFile::WriteOwner);
    StartupOptions options;
    options.programDir = program.path();
    options.startupDir = startup.path();
    options.shippedDataDir = ShippedDir;
    if (translated)
        options.translationsDir = ShippedDir + QStringLiteral("/translations");
    window = startUp(options, session, host);
    installProgramWindows(*window, session, host);
    session.settings.misc.lastCollection = collection();
    window->loadInPuzzles();
    window->selectFirstPuzzle();
}

RealProgram::~RealProgram()
{
    // Windows left open by a failed test must not outlive the directories they show.
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w != window.get())
            w->hide();
    }
}

Watchdog::Watchdog(std::chrono::milliseconds limit, QString what)
{
    m_thread = std::thread([this, limit, what = what.toStdString()] {
        std::unique_lock lock(m_mutex);
        if (!m_done.wait_for(lock, limit, [this] { return m_finished; })) {
            std::fprintf(stderr, "\nwatchdog: %s took longer than %lld ms; aborting\n", what.c_str(),
                         static_cast<long long>(limit.count()));
            std::fflush(stderr);
            std::abort();
        }
    });
}

Watchdog::~Watchdog()
{
    {
        std::lock_guard lock(m_mutex);
        m_finished = true;
    }
    m_done.notify_all();
    m_thread.join();
}

void chooseInFileDialog(QFileDialog *files, const QString &path)
{
    // Typed into the file name box, as a user does. The dialog selects its start-up file once it
    // has read its folder, which on a loaded machine may come after the typing and replace it:
    // wait for the folder first, and type again whenever the start-up selection won.
    auto *model = files->findChild<QFileSystemModel *>();
    bool loaded = model == nullptr;
    if (model) {
        const auto connection =
            QObject::connect(model, &QFileSystemModel::directoryLoaded, files, [&loaded] { loaded = true; });
        // A folder read before gives no signal again: its rows are there already.
        const QModelIndex folder = model->index(files->directory().absolutePath());
        spinUntil([&] { return loaded || model->rowCount(folder) > 0; }, std::chrono::milliseconds(2000));
        QObject::disconnect(connection);
    }
    auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    const auto type = [&] {
        if (name)
            name->setText(path);
        else
            files->selectFile(path);
    };
    const QStringList wanted{QFileInfo(path).absoluteFilePath()};
    for (int tries = 0; tries < 20; ++tries) {
        type();
        QTest::qWait(20);
        if (files->selectedFiles() == wanted)
            break;
    }
    static_cast<QDialog *>(files)->accept(); // public in QDialog; the file dialog's own checks run
}

void activate(QWidget *window)
{
    // The offscreen platform does not activate a window shown from inside a handler as a desktop
    // does; without it the focus would stay where the box's owner had it.
    if (window->isActiveWindow())
        return;
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window, 200) || !window->isActiveWindow()) {
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        QApplication::setActiveWindow(window);
        QT_WARNING_POP
    }
}

AnsweredBox describeBox(QWidget *box)
{
    if (auto *mb = qobject_cast<QMessageBox *>(box))
        return {mb->windowTitle(), mb->text(), {}};
    return {box ? box->windowTitle() : QString(), {}, {}};
}

QString pressInBox(QWidget *box, const QString &button)
{
    // A user answers a box that has come up in front: active, with the focus taken from where it was.
    QPointer<QWidget> guard(box);
    activate(box);
    if (!guard)
        return {};
    if (button == QLatin1String("Escape") || button == QLatin1String("Enter")) {
        QTest::keyClick(box, button == QLatin1String("Escape") ? Qt::Key_Escape : Qt::Key_Return);
        return button;
    }
    QList<QAbstractButton *> buttons;
    if (auto *mb = qobject_cast<QMessageBox *>(box))
        buttons = mb->buttons();
    else
        buttons = box->findChildren<QAbstractButton *>();
    for (QAbstractButton *b : buttons) {
        if (b->isVisible() && b->isEnabled() && withoutMarks(b->text()).compare(button, Qt::CaseInsensitive) == 0) {
            const QString pressed = withoutMarks(b->text());
            b->click();
            return pressed;
        }
    }
    return {};
}

void dismiss(QWidget *modal)
{
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}

ModalAnswerer::ModalAnswerer()
{
    QApplication::setQuitOnLastWindowClosed(false);
    schedule();
}

ModalAnswerer::~ModalAnswerer()
{
    m_stopped = true;
}

ModalAnswerer &ModalAnswerer::press(const QString &button)
{
    m_steps.emplace_back(button);
    return *this;
}

ModalAnswerer &ModalAnswerer::drive(Driver driver)
{
    m_steps.emplace_back(std::move(driver));
    return *this;
}

ModalAnswerer &ModalAnswerer::chooseFile(const QString &path)
{
    return drive([path](QWidget *modal) {
        auto *files = qobject_cast<QFileDialog *>(modal);
        if (!files) {
            ADD_FAILURE() << "expected a file dialog, got \"" << modal->windowTitle().toStdString() << '"';
            dismiss(modal);
            return;
        }
        chooseInFileDialog(files, path);
    });
}

ModalAnswerer &ModalAnswerer::pickMenuEntry(const QString &entry)
{
    m_steps.emplace_back(MenuPick{entry});
    return *this;
}

// A popup menu runs its own loop like a modal window; the menu step next in the script answers it.
void ModalAnswerer::answerMenu(QMenu *menu)
{
    const MenuPick *pick = m_steps.empty() ? nullptr : std::get_if<MenuPick>(&m_steps.front());
    if (!pick) {
        ADD_FAILURE() << "unexpected popup menu \"" << menu->title().toStdString() << '"';
        menu->close();
        return;
    }
    const QString entry = pick->entry;
    m_steps.pop_front();
    m_boxes.push_back({QStringLiteral("(menu)"), entry, entry});
    for (QAction *a : menu->actions()) {
        QString text = a->text();
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
        text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
        if (!entry.isEmpty() && a->isVisible() && a->isEnabled() && text == entry) {
            menu->setActiveAction(a);
            QTest::keyClick(menu, Qt::Key_Return);
            return;
        }
    }
    if (!entry.isEmpty())
        ADD_FAILURE() << "no enabled entry \"" << entry.toStdString() << "\" in the popup menu";
    menu->close();
}

QStringList ModalAnswerer::texts() const
{
    QStringList out;
    for (const auto &b : m_boxes)
        out << b.text;
    return out;
}

void ModalAnswerer::schedule()
{
    // A fresh timer every time: Qt never fires a timer inside its own handler, and a handler here
    // may run a modal loop whose boxes need answering too.
    if (!m_stopped)
        QTimer::singleShot(5, this, [this] { poll(); });
}

void ModalAnswerer::poll()
{
    schedule();
    if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()); menu && menu->isVisible()) {
        answerMenu(menu);
        return;
    }
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    for (const auto &driven : m_driven) {
        if (driven == modal)
            return; // its driver is still at work
    }
    // A window that comes up is activated first and answered at a later poll, after its own loop
    // has run: as on a desktop, where the focus has left the owner before the user can answer.
    if (!modal->isActiveWindow() && m_activated != modal) {
        m_activated = modal;
        activate(modal);
        return;
    }
    if (m_steps.empty() && !m_fallback.isEmpty() && qobject_cast<QMessageBox *>(modal)) {
        AnsweredBox box = describeBox(modal);
        box.pressed = pressInBox(modal, m_fallback);
        if (box.pressed.isEmpty())
            dismiss(modal);
        m_boxes.push_back(box);
        return;
    }
    if (m_steps.empty()) {
        const AnsweredBox box = describeBox(modal);
        ADD_FAILURE() << "unexpected modal window \"" << box.caption.toStdString() << "\": " << box.text.toStdString();
        m_boxes.push_back({box.caption, box.text, QStringLiteral("(dismissed)")});
        dismiss(modal);
        return;
    }
    if (std::holds_alternative<MenuPick>(m_steps.front())) {
        const AnsweredBox box = describeBox(modal);
        ADD_FAILURE() << "a popup menu expected, got \"" << box.caption.toStdString()
                      << "\": " << box.text.toStdString();
        m_boxes.push_back({box.caption, box.text, QStringLiteral("(dismissed)")});
        dismiss(modal);
        return;
    }
    Step step = std::move(m_steps.front());
    m_steps.pop_front();
    if (auto *button = std::get_if<QString>(&step)) {
        AnsweredBox box = describeBox(modal);
        box.pressed = pressInBox(modal, *button);
        if (box.pressed.isEmpty()) {
            ADD_FAILURE() << "no button \"" << button->toStdString() << "\" in \"" << box.caption.toStdString()
                          << "\": " << box.text.toStdString();
            dismiss(modal);
        }
        m_boxes.push_back(box);
        return;
    }
    ++m_running;
    m_driven.emplace_back(modal);
    QPointer<QWidget> guard(modal);
    std::get<Driver>(step)(modal);
    --m_running;
    std::erase_if(m_driven, [&](const QPointer<QWidget> &p) { return p.isNull() || p.data() == guard.data(); });
}

void ModalAnswerer::wait(std::chrono::milliseconds limit)
{
    const bool finished = spinUntil([this] { return done() && !QApplication::activeModalWidget(); }, limit);
    if (finished)
        return;
    ADD_FAILURE() << m_steps.size() << " scripted answer(s) unused, or a modal window still open, after "
                  << limit.count() << " ms";
    m_steps.clear();
    for (int i = 0; i < 20 && QApplication::activeModalWidget(); ++i) {
        dismiss(QApplication::activeModalWidget());
        QApplication::processEvents();
    }
}

void typeKeys(QWidget *widget, const QString &text)
{
    QPointer<QWidget> guard(widget);
    const auto send = [&guard](QEvent::Type type, const QString &key) {
        QKeyEvent event(type, 0, Qt::NoModifier, key);
        QApplication::sendEvent(guard, &event);
        // Gone while its own key handler was still running: the handler went on in a deleted widget.
        if (!guard)
            ADD_FAILURE() << "a widget was destroyed while it handled the key \"" << key.toStdString() << '"';
        return !guard.isNull();
    };
    for (qsizetype i = 0; i < text.size() && guard; ++i) {
        QString key(text[i]);
        if (text[i].isHighSurrogate() && i + 1 < text.size())
            key += text[++i];
        if (!send(QEvent::KeyPress, key) || !send(QEvent::KeyRelease, key))
            return;
    }
}

QWidget *editCell(QWidget *widget, int row, int column)
{
    auto *view = qobject_cast<QAbstractItemView *>(widget);
    if (!view || !view->model())
        return nullptr;
    const QModelIndex index = view->model()->index(row, column);
    view->setCurrentIndex(index);
    view->edit(index);
    for (QWidget *child : view->viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && child->focusPolicy() != Qt::NoFocus)
            return child;
    }
    return nullptr;
}

QAbstractButton *findButton(QWidget *window, const QString &nameOrText)
{
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
        if (b->objectName() == nameOrText || withoutMarks(b->text()) == nameOrText)
            return b;
    }
    QStringList there;
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
        there << b->objectName() + QLatin1Char('/') + b->text();
    ADD_FAILURE() << "no button \"" << nameOrText.toStdString() << "\" in \"" << window->windowTitle().toStdString()
                  << "\" (" << there.join(QStringLiteral(", ")).toStdString() << ')';
    return nullptr;
}

void clickButton(QWidget *window, const QString &nameOrText)
{
    if (QAbstractButton *b = findButton(window, nameOrText))
        b->click();
}

bool spinUntil(const std::function<bool()> &condition, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

} // namespace qx::test
