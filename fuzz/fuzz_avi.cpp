// libFuzzer entry for the motion-JPEG AVI reader.
#include "shell/controls/MjpegAvi.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const MjpegAvi avi = MjpegAvi::parse(data, size);
    volatile std::uint8_t sum = 0;
    for (const auto& frame : avi.frames()) {
        if (frame.size == 0 || frame.offset > size || frame.size > size - frame.offset)
            std::abort();
        sum = sum + data[frame.offset] + data[frame.offset + frame.size - 1];
    }
    if (avi.microsPerFrame() == 0 || avi.width() < 0 || avi.height() < 0)
        std::abort();
    return 0;
}
