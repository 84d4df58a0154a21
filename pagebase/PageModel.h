#pragma once
// A table-driven page in one declaration: its template, groups, rows (in send and screen
// order), query order and the widths of its layout columns.
#include <cstdint>
#include <span>

#include "pagebase/ParamRow.h"
#include "ui/Types.h"

namespace mdvr {

// Widths in dialog units (pixels at 96 DPI) of the cells of a line.
struct PageColumns {
    int label = 250;    // group check box or caption
    int control = 130;  // edit, list or first button
    int unit = 160;     // unit text, then hint and "..." button
};

struct PageModel {
    int templateId = 0;
    ui::Caption title;
    int groupCount = 0;
    std::span<const ParamRow> rows;
    std::span<const uint32_t> queryOrder = {};        // empty: the rows' IDs in row order
    std::span<const ui::Caption> groupCaptions = {};  // a caption here puts its box on a line of its own
    std::span<const ui::ControlDecl> extras = {};     // controls outside the rows, as declared
    PageColumns columns = {};
    uint32_t batchKind = 0;  // multi-device kind code; 0 = the page reports none
    uint32_t batchExtra = 0;
    const char* sentLog = nullptr;  // caption under which each outgoing list is hex-logged
    int width = 640;
    int height = 560;
    int columnCount = 1;  // lines that do not fit continue in the next column
};

}  // namespace mdvr
