#include "export/export_format.h"

namespace qx {

FileStatus ExportFormat::write(const ExportInput &input, const QString &path, const WriteRules &rules) const
{
    const FileOutcome<QByteArray> bytes = encode(input, path);
    if (!bytes)
        return bytes.error();
    FileOutcome<std::vector<ExportFile>> more = companions(input, path);
    if (!more)
        return more.error();
    std::vector<FileContent> files{FileContent{path, *bytes}};
    files.insert(files.end(), more->begin(), more->end());
    return replaceFiles(files, rules);
}

} // namespace qx
