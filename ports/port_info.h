// One serial port as the user picks it, and the ordered list the port dialog shows.
#pragma once

#include <string>
#include <vector>

#include "platform/port_system.h"

namespace ports {

class CPortInfo {
public:
    std::string m_strPath;  // what the serial port layer opens
    std::string m_strPortName;
    std::string m_strFriendlyName;  // what the user sees in the list
    bool m_bUsb = false;
    std::string m_strDescription;
    // The name that finds the same adapter after a replug (/dev/serial/by-id/...), "" when the
    // system keeps none. Opening it opens m_strPath's device.
    std::string m_strStableName;
    // What a USB adapter says of itself, where the system tells it.
    platform::SUsbIdentity m_usb{};

    bool operator==(const CPortInfo&) const = default;
};

// "0403:6001" for a USB adapter whose ids the system gave, else "".
std::string UsbIdText(const platform::SUsbIdentity& usb);
// The ids, the manufacturer and the serial number that an adapter has, in that order, joined by
// separator; "" when it has none.
std::string UsbIdentityText(const platform::SUsbIdentity& usb, const std::string& separator);

class CPortInfoArray {
public:
    // Size 0 also gives the storage back, so a long list from an earlier run does not linger.
    void SetSize(int size);
    int GetSize() const { return static_cast<int>(m_entries.size()); }
    CPortInfo& operator[](int index) { return m_entries.at(static_cast<size_t>(index)); }
    const CPortInfo& operator[](int index) const {
        return m_entries.at(static_cast<size_t>(index));
    }
    void Add(const CPortInfo& entry) { m_entries.push_back(entry); }

    auto begin() const { return m_entries.begin(); }
    auto end() const { return m_entries.end(); }

private:
    std::vector<CPortInfo> m_entries;
};

// The index of the last entry that a port path names, by its device path, its stable name or
// the device path of its port name (\\.\COM5), so that a port remembered under any of them is
// found; -1 when none does.
int FindPort(const CPortInfoArray& list, const std::string& path);

// Lists the port the link is open on when the system did not report it (a pseudo-terminal, a
// path given on the command line), so that the list always holds the port in use. The path
// stands for its own name.
void AddPortInUse(CPortInfoArray& list, const std::string& path);

// The program's one port list, refilled each time the Select Comm Port dialog opens.
// User-interface thread only.
extern CPortInfoArray g_portList;

}  // namespace ports
