// The parts of the file seam that are the same on every system, built on its per-system ones.
#include "platform/file.h"

#include "platform/error_text.h"
#include "platform/file_io.h"

namespace platform {

CAtomicSave::~CAtomicSave() {
    Abandon();
}

bool CAtomicSave::BeginInPlace(int nCreateError) {
    // The old bytes are read before anything is written, so that a rewrite that fails part-way
    // can put them back.
    CFile old;
    if (!old.OpenRead(m_strTarget, EFileKinds::kRegularOnly)) {
        m_nLastError = nCreateError != 0 ? nCreateError : old.LastError();
        return false;
    }
    m_oldBytes.clear();
    uint8_t chunk[64 * 1024];
    for (long n = 0; (n = old.ReadBytes(chunk, sizeof chunk)) != 0;) {
        if (n < 0) {
            m_nLastError = old.LastError();
            return false;
        }
        m_oldBytes.insert(m_oldBytes.end(), chunk, chunk + n);
    }
    old.Close();
    if (!m_file.OpenInPlace(m_strTarget)) {
        m_nLastError = m_file.LastError() != 0 ? m_file.LastError() : nCreateError;
        return false;
    }
    m_bInPlace = true;
    m_nRestoreError = 0;
    return true;
}

bool CAtomicSave::CommitInPlace() {
    const bool ok = m_file.EndHere() && m_file.Sync() && m_file.Close();
    if (!ok) {
        m_nLastError = m_file.LastError();
        RestoreInPlace();
    }
    m_bInPlace = false;
    m_oldBytes.clear();
    return ok;
}

void CAtomicSave::RestoreInPlace() {
    const bool bBack =
        (m_file.IsOpen() || m_file.OpenInPlace(m_strTarget)) && m_file.RewriteWhole(m_oldBytes);
    const int nError = m_file.LastError();
    if (!m_file.Close() || !bBack) {
        m_nRestoreError = bBack ? m_file.LastError() : nError;
    }
}

bool CAtomicSave::Commit() {
    if (m_bInPlace) {
        return CommitInPlace();
    }
    if (m_strTempPath.empty()) {
        m_nLastError = file_io::NotOpenError();  // begun without success, or committed already
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
    if (m_bInPlace) {
        RestoreInPlace();
        m_bInPlace = false;
        m_oldBytes.clear();
        return;
    }
    if (m_strTempPath.empty()) {
        return;
    }
    m_file.Close();
    RemoveTempFile();
    m_strTempPath.clear();
}

bool COutputFile::Begin(const std::string& path, EFileKinds kinds) {
    Abandon();
    m_nLastError = 0;
    SWriteTarget target;
    if (!DecideWriteTarget(path, target, m_nLastError)) {
        return false;
    }
    if (target.way == EWriteWay::kInPlace && kinds == EFileKinds::kRegularOnly) {
        m_nLastError = kErrorNotRegularFile;
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
        m_nLastError = file_io::NotOpenError();
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
