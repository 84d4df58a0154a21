#pragma once
// A host for page tests: the headless backend, a language file and alarm names of the test's
// choosing, and callbacks that record what a page sends and answer fetches from a stored list.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "host/CHostFile.h"
#include "protocol/HostCallbacks.h"
#include "protocol/ParamCache.h"
#include "support/ScratchDir.h"
#include "text/CLanguage.h"
#include "ui/headless/Automation.h"

namespace mdvr::test {

using Bytes = std::vector<uint8_t>;

struct HostRecord {
    Bytes fetchReply;  // what the get callback answers
    int lastGetCommand = -1;
    Bytes lastQuery;          // the request of the last get
    std::vector<Bytes> sets;  // every list the set callback received
    int setResult = 1;
};

inline HostRecord& TheHostRecord() {
    static HostRecord record;
    return record;
}

inline int MDVR_CALL RecordGet(int command, MDVR_ParamBuffer* request, MDVR_ParamBuffer* reply,
                               void* /*user*/) {
    HostRecord& host = TheHostRecord();
    host.lastGetCommand = command;
    host.lastQuery.assign(request->bytes, request->bytes + request->length);
    std::copy(host.fetchReply.begin(), host.fetchReply.end(), reply->bytes);
    reply->length = static_cast<uint32_t>(host.fetchReply.size());
    return 1;
}

inline int MDVR_CALL RecordSet(int /*command*/, MDVR_ParamBufferSmall* request,
                               MDVR_ParamBufferSmall* /*reply*/, void* /*user*/) {
    HostRecord& host = TheHostRecord();
    host.sets.emplace_back(request->bytes, request->bytes + request->length);
    return host.setResult;
}

class PageTest : public ::testing::Test {
  protected:
    static constexpr const char* kLanguage =
        "[STRING]\n11008=请至少勾选一项参数\n12003=报警屏蔽字\n12004=报警发送文本SMS开关\n";

    void SetUp() override {
        m_automation.Backend().Reset();
        TheParamCache() = {};
        TheHostRecord() = {};
        HostCallbacks& callbacks = TheHostCallbacks();
        callbacks = {};
        callbacks.getFunc = &RecordGet;
        callbacks.setFunc = &RecordSet;
        std::filesystem::create_directories(Folder());
        WriteFile("lang.ini", kLanguage);
        CLanguage::Instance().SetFile((Folder() / "lang.ini").wstring());
        SetAlarmNames("");
        CHostFile::SetFolder(Folder().wstring());
    }

    void TearDown() override { CHostFile::SetFolder(L""); }

    // One folder per test process: ctest runs test processes side by side.
    static const std::filesystem::path& Folder() {
        static const ScratchDir folder("mdvr_page_tests");
        return folder.Path();
    }
    static void WriteFile(const char* name, const std::string& text) {
        WriteFileText(Folder() / name, text);
    }
    // The Chinese language file the plug-in ships.
    static void UseShippedLanguage() {
        CLanguage::Instance().SetFile(
            (std::filesystem::path(MDVR_SOURCE_DIR) / "lang" / "zh-CN.ini").wstring());
    }
    // HostAlarmNames.ini contents; empty keeps the standard names.
    static void SetAlarmNames(const std::string& text) {
        WriteFile("HostAlarmNames.ini", text);
        CHostFile::ReloadAll();
    }

    ui::HostWindow& Host() { return m_automation.Backend().CreateHostWindow({0, 0, 1000, 670}); }
    ui::DialogDriver Driver(int templateId) const { return m_automation.Find(templateId); }

    ui::Automation m_automation;
};

}  // namespace mdvr::test
