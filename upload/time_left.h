// The time an upload has left, from the pace at which the device has acknowledged it so far.
//
// Threads: a plain function.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

namespace upload {

// sent and total as the job counts them (the first block goes before any acknowledgement, so
// only what followed it tells the pace); elapsed since the job started. Nothing while the pace
// is not known well enough to be worth showing; whole seconds, rounded up, otherwise.
std::optional<std::chrono::seconds> EstimateTimeLeft(int32_t sent, int32_t total,
                                                     std::chrono::steady_clock::duration elapsed);

}  // namespace upload
