#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/pluginabi.h"
#include "platform/application.h"

namespace quillmap {

// An item of "Шкурки": tag 0 for "Без шкурок", 1 for a skin found at start-up, with the skin's
// library path relative to the program's folder ("skins\" + file name; empty for none).
struct tskitem {
    platform::menuitem* item = nullptr;
    int32_t tag = 0;
    std::string path;
};

// The custom colours the background's colour dialog offers.
inline constexpr std::array<platform::colour, 7> SkinCustomColours{0xFFFFEA, 0xFFEAFF, 0xEAFFFF, 0xFFEEEE,
                                                                   0xEEFFEE, 0xEEEEFF, 0xEEEEEE};

// What paints the background of the main window's picture: a skin library chosen in "Шкурки", or
// the built-in set, a plain colour the user picks.
class skinhost {
public:
    explicit skinhost(platform::application& app);
    ~skinhost();
    skinhost(const skinhost&) = delete;
    skinhost& operator=(const skinhost&) = delete;

    // Fills "Шкурки" with "Без шкурок" (checked) and every skin in the program's "skins" folder;
    // clicking one tells `choose` its place.
    void Scan(platform::menu& skins, const std::function<void(size_t)>& choose);
    const std::vector<tskitem>& Items() const { return items_; }
    // Checks the item and makes its skin the current one, the built-in set when it cannot be used;
    // false, and nothing done, when it was already checked.
    bool Choose(size_t index);
    // The item whose path is the one given, if any.
    std::optional<size_t> ItemOf(const std::string& path) const;
    // The path of the checked item; empty for "Без шкурок" or before the scan.
    std::string CheckedPath() const;

    // The current set's entry points: once when chosen, at every redraw, and its own settings.
    void Create(platform::extent size);
    void Draw(platform::canvas& canvas, platform::extent size);
    void Configure();

    platform::colour Background() const { return background_; }
    void SetBackground(platform::colour background) { background_ = background; }

private:
    struct entrypoints {
        qm_crskin crskin = nullptr;
        qm_chskin chskin = nullptr;
        qm_deletskin deletskin = nullptr;
        qm_drskin drskin = nullptr;
        qm_nastroj nastroj = nullptr;
    };
    // The library's five entry points, or none when one is missing.
    static std::optional<entrypoints> EntriesOf(const platform::library& library);
    // Releases the current skin, after its deletskin; the built-in set takes over.
    void Release();
    // A call into the skin; one that faults leaves the built-in set and "Без шкурок" in its place.
    void CallSkin(const std::function<void()>& call);

    platform::application& app_;
    std::vector<tskitem> items_;
    std::unique_ptr<platform::library> library_;
    entrypoints skin_;
    platform::colour background_ = platform::clWhite;
};

}  // namespace quillmap
