#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillmap::platform {

class menu;

// How a backend shows one menu (a menu bar, a popup or a submenu): it is told after every change
// of the menu's items or of their states, and makes the peers of the submenus below it.
class menupeer {
public:
    virtual ~menupeer() = default;
    virtual void Refresh(const menu& items) = 0;
    virtual std::unique_ptr<menupeer> MakeSubmenuPeer() = 0;
};

// One entry of a menu. Its state lives here, whatever the backend; the backend only mirrors it.
class menuitem {
public:
    explicit menuitem(std::string_view caption = {}, std::string_view shortcut = {});
    virtual ~menuitem();
    menuitem(const menuitem&) = delete;
    menuitem& operator=(const menuitem&) = delete;

    // CP1251.
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view caption);
    // The key shown beside the caption, such as "Ctrl+N"; the keys themselves are the window's.
    const std::string& Shortcut() const { return shortcut_; }
    void SetShortcut(std::string_view shortcut);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // Drawn in bold: what a double click on the menu's owner would choose.
    bool IsDefault() const { return default_; }
    void SetDefault(bool isdefault);
    bool Separator() const { return separator_; }

    void OnClick(std::function<void()> handler) { onclick_ = std::move(handler); }
    // What choosing the item does: its handler runs, if it has one and is enabled.
    void Click();

    // The sub-items; asking for them makes the item a submenu. Only for an item in a menu.
    menu& Items();
    bool HasItems() const { return submenu_ != nullptr; }
    const menu* Submenu() const { return submenu_.get(); }
    // The menu holding this item; none before it is inserted.
    menu* Parent() const { return parent_; }
    // How the system names the item in its messages: unique within its top menu, never 0.
    uint16_t Command() const { return command_; }

private:
    friend class menu;
    void Changed();

    std::string caption_;
    std::string shortcut_;
    bool enabled_ = true;
    bool checked_ = false;
    bool visible_ = true;
    bool default_ = false;
    bool separator_ = false;
    std::function<void()> onclick_;
    std::unique_ptr<menu> submenu_;
    menu* parent_ = nullptr;
    uint16_t command_ = 0;
};

enum class menukind { bar, popup };

// An ordered list of items: a menu bar, a popup menu, or the sub-items of one item. It owns its
// items; a reference to an item stays good until the item is removed.
class menu {
public:
    explicit menu(std::unique_ptr<menupeer> peer = nullptr, menuitem* owner = nullptr);
    ~menu();
    menu(const menu&) = delete;
    menu& operator=(const menu&) = delete;

    size_t Count() const { return items_.size(); }
    menuitem& Item(size_t index) const { return *items_.at(index); }
    // Positions past the end append.
    menuitem& Insert(size_t position, std::string_view caption, std::string_view shortcut = {});
    menuitem& Add(std::string_view caption, std::string_view shortcut = {});
    menuitem& AddSeparator();
    // For items of a kind of their own, with no sub-items yet; returns the item, now owned here.
    menuitem& Insert(size_t position, std::unique_ptr<menuitem> item);
    // Destroys the item and its sub-items.
    void Remove(const menuitem& item);
    // The position of the item, or Count() when it is not here.
    size_t IndexOf(const menuitem& item) const;
    // The item of this menu or of its submenus that the system names by this command.
    menuitem* FindCommand(uint16_t command) const;

    menupeer* Peer() const { return peer_.get(); }
    // The item this menu drops down from; none for a menu bar or a popup.
    menuitem* Owner() const { return owner_; }

private:
    friend class menuitem;
    void Changed();
    const menu& Top() const;
    uint16_t NewCommand() const;

    std::vector<std::unique_ptr<menuitem>> items_;
    std::unique_ptr<menupeer> peer_;
    menuitem* owner_;
    // The command last given out; only the top menu's counts.
    mutable uint16_t lastcommand_ = 0;
};

}  // namespace quillmap::platform
