#include "pagebase/ComboData.h"

namespace mdvr {

int AddComboEntry(ui::IView& view, int id, std::wstring_view text, uint32_t data) {
    return view.AddEntry(id, text, data);
}

void AddComboChoices(ui::IView& view, int id, std::span<const Choice> choices) {
    for (const Choice& choice : choices) {
        AddComboEntry(view, id, ui::CaptionText(choice.text), choice.value);
    }
}

int FindComboData(ui::IView& view, int id, uint32_t data, bool select) {
    const int count = view.EntryCount(id);
    for (int i = 0; i < count; ++i) {
        if (view.EntryData(id, i) != data) continue;
        if (select) view.SetSel(id, i);
        return i;
    }
    return -1;
}

uint32_t SelectedComboData(const ui::IView& view, int id) {
    const int sel = view.GetSel(id);
    return sel < 0 ? 0 : view.EntryData(id, sel);
}

}  // namespace mdvr
