#pragma once
// Values of table rows on the wire: what a row reads from a received item and how a row's value
// is appended to an outgoing list. No control is touched here.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pagebase/ParamRow.h"
#include "protocol/ParamItem.h"
#include "protocol/ParamListWriter.h"
#include "ui/Types.h"

namespace mdvr {

// The row's number: read as the item's length says (lengths 1, 2 and 4 as unsigned numbers,
// other lengths as decimal text), from the wire width for AtWidth rows, or from the field's
// bytes of a record; then its bit range.
int64_t ReadRowNumber(const ParamRow& row, const ParamItemView& item);

// What an edit of the row shows for the item: the number in decimal, or the text.
std::wstring ReadRowText(const ParamRow& row, const ParamItemView& item);

// The value with the row's bit range replaced by the low bits of part.
uint32_t PackRowBits(uint32_t value, const ParamRow& row, int64_t part);

// Writes the row's field into a record, growing it to hold the field; a bit range keeps the
// field's other bits.
void PutRowField(std::vector<uint8_t>& record, const ParamRow& row, int64_t value);

// Appends a whole number of the row's width (low bits of value).
bool AppendRowNumber(ParamListWriter& writer, uint32_t id, const ParamRow& row, int64_t value);

// Appends text: as long as it is, or cut and zero-padded to the width of a fixed-text row.
bool AppendRowText(ParamListWriter& writer, uint32_t id, const ParamRow& row,
                   std::wstring_view text);

// Dates and times as packed BCD: YY MM DD, or hh mm [ss].
bool AppendRowBcd(ParamListWriter& writer, uint32_t id, const ParamRow& row,
                  const ui::DateTime& time);
// The date an item holds over base, or false when its bytes are no date (all zero, a month
// outside 1 to 12, a day the month does not have, or nibbles above 9).
bool ReadRowDate(const ParamItemView& item, ui::DateTime& date);

}  // namespace mdvr
