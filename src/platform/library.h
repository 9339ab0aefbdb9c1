#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillmap::platform {

// A dynamic library the program loaded (a skin or a plug-in); it is unloaded when this goes.
class library {
public:
    virtual ~library() = default;
    // The address the library exports under the name; null when it has none.
    virtual void* Entry(std::string_view name) const = 0;
    // A string resource read into a buffer of `capacity` characters: at most capacity - 1 of them,
    // up to its first zero character, in CP1251; empty when the library has no such string.
    virtual std::string String(uint32_t id, size_t capacity) const = 0;
};

}  // namespace quillmap::platform
