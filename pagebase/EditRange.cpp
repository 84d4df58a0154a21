#include "pagebase/EditRange.h"

#include <algorithm>
#include <limits>
#include <string>

#include "controls/EditNumber.h"

namespace mdvr {

namespace {

bool AllDigits(std::wstring_view text) {
    return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

// value + step without overflow: a saturated reading stays at its limit.
int64_t AddSaturated(int64_t value, int step) {
    using Limits = std::numeric_limits<int64_t>;
    if (step > 0 && value > Limits::max() - step) return Limits::max();
    if (step < 0 && value < Limits::min() - step) return Limits::min();
    return value + step;
}

}  // namespace

bool IsTextInRange(std::wstring_view text, int64_t low, int64_t high) {
    if (text.empty()) return low <= 0 && 0 <= high;
    if (!AllDigits(text)) return false;
    // Saturates on overflow, which lies outside every range a page uses.
    const int64_t value = ReadEditInt64(text);
    return value >= low && value <= high;
}

int64_t ClampEdit(ui::IView& view, int id, int step, int64_t low, int64_t high) {
    const int64_t value = ReadEditInt64(view.GetText(id));
    const int64_t limited = std::clamp(AddSaturated(value, step), low, high);
    if (limited != value) view.SetText(id, std::to_wstring(limited));
    return limited;
}

bool ClampEditOn(ui::IView& view, const ui::Notification& n, int editId, int spinId, int64_t low,
                 int64_t high) {
    if (n.event == ui::Event::Spin && n.id == spinId) {
        ClampEdit(view, editId, n.delta, low, high);
        return true;
    }
    if (n.event == ui::Event::TextChange && n.id == editId) ClampEdit(view, editId, 0, low, high);
    return false;
}

}  // namespace mdvr
