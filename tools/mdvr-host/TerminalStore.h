#pragma once
// One simulated terminal: its parameter set kept in a readable text file, in a stable order.
//
//   # comments and blank lines are kept as they are
//   online yes                 (the header: "online no" makes every request fail)
//   0x0001 u32 60              (ID, type u8/u16/u32/text/hex, value)
//   0x0083 text 粤B12345        (UTF-8 in the file, ANSI-charset bytes on the wire)
//   0xF364 hex 01 02 03
//
// The order is the file's; IDs a save adds are appended. Saves replace the file atomically.
#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "tools/mdvr-host/ParamValue.h"

namespace mdvr::refhost {

// A file this store cannot read; the message names the file and the line.
class TerminalFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct StoredParam {
    uint32_t id = 0;
    ParamType type = ParamType::Hex;
    Bytes value;
};

class TerminalStore {
  public:
    // Throws TerminalFileError for a missing or malformed file.
    static TerminalStore Load(const std::filesystem::path& file);
    // name: what error messages call the content.
    static TerminalStore Parse(std::string_view content, const std::string& name);

    const std::filesystem::path& File() const { return m_file; }
    bool Online() const { return m_online; }
    void SetOnline(bool online) { m_online = online; }
    const std::vector<StoredParam>& Params() const { return m_params; }
    const StoredParam* Find(uint32_t id) const;

    // A TerminalParamList of every parameter written into out; its length, or nullopt when it
    // does not fit out or the count byte.
    std::optional<uint32_t> AnswerAll(std::span<uint8_t> out) const;
    // The list of the queried IDs that the terminal has, in query order, each once.
    std::optional<uint32_t> AnswerQuery(std::span<const uint8_t> query, size_t length,
                                        std::span<uint8_t> out) const;
    // The list of every parameter (query nullopt) or of the queried ones, as a host sends it;
    // nullopt when it does not fit a list.
    std::optional<Bytes> AnswerList(const std::optional<Bytes>& query) const;
    // Merges a received list: a new value replaces the old, IDs not in it are kept, new IDs are
    // appended. A list that is cut short changes nothing and gives false.
    bool Apply(std::span<const uint8_t> list, size_t length);

    std::string Serialize() const;
    std::string LineOf(uint32_t id) const;  // the file line of that parameter; empty if none
    // Writes the file atomically; throws std::runtime_error naming the file when it cannot.
    void Save() const;
    // Apply, then Save; the store changes only once its file did. False for a list cut short;
    // throws like Save.
    bool ApplyAndSave(std::span<const uint8_t> list);

  private:
    struct Line {
        std::string text;  // comments and blank lines, verbatim
        int param = -1;    // index into m_params for a parameter line
        bool header = false;
    };

    void ParseLine(std::string_view line, size_t number, const std::string& name);
    void AddParam(StoredParam param);
    void Merge(uint32_t id, std::span<const uint8_t> value);
    std::optional<uint32_t> Answer(const std::vector<const StoredParam*>& params,
                                   std::span<uint8_t> out) const;

    std::filesystem::path m_file;
    bool m_online = true;
    bool m_hasHeader = false;
    std::vector<StoredParam> m_params;
    std::vector<Line> m_lines;
};

}  // namespace mdvr::refhost
