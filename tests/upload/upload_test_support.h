// A link to an in-process simulated generator, and books worth sending.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "devlink/device_link.h"
#include "model/program_book.h"
#include "sim/simulator.h"

namespace testing_support {

struct SSimLink {
    explicit SSimLink(sim::SSimOptions options = {}) : device(std::move(options)) {
        std::string error;
        if (!device.Start(error)) {
            throw std::runtime_error(error);
        }
        link.SetPortPath(device.PortPath());
        if (!link.Open()) {
            throw std::runtime_error("link did not open");
        }
    }
    sim::CSimulator device;
    devlink::CDeviceLink link;
};

// Programs scattered over the book, with values whose bytes need stuffing on the line, and that
// the device can take (a Frequency Groups program keeps its third high one to another group).
inline std::unique_ptr<model::CProgramBook> SampleBook() {
    auto book = std::make_unique<model::CProgramBook>();
    for (int i = 0; i < model::kProgramCount; i += 37) {
        model::CFrequencyProgram& p = (*book)[i];
        p.SetGroups(i % 2 == 0);
        for (int s = 0; s < 3; ++s) {
            const int slot = p.IsGroups() && s == 2 ? model::kSlotsPerGroup : s;
            p.m_freq[slot] = 0x7E7D00u + static_cast<uint32_t>(i * 10 + s);
        }
        p.UpdateGroupCount(0);
        p.UpdateGroupCount(1);
    }
    return book;
}

}  // namespace testing_support
