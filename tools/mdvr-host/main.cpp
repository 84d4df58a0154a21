// mdvr-host: a reference host for the configuration plug-in. It loads the plug-in through its
// exports, answers the three callbacks from terminal files or from terminals connected over
// JT/T 808, and runs a scripted session. --help lists the options and session commands.
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

#include "text/CodePage.h"
#include "tools/mdvr-host/CallbackHost.h"
#include "tools/mdvr-host/CommandLine.h"
#include "tools/mdvr-host/DisplayWindow.h"
#include "tools/mdvr-host/FileLink.h"
#include "tools/mdvr-host/Jt808Link.h"
#include "tools/mdvr-host/SessionRunner.h"

namespace fs = std::filesystem;
using namespace mdvr::refhost;

namespace {

constexpr int kServedDevType = 6;

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

constexpr char kHelp[] = R"(usage: mdvr-host --plugin FILE --host-folder DIR [options] [SCRIPT | -]

Loads the plug-in, shows its window (headless on Linux) and runs a session script (- or none:
standard input), answering the plug-in's requests from terminal files or, with --listen, from
terminals connected over JT/T 808.

options (default in brackets):
  --plugin FILE        the plug-in, mdvr808.so or mdvr808.dll [required]
  --host-folder DIR    the host's files: HostDevices.ini, settings, theme, lang/ [required]
  --terminals DIR      terminal files, <device ID>.terminal [HOST-FOLDER/terminals]
  --lang FILE          language file [HOST-FOLDER/lang/zh-CN.ini]
  --subtype N          device sub-type asked of MDVR_IsEnableDll [0]
  --listen ADDR:PORT   act as the JT/T 808 platform: terminals connect here, device ID N is
                       the terminal with phone number N, only HostDevices.ini devices may
                       register [off: answer from terminal files]
  --expect N           with --listen, wait for N terminals to authenticate before the
                       session, at most --timeout [0]
  --timeout MS         how long a request waits for its terminals [5000]
  --help               this text

session commands, one per line, # starts a comment:
  device ID            choose the device (MDVR_SetDevID)
  devtype N            MDVR_SetDevType
  open                 MDVR_DisplayConfig in the host's window
  page N               press a page button
  type CONTROL TEXT    replace an edit's text by typing
  click CONTROL        press a button or check box
  select CONTROL INDEX / select-data CONTROL VALUE   pick a drop-down entry
  time CONTROL [YYYY-MM-DD] HH:MM[:SS]               set a time picker
  answer yes|no        answer the next question the window asks
  show [all]           print the page (all: every showing dialog)
  status               print the status log
  offline ID / online ID   take a terminal file off the network or back
  targets ID...        the devices a multi-device save goes to [every terminal]
  file ID [PARAM]      print a terminal file (or one parameter's line)
  close                WM_CLOSE through MDVR_DllPreTranslateMessage
  echo TEXT            print TEXT

exit codes: 0 every command succeeded, 1 a command or the host failed, 2 bad arguments.
)";

const std::set<std::string> kValueOptions = {"plugin", "host-folder", "terminals", "lang",
                                             "subtype", "listen", "expect", "timeout"};

// The registry's device IDs: its [DeviceN] sections.
std::set<int> RegistryDevices(const fs::path& hostFolder) {
    std::ifstream in(hostFolder / "HostDevices.ini");
    std::set<int> devIds;
    constexpr std::string_view kSection = "[Device";
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(kSection, 0) == 0) devIds.insert(std::atoi(line.c_str() + kSection.size()));
    }
    return devIds;
}

// The backend the callbacks go through; with --listen, targets become the registry's devices.
std::unique_ptr<TerminalLink> MakeLink(Options& options, const fs::path& hostFolder,
                                       TerminalFleet& fleet, std::chrono::milliseconds timeout,
                                       std::vector<int>& targets) {
    if (!options.contains("listen")) return std::make_unique<FileLink>(fleet);
    const std::set<int> registry = RegistryDevices(hostFolder);
    auto link = std::make_unique<Jt808Link>(mdvr::jt808::ParseEndpoint(options["listen"]),
                                            registry, std::cout);
    std::cout << "mdvr-host: listening on port " << link->Port() << std::endl;
    const auto expected = static_cast<size_t>(NumberOption(options, "expect", 0));
    if (expected > 0) {
        std::cout << "mdvr-host: " << link->AwaitTerminals(expected, timeout) << " of "
                  << expected << " terminal(s) authenticated\n";
    }
    targets.assign(registry.begin(), registry.end());
    return link;
}

int RunHost(Options& options) {
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
    const int subType = NumberOption(options, "subtype", 0);
    if (plugin.IsEnableDll(kServedDevType, subType, 0) == 0) {
        std::cout << "the plug-in does not serve device type " << kServedDevType << '\n';
        return 1;
    }
    MDVR_PluginParam param{};
    plugin.GetPluginParam(&param);
    TerminalFleet fleet(terminals);
    const std::chrono::milliseconds timeout(
        NumberOption(options, "timeout", static_cast<int>(CallbackHost::kDefaultTimeout.count())));
    std::vector<int> targets = DevicesWithTerminals(terminals);
    std::unique_ptr<TerminalLink> link = MakeLink(options, hostFolder, fleet, timeout, targets);
    CallbackHost callbacks(*link, std::cout, timeout);
    callbacks.SetTargets(std::move(targets));
    callbacks.Install(plugin);
    plugin.SetLangPath(lang.c_str());
    std::cout << "mdvr-host: " << fs::path(options["plugin"]).filename().string() << ", window "
              << plugin.GetDisplayWidth() << "x" << plugin.GetDisplayHeight() << ", language "
              << fs::path(lang).filename().string() << '\n';

    DisplayWindow window(plugin.GetDisplayWidth(), plugin.GetDisplayHeight());
    SessionRunner session(plugin, callbacks, fleet, window, std::cout);
    const std::string script = options.contains("positional") ? options["positional"] : "-";
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
    const ToolInfo tool{"mdvr-host", kHelp, kValueOptions, {"plugin", "host-folder"}, true};
    return RunTool(argc, argv, tool, RunHost);
}
