#include "protocol/ParamExchange.h"

#include <algorithm>
#include <array>

#include "host/CLogFile2.h"
#include "protocol/ByteOrder.h"
#include "protocol/HostCallbacks.h"
#include "protocol/ParamCache.h"
#include "protocol/ParamItem.h"
#include "protocol/ParamListReader.h"
#include "protocol/ParamText.h"
#include "text/CodePage.h"

namespace mdvr {

namespace {

constexpr uint32_t kFetchCapacity = MDVR_FETCH_CAPACITY;
constexpr uint32_t kSaveCapacity = MDVR_SAVE_CAPACITY;
constexpr uint32_t kBatchMode = 2;
constexpr uint32_t kBatchMarker = 115;

// Logs every reply the host accepted (at most the buffer, whatever length it claims); keeps it
// only when it is shorter than the buffer.
bool TakeReply(const MDVR_ParamBuffer& reply, MDVR_ParamBuffer& slot) {
    const uint32_t logged = std::min(reply.length, kFetchCapacity);
    CLogFile2::Instance().WriteHex(0, reply.bytes, logged, "GetParamConfig:[%d]",
                                   static_cast<int>(reply.length));
    if (reply.length >= kFetchCapacity) {
        return false;
    }
    slot = reply;
    return true;
}

bool AskHost(IParamPage& page, MDVR_ParamBuffer& slot) {
    MDVR_ParamBuffer request{};
    MDVR_ParamBuffer reply{};
    int command = MDVR_CMD_GET_ALL;
    if (page.IsQuerySpecific()) {
        page.BuildQueryList(request.bytes, &request.length);
        command = MDVR_CMD_QUERY;
    }
    const HostCallbacks& host = TheHostCallbacks();
    if (host.getFunc == nullptr || host.getFunc(command, &request, &reply, host.getUser) == 0) {
        return false;
    }
    return TakeReply(reply, slot);
}

// A list the page claims to be longer than its buffer is not sent.
template <typename Buffer>
bool BuildList(IParamPage& page, Buffer& buffer) {
    return page.BuildParamList(buffer.bytes, &buffer.length) &&
           buffer.length <= sizeof(buffer.bytes);
}

bool SaveToCurrent(IParamPage& page) {
    MDVR_ParamBufferSmall request{};
    MDVR_ParamBufferSmall reply{};
    const HostCallbacks& host = TheHostCallbacks();
    if (!BuildList(page, request) || host.setFunc == nullptr ||
        host.setFunc(MDVR_CMD_SET, &request, &reply, host.setUser) == 0) {
        return false;
    }
    page.OnParamsSaved(reply.bytes, std::min(reply.length, kSaveCapacity));
    return true;
}

bool SaveToSeveral(IParamPage& page) {
    MDVR_BatchSetRecord record{};
    record.mode = kBatchMode;
    record.marker = kBatchMarker;
    page.GetBatchKind(&record.kind, &record.kindExtra);
    MDVR_ParamBuffer list{};
    const HostCallbacks& host = TheHostCallbacks();
    if (!BuildList(page, list) || host.multiSetFunc == nullptr ||
        host.multiSetFunc(&record, &list, host.multiSetUser) == 0) {
        return false;
    }
    page.OnParamsSaved(nullptr, 0);
    return true;
}

bool IsIntegerWidth(uint8_t length) {
    return length == 1 || length == 2 || length == 4;
}

}  // namespace

bool FetchParams(IParamPage& page, const uint8_t*& list, uint32_t& length, bool force) {
    ParamCache& cache = TheParamCache();
    const bool query = page.IsQuerySpecific();
    bool result = true;
    if (query || force || cache.stamp == 0) {
        result = AskHost(page, query ? cache.querySlot : cache.mainSlot);
        cache.stamp = CurrentTick();
    } else if (cache.stamp <= page.LoadedStamp()) {
        return false;  // the page already shows this fetch
    }
    const MDVR_ParamBuffer& slot = query ? cache.querySlot : cache.mainSlot;
    list = slot.bytes;
    length = slot.length;
    if (!query) {
        page.SetLoadedStamp(cache.stamp);
    }
    return result;
}

bool ParseParamList(IParamPage& page, const uint8_t* list, uint32_t length) {
    if (list == nullptr) {
        return true;
    }
    ParamListReader reader(std::span<const uint8_t>(list, length), length);
    ParamItem item;
    while (reader.Next(item)) {
        if (item.length > 0) {
            page.ParseParamItem(item.id, item.length, list, static_cast<int>(item.valueOffset));
        }
    }
    return true;
}

bool SaveParams(IParamPage& page, bool multi) {
    page.SetMultiSave(multi);
    if (!page.ValidateInput()) {
        return false;
    }
    return multi ? SaveToSeveral(page) : SaveToCurrent(page);
}

bool AppendU32Item(std::span<uint8_t> buffer, uint32_t& pos, uint32_t id, uint32_t value) {
    std::array<uint8_t, 4> bytes{};
    StoreBe32(bytes.data(), value);
    return WriteParamItem(buffer, pos, id, bytes);
}

bool AppendTextItem(std::span<uint8_t> buffer, uint32_t& pos, uint32_t id, std::wstring_view text) {
    return WriteParamItem(buffer, pos, id, EncodeParamText(text).Value());
}

std::wstring ValueToText(uint8_t length, const uint8_t* list, int offset, int asText) {
    if ((asText != 0 && asText != 1) || list == nullptr) {
        return {};
    }
    const uint8_t* value = list + offset;
    if (asText == 0 && IsIntegerWidth(length)) {
        return std::to_wstring(LoadBe(value, length));
    }
    const uint8_t* end = std::find(value, value + length, uint8_t{0});
    return AnsiToWide(
        std::string_view(reinterpret_cast<const char*>(value), static_cast<size_t>(end - value)));
}

}  // namespace mdvr
