#pragma once
// The standard papers a page can be laid out and printed on, in one table for the layouts, the
// designer and the report canvas.

#include <QtGlobal>

#include <span>
#include <string_view>

namespace qx {

struct PaperSize {
    std::string_view name;
    double width;     // portrait, in the paper's own unit
    double height;    // portrait
    bool inches;      // the unit: inches, else centimetres
    int printerPaper; // the printer's number for it: 1 Letter, 5 Legal, 7 Executive, 9 A4, 11 A5, 13 B5

    double widthInches() const { return inches ? width : width * (1 / 2.54); }
    double heightInches() const { return inches ? height : height * (1 / 2.54); }
};

inline constexpr std::string_view CustomPaperName = QT_TRANSLATE_NOOP("qx", "Custom");

// "Letter", "Legal", "A4", "A5", "B5", "Executive"; "Custom" has no size of its own.
std::span<const PaperSize> standardPapers();

// The standard paper of that name (exact match), or nullptr.
const PaperSize *findStandardPaper(std::string_view name);

// The standard paper with the printer's number, or nullptr.
const PaperSize *findPrinterPaper(int printerPaper);

} // namespace qx
