#include "app/recent_file_list.h"

#include <algorithm>

namespace app {

void CRecentFileList::Add(const std::string& path) {
    if (path.empty()) {
        return;
    }
    m_entries.erase(std::remove(m_entries.begin(), m_entries.end(), path), m_entries.end());
    m_entries.insert(m_entries.begin(), path);
    if (m_entries.size() > m_nSize) {
        m_entries.resize(m_nSize);
    }
}

void CRecentFileList::Remove(size_t index) {
    if (index < m_entries.size()) {
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

void CRecentFileList::Assign(const std::vector<std::string>& entries) {
    m_entries.clear();
    for (const auto& entry : entries) {
        if (entry.empty() ||
            std::find(m_entries.begin(), m_entries.end(), entry) != m_entries.end()) {
            continue;
        }
        if (m_entries.size() == m_nSize) {
            break;
        }
        m_entries.push_back(entry);
    }
}

}  // namespace app
