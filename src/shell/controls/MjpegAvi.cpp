#include "shell/controls/MjpegAvi.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string_view>

namespace {

constexpr int MaxListDepth = 4;
constexpr std::uint32_t MaxMicrosPerFrame = 10'000'000;

struct Chunk {
    std::string_view id;
    std::size_t body = 0;  // offset of the first byte after the 8-byte header
    std::size_t size = 0;  // bytes of the body actually present in the image
    bool complete = false; // the image holds the whole body the header claims
};

std::uint32_t readU32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

bool isMotionJpeg(std::string_view code) {
    return code == "MJPG" || code == "mjpg";
}
} // namespace

class MjpegAvi::Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size, MjpegAvi& avi)
        : data_(data), size_(size), avi_(avi) {}

    void run() {
        if (size_ < 12 || tag(0) != "RIFF" || tag(8) != "AVI ") {
            avi_.error_ = "not an AVI file";
            return;
        }
        const std::size_t end =
            std::min<std::uint64_t>(size_, 8 + std::uint64_t(readU32(data_ + 4)));
        walk(12, end, [this](const Chunk& c) { topLevel(c); });
        if (!motionJpeg_) {
            avi_.frames_.clear();
            avi_.error_ = "no motion-JPEG video stream";
        } else if (avi_.frames_.empty()) {
            avi_.error_ = "no frame";
        }
    }

private:
    std::string_view tag(std::size_t offset) const {
        return {reinterpret_cast<const char*>(data_ + offset), 4};
    }

    // Calls visit for each chunk between begin and end, stopping at the first incomplete one.
    void walk(std::size_t begin, std::size_t end, const std::function<void(const Chunk&)>& visit) {
        std::size_t at = begin;
        while (at + 8 <= end) {
            const std::uint64_t claimed = readU32(data_ + at + 4);
            const std::size_t body = at + 8;
            Chunk chunk{tag(at), body, std::size_t(std::min<std::uint64_t>(claimed, end - body)),
                        claimed <= end - body};
            visit(chunk);
            if (!chunk.complete)
                return;
            at = std::size_t(body + claimed + (claimed & 1));
        }
    }

    void walkList(const Chunk& list, const std::function<void(const Chunk&)>& visit) {
        if (depth_ >= MaxListDepth || list.size < 4)
            return;
        ++depth_;
        walk(list.body + 4, list.body + list.size, visit);
        --depth_;
    }

    std::string_view listType(const Chunk& c) const {
        return c.id == "LIST" && c.size >= 4 ? tag(c.body) : std::string_view();
    }

    void topLevel(const Chunk& c) {
        const std::string_view type = listType(c);
        if (type == "hdrl")
            walkList(c, [this](const Chunk& inner) { header(inner); });
        else if (type == "movi")
            walkList(c, [this](const Chunk& inner) { movie(inner); });
    }

    void header(const Chunk& c) {
        if (c.id == "avih" && c.size >= 40) {
            const std::uint32_t micros = readU32(data_ + c.body);
            avi_.microsPerFrame_ =
                micros == 0 ? DefaultMicrosPerFrame : std::min(micros, MaxMicrosPerFrame);
            avi_.width_ = int(std::min<std::uint32_t>(readU32(data_ + c.body + 32), 1 << 15));
            avi_.height_ = int(std::min<std::uint32_t>(readU32(data_ + c.body + 36), 1 << 15));
        } else if (listType(c) == "strl") {
            walkList(c, [this](const Chunk& inner) { stream(inner); });
            ++streamCount_;
        }
    }

    void stream(const Chunk& c) {
        if (videoStream_ >= 0 && videoStream_ != streamCount_)
            return;
        if (c.id == "strh" && c.size >= 8 && tag(c.body) == "vids") {
            videoStream_ = streamCount_;
            motionJpeg_ = motionJpeg_ || isMotionJpeg(tag(c.body + 4));
        }
        if (c.id == "strf" && c.size >= 20)
            motionJpeg_ = motionJpeg_ || isMotionJpeg(tag(c.body + 16));
    }

    void movie(const Chunk& c) {
        if (listType(c) == "rec ") {
            walkList(c, [this](const Chunk& inner) { movie(inner); });
            return;
        }
        if (!c.complete || !isVideoFrame(c.id))
            return;
        if (c.size > 0)
            avi_.frames_.push_back({c.body, c.size});
        else if (!avi_.frames_.empty()) // an empty frame repeats the one before
            avi_.frames_.push_back(avi_.frames_.back());
    }

    bool isVideoFrame(std::string_view id) const {
        const int stream = std::max(videoStream_, 0);
        const char number[2] = {char('0' + stream / 10 % 10), char('0' + stream % 10)};
        return id.substr(0, 2) == std::string_view(number, 2) &&
               (id.substr(2) == "dc" || id.substr(2) == "db");
    }

    const std::uint8_t* data_;
    std::size_t size_;
    MjpegAvi& avi_;
    int depth_ = 0;
    int streamCount_ = 0;
    int videoStream_ = -1;
    bool motionJpeg_ = false;
};

MjpegAvi MjpegAvi::parse(const std::uint8_t* data, std::size_t size) {
    MjpegAvi avi;
    Reader(data, size, avi).run();
    return avi;
}
