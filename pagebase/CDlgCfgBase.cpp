#include "pagebase/CDlgCfgBase.h"

#include <algorithm>
#include <cwchar>
#include <string>

#include "host/IMsgTipPresenter.h"
#include "protocol/ParamExchange.h"
#include "text/CLanguage.h"

namespace mdvr {

CDlgCfgBase::CDlgCfgBase(const ui::DialogDecl& decl, int groupCount)
    : CDlgChildBase(decl), m_groupCount(std::clamp(groupCount, 0, kMaxGroups)) {
    for (int i = 0; i < m_groupCount; ++i) {
        Attach(kFirstGroupId + i, m_groupBoxes[static_cast<size_t>(i)]);
    }
    // A plain frame inside a clipping dialog would leave its inside unpainted.
    for (const ui::ControlDecl& control : decl.controls) {
        if (control.kind == ui::ControlKind::GroupBox) Attach(control.id, m_frames.emplace_back());
    }
}

void CDlgCfgBase::OnParamsSaved(const uint8_t* /*reply*/, uint32_t /*replyLength*/) {
    if (IsCreated()) View().Invalidate();
}

bool CDlgCfgBase::LoadParams(bool force) {
    const uint8_t* list = nullptr;
    uint32_t length = 0;
    if (!FetchParams(*this, list, length, force)) return false;
    OnFetched();
    ParseParamList(*this, list, length);
    UpdateControls();
    return true;
}

void CDlgCfgBase::ParseParamItem(uint32_t id, uint8_t length, const uint8_t* list, int offset) {
    if (list == nullptr || offset < 0) return;
    ParseItem(ParamItemView(id, {list + offset, length}));
}

void CDlgCfgBase::GetGroupMembers(int /*checkBoxId*/, std::vector<int>& /*ids*/) {}

bool CDlgCfgBase::ValidateInput() {
    for (int i = 0; i < m_groupCount; ++i) {
        if (HasGroupBox(i) && IsGroupChecked(i)) return true;
    }
    ShowMsgTipEx(CLanguage::Instance().GetText(kStrNoGroupChecked), L"", kMsgTipNotice);
    return false;
}

bool CDlgCfgBase::IsAllDigits(std::wstring_view text) const {
    return std::all_of(text.begin(), text.end(), [this](wchar_t c) { return IsDigit(c); });
}

bool CDlgCfgBase::IsDigitsAndDots(std::wstring_view text) const {
    if (text.empty()) return true;
    if (text.front() == L'.' || text.back() == L'.') return false;
    return std::all_of(text.begin(), text.end(),
                       [](wchar_t c) { return c == L'.' || (c >= L'0' && c <= L'9'); });
}

bool CDlgCfgBase::IsBadUInt32Text(std::wstring_view text) const {
    if (text.empty()) return false;
    const std::wstring owned(text);
    // Read as the platform's unsigned 64-bit conversion does; printing back exposes a sign,
    // leading zeros, blanks and trailing characters.
    const unsigned long long value = std::wcstoull(owned.c_str(), nullptr, 10);
    if (value > 0xFFFFFFFFull) return true;
    return std::to_wstring(value) != owned;
}

bool CDlgCfgBase::IsHostText(std::wstring_view text) const {
    if (text.empty()) return true;
    if (text.find(L'.') == std::wstring_view::npos) return false;
    if (text.front() == L'.' || text.back() == L'.') return false;
    return std::all_of(text.begin(), text.end(),
                       [this](wchar_t c) { return c == L'.' || IsLetter(c) || IsDigit(c); });
}

bool CDlgCfgBase::IsLetter(wchar_t ch) const {
    return (ch >= L'A' && ch <= L'Z') || (ch >= L'a' && ch <= L'z');
}

bool CDlgCfgBase::IsDigit(wchar_t ch) const {
    return ch >= L'0' && ch <= L'9';
}

std::wstring CDlgCfgBase::ValueToText(uint8_t length, const uint8_t* list, int offset,
                                      int asText) const {
    return mdvr::ValueToText(length, list, offset, asText);
}

bool CDlgCfgBase::IsAlphanumeric(std::wstring_view text) const {
    return std::all_of(text.begin(), text.end(),
                       [this](wchar_t c) { return IsLetter(c) || IsDigit(c); });
}

bool CDlgCfgBase::SaveParams(bool multi) {
    return mdvr::SaveParams(*this, multi);
}

bool CDlgCfgBase::IsGroupChecked(int index) const {
    if (index < 0 || index >= m_groupCount) return false;
    return m_groupBoxes[static_cast<size_t>(index)].GetCheck() != 0;
}

bool CDlgCfgBase::HasGroupBox(int index) const {
    return IsCreated() && View().Has(kFirstGroupId + index);
}

void CDlgCfgBase::ApplyGroupState(int checkBoxId) {
    if (!IsCreated()) return;
    std::vector<int> members;
    GetGroupMembers(checkBoxId, members);
    const bool enable = IsGroupChecked(checkBoxId - kFirstGroupId);
    for (int id : members) {
        if (View().Has(id)) View().Enable(id, enable);
    }
}

void CDlgCfgBase::SetGroupCheck(int index, bool state) {
    if (index < 0 || index >= m_groupCount) return;
    m_groupBoxes[static_cast<size_t>(index)].SetCheck(state ? 1 : 0);
    ApplyGroupState(kFirstGroupId + index);
}

void CDlgCfgBase::SetAllGroups(bool state) {
    m_allGroups = state;
    for (int i = 0; i < m_groupCount; ++i) SetGroupCheck(i, state);
}

bool CDlgCfgBase::OnInitDialog() {
    CDlgChildBase::OnInitDialog();
    SetAllGroups(true);
    m_tip.Attach(*this);
    return true;
}

bool CDlgCfgBase::OnNotify(const ui::Notification& n) {
    if (n.event == ui::Event::Click && IsGroupId(n.id)) {
        ApplyGroupState(n.id);
        return true;
    }
    return CDlgChildBase::OnNotify(n);
}

}  // namespace mdvr
