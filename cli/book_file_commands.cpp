#include "cli/book_file_commands.h"

#include <cstdio>
#include <memory>

#include "cli/commands.h"
#include "editor/book_csv.h"
#include "editor/frequency_rules.h"
#include "editor/program_check.h"
#include "platform/text_format.h"
#include "res/strings_cli.h"

namespace cli {

std::string DumpBook(const model::CProgramBook& book) {
    std::string out;
    for (int i = 0; i < model::kProgramCount; ++i) {
        const model::CFrequencyProgram& program = book[i];
        if (program.IsEmpty()) {
            continue;
        }
        out += std::to_string(i + 1) + ' ' + editor::TypeName(program);
        for (int group = 0; group < model::kGroupCount; ++group) {
            std::string line;
            for (int k = 0; k < model::kSlotsPerGroup; ++k) {
                const uint32_t slot = program.m_freq[group * model::kSlotsPerGroup + k];
                if (slot != 0) {
                    line += ' ' + editor::SlotToText(slot);
                }
            }
            if (!line.empty()) {
                out += ' ' + platform::FormatText(res::kCliDumpGroup, group + 1) + line;
            }
        }
        out += '\n';
    }
    return out;
}

int RunDump(const std::string& bookPath, std::string& out) {
    auto book = std::make_unique<model::CProgramBook>();
    if (!model::LoadBookFromPath(*book, bookPath)) {
        return kExitFailure;
    }
    out = DumpBook(*book);
    return kExitOk;
}

int RunCheck(const std::string& bookPath, std::string& out) {
    auto book = std::make_unique<model::CProgramBook>();
    uint64_t bytesAfter = 0;
    if (!model::LoadBookFromPath(*book, bookPath, platform::EFileKinds::kStreamsToo, &bytesAfter)) {
        return kExitFailure;
    }
    out.clear();
    const std::vector<editor::SRuleBreak> breaks = editor::FindRuleBreaks(*book);
    for (const editor::SRuleBreak& ruleBreak : breaks) {
        out += editor::DescribeRuleBreak(ruleBreak) + '\n';
    }
    // Opening ignores them, but a book that carries them is not the book its maker wrote.
    if (bytesAfter != 0) {
        out += platform::FormatText(res::kCliBytesAfterBook,
                                    static_cast<unsigned long long>(bytesAfter)) +
               '\n';
    }
    return breaks.empty() && bytesAfter == 0 ? kExitOk : kExitFailure;
}

int RunExport(const std::string& bookPath, const std::string& csvPath) {
    auto book = std::make_unique<model::CProgramBook>();
    if (!model::LoadBookFromPath(*book, bookPath)) {
        return kExitFailure;
    }
    return editor::WriteCsvFile(*book, csvPath) ? kExitOk : kExitFailure;
}

int RunImport(const std::string& csvPath, const std::string& bookPath) {
    auto book = std::make_unique<model::CProgramBook>();
    if (!editor::ReadCsvFile(csvPath, *book)) {
        return kExitFailure;
    }
    return model::SaveBookToPath(*book, bookPath) ? kExitOk : kExitFailure;
}

}  // namespace cli
