#pragma once
// Where the host installation keeps its files (theme folders, settings): by default the
// plug-in's own directory redirected by "AppPath.INI" beside it, else the host executable's
// directory. A host or test may set the environment variable MDVR_APP_PATH before the first
// use to name the directory outright.
#include <string>
#include <string_view>

namespace mdvr {

// Resolves "." and "..", accepts both '\' and '/' as separators, and gives the platform's
// separator with a trailing one. ".." never climbs above a root ("/", "C:\", "\\server\share").
// Empty input gives empty output.
std::wstring NormalizeDirectory(std::wstring_view path);

// The application-path rule as a pure function of the plug-in's and the executable's
// directories (each with a trailing separator): SRC_TYPE != 0 in section APPPATH of
// moduleDir + "AppPath.INI" selects moduleDir + APPEND (or moduleDir when APPEND is empty);
// otherwise, or when that is empty, exeDir.
std::wstring ResolveAppPath(const std::wstring& moduleDir, const std::wstring& exeDir);

// Directory of the module holding this code (the plug-in, or a test executable linking it
// statically), long form, with a trailing separator.
std::wstring ModuleDirectory();
// Directory of the host executable, with a trailing separator.
std::wstring ExecutableDirectory();

// The application path, computed on first use and kept for the life of the module.
const std::wstring& GetAppPath();

}  // namespace mdvr
