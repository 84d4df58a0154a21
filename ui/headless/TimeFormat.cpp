#include "ui/headless/TimeFormat.h"

#include <array>

namespace mdvr::ui {

namespace {

std::wstring Number(int value, size_t width) {
    std::wstring digits = std::to_wstring(value);
    if (digits.size() < width) digits.insert(0, width - digits.size(), L'0');
    return digits;
}

int Hour12(int hour) {
    return hour % 12 == 0 ? 12 : hour % 12;
}

// One picture letter repeated count times.
std::wstring Field(wchar_t letter, size_t count, const DateTime& t) {
    const size_t width = count >= 2 ? 2 : 1;
    switch (letter) {
        case L'y':
            return count >= 3 ? Number(t.year, 4) : Number(t.year % 100, 2);
        case L'M':
            return Number(t.month, width);
        case L'd':
            return Number(t.day, width);
        case L'H':
            return Number(t.hour, width);
        case L'h':
            return Number(Hour12(t.hour), width);
        case L'm':
            return Number(t.minute, width);
        case L's':
            return Number(t.second, width);
        case L't':
            return std::wstring(t.hour < 12 ? L"AM" : L"PM").substr(0, width);
        default:
            return std::wstring(count, letter);
    }
}

// Copies quoted text starting after the opening quote; returns the index after the closing one.
size_t Quoted(std::wstring_view format, size_t i, std::wstring& out) {
    for (; i < format.size(); ++i) {
        if (format[i] != L'\'') {
            out += format[i];
        } else if (i + 1 < format.size() && format[i + 1] == L'\'') {
            out += L'\'';
            ++i;
        } else {
            return i + 1;
        }
    }
    return i;
}

}  // namespace

std::wstring FormatTime(std::wstring_view format, const DateTime& time) {
    std::wstring out;
    size_t i = 0;
    while (i < format.size()) {
        const wchar_t ch = format[i];
        if (ch == L'\'' && i + 1 < format.size() && format[i + 1] == L'\'') {
            out += L'\'';
            i += 2;
            continue;
        }
        if (ch == L'\'') {
            i = Quoted(format, i + 1, out);
            continue;
        }
        size_t count = 1;
        while (i + count < format.size() && format[i + count] == ch) ++count;
        out += Field(ch, count, time);
        i += count;
    }
    return out;
}

bool IsValidTime(const DateTime& t) {
    static constexpr std::array<int, 12> kDays{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (t.year < 1601 || t.year > 9999 || t.month < 1 || t.month > 12) return false;
    const bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
    const int days = t.month == 2 && !leap ? 28 : kDays[static_cast<size_t>(t.month - 1)];
    return t.day >= 1 && t.day <= days && t.hour >= 0 && t.hour < 24 && t.minute >= 0 &&
           t.minute < 60 && t.second >= 0 && t.second < 60;
}

}  // namespace mdvr::ui
