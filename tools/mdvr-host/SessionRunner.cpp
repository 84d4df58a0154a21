#include "tools/mdvr-host/SessionRunner.h"

#include <charconv>
#include <cstdio>
#include <stdexcept>
#include <vector>

#ifdef _WIN32
#include <windows.h>  // MDVR_MSG is the platform's MSG
#endif

namespace mdvr::refhost {
namespace {

constexpr int kMainTemplate = 1000;    // the configuration window
constexpr int kStatusTemplate = 1004;  // its status panel
constexpr int kStatusLogId = 1009;
constexpr int kPageButtonBase = 3000;  // page n is command 3000 + n
constexpr uint32_t kWmClose = 0x0010;

std::string_view Trim(std::string_view s) {
    const size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::string_view NextWord(std::string_view& rest) {
    rest = Trim(rest);
    const size_t end = std::min(rest.find_first_of(" \t"), rest.size());
    std::string_view word = rest.substr(0, end);
    rest = Trim(rest.substr(end));
    return word;
}

int64_t ParseNumber(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    int64_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
        throw std::runtime_error("\"" + std::string(text) + "\" is not a number");
    }
    return value;
}

int ParseInt(std::string_view& rest) {
    return static_cast<int>(ParseNumber(NextWord(rest)));
}

// Reads a text result of the automation, growing the buffer once when it was too small.
template <typename Fn>
std::string ReadText(Fn fn) {
    std::string text(512, '\0');
    size_t length = fn(text.data(), text.size());
    if (length >= text.size()) {
        text.assign(length + 1, '\0');
        length = fn(text.data(), text.size());
    }
    text.resize(std::min(length, text.size()));
    return text;
}

bool Done(bool ok, const char* what, int id) {
    if (!ok)
        throw std::runtime_error(std::string(what) + ": control " + std::to_string(id) +
                                 " cannot be reached (missing, disabled or hidden)");
    return true;
}

// "2024-05-01 08:30:00", "08:30:00" or "08:30" into year, month, day, hour, minute, second.
std::array<int, 6> ParseTime(std::string_view text) {
    std::array<int, 6> f{2000, 1, 1, 0, 0, 0};
    const bool withDate = text.find('-') != std::string_view::npos;
    const std::string s(text);
    const int n = withDate ? std::sscanf(s.c_str(), "%d-%d-%d %d:%d:%d", &f[0], &f[1], &f[2], &f[3],
                                         &f[4], &f[5])
                           : std::sscanf(s.c_str(), "%d:%d:%d", &f[3], &f[4], &f[5]);
    if (n < (withDate ? 5 : 2)) throw std::runtime_error("\"" + s + "\" is not a time");
    return f;
}

}  // namespace

const std::array<SessionRunner::Command, 18> SessionRunner::kCommands{{
    {"device", &SessionRunner::Device},
    {"devtype", &SessionRunner::DevType},
    {"open", &SessionRunner::Open},
    {"page", &SessionRunner::Page},
    {"type", &SessionRunner::Type},
    {"click", &SessionRunner::Click},
    {"select", &SessionRunner::Select},
    {"select-data", &SessionRunner::SelectData},
    {"time", &SessionRunner::Time},
    {"answer", &SessionRunner::Answer},
    {"show", &SessionRunner::Show},
    {"status", &SessionRunner::Status},
    {"offline", &SessionRunner::Offline},
    {"online", &SessionRunner::Online},
    {"targets", &SessionRunner::Targets},
    {"file", &SessionRunner::File},
    {"close", &SessionRunner::Close},
    {"echo", &SessionRunner::Echo},
}};

SessionRunner::SessionRunner(const PluginExports& plugin, CallbackHost& callbacks,
                             TerminalFleet& fleet, DisplayWindow& window, std::ostream& out)
    : m_plugin(plugin), m_callbacks(callbacks), m_fleet(fleet), m_window(window), m_out(out) {}

bool SessionRunner::Run(std::istream& in, const std::string& name) {
    std::string line;
    for (size_t number = 1; std::getline(in, line); ++number) {
        const std::string_view command = Trim(line);
        if (command.empty() || command.front() == '#') continue;
        m_out << "> " << command << '\n';
        try {
            Execute(command);
        } catch (const std::exception& e) {
            m_out << name << ":" << number << ": " << e.what() << '\n';
            return false;
        }
        PrintNewTips();
    }
    return true;
}

bool SessionRunner::Execute(std::string_view line) {
    std::string_view args = line;
    const std::string_view verb = NextWord(args);
    for (const Command& command : kCommands) {
        if (command.verb == verb) return (this->*command.handler)(args);
    }
    throw std::runtime_error("unknown command \"" + std::string(verb) + "\"");
}

const ui::HostBridgeApi& SessionRunner::Automation() const {
    if (!m_open) throw std::runtime_error("the window is not open (use \"open\")");
    const ui::HostBridgeApi* api = m_window.Automation();
    if (api == nullptr) throw std::runtime_error("this platform's window is driven by its user");
    return *api;
}

void SessionRunner::PrintNewTips() {
    const ui::HostBridgeApi* api = m_window.Automation();
    if (api == nullptr) return;
    for (; m_tipsShown < api->msgTipCount(); ++m_tipsShown) {
        std::string tip =
            ReadText([&](char* out, size_t cap) { return api->msgTip(m_tipsShown, out, cap); });
        const bool question = tip.rfind("1\t", 0) == 0;
        m_out << (question ? "[question] " : "[message] ") << tip.substr(tip.find('\t') + 1)
              << '\n';
    }
}

bool SessionRunner::Device(std::string_view args) {
    const int devId = ParseInt(args);
    m_plugin.SetDevID(devId);
    m_callbacks.SetDevice(devId);
    if (m_open) m_plugin.DisplayUpdate();
    return true;
}

bool SessionRunner::DevType(std::string_view args) {
    m_plugin.SetDevType(ParseInt(args));
    if (m_open) m_plugin.DisplayUpdate();
    return true;
}

bool SessionRunner::Open(std::string_view /*args*/) {
    m_plugin.DisplayConfig(m_window.Handle(), 0);
    m_open = true;
    m_window.RunUntilClosed(m_plugin);
#ifndef _WIN32
    if (m_window.Automation() == nullptr) {
        m_open = false;
        throw std::runtime_error("the plug-in did not open its window in the host's window");
    }
#endif
    return true;
}

bool SessionRunner::Page(std::string_view args) {
    const int id = kPageButtonBase + ParseInt(args);
    return Done(Automation().click(id) != 0, "page", id);
}

bool SessionRunner::Type(std::string_view args) {
    const int id = ParseInt(args);
    return Done(Automation().replaceText(id, std::string(args).c_str()) != 0, "type", id);
}

bool SessionRunner::Click(std::string_view args) {
    const int id = ParseInt(args);
    return Done(Automation().click(id) != 0, "click", id);
}

bool SessionRunner::Select(std::string_view args) {
    const int id = ParseInt(args);
    return Done(Automation().selectIndex(id, ParseInt(args)) != 0, "select", id);
}

bool SessionRunner::SelectData(std::string_view args) {
    const int id = ParseInt(args);
    const auto data = static_cast<uint32_t>(ParseNumber(NextWord(args)));
    return Done(Automation().selectByData(id, data) != 0, "select-data", id);
}

bool SessionRunner::Time(std::string_view args) {
    const int id = ParseInt(args);
    const std::array<int, 6> fields = ParseTime(args);
    return Done(Automation().setTime(id, fields.data()) != 0, "time", id);
}

bool SessionRunner::Answer(std::string_view args) {
    if (args != "yes" && args != "no") throw std::runtime_error("answer yes or no");
    Automation().answerNextQuestion(args == "yes" ? 1 : 0);
    return true;
}

bool SessionRunner::Show(std::string_view args) {
    const ui::HostBridgeApi& api = Automation();
    std::vector<int> showing(api.showingDialogs(nullptr, 0));
    showing.resize(api.showingDialogs(showing.data(), showing.size()));
    for (int templateId : showing) {
        if (args != "all" && (templateId == kMainTemplate || templateId == kStatusTemplate))
            continue;
        m_out << ReadText(
            [&](char* out, size_t cap) { return api.describe(templateId, out, cap); });
    }
    return true;
}

bool SessionRunner::Status(std::string_view /*args*/) {
    const ui::HostBridgeApi& api = Automation();
    m_out << ReadText([&](char* out, size_t cap) {
        return api.text(kStatusTemplate, kStatusLogId, out, cap);
    }) << '\n';
    return true;
}

bool SessionRunner::SetOnline(std::string_view args, bool online) {
    const int devId = ParseInt(args);
    TerminalStore& terminal = m_fleet.Terminal(devId);
    terminal.SetOnline(online);
    terminal.Save();
    return true;
}

bool SessionRunner::Offline(std::string_view args) {
    return SetOnline(args, false);
}

bool SessionRunner::Online(std::string_view args) {
    return SetOnline(args, true);
}

bool SessionRunner::Targets(std::string_view args) {
    std::vector<int> devIds;
    while (!args.empty()) devIds.push_back(ParseInt(args));
    m_callbacks.SetTargets(std::move(devIds));
    return true;
}

bool SessionRunner::File(std::string_view args) {
    const int devId = ParseInt(args);
    const TerminalStore onDisk = TerminalStore::Load(m_fleet.FileOf(devId));  // what the disk holds
    if (args.empty()) {
        m_out << onDisk.Serialize();
        return true;
    }
    const auto id = static_cast<uint32_t>(ParseNumber(NextWord(args)));
    const std::string line = onDisk.LineOf(id);
    m_out << (line.empty() ? "(no such parameter)" : line) << '\n';
    return true;
}

bool SessionRunner::Close(std::string_view /*args*/) {
    MDVR_MSG msg{};
    msg.hwnd = static_cast<decltype(msg.hwnd)>(m_window.Handle());
    msg.message = kWmClose;
    m_plugin.DllPreTranslateMessage(&msg);
    m_open = false;
    return true;
}

bool SessionRunner::Echo(std::string_view args) {
    m_out << args << '\n';
    return true;
}

}  // namespace mdvr::refhost
