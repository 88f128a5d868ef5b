#pragma once
// The clue and word lists of a puzzle as a plain text file: "ACROSS", a line per across word, an
// empty line, "DOWN", a line per down word up to the last placed one. Each line is the word's clue
// number, ". " and its clue (or the word itself). Texts stay Windows-1252 bytes.

#include "export/export_format.h"
#include "store/puzzle_record.h"

#include <string>

namespace qx {

enum class TextExportKind { Clues, Words };

std::string exportText(const PuzzleRecord &record, TextExportKind kind);

class TextExportFormat : public ExportFormat {
public:
    explicit TextExportFormat(TextExportKind kind) : m_kind(kind) {}

    QString name() const override;
    QString nameFilter() const override;
    QString suffix() const override;
    Source source() const override { return Source::Puzzle; }
    TextExportKind kind() const { return m_kind; }

protected:
    FileOutcome<QByteArray> encode(const ExportInput &input, const QString &path) const override;

private:
    TextExportKind m_kind;
};

} // namespace qx
