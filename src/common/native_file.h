#pragma once
// File names as the system spells them, and the one way stored data is read whole.
//
// A Linux file name is bytes, not text: "café" may be stored in Latin-1, and Qt's own decoding
// turns such bytes into U+FFFD, after which the file can no longer be named. Paths therefore
// cross into a QString with every byte that is not valid UTF-8 kept as a lone surrogate
// U+DC80..U+DCFF (as Python's "surrogateescape" does), and go back to exactly the same bytes for
// the system call. Every open(), stat() and rename() of a stored file goes through nativePath().

#include "common/file_outcome.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace qx {

// Bytes from the system (argv, readdir) to a path; valid UTF-8 decodes as usual.
QString pathFromNative(const QByteArray &bytes);
// The exact bytes to hand to the system for a path made by pathFromNative (or typed as text).
QByteArray nativePath(const QString &path);

// Stored data is only ever read from regular files: a FIFO would hang the program and a device
// such as /dev/zero never ends. CannotOpen when the path does not name an existing file one can
// open, NotRegularFile for FIFOs, devices, sockets and folders.
FileStatus checkRegularFile(const QString &path);

// Reads a regular file whole, refusing one longer than maxBytes (an Io error naming the limit).
FileOutcome<QByteArray> readRegularFile(const QString &path, qint64 maxBytes);

// Reads at most the first maxBytes of a regular file; a longer file is not an error.
FileOutcome<QByteArray> readRegularFileStart(const QString &path, qint64 maxBytes);

// The system's text for errno value e, as strerror() words it.
QString systemErrorText(int e);
// The text of a NotRegularFile error.
QString notRegularFileText();

} // namespace qx
