#include "fieldwalk.h"

namespace samples::testing {

void fieldwalk::Offer(const field* piece, uint32_t start, uint32_t length, const visitor& visit,
                      std::vector<uint8_t>* out) {
    qm_cell count = static_cast<qm_cell>(length);
    const uint8_t* bytes = bytes_.data() + start;
    qm_cell descend = 0;
    visit(piece ? piece->serial : 0, &count, &bytes, &descend);
    if (!descend) {
        if (out) out->insert(out->end(), bytes, bytes + count);
    } else if (piece && !piece->children.empty()) {
        Level(*piece, visit, out);
    } else {
        ++leafdescents_;
        qm_cell none = 0;
        const uint8_t* nothing = nullptr;
        qm_cell again = 0;
        visit(0, &none, &nothing, &again);
    }
}

void fieldwalk::Level(const field& parent, const visitor& visit, std::vector<uint8_t>* out) {
    uint32_t at = parent.start;
    for (const field& child : parent.children) {
        if (child.start > at) Offer(nullptr, at, child.start - at, visit, out);
        Offer(&child, child.start, child.length, visit, out);
        at = child.start + child.length;
    }
    if (parent.start + parent.length > at) Offer(nullptr, at, parent.start + parent.length - at, visit, out);
    qm_cell none = 0;
    const uint8_t* nothing = nullptr;
    qm_cell descend = 0;
    visit(0, &none, &nothing, &descend);
}

}  // namespace samples::testing
