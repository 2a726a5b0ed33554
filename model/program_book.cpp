#include "model/program_book.h"

#include <memory>

#include "model/except.h"
#include "model/file_access.h"
#include "model/file_words.h"
#include "res/strings_model.h"

namespace model {

namespace {

// Runs a whole save or load and shows its failure, if any, in the application's message box:
// the program's own failures by their text, anything else (memory running out) as unknown, each
// naming the file and the reason.
template <class TWork>
bool ReportFailures(const char* unknownText, const std::string& name, const platform::CFile& file,
                    TWork work) {
    try {
        work();
        return true;
    } catch (MExceptFileBadFormat* e) {
        // The file's content, not the system's doing: there is no error number.
        ShowFileError(e->GetText(), name, res::Tr(res::kFileBadFormatReason));
    } catch (MExcept* e) {
        ShowFileError(e->GetText(), name, file.LastError());
    } catch (...) {
        ShowFileError(unknownText, name, std::string());
    }
    return false;
}

}  // namespace

int32_t CProgramBook::FindEmpty(int32_t from) const {
    if (from >= kProgramCount) {
        return from;
    }
    for (int32_t i = from < 0 ? 0 : from; i < kProgramCount; ++i) {
        if (m_programs[i].IsEmpty()) {
            return i;
        }
    }
    return kProgramCount;
}

bool CProgramBook::InsertAt(int index) {
    // No program stands there to make room for, and reading it would run off the book.
    if (index < 0 || index >= kProgramCount) {
        return false;
    }
    if (m_programs[index].IsEmpty()) {
        return true;
    }
    const int32_t empty = FindEmpty(index);
    if (empty >= kProgramCount) {
        return false;
    }
    for (int32_t j = empty; j > index; --j) {
        m_programs[j] = m_programs[j - 1];
    }
    m_programs[index].Clear();
    return true;
}

void CProgramBook::EncodeAll(uint8_t* out) const {
    for (int i = 0; i < kProgramCount; ++i) {
        m_programs[i].Encode(out + kPayloadSize * i);
    }
}

bool CProgramBook::Save(platform::CFile& file, const std::string& name) {
    // Compacting every program first makes the trailing words of a Frequency Groups record the
    // next program's slots as they are stored, not as they stood before that program's turn.
    for (auto& program : m_programs) {
        program.Compact();
    }
    return ReportFailures(res::Tr(res::kUnknownWriteError), name, file, [&] {
        WriteFileLong(file, kFileMagic);
        WriteFileLong(file, kProgramCount);
        for (int i = 0; i < kProgramCount; ++i) {
            const CFrequencyProgram* pNext = i + 1 < kProgramCount ? &m_programs[i + 1] : nullptr;
            m_programs[i].Write(file, pNext);
        }
        if (!file.Flush()) {
            ThrowFileWriteError();
        }
    });
}

bool CProgramBook::Load(platform::CFile& file, const std::string& name) {
    // Read into a book of its own so that a failure part-way leaves this one untouched.
    return ReportFailures(res::Tr(res::kUnknownReadError), name, file, [&] {
        auto incoming = std::make_unique<CProgramBook>();
        uint32_t word = 0;
        if (!ReadFileLong(file, word) || word != kFileMagic) {
            ThrowFileBadFormat();
        }
        if (!ReadFileLong(file, word) || word != kProgramCount) {
            ThrowFileBadFormat();
        }
        for (auto& program : incoming->m_programs) {
            program.Read(file);
        }
        *this = *incoming;
    });
}

bool SaveBookToPath(CProgramBook& book, const std::string& path, platform::EFileKinds kinds) {
    return WriteOutput(
        path,
        [&book](platform::CFile& file, const std::string& name) { return book.Save(file, name); },
        kinds);
}

bool LoadBookFromPath(CProgramBook& book, const std::string& path, platform::EFileKinds kinds,
                      uint64_t* pBytesAfter) {
    platform::CFile file;
    if (!OpenInput(file, path, kinds) || !book.Load(file, InputName(path, kinds))) {
        return false;
    }
    if (pBytesAfter == nullptr) {
        return true;
    }
    *pBytesAfter = 0;
    uint8_t chunk[64 * 1024];
    for (long n = 0; (n = file.ReadBytes(chunk, sizeof chunk)) != 0; *pBytesAfter += n) {
        if (n < 0) {
            ShowFileError(res::Tr(res::kFileReadError), InputName(path, kinds), file.LastError());
            return false;
        }
    }
    return true;
}

}  // namespace model
