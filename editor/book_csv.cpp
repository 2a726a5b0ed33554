#include "editor/book_csv.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <memory>
#include <vector>

#include "editor/frequency_rules.h"
#include "editor/program_check.h"
#include "model/file_access.h"
#include "platform/file.h"
#include "platform/text_format.h"
#include "res/strings_editor.h"
#include "res/strings_model.h"

namespace editor {

namespace {

using platform::FormatText;

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// One record of the file. Cells beyond the expected count are counted, not kept, so that a line
// of a million commas costs nothing.
struct SRecord {
    int nRow = 0;
    int nCells = 0;
    std::array<std::string, kCsvColumns> cells;
};

enum class ERead { kRecord, kEnd, kOpenQuote };

class CCsvReader {
public:
    explicit CCsvReader(std::string_view text, char separator = ',')
        : m_text(text), m_separator(separator) {
        if (m_text.substr(0, 3) == "\xEF\xBB\xBF") {  // spreadsheets like to start with a BOM
            m_text.remove_prefix(3);
        }
    }

    // The next record that holds anything; empty lines are passed over.
    ERead Next(SRecord& record) {
        for (;;) {
            if (m_nPos >= m_text.size()) {
                return ERead::kEnd;
            }
            const ERead result = ReadRecord(record);
            if (result != ERead::kRecord || record.nCells > 1 || !record.cells[0].empty()) {
                return result;
            }
        }
    }

    int Row() const { return m_nRow; }

private:
    void AddCell(SRecord& record, std::string& cell) {
        if (record.nCells < kCsvColumns) {
            record.cells[record.nCells] = std::move(cell);
        }
        ++record.nCells;
        cell.clear();
    }

    // LF, CR LF and, as old spreadsheets write, CR alone end a line; c was read from m_nPos - 1.
    bool IsLineEnd(char c) const {
        return c == '\n' || (c == '\r' && (m_nPos >= m_text.size() || m_text[m_nPos] != '\n'));
    }

    ERead ReadRecord(SRecord& record) {
        record.nRow = m_nRow;
        record.nCells = 0;
        // A short row must not keep the cells of the row before it.
        for (std::string& cell : record.cells) {
            cell.clear();
        }
        std::string cell;
        bool bQuoted = false;
        while (m_nPos < m_text.size()) {
            const char c = m_text[m_nPos++];
            if (bQuoted) {
                if (c == '"') {
                    if (m_nPos < m_text.size() && m_text[m_nPos] == '"') {
                        cell += '"';
                        ++m_nPos;
                    } else {
                        bQuoted = false;
                    }
                } else {
                    if (IsLineEnd(c)) {
                        ++m_nRow;
                    }
                    cell += c;
                }
            } else if (c == '"' && cell.empty()) {
                bQuoted = true;
            } else if (c == m_separator) {
                AddCell(record, cell);
            } else if (IsLineEnd(c)) {
                ++m_nRow;
                AddCell(record, cell);
                return ERead::kRecord;
            } else if (c == '\r') {
                // the CR of a CR LF line end
            } else {
                cell += c;
            }
        }
        if (bQuoted) {
            return ERead::kOpenQuote;
        }
        AddCell(record, cell);
        return ERead::kRecord;
    }

