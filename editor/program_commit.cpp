#include "editor/program_commit.h"

#include "editor/frequency_rules.h"
#include "platform/text_format.h"

namespace editor {

model::CFrequencyProgram CommittedProgram(const model::CFrequencyProgram& stored, bool bGroups,
                                          std::span<const std::string, model::kSlotCount> texts) {
    model::CFrequencyProgram program = stored;
    program.SetGroups(bGroups);
    for (int slot = 0; slot < model::kSlotCount; ++slot) {
        program.m_freq[slot] = TextToSlot(texts[slot]).value_or(0u);
        program.UpdateGroupCount(slot / model::kSlotsPerGroup);
    }
    program.Compact();
    return program;
}

bool StoreCurrentProgram(model::CZelkorConfigDoc& doc, const model::CFrequencyProgram& program,
                         const char* stepPattern) {
    const int current = doc.Current();
    return doc.ChangeBook(platform::FormatText(stepPattern, current + 1), current, 1,
                          [&](model::CProgramBook& book, int16_t&) {
                              book[current] = program;
                              return true;
                          });
}

}  // namespace editor
