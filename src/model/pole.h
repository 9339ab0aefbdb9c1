#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/fieldhost.h"
#include "model/fieldstyle.h"
#include "model/fixedtext.h"

namespace quillmap {

class cont;
class pole;

// A displayed part of the tree: a field object, or every field of a container's run.
struct shownpart {
    pole* field = nullptr;
    const cont* run = nullptr;
};

// The drawn height of rows lines of codes with the margins above and below.
int32_t HeightOfRows(int32_t rows, int32_t lineheight);
// The drawn height of a field of length bytes: its rows of columns codes, at least one.
int32_t FieldHeight(int32_t length, int32_t columns, int32_t lineheight);

// The seven kinds of field; each field knows its own without a type query.
enum class fieldkind : uint8_t { danye, cont, cikl, signatura, flagi, waiter, counter };

// A field: a named extent of the document's bytes. Fields read the bytes through their view and
// never own them; they own only their texts (when not fixed) and, for containers, their children.
class pole {
public:
    pole(fieldhost& view, cont* parent, fieldkind kind);
    pole(const pole&) = delete;
    static void* operator new(std::size_t size);
    static void operator delete(void* field, std::size_t size);
    pole& operator=(const pole&) = delete;

    // Operations in the order of their slots.
    virtual void SetStart(int32_t position);
    virtual int32_t CalcHeight();
    virtual int32_t ItemCount() const;
    // After bytes [position, position + count) were overwritten: -1 when the structure stayed,
    // else the position from which it must be parsed again.
    virtual int32_t Recheck(int32_t position, int32_t count) = 0;
    virtual void Parse() = 0;
    // Appends the displayed parts of this subtree, each field measured; force opens every container.
    virtual void CollectShown(bool force, std::vector<shownpart>& parts);
    virtual void GetItem(int32_t index, int32_t& lines, std::string& text) const;
    virtual ~pole();

    fieldhost& View() const { return *view_; }
    cont* Parent() const { return parent_; }
    // The container at the top of this field's tree.
    cont& Root();

    int32_t Start() const { return start_; }
    int32_t Length() const { return length_; }
    int32_t End() const { return start_ + length_; }
    bool Placed() const { return start_ >= 0; }
    // Direct placement, without what SetStart does for a container's children.
    void MoveTo(int32_t position) { start_ = position; }
    void Unplace() { start_ = -1; }
    void SetLength(int32_t length) { length_ = length; }

    fieldkind Kind() const { return kind_; }
    bool IsContainer() const { return kind_ == fieldkind::cont || kind_ == fieldkind::cikl; }

    uint32_t Serial() const { return serial_; }
    // A field a run makes again answers to the serial the run gave it.
    void AdoptSerial(uint32_t serial) { serial_ = serial; }
    int32_t Height() const { return height_; }

    fieldstyle Style() const { return style_; }
    void SetStyle(fieldstyle style) { style_ = style; }

    std::string_view Title() const { return title_; }
    std::string_view Description() const { return description_; }
    void SetTitle(fixedtext title);
    // Copies a text made at run time.
    void CopyTitle(std::string_view title);
    void SetDescription(fixedtext description);
    void CopyDescription(std::string_view description);

    // Bytes of the document through the view: zeros outside it.
    void ReadBytes(int32_t position, int32_t n, uint8_t* destination) const;
    uint8_t ByteAt(int32_t position) const;
    // Little-endian unsigned number of up to four bytes.
    uint32_t ReadNumber(int32_t position, int32_t n) const;
    int32_t DocumentLength() const { return view_->DocumentLength(); }
    // The displayed fields of this subtree, those of runs made.
    void CollectVisible(bool force, std::vector<pole*>& list);

protected:
    // The drawn height of rows lines of codes with the margins above and below.
    int32_t HeightOfRows(int32_t rows) const;

    void SetHeight(int32_t height) { height_ = height; }

    int32_t start_ = -1;
    int32_t length_ = 0;

private:
    enum : uint8_t { OwnsTitle = 1, OwnsDescription = 2 };
    void Assign(const char*& slot, uint8_t ownership, const char* text, std::string_view owned);

    // Laid out to keep a field small: a document may hold millions of them.
    fieldhost* view_;
    cont* parent_;
    uint32_t serial_;
    int32_t height_ = 0;
    const char* title_;
    const char* description_;
    fieldstyle style_ = fieldstyle::none;
    uint8_t ownedtexts_ = 0;
    fieldkind kind_;
};

}  // namespace quillmap