    std::string_view m_text;
    char m_separator;
    size_t m_nPos = 0;
    int m_nRow = 1;
};

// The header, for the file and the Clipboard alike: a row that starts with the number and type
// columns, whatever follows and however early it ends (a sheet of a few frequency columns).
bool IsHeader(const SRecord& record) {
    return record.nCells >= 2 && EqualsNoCase(Trim(record.cells[0]), ColumnName(1)) &&
           EqualsNoCase(Trim(record.cells[1]), ColumnName(2));
}

bool NamesAType(const SRecord& record) {
    const std::string_view type = Trim(record.cells[1]);
    return EqualsNoCase(type, res::kCsvTypeGroups) || EqualsNoCase(type, res::kCsvTypeSingle);
}

std::optional<int> ParseNumber(std::string_view cell) {
    cell = Trim(cell);
    int n = 0;
    auto [end, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), n);
    if (ec != std::errc() || end != cell.data() + cell.size() || n < 1 ||
        n > model::kProgramCount) {
        return std::nullopt;
    }
    return n;
}

// The column of a slot in a row.
constexpr int SlotColumn(int slot) {
    return 3 + slot;
}

// Puts a stored value into its slot of a program that is filled in slot order, and judges the
// group as the book will hold it, so that the editor would show the same verdict; the fault's
// text, or nullptr.
const char* PlaceSlot(model::CFrequencyProgram& program,
                      std::array<double, model::kSlotsPerGroup>& groupHertz, int slot,
                      uint32_t value) {
    program.m_freq[slot] = value;
    groupHertz[slot % model::kSlotsPerGroup] = model::SlotToHertz(value);
    if (!program.IsGroups()) {
        return nullptr;
    }
    switch (CheckGroup(groupHertz)) {
        case EGroupVerdict::kTooManyHigh:
            return res::Tr(res::kMsgTooManyHigh);
        case EGroupVerdict::kHighMixed:
            return res::Tr(res::kMsgHighMixed);
        case EGroupVerdict::kOk:
            break;
    }
    return nullptr;
}

// Fills one program from its row; the first fault, in column order, is returned.
std::optional<SCsvFault> ReadProgram(const SRecord& record, model::CFrequencyProgram& program) {
    auto fault = [&](int column, std::string what) {
        return SCsvFault{record.nRow, column, std::move(what)};
    };
    const std::string_view type = Trim(record.cells[1]);
    const bool bGroups = EqualsNoCase(type, res::kCsvTypeGroups);
    if (!bGroups && !EqualsNoCase(type, res::kCsvTypeSingle)) {
        return fault(2, res::Tr(res::kCsvBadType));
    }
    program.Clear();
    program.SetGroups(bGroups);
    for (int group = 0; group < model::kGroupCount; ++group) {
        std::array<double, model::kSlotsPerGroup> stored{};
        for (int i = 0; i < model::kSlotsPerGroup; ++i) {
            const int slot = group * model::kSlotsPerGroup + i;
            const int column = SlotColumn(slot);
            const std::string_view cell = Trim(record.cells[column - 1]);
            const SFrequencyText read = ReadFrequency(cell);
            if (read.fault != EEntryFault::kNone) {
                return fault(column, EntryFaultMessage(read.fault, cell));
            }
            if (read.value == 0.0) {
                continue;
            }
            const uint32_t value = FrequencyToSlot(read.value).value_or(0u);
            if (const char* rule = PlaceSlot(program, stored, slot, value)) {
                return fault(column, rule);
            }
        }
        program.UpdateGroupCount(group);
    }
    program.Compact();
    return std::nullopt;
}

bool ReadText(const std::string& path, platform::EFileKinds kinds, std::string& text) {
    platform::CFile file;
    if (!model::OpenInput(file, path, kinds)) {
        return false;
    }
    text.clear();
    std::array<char, 64 * 1024> chunk{};
    for (;;) {
        const long n = file.ReadBytes(chunk.data(), chunk.size());
        if (n < 0) {
            model::ShowFileError(res::Tr(res::kFileReadError), model::InputName(path, kinds),
                                 file.LastError());
            return false;
        }
        if (n == 0) {
            return true;
        }
        if (text.size() + static_cast<size_t>(n) > kMaxCsvBytes) {
            model::ShowFileError(res::Tr(res::kFileBadFormat), model::InputName(path, kinds),
                                 res::Tr(res::kCsvTooLarge));
            return false;
        }
        text.append(chunk.data(), static_cast<size_t>(n));
    }
}

}  // namespace

std::string ColumnName(int nColumn) {
    if (nColumn == 1) {
        return res::kCsvColumnNumber;
    }
    if (nColumn == 2) {
        return res::kCsvColumnType;
    }
    return FormatText(res::kCsvColumnSlot, nColumn - 2);
}

const char* TypeName(const model::CFrequencyProgram& program) {
    return program.IsGroups() ? res::kCsvTypeGroups : res::kCsvTypeSingle;
}

std::string ProgramToCsvRow(int nNumber, const model::CFrequencyProgram& program, char separator) {
    std::string row = std::to_string(nNumber);
    row += separator;
    row += TypeName(program);
    for (uint32_t slot : program.m_freq) {
        row += separator;
        row += SlotToText(slot);
    }
    return row;
}

std::string BookToCsv(const model::CProgramBook& book) {
    std::string out;
    out.reserve(256 * 1024);
    for (int c = 1; c <= kCsvColumns; ++c) {
        out += ColumnName(c);
        out += c < kCsvColumns ? ',' : '\n';
    }
    for (int i = 0; i < model::kProgramCount; ++i) {
        out += ProgramToCsvRow(i + 1, book[i]);
        out += '\n';
    }
    return out;
}

