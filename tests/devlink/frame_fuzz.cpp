// libFuzzer target: arbitrary line bytes through reassembly and the device link's reply
// handling, whole and in pieces.
#include "tests/fuzz/fuzz_bodies.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::FuzzLineBytes(data, size);
    return 0;
}
