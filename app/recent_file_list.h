// The recent-file list of the File menu: the last four documents opened or saved, newest first.
#pragma once

#include <string>
#include <vector>

namespace app {

class CRecentFileList {
public:
    explicit CRecentFileList(size_t nSize) : m_nSize(nSize) {}

    // Puts the path at the front; an entry for the same path moves up instead of repeating.
    void Add(const std::string& path);
    void Remove(size_t index);
    const std::vector<std::string>& Entries() const { return m_entries; }
    // Takes stored entries in order, skipping empty ones and repeats, up to the list's size.
    void Assign(const std::vector<std::string>& entries);

private:
    size_t m_nSize;
    std::vector<std::string> m_entries;
};

}  // namespace app