namespace {

// Whether any row names a program's type: text without one (prose, a link, a header alone)
// holds no program, rather than a bad first row.
bool HoldsAProgram(std::string_view text, char separator) {
    CCsvReader reader(text, separator);
    auto record = std::make_unique<SRecord>();
    while (reader.Next(*record) == ERead::kRecord) {
        if (NamesAType(*record)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<SCsvFault> CsvRowsToPrograms(std::string_view text,
                                           std::vector<model::CFrequencyProgram>& programs) {
    // A spreadsheet separates the cells it copies with tabs.
    const std::string_view firstLine = text.substr(0, text.find('\n'));
    const char separator = firstLine.find('\t') != std::string_view::npos ? '\t' : ',';
    if (!HoldsAProgram(text, separator)) {
        programs.clear();
        return std::nullopt;
    }
    CCsvReader reader(text, separator);
    std::vector<model::CFrequencyProgram> incoming;
    auto record = std::make_unique<SRecord>();
    ERead result = ERead::kEnd;
    for (bool bFirst = true; (result = reader.Next(*record)) == ERead::kRecord; bFirst = false) {
        if (bFirst && IsHeader(*record)) {
            continue;  // copied together with the rows of a file
        }
        if (record->nCells > kCsvColumns) {
            return SCsvFault{record->nRow, 0,
                             FormatText(res::Tr(res::kCsvColumnCount), record->nCells)};
        }
        if (static_cast<int>(incoming.size()) == model::kProgramCount) {
            return SCsvFault{record->nRow, 0, res::Tr(res::kCsvTooManyRows)};
        }
        incoming.emplace_back();
        if (auto fault = ReadProgram(*record, incoming.back())) {
            return fault;
        }
    }
    if (result == ERead::kOpenQuote) {
        return SCsvFault{record->nRow, 0, res::Tr(res::kCsvBadQuote)};
    }
    programs = std::move(incoming);
    return std::nullopt;
}

SCsvFault SCsvFault::OfRuleBreak(const SRuleBreak& ruleBreak) {
    const int column =
        ruleBreak.nSlot == SRuleBreak::kWholeProgram ? 0 : SlotColumn(ruleBreak.nSlot);
    return SCsvFault{ruleBreak.nProgram + 1, column, FaultMessage(ruleBreak.fault)};
}

std::string SCsvFault::Describe() const {
    if (nColumn == 0) {
        return FormatText(res::Tr(res::kCsvAtRow), nRow, strWhat.c_str());
    }
    return FormatText(res::Tr(res::kCsvAt), nRow, nColumn, ColumnName(nColumn).c_str(),
                      strWhat.c_str());
}

std::optional<SCsvFault> CsvToBook(std::string_view text, model::CProgramBook& book) {
    auto incoming = std::make_unique<model::CProgramBook>();
    std::array<int, model::kProgramCount> rowOf{};  // 0: no row for the program yet
    CCsvReader reader(text);
    auto record = std::make_unique<SRecord>();

    ERead result = reader.Next(*record);
    if (result == ERead::kOpenQuote) {
        return SCsvFault{record->nRow, 0, res::Tr(res::kCsvBadQuote)};
    }
    if (result == ERead::kEnd || !IsHeader(*record)) {
        return SCsvFault{result == ERead::kEnd ? reader.Row() : record->nRow, 0,
                         res::Tr(res::kCsvBadHeader)};
    }
    while ((result = reader.Next(*record)) == ERead::kRecord) {
        if (record->nCells > kCsvColumns) {
            return SCsvFault{record->nRow, 0,
                             FormatText(res::Tr(res::kCsvColumnCount), record->nCells)};
        }
        const std::optional<int> number = ParseNumber(record->cells[0]);
        if (!number) {
            return SCsvFault{record->nRow, 1, res::Tr(res::kCsvBadNumber)};
        }
        int& row = rowOf[*number - 1];
        if (row != 0) {
            return SCsvFault{record->nRow, 1,
                             FormatText(res::Tr(res::kCsvRepeatedNumber), *number, row)};
        }
        row = record->nRow;
        if (auto fault = ReadProgram(*record, (*incoming)[*number - 1])) {
            return fault;
        }
    }
    if (result == ERead::kOpenQuote) {
        return SCsvFault{record->nRow, 0, res::Tr(res::kCsvBadQuote)};
    }
    book = *incoming;
    return std::nullopt;
}

bool ReadCsvFile(const std::string& path, model::CProgramBook& book, platform::EFileKinds kinds) {
    std::string text;
    if (!ReadText(path, kinds, text)) {
        return false;
    }
    if (auto fault = CsvToBook(text, book)) {
        model::ShowFileError(fault->Describe(), model::InputName(path, kinds), std::string());
        return false;
    }
    return true;
}

bool WriteCsvFile(const model::CProgramBook& book, const std::string& path,
                  platform::EFileKinds kinds) {
    const std::string text = BookToCsv(book);
    return model::WriteOutput(
        path,
        [&text](platform::CFile& file, const std::string& name) {
            if (!file.WriteBytes(text.data(), text.size())) {
                model::ShowFileError(res::Tr(res::kFileWriteError), name, file.LastError());
                return false;
            }
            return true;
        },
        kinds);
}

bool ImportCsvDocument(model::CZelkorConfigDoc& doc, const std::string& path) {
    auto book = std::make_unique<model::CProgramBook>();
    if (!ReadCsvFile(path, *book, platform::EFileKinds::kRegularOnly)) {
        return false;
    }
    if (!doc.SaveModified()) {
        return false;
    }
    doc.ReplaceBook(*book, res::Tr(res::kStepImportCsv));
    return true;
}

bool ExportCsvDocument(model::CZelkorConfigDoc& doc, const std::string& path) {
    doc.CommitViews();
    return WriteCsvFile(doc.Book(), path, platform::EFileKinds::kRegularOnly);
}

}  // namespace editor
