#pragma once
// Places a page's rows: each row is a line of cells (caption, control, unit, hint, "..."), rows
// marked SameLine continue the line, headings frame the rows that follow, and lines that no
// longer fit the page continue in a second column. Pages declare order and widths, never pixels.
#include <vector>

#include "pagebase/PageModel.h"
#include "ui/Types.h"

namespace mdvr {

// Static captions that have no control ID of their own get one from here up.
inline constexpr int kFirstGeneratedId = 0xE000;

std::vector<ui::ControlDecl> LayoutPage(const PageModel& model);

// The page's dialog declaration, built once per model and kept for the module's life.
const ui::DialogDecl& PageDecl(const PageModel& model);

// The group a row opens, or -1: its group's first row in the table.
int GroupOpenedBy(const PageModel& model, size_t rowIndex);

}  // namespace mdvr
