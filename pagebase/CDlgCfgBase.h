#pragma once
// The base of every configuration page: the life of a page (load, show, validate, build, save)
// as virtual operations, and the control groups whose head check boxes enable their fields and
// decide whether those fields are sent.
#include <array>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "controls/CDlgChildBase.h"
#include "controls/CGuiCheckBox.h"
#include "controls/CTipSmart.h"
#include "controls/CXGroupBox.h"
#include "protocol/IParamPage.h"
#include "protocol/ParamItem.h"

namespace mdvr {

class CDlgCfgBase : public CDlgChildBase, public IParamPage {
  public:
    static constexpr int kFirstGroupId = 4259;  // group check box i has ID 4259 + i
    static constexpr int kGroupSlots = 24;
    static constexpr int kMaxGroups = 20;  // clicks on 4259..4278 apply their group
    static constexpr int kStrNoGroupChecked = 11008;

    // A group head as pages declare it: a program-kept check box outside the tab order.
    static constexpr ui::ControlDecl GroupDecl(int index, ui::Caption caption, ui::Rect place) {
        return {kFirstGroupId + index, ui::ControlKind::CheckBox, caption,
                ui::kStyleManualCheck | ui::kStyleNoTabStop, place};
    }

    CDlgCfgBase(const ui::DialogDecl& decl, int groupCount);

    // --- the sixteen page operations, in slot order ---
    bool BuildParamList(std::span<uint8_t> list, uint32_t* length) override = 0;
    void OnParamsSaved(const uint8_t* reply, uint32_t replyLength) override;
    virtual bool LoadParams(bool force);
    // Hands the item to ParseItem as a view that ends where the item ends.
    void ParseParamItem(uint32_t id, uint8_t length, const uint8_t* list, int offset) final;
    virtual void GetGroupMembers(int checkBoxId, std::vector<int>& ids);
    bool ValidateInput() override;
    virtual bool IsAllDigits(std::wstring_view text) const;
    virtual bool IsDigitsAndDots(std::wstring_view text) const;
    virtual bool IsBadUInt32Text(std::wstring_view text) const;
    virtual bool IsHostText(std::wstring_view text) const;
    virtual bool IsLetter(wchar_t ch) const;
    virtual bool IsDigit(wchar_t ch) const;
    virtual std::wstring ValueToText(uint8_t length, const uint8_t* list, int offset,
                                     int asText) const;
    void BuildQueryList(std::span<uint8_t> list, uint32_t* length) override = 0;
    virtual void ApplyDeviceProfile() {}
    void GetBatchKind(uint32_t* /*kind*/, uint32_t* /*extra*/) override {}

    bool IsAlphanumeric(std::wstring_view text) const;

    // One received item of the page's list; reads past its value give zeros.
    virtual void ParseItem(const ParamItemView& item) = 0;

    // Runs the exchange's save on this page (validate, build, send).
    bool SaveParams(bool multi);

    // --- control groups ---
    int GroupCount() const { return m_groupCount; }
    bool IsGroupChecked(int index) const;
    void ApplyGroupState(int checkBoxId);
    void SetGroupCheck(int index, bool state);
    void SetAllGroups(bool state);
    bool AllGroupsState() const { return m_allGroups; }

    void SetProfileChanged(bool on) { m_profileChanged = on; }
    bool ProfileChanged() const { return m_profileChanged; }

  protected:
    bool OnInitDialog() override;
    bool OnNotify(const ui::Notification& n) override;
    // Runs between a successful fetch and the parse of the list.
    virtual void OnFetched() {}
    // Moves the page's fields into its controls: the last step of the common LoadParams.
    virtual void UpdateControls() {}

  private:
    static bool IsGroupId(int id) { return id >= kFirstGroupId && id < kFirstGroupId + kMaxGroups; }
    bool HasGroupBox(int index) const;

    CTipSmart m_tip;
    std::deque<CXGroupBox> m_frames;  // every group frame of the page, in the theme's colours
    int m_groupCount = 0;
    std::array<CGuiCheckBox, kGroupSlots> m_groupBoxes;
    bool m_allGroups = false;
    bool m_profileChanged = false;
};

}  // namespace mdvr
