#pragma once
// A bounded "monkey" for windows run through the real Qt host: it types random text into every
// editable control (characters Windows-1252 cannot hold, control characters, very long strings),
// edits table cells through their editors, and presses every enabled button and action; message
// boxes that appear get a random answer, file, print, font and colour dialogs are cancelled, and
// nested dialogs get the monkey too, up to a depth. The test then checks that nothing crashed and
// that no file changed that the scenario did not mean to write.

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QStringList>
#include <QWidget>

#include <chrono>
#include <functional>

namespace qx::test {

struct MonkeyOptions {
    quint32 seed = 1;
    int events = 300;
    // Modal windows open at once, the monkey's own window included; deeper ones are closed.
    int maxDepth = 3;
    // Buttons (text without "&", or object name) and actions (object name) never pressed.
    QStringList skip;
    // The file every file dialog chooses; when empty, file dialogs are cancelled.
    QString fileAnswer;
    // The whole play; past it the process aborts (a hang is a failure, never a stuck suite).
    std::chrono::milliseconds limit{120000};
};

// The options with events and seed taken from QUORVEX_MONKEY_EVENTS and QUORVEX_MONKEY_SEED when
// they are set; QUORVEX_MONKEY_TRACE=1 prints every action as it happens (for a crash's last words).
MonkeyOptions monkeyOptions(int defaultEvents);

class Monkey : public QObject {
public:
    explicit Monkey(MonkeyOptions options);
    ~Monkey() override;

    // Opens the window and plays until the events are spent. open() either runs the window modally
    // and returns nullptr once it has closed, or shows it and returns it. A window the monkey closes
    // (its Cancel button, Escape) is opened again while events remain.
    void play(const std::function<QWidget *()> &open);

    int events() const { return m_events; }
    int openings() const { return m_openings; }
    int boxesAnswered() const { return m_boxes; }
    // The last actions, oldest first, for a failure message.
    QString recentActions() const;

private:
    void schedule();
    void tick();
    void act(QWidget *target);
    bool answerSpecial(QWidget *modal);
    void typeInto(QWidget *w);
    void editItemView(QWidget *view);
    void note(const QString &action);
    QString randomText();
    bool skipped(const QObject *o, const QString &text) const;

    MonkeyOptions m_options;
    QRandomGenerator m_random;
    QPointer<QWidget> m_root;
    QPointer<QWidget> m_activated;
    int m_events = 0;
    int m_openings = 0;
    int m_boxes = 0;
    bool m_closing = false;
    bool m_stopped = false;
    bool m_trace = false;
    QStringList m_recent;
};

// Sizes and hashes of every file below some directories, to tell which files a scenario changed.
class FileSnapshot {
public:
    static FileSnapshot take(const QStringList &dirs);
    // Files added, removed or changed since `before`, other than the allowed ones (file names or
    // full paths), each with what happened to it.
    QStringList changesSince(const FileSnapshot &before, const QStringList &allowed = {}) const;

private:
    QHash<QString, QByteArray> m_files; // path -> size and hash
};

} // namespace qx::test
