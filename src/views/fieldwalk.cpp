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
        // A run's fields are read from the run, never made.
        for (int32_t i = 0; i < container.ChildCount(); ++i) {
            const int32_t start = container.ChildStart(i);
            if (start < position) continue;  // not placed, or lying over bytes already walked
            if (start > position && !Entry({0, position, start - position})) return false;
            walkentry entry{container.ChildSerial(i), start, container.ChildEnd(i) - start};
            if (i < container.ObjectCount() && container.Child(i).IsContainer())
                entry.container = static_cast<const cont*>(&container.Child(i));
            if (!Entry(entry)) return false;
            position = std::max(position, entry.start + entry.length);
        }
        if (position < to && !Entry({0, position, to - position})) return false;
        return End();
    }

private:
    // A field or a gap. Asked to descend, a container's children follow; anything else, gaps
    // included, answers with an empty level.
    bool Entry(walkentry entry) {
        const int32_t start = entry.start;
        const int32_t length = entry.length;
        bool descend = false;
        if (!Visit(entry, descend)) return false;
        if (!descend) return true;
        if (!entry.container) return End();
        return Level(*entry.container, start, start + length);
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
