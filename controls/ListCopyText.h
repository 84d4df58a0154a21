#pragma once
// The texts the list puts on the clipboard: one row as "title<sep>cell" lines, or the whole
// list as tab-ended cells under a line of titles.
#include <string>
#include <string_view>
#include <vector>

namespace mdvr {

using TextRow = std::vector<std::wstring>;

std::wstring RowCopyText(const TextRow& titles, const TextRow& cells, std::wstring_view separator);
std::wstring TableCopyText(const TextRow& titles, const std::vector<TextRow>& rows);

}  // namespace mdvr
