#include "ui/headless/HostBridge.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "text/CodePage.h"
#include "ui/headless/Automation.h"
#include "ui/headless/HeadlessView.h"

namespace mdvr::ui {
namespace {

// The newest showing dialog that holds the control: pages and pop-ups come after the window.
DialogDriver DriverOf(int id) {
    Automation automation;
    std::vector<DialogDriver> dialogs = automation.Dialogs();
    for (auto it = dialogs.rbegin(); it != dialogs.rend(); ++it) {
        const HeadlessView* view = it->View();
        if (view->IsShowing() && view->Find(id) != nullptr) return *it;
    }
    return DialogDriver(automation.Backend(), nullptr);
}

size_t CopyOut(const std::string& text, char* out, size_t capacity) {
    if (capacity > 0) {
        const size_t n = std::min(text.size(), capacity - 1);
        std::memcpy(out, text.data(), n);
        out[n] = '\0';
    }
    return text.size();
}

int ReplaceText(int id, const char* utf8) {
    DialogDriver driver = DriverOf(id);
    const size_t old = driver.Text(id).size();
    if (!driver.Focus(id)) return 0;
    for (size_t i = 0; i < old; ++i) {  // whatever the caret, this empties the edit
        driver.PressKey(id, kKeyBack);
        driver.PressKey(id, kKeyDelete);
    }
    return driver.Type(id, Utf8ToWide(utf8)) ? 1 : 0;
}

int Click(int id) {
    return DriverOf(id).Click(id) ? 1 : 0;
}

int SelectIndex(int id, int index) {
    return DriverOf(id).SelectIndex(id, index) ? 1 : 0;
}

int SelectByData(int id, uint32_t data) {
    return DriverOf(id).SelectByData(id, data) ? 1 : 0;
}

int SetTime(int id, const int* f) {
    return DriverOf(id).SetTime(id, DateTime{f[0], f[1], f[2], f[3], f[4], f[5]}) ? 1 : 0;
}

void AnswerNextQuestion(int answer) {
    HeadlessBackend::Instance().AnswerNextQuestion(answer);
}

size_t ShowingDialogs(int* out, size_t capacity) {
    size_t count = 0;
    for (const HeadlessView* view : HeadlessBackend::Instance().Views()) {
        if (!view->IsShowing()) continue;
        if (count < capacity) out[count] = view->TemplateId();
        ++count;
    }
    return count;
}

size_t Describe(int templateId, char* out, size_t capacity) {
    Automation automation;
    std::wstring text =
        templateId == 0 ? automation.DescribeAll() : automation.Find(templateId).Describe();
    return CopyOut(WideToUtf8(text), out, capacity);
}

size_t Text(int templateId, int id, char* out, size_t capacity) {
    return CopyOut(WideToUtf8(Automation().Find(templateId).Text(id)), out, capacity);
}

size_t MsgTipCount() {
    return HeadlessBackend::Instance().MsgTips().size();
}

size_t MsgTipAt(size_t index, char* out, size_t capacity) {
    const std::vector<MsgTip>& tips = HeadlessBackend::Instance().MsgTips();
    if (index >= tips.size()) return CopyOut({}, out, capacity);
    const MsgTip& tip = tips[index];
    return CopyOut(std::to_string(tip.type) + '\t' + WideToUtf8(tip.text), out, capacity);
}

constexpr HostBridgeApi kApi{
    kHostBridgeVersion, ReplaceText,    Click,    SelectIndex, SelectByData, SetTime,
    AnswerNextQuestion, ShowingDialogs, Describe, Text,        MsgTipCount,  MsgTipAt,
};

}  // namespace

HostWindow* AdoptHostBridge(void* native) {
    auto* bridge = static_cast<HostBridge*>(native);
    if (bridge == nullptr || bridge->magic != kHostBridgeMagic ||
        bridge->version != kHostBridgeVersion) {
        return nullptr;
    }
    bridge->api = &kApi;
    return &bridge->window;
}

}  // namespace mdvr::ui
