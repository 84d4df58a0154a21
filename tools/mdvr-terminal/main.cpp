// mdvr-terminal: the terminal side of the JT/T 808 configuration link, serving one terminal
// file. --help lists the options.
#include <iostream>

#include "text/CodePage.h"
#include "tools/mdvr-host/CommandLine.h"
#include "tools/mdvr-terminal/TerminalFile.h"

namespace fs = std::filesystem;
using namespace mdvr::refhost;
using mdvr::jt808::TerminalSide;

namespace {

constexpr char kHelp[] = R"(usage: mdvr-terminal --connect ADDR:PORT --file FILE [options]

Connects to a JT/T 808 platform (mdvr-host --listen), registers, authenticates, sends
heartbeats and serves the terminal file: parameter queries (0x8104, 0x8106) are answered with
0x0104, split into sub-packets past --chunk bytes; a setting (0x8103) is written to the file
atomically and confirmed with 0x0001. Runs until the platform closes the connection.

options (default in brackets):
  --connect ADDR:PORT  the platform [required]
  --file FILE          the terminal file, in the reference host's format [required]
  --phone DIGITS       the terminal's phone number [the file's name without .terminal]
  --version 2013|2019  header version [2013]
  --heartbeat S        seconds between heartbeats [30]
  --chunk BYTES        longest reply body before it is split, 1 to 1023 [1000]
  --fault KIND         for tests: none, drop (replies are not sent), corrupt (replies carry a
                       wrong check code), disconnect (the connection drops mid reply), lose
                       (a reply in sub-packets lacks its last packet) [none]
  --delay MS           wait before each reply [0]
  --help               this text

exit codes: 0 the platform closed the connection, 1 the file, the connection or the
registration failed, 2 bad arguments.
)";

const std::set<std::string> kValueOptions = {"connect", "file",  "phone", "version",
                                             "heartbeat", "chunk", "fault", "delay"};

const std::map<std::string, TerminalSide::Fault> kFaults = {
    {"none", TerminalSide::Fault::None},
    {"drop", TerminalSide::Fault::Drop},
    {"corrupt", TerminalSide::Fault::Corrupt},
    {"disconnect", TerminalSide::Fault::DisconnectMidReply},
    {"lose", TerminalSide::Fault::LosePacket},
};

TerminalSide::Options SideOptions(const Options& options, const fs::path& file) {
    TerminalSide::Options side;
    side.phone = options.contains("phone") ? options.at("phone") : file.stem().string();
    const int version = NumberOption(options, "version", 2013);
    if (version != 2013 && version != 2019) throw std::invalid_argument("--version 2013|2019");
    side.version = version == 2019 ? mdvr::jt808::Version::V2019 : mdvr::jt808::Version::V2013;
    side.heartbeat = std::chrono::seconds(NumberOption(options, "heartbeat", 30));
    side.chunk = static_cast<size_t>(NumberOption(options, "chunk", 1000));
    side.delay = std::chrono::milliseconds(NumberOption(options, "delay", 0));
    const auto fault = kFaults.find(options.contains("fault") ? options.at("fault") : "none");
    if (fault == kFaults.end()) {
        throw std::invalid_argument("--fault none|drop|corrupt|disconnect|lose");
    }
    side.fault = fault->second;
    side.log = &std::cout;
    return side;
}

int Run(Options& options) {
    const fs::path file = options.at("file");
    mdvr::SetAnsiCharset(kWireCharset);  // text parameters travel in it
    TerminalStore store = TerminalStore::Load(file);
    asio::io_context io;
    TerminalSide terminal(io, SideOptions(options, file), ServeFile(store));
    bool everAuthenticated = false;
    terminal.OnStateChange([&] { everAuthenticated |= terminal.Authenticated(); });
    terminal.Connect(mdvr::jt808::ParseEndpoint(options.at("connect")));
    io.run();  // until the connection is gone
    return everAuthenticated ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const ToolInfo tool{"mdvr-terminal", kHelp, kValueOptions, {"connect", "file"}, false};
    return RunTool(argc, argv, tool, Run);
}
