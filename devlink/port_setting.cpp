#include "devlink/port_setting.h"

#include "platform/text_format.h"
#include "res/strings_link.h"

namespace devlink {

void CPortSetting::Start(const std::string& remembered,
                         std::optional<std::string> commandLinePort) {
    m_strPortPath = remembered;
    m_strRememberAs = remembered;
    m_bCommandLinePort = false;
    if (commandLinePort) {
        UseForThisRun(*commandLinePort);
    }
    Changed();
}

void CPortSetting::UseForThisRun(const std::string& port) {
    m_strPortPath = port;
    m_bCommandLinePort = true;
    Changed();
}

bool CPortSetting::OpenOn(const std::string& path) {
    m_link.Close();
    m_link.SetPortPath(path);
    m_strPortPath = m_link.Open() ? path : std::string();
    return !m_strPortPath.empty();
}

bool CPortSetting::AbsentOrBusy() const {
    const auto failure = m_link.LastOpenFailure();
    return failure == platform::EOpenFailure::kNotFound ||
           failure == platform::EOpenFailure::kInUse;
}

bool CPortSetting::OpenAtStart() {
    if (m_strPortPath.empty()) {
        return false;
    }
    m_link.Close();
    m_link.SetPortPath(m_strPortPath);
    const bool bOpened = m_link.OpenQuietly();
    if (!bOpened && !AbsentOrBusy()) {
        m_strPortPath.clear();
        if (!m_bCommandLinePort) {
            m_strRememberAs.clear();
        }
    }
    Changed();
    return bOpened;
}

bool CPortSetting::OpenForUse() {
    if (m_strPortPath.empty()) {
        return false;
    }
    if (m_link.IsOpen() && !m_link.IsLineLost()) {
        return true;
    }
    // The port stays the one in use whatever happens: the user chose it, and may plug it in.
    m_link.Close();
    m_link.SetPortPath(m_strPortPath);
    const bool bOpened = m_link.Open();
    Changed();
    return bOpened;
}

bool CPortSetting::Choose(const std::string& path, const std::string& stableName) {
    // The user's choice, even one that fails, decides what the next start gets.
    m_bCommandLinePort = false;
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
        const auto failure = m_link.LastOpenFailure();
        return failure == platform::EOpenFailure::kNotFound ? ELineState::kMissing
               : failure == platform::EOpenFailure::kInUse  ? ELineState::kBusy
                                                            : ELineState::kClosed;
    }
    return m_link.IsLineLost() ? ELineState::kLost : ELineState::kOpen;
}

std::string CPortSetting::PathToRemember() const {
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
            return res::Tr(res::kLineNoPort);
        case ELineState::kOpen:
            word = res::Tr(res::kLineOpen);
            break;
        case ELineState::kClosed:
            word = res::Tr(res::kLineClosed);
            break;
        case ELineState::kLost:
            word = res::Tr(res::kLineGone);
            break;
        case ELineState::kMissing:
            word = res::Tr(res::kLineMissing);
            break;
        case ELineState::kBusy:
            word = res::Tr(res::kLineBusy);
            break;
    }
    return platform::FormatText(res::Tr(res::kLinePortState), portPath.c_str(), word);
}

std::string PortAtStartText(ELineState state, const std::string& portPath) {
    if (state != ELineState::kMissing && state != ELineState::kBusy) {
        return {};
    }
    return platform::FormatText(state == ELineState::kMissing ? res::Tr(res::kPortMissingAtStart)
                                                              : res::Tr(res::kPortBusyAtStart),
                                portPath.c_str());
}

}  // namespace devlink
