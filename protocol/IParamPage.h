#pragma once
// What the parameter exchange needs of a page. The page base implements it; the exchange
// functions in ParamExchange.h drive it.
#include <cstdint>
#include <span>

namespace mdvr {

class IParamPage {
  public:
    virtual ~IParamPage() = default;

    // Writes the page's list from offset 1, then the count in byte 0 and the total length.
    // False when the items do not fit; nothing is sent then.
    virtual bool BuildParamList(std::span<uint8_t> list, uint32_t* length) = 0;
    // After a successful save; reply is null with length 0 for a multi-device save.
    virtual void OnParamsSaved(const uint8_t* reply, uint32_t replyLength) = 0;
    // One in-bounds item with length > 0; its value starts at list + offset.
    virtual void ParseParamItem(uint32_t id, uint8_t length, const uint8_t* list, int offset) = 0;
    // Stops at the first failing rule and shows its message; false means nothing is sent.
    virtual bool ValidateInput() = 0;
    // The page's own IDs as a query list (count byte, 4-byte big-endian IDs) and its length.
    virtual void BuildQueryList(std::span<uint8_t> list, uint32_t* length) = 0;
    // The multi-device kind code and its companion value (0 and 0 unless a page says otherwise).
    virtual void GetBatchKind(uint32_t* kind, uint32_t* extra) = 0;

    // Cache stamp at which this page last took the main slot; 0 = never.
    uint32_t LoadedStamp() const { return m_loadedStamp; }
    void SetLoadedStamp(uint32_t stamp) { m_loadedStamp = stamp; }
    // A query-specific page asks for its own IDs (command 0x8106) on every load.
    bool IsQuerySpecific() const { return m_querySpecific; }
    void SetQuerySpecific(bool on) { m_querySpecific = on; }
    // Set by SaveParams before validation, so rules may depend on it.
    bool IsMultiSave() const { return m_multiSave; }
    void SetMultiSave(bool on) { m_multiSave = on; }

  private:
    uint32_t m_loadedStamp = 0;
    bool m_querySpecific = false;
    bool m_multiSave = false;
};

}  // namespace mdvr
