// What the fuzz targets do with one input, shared with the replay test that runs every kept input
// in the normal suite. Each aborts when an input breaks a property the code promises.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fuzzing {

// Loads the bytes as a document file; a book that loads must save and load back unchanged.
void FuzzBookLoad(const uint8_t* data, size_t size);

// Feeds the bytes to the frame reassembly and the device link's reply handling, whole and in two
// pieces (split where the first byte says): both must yield the same frames, and the link must
// take any of them.
void FuzzLineBytes(const uint8_t* data, size_t size);

// Imports the bytes as CSV; a book that imports must obey the editor's rules and come back
// unchanged through export and import.
void FuzzCsvImport(const uint8_t* data, size_t size);

// Pastes the bytes as Clipboard records and text: what is taken copies back unchanged.
void FuzzClipboardPaste(const uint8_t* data, size_t size);

}  // namespace fuzzing
