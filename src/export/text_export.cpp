#include "export/text_export.h"

#include <QCoreApplication>
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

QString TextExportFormat::name() const
{
    return m_kind == TextExportKind::Clues ? QStringLiteral("Clues as text") : QStringLiteral("Words as text");
}

QString TextExportFormat::nameFilter() const
{
    return QCoreApplication::translate("qx", "text (*.txt)|*.txt");
}

QString TextExportFormat::suffix() const
{
    return QStringLiteral("txt");
}

FileOutcome<QByteArray> TextExportFormat::encode(const ExportInput &input, const QString &path) const
{
    if (!input.record)
        return refusedFile(path, Refusal::NoPuzzle);
    const std::string text = exportText(*input.record, m_kind);
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace qx
