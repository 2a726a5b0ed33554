#include "editor/program_clipboard.h"

#include "editor/program_check.h"
#include "model/program_book.h"
#include "res/strings_editor.h"

namespace editor {

std::string ProgramsToText(std::span<const model::CFrequencyProgram> programs, int nFirstNumber,
                           char separator) {
    std::string text;
    for (const model::CFrequencyProgram& program : programs) {
        text += ProgramToCsvRow(nFirstNumber++, program, separator);
        text += '\n';
    }
    return text;
}

std::string ProgramsToRecords(std::span<const model::CFrequencyProgram> programs) {
    std::string records(programs.size() * model::kPayloadSize, '\0');
    auto* out = reinterpret_cast<uint8_t*>(records.data());
    for (const model::CFrequencyProgram& program : programs) {
        out += program.Encode(out);
    }
    return records;
}

std::optional<SCsvFault> ProgramsFromClipboard(std::string_view records, std::string_view text,
                                               std::vector<model::CFrequencyProgram>& programs) {
    if (records.empty()) {
        if (text.empty()) {
            programs.clear();
            return std::nullopt;
        }
        return CsvRowsToPrograms(text, programs);
    }
    const size_t count = records.size() / model::kPayloadSize;
    if (records.size() % model::kPayloadSize != 0 ||
        count > static_cast<size_t>(model::kProgramCount)) {
        return SCsvFault{static_cast<int>(count) + 1, 0, res::Tr(res::kClipboardBadRecord)};
    }
    std::vector<model::CFrequencyProgram> incoming(count);
    const auto* in = reinterpret_cast<const uint8_t*>(records.data());
    for (size_t i = 0; i < count; ++i) {
        incoming[i].Decode(in + i * model::kPayloadSize);
        if (const auto ruleBreak = CheckStoredProgram(incoming[i], static_cast<int>(i))) {
            return SCsvFault::OfRuleBreak(*ruleBreak);
        }
    }
    programs = std::move(incoming);
    return std::nullopt;
}

}  // namespace editor
