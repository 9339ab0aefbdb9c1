#include "views/fieldwalk.h"

#include <algorithm>

namespace quillmap {

namespace {

class walker {
public:
    walker(int32_t documentlength, const walkvisitor& visit) : documentlength_(documentlength), visit_(visit) {}

    // Walks the children of one container over [from, to); false once the visitor stopped.
    bool Level(const cont& container, int32_t from, int32_t to) {
        to = std::min(to, documentlength_);
        int32_t position = from;
        for (int32_t i = 0; i < container.ChildCount(); ++i) {
            const pole& child = container.Child(i);
            if (child.Start() < position) continue;  // not placed, or lying over bytes already walked
            if (child.Start() > position && !Visit({0, position, child.Start() - position})) return false;
            if (!Field(child)) return false;
            position = std::max(position, child.Start() + child.Length());
        }
        if (position < to && !Visit({0, position, to - position})) return false;
        return End();
    }

private:
    bool Field(const pole& field) {
        walkentry entry{field.Serial(), field.Start(), field.Length()};
        if (field.IsContainer()) entry.container = static_cast<const cont*>(&field);
        bool descend = false;
        if (!Visit(entry, descend)) return false;
        if (!descend) return true;
        if (!entry.container) return End();
        return Level(*entry.container, field.Start(), field.Start() + field.Length());
    }

    bool Visit(walkentry entry) {
        bool descend = false;
        return Visit(entry, descend);
    }

    bool Visit(walkentry& entry, bool& descend) {
        // A truncated file's fields can claim bytes past its end; nobody is handed those.
        entry.start = std::clamp(entry.start, 0, documentlength_);
        entry.length = std::clamp(entry.length, 0, std::max(0, documentlength_ - entry.start));
        bool stop = false;
        visit_(entry, descend, stop);
        return !stop;
    }

    bool End() {
        walkentry end;
        end.levelend = true;
        bool descend = false;
        bool stop = false;
        visit_(end, descend, stop);
        return !stop;
    }

    int32_t documentlength_;
    const walkvisitor& visit_;
};

}  // namespace

void WalkFields(const cont& root, int32_t documentlength, const walkvisitor& visit) {
    walker(documentlength, visit).Level(root, 0, documentlength);
}

}  // namespace quillmap
