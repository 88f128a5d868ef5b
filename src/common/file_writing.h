#pragma once
// The one way the program replaces a file: collections and libraries (through RecordFile), the
// settings, word lists, exchange files and every export.
//
// A write never changes the old file before the new one is complete. The new bytes go to a
// hidden file beside the target (".NAME.tmp-XXXX", so that the rename stays on one file system),
// which is flushed to disk and renamed over the target; the folder is then flushed too, so that
// the rename survives a power cut. Several files written together (a web page and its picture)
// are all written first and renamed into place only when every one of them was written.
//
// Symbolic links. A link is followed, so that the file it names is replaced and the link stays,
// only where the kernel itself would follow it with fs.protected_symlinks on: everywhere except
// in a sticky folder that everyone may write (/tmp), where only a link owned by the user or by
// the folder's owner is followed. Another user's link there is refused (Refusal::ForeignLink): it
// could have been planted to make this program overwrite a file of the user's. A dangling link
// gets the file it names created.
//
// Read-only files. A file without write permission for the user (for root, a file without any
// write permission bit, since the kernel lets root write anything) is refused with the system's
// "Permission denied", unless the user confirmed replacing that very file in a save dialog that
// named it (WriteRules::replaceReadOnly).
//
// Leftovers. Each temporary file holds an flock() on itself while it is being written. A kill
// leaves it behind unlocked, and the next write of the same file removes every such leftover that
// no live writer holds.
//
// In place. Where the folder does not let a new file be created but the file itself may be
// written (WriteRules::inPlaceFallback), the bytes are written into the old file. The final size
// is reserved first (posix_fallocate fails with ENOSPC or EFBIG before anything is overwritten),
// so a full disk or a size limit leaves the old file as it was; where nothing can be reserved the
// write is refused with the folder's own error.

#include "common/file_outcome.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <sys/stat.h>
#include <vector>

namespace qx {

struct WriteRules {
    // The user confirmed replacing this file in a save dialog that named it.
    bool replaceReadOnly = false;
    // Write into the old file when its folder does not take a new one, as described above.
    bool inPlaceFallback = false;
};

// For a file the user chose in a save dialog that asked before replacing it.
inline constexpr WriteRules ReplaceConfirmed{true, false};

// The file a write to a path lands on.
struct WriteTarget {
    QString path;      // as given, for messages
    QByteArray native; // the file written: the path itself, or the file its links name
    bool exists = false;
    struct stat st {}; // when it exists
};

// Follows the path's links under the rule above and checks that the file may be replaced: a
// regular file, not read-only (unless the rules say the user confirmed it).
FileOutcome<WriteTarget> writeTarget(const QString &path, const WriteRules &rules = {});

// A new file beside its target, written completely and flushed, waiting to be renamed into place.
// Dropped (removed) when destroyed before it was put in place.
class StagedFile {
public:
    // Writes the file's content into the open descriptor: 0, or the error number.
    using Fill = std::function<int(int fd)>;

    // Removes the target's stale temporary files, creates a new one beside it with the target's
    // permissions (and, for root, its owner), fills and flushes it. `like` is the file whose
    // permissions the new one takes; null for a new file. A folder that takes no new file gives
    // CannotOpen, and its error number in folderError.
    static FileOutcome<StagedFile> write(const QString &path, const QByteArray &target, const struct stat *like,
                                         const Fill &fill, int *folderError = nullptr);

    StagedFile(StagedFile &&other) noexcept;
    StagedFile &operator=(StagedFile &&) = delete;
    StagedFile(const StagedFile &) = delete;
    ~StagedFile();

    const QString &path() const { return m_path; }
    // Renames it over its target: 0, or the error number.
    int putInPlace();

private:
    StagedFile(QString path, QByteArray target, QByteArray temp, int fd);

    QString m_path;
    QByteArray m_target;
    QByteArray m_temp;
    int m_fd = -1;
};

// Renames every staged file into place, the last first (a page, staged before its picture, then
// never names a picture that is not there yet), and flushes their folders. Stops at the first
// failure; the files not yet renamed are dropped.
FileStatus putInPlace(std::vector<StagedFile> &files);

struct FileContent {
    QString path;
    QByteArray bytes;
};

// Replaces the file at path with bytes, as described above.
FileStatus replaceFile(const QString &path, QByteArrayView bytes, const WriteRules &rules = {});
// Replaces several files together: each is written in the order given, and renamed into place only
// when all of them were written.
FileStatus replaceFiles(const std::vector<FileContent> &files, const WriteRules &rules = {});

// Writes the whole buffer at offset `at`, riding over interrupted and partial writes: 0, or the
// error number.
int writeAt(int fd, const void *data, qint64 size, qint64 at);

// The folder part of a native path ("." for a bare name).
QByteArray folderOfPath(const QByteArray &path);

} // namespace qx
