#pragma once
// Date-time picker text: the picker's format string applied to a time, and the times it accepts.
#include <string>
#include <string_view>

#include "ui/Types.h"

namespace mdvr::ui {

// Format pictures as the platform picker reads them: yyyy yy M MM d dd H HH h hh m mm s ss t tt,
// text in single quotes ('' is a quote), any other character as it stands.
std::wstring FormatTime(std::wstring_view format, const DateTime& time);

// A calendar date from 1601 to 9999 with a time of day; the picker refuses anything else.
bool IsValidTime(const DateTime& time);

}  // namespace mdvr::ui
