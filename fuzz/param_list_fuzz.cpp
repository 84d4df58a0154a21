// Arbitrary bytes through the list reader and ParseParamList, with an arbitrary claimed length
// and capacity; then a decode-encode-decode round trip of the items that were read.
// Input: 2 bytes claimed length, 2 bytes capacity (both big-endian), then the list bytes.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>

#include "mdvr808.h"
#include "protocol/ByteOrder.h"
#include "protocol/ParamExchange.h"
#include "protocol/ParamListReader.h"
#include "protocol/ParamListWriter.h"

namespace {

using mdvr::ParamItem;
using mdvr::ParamListReader;
using mdvr::ParamListWriter;

void Require(bool condition) {
    if (!condition) std::abort();
}

// Reads every value byte it is given, so an out-of-bounds hand-over shows under ASan.
class TouchingPage : public mdvr::IParamPage {
  public:
    explicit TouchingPage(size_t bound) : m_bound(bound) {}
    bool BuildParamList(std::span<uint8_t>, uint32_t*) override { return false; }
    void OnParamsSaved(const uint8_t*, uint32_t) override {}
    void ParseParamItem(uint32_t, uint8_t length, const uint8_t* list, int offset) override {
        Require(length > 0 && offset >= 5 && static_cast<size_t>(offset) + length <= m_bound);
        for (int i = 0; i < length; ++i) m_sum += list[offset + i];
    }
    bool ValidateInput() override { return false; }
    void BuildQueryList(std::span<uint8_t>, uint32_t*) override {}
    void GetBatchKind(uint32_t*, uint32_t*) override {}

  private:
    size_t m_bound;
    unsigned m_sum = 0;
};

// Re-encodes whatever the reader accepts; false when the items exceed a fetch buffer.
bool Reencode(std::span<const uint8_t> list, size_t length, std::span<uint8_t> out,
              uint32_t& written) {
    ParamListReader reader(list, length);
    ParamListWriter writer(out);
    ParamItem item;
    while (reader.Next(item)) {
        if (!writer.AppendBytes(item.id, item.value)) return false;
    }
    written = writer.Finish();
    return true;
}

void CheckRoundTrip(std::span<const uint8_t> list, size_t length) {
    std::array<uint8_t, MDVR_FETCH_CAPACITY> first{};
    std::array<uint8_t, MDVR_FETCH_CAPACITY> second{};
    uint32_t firstLength = 0;
    uint32_t secondLength = 0;
    if (!Reencode(list, length, first, firstLength)) return;
    Require(Reencode(std::span<const uint8_t>(first.data(), firstLength), firstLength, second,
                     secondLength));
    Require(firstLength == secondLength);
    Require(std::memcmp(first.data(), second.data(), firstLength) == 0);
    ParamListReader canonical(std::span<const uint8_t>(first.data(), firstLength), firstLength);
    ParamItem item;
    while (canonical.Next(item)) {
    }
    Require(!canonical.Truncated());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    const size_t claimed = mdvr::LoadBe(data, 2);
    const size_t capacity = std::min<size_t>(mdvr::LoadBe(data + 2, 2), size - 4);
    // An exact-size heap copy, so any read past the capacity is caught.
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[capacity + 1]);
    std::memcpy(buffer.get(), data + 4, capacity);
    const std::span<const uint8_t> list(buffer.get(), capacity);

    ParamListReader reader(list, claimed);
    ParamItem item;
    while (reader.Next(item)) {
        Require(item.valueOffset + item.length <= std::min(claimed, capacity));
    }
    const size_t bound = std::min(claimed, capacity);
    TouchingPage page(bound);
    Require(mdvr::ParseParamList(page, buffer.get(), static_cast<uint32_t>(bound)));
    CheckRoundTrip(list, claimed);
    return 0;
}
