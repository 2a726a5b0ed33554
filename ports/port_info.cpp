#include "ports/port_info.h"

namespace ports {

CPortInfoArray g_portList;

void CPortInfoArray::SetSize(int size) {
    if (size <= 0) {
        std::vector<CPortInfo>().swap(m_entries);
        return;
    }
    m_entries.resize(static_cast<size_t>(size));
}

}  // namespace ports
