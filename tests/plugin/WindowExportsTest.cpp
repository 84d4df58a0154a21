// The window's life through the exports, with a recording window in place of the frame's.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "mdvr808.h"
#include "plugin/ModuleFixture.h"

namespace mdvr::test {
namespace {

constexpr uintptr_t kReturn = 13;

struct WindowLog {
    std::vector<MDVR_HWND> created;
    int alive = 0;
    int refreshes = 0;
    int preTranslated = 0;
    bool consume = false;     // what the window's own pre-translation answers
    bool throwing = false;    // every window call throws
    bool failing = false;     // window creation fails
    bool reentering = false;  // the host asks for the window again during its creation
};
WindowLog g_log;

class RecordingWindow : public IMainWindow {
  public:
    RecordingWindow() { ++g_log.alive; }
    ~RecordingWindow() override { --g_log.alive; }
    bool Create(MDVR_HWND parent) override {
        if (g_log.throwing) throw std::runtime_error("window");
        g_log.created.push_back(parent);
        if (g_log.reentering) MDVR_DisplayConfig(parent, 0);
        return !g_log.failing;
    }
    void RefreshPages() override {
        if (g_log.throwing) throw std::runtime_error("window");
        ++g_log.refreshes;
    }
    bool PreTranslateMessage(MDVR_MSG&) override {
        if (g_log.throwing) throw std::runtime_error("window");
        ++g_log.preTranslated;
        return g_log.consume;
    }
};

std::unique_ptr<IMainWindow> MakeRecordingWindow() {
    return std::make_unique<RecordingWindow>();
}

class WindowExports : public ModuleFixture {
  protected:
    void SetUp() override {
        ModuleFixture::SetUp();
        g_log = WindowLog{};
        CMainWindowHost::Instance().SetFactory(&MakeRecordingWindow);
    }
    MDVR_HWND Parent() { return &m_parent; }

  private:
    int m_parent = 0;
};

// Without a frame there is no window. One window, even when the host asks again during its
// creation; a failed creation leaves none and the next call tries again; only an open window is
// refreshed.
TEST_F(WindowExports, OneWindowRetriedAfterAFailureAndRefreshedWhileOpen) {
    CMainWindowHost::Instance().SetFactory(nullptr);
    EXPECT_EQ(MDVR_DisplayConfig(Parent(), 0), 0);
    EXPECT_FALSE(CMainWindowHost::Instance().IsOpen());
    CMainWindowHost::Instance().SetFactory(&MakeRecordingWindow);
    g_log.failing = true;
    EXPECT_EQ(MDVR_DisplayConfig(Parent(), 0), 0);
    EXPECT_EQ(g_log.alive, 0);
    MDVR_DisplayUpdate();
    EXPECT_EQ(g_log.refreshes, 0);
    g_log = WindowLog{};
    g_log.reentering = true;
    EXPECT_EQ(MDVR_DisplayConfig(Parent(), 0), 0);
    EXPECT_EQ(MDVR_DisplayConfig(Parent(), 5), 0);
    EXPECT_EQ(g_log.created, std::vector<MDVR_HWND>{Parent()});
    EXPECT_EQ(g_log.alive, 1);
    MDVR_DisplayUpdate();
    MDVR_DisplayUpdate();
    EXPECT_EQ(g_log.refreshes, 2);
}

TEST_F(WindowExports, PreTranslateEscapeCloseAndDelegation) {
    const struct {
        const char* name;
        uint32_t message;
        uintptr_t wParam;
        bool windowOpen, windowConsumes;
        int result;
        int windowCalls;  // how often the window's own pre-translation ran
        int aliveAfter;
    } cases[] = {
        {"escape key-up, no window", kWmKeyUp, kEscape, false, false, 1, 0, 0},
        {"escape key-down", kWmKeyDown, kEscape, true, false, 1, 0, 1},
        {"any message with wParam 27", 0x0200, kEscape, true, false, 1, 0, 1},
        {"return key, window declines", kWmKeyDown, kReturn, true, false, 0, 1, 1},
        {"return key, window consumes", kWmKeyDown, kReturn, true, true, 1, 1, 1},
        {"key, no window", kWmKeyUp, kReturn, false, true, 0, 0, 0},
        {"close with wParam 27", kWmClose, kEscape, true, false, 1, 0, 0},
        {"close for any window", kWmClose, 0, true, true, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CMainWindowHost::Instance().Close();
        g_log = WindowLog{};
        g_log.consume = c.windowConsumes;
        if (c.windowOpen) MDVR_DisplayConfig(Parent(), 0);
        MDVR_MSG msg = Message(c.message, c.wParam);
        msg.hwnd = &msg;  // addressed to some other window
        EXPECT_EQ(MDVR_DllPreTranslateMessage(&msg), c.result);
        EXPECT_EQ(g_log.preTranslated, c.windowCalls);
        EXPECT_EQ(g_log.alive, c.aliveAfter);
    }
    EXPECT_EQ(MDVR_DllPreTranslateMessage(nullptr), 0);
}

TEST_F(WindowExports, ExceptionsStayInsideTheExports) {
    MDVR_DisplayConfig(Parent(), 0);
    g_log.throwing = true;
    MDVR_MSG key = Message(kWmKeyDown, kReturn);
    EXPECT_NO_THROW(MDVR_DisplayUpdate());
    EXPECT_EQ(MDVR_DllPreTranslateMessage(&key), 0);

    CMainWindowHost::Instance().Close();
    EXPECT_EQ(MDVR_DisplayConfig(Parent(), 0), 0);
    EXPECT_FALSE(CMainWindowHost::Instance().IsOpen());
    EXPECT_EQ(g_log.alive, 0);
}

}  // namespace
}  // namespace mdvr::test
