#include "editor/book_print.h"

#include <algorithm>

#include "editor/frequency_rules.h"
#include "platform/text_format.h"
#include "res/strings_editor.h"

namespace editor {

int SPrintRow::Lines() const {
    size_t lines = 1;
    for (const auto& group : groups) {
        lines = std::max(lines, group.size());
    }
    return static_cast<int>(lines);
}

std::array<std::string, kPrintColumns> PrintColumnTitles() {
    std::array<std::string, kPrintColumns> titles{res::Tr(res::kPrintColumnNumber),
                                                  res::Tr(res::kPrintColumnType)};
    for (int group = 0; group < model::kGroupCount; ++group) {
        titles[2 + group] = platform::FormatText(res::Tr(res::kGroupBox), group + 1);
    }
    return titles;
}

std::vector<SPrintRow> PrintRows(const model::CProgramBook& book, SProgramRange range) {
    std::vector<int> indexes;
    const int end = std::min(range.nEnd, model::kProgramCount);
    for (int i = std::max(range.nFirst, 0); i < end; ++i) {
        indexes.push_back(i);
    }
    return PrintRows(book, indexes);
}

std::vector<SPrintRow> PrintRows(const model::CProgramBook& book, std::span<const int> indexes) {
    std::vector<SPrintRow> rows;
    for (int i : indexes) {
        const model::CFrequencyProgram& program = book[i];
        if (program.IsEmpty()) {
            continue;
        }
        SPrintRow& row = rows.emplace_back();
        row.nProgram = i;
        row.strNumber = std::to_string(i + 1);
        row.strType = program.IsGroups() ? res::Tr(res::kTypeGroups) : res::Tr(res::kTypeSingle);
        for (int slot = 0; slot < model::kSlotCount; ++slot) {
            if (program.m_freq[slot] != 0) {
                row.groups[slot / model::kSlotsPerGroup].push_back(
                    SlotToText(program.m_freq[slot]));
            }
        }
    }
    return rows;
}

std::vector<SPrintPage> Paginate(const std::vector<SPrintRow>& rows, int nLinesPerPage) {
    const int room = std::max(nLinesPerPage - 1, 1);  // under the column titles
    std::vector<SPrintPage> pages(1);
    int used = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const int lines = rows[i].Lines();
        if (used > 0 && used + lines > room) {
            pages.back().nEnd = i;
            pages.push_back({i, i});
            used = 0;
        }
        used += lines;
    }
    pages.back().nEnd = rows.size();
    return pages;
}

std::vector<int> PagesToPrint(const PageRanges& ranges, int nPages) {
    std::vector<int> pages;
    for (const auto& [first, last] : ranges) {
        for (int page = std::max(first, 1); page <= std::min(last, nPages); ++page) {
            pages.push_back(page - 1);
        }
    }
    if (ranges.empty()) {
        for (int page = 0; page < nPages; ++page) {
            pages.push_back(page);
        }
    }
    return pages;
}

int PageOfProgram(const std::vector<SPrintRow>& rows, const std::vector<SPrintPage>& pages,
                  int nProgram) {
    const auto row = std::lower_bound(rows.begin(), rows.end(), nProgram,
                                      [](const SPrintRow& r, int n) { return r.nProgram < n; });
    const size_t index = static_cast<size_t>(row - rows.begin());
    for (size_t page = 0; page < pages.size(); ++page) {
        if (index < pages[page].nEnd) {
            return static_cast<int>(page);
        }
    }
    return pages.empty() ? 0 : static_cast<int>(pages.size()) - 1;
}

std::string PageNumberText(int nPage, int nPages) {
    return platform::FormatText(res::Tr(res::kPrintPage), nPage, nPages);
}

}  // namespace editor
