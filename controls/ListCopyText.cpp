#include "controls/ListCopyText.h"

namespace mdvr {

namespace {

void AppendTabbedLine(std::wstring& out, const TextRow& cells) {
    for (const std::wstring& cell : cells) {
        out += cell;
        out += L'\t';
    }
    out += L"\r\n";
}

}  // namespace

std::wstring RowCopyText(const TextRow& titles, const TextRow& cells, std::wstring_view separator) {
    std::wstring out;
    for (size_t i = 0; i < titles.size() && i < cells.size(); ++i) {
        out += titles[i];
        out += separator;
        out += cells[i];
        out += L"\r\n";
    }
    return out;
}

std::wstring TableCopyText(const TextRow& titles, const std::vector<TextRow>& rows) {
    std::wstring out;
    AppendTabbedLine(out, titles);
    for (const TextRow& row : rows) AppendTabbedLine(out, row);
    return out;
}

}  // namespace mdvr
