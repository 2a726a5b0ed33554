#include "tests/fuzz/fuzz_bodies.h"

#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "devlink/device_link.h"
#include "devlink/frame_assembler.h"
#include "editor/book_csv.h"
#include "editor/frequency_rules.h"
#include "editor/program_clipboard.h"
#include "model/program_book.h"
#include "platform/message_box.h"

namespace fuzzing {

namespace {

// Millions of refusals must neither print nor pile up.
class CQuietMessages : public platform::IMessageSink {
public:
    platform::EMsgAnswer Show(const platform::SMessageRequest& request) override {
        return platform::DismissAnswer(request.buttons);
    }
};

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void InstallQuietSink() {
    static CQuietMessages s_quiet;
    platform::SetMessageSink(&s_quiet);
}

// A file in memory, so that every input goes through the real descriptor-based reader.
platform::CFile MemoryFile(const uint8_t* data, size_t size) {
    const int fd = ::memfd_create("fuzz", MFD_CLOEXEC);
    Require(fd >= 0);
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        Require(n > 0);
        done += static_cast<size_t>(n);
    }
    Require(::lseek(fd, 0, SEEK_SET) == 0);
    platform::CFile file;
    file.Attach(fd);
    return file;
}

bool LoadBytes(const uint8_t* data, size_t size, model::CProgramBook& book) {
    platform::CFile file = MemoryFile(data, size);
    return book.Load(file);
}

std::vector<uint8_t> SaveBytes(model::CProgramBook& book) {
    const int fd = ::memfd_create("fuzz-save", MFD_CLOEXEC);
    Require(fd >= 0);
    platform::CFile file;
    file.Attach(::dup(fd));
    Require(book.Save(file));
    Require(file.Close());
    std::vector<uint8_t> bytes(static_cast<size_t>(::lseek(fd, 0, SEEK_END)));
    Require(::pread(fd, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size()));
    ::close(fd);
    return bytes;
}

void RequireEditorRules(const model::CProgramBook& book) {
    for (int i = 0; i < model::kProgramCount; ++i) {
        const model::CFrequencyProgram& program = book[i];
        for (int g = 0; g < model::kGroupCount; ++g) {
            std::array<double, model::kSlotsPerGroup> values{};
            for (int k = 0; k < model::kSlotsPerGroup; ++k) {
                const uint32_t slot = program.m_freq[g * model::kSlotsPerGroup + k];
                Require(slot <= 200000000u);
                values[k] = slot / 10.0;
            }
            Require(!program.IsGroups() ||
                    editor::CheckGroup(values) == editor::EGroupVerdict::kOk);
        }
    }
}

}  // namespace

void FuzzBookLoad(const uint8_t* data, size_t size) {
    InstallQuietSink();
    auto book = std::make_unique<model::CProgramBook>();
    (*book)[0].m_freq[0] = 42;  // a failed load must leave this
    const model::CProgramBook before = *book;
    if (!LoadBytes(data, size, *book)) {
        Require(*book == before);
        return;
    }
    const std::vector<uint8_t> saved = SaveBytes(*book);
    auto again = std::make_unique<model::CProgramBook>();
    Require(LoadBytes(saved.data(), saved.size(), *again));
    Require(*again == *book);
}

void FuzzLineBytes(const uint8_t* data, size_t size) {
    InstallQuietSink();
    if (size == 0) {
        return;
    }
    auto frames = [](const uint8_t* bytes, size_t count, size_t split) {
        devlink::CFrameAssembler assembler(devlink::kLinkRxCapacity);
        std::vector<std::vector<uint8_t>> out;
        auto keep = [&](devlink::CPacketBuffer& frame) {
            Require(frame.Count() > 0 && frame.Count() <= frame.Capacity());
            out.emplace_back(frame.Data(), frame.Data() + frame.Count());
        };
        assembler.Feed(bytes, split, keep);
        assembler.Feed(bytes + split, count - split, keep);
        return out;
    };
    const size_t split = data[0] % size;
    Require(frames(data, size, split) == frames(data, size, size));

    devlink::CDeviceLink link;
    link.m_hAckEvent = std::make_shared<platform::CEvent>();
    auto watch = std::make_shared<devlink::CFinalAck>();
    link.WatchBlock(watch, devlink::kLastSequence, true);
    link.ReceiveBytes(split, data);
    link.ReceiveBytes(size - split, data + split);
    Require(watch->State() != devlink::CFinalAck::EState::kLineLost);
}

void FuzzCsvImport(const uint8_t* data, size_t size) {
    InstallQuietSink();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto book = std::make_unique<model::CProgramBook>();
    (*book)[0].m_freq[0] = 42;
    const model::CProgramBook before = *book;
    if (editor::CsvToBook(text, *book)) {
        Require(*book == before);
        return;
    }
    RequireEditorRules(*book);
    auto again = std::make_unique<model::CProgramBook>();
    Require(!editor::CsvToBook(editor::BookToCsv(*book), *again));
    Require(*again == *book);
}

void FuzzClipboardPaste(const uint8_t* data, size_t size) {
    InstallQuietSink();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const bool bRecords : {true, false}) {
        std::vector<model::CFrequencyProgram> taken(1);
        taken[0].m_freq[0] = 42;  // a refusal must leave this
        if (editor::ProgramsFromClipboard(bRecords ? bytes : "", bRecords ? "" : bytes, taken)) {
            Require(taken.size() == 1 && taken[0].m_freq[0] == 42);
            continue;
        }
        std::vector<model::CFrequencyProgram> back;
        Require(!editor::ProgramsFromClipboard("", editor::ProgramsToText(taken, 1, '\t'), back) &&
                back == taken);
        Require(!editor::ProgramsFromClipboard(editor::ProgramsToRecords(taken), "", back) &&
                back == taken);
    }
}

}  // namespace fuzzing
