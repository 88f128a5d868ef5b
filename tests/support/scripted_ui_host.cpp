#include "support/scripted_ui_host.h"

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

} // namespace qx::test
