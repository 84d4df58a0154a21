#include "pagebase/RowCodec.h"

#include <algorithm>
#include <array>

#include "controls/EditNumber.h"
#include "pagebase/BcdTime.h"
#include "protocol/Bcd.h"
#include "protocol/ParamExchange.h"
#include "text/CodePage.h"

namespace mdvr {

namespace {

int64_t WholeNumber(const ParamRow& row, const ParamItemView& item) {
    if (row.IsField()) return item.BigEndian(static_cast<size_t>(row.at), row.WireWidth());
    if (!row.atWidth) {
        return ReadEditInt64(ValueToText(static_cast<uint8_t>(item.Length()), item.Bytes().data(),
                                         0, 0));
    }
    const size_t width = row.WireWidth();
    const uint32_t raw = item.BigEndian(0, width);
    if (!row.isSigned) return raw;
    const unsigned spare = static_cast<unsigned>(32 - 8 * width);
    return static_cast<int32_t>(raw << spare) >> spare;
}

// Days in a month of a year 2000 to 2099 (every fourth year a leap year there).
int DaysIn(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && year % 4 == 0 ? 29 : kDays[month - 1];
}

uint32_t BitMask(const ParamRow& row) {
    return row.bits >= 32 ? 0xFFFFFFFFu : (1u << row.bits) - 1u;
}

}  // namespace

int64_t ReadRowNumber(const ParamRow& row, const ParamItemView& item) {
    const int64_t whole = WholeNumber(row, item);
    if (!row.IsPacked()) return whole;
    return (static_cast<uint32_t>(whole) >> row.shift) & BitMask(row);
}

std::wstring ReadRowText(const ParamRow& row, const ParamItemView& item) {
    if (row.IsNumber()) {
        if (!row.atWidth && !row.IsPacked() && !row.IsField()) {
            return ValueToText(static_cast<uint8_t>(item.Length()), item.Bytes().data(), 0, 0);
        }
        return std::to_wstring(ReadRowNumber(row, item));
    }
    // A fixed-width text never shows more than its width, whatever the item's length.
    const size_t length = row.wire == Wire::kFixed ? std::min(item.Length(), row.WireWidth())
                                                   : item.Length();
    return ValueToText(static_cast<uint8_t>(length), item.Bytes().data(), 0, 1);
}

uint32_t PackRowBits(uint32_t value, const ParamRow& row, int64_t part) {
    const uint32_t mask = BitMask(row) << row.shift;
    const uint32_t bits = (static_cast<uint32_t>(part) << row.shift) & mask;
    return (value & ~mask) | bits;
}

void PutRowField(std::vector<uint8_t>& record, const ParamRow& row, int64_t value) {
    const size_t at = static_cast<size_t>(row.at);
    const size_t width = row.WireWidth();
    if (record.size() < at + width) record.resize(at + width);
    uint32_t word = ParamItemView(0, record).BigEndian(at, width);
    word = row.IsPacked() ? PackRowBits(word, row, value) : static_cast<uint32_t>(value);
    for (size_t i = 0; i < width; ++i) {
        record[at + i] = static_cast<uint8_t>(word >> (8 * (width - 1 - i)));
    }
}

bool AppendRowNumber(ParamListWriter& writer, uint32_t id, const ParamRow& row, int64_t value) {
    const uint32_t word = static_cast<uint32_t>(value);
    switch (row.wire) {
        case Wire::kU8: return writer.AppendU8(id, static_cast<uint8_t>(word));
        case Wire::kU16: return writer.AppendU16(id, static_cast<uint16_t>(word));
        default: return writer.AppendU32(id, word);
    }
}

bool AppendRowText(ParamListWriter& writer, uint32_t id, const ParamRow& row,
                   std::wstring_view text) {
    if (row.wire != Wire::kFixed) return writer.AppendText(id, text);
    // Cut at a character boundary: a double-byte character never loses its second byte.
    std::array<uint8_t, kMaxItemValue> bytes{};
    const size_t width = std::min(row.WireWidth(), bytes.size());
    WideToAnsi(text, {bytes.data(), width});
    return writer.AppendBytes(id, {bytes.data(), width});
}

bool AppendRowBcd(ParamListWriter& writer, uint32_t id, const ParamRow& row,
                  const ui::DateTime& time) {
    std::array<uint8_t, 3> bytes{};
    if (row.wire == Wire::kBcdDate) {
        bytes = {ToBcd(static_cast<unsigned>(time.year % 100)),
                 ToBcd(static_cast<unsigned>(time.month)), ToBcd(static_cast<unsigned>(time.day))};
        return writer.AppendBytes(id, bytes);
    }
    const size_t width = row.WireWidth();
    PutBcdTime(time, {bytes.data(), width});
    return writer.AppendBytes(id, {bytes.data(), width});
}

bool ReadRowDate(const ParamItemView& item, ui::DateTime& date) {
    const uint8_t raw[] = {item.At(0), item.At(1), item.At(2)};
    if (!std::all_of(std::begin(raw), std::end(raw), IsValidBcd)) return false;
    const int year = FromBcd(raw[0]);
    const int month = FromBcd(raw[1]);
    const int day = FromBcd(raw[2]);
    if (month < 1 || month > 12 || day < 1 || day > DaysIn(2000 + year, month)) return false;
    date.year = 2000 + year;
    date.month = month;
    date.day = day;
    return true;
}

}  // namespace mdvr
