#pragma once
// An input/output failure after a file was opened: the command that started the operation catches
// it and shows one error box with the system's text.

#include <QString>

#include <stdexcept>

namespace qx {

class IoError : public std::runtime_error {
public:
    IoError(const QString &path, const QString &systemText)
        : std::runtime_error((path + QStringLiteral(": ") + systemText).toStdString()), m_path(path),
          m_systemText(systemText)
    {
    }

    const QString &path() const { return m_path; }
    const QString &systemText() const { return m_systemText; }
    QString message() const { return QString::fromStdString(what()); }

private:
    QString m_path;
    QString m_systemText;
};

} // namespace qx
