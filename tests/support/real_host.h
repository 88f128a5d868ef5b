#pragma once
// Windows run through the real Qt host: message boxes and dialogs run their own modal event loops,
// and the test answers them from inside those loops, as a user would. Only this way does a test see
// a widget destroyed while a box is open and control returning into it afterwards.

#include "app/session.h"
#include "app/ui/main_window.h"
#include "common/ui/ui_host.h"

#include "support/temp_dir.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <variant>
#include <vector>

class QAbstractButton;
class QFileDialog;
class QMenu;

namespace qx::test {

// The whole program with the real host, a copy of the sample collection open in the start-up
// directory and its first puzzle selected; the program directory is seeded with the shipped files.
struct RealProgram {
    TempDir startup;
    TempDir program;
    QtUiHost host;
    Session session;
    std::unique_ptr<MainWindow> window;

    // `translated`: the windows in the language the system's settings choose, as the program
    // starts them; otherwise in English whatever the system says.
    explicit RealProgram(bool translated = false);
    ~RealProgram();
    QString collection() const { return startup.file(QStringLiteral("SAMPLE.QX3")); }
};

// Aborts the process when a step takes longer than it may: a window stuck in a busy loop or a modal
// loop nobody answers ends the suite with a message instead of hanging it.
class Watchdog {
public:
    Watchdog(std::chrono::milliseconds limit, QString what);
    ~Watchdog();

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};

struct AnsweredBox {
    QString caption;
    QString text;
    QString pressed; // the button's text without "&", or "Escape" / "Enter"
};

// Presses a button of a message box, or Escape / Enter when the name is one of those.
// Returns the name pressed, or an empty string when the box has no such button.
QString pressInBox(QWidget *box, const QString &button);
// Chooses a file in a file dialog of the real host and accepts it.
void chooseInFileDialog(QFileDialog *files, const QString &path);
// Makes a window the active one, with the focus, as a desktop does for a window that comes up.
void activate(QWidget *window);
// The caption and text of a message box (empty for other widgets).
AnsweredBox describeBox(QWidget *box);
// Closes a modal widget the way Escape does: a dialog is rejected, anything else closed.
void dismiss(QWidget *modal);

// Answers modal widgets from inside their own event loops, in the order the test scripted them.
// A poll runs every few milliseconds from whichever event loop is running, so a box opened inside
// another box's loop, or from a handler, is answered too. A modal widget nobody scripted fails the
// test and is dismissed; so is a scripted step still waiting when wait() gives up.
class ModalAnswerer : public QObject {
public:
    using Driver = std::function<void(QWidget *modal)>;

    ModalAnswerer();
    ~ModalAnswerer() override;

    // The next modal widget is a message box: press this button ("OK", "Yes", ..., "Escape", "Enter").
    ModalAnswerer &press(const QString &button);
    // The next modal widget is driven by the callback (it may open further boxes: script those after).
    // The callback is expected to close the widget; if it stays open it is answered by later steps.
    ModalAnswerer &drive(Driver driver);
    // The next modal widget is a file dialog: choose this path in it.
    ModalAnswerer &chooseFile(const QString &path);
    // The next thing to answer is a popup menu: pick its entry with this text (without "&"), or
    // close the menu when the text is empty.
    ModalAnswerer &pickMenuEntry(const QString &entry);
    // Boxes nobody scripted are answered with this button and recorded, instead of failing the test.
    void setFallback(const QString &button) { m_fallback = button; }

    // Spins the event loop until every scripted step has run and no modal widget is open, or the
    // time is up (then the test fails and what is open is dismissed).
    void wait(std::chrono::milliseconds limit = std::chrono::milliseconds(10000));

    const std::vector<AnsweredBox> &boxes() const { return m_boxes; }
    QStringList texts() const;
    bool done() const { return m_steps.empty() && m_running == 0; }

private:
    struct MenuPick {
        QString entry;
    };
    using Step = std::variant<QString, Driver, MenuPick>;
    void schedule();
    void poll();
    void answerMenu(QMenu *menu);

    std::deque<Step> m_steps;
    std::vector<AnsweredBox> m_boxes;
    // Modal widgets handed to a driver that is still running; they are not answered twice.
    std::vector<QPointer<QWidget>> m_driven;
    int m_running = 0;
    QPointer<QWidget> m_activated;
    QString m_fallback;
    bool m_stopped = false;
};

// Types text as keys, one key press and release per character (a surrogate pair is one key).
// A widget destroyed while it handles its own key (a modal loop inside the handler deleted it, and
// the handler then went on in freed memory) fails the test.
void typeKeys(QWidget *widget, const QString &text);
// Starts editing a cell of a table or list and returns its editor (null when none opened).
QWidget *editCell(QWidget *view, int row, int column);
// The button of a window with this object name or text (without "&"); a test failure when none.
QAbstractButton *findButton(QWidget *window, const QString &nameOrText);
// Clicks that button when there is one.
void clickButton(QWidget *window, const QString &nameOrText);

// Spins the event loop until the condition holds or the time is up; returns the condition.
bool spinUntil(const std::function<bool()> &condition, std::chrono::milliseconds limit);

} // namespace qx::test
