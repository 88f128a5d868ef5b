#include "common/paper_sizes.h"

#include <array>

namespace qx {

namespace {

constexpr std::array<PaperSize, 6> Papers{{
    {"Letter", 8.5, 11, true, 1},
    {"Legal", 8.5, 14, true, 5},
    {"A4", 21, 29.7, false, 9},
    {"A5", 14.8, 21, false, 11},
    {"B5", 18.2, 25.7, false, 13},
    {"Executive", 7.25, 10.5, true, 7},
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
