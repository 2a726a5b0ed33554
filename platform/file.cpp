// The parts of the file seam that are the same on every system, built on its per-system ones.
#include "platform/file.h"

namespace platform {

CAtomicSave::~CAtomicSave() {
    Abandon();
}

bool CAtomicSave::Commit() {
    if (m_strTempPath.empty()) {
        return false;
    }
    bool ok = m_file.Sync();
    if (!m_file.Close()) {
        ok = false;
    }
    if (!ok || !ReplaceTarget()) {
        if (m_nLastError == 0) {
            m_nLastError = m_file.LastError();
        }
        Abandon();
        return false;
    }
    m_strTempPath.clear();
    return true;
}

void CAtomicSave::Abandon() {
    if (m_strTempPath.empty()) {
        return;
    }
    m_file.Close();
    RemoveTempFile();
    m_strTempPath.clear();
}

bool COutputFile::Begin(const std::string& path) {
    Abandon();
    m_nLastError = 0;
    SWriteTarget target;
    if (!DecideWriteTarget(path, target, m_nLastError)) {
        return false;
    }
    m_way = target.way;
    if (m_way == EWriteWay::kReplace) {
        if (!m_save.Begin(target.strPath)) {
            m_nLastError = m_save.LastError();
            return false;
        }
        return true;
    }
    if (!m_file.OpenInPlace(target.strPath)) {
        m_nLastError = m_file.LastError();
        return false;
    }
    return true;
}

bool COutputFile::BeginStandardOutput() {
    Abandon();
    m_nLastError = 0;
    m_way = EWriteWay::kInPlace;
    if (!m_file.OpenStandardOutput()) {
        m_nLastError = m_file.LastError();
        return false;
    }
    return true;
}

bool COutputFile::Commit() {
    if (m_way == EWriteWay::kReplace) {
        if (!m_save.Commit()) {
            m_nLastError = m_save.LastError();
            return false;
        }
        return true;
    }
    if (!m_file.IsOpen()) {
        return false;
    }
    if (!m_file.Close()) {
        m_nLastError = m_file.LastError();
        return false;
    }
    return true;
}

void COutputFile::Abandon() {
    m_save.Abandon();
    m_file.Close();
}

}  // namespace platform
