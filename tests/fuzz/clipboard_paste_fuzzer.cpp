#include "tests/fuzz/fuzz_bodies.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzing::FuzzClipboardPaste(data, size);
    return 0;
}
