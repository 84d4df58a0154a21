#pragma once
// Save-time range checks and the spin clamp shared by the pages' numeric edits.
#include <cstdint>
#include <string_view>

#include "ui/IView.h"

namespace mdvr {

// Empty text passes only when 0 lies in [low, high]; other text must be digits only with a value
// in the inclusive range.
bool IsTextInRange(std::wstring_view text, int64_t low, int64_t high);

// Reads the edit's number (empty or non-numeric text reads 0), adds step and limits the result
// to [low, high]. The text is rewritten only when the value changed, so a text change with
// step 0 never loops. Returns the limited value.
int64_t ClampEdit(ui::IView& view, int id, int step, int64_t low, int64_t high);

// ClampEdit wired to an edit and its spin: a text change of the edit clamps with step 0, a step
// of the spin clamps with the step's delta. Returns true for the spin's step, which the page has
// then applied itself, so the caller reports it handled and the spin does not step again.
bool ClampEditOn(ui::IView& view, const ui::Notification& n, int editId, int spinId, int64_t low,
                 int64_t high);

}  // namespace mdvr
