#pragma once
// The command lines of the reference tools: "--name value" pairs, "--help", and at most one
// positional argument (kept under "positional").
#include <map>
#include <set>
#include <string>

namespace mdvr::refhost {

using Options = std::map<std::string, std::string>;

// False for an unknown option, a missing value or a second positional argument.
bool ParseCommandLine(int argc, char** argv, const std::set<std::string>& valueOptions,
                      Options& options);

// The option's number, or fallback when it is absent; throws std::invalid_argument naming the
// option when its value is not a number.
int NumberOption(const Options& options, const std::string& name, int fallback);

}  // namespace mdvr::refhost
