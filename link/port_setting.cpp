#include "link/port_setting.h"

#include "res/strings.h"

namespace devlink {

void CPortSetting::Start(const std::string& remembered,
                         std::optional<std::string> commandLinePort) {
    m_strRemembered = remembered;
    m_strCommandLinePort = std::move(commandLinePort);
    m_strPortPath = m_strCommandLinePort.value_or(remembered);
    m_strRememberAs = m_strPortPath;
    m_bPortChosen = false;
    Changed();
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
    const bool bOpened = OpenOn(m_strPortPath);
    if (!bOpened) {
        m_strRememberAs.clear();
    }
    Changed();
    return bOpened;
}

bool CPortSetting::Choose(const std::string& path, const std::string& stableName) {
    m_bPortChosen = true;
    const bool bOpened = OpenOn(path);
    m_strRememberAs = !bOpened ? std::string() : stableName.empty() ? path : stableName;
    Changed();
    return bOpened;
}

void CPortSetting::Close() {
    m_link.Close();
    Changed();
}

ELineState CPortSetting::LineState() const {
    if (m_strPortPath.empty()) {
        return ELineState::kNoPort;
    }
    if (!m_link.IsOpen()) {
        return ELineState::kClosed;
    }
    return m_link.IsLineLost() ? ELineState::kLost : ELineState::kOpen;
}

std::string CPortSetting::PathToRemember() const {
    if (m_strCommandLinePort && !m_bPortChosen) {
        return m_strRemembered;
    }
    return m_strRememberAs;
}

void CPortSetting::Changed() {
    if (m_fnChanged) {
        m_fnChanged();
    }
}

std::string LineStateText(ELineState state, const std::string& portPath) {
    const char* word = nullptr;
    switch (state) {
        case ELineState::kNoPort:
            return res::kLineNoPort;
        case ELineState::kOpen:
            word = res::kLineOpen;
            break;
        case ELineState::kClosed:
            word = res::kLineClosed;
            break;
        case ELineState::kLost:
            word = res::kLineGone;
            break;
    }
    // The pattern's two places are found before filling: a path may hold "%s" itself.
    const std::string pattern = res::kLinePortState;
    const size_t first = pattern.find("%s");
    const size_t second = pattern.find("%s", first + 2);
    return pattern.substr(0, first) + portPath + pattern.substr(first + 2, second - first - 2) +
           word + pattern.substr(second + 2);
}

}  // namespace devlink
