#include <cstdint>
#include <span>
#include <string>

#include "editor/template/TemplateFile.h"

// Any bytes: reading either fails with a reason or yields tiles that write back and read again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zelt::LoadedTemplate loaded;
    std::string error;
    if (!zelt::DecodeTemplate(std::span<const uint8_t>(data, size), loaded, error)) return 0;
    zelt::PrepareZData(loaded.tiles, loaded.cellW, loaded.cellH);
    std::vector<uint8_t> encoded;
    if (zelt::EncodeTemplate(loaded.tiles, loaded.cellW, loaded.cellH, {}, encoded, error)) {
        zelt::LoadedTemplate again;
        if (!zelt::DecodeTemplate(encoded, again, error)) __builtin_trap();
    }
    return 0;
}
