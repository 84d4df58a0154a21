#pragma once
// Moving lists between a page and the host: fetch (with the shared cache), parse, save, and the
// item helpers the page base offers its pages. Nothing here touches the heap except
// ValueToText's result.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "protocol/IParamPage.h"

namespace mdvr {

// True when the page should show list/length. A query-specific page, a forced load or an empty
// cache asks the host; otherwise the main slot is handed out once per fetch. Every host
// attempt, even a failed one, restamps the cache; the slot is handed out after an attempt
// whatever its result.
bool FetchParams(IParamPage& page, const uint8_t*& list, uint32_t& length, bool force);

// Hands each in-bounds item with a value to page.ParseParamItem, in list order. list must hold
// length readable bytes. Always true.
bool ParseParamList(IParamPage& page, const uint8_t* list, uint32_t length);

// Validates, builds and sends the page's list to the current device or, with multi, to the
// devices the host chooses. A missing callback fails like a refusing one.
bool SaveParams(IParamPage& page, bool multi);

// Item writers for pages that count their own items; both advance pos past the item and write
// nothing (false) when it does not fit.
bool AppendU32Item(std::span<uint8_t> buffer, uint32_t& pos, uint32_t id, uint32_t value);
bool AppendTextItem(std::span<uint8_t> buffer, uint32_t& pos, uint32_t id, std::wstring_view text);

// asText 0: lengths 1, 2 and 4 as unsigned decimal, other lengths as text; asText 1: text up to
// the length or the first zero byte; any other asText: empty.
std::wstring ValueToText(uint8_t length, const uint8_t* list, int offset, int asText);

}  // namespace mdvr
