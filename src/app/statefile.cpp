#include "app/statefile.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <variant>

namespace quillmap {

namespace {

using sv = settingvalues;

// How a setting is stored in the file, and where it lives: a keyed setting is checked against
// its row of the settings table; the values without a key carry their own bounds.
enum class stored : uint8_t { int32, real, boolean, text };
using storedplace = std::variant<std::string_view, int32_t sv::*, double sv::*, bool sv::*>;

struct storeditem {
    stored type;
    storedplace place;
    double minimum = 0;
    double maximum = 0;
};

constexpr double IntMin = std::numeric_limits<int32_t>::min();
constexpr double IntMax = std::numeric_limits<int32_t>::max();

// Item 12.
const storeditem GeneralItems[] = {
    {stored::int32, "MaxUndoLen"},
    {stored::int32, "OtstupX"},
    {stored::int32, "OtstupY"},
    {stored::real, "LeftMargin"},
    {stored::real, "RightMargin"},
    {stored::real, "TopMargin"},
    {stored::real, "BottomMargin"},
    {stored::boolean, "NumPages"},
    {stored::int32, "HButtonMargin"},
    {stored::int32, "VButtonMargin"},
    {stored::int32, "MaxButtonsinRow"},
    {stored::int32, "HSpaceBetween"},
    {stored::int32, "MarginforButton"},
    {stored::int32, "VSpaceBetween"},
    {stored::int32, "MarginforText"},
    {stored::int32, "TextColor"},
    {stored::text, "TextFont"},
    {stored::int32, "TextSize"},
    {stored::boolean, "Italic"},
    {stored::boolean, "Bold"},
    {stored::boolean, "Underlined"},
    {stored::boolean, "Strikeout"},
    {stored::int32, &sv::MinRestoredWidth, 1, 100000},
    {stored::int32, &sv::MinRestoredHeight, 1, 100000},
    {stored::int32, "Shag"},
    {stored::int32, "HScrollStep"},
    {stored::int32, "VScrollStep"},
    {stored::real, "Distance"},
    {stored::int32, "MaxRecentListLen"},
    {stored::real, &sv::PageScrollFraction, 0.01, 1},
    {stored::int32, &sv::ReservedValue, IntMin, IntMax},
};

// Item 17.
const storeditem KeyItems[] = {{stored::boolean, "ExitOnEsc"}, {stored::boolean, "SaveOnF2"}};

// Item 18.
const storeditem EditorItems[] = {
    {stored::real, "FieldDist"},     {stored::int32, "FieldLineClr"},
    {stored::real, "HDistance"},     {stored::int32, "TextBaseSyst"},
    {stored::int32, "CoordBaseSyst"}, {stored::int32, &sv::ColumnCount, 2, 999},
    {stored::boolean, "FirstZeroes"}, {stored::int32, "LineColor"},
    {stored::int32, "MarginColor"},   {stored::real, "LineWidth"},
    {stored::real, "MarginWidth"},
};

// Item 20: the navigator's margins and window.
const storeditem NavigatorItems[] = {
    {stored::int32, "NavigatorOtstupX"},
    {stored::int32, "NavigatorOtstupY"},
    {stored::int32, &sv::NavigatorLeft, -100000, 100000},
    {stored::int32, &sv::NavigatorTop, -100000, 100000},
    {stored::int32, &sv::NavigatorWidth, 1, 100000},
    {stored::int32, &sv::NavigatorHeight, 1, 100000},
};

// Items 21 to 24.
const storeditem LineItems[] = {{stored::real, &sv::FieldLineWidth, 0, 100}};
const storeditem ReadOnlyItems[] = {
    {stored::boolean, "TrySaveReadOnly"}, {stored::int32, "ChosenTextClr"}, {stored::int32, "ChosenFonClr"}};
const storeditem MenuItems[] = {{stored::boolean, "RecListinSubMenu"}, {stored::boolean, &sv::NoExtrasWarningShown}};
const storeditem CutItems[] = {{stored::boolean, "CutOnCtrl+Del"}};

const settingrow& RowOf(std::string_view key) {
    const settingrow* row = FindSetting(key);
    if (row == nullptr) throw std::logic_error("a stored setting without a row");
    return *row;
}

void Write(bytefile& file, const settingvalues& values, const storeditem& item) {
    if (const auto* key = std::get_if<std::string_view>(&item.place)) {
        const settingrow& row = RowOf(*key);
        switch (item.type) {
        case stored::int32: file.WriteInt32(static_cast<int32_t>(static_cast<int64_t>(NumberOf(values, row)))); return;
        case stored::real: file.WriteReal(NumberOf(values, row)); return;
        case stored::boolean: file.WriteBool(NumberOf(values, row) != 0); return;
        case stored::text: file.WriteString(TextOf(values, row)); return;
        }
    }
    if (const auto* member = std::get_if<int32_t sv::*>(&item.place)) return file.WriteInt32(values.*(*member));
    if (const auto* member = std::get_if<double sv::*>(&item.place)) return file.WriteReal(values.*(*member));
    if (const auto* member = std::get_if<bool sv::*>(&item.place)) return file.WriteBool(values.*(*member));
}

void Read(bytefile& file, settingvalues& values, const storeditem& item) {
    if (const auto* key = std::get_if<std::string_view>(&item.place)) {
        const settingrow& row = RowOf(*key);
        if (item.type == stored::text) return SetText(values, row, file.ReadString());
        double number = 0;
        if (item.type == stored::int32) {
            const int32_t stored = file.ReadInt32();
            // Colours are unsigned.
            number = row.kind == settingkind::colour ? static_cast<double>(static_cast<uint32_t>(stored)) : stored;
        } else if (item.type == stored::real) {
            number = file.ReadReal();
        } else {
            number = file.ReadBool() ? 1 : 0;
        }
        if (Accepts(row, number)) SetNumber(values, row, number);
        return;
    }
    if (const auto* member = std::get_if<int32_t sv::*>(&item.place)) {
        const int32_t stored = file.ReadInt32();
        if (stored >= item.minimum && stored <= item.maximum) values.*(*member) = stored;
    } else if (const auto* member = std::get_if<double sv::*>(&item.place)) {
        const double stored = file.ReadReal();
        if (stored >= item.minimum && stored <= item.maximum) values.*(*member) = stored;
    } else if (const auto* member = std::get_if<bool sv::*>(&item.place)) {
        values.*(*member) = file.ReadBool();
    }
}

template <size_t N>
void WriteItems(bytefile& file, const settingvalues& values, const storeditem (&items)[N]) {
    for (const storeditem& item : items) Write(file, values, item);
}

template <size_t N>
void ReadItems(bytefile& file, settingvalues& values, const storeditem (&items)[N]) {
    for (const storeditem& item : items) Read(file, values, item);
}

// Bytes between the reading position and the end of the data.
int32_t Remaining(const bytefile& file) { return std::max(0, file.Size() - file.Position()); }

// A count read from the file, no larger than the records of at least `smallest` bytes the data
// left can hold.
int32_t BoundedCount(bytefile& file, int32_t stored, int32_t smallest) {
    return std::clamp(stored, 0, Remaining(file) / smallest);
}

void WriteActions(bytefile& file, const std::vector<bool>& actions) {
    file.WriteInt32(static_cast<int32_t>(actions.size()));
    for (const bool checked : actions) file.WriteBool(checked);
}

std::vector<bool> ReadActions(bytefile& file) {
    std::vector<bool> actions(static_cast<size_t>(BoundedCount(file, file.ReadInt32(), 1)));
    for (size_t i = 0; i < actions.size(); ++i) actions[i] = file.ReadBool();
    return actions;
}

void WriteSkin(bytefile& file, const winposit& look) {
    file.WriteString(look.skin);
    if (look.skin.empty()) file.WriteInt32(static_cast<int32_t>(look.background));
}

void ReadSkin(bytefile& file, winposit& look) {
    look.skin = file.ReadString();
    if (look.skin.empty()) look.background = static_cast<uint32_t>(file.ReadInt32());
}

void WritePinned(bytefile& file, const winposit& look) {
    file.WriteString(look.path);
    for (const int32_t value : {look.left, look.top, look.width, look.height}) file.WriteInt32(value);
    file.WriteByte(look.state);
    file.WriteBool(look.visible);
    file.WriteBool(look.allremoved);
    file.WriteBool(look.ontop);
    file.WriteInt32(look.viewkind);
    WriteActions(file, look.actions);
    WriteSkin(file, look);
}

winposit ReadPinned(bytefile& file) {
    winposit look;
    look.path = file.ReadString();
    for (int32_t* value : {&look.left, &look.top, &look.width, &look.height}) *value = file.ReadInt32();
    const uint8_t state = file.ReadByte();
    look.state = state <= 1 ? state : 2;
    look.visible = file.ReadBool();
    look.allremoved = file.ReadBool();
    look.ontop = file.ReadBool();
    look.viewkind = file.ReadInt32();
    look.actions = ReadActions(file);
    ReadSkin(file, look);
    return look;
}

size_t RecentCount(const settingvalues& settings) { return static_cast<size_t>(std::max(settings.MaxRecentListLen, 0)); }

}  // namespace

void WriteState(bytefile& file, const statedata& state, const settingvalues& settings) {
    const winposit& look = state.defaults;
    file.WriteByte(0);
    file.WriteByte(look.state);
    for (const int32_t value : {look.left, look.top, look.width, look.height}) file.WriteInt32(value);
    file.WriteBool(look.allremoved);
    file.WriteBool(look.ontop);
    file.WriteInt32(look.viewkind);
    WriteActions(file, look.actions);
    WriteSkin(file, look);
    file.WriteFont(state.font);
    file.WriteInt32(static_cast<int32_t>(state.extensions.size()));
    for (const std::string& extension : state.extensions) {
        file.WriteString(extension);
        file.WriteByte(1);
    }
    file.WriteInt32(static_cast<int32_t>(state.pinned.size()));
    for (const winposit& pinned : state.pinned) WritePinned(file, pinned);
    WriteItems(file, settings, GeneralItems);
    const size_t recent = RecentCount(settings);
    for (size_t i = 0; i < recent; ++i) file.WriteString(i < state.recent.size() ? state.recent[i] : std::string());
    file.WriteByte(look.encoding);
    for (const winposit& pinned : state.pinned) file.WriteByte(pinned.encoding);
    file.WriteByte(static_cast<uint8_t>(state.encodings.size()));
    for (const auto& [path, name] : state.encodings) {
        file.WriteString(path);
        file.WriteString(name);
    }
    for (size_t i = 0; i < recent; ++i) {
        const recentposition at = i < state.positions.size() ? state.positions[i] : recentposition{};
        file.WriteInt32(at.column);
        file.WriteInt32(at.line);
    }
    file.WriteBool(settings.RememberCurPos);
    file.WriteString(settings.LineEndText);
    WriteItems(file, settings, KeyItems);
    WriteItems(file, settings, EditorItems);
    file.WriteBool(look.statusbar);
    for (const winposit& pinned : state.pinned) file.WriteBool(pinned.statusbar);
    WriteItems(file, settings, NavigatorItems);
    WriteItems(file, settings, LineItems);
    WriteItems(file, settings, ReadOnlyItems);
    WriteItems(file, settings, MenuItems);
    WriteItems(file, settings, CutItems);
}

void ReadState(bytefile& file, statedata& state, settingvalues& settings) {
    winposit& look = state.defaults;
    file.ReadByte();
    const uint8_t windowstate = file.ReadByte();
    look.state = windowstate <= 1 ? windowstate : 2;
    for (int32_t* value : {&look.left, &look.top, &look.width, &look.height}) *value = file.ReadInt32();
    look.allremoved = file.ReadBool();
    look.ontop = file.ReadBool();
    look.viewkind = std::max(file.ReadInt32(), 1);
    look.actions = ReadActions(file);
    ReadSkin(file, look);
    state.font = file.ReadFont();
    const int32_t extensions = BoundedCount(file, file.ReadInt32(), 5);
    state.extensions.clear();
    for (int32_t i = 0; i < extensions; ++i) {
        state.extensions.push_back(file.ReadString());
        file.ReadByte();
    }
    const int32_t pinned = file.ReadInt32();
    state.pinned.clear();
    // A count no program writes: the rest of the file cannot be trusted.
    if (pinned < 0 || pinned > MaxPinned) return;
    for (int32_t i = 0; i < pinned; ++i) state.pinned.push_back(ReadPinned(file));
    if (!file.AtEnd()) {
        ReadItems(file, settings, GeneralItems);
        settings.StartWithShag(settings.NextShag);
    }
    const size_t recent = RecentCount(settings);
    state.recent.assign(recent, std::string());
    for (std::string& name : state.recent) name = file.ReadString();
    state.positions.assign(recent, recentposition{});
    if (!file.AtEnd()) {
        look.encoding = file.ReadByte();
        for (winposit& record : state.pinned) record.encoding = file.ReadByte();
        const int32_t encodings = BoundedCount(file, file.ReadByte(), 8);
        state.encodings.clear();
        for (int32_t i = 0; i < encodings; ++i) {
            std::string path = file.ReadString();
            state.encodings.emplace_back(std::move(path), file.ReadString());
        }
    } else {
        state.encodings.clear();
    }
    if (!file.AtEnd()) {
        for (recentposition& at : state.positions) at = {file.ReadInt32(), file.ReadInt32()};
        settings.RememberCurPos = file.ReadBool();
    }
    if (!file.AtEnd()) settings.LineEndText = file.ReadString() == "\r\n" ? "\r\n" : "\r";
    ReadItems(file, settings, KeyItems);
    if (!file.AtEnd()) ReadItems(file, settings, EditorItems);
    if (!file.AtEnd()) {
        look.statusbar = file.ReadBool();
        for (winposit& record : state.pinned) record.statusbar = file.ReadBool();
    }
    if (!file.AtEnd()) ReadItems(file, settings, NavigatorItems);
    if (!file.AtEnd()) ReadItems(file, settings, LineItems);
    if (!file.AtEnd()) ReadItems(file, settings, ReadOnlyItems);
    if (!file.AtEnd()) ReadItems(file, settings, MenuItems);
    if (!file.AtEnd()) ReadItems(file, settings, CutItems);
}

platform::rect LimitedWindow(int32_t left, int32_t top, int32_t width, int32_t height, platform::extent screen,
                             platform::extent smallest) {
    int64_t w = std::max<int64_t>(std::min(width, screen.width), smallest.width);
    int64_t h = std::max<int64_t>(std::min(height, screen.height), smallest.height);
    int64_t x = left;
    int64_t y = top;
    if (x > screen.width - 10) x = screen.width - w;
    if (y > screen.height - 10) y = screen.height - h;
    if (x + w < 10) x = 0;
    if (y + h < 10) y = 0;
    return {static_cast<int32_t>(x), static_cast<int32_t>(y), static_cast<int32_t>(x + w), static_cast<int32_t>(y + h)};
}

}  // namespace quillmap
