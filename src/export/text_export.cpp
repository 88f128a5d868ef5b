#include "export/text_export.h"

#include <QSaveFile>

#include <algorithm>

namespace qx {

std::string exportText(const PuzzleRecord &record, TextExportKind kind)
{
    const int words = record.wordsInUse();
    const int across = std::clamp<int>(record.AcrossCount, 0, words);
    // Down words after the last placed one are never printed, so they are not exported either.
    int last = words;
    while (last > across && record.WordPlaced[static_cast<size_t>(last - 1)] == 0)
        --last;

    std::string out;
    const auto line = [&](int word) {
        const auto k = static_cast<size_t>(word - 1);
        out += std::to_string(record.WordNumber[k]);
        out += ". ";
        out += kind == TextExportKind::Clues ? record.Clues[k].str() : record.Words[k].str();
        out += '\n';
    };
    out += "ACROSS\n";
    for (int i = 1; i <= across; ++i)
        line(i);
    out += "\nDOWN\n";
    for (int i = across + 1; i <= last; ++i)
        line(i);
    return out;
}

bool writeExportText(const QString &path, const PuzzleRecord &record, TextExportKind kind)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const std::string text = exportText(record, kind);
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()))
        return false;
    return file.commit();
}

} // namespace qx
