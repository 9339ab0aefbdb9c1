#include "platform/menu.h"

#include <algorithm>
#include <stdexcept>

namespace quillmap::platform {

menuitem::menuitem(std::string_view caption, std::string_view shortcut) : caption_(caption), shortcut_(shortcut) {}

menuitem::~menuitem() = default;

void menuitem::Changed() {
    if (parent_ != nullptr) parent_->Changed();
}

void menuitem::SetCaption(std::string_view caption) {
    caption_ = caption;
    Changed();
}

void menuitem::SetShortcut(std::string_view shortcut) {
    shortcut_ = shortcut;
    Changed();
}

void menuitem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Changed();
}

void menuitem::SetChecked(bool checked) {
    checked_ = checked;
    Changed();
}

void menuitem::SetVisible(bool visible) {
    visible_ = visible;
    Changed();
}

void menuitem::SetDefault(bool isdefault) {
    default_ = isdefault;
    Changed();
}

void menuitem::Click() {
    if (enabled_ && onclick_) onclick_();
}

menu& menuitem::Items() {
    if (!submenu_) {
        // The submenu's peer comes from the menu holding the item.
        if (parent_ == nullptr) throw std::logic_error("sub-items asked of an item that is in no menu");
        std::unique_ptr<menupeer> peer;
        if (parent_->Peer() != nullptr) peer = parent_->Peer()->MakeSubmenuPeer();
        submenu_ = std::make_unique<menu>(std::move(peer), this);
        // The entry now drops down a menu, which the backend shows from its parent.
        Changed();
    }
    return *submenu_;
}

menu::menu(std::unique_ptr<menupeer> peer, menuitem* owner) : peer_(std::move(peer)), owner_(owner) {}

// The items go before the peer, so that no peer outlives the menu it shows.
menu::~menu() { items_.clear(); }

void menu::Changed() {
    if (peer_) peer_->Refresh(*this);
}

const menu& menu::Top() const {
    const menu* top = this;
    while (top->owner_ != nullptr && top->owner_->parent_ != nullptr) top = top->owner_->parent_;
    return *top;
}

uint16_t menu::NewCommand() const {
    const menu& top = Top();
    // Commands are 16-bit in the system's messages: after the last one, the free ones are reused.
    uint16_t command = top.lastcommand_;
    do {
        command = static_cast<uint16_t>(command == UINT16_MAX ? 1 : command + 1);
    } while (top.FindCommand(command) != nullptr);
    top.lastcommand_ = command;
    return command;
}

menuitem& menu::Insert(size_t position, std::string_view caption, std::string_view shortcut) {
    return Insert(position, std::make_unique<menuitem>(caption, shortcut));
}

menuitem& menu::Add(std::string_view caption, std::string_view shortcut) { return Insert(Count(), caption, shortcut); }

menuitem& menu::AddSeparator() {
    auto line = std::make_unique<menuitem>();
    line->separator_ = true;
    return Insert(Count(), std::move(line));
}

menuitem& menu::Insert(size_t position, std::unique_ptr<menuitem> item) {
    if (item->parent_ != nullptr) throw std::logic_error("a menu item inserted twice");
    menuitem& inserted = *item;
    inserted.command_ = NewCommand();
    inserted.parent_ = this;
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(std::min(position, items_.size())), std::move(item));
    Changed();
    return inserted;
}

void menu::Remove(const menuitem& item) {
    const size_t index = IndexOf(item);
    if (index == Count()) throw std::logic_error("a menu item removed from a menu that does not hold it");
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    Changed();
}

size_t menu::IndexOf(const menuitem& item) const {
    const auto found = std::find_if(items_.begin(), items_.end(), [&](const auto& mine) { return mine.get() == &item; });
    return static_cast<size_t>(found - items_.begin());
}

menuitem* menu::FindCommand(uint16_t command) const {
    for (const auto& item : items_) {
        if (item->command_ == command) return item.get();
        if (item->submenu_) {
            if (menuitem* found = item->submenu_->FindCommand(command)) return found;
        }
    }
    return nullptr;
}

}  // namespace quillmap::platform
