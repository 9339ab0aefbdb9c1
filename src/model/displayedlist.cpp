#include "model/displayedlist.h"

namespace quillmap {

namespace {

int32_t StartOf(const shownpart& part) {
    return part.field ? part.field->Start() : part.run->ChildStart(part.run->ObjectCount());
}

int32_t EndOf(const shownpart& part) {
    return part.field ? part.field->End() : part.run->ChildEnd(part.run->ChildCount() - 1);
}

}  // namespace

void WalkDisplayed(std::span<const shownpart> parts, int32_t documentlength, const displayedvisit& visit) {
    const int32_t firststart = parts.empty() ? documentlength : StartOf(parts.front());
    if (firststart > 0) visit({}, 0);
    for (size_t i = 0; i < parts.size(); ++i) {
        visit(parts[i], StartOf(parts[i]));
        const int32_t end = EndOf(parts[i]);
        const int32_t next = i + 1 < parts.size() ? StartOf(parts[i + 1]) : documentlength;
        if (end < next) visit({}, end);
    }
}

std::vector<displayentry> BuildDisplayedEntries(std::span<pole* const> visible, int32_t documentlength) {
    std::vector<shownpart> parts;
    parts.reserve(visible.size());
    for (pole* field : visible) parts.push_back({field, nullptr});
    std::vector<displayentry> entries;
    entries.reserve(visible.size() + 2);
    WalkDisplayed(parts, documentlength,
                  [&](const shownpart& part, int32_t start) { entries.push_back({part.field, start}); });
    return entries;
}

int32_t EntryLength(std::span<const displayentry> entries, size_t index, int32_t documentlength) {
    const displayentry& entry = entries[index];
    if (entry.field) return entry.field->Length();
    const int32_t next = index + 1 < entries.size() ? entries[index + 1].start : documentlength;
    return next - entry.start;
}

}  // namespace quillmap
