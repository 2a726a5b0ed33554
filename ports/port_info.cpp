#include "ports/port_info.h"

#include "ports/port_name.h"

namespace ports {

CPortInfoArray g_portList;

void CPortInfoArray::SetSize(int size) {
    if (size <= 0) {
        std::vector<CPortInfo>().swap(m_entries);
        return;
    }
    m_entries.resize(static_cast<size_t>(size));
}

int FindPort(const CPortInfoArray& list, const std::string& path) {
    int found = -1;
    if (path.empty()) {
        return found;
    }
    for (int i = 0; i < list.GetSize(); ++i) {
        // A port remembered by its COM name (\\.\COM5) is the device that the ports class
        // named so, whatever path the device-interface class gives it.
        const std::string& portName = list[i].m_strPortName;
        if (list[i].m_strPath == path || list[i].m_strStableName == path ||
            (!portName.empty() && Win32DevicePath(portName) == path)) {
            found = i;
        }
    }
    return found;
}

void AddPortInUse(CPortInfoArray& list, const std::string& path) {
    if (path.empty() || FindPort(list, path) >= 0) {
        return;
    }
    CPortInfo entry;
    entry.m_strPath = path;
    entry.m_strFriendlyName = path;
    entry.m_strDescription = path;
    list.Add(entry);
}

std::string UsbIdText(const platform::SUsbIdentity& usb) {
    if (usb.strVendorId.empty() || usb.strProductId.empty()) {
        return {};
    }
    return usb.strVendorId + ':' + usb.strProductId;
}

std::string UsbIdentityText(const platform::SUsbIdentity& usb, const std::string& separator) {
    std::string text;
    for (const std::string& part : {UsbIdText(usb), usb.strManufacturer, usb.strSerialNumber}) {
        if (!part.empty()) {
            text += (text.empty() ? "" : separator) + part;
        }
    }
    return text;
}

}  // namespace ports
