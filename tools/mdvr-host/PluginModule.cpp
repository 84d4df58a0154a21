#include "tools/mdvr-host/PluginModule.h"

#include <stdexcept>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace mdvr::refhost {
namespace {

template <typename Fn>
void Bind(Fn& fn, void* symbol) {
    fn = reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(symbol));
}

}  // namespace

PluginModule::PluginModule(const std::filesystem::path& file) {
#ifdef _WIN32
    m_handle = ::LoadLibraryW(file.wstring().c_str());
    if (m_handle == nullptr) throw std::runtime_error(file.string() + ": cannot load the plug-in");
#else
    m_handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (m_handle == nullptr) throw std::runtime_error(std::string(::dlerror()));
#endif
    PluginExports& e = m_exports;
    Bind(e.IsEnableDll, Symbol("MDVR_IsEnableDll"));
    Bind(e.GetPluginParam, Symbol("MDVR_GetPluginParam"));
    Bind(e.GetDisplayWidth, Symbol("MDVR_GetDisplayWidth"));
    Bind(e.GetDisplayHeight, Symbol("MDVR_GetDisplayHeight"));
    Bind(e.SetConfigFunction, Symbol("MDVR_SetConfigFunction"));
    Bind(e.SetConfigFunctionEx, Symbol("MDVR_SetConfigFunctionEx"));
    Bind(e.SetConfigFuncMutli, Symbol("MDVR_SetConfigFuncMutli"));
    Bind(e.SetLangPath, Symbol("MDVR_SetLangPath"));
    Bind(e.SetDevType, Symbol("MDVR_SetDevType"));
    Bind(e.SetDevID, Symbol("MDVR_SetDevID"));
    Bind(e.DisplayConfig, Symbol("MDVR_DisplayConfig"));
    Bind(e.DisplayUpdate, Symbol("MDVR_DisplayUpdate"));
    Bind(e.DllPreTranslateMessage, Symbol("MDVR_DllPreTranslateMessage"));
    Bind(e.ActivePage, Symbol("MDVR_ActivePage"));
    Bind(e.SaveLocalCfgFile, Symbol("MDVR_SaveLocalCfgFile"));
    Bind(e.IsLoadConfigFile, Symbol("MDVR_IsLoadConfigFile"));
}

PluginModule::~PluginModule() {
#ifdef _WIN32
    ::FreeLibrary(static_cast<HMODULE>(m_handle));
#else
    ::dlclose(m_handle);
#endif
}

void* PluginModule::Symbol(const char* name) const {
#ifdef _WIN32
    void* symbol = reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(m_handle), name));
#else
    void* symbol = ::dlsym(m_handle, name);
#endif
    if (symbol == nullptr)
        throw std::runtime_error(std::string("the plug-in lacks the export ") + name);
    return symbol;
}

}  // namespace mdvr::refhost
