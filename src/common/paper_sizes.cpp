#include "common/paper_sizes.h"

#include <QtGlobal>

#include <array>

namespace qx {

namespace {

// The names are stored in layouts as they are here; a window shows them translated (context "qx").
constexpr std::array<PaperSize, 6> Papers{{
    {QT_TRANSLATE_NOOP("qx", "Letter"), 8.5, 11, true, 1},
    {QT_TRANSLATE_NOOP("qx", "Legal"), 8.5, 14, true, 5},
    {"A4", 21, 29.7, false, 9},
    {"A5", 14.8, 21, false, 11},
    {"B5", 18.2, 25.7, false, 13},
    {QT_TRANSLATE_NOOP("qx", "Executive"), 7.25, 10.5, true, 7},
}};

} // namespace

std::span<const PaperSize> standardPapers()
{
    return Papers;
}

const PaperSize *findStandardPaper(std::string_view name)
{
    for (const auto &p : Papers)
        if (p.name == name)
            return &p;
    return nullptr;
}

const PaperSize *findPrinterPaper(int printerPaper)
{
    for (const auto &p : Papers)
        if (p.printerPaper == printerPaper)
            return &p;
    return nullptr;
}

} // namespace qx
