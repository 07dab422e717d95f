#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The frames of a motion-JPEG AVI file: where each JPEG picture lies in the file image, and
// how fast the frames follow each other. Plain C++ so that it can be fuzzed on its own.
//
// The frames are found by walking the 'movi' list, so the optional 'idx1' index is not needed
// and a wrong index cannot mislead the reader. No size in the file is trusted: a chunk that
// claims more bytes than the file holds ends the walk, and its partial frame is dropped.
class MjpegAvi {
public:
    struct Frame {
        std::size_t offset = 0; // first byte of the JPEG picture in the file image
        std::size_t size = 0;
    };

    static constexpr std::uint32_t DefaultMicrosPerFrame = 100000;

    // Reads a file image. The frames refer to bytes of that image, which the caller keeps.
    static MjpegAvi parse(const std::uint8_t* data, std::size_t size);

    bool empty() const { return frames_.empty(); }
    int frameCount() const { return static_cast<int>(frames_.size()); }
    const std::vector<Frame>& frames() const { return frames_; }
    // Time between two frames, from the main header (a default when the header gives 0).
    std::uint32_t microsPerFrame() const { return microsPerFrame_; }
    int width() const { return width_; }
    int height() const { return height_; }
    const std::string& error() const { return error_; }

private:
    class Reader;
    std::vector<Frame> frames_;
    std::uint32_t microsPerFrame_ = DefaultMicrosPerFrame;
    int width_ = 0;
    int height_ = 0;
    std::string error_;
};
