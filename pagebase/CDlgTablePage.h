#pragma once
// A page whose parameters are declared as a table of rows (PageModel). The five page operations
// - query list, decode, group members, validation in row order and encode - come from the
// table; a page overrides the hooks below only for what a table cannot say.
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "controls/CEditBounds.h"
#include "controls/CEditCheck.h"
#include "pagebase/CDlgCfgBase.h"
#include "pagebase/PageModel.h"
#include "protocol/ParamListWriter.h"

namespace mdvr {

class CDlgTablePage : public CDlgCfgBase {
  public:
    static constexpr uint32_t kEditRejected = 0x3401;  // WM_EDIT_REJECTED from ASCII edits
    static constexpr int kStrRejectedTitle = 17001;
    static constexpr int kStrRejectedText = 17003;

    explicit CDlgTablePage(const PageModel& model);

    const PageModel& Model() const { return m_model; }

    bool LoadParams(bool force) override;
    bool BuildParamList(std::span<uint8_t> list, uint32_t* length) override;
    void ParseItem(const ParamItemView& item) override;
    void GetGroupMembers(int checkBoxId, std::vector<int>& ids) override;
    bool ValidateInput() override;
    void BuildQueryList(std::span<uint8_t> list, uint32_t* length) override;
    void GetBatchKind(uint32_t* kind, uint32_t* extra) override;

  protected:
    bool OnInitDialog() override;
    bool OnNotify(const ui::Notification& n) override;

    // --- hooks ---
    // The ID a row is read from and the ID it is sent under (per-center offsets, renames).
    virtual uint32_t ReadId(const ParamRow& row) const { return row.id; }
    virtual uint32_t WriteId(const ParamRow& row) const { return row.id; }
    // A row's own decoding or encoding; true when the hook handled it.
    virtual bool DecodeRow(const ParamRow& /*row*/, const ParamItemView& /*item*/) { return false; }
    virtual bool EncodeRow(const ParamRow& /*row*/, ParamListWriter& /*writer*/) { return false; }
    // Whether a checked row is sent at all (rules on the device, say).
    virtual bool IsRowSent(const ParamRow& /*row*/) const { return true; }
    // A page's own check of a row after the table's rule passed; false stops the save (the
    // hook shows its message).
    virtual bool ValidateRow(const ParamRow& /*row*/) { return true; }
    // The user changed a row's combo, radio or check box.
    virtual void OnRowChanged(const ParamRow& /*row*/) {}
    // The record layout in force: fields of another Variant are neither shown, checked nor sent.
    virtual uint8_t RowVariant() const { return 0; }

    // --- what hooks use ---
    // The value the row had when validation read the controls: edit text, or the number of a
    // combo, radio, check box or picker.
    const std::wstring& Snapshot(const ParamRow& row) const;
    int64_t SnapshotNumber(const ParamRow& row) const;
    // The row's current number read from its control (edits: empty reads 0).
    int64_t ControlNumber(const ParamRow& row) const;
    void SetRowNumber(const ParamRow& row, int64_t value);
    // The row's field message (caption and rule text, or its fixed message); focus to its control.
    void ShowRowMessage(const ParamRow& row);
    const ParamRow* RowOfId(uint32_t id) const;
    bool IsRowGroupChecked(const ParamRow& row) const;
    bool Has(int controlId) const { return IsCreated() && View().Has(controlId); }

    // --- records: values whose fields are rows; bytes no field covers travel back unchanged ---
    // Shows every record's fields from the bytes last received or set (none: zeros).
    void ShowRecords();
    void SetRecord(uint32_t id, std::span<const uint8_t> bytes);
    // The record with the controls' values written into its fields.
    std::vector<uint8_t> RecordFromControls(uint32_t id);

  private:
    size_t IndexOf(const ParamRow& row) const;
    bool IsInForce(const ParamRow& row) const;
    void TakeSnapshot();
    void ShowChoice(const ParamRow& row, uint32_t value);
    bool IsCustomChosen(const ParamRow& row) const;
    void ApplyCustomEntry(const ParamRow& row);
    std::vector<uint8_t> BuildRecord(uint32_t id);
    bool OnSpin(const ui::Notification& n);
    void AttachEdits();
    void InitRow(const ParamRow& row);
    void DecodeDefault(const ParamRow& row, const ParamItemView& item);
    bool CheckRule(const ParamRow& row);
    bool PassesRule(const ParamRow& row, const std::wstring& text) const;
    std::wstring ReadControl(const ParamRow& row) const;
    bool IsItemHead(size_t index) const;
    bool EncodeItem(size_t index, ParamListWriter& writer);
    bool EncodePacked(size_t index, ParamListWriter& writer);
    bool OpenMask(const ParamRow& row);
    const ParamRow* RowOfControl(int controlId) const;

    const PageModel& m_model;
    std::deque<CEditBounds> m_bounds;
    std::deque<CEditCheck> m_asciiEdits;
    std::vector<std::wstring> m_snapshot;
    std::map<uint32_t, std::vector<uint8_t>> m_records;
    bool m_firstLoad = true;  // CheckOnReceipt rows mark their groups only then
};

}  // namespace mdvr
