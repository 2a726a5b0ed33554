#include "upload/time_left.h"

#include <cmath>

#include "devlink/frame_layout.h"

namespace upload {

namespace {

// Less than this tells too little of the pace: a figure that jumps about is worse than none.
constexpr auto kMinElapsed = std::chrono::seconds(1);
constexpr int32_t kMinPacedBlocks = 4;

}  // namespace

std::optional<std::chrono::seconds> EstimateTimeLeft(int32_t sent, int32_t total,
                                                     std::chrono::steady_clock::duration elapsed) {
    const int64_t paced = int64_t{sent} - devlink::kBlockSize;
    if (elapsed < kMinElapsed || paced < int64_t{kMinPacedBlocks} * devlink::kBlockSize ||
        sent > total) {
        return std::nullopt;
    }
    // The final block is not in 'sent' and waits for an acknowledgement like the others.
    const int64_t left = int64_t{total} - sent;
    const double seconds = std::chrono::duration<double>(elapsed).count() *
                           static_cast<double>(left) / static_cast<double>(paced);
    return std::chrono::seconds(static_cast<int64_t>(std::ceil(seconds)));
}

}  // namespace upload
