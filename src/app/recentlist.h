#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/statefile.h"

namespace quillmap {

// The files the user left, most recent first, each with the caret where it was; as many places
// as MaxRecentListLen, the unused ones empty at the end.
class recentlist {
public:
    recentlist(std::vector<std::string>& names, std::vector<recentposition>& positions)
        : names_(names), positions_(positions) {}

    // The place of the name, or none.
    std::optional<size_t> Find(std::string_view name) const;
    // The name goes first with its caret: from its old place, or from the last place, whose name
    // is dropped; the entries before that place move down one. Nothing without a name.
    void Remember(const std::string& name, recentposition caret);
    // The entry goes; the later ones move up and the last place becomes empty.
    void Remove(size_t index);
    // The names in use, which come before the empty places.
    size_t Count() const;

private:
    std::vector<std::string>& names_;
    std::vector<recentposition>& positions_;
};

}  // namespace quillmap
