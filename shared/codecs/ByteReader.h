#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

namespace codecs {

// Bounds-checked reading of little- and big-endian values. Reading past the end sets the
// failed flag and gives zeros, so decoders check once after a block of reads.
class ByteReader {
  public:
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    size_t position() const { return pos_; }
    size_t remaining() const { return pos_ < bytes_.size() ? bytes_.size() - pos_ : 0; }
    bool failed() const { return failed_; }
    bool seek(size_t at) {
        if (at > bytes_.size())
            return fail();
        pos_ = at;
        return true;
    }
    bool skip(size_t n) { return seek(pos_ + n); }

    uint8_t u8() {
        if (pos_ >= bytes_.size()) {
            fail();
            return 0;
        }
        return bytes_[pos_++];
    }
    uint16_t u16le() {
        const uint16_t a = u8();
        return uint16_t(a | (u8() << 8));
    }
    uint16_t u16be() {
        const uint16_t a = u8();
        return uint16_t((a << 8) | u8());
    }
    uint32_t u32le() {
        const uint32_t a = u16le();
        return a | (uint32_t(u16le()) << 16);
    }
    uint32_t u32be() {
        const uint32_t a = u16be();
        return (a << 16) | u16be();
    }
    // A view of the next n bytes, or an empty one (and failed) when there are fewer.
    std::span<const uint8_t> take(size_t n) {
        if (n > remaining()) {
            fail();
            return {};
        }
        auto view = bytes_.subspan(pos_, n);
        pos_ += n;
        return view;
    }
    std::span<const uint8_t> rest() const { return bytes_.subspan(std::min(pos_, bytes_.size())); }

  private:
    bool fail() {
        failed_ = true;
        return false;
    }
    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
    bool failed_ = false;
};

// Size and depth as a file's header states them.
struct ImageHeader {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

// True when a picture of this size may be allocated at all.
bool isSaneSize(int64_t width, int64_t height);

} // namespace codecs
