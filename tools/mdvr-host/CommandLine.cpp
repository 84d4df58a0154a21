#include "tools/mdvr-host/CommandLine.h"

#include <algorithm>
#include <charconv>
#include <iostream>
#include <stdexcept>

namespace mdvr::refhost {

bool ParseCommandLine(int argc, char** argv, const std::set<std::string>& valueOptions,
                      Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help") {
            options["help"] = "";
        } else if (arg.rfind("--", 0) == 0) {
            if (i + 1 == argc || !valueOptions.contains(arg.substr(2))) return false;
            options[arg.substr(2)] = argv[++i];
        } else if (!options.contains("positional")) {
            options["positional"] = arg;
        } else {
            return false;
        }
    }
    return true;
}

int NumberOption(const Options& options, const std::string& name, int fallback) {
    auto it = options.find(name);
    if (it == options.end()) return fallback;
    int value = 0;
    const std::string& text = it->second;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0) {
        throw std::invalid_argument("--" + name + " " + text + ": not a number");
    }
    return value;
}

int RunTool(int argc, char** argv, const ToolInfo& tool,
            const std::function<int(Options&)>& run) {
    Options options;
    const bool parsed =
        ParseCommandLine(argc, argv, tool.valueOptions, options) &&
        std::all_of(tool.required.begin(), tool.required.end(),
                    [&](const std::string& name) { return options.contains(name); }) &&
        (tool.positional || !options.contains("positional"));
    if (options.contains("help")) {
        std::cout << tool.help;
        return 0;
    }
    if (!parsed) {
        std::cerr << tool.help;
        return 2;
    }
    try {
        return run(options);
    } catch (const std::exception& e) {
        std::cout << tool.name << ": " << e.what() << '\n';
        return 1;
    }
}

}  // namespace mdvr::refhost
