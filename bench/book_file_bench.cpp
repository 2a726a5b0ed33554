// Save and load of the largest book: every program Frequency Groups with all 48 slots filled,
// 456008 bytes on disk. Medians of repeated runs.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "model/program_book.h"

namespace {

std::unique_ptr<model::CProgramBook> LargestBook() {
    auto book = std::make_unique<model::CProgramBook>();
    for (int i = 0; i < model::kProgramCount; ++i) {
        auto& program = (*book)[i];
        program.SetGroups(true);
        for (int s = 0; s < model::kSlotCount; ++s) {
            program.m_freq[s] = static_cast<uint32_t>(10 * (i + 1) + s);
        }
        for (int g = 0; g < model::kGroupCount; ++g) {
            program.UpdateGroupCount(g);
        }
    }
    return book;
}

class CBenchFolder {
public:
    CBenchFolder() {
        std::string templ = (std::filesystem::temp_directory_path() / "zelkor-bench-XXXXXX");
        if (::mkdtemp(templ.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        m_path = templ;
    }
    ~CBenchFolder() { std::filesystem::remove_all(m_path); }
    std::string File(const char* name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// What File > Save costs: encode, write, fsync and rename through the atomic save.
void BM_SaveLargestBookAtomically(benchmark::State& state) {
    CBenchFolder folder;
    auto book = LargestBook();
    const std::string path = folder.File("largest.vq");
    for (auto _ : state) {
        if (!model::SaveBookToPath(*book, path)) {
            state.SkipWithError("save failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * 456008);
}

// The same without the fsync and rename: the book's own share of the work.
void BM_SaveLargestBookWithoutSync(benchmark::State& state) {
    CBenchFolder folder;
    auto book = LargestBook();
    const std::string path = folder.File("largest.vq");
    for (auto _ : state) {
        platform::CFile file;
        file.Attach(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
        if (!book->Save(file) || !file.Close()) {
            state.SkipWithError("save failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * 456008);
}

void BM_LoadLargestBook(benchmark::State& state) {
    CBenchFolder folder;
    auto book = LargestBook();
    const std::string path = folder.File("largest.vq");
    if (!model::SaveBookToPath(*book, path) || std::filesystem::file_size(path) != 456008) {
        state.SkipWithError("could not write the book");
        return;
    }
    auto loaded = std::make_unique<model::CProgramBook>();
    for (auto _ : state) {
        if (!model::LoadBookFromPath(*loaded, path)) {
            state.SkipWithError("load failed");
            break;
        }
        benchmark::DoNotOptimize(loaded.get());
    }
    state.SetBytesProcessed(state.iterations() * 456008);
}

}  // namespace

BENCHMARK(BM_SaveLargestBookAtomically)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveLargestBookWithoutSync)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_LoadLargestBook)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
