#pragma once
// What a file operation did: it succeeded (with a value, when it has one), or it failed with the
// file's path and the system's text. Every operation on a stored file returns one, so a caller
// cannot take a failure for success; a window hands the failure to UiHost::fileError, which shows
// the one error box, and the command line prints errorText() as its one line.

#include <QString>

#include <utility>
#include <variant>

namespace qx {

struct FileError {
    enum class Kind {
        CannotOpen,     // missing, no permission, a folder: the caller may word this itself
        NotRegularFile, // a FIFO, a device or a socket is never opened as stored data
        NotRecordFile,  // the size is not a whole number of records: damaged or another kind of file
        Io,             // reading or writing failed after the file was opened
        Locked,         // another program holds the file's lock
    };

    Kind kind = Kind::Io;
    QString path;
    QString systemText; // strerror() or Qt's errorString(), as the system words it

    // "<path>: <system text>", the text shown in the error box and printed by the command line.
    QString errorText() const { return systemText.isEmpty() ? path : path + QStringLiteral(": ") + systemText; }
};

template <typename T = std::monostate>
class [[nodiscard]] FileOutcome {
public:
    FileOutcome(T value) : m_state(std::move(value)) {}
    FileOutcome(FileError error) : m_state(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }

    const T &value() const { return std::get<T>(m_state); }
    T &value() { return std::get<T>(m_state); }
    const T &operator*() const { return value(); }
    T &operator*() { return value(); }
    const T *operator->() const { return &value(); }
    T *operator->() { return &value(); }

    const FileError &error() const { return std::get<FileError>(m_state); }

private:
    std::variant<T, FileError> m_state;
};

// An operation that has no value to return.
using FileStatus = FileOutcome<std::monostate>;

inline FileStatus fileDone()
{
    return FileStatus(std::monostate{});
}

} // namespace qx
