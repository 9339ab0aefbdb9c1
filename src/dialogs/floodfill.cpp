#include "dialogs/floodfill.h"

#include <vector>

namespace quillmap {

void FloodFill(std::span<uint32_t> pixels, platform::extent size, platform::point start, uint32_t border,
               uint32_t fill) {
    if (size.width <= 0 || size.height <= 0) return;
    const size_t width = static_cast<size_t>(size.width);
    if (pixels.size() / width < static_cast<size_t>(size.height)) return;
    const platform::rect whole{0, 0, size.width, size.height};
    // Pixels already of the fill colour are passed through like any other, so the reached ones
    // are marked apart; the pending ones wait on a stack of our own, whatever the region's shape.
    std::vector<bool> reached(width * static_cast<size_t>(size.height));
    std::vector<platform::point> pending;
    const auto visit = [&](platform::point p) {
        if (!whole.Contains(p)) return;
        const size_t at = static_cast<size_t>(p.y) * width + static_cast<size_t>(p.x);
        if (reached[at] || pixels[at] == border) return;
        reached[at] = true;
        pending.push_back(p);
    };
    visit(start);
    while (!pending.empty()) {
        const platform::point p = pending.back();
        pending.pop_back();
        pixels[static_cast<size_t>(p.y) * width + static_cast<size_t>(p.x)] = fill;
        visit({p.x + 1, p.y});
        visit({p.x - 1, p.y});
        visit({p.x, p.y + 1});
        visit({p.x, p.y - 1});
    }
}

}  // namespace quillmap
