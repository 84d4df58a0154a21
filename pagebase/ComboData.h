#pragma once
// Drop-down lists whose entries carry 32-bit item data: the pages store wire values there and
// find entries by value, so an entry's position never matters on the wire.
#include <cstdint>
#include <string_view>

#include "pagebase/ParamRow.h"
#include "ui/IView.h"

namespace mdvr {

// Appends an entry; its index, or -1.
int AddComboEntry(ui::IView& view, int id, std::wstring_view text, uint32_t data);
// Appends the choices' captions, each with its value as data.
void AddComboChoices(ui::IView& view, int id, std::span<const Choice> choices);

// Index of the first entry whose data equals data (selected when select is set), or -1.
int FindComboData(ui::IView& view, int id, uint32_t data, bool select);
// Data of the selected entry; 0 when nothing is selected.
uint32_t SelectedComboData(const ui::IView& view, int id);

}  // namespace mdvr
