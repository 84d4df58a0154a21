#include "tools/mdvr-host/TerminalStore.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

#include "protocol/ParamListReader.h"
#include "protocol/QueryListReader.h"
#include "tools/mdvr-host/AtomicFile.h"

namespace mdvr::refhost {
namespace {

constexpr std::string_view kHeaderKey = "online";
constexpr size_t kLongestList = 1 + kMaxListItems * (5 + 255);

std::string_view Trim(std::string_view s) {
    const size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// Splits off the first blank-separated word.
std::string_view NextWord(std::string_view& rest) {
    rest = rest.substr(std::min(rest.find_first_not_of(" \t"), rest.size()));
    const size_t end = std::min(rest.find_first_of(" \t"), rest.size());
    std::string_view word = rest.substr(0, end);
    rest = rest.substr(std::min(end + 1, rest.size()));  // one separator: texts keep their blanks
    return word;
}

std::optional<uint32_t> ParseId(std::string_view text) {
    if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) return {};
    uint32_t id = 0;
    auto [end, ec] = std::from_chars(text.data() + 2, text.data() + text.size(), id, 16);
    if (ec != std::errc() || end != text.data() + text.size()) return {};
    return id;
}

std::string FormatId(uint32_t id) {
    char text[16];
    const int width = id > 0xFFFF ? 8 : 4;
    std::snprintf(text, sizeof text, "0x%0*X", width, id);
    return text;
}

std::string ParamLine(const StoredParam& p) {
    std::string line = FormatId(p.id) + ' ' + std::string(TypeName(p.type));
    std::string value = FormatValue(p.type, p.value).value_or(std::string());
    return value.empty() ? line : line + ' ' + value;
}

std::string HeaderLine(bool online) {
    return std::string(kHeaderKey) + (online ? " yes" : " no");
}

[[noreturn]] void Fail(const std::string& name, size_t line, const std::string& what) {
    std::string message = name;  // appended piece by piece: gcc 12 misjudges chained + (-Wrestrict)
    message.append(":").append(std::to_string(line)).append(": ").append(what);
    throw TerminalFileError(message);
}

// "\"text\" rest", built by appending for the same reason.
std::string Quoted(std::string_view text, std::string_view rest) {
    std::string quoted = "\"";
    quoted.append(text).append("\"").append(rest);
    return quoted;
}

}  // namespace

TerminalStore TerminalStore::Load(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw TerminalFileError(file.string() + ": cannot open the terminal file");
    std::ostringstream content;
    content << in.rdbuf();
    TerminalStore store = Parse(content.str(), file.string());
    store.m_file = file;
    return store;
}

TerminalStore TerminalStore::Parse(std::string_view content, const std::string& name) {
    TerminalStore store;
    size_t number = 0;
    while (!content.empty()) {
        const size_t end = std::min(content.find('\n'), content.size());
        store.ParseLine(content.substr(0, end), ++number, name);
        content.remove_prefix(std::min(end + 1, content.size()));
    }
    if (!store.m_hasHeader) Fail(name, number, "no \"online yes|no\" header line");
    return store;
}

void TerminalStore::ParseLine(std::string_view line, size_t number, const std::string& name) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == '#') {
        m_lines.push_back({std::string(line)});
        return;
    }
    std::string_view rest = trimmed;
    std::string_view first = NextWord(rest);
    if (!m_hasHeader) {
        if (first != kHeaderKey || (rest != "yes" && rest != "no")) {
            Fail(name, number, "expected the header \"online yes\" or \"online no\"");
        }
        m_online = rest == "yes";
        m_hasHeader = true;
        m_lines.push_back({{}, -1, true});
        return;
    }
    std::optional<uint32_t> id = ParseId(first);
    if (!id) Fail(name, number, Quoted(first, " is not a parameter ID like 0x0001"));
    if (Find(*id) != nullptr) Fail(name, number, "parameter " + FormatId(*id) + " appears twice");
    std::string_view typeName = NextWord(rest);
    std::optional<ParamType> type = ParseTypeName(typeName);
    if (!type) Fail(name, number, "unknown type " + Quoted(typeName, " (u8 u16 u32 text hex)"));
    std::optional<Bytes> value = ParseValue(*type, rest);
    if (!value) Fail(name, number, Quoted(rest, " is not a valid ").append(typeName));
    AddParam({*id, *type, std::move(*value)});
}

