#include "builder/grid_stats.h"

#include <algorithm>
#include <array>

namespace qx {

GridStats gridStats(const PuzzleRecord &built)
{
    GridStats stats;
    stats.placed = built.wordsInUse();
    std::array<uint8_t, GridCells> words{};
    for (int k = 0; k < stats.placed; ++k) {
        const int step = built.WordAcross[k] ? 1 : GridSide;
        for (int i = 0; i < built.WordLen[k]; ++i) {
            const int x = built.WordPos[k] + i * step;
            if (x >= 1 && x <= GridCells && ++words[x - 1] == 2)
                ++stats.crossings;
        }
    }
    int top = GridSide + 1, bottom = 0, left = GridSide + 1, right = 0;
    for (int r = 1; r <= built.heightInUse(); ++r) {
        for (int c = 1; c <= built.widthInUse(); ++c) {
            const uint8_t g = built.Grid[(r - 1) * GridSide + c - 1];
            if (g == 0 || g == ' ')
                continue;
            ++stats.letters;
            top = std::min(top, r);
            bottom = std::max(bottom, r);
            left = std::min(left, c);
            right = std::max(right, c);
        }
    }
    if (stats.letters > 0)
        stats.boxCells = (bottom - top + 1) * (right - left + 1);
    return stats;
}

} // namespace qx
