// A template handed over as a stream, as Explorer hands it to the thumbnail and preview handlers.
#pragma once
#include <objidl.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zelt::icon {

// Reads the stream whole from its current position, failing (with the bytes emptied) past maxBytes
// or on a read error. The name is the stream's own (in UTF-8, empty when it has none): it chooses
// the palette.
bool ReadStreamBytes(IStream* stream, int64_t maxBytes, std::vector<uint8_t>& bytes, std::string& name);

// The template a handler is initialised with, once: IInitializeWithStream::Initialize of both handlers.
struct StreamTemplate {
    bool initialized = false;
    std::vector<uint8_t> bytes;
    std::string name;
};

// Takes the stream's bytes into `file`. A stream too long or unreadable leaves no bytes, so the
// picture is refused later; a second call fails as the interface asks.
HRESULT InitializeFromStream(IStream* stream, int64_t maxBytes, StreamTemplate& file);

}  // namespace zelt::icon
