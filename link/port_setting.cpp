#include "link/port_setting.h"

namespace devlink {

void CPortSetting::Start(const std::string& remembered,
                         std::optional<std::string> commandLinePort) {
    m_strRemembered = remembered;
    m_strCommandLinePort = std::move(commandLinePort);
    m_strPortPath = m_strCommandLinePort.value_or(remembered);
    m_bPortChosen = false;
}

bool CPortSetting::OpenOn(const std::string& path, std::uintptr_t ownerWnd) {
    m_link.Close();
    m_link.SetPortPath(path);
    m_link.m_hOwnerWnd = ownerWnd;
    m_strPortPath = m_link.Open() ? path : std::string();
    return !m_strPortPath.empty();
}

bool CPortSetting::OpenAtStart(std::uintptr_t ownerWnd) {
    if (m_strPortPath.empty()) {
        return false;
    }
    return OpenOn(m_strPortPath, ownerWnd);
}

bool CPortSetting::Choose(const std::string& path, std::uintptr_t ownerWnd) {
    m_bPortChosen = true;
    return OpenOn(path, ownerWnd);
}

void CPortSetting::Close() {
    m_link.Close();
    m_link.m_hOwnerWnd = 0;
}

std::string CPortSetting::PathToRemember() const {
    if (m_strCommandLinePort && !m_bPortChosen) {
        return m_strRemembered;
    }
    return m_strPortPath;
}

}  // namespace devlink
