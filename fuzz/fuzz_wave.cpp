// libFuzzer target for the wave reader: any bytes, read as a wave file image, must neither
// crash nor read out of bounds, and a parse that succeeds must describe data inside the image.
#include "sound/WaveFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView image(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto chunks = parseWave(image);
    if (!chunks)
        return 0;
    if (chunks->format.blockAlign == 0 || chunks->dataOffset < 12 || chunks->dataSize < 0 ||
        chunks->dataOffset + chunks->dataSize > image.size())
        std::abort();
    // Touch every data byte, the way the studio reads samples.
    volatile unsigned sum = 0;
    for (qsizetype i = 0; i < chunks->dataSize; i += chunks->format.blockAlign)
        sum = sum + quint8(image[chunks->dataOffset + i]);
    if (divideHalfEven(chunks->dataSize, chunks->format.blockAlign) < 0)
        std::abort();
    return 0;
}
