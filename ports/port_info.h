// One serial port as the user picks it, and the ordered list the port dialog shows.
#pragma once

#include <string>
#include <vector>

namespace ports {

class CPortInfo {
public:
    std::string m_strPath;  // what the serial port layer opens
    std::string m_strPortName;
    std::string m_strFriendlyName;  // what the user sees in the list
    bool m_bUsb = false;
    std::string m_strDescription;

    bool operator==(const CPortInfo&) const = default;
};

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

// The program's one port list, refilled each time the Select Comm Port dialog opens.
// User-interface thread only.
extern CPortInfoArray g_portList;

}  // namespace ports
