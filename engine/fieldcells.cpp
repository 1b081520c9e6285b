// The field-cell geometry, built once from the board model's shared boxes and unit tables.
#include "engine/fieldcells.h"

namespace fieldcells {

const Geometry& geometry() {
    static const Geometry instance = [] {
        Geometry geo;
        geo.cellOf.fill(-1);
        const auto& links = unitmasks::cellLinks();
        int next = 0;
        // Grid by grid, so the copy met first is the one in the lower-numbered grid.
        for (int g = 0; g <= 4; ++g) {
            for (int c = 1; c <= 9; ++c) {
                for (int r = 1; r <= 9; ++r) {
                    const int index = cellIndex(g, c, r);
                    if (geo.cellOf[index] >= 0) continue; // the mirror of a cell met before
                    FieldCell& cell = geo.cells[next];
                    cell.index = static_cast<std::int16_t>(index);
                    cell.other = links[index].other;
                    cell.unitCount = cell.other >= 0 ? 6 : 3;
                    for (int k = 0; k < 6; ++k) cell.unit[k] = links[index].unit[k];
                    geo.cellOf[index] = static_cast<std::int16_t>(next);
                    if (cell.other >= 0) geo.cellOf[cell.other] = static_cast<std::int16_t>(next);
                    ++next;
                }
            }
        }
        for (int g = 0; g <= 4; ++g)
            for (int c = 1; c <= 9; ++c)
                for (int r = 1; r <= 9; ++r)
                    geo.gridCells[g][(c - 1) * 9 + r - 1] = geo.cellOf[cellIndex(g, c, r)];
        const auto& units = unitmasks::unitCells();
        for (int u = 0; u < unitmasks::kUnitCount; ++u)
            for (int k = 0; k < 9; ++k) geo.members[u][k] = geo.cellOf[units[u][k]];
        return geo;
    }();
    return instance;
}

} // namespace fieldcells
