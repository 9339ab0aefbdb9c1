#include "views/rowtable.h"

#include <algorithm>

#include "model/displayedlist.h"

namespace quillmap {

void rowtable::Build(cont& root, int32_t documentlength, int32_t columncount) {
    documentlength_ = documentlength;
    columncount_ = std::max(1, columncount);
    std::vector<pole*> visible;
    root.CollectVisible(false, visible);
    const std::vector<displayentry> entries = BuildDisplayedEntries(visible, documentlength);
    fields_.resize(entries.size());
    starts_.resize(entries.size());
    for (size_t k = 0; k < entries.size(); ++k) {
        fields_[k] = entries[k].field;
        starts_[k] = entries[k].start;
    }
    // Lines are counted until the first entry that starts at or past the end of the document:
    // that empty entry keeps the one row after them.
    firstlines_.resize(entries.size());
    int64_t line = 0;
    bool emptyend = false;
    for (int32_t k = 0; k < EntryCount(); ++k) {
        firstlines_[k] = static_cast<int32_t>(std::min<int64_t>(line, INT32_MAX));
        if (!emptyend && starts_[k] >= documentlength_) emptyend = true;
        if (!emptyend) line += Rows(k);
    }
    lastline_ = static_cast<int32_t>(std::min<int64_t>(emptyend ? line : std::max<int64_t>(line - 1, 0), INT32_MAX));
}

int32_t rowtable::Extent(int32_t entry) const {
    if (entry + 1 == EntryCount()) return documentlength_ + 1 - starts_[entry];
    if (fields_[entry]) return fields_[entry]->Length();
    return starts_[entry + 1] - starts_[entry];
}

int32_t rowtable::Rows(int32_t entry) const {
    const int64_t extent = std::max(Extent(entry), 0);
    return static_cast<int32_t>((extent + columncount_ - 1) / columncount_);
}

lineplace rowtable::PlaceOfLine(int32_t line) const {
    if (fields_.empty()) return {};
    // The last entry whose first line is at or before the line.
    const auto after = std::upper_bound(firstlines_.begin(), firstlines_.end(), line);
    const int32_t entry = after == firstlines_.begin() ? 0 : static_cast<int32_t>(after - firstlines_.begin()) - 1;
    return {entry, std::max(0, line - firstlines_[entry])};
}

int32_t rowtable::EntryAt(int32_t position) const {
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), position);
    return after == starts_.begin() ? 0 : static_cast<int32_t>(after - starts_.begin()) - 1;
}

std::string rowtable::GetLine(int32_t line, std::span<const uint8_t> bytes) const {
    if (fields_.empty()) return {};
    const lineplace place = PlaceOfLine(line);
    const int64_t from = int64_t(starts_[place.entry]) + int64_t(place.row) * columncount_;
    const pole* field = fields_[place.entry];
    const int64_t entryend = field ? int64_t(field->Start()) + field->Length()
                                   : int64_t(starts_[place.entry]) + Extent(place.entry);
    const int64_t to = std::min({from + columncount_, entryend, int64_t(bytes.size())});
    if (from >= to) return {};
    return std::string(reinterpret_cast<const char*>(bytes.data()) + from, static_cast<size_t>(to - from));
}

}  // namespace quillmap
