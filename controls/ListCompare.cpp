#include "controls/ListCompare.h"

#include <array>
#include <cwchar>
#include <string>

namespace mdvr {

namespace {

constexpr std::wstring_view kStampShape = L"00-00-00 00:00:00";  // '0' = any digit
constexpr std::array<size_t, 6> kStampFields = {0, 3, 6, 9, 12, 15};

bool IsDigit(wchar_t ch) {
    return ch >= L'0' && ch <= L'9';
}

bool IsNumberText(std::wstring_view text) {
    int dots = 0;
    for (wchar_t ch : text) {
        if (ch == L'.') {
            if (++dots > 1) return false;
        } else if (!IsDigit(ch)) {
            return false;
        }
    }
    return true;
}

bool IsStampText(std::wstring_view text) {
    if (text.size() != kStampShape.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (kStampShape[i] == L'0' ? !IsDigit(text[i]) : text[i] != kStampShape[i]) return false;
    }
    return true;
}

template <typename T>
int Sign(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

double NumberOf(std::wstring_view text) {
    const std::wstring copy(text);
    return std::wcstod(copy.c_str(), nullptr);
}

// A two-character field read as the platform's atoi would: digits up to the first other one.
int FieldOf(std::wstring_view text, size_t pos) {
    int value = 0;
    for (size_t i = pos; i < pos + 2 && i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - L'0');
    }
    return value;
}

int CompareStamps(std::wstring_view a, std::wstring_view b) {
    for (size_t pos : kStampFields) {
        if (const int order = Sign(FieldOf(a, pos), FieldOf(b, pos)); order != 0) return order;
    }
    return 0;
}

int CompareTexts(std::wstring_view a, std::wstring_view b) {
    const int order = std::wcscoll(std::wstring(a).c_str(), std::wstring(b).c_str());
    return Sign(order, 0);
}

}  // namespace

CompareKind CompareKindOf(std::wstring_view text) {
    if (IsNumberText(text)) return CompareKind::kNumber;
    if (IsStampText(text)) return CompareKind::kDateTime;
    return CompareKind::kText;
}

int CompareCells(std::wstring_view a, std::wstring_view b) {
    switch (CompareKindOf(a)) {
        case CompareKind::kNumber:
            return Sign(NumberOf(a), NumberOf(b));
        case CompareKind::kDateTime:
            return CompareStamps(a, b);
        case CompareKind::kText:
            break;
    }
    return CompareTexts(a, b);
}

}  // namespace mdvr
