#pragma once
// A UiHost for tests: every message is recorded and answered from a script; files are picked from
// a queue; modal dialogs are handed to a callback that drives them and returns their result.

#include "common/ui/ui_host.h"

#include <QDialog>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace qx::test {

struct ShownMessage {
    QString caption;
    QString text;
    Buttons buttons;
};

class ScriptedUiHost final : public UiHost {
public:
    // The answer to the next message; messages without a scripted answer get Ok / No.
    void answerNext(Answer answer) { m_answers.push_back(answer); }
    // A null path stands for a cancelled dialog.
    void pickFile(const std::optional<QString> &path) { m_files.push_back(path.value_or(QString())); }
    void onModal(std::function<int(QDialog &)> driver) { m_modal.push_back(std::move(driver)); }
    // The entry the next popup menu picks, by its text without "&" (in a submenu too); a null
    // text dismisses the menu. Picking an entry that is disabled or absent fails the test.
    void pickMenuEntry(const QString &text) { m_menuPicks.push_back(text); }

    const std::vector<ShownMessage> &messages() const { return m_messages; }
    const std::vector<FileRequest> &fileRequests() const { return m_requests; }
    // Every popup menu shown: its entries in order, as "text" for an enabled one, "(text)" for a
    // disabled one, "text *" for a checked one, submenu entries as "submenu > text".
    const std::vector<QStringList> &menusShown() const { return m_menus; }
    QPoint lastMenuPosition() const { return m_menuPosition; }
    int beeps() const { return m_beeps; }
    void clear() { m_messages.clear(); }

    Answer message(QWidget *, const QString &caption, const QString &text, Buttons buttons) override;
    void beep(BeepKind) override { ++m_beeps; }
    std::optional<QString> openFileName(QWidget *, const FileRequest &request) override;
    std::optional<QString> saveFileName(QWidget *, const FileRequest &request) override;
    std::optional<FontChoice> chooseFont(QWidget *, const FontChoice &initial) override;
    std::optional<QColor> chooseColor(QWidget *, const QColor &initial) override;
    bool printerSetup(QWidget *, QPrinter &) override { return false; }
    int runModal(QDialog &dialog) override;
    QAction *popupMenu(QMenu &menu, QPoint globalPos) override;

    std::optional<FontChoice> nextFont;
    std::optional<QColor> nextColor;

private:
    std::optional<QString> nextFile(const FileRequest &request);

    std::deque<Answer> m_answers;
    std::deque<QString> m_files;
    std::deque<std::function<int(QDialog &)>> m_modal;
    std::vector<ShownMessage> m_messages;
    std::vector<FileRequest> m_requests;
    std::deque<QString> m_menuPicks;
    std::vector<QStringList> m_menus;
    QPoint m_menuPosition;
    int m_beeps = 0;
};

} // namespace qx::test
