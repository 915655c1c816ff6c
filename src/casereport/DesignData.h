// The design-data section: the case's parameters beside the sketch, then the soil-layer table.
#pragma once

#include <string>
#include <vector>

#include "case/WallCase.h"
#include "report/ReportWriter.h"

namespace wall {

// The soil-layer grid as the slope page shows it: the header row and the first layer, values with
// two decimals. Cells row by row.
struct GridText {
    int rows = 0;
    int columns = 0;
    std::vector<std::string> cells;
    const std::string& At(int r, int c) const { return cells[static_cast<size_t>(r * columns + c)]; }
};
GridText LayerGridText(const CSoil& soil);

// The parameter list written into the left cell of the layout table; its last line has no line feed.
void WriteDesignData(ReportWriter& w, const WallCase& c);

// The design basis of reinforced-concrete walls, the soil heading and the soil-layer table. The
// insertion point is left in the table's last cell.
void WriteSoilData(ReportWriter& w, const WallCase& c);

}  // namespace wall
