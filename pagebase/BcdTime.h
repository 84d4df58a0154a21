#pragma once
// Times as the video and vendor parameters carry them: hour, minute and second as packed BCD
// bytes (0x23 means 23), read back into time pickers.
#include <array>
#include <cstdint>
#include <map>
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

// Pickers filled from a terminal's BCD bytes. The bytes go back as they came until the user
// changes the picker, so odd BCD (0x1A, hour 24) that the picker cannot show, or shows as
// another time, is never replaced by a valid time nobody chose.
class KeptBcdTimes {
  public:
    // Sets the picker as SetPickerBcdTime does and keeps the bytes (at most 3).
    void Load(ui::IView& view, int id, const ui::DateTime& base, std::span<const uint8_t> bcd);
    // The user changed the picker: its own time is sent from now on.
    void Edited(int id) { m_kept.erase(id); }
    bool IsKept(int id) const { return m_kept.count(id) != 0; }
    // The kept bytes, or the picker's time as PutBcdTime writes it.
    void Put(const ui::IView& view, int id, std::span<uint8_t> out) const;

  private:
    std::map<int, std::array<uint8_t, 3>> m_kept;
};

}  // namespace mdvr
