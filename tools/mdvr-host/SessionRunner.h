#pragma once
// Runs a scripted session against the plug-in: one command per line, "#" starts a comment.
//
//   device 1001         choose the device (MDVR_SetDevID; the window refreshes when open)
//   devtype 3           MDVR_SetDevType
//   open                MDVR_DisplayConfig in the host's window
//   page 5              press a page button
//   type 4360 120       replace an edit's text by typing
//   click 1003          press a button or check box
//   select 4400 2       pick a drop-down entry by position; select-data by its item data
//   time 4500 08:30:00  set a time picker (or "2024-05-01 08:30:00")
//   answer yes|no       answer the next question the window asks
//   show [all]          print the page (all: every showing dialog)
//   status              print the status log
//   offline 1001 / online 1001   take a terminal off the network or back
//   targets 1001 2002   the devices a multi-device save goes to
//   file 1001 [0x0001]  print a terminal's file (or the line of one parameter)
//   close               WM_CLOSE through MDVR_DllPreTranslateMessage
//
// Every command is echoed with "> "; message tips the window shows are printed as they come.
#include <array>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "tools/mdvr-host/CallbackHost.h"
#include "tools/mdvr-host/DisplayWindow.h"
#include "tools/mdvr-host/TerminalFleet.h"

namespace mdvr::refhost {

class SessionRunner {
  public:
    SessionRunner(const PluginExports& plugin, CallbackHost& callbacks, TerminalFleet& fleet,
                  DisplayWindow& window, std::ostream& out);

    // Runs until the input ends or a command fails (the failure is printed with the script's
    // name and line); true when every command succeeded.
    bool Run(std::istream& in, const std::string& name);

  private:
    using Handler = bool (SessionRunner::*)(std::string_view args);
    struct Command {
        std::string_view verb;
        Handler handler;
    };
    static const std::array<Command, 18> kCommands;

    bool Execute(std::string_view line);
    const ui::HostBridgeApi& Automation() const;  // throws when the window is not open
    void PrintNewTips();

    bool Device(std::string_view args);
    bool DevType(std::string_view args);
    bool Open(std::string_view args);
    bool Page(std::string_view args);
    bool Type(std::string_view args);
    bool Click(std::string_view args);
    bool Select(std::string_view args);
    bool SelectData(std::string_view args);
    bool Time(std::string_view args);
    bool Answer(std::string_view args);
    bool Show(std::string_view args);
    bool Status(std::string_view args);
    bool Offline(std::string_view args);
    bool Online(std::string_view args);
    bool Targets(std::string_view args);
    bool File(std::string_view args);
    bool Close(std::string_view args);
    bool Echo(std::string_view args);
    bool SetOnline(std::string_view args, bool online);

    const PluginExports& m_plugin;
    CallbackHost& m_callbacks;
    TerminalFleet& m_fleet;
    DisplayWindow& m_window;
    std::ostream& m_out;
    bool m_open = false;
    size_t m_tipsShown = 0;
};

}  // namespace mdvr::refhost
