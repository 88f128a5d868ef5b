#include "support/scripted_ui_host.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

namespace qx::test {

Answer ScriptedUiHost::message(QWidget *, const QString &caption, const QString &text, Buttons buttons)
{
    m_messages.push_back({caption, text, buttons});
    if (!m_answers.empty()) {
        const Answer a = m_answers.front();
        m_answers.pop_front();
        return a;
    }
    return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
}

std::optional<QString> ScriptedUiHost::nextFile(const FileRequest &request)
{
    m_requests.push_back(request);
    if (m_files.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << request.title.toStdString();
        return std::nullopt;
    }
    const QString path = m_files.front();
    m_files.pop_front();
    if (path.isNull())
        return std::nullopt;
    return path;
}

std::optional<QString> ScriptedUiHost::openFileName(QWidget *, const FileRequest &request)
{
    return nextFile(request);
}

std::optional<QString> ScriptedUiHost::saveFileName(QWidget *, const FileRequest &request)
{
    return nextFile(request);
}

std::optional<FontChoice> ScriptedUiHost::chooseFont(QWidget *, const FontChoice &)
{
    return nextFont;
}

std::optional<QColor> ScriptedUiHost::chooseColor(QWidget *, const QColor &)
{
    return nextColor;
}

int ScriptedUiHost::runModal(QDialog &dialog)
{
    if (m_modal.empty()) {
        ADD_FAILURE() << "unexpected modal dialog: " << dialog.windowTitle().toStdString();
        return QDialog::Rejected;
    }
    auto driver = std::move(m_modal.front());
    m_modal.pop_front();
    return driver(dialog);
}

namespace {

QString plainText(const QAction *action)
{
    QString text = action->text();
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// Lists the visible entries of the menu and finds the one with the text.
QAction *walkMenu(const QMenu &menu, const QString &prefix, const QString &wanted, QStringList &entries)
{
    QAction *found = nullptr;
    for (QAction *action : menu.actions()) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const QString text = prefix + plainText(action);
        entries << (action->isEnabled() ? text : QLatin1Char('(') + text + QLatin1Char(')')) +
                       (action->isChecked() ? QStringLiteral(" *") : QString());
        if (action->menu()) {
            if (QAction *inner = walkMenu(*action->menu(), text + QStringLiteral(" > "), wanted, entries))
                found = inner;
        } else if (plainText(action) == wanted && !found && action->isEnabled()) {
            found = action;
        }
    }
    return found;
}

} // namespace

QAction *ScriptedUiHost::popupMenu(QMenu &menu, QPoint globalPos)
{
    m_menuPosition = globalPos;
    QStringList entries;
    const QString wanted = m_menuPicks.empty() ? QString() : m_menuPicks.front();
    QAction *picked = walkMenu(menu, QString(), wanted, entries);
    m_menus.push_back(entries);
    if (m_menuPicks.empty()) {
        ADD_FAILURE() << "unexpected popup menu: " << entries.join(QStringLiteral(", ")).toStdString();
        return nullptr;
    }
    m_menuPicks.pop_front();
    if (wanted.isNull())
        return nullptr;
    if (!picked) {
        ADD_FAILURE() << "no enabled entry \"" << wanted.toStdString()
                      << "\" in the menu: " << entries.join(QStringLiteral(", ")).toStdString();
        return nullptr;
    }
    return picked;
}

} // namespace qx::test
