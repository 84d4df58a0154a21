#pragma once
// The command lines of the reference tools: "--name value" pairs, "--help", and at most one
// positional argument (kept under "positional").
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace mdvr::refhost {

using Options = std::map<std::string, std::string>;

// False for an unknown option, a missing value or a second positional argument.
bool ParseCommandLine(int argc, char** argv, const std::set<std::string>& valueOptions,
                      Options& options);

// The option's number, or fallback when it is absent; throws std::invalid_argument naming the
// option when its value is not a number.
int NumberOption(const Options& options, const std::string& name, int fallback);

struct ToolInfo {
    const char* name;  // for error lines
    const char* help;
    std::set<std::string> valueOptions;
    std::vector<std::string> required;
    bool positional = false;  // whether one positional argument is allowed
};

// A tool's main: --help prints the help and gives 0; bad arguments print it to stderr and give
// 2; otherwise run's exit code, or 1 with a line naming the tool when it throws.
int RunTool(int argc, char** argv, const ToolInfo& tool, const std::function<int(Options&)>& run);

}  // namespace mdvr::refhost
