#pragma once
// The record a host passes as the parent window of MDVR_DisplayConfig on the headless backend.
// The plug-in's backend recognises it by its magic, places the window inside `window` and
// publishes its automation through `api`, so a host that knows the plug-in only through its
// exports can still drive the window. Plain C layout: host and plug-in are separate modules.
#include <cstddef>
#include <cstdint>

#include "ui/headless/HostWindow.h"

namespace mdvr::ui {

inline constexpr uint64_t kHostBridgeMagic = 0x4D44'5652'4252'4447ull;  // "MDVRBRDG"
inline constexpr uint32_t kHostBridgeVersion = 1;

// Every call acts like a user: on a control the user can reach in the newest showing dialog that
// has that control ID, and lets posted messages run before it returns. Results: 1 done, 0 not.
// Texts are UTF-8; a text result is copied into out (cut to capacity, always terminated when
// capacity > 0) and the full length is returned, so a caller can retry with a larger buffer.
struct HostBridgeApi {
    uint32_t version;
    int (*replaceText)(int id, const char* utf8);  // clears the edit with keys, then types
    int (*click)(int id);
    int (*selectIndex)(int id, int index);
    int (*selectByData)(int id, uint32_t data);
    int (*setTime)(int id, const int* fields);  // year, month, day, hour, minute, second
    void (*answerNextQuestion)(int answer);
    // Template IDs of the showing dialogs, oldest first; returns how many there are.
    size_t (*showingDialogs)(int* out, size_t capacity);
    size_t (*describe)(int templateId, char* out, size_t capacity);
    size_t (*text)(int templateId, int id, char* out, size_t capacity);
    size_t (*msgTipCount)();
    // Tip number index as "type<TAB>text"; type 0 notice, 1 question.
    size_t (*msgTip)(size_t index, char* out, size_t capacity);
};

struct HostBridge {
    uint64_t magic = kHostBridgeMagic;
    uint32_t version = kHostBridgeVersion;
    HostWindow window;                   // set by the host: its client area
    const HostBridgeApi* api = nullptr;  // set by the plug-in when it adopts the record
};

// Plug-in side: the window of a bridge record passed as a native parent (publishing the
// automation into it), or null when native is not one. Like a handle on Windows, a native parent
// must be something the host made: it is read as far as the record's magic and version.
HostWindow* AdoptHostBridge(void* native);

}  // namespace mdvr::ui
