#include "support/gifwalk.h"

namespace quillmap::testing {
namespace {

// A cursor that never reads past the end: a failed read leaves it unmoved and says so.
class cursor {
public:
    explicit cursor(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    size_t Position() const { return at_; }
    size_t Left() const { return bytes_.size() - at_; }
    bool Byte(uint8_t& value) {
        if (Left() < 1) return false;
        value = bytes_[at_++];
        return true;
    }
    bool Word(uint16_t& value) {
        if (Left() < 2) return false;
        value = uint16_t(bytes_[at_] | bytes_[at_ + 1] << 8);
        at_ += 2;
        return true;
    }
    bool Take(size_t n, std::span<const uint8_t>& out) {
        if (Left() < n) return false;
        out = bytes_.subspan(at_, n);
        at_ += n;
        return true;
    }

private:
    std::span<const uint8_t> bytes_;
    size_t at_ = 0;
};

// A colour map of 2^(size + 1) entries; a short file gives the whole colours it has.
bool ReadMap(cursor& c, uint8_t sizebits, std::vector<rgb>& map) {
    const size_t entries = size_t(1) << ((sizebits & 7) + 1);
    map.clear();
    for (size_t i = 0; i < entries; ++i) {
        std::span<const uint8_t> triple;
        if (!c.Take(3, triple)) return false;
        map.push_back(rgb{triple[0], triple[1], triple[2]});
    }
    return true;
}

// Sub-blocks up to the zero-size one. Each pass consumes at least its size byte, so the loop
// ends with the bytes.
bool ReadSubBlocks(cursor& c, std::vector<uint8_t>* sink, std::vector<uint8_t>* first) {
    bool isfirst = true;
    for (;;) {
        uint8_t size = 0;
        if (!c.Byte(size)) return false;
        if (size == 0) return true;
        std::span<const uint8_t> block;
        if (!c.Take(size, block)) {
            // Keep what is there, as a reader of a truncated file would see it.
            c.Take(c.Left(), block);
            if (sink) sink->insert(sink->end(), block.begin(), block.end());
            return false;
        }
        if (sink) sink->insert(sink->end(), block.begin(), block.end());
        if (first && isfirst) first->assign(block.begin(), block.end());
        isfirst = false;
    }
}

}  // namespace

gifwalkresult WalkGif(std::span<const uint8_t> bytes) {
    gifwalkresult r;
    cursor c(bytes);
    std::span<const uint8_t> signature;
    if (!c.Take(6, signature)) {
        r.stop = "no header";
        return r;
    }
    const std::string sig(signature.begin(), signature.end());
    if (sig != "GIF87a" && sig != "GIF89a") {
        r.stop = "not a GIF signature";
        return r;
    }
    uint8_t background = 0, aspect = 0;
    if (!c.Word(r.screenwidth) || !c.Word(r.screenheight) || !c.Byte(r.screenflags) ||
        !c.Byte(background) || !c.Byte(aspect)) {
        r.stop = "truncated screen descriptor";
        return r;
    }
    r.header = true;
    if (r.hasglobalmap() && !ReadMap(c, r.screenflags, r.globalmap)) {
        r.stop = "truncated global map";
        return r;
    }

    int32_t pendingtransparent = -1;
    // Each pass consumes at least the introducer byte.
    for (;;) {
        const size_t start = c.Position();
        uint8_t introducer = 0;
        if (!c.Byte(introducer)) {
            r.stop = "end of file before the trailer";
            return r;
        }
        if (introducer == 0x3B) {
            r.trailer = true;
            return r;
        }
        if (introducer == 0x21) {
            uint8_t label = 0;
            if (!c.Byte(label)) {
                r.stop = "truncated extension";
                return r;
            }
            std::vector<uint8_t> first;
            if (!ReadSubBlocks(c, nullptr, &first)) {
                r.stop = "truncated extension";
                return r;
            }
            if (label == 0xF9) {
                pendingtransparent = first.size() >= 4 && (first[0] & 1) ? first[3] : -1;
            } else if (label == 0x01) {
                pendingtransparent = -1;  // the plain text takes the control extension before it
            }
            continue;
        }
        if (introducer != 0x2C) {
            r.stop = "unknown block introducer " + std::to_string(introducer) + " at " + std::to_string(start);
            return r;
        }
        gifimageblock image;
        image.offset = start;
        image.transparent = pendingtransparent;
        pendingtransparent = -1;
        if (!c.Word(image.left) || !c.Word(image.top) || !c.Word(image.width) || !c.Word(image.height) ||
            !c.Byte(image.flags)) {
            r.stop = "truncated image descriptor";
            return r;
        }
        if (image.haslocalmap() && !ReadMap(c, image.flags, image.localmap)) {
            r.images.push_back(std::move(image));
            r.stop = "truncated local map";
            return r;
        }
        if (!c.Byte(image.codesizebyte)) {
            r.images.push_back(std::move(image));
            r.stop = "truncated before the code size";
            return r;
        }
        image.terminated = ReadSubBlocks(c, &image.data, nullptr);
        r.images.push_back(std::move(image));
        if (!r.images.back().terminated) {
            r.stop = "truncated image data";
            return r;
        }
    }
}

}  // namespace quillmap::testing
