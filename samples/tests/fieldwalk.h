#pragma once

// A stand-in for the program's walk over the GIF fields (services 17 and 18), as
// sdk/quillmap_plugin.h describes it, over a field tree the test makes in any shape. The stop
// flag is not modelled: the sample plug-ins never set it.
#include <cstdint>
#include <functional>
#include <vector>

#include "quillmap_plugin.h"

namespace samples::testing {

struct field {
    qm_serial serial = 0;
    uint32_t start = 0;
    uint32_t length = 0;
    std::vector<field> children;  // a container when not empty
};

class fieldwalk {
public:
    // The callback's five arguments; in the reading walk *count and *bytes are only read.
    using visitor = std::function<void(qm_serial, qm_cell*, const uint8_t**, qm_cell* descend)>;

    fieldwalk(std::vector<uint8_t> bytes, field root) : bytes_(std::move(bytes)), root_(std::move(root)) {}

    void Read(const visitor& visit) { Level(root_, visit, nullptr); }
    // The new document.
    std::vector<uint8_t> Rewrite(const visitor& visit) {
        std::vector<uint8_t> out;
        Level(root_, visit, &out);
        return out;
    }
    // Pieces that were not containers but had *descend set.
    int leafdescents() const { return leafdescents_; }

private:
    void Offer(const field* piece, uint32_t start, uint32_t length, const visitor& visit, std::vector<uint8_t>* out);
    void Level(const field& parent, const visitor& visit, std::vector<uint8_t>* out);

    std::vector<uint8_t> bytes_;
    field root_;
    int leafdescents_ = 0;
};

}  // namespace samples::testing
