#pragma once
// A file format the program exports to: one small class per format behind this interface, each
// giving its name, the filter of its save dialog, what it is made from (the rendered page or the
// puzzle itself) and the file's bytes. Writing is the same for every format, through replaceFiles
// (common/file_writing.h): a failed export (a full disk, a size limit) leaves a file of that name
// as it was, and a target that exists and is not a regular file (a FIFO, a device) is refused
// rather than opened: it could hang the program.
//
// A failure comes back as a FileError; its errorText() is the one line the command line prints and
// the text a window shows.

#include "common/file_outcome.h"
#include "common/file_writing.h"
#include "render/page_fits.h"
#include "report/page_stream.h"
#include "store/puzzle_record.h"
#include "store/settings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace qx {

// What an export is made from.
struct ExportInput {
    const PuzzleRecord *record = nullptr;    // the puzzle: its lists, and its name as the title
    const PageStream *page = nullptr;        // the rendered page, for the page formats
    int pageIndex = 0;                       // 0-based
    int pixelWidth = 640;                    // pictures
    int jpegQuality = 50;                    // 1..100
    bool colors256 = false;                  // pictures in the fixed 256-colour palette instead of 24 bits
    const Settings::Html *webPage = nullptr; // the web page's blocks and title; the defaults when null
    const PageFits *fits = nullptr;          // metafiles: what the page's rendering settled
};

// One file of an export: a format may write a second file beside its own (the web page's picture).
using ExportFile = FileContent;

class ExportFormat {
public:
    enum class Source { Page, Puzzle };

    virtual ~ExportFormat() = default;

    // The format's name, as a menu or a message shows it.
    virtual QString name() const = 0;
    // The save dialog's filter, in the dialogs' "text|pattern" form: "PDF (*.pdf)|*.pdf".
    virtual QString nameFilter() const = 0;
    // The file name extension, lower case and without the dot.
    virtual QString suffix() const = 0;
    // Further extensions a file of this format is known by ("jpeg", "html").
    virtual QStringList otherSuffixes() const { return {}; }
    virtual Source source() const = 0;

    // Writes the file; the path is the one the user gave. The rules say whether the user confirmed
    // replacing it.
    FileStatus write(const ExportInput &input, const QString &path, const WriteRules &rules = {}) const;

protected:
    // The file's bytes, or why they cannot be made (the error's path is `path`).
    virtual FileOutcome<QByteArray> encode(const ExportInput &input, const QString &path) const = 0;
    // Files written together with the main one: all of them are renamed into place only when every
    // one was written, so a failure leaves each old file as it was.
    virtual FileOutcome<std::vector<ExportFile>> companions(const ExportInput &, const QString &) const
    {
        return std::vector<ExportFile>{};
    }
};

} // namespace qx
