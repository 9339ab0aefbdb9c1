#include "views/rowtable.h"

#include <algorithm>
#include <array>

#include "base/rounding.h"
#include "base/settings.h"
#include "model/displayedlist.h"

namespace quillmap {

namespace {

int32_t Clamp32(int64_t value) { return static_cast<int32_t>(std::min<int64_t>(value, INT32_MAX)); }

}  // namespace

void rowtable::SetHeights(int32_t lineheight, int32_t fieldline) {
    lineheight_ = lineheight;
    fieldline_ = fieldline;
}

void rowtable::Build(cont& root, int32_t documentlength, int32_t columncount) {
    documentlength_ = documentlength;
    columncount_ = std::max(1, columncount);
    heights_.resize(256);
    rowcounts_.resize(heights_.size());
    for (size_t length = 0; length < heights_.size(); ++length) {
        heights_[length] = FieldHeight(static_cast<int32_t>(length), columncount_, lineheight_);
        rowcounts_[length] = RowsOfExtent(static_cast<int64_t>(length));
    }
    std::vector<shownpart> parts;
    root.CollectShown(false, parts);
    segments_.clear();
    marks_.clear();
    entrycount_ = 0;
    WalkDisplayed(parts, documentlength, [&](const shownpart& part, int32_t start) {
        segment made;
        made.field = part.field;
        made.run = part.run;
        made.firstentry = entrycount_;
        if (part.run) made.count = part.run->ChildCount() - part.run->ObjectCount();
        made.at.start = start;
        entrycount_ += made.count;
        segments_.push_back(made);
    });
    // Lines are counted until the first entry that starts at or past the end of the document:
    // that empty entry keeps the one row after them.
    entryplace at;
    for (size_t k = 0; k < segments_.size(); ++k) {
        segment& s = segments_[k];
        at.start = s.at.start;
        s.at = at;
        const bool last = k + 1 == segments_.size();
        const int32_t next = last ? documentlength_ : segments_[k + 1].at.start;
        if (!s.run) {
            const int32_t extent = last ? documentlength_ + 1 - at.start : s.field ? s.field->Length() : next - at.start;
            const int32_t height = s.field ? s.field->Height() : GapHeight(RowsOfExtent(extent));
            at = After(at, next, extent, height);
            continue;
        }
        s.firstmark = static_cast<int32_t>(marks_.size());
        MeasureRun(s, at);
        if ((s.count - 1) % Spacing == 0) marks_.push_back(at);
        const int32_t length = RunLength(s, s.count - 1);
        at = After(at, next, last ? int64_t(documentlength_) + 1 - at.start : length, HeightOfLength(length));
    }
    // Starts never decrease, so an entry at or past the end is the last one.
    const bool emptyend = entrycount_ > 0 && Start(entrycount_ - 1) >= documentlength_;
    lastline_ = emptyend ? at.firstline : std::max(at.firstline - 1, 0);
    endtop_ = at.top;
}

void rowtable::Remeasure() {
    int64_t shift = 0;
    for (size_t k = 0; k < segments_.size(); ++k) {
        segment& s = segments_[k];
        const int64_t top = s.at.top;
        s.at.top += shift;
        if (s.run) {
            const auto first = marks_.begin() + s.firstmark;
            if (shift != 0)
                for (auto mark = first; mark != first + (s.count + Spacing - 1) / Spacing; ++mark) mark->top += shift;
            continue;
        }
        if (!s.field) continue;
        const int64_t nexttop = k + 1 < segments_.size() ? segments_[k + 1].at.top : endtop_;
        shift += s.field->CalcHeight() - (nexttop - top - fieldline_);
    }
    endtop_ += shift;
}

void rowtable::MeasureRun(const segment& run, entryplace& at) {
    // Millions of entries pass here on every change of the tree: lengths come in batches and
    // each step is a few additions, as After would make them.
    std::array<int32_t, 64 * Spacing> lengths;
    int64_t start = at.start, line = at.firstline, top = at.top;
    for (int32_t from = 0; from + 1 < run.count; from += int32_t(lengths.size())) {
        const int32_t count = std::min(int32_t(lengths.size()), run.count - 1 - from);
        run.run->Run()->ReadLengths(from, count, lengths.data());
        for (int32_t k = 0; k < count; ++k) {
            if (k % Spacing == 0) marks_.push_back({int32_t(start), Clamp32(line), top});
            const int32_t length = lengths[size_t(k)];
            if (start < documentlength_) line += RowsOfLength(length);
            top += HeightOfLength(length) + fieldline_;
            start += length;
        }
    }
    at = {int32_t(start), Clamp32(line), top};
}

rowtable::entryplace rowtable::After(const entryplace& at, int32_t next, int64_t extent, int32_t height) const {
    entryplace after;
    after.start = next;
    after.firstline = at.start < documentlength_ ? Clamp32(int64_t(at.firstline) + RowsOfExtent(extent)) : at.firstline;
    after.top = at.top + height + fieldline_;
    return after;
}

rowtable::entryplace rowtable::NextInRun(const segment& run, int32_t index, const entryplace& at) const {
    const int32_t length = RunLength(run, index);
    return After(at, at.start + length, length, HeightOfLength(length));
}

int32_t rowtable::HeightOfLength(int32_t length) const {
    return static_cast<uint32_t>(length) < heights_.size() ? heights_[size_t(length)]
                                                           : FieldHeight(length, columncount_, lineheight_);
}

int32_t rowtable::RunLength(const segment& run, int32_t index) const { return run.run->Run()->LengthOf(index); }

int32_t rowtable::RowsOfLength(int32_t length) const {
    return static_cast<uint32_t>(length) < rowcounts_.size() ? rowcounts_[size_t(length)] : RowsOfExtent(length);
}

int32_t rowtable::RowsOfExtent(int64_t extent) const {
    return Clamp32((std::max<int64_t>(extent, 0) + columncount_ - 1) / columncount_);
}

int32_t rowtable::GapHeight(int32_t rows) const {
    const double lineheight = lineheight_;
    return RoundHalfEven(rows * lineheight + lineheight * 2 * Settings().FieldDist);
}

rowtable::located rowtable::Locate(int32_t entry) const {
    if (segments_.empty()) return {};
    const auto after = std::upper_bound(segments_.begin(), segments_.end(), entry,
                                        [](int32_t at, const segment& s) { return at < s.firstentry; });
    const segment& s = *std::prev(after);
    if (!s.run) return {&s, 0, s.at};
    const int32_t index = entry - s.firstentry;
    int32_t j = index / Spacing * Spacing;
    entryplace at = marks_[static_cast<size_t>(s.firstmark + index / Spacing)];
    for (; j < index; ++j) at = NextInRun(s, j, at);
    return {&s, index, at};
}

template <class Key>
int32_t rowtable::LastEntryAtOrBefore(int64_t value, Key key) const {
    const auto after = std::upper_bound(segments_.begin(), segments_.end(), value,
                                        [&](int64_t at, const segment& s) { return at < key(s.at); });
    if (after == segments_.begin()) return 0;
    const segment& s = *std::prev(after);
    if (!s.run) return s.firstentry;
    const auto first = marks_.begin() + s.firstmark;
    const auto mark = std::prev(std::upper_bound(first, first + (s.count + Spacing - 1) / Spacing, value,
                                                 [&](int64_t at, const entryplace& p) { return at < key(p); }));
    int32_t j = static_cast<int32_t>(mark - first) * Spacing;
    entryplace at = *mark;
    while (j + 1 < s.count) {
        const entryplace next = NextInRun(s, j, at);
        if (key(next) > value) break;
        at = next;
        ++j;
    }
    return s.firstentry + j;
}

pole* rowtable::Field(int32_t entry) const {
    const located place = Locate(entry);
    if (!place.in) return nullptr;
    if (!place.in->run) return place.in->field;
    return &place.in->run->Child(place.in->run->ObjectCount() + place.index);
}

int32_t rowtable::FieldLength(const located& place) const {
    return place.in->run ? RunLength(*place.in, place.index) : place.in->field->Length();
}

int32_t rowtable::Extent(int32_t entry) const { return ExtentAt(Locate(entry), entry); }

int32_t rowtable::ExtentAt(const located& place, int32_t entry) const {
    if (entry + 1 == EntryCount()) return documentlength_ + 1 - place.at.start;
    if (place.in->run || place.in->field) return FieldLength(place);
    return (place.in + 1)->at.start - place.at.start;
}

std::vector<const cont*> rowtable::Runs() const {
    std::vector<const cont*> runs;
    for (const segment& s : segments_)
        if (s.run) runs.push_back(s.run);
    return runs;
}

int32_t rowtable::Rows(int32_t entry) const { return RowsOfExtent(Extent(entry)); }

int32_t rowtable::BlockHeight(int32_t entry) const {
    const located place = Locate(entry);
    if (place.in->run) return HeightOfLength(RunLength(*place.in, place.index));
    if (place.in->field) return place.in->field->Height();
    return GapHeight(RowsOfExtent(ExtentAt(place, entry)));
}

int64_t rowtable::BlockTop(int32_t entry) const { return entry >= EntryCount() ? endtop_ : Locate(entry).at.top; }

int32_t rowtable::EntryAtHeight(int64_t height) const {
    return LastEntryAtOrBefore(height, [](const entryplace& p) { return p.top; });
}

lineplace rowtable::PlaceOfLine(int32_t line) const {
    if (segments_.empty()) return {};
    const int32_t entry = LastEntryAtOrBefore(line, [](const entryplace& p) { return int64_t(p.firstline); });
    return {entry, std::max(0, line - FirstLine(entry))};
}

int32_t rowtable::EntryAt(int32_t position) const {
    return LastEntryAtOrBefore(position, [](const entryplace& p) { return int64_t(p.start); });
}

std::string rowtable::GetLine(int32_t line, std::span<const uint8_t> bytes) const {
    if (segments_.empty()) return {};
    const lineplace place = PlaceOfLine(line);
    const located at = Locate(place.entry);
    const int64_t start = at.at.start;
    const int64_t from = start + int64_t(place.row) * columncount_;
    const int64_t entryend = start + (at.in->run || at.in->field ? FieldLength(at) : ExtentAt(at, place.entry));
    const int64_t to = std::min({from + columncount_, entryend, int64_t(bytes.size())});
    if (from >= to) return {};
    return std::string(reinterpret_cast<const char*>(bytes.data()) + from, static_cast<size_t>(to - from));
}

}  // namespace quillmap
