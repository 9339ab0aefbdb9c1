#include "model/pole.h"

#include <algorithm>
#include <cstring>

#include "base/rounding.h"
#include "base/settings.h"
#include "model/cont.h"
#include "model/fieldpool.h"
#include "model/fieldserial.h"

namespace quillmap {

int32_t HeightOfRows(int32_t rows, int32_t lineheight) {
    return RoundHalfEven(lineheight * (rows + 2 * Settings().FieldDist));
}

int32_t FieldHeight(int32_t length, int32_t columns, int32_t lineheight) {
    // An empty field still takes one row, whatever the column count.
    const int32_t rows = length > 0 ? (length - 1) / std::max(1, columns) + 1 : 1;
    return HeightOfRows(rows, lineheight);
}

pole::pole(fieldhost& view, cont* parent, fieldkind kind)
    : view_(&view), parent_(parent), serial_(TakeFieldSerial()), title_(""), description_(""), kind_(kind) {}

void* pole::operator new(std::size_t size) { return AllocateField(size); }

void pole::operator delete(void* field, std::size_t size) { ReleaseField(field, size); }

pole::~pole() {
    if (ownedtexts_ & OwnsTitle) delete[] title_;
    if (ownedtexts_ & OwnsDescription) delete[] description_;
}

void pole::SetStart(int32_t position) { start_ = position; }

int32_t pole::CalcHeight() {
    SetHeight(FieldHeight(length_, view_->ColumnCount(), view_->LineHeight()));
    return Height();
}

int32_t pole::HeightOfRows(int32_t rows) const { return quillmap::HeightOfRows(rows, view_->LineHeight()); }

int32_t pole::ItemCount() const { return 1; }

void pole::CollectShown(bool, std::vector<shownpart>& parts) {
    parts.push_back({this, nullptr});
    CalcHeight();
}

void pole::CollectVisible(bool force, std::vector<pole*>& list) {
    std::vector<shownpart> parts;
    CollectShown(force, parts);
    for (const shownpart& part : parts) {
        if (part.field) {
            list.push_back(part.field);
            continue;
        }
        for (int32_t i = part.run->ObjectCount(); i < part.run->ChildCount(); ++i) list.push_back(&part.run->Child(i));
    }
}

void pole::GetItem(int32_t index, int32_t& lines, std::string& text) const {
    lines = 0;
    text.clear();
    if (index < 0) return;
    text.append(Title()).append(". ").append(Description());
}

cont& pole::Root() {
    pole* top = this;
    while (top->parent_) top = top->parent_;
    // Only containers stand at the top of a tree.
    return static_cast<cont&>(*top);
}

void pole::SetTitle(fixedtext title) { Assign(title_, OwnsTitle, title.c_str(), {}); }
void pole::CopyTitle(std::string_view title) { Assign(title_, OwnsTitle, nullptr, title); }
void pole::SetDescription(fixedtext description) {
    Assign(description_, OwnsDescription, description.c_str(), {});
}
void pole::CopyDescription(std::string_view description) {
    Assign(description_, OwnsDescription, nullptr, description);
}

void pole::Assign(const char*& slot, uint8_t ownership, const char* text, std::string_view owned) {
    const char* replacement = text;
    if (!replacement) {
        char* copy = new char[owned.size() + 1];
        std::memcpy(copy, owned.data(), owned.size());
        copy[owned.size()] = '\0';
        replacement = copy;
    }
    if (ownedtexts_ & ownership) delete[] slot;
    slot = replacement;
    ownedtexts_ = text ? (ownedtexts_ & ~ownership) : (ownedtexts_ | ownership);
}

void pole::ReadBytes(int32_t position, int32_t n, uint8_t* destination) const {
    view_->ReadBytes(position, n, destination);
}

uint8_t pole::ByteAt(int32_t position) const {
    uint8_t byte = 0;
    view_->ReadBytes(position, 1, &byte);
    return byte;
}

uint32_t pole::ReadNumber(int32_t position, int32_t n) const {
    uint8_t bytes[4] = {};
    const int32_t count = std::clamp(n, 0, 4);
    view_->ReadBytes(position, count, bytes);
    uint32_t value = 0;
    for (int32_t i = count; i-- > 0;) value = (value << 8) | bytes[i];
    return value;
}

}  // namespace quillmap
