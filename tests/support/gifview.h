#pragma once

#include <cstdint>
#include <vector>

#include "platform/headless/headlesscanvas.h"
#include "platform/headless/headlesssystem.h"
#include "views/vwgif.h"

namespace quillmap::testing {

// The structure view of a document given as bytes, parsed, on the headless backend.
struct gifview {
    explicit gifview(const std::vector<uint8_t>& bytes) {
        view.AppendBytes(bytes.data(), static_cast<int32_t>(bytes.size()));
        view.ReparseAll();
    }
    platform::headlesscanvas canvas;
    platform::headlesssystem system;
    vwgif view{canvas, system};
};

}  // namespace quillmap::testing
