#include "tools/mdvr-host/ListPrinter.h"

#include <algorithm>
#include <cstdio>

#include "protocol/ParamListReader.h"
#include "tools/mdvr-host/TerminalStore.h"

namespace mdvr::refhost {
namespace {

constexpr size_t kBytesPerRow = 16;

std::string ItemLine(const ParamItem& item, const TerminalStore* types) {
    const StoredParam* known = types != nullptr ? types->Find(item.id) : nullptr;
    ParamType type = known != nullptr ? known->type : GuessType(item.value);
    std::optional<std::string> value = FormatValue(type, item.value);
    if (!value) value = FormatValue(type = ParamType::Hex, item.value);
    char head[48];
    std::snprintf(head, sizeof head, "  0x%04X len %3u %-4s ", item.id, item.length,
                  std::string(TypeName(type)).c_str());
    return head + *value + '\n';
}

}  // namespace

std::string HexRows(std::span<const uint8_t> bytes) {
    std::string text;
    for (size_t row = 0; row < bytes.size(); row += kBytesPerRow) {
        const size_t n = std::min(kBytesPerRow, bytes.size() - row);
        text += "  " + HexBytes(bytes.subspan(row, n)) + '\n';
    }
    return text;
}

std::string DescribeList(std::span<const uint8_t> list, size_t length, const TerminalStore* types) {
    const std::span<const uint8_t> used = list.first(std::min(length, list.size()));
    std::string text = HexRows(used);
    ParamListReader reader(used, used.size());
    size_t count = 0;
    for (ParamItem item; reader.Next(item); ++count) text += ItemLine(item, types);
    text += "  " + std::to_string(count) + " item(s)";
    if (reader.Truncated())
        text += ", cut short after them (the count byte says " +
                std::to_string(reader.DeclaredCount()) + ")";
    return text + '\n';
}

}  // namespace mdvr::refhost
