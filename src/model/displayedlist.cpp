#include "model/displayedlist.h"

namespace quillmap {

std::vector<displayentry> BuildDisplayedEntries(std::span<pole* const> visible, int32_t documentlength) {
    std::vector<displayentry> entries;
    entries.reserve(visible.size() + 2);
    const int32_t firststart = visible.empty() ? documentlength : visible.front()->Start();
    if (firststart > 0) entries.push_back({nullptr, 0});
    for (size_t i = 0; i < visible.size(); ++i) {
        pole* field = visible[i];
        entries.push_back({field, field->Start()});
        const int32_t next = i + 1 < visible.size() ? visible[i + 1]->Start() : documentlength;
        if (field->End() < next) entries.push_back({nullptr, field->End()});
    }
    return entries;
}

int32_t EntryLength(std::span<const displayentry> entries, size_t index, int32_t documentlength) {
    const displayentry& entry = entries[index];
    if (entry.field) return entry.field->Length();
    const int32_t next = index + 1 < entries.size() ? entries[index + 1].start : documentlength;
    return next - entry.start;
}

}  // namespace quillmap
