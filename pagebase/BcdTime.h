#pragma once
// Times as the video and vendor parameters carry them: hour, minute and second as packed BCD
// bytes (0x23 means 23), read back into time pickers.
#include <cstdint>
#include <span>

#include "ui/IView.h"

namespace mdvr {

// Writes hour, minute and, when out has room for three bytes, second; returns bytes written
// (at most 3).
size_t PutBcdTime(const ui::DateTime& time, std::span<uint8_t> out);

// base with hour, minute and (given three bytes) second replaced by the decoded bytes. Decoding
// takes the nibbles as they are (0x3A gives 40): validity is judged on the whole time.
ui::DateTime BcdTimeOver(const ui::DateTime& base, std::span<const uint8_t> bcd);

bool IsValidTimeOfDay(const ui::DateTime& time);

// The local date and time now.
ui::DateTime LocalNow();

// Sets the picker to base with the decoded time; a time that is no time of day leaves the picker
// as it was, as the platform picker refuses it. Returns whether the picker took it.
bool SetPickerBcdTime(ui::IView& view, int id, const ui::DateTime& base,
                      std::span<const uint8_t> bcd);

}  // namespace mdvr
