#pragma once
// What a file operation did: it succeeded (with a value, when it has one), or it failed with the
// file's path and the system's text. Every operation on a stored file returns one, so a caller
// cannot take a failure for success.
//
// The one rule for failures:
// - code outside the windows returns FileOutcome and never throws for a file failure, and never
//   words a message box; a result that means more than "the file failed" (a corrupt import, say)
//   is the value inside: FileOutcome<ImportOutcome>;
// - a window hands a failure to UiHost::fileError(parent, error), which shows the one error box
//   (caption "Error", text errorText()), and goes on; a window may word a CannotOpen failure
//   itself where the program has its own message for it;
// - the command line prints errorText() as its one line on stderr and exits with status 1.

#include <QString>
#include <QStringList>

#include <utility>
#include <variant>

namespace qx {

// Why the program itself declined to write a file, for FileError::Kind::Refused. The system never
// failed here, so there is no system's text: refusalText() words each one.
enum class Refusal {
    None,
    ForeignLink,          // another user's symbolic link in a shared sticky folder such as /tmp
    NoPuzzle,             // an export made from the puzzle was given none
    NoPlacedWord,         // nothing to solve
    PuzGridTooLarge,      // details: the largest side, the width, the height
    PuzWordsShareSquares, // details: the word
    PuzSquareCharacter,   // details: the character
    PuzRunIsNoWord,       // details: "across" or "down", the row, the column (1-based)
    PuzWordIsNoRun,       // details: the word
    PictureTooLarge,      // details: the width in pixels
    MetafileNeedsPage,    // a metafile is drawn again from a rendered page, and there was none
    WebPageCharacter,     // a text holds a character the web page cannot hold
    WebPictureSameName,   // the web page's picture would have the page's own name
    NotEncoded,           // the encoder gave nothing; details: the format's name
};

struct FileError {
    enum class Kind {
        CannotOpen,     // missing, no permission, a folder: the caller may word this itself
        NotRegularFile, // a FIFO, a device or a socket is never opened as stored data
        NotRecordFile,  // the size is not a whole number of records: damaged or another kind of file
        Io,             // reading or writing failed after the file was opened
        Locked,         // another program holds the file's lock
        Changed,        // another program changed the record a command read earlier: nothing was done
        Refused,        // the program declined to write the file: see refusal
    };

    FileError() = default;
    FileError(Kind kind, QString path, QString systemText, Refusal refusal = Refusal::None, QStringList details = {})
        : kind(kind), path(std::move(path)), systemText(std::move(systemText)), refusal(refusal),
          details(std::move(details))
    {
    }

    Kind kind = Kind::Io;
    QString path;
    QString systemText; // strerror() or Qt's errorString(), as the system words it; a NotRecordFile's whole sentence
    Refusal refusal = Refusal::None;
    QStringList details; // what a refusal's text names

    // "<path>: <system text>" (or the refusal's text), the text shown in the error box and printed
    // by the command line. A refused damaged file reads "<path> is damaged or is not a puzzle
    // collection.  Nothing was saved.": its system text is the rest of that sentence.
    QString errorText() const;
    // The program's own words for a refusal.
    QString refusalText() const;
    // The file could be neither opened nor created: missing, no permission, or something that is
    // not a file (a folder, a FIFO). Windows that have their own message for this show it.
    bool notOpened() const { return kind == Kind::CannotOpen || kind == Kind::NotRegularFile; }
};

inline FileError refusedFile(const QString &path, Refusal refusal, QStringList details = {})
{
    return FileError{FileError::Kind::Refused, path, {}, refusal, std::move(details)};
}

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

    // Succeeded with exactly this value.
    friend bool operator==(const FileOutcome &outcome, const T &value)
    {
        return outcome.ok() && outcome.value() == value;
    }

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
