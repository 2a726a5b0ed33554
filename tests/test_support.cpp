#include "tests/test_support.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace testing_support {

CTempDir::CTempDir() {
    // create_directory reports whether it made the folder, so two suites that draw the same
    // name never share one.
    std::random_device seed;
    std::mt19937_64 random(seed());
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "zelkor-test-%012llx",
                      static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFull));
        if (std::filesystem::create_directory(base / name)) {
            m_path = base / name;
            return;
        }
    }
    throw std::runtime_error("no temporary folder could be made");
}

CTempDir::~CTempDir() {
    std::error_code ec;
    // Tests may leave read-only folders behind; make them writable so they can go.
    for (auto it = std::filesystem::recursive_directory_iterator(m_path, ec);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    }
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_path, ec);
}

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<uint8_t> out;
    for (int v : values) {
        out.push_back(static_cast<uint8_t>(v));
    }
    return out;
}

std::optional<std::string> CPathAnswers::Next() {
    ++m_nDialogs;
    if (m_paths.empty()) {
        return std::nullopt;
    }
    auto path = m_paths.front();
    m_paths.pop_front();
    return path;
}

model::CFrequencyProgram MakeProgram(bool bGroups,
                                     const std::vector<std::pair<int, uint32_t>>& slots) {
    model::CFrequencyProgram program;
    program.SetGroups(bGroups);
    for (const auto& [slot, value] : slots) {
        program.m_freq[slot] = value;
        program.UpdateGroupCount(slot / model::kSlotsPerGroup);
    }
    return program;
}

void StoreProgram(model::CZelkorConfigDoc& doc, int index,
                  const model::CFrequencyProgram& program) {
    doc.ChangeBook("store", index, 1, [&](model::CProgramBook& book, int16_t&) {
        book[index] = program;
        return true;
    });
}

}  // namespace testing_support
