#pragma once

#include <cstdint>

#include "model/pole.h"

namespace quillmap {

// A long tail of a container's children held compactly: what each field is follows from a few
// numbers and the bytes, and a field object is made only when somebody asks for one. The
// container keeps the objects it made until the run is cut back past them or told to forget.
// The placed fields of a run lie end to end, and none of them is a container.
class fieldrun {
public:
    virtual ~fieldrun() = default;

    // The fields of the run, laid out or waiting to be.
    virtual int32_t Count() const = 0;
    // The fields from the first that have places.
    virtual int32_t PlacedCount() const = 0;
    // The facts of a placed field, without making it.
    virtual int32_t StartOf(int32_t index) const = 0;
    virtual int32_t LengthOf(int32_t index) const = 0;
    // The lengths of count fields from index on, for walks over the whole run.
    virtual void ReadLengths(int32_t index, int32_t count, int32_t* lengths) const = 0;
    virtual uint32_t SerialOf(int32_t index) const = 0;
    // The field itself, the same object on every call until it is forgotten.
    virtual pole& Field(int32_t index) = 0;
    // The index of a field object made by the run, -1 for any other.
    virtual int32_t IndexOf(const pole& field) const = 0;
    // The first placed field ending after position; PlacedCount() when none does.
    virtual int32_t FirstEndingAfter(int32_t position) const = 0;
    // Fields from index on are laid out again, the first at start when it has no place.
    virtual void LayOutFrom(int32_t index, int32_t start) = 0;
    // After bytes [position, position + count) were overwritten: -1 when every field stays,
    // else the position from which the run must be parsed again.
    virtual int32_t Recheck(int32_t position, int32_t count) = 0;
    virtual void TruncateTo(int32_t count) = 0;
    // Fields from index on lose their places.
    virtual void UnplaceFrom(int32_t index) = 0;
    // Drops every field object made so far; nobody may hold one.
    virtual void Forget() = 0;
};

}  // namespace quillmap
