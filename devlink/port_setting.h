// The serial port the program uses: the path of the port in use, the link that is opened on it,
// and what the next start is given. Every change of the port path goes through here, so the rules
// of what is remembered hold in one place:
// - a remembered port is opened at start; one that is not there or that another program holds
//   stays the port in use and remembered, without a message box (the status bar says it), and
//   the next device command tries it again; when it fails otherwise, nothing is remembered;
// - a device command opens the port in use again when it is not open or its line was lost;
// - a port the user confirms replaces it; it is remembered only when it opened, and under its
//   stable name when it has one, so that an adapter that comes back under another device node
//   after a replug is still found (a device node remembered by an older run works as before);
// - a port named on the command line is for this run only: unless the user chose a port since
//   (even one that then failed, which leaves nothing to remember), the remembered value stays.
//
// Threads: user-interface thread only, like the link's Open and Close.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "devlink/device_link.h"

namespace devlink {

// What the user is told about the line. Windows show it by asking LineState, never the link
// itself, so that a new state needs a value here and a text in LineStateText, nothing more.
enum class ELineState {
    kNoPort,   // no port in use
    kOpen,     // the port in use is open
    kClosed,   // a port is in use but the line is closed (at the end of the run)
    kLost,     // the port in use has gone away (an adapter pulled out) until it is opened again
    kMissing,  // the port in use was not there when it was last opened
    kBusy,     // another program held the port in use when it was last opened
};

class CPortSetting {
public:
    explicit CPortSetting(CDeviceLink& link) : m_link(link) {}
    CPortSetting(const CPortSetting&) = delete;
    CPortSetting& operator=(const CPortSetting&) = delete;

    // The value the previous run left, and a port named on the command line for this run.
    void Start(const std::string& remembered, std::optional<std::string> commandLinePort);
    // A port named on the command line: used in this run, not remembered for the next.
    void UseForThisRun(const std::string& port);
    // Opens the port of this start, if there is one. A port not there or held by another program
    // is kept for later, and nobody is told but the status bar (LineState); any other failure the
    // serial layer has told the user of, and the path is then dropped, so the next start does not
    // try it again.
    bool OpenAtStart();
    // A device command is about to use the port in use: a port that is not open (it was not
    // there, or busy) or whose line was lost is opened again first; the serial layer tells the
    // user why when that fails. True when the link is open on a line not lost.
    bool OpenForUse();
    // The user confirmed a port: the link is closed and opened on path. stableName is the name
    // that finds the same device again ("" when it has none); it is what is remembered.
    bool Choose(const std::string& path, const std::string& stableName);
    // Closes the link at the end of the run; the reader thread has ended when this returns.
    void Close();
    // The user-interface thread has heard that the line went away: the state shown changes.
    void OnLineLost() { Changed(); }

    // The path of the port in use ("" when none).
    const std::string& PortPath() const { return m_strPortPath; }
    ELineState LineState() const;
    // What is written for the next start.
    std::string PathToRemember() const;

    // Called after every change of the port in use or of its line; one listener.
    void SetChangeHandler(std::function<void()> handler) { m_fnChanged = std::move(handler); }

private:
    bool OpenOn(const std::string& path);
    // The last open failed without a message box: the port is to be tried again later.
    bool AbsentOrBusy() const;
    void Changed();

    CDeviceLink& m_link;
    std::string m_strPortPath;
    // What the next start is given: the port in use by its stable name (or its path), or, while
    // a port from the command line is in use, what the previous run left.
    std::string m_strRememberAs;
    bool m_bCommandLinePort = false;
    std::function<void()> m_fnChanged;
};

// The status bar's words for the line: "No port", or the port's path and its state.
std::string LineStateText(ELineState state, const std::string& portPath);
// The status bar's sentence for a port that did not open at start without a message box (not
// there, or busy); empty for any other state.
std::string PortAtStartText(ELineState state, const std::string& portPath);

}  // namespace devlink
