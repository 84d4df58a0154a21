#pragma once
// The plug-in as a fleet client sees it: a library file and its sixteen exports, looked up by
// name. Nothing else of the plug-in is linked into the host.
#include <filesystem>

#include "mdvr808.h"

namespace mdvr::refhost {

struct PluginExports {
    decltype(&MDVR_IsEnableDll) IsEnableDll;
    decltype(&MDVR_GetPluginParam) GetPluginParam;
    decltype(&MDVR_GetDisplayWidth) GetDisplayWidth;
    decltype(&MDVR_GetDisplayHeight) GetDisplayHeight;
    decltype(&MDVR_SetConfigFunction) SetConfigFunction;
    decltype(&MDVR_SetConfigFunctionEx) SetConfigFunctionEx;
    decltype(&MDVR_SetConfigFuncMutli) SetConfigFuncMutli;
    decltype(&MDVR_SetLangPath) SetLangPath;
    decltype(&MDVR_SetDevType) SetDevType;
    decltype(&MDVR_SetDevID) SetDevID;
    decltype(&MDVR_DisplayConfig) DisplayConfig;
    decltype(&MDVR_DisplayUpdate) DisplayUpdate;
    decltype(&MDVR_DllPreTranslateMessage) DllPreTranslateMessage;
    decltype(&MDVR_ActivePage) ActivePage;
    decltype(&MDVR_SaveLocalCfgFile) SaveLocalCfgFile;
    decltype(&MDVR_IsLoadConfigFile) IsLoadConfigFile;
};

class PluginModule {
  public:
    // Throws std::runtime_error naming the file and the first missing export.
    explicit PluginModule(const std::filesystem::path& file);
    ~PluginModule();
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    const PluginExports& Exports() const { return m_exports; }

  private:
    void* Symbol(const char* name) const;

    void* m_handle = nullptr;
    PluginExports m_exports{};
};

}  // namespace mdvr::refhost
