#include "link/port_setting.h"

namespace devlink {

void CPortSetting::Start(const std::string& remembered,
                         std::optional<std::string> commandLinePort) {
    m_strRemembered = remembered;
    m_strCommandLinePort = std::move(commandLinePort);
    m_strPortPath = m_strCommandLinePort.value_or(remembered);
    m_bPortChosen = false;
}

bool CPortSetting::OpenOn(const std::string& path) {
    m_link.Close();
    m_link.SetPortPath(path);
    m_strPortPath = m_link.Open() ? path : std::string();
    return !m_strPortPath.empty();
}

bool CPortSetting::OpenAtStart() {
    if (m_strPortPath.empty()) {
        return false;
    }
    return OpenOn(m_strPortPath);
}

bool CPortSetting::Choose(const std::string& path) {
    m_bPortChosen = true;
    return OpenOn(path);
}

void CPortSetting::Close() {
    m_link.Close();
}

std::string CPortSetting::PathToRemember() const {
    if (m_strCommandLinePort && !m_bPortChosen) {
        return m_strRemembered;
    }
    return m_strPortPath;
}

}  // namespace devlink
