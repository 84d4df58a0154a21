#pragma once
// Prints a TerminalParamList as a host operator reads it: the bytes in hex, then item by item.
#include <cstdint>
#include <span>
#include <string>

namespace mdvr::refhost {

class TerminalStore;

// Items are decoded with the type the terminal keeps for their ID (types may be null), else
// with the type a new ID would get. Lines are indented by two blanks.
std::string DescribeList(std::span<const uint8_t> list, size_t length, const TerminalStore* types);
// The bytes in rows of sixteen.
std::string HexRows(std::span<const uint8_t> bytes);

}  // namespace mdvr::refhost
