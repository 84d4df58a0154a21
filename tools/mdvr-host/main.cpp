// mdvr-host: a reference host for the configuration plug-in. It loads the plug-in through its
// exports, answers the three callbacks from simulated terminals and runs a scripted session.
//
//   mdvr-host --plugin mdvr808.so --host-folder DIR [--terminals DIR] [--lang FILE]
//             [--subtype N] [SCRIPT | -]
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

#include "text/CodePage.h"
#include "tools/mdvr-host/CallbackHost.h"
#include "tools/mdvr-host/DisplayWindow.h"
#include "tools/mdvr-host/SessionRunner.h"

namespace fs = std::filesystem;
using namespace mdvr::refhost;

namespace {

constexpr int kServedDevType = 6;
constexpr char kWireCharset[] = "GBK";  // what terminals and Chinese hosts use

void SetEnv(const char* name, const std::string& value) {
#ifdef _WIN32
    SetEnvironmentVariableW(mdvr::Utf8ToWide(name).c_str(), mdvr::Utf8ToWide(value).c_str());
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

std::vector<int> DevicesWithTerminals(const fs::path& folder) {
    std::vector<int> devIds;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == ".terminal")
            devIds.push_back(std::atoi(entry.path().stem().string().c_str()));
    }
    std::sort(devIds.begin(), devIds.end());
    return devIds;
}

// "--name value" pairs and at most one positional argument (the script).
bool ParseArgs(int argc, char** argv, std::map<std::string, std::string>& options) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.rfind("--", 0) == 0 && i + 1 < argc) {
            options[arg.substr(2)] = argv[++i];
        } else if (!options.contains("script")) {
            options["script"] = arg;
        } else {
            return false;
        }
    }
    return options.contains("plugin") && options.contains("host-folder");
}

int RunHost(std::map<std::string, std::string>& options) {
    const fs::path hostFolder = fs::absolute(options["host-folder"]);
    const fs::path terminals =
        options.contains("terminals") ? fs::path(options["terminals"]) : hostFolder / "terminals";
    const std::string lang =
        options.contains("lang") ? options["lang"] : (hostFolder / "lang" / "zh-CN.ini").string();
    // The plug-in reads where the host's files are when it loads; its wire charset is GBK already.
    SetEnv("MDVR_APP_PATH", (hostFolder / "").string());
    mdvr::SetAnsiCharset(kWireCharset);

    PluginModule module(options["plugin"]);
    const PluginExports& plugin = module.Exports();
    const int subType = options.contains("subtype") ? std::stoi(options["subtype"]) : 0;
    if (plugin.IsEnableDll(kServedDevType, subType, 0) == 0) {
        std::cout << "the plug-in does not serve device type " << kServedDevType << '\n';
        return 1;
    }
    MDVR_PluginParam param{};
    plugin.GetPluginParam(&param);
    TerminalFleet fleet(terminals);
    CallbackHost callbacks(fleet, std::cout);
    callbacks.SetTargets(DevicesWithTerminals(terminals));
    callbacks.Install(plugin);
    plugin.SetLangPath(lang.c_str());
    std::cout << "mdvr-host: " << fs::path(options["plugin"]).filename().string() << ", window "
              << plugin.GetDisplayWidth() << "x" << plugin.GetDisplayHeight() << ", language "
              << fs::path(lang).filename().string() << '\n';

    DisplayWindow window(plugin.GetDisplayWidth(), plugin.GetDisplayHeight());
    SessionRunner session(plugin, callbacks, fleet, window, std::cout);
    const std::string script = options.contains("script") ? options["script"] : "-";
    if (script == "-") return session.Run(std::cin, "<stdin>") ? 0 : 1;
    std::ifstream in(script);
    if (!in) {
        std::cout << script << ": cannot open the script\n";
        return 1;
    }
    return session.Run(in, fs::path(script).filename().string()) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::map<std::string, std::string> options;
    if (!ParseArgs(argc, argv, options)) {
        std::cerr << "usage: mdvr-host --plugin FILE --host-folder DIR [--terminals DIR] "
                     "[--lang FILE] [--subtype N] [SCRIPT | -]\n";
        return 2;
    }
    try {
        return RunHost(options);
    } catch (const std::exception& e) {
        std::cout << "mdvr-host: " << e.what() << '\n';
        return 1;
    }
}
