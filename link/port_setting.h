// The serial port the program uses: the path of the port in use, the link that is opened on it,
// and what the next start is given. Every change of the port path goes through here, so the rules
// of what is remembered hold in one place:
// - a remembered port is opened at start; when it fails, nothing is remembered any more;
// - a port the user confirms replaces it; it is remembered only when it opened;
// - a port named on the command line is for this run only: unless the user chose a port since
//   (even one that then failed, which leaves nothing to remember), the remembered value stays.
//
// Threads: user-interface thread only, like the link's Open and Close.
#pragma once

#include <optional>
#include <string>

#include "link/device_link.h"

namespace devlink {

class CPortSetting {
public:
    explicit CPortSetting(CDeviceLink& link) : m_link(link) {}
    CPortSetting(const CPortSetting&) = delete;
    CPortSetting& operator=(const CPortSetting&) = delete;

    // The value the previous run left, and a port named on the command line for this run.
    void Start(const std::string& remembered, std::optional<std::string> commandLinePort);
    // Opens the port of this start, if there is one. The serial layer has told the user why it
    // failed; the path is then dropped, so the next start does not try it again.
    bool OpenAtStart();
    // The user confirmed a port: the link is closed and opened on it.
    bool Choose(const std::string& path);
    // Closes the link at the end of the run; the reader thread has ended when this returns.
    void Close();

    // The path of the port in use ("" when none).
    const std::string& PortPath() const { return m_strPortPath; }
    // What is written for the next start.
    std::string PathToRemember() const;
    CDeviceLink& Link() { return m_link; }

private:
    bool OpenOn(const std::string& path);

    CDeviceLink& m_link;
    std::string m_strPortPath;
    std::string m_strRemembered;
    std::optional<std::string> m_strCommandLinePort;
    bool m_bPortChosen = false;
};

}  // namespace devlink