void TerminalStore::AddParam(StoredParam param) {
    m_lines.push_back({{}, static_cast<int>(m_params.size())});
    m_params.push_back(std::move(param));
}

const StoredParam* TerminalStore::Find(uint32_t id) const {
    auto it = std::find_if(m_params.begin(), m_params.end(),
                           [id](const StoredParam& p) { return p.id == id; });
    return it != m_params.end() ? &*it : nullptr;
}

std::optional<uint32_t> TerminalStore::AnswerAll(std::span<uint8_t> out) const {
    std::vector<const StoredParam*> all;
    for (const StoredParam& p : m_params) all.push_back(&p);
    return Answer(all, out);
}

std::optional<uint32_t> TerminalStore::AnswerQuery(std::span<const uint8_t> query, size_t length,
                                                   std::span<uint8_t> out) const {
    std::vector<const StoredParam*> asked;
    QueryListReader reader(query, length);
    for (uint32_t id = 0; reader.Next(id);) {
        const StoredParam* p = Find(id);
        if (p != nullptr && std::find(asked.begin(), asked.end(), p) == asked.end()) {
            asked.push_back(p);
        }
    }
    return Answer(asked, out);
}

std::optional<uint32_t> TerminalStore::Answer(const std::vector<const StoredParam*>& params,
                                              std::span<uint8_t> out) const {
    if (out.empty() || params.size() > kMaxListItems) return {};
    uint32_t pos = 1;
    for (const StoredParam* p : params) {
        if (!WriteParamItem(out, pos, p->id, p->value)) return {};
    }
    out[0] = static_cast<uint8_t>(params.size());
    return pos;
}

std::optional<Bytes> TerminalStore::AnswerList(const std::optional<Bytes>& query) const {
    Bytes list(kLongestList);
    const std::optional<uint32_t> length =
        query ? AnswerQuery(*query, query->size(), list) : AnswerAll(list);
    if (!length) return std::nullopt;
    list.resize(*length);
    return list;
}

bool TerminalStore::Apply(std::span<const uint8_t> list, size_t length) {
    if (length == 0 || length > list.size()) return false;
    std::vector<ParamItem> items;
    ParamListReader reader(list, length);
    for (ParamItem item; reader.Next(item);) items.push_back(item);
    if (reader.Truncated() || items.size() != reader.DeclaredCount()) return false;
    for (const ParamItem& item : items) Merge(item.id, item.value);
    return true;
}

void TerminalStore::Merge(uint32_t id, std::span<const uint8_t> value) {
    auto it = std::find_if(m_params.begin(), m_params.end(),
                           [id](const StoredParam& p) { return p.id == id; });
    if (it == m_params.end()) {
        AddParam({id, GuessType(value), Bytes(value.begin(), value.end())});
        return;
    }
    // A value the old type cannot write (another width) keeps its bytes under a fitting type.
    const bool fits = it->type == ParamType::Text ? RoundTripsAsText(value) || value.empty()
                                                  : FormatValue(it->type, value).has_value();
    if (!fits) it->type = GuessType(value);
    it->value.assign(value.begin(), value.end());
}

std::string TerminalStore::Serialize() const {
    std::string text;
    for (const Line& line : m_lines) {
        if (line.header) {
            text += HeaderLine(m_online);
        } else if (line.param >= 0) {
            text += ParamLine(m_params[static_cast<size_t>(line.param)]);
        } else {
            text += line.text;
        }
        text += '\n';
    }
    return text;
}

std::string TerminalStore::LineOf(uint32_t id) const {
    const StoredParam* p = Find(id);
    return p != nullptr ? ParamLine(*p) : std::string();
}

void TerminalStore::Save() const {
    WriteFileAtomically(m_file, Serialize());
}

bool TerminalStore::ApplyAndSave(std::span<const uint8_t> list) {
    TerminalStore updated = *this;
    if (!updated.Apply(list, list.size())) return false;
    updated.Save();
    *this = std::move(updated);
    return true;
}

}  // namespace mdvr::refhost
