#include "pagebase/BcdTime.h"

#include <ctime>

#include "protocol/Bcd.h"

namespace mdvr {

namespace {

int DecodeNibbles(uint8_t bcd) {
    return (bcd >> 4) * 10 + (bcd & 0x0F);
}

}  // namespace

size_t PutBcdTime(const ui::DateTime& time, std::span<uint8_t> out) {
    const int fields[] = {time.hour, time.minute, time.second};
    const size_t count = out.size() < 3 ? out.size() : 3;
    for (size_t i = 0; i < count; ++i) out[i] = ToBcd(static_cast<unsigned>(fields[i]));
    return count;
}

ui::DateTime BcdTimeOver(const ui::DateTime& base, std::span<const uint8_t> bcd) {
    ui::DateTime time = base;
    int* fields[] = {&time.hour, &time.minute, &time.second};
    const size_t count = bcd.size() < 3 ? bcd.size() : 3;
    for (size_t i = 0; i < count; ++i) *fields[i] = DecodeNibbles(bcd[i]);
    return time;
}

bool IsValidTimeOfDay(const ui::DateTime& time) {
    return time.hour >= 0 && time.hour < 24 && time.minute >= 0 && time.minute < 60 &&
           time.second >= 0 && time.second < 60;
}

ui::DateTime LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &now);
#else
    localtime_r(&now, &parts);
#endif
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
            parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

bool SetPickerBcdTime(ui::IView& view, int id, const ui::DateTime& base,
                      std::span<const uint8_t> bcd) {
    const ui::DateTime time = BcdTimeOver(base, bcd);
    if (!IsValidTimeOfDay(time)) return false;
    view.SetTime(id, time);
    return true;
}

void KeptBcdTimes::Load(ui::IView& view, int id, const ui::DateTime& base,
                        std::span<const uint8_t> bcd) {
    SetPickerBcdTime(view, id, base, bcd);
    std::array<uint8_t, 3>& kept = m_kept[id];
    kept = {};
    for (size_t i = 0; i < bcd.size() && i < kept.size(); ++i) kept[i] = bcd[i];
}

void KeptBcdTimes::Put(const ui::IView& view, int id, std::span<uint8_t> out) const {
    const auto kept = m_kept.find(id);
    if (kept == m_kept.end()) {
        PutBcdTime(view.GetTime(id), out);
        return;
    }
    for (size_t i = 0; i < out.size() && i < kept->second.size(); ++i) out[i] = kept->second[i];
}

}  // namespace mdvr
