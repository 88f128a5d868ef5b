#pragma once
// Where Quorvex keeps its files. The program directory holds the libraries, help, manual and
// dictionaries (a per-user data directory here, seeded from the shipped data); the start-up
// directory is the current directory at start and holds the settings file.

#include <QString>

#include <optional>

namespace qx {

struct AppPaths {
    QString programDir; // no trailing slash
    QString startupDir; // no trailing slash; the root directory is stored as ""

    QString inProgramDir(const QString &name) const { return programDir + QLatin1Char('/') + name; }
    QString inStartupDir(const QString &name) const { return startupDir + QLatin1Char('/') + name; }
};

// --program-dir, else QUORVEX_PROGRAM_DIR, else ${XDG_DATA_HOME:-~/.local/share}/quorvex.
QString resolveProgramDir(const std::optional<QString> &fromCommandLine);

// A directory path without its trailing slash; "/" becomes "".
QString withoutTrailingSlash(const QString &dir);

// The shipped data folder next to the executable: share/quorvex in the build tree, or
// ../share/quorvex under an install prefix. Empty when neither exists.
QString findShippedDataDir(const QString &executableDir);

// Copies into the program directory each shipped file that is missing there (symbolic links in
// the shipped folder, such as dictionary data, are linked instead). Nothing already there is ever
// overwritten; collection files are left for the start-up directory. Returns the names that could
// not be seeded.
QStringList seedProgramDir(const QString &shippedDir, const QString &programDir);

// The start-up directory of a program started from the desktop's menu, whose current directory is
// wherever the launcher happened to be: `Quorvex` in the home directory. Made on first use with a
// copy of the shipped sample collection, so that a new user sees puzzles at once; a sample the
// user deleted later is not brought back. Empty when the folder cannot be made.
QString prepareUserFolder(const QString &homeDir, const QString &shippedDir);

// The display name of a collection: the file name without its last four characters.
QString displayName(const QString &path);

} // namespace qx
