// libFuzzer entry for the hotspot file reader.
#include "shell/controls/HotspotMap.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const HotspotMap map =
        HotspotMap::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& shape : map.shapes()) {
        if (shape.index < 0 || shape.index > HotspotMap::MaxIndex || shape.points.size() < 2)
            std::abort();
    }
    if (!map.empty() && !map.error().empty())
        std::abort();
    for (int y = -5; y < 300; y += 37)
        for (int x = -5; x < 300; x += 41)
            map.indexAt(x + 0.5, y + 0.5);
    return 0;
}
