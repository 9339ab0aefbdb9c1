#include "platform/headless/headlessapplication.h"

#include <algorithm>
#include <new>
#include <optional>
#include <utility>

#include "platform/headless/headlessmenu.h"

namespace quillmap::platform {

namespace {

// What a window sends once its owner has disconnected: nobody hears it.
class unheard final : public windowevents {
public:
    void OnPaint(canvas&) override {}
    void OnResize(extent) override {}
    void OnClose() override {}
};

headlessmenupeer* PeerOf(const menu* bar) {
    return bar != nullptr ? dynamic_cast<headlessmenupeer*>(bar->Peer()) : nullptr;
}

// A recording canvas of a given size.
class headlessbitmap final : public bitmap {
public:
    explicit headlessbitmap(extent size) : size_(size) {}
    canvas& Canvas() override { return canvas_; }
    extent Size() const override { return size_; }
    void SetSize(extent size) override { size_ = size; }

private:
    headlesscanvas canvas_;
    extent size_;
};

class headlesspixelsurface final : public pixelsurface {
public:
    headlesspixelsurface(extent size, std::vector<uint32_t> pixels) : size_(size), pixels_(std::move(pixels)) {}
    extent Size() const override { return size_; }
    uint32_t* Pixels() override { return pixels_.data(); }
    const uint32_t* Pixels() const override { return pixels_.data(); }

private:
    extent size_;
    std::vector<uint32_t> pixels_;
};

}  // namespace

// The tasks may own windows, which forget themselves here as they go.
headlessapplication::~headlessapplication() { posted_.clear(); }

void headlessapplication::RunPosted() {
    while (!posted_.empty()) {
        const std::function<void()> task = std::move(posted_.front());
        posted_.pop_front();
        task();
    }
}

void headlessapplication::Activate(headlessactivatable* window) {
    if (window == active_) return;
    headlessactivatable* previous = std::exchange(active_, window);
    if (window != nullptr) {
        std::erase(activated_, window);
        activated_.push_back(window);
    }
    if (previous != nullptr) previous->ActivationChanged(false);
    if (window != nullptr && active_ == window) window->ActivationChanged(true);
}

void headlessapplication::Withdraw(headlessactivatable& window) {
    std::erase(activated_, &window);
    if (active_ == &window) Activate(activated_.empty() ? nullptr : activated_.back());
}

std::unique_ptr<bitmap> headlessapplication::CreateBitmap(extent size) { return std::make_unique<headlessbitmap>(size); }

std::unique_ptr<pixelsurface> headlessapplication::CreatePixelSurface(extent size) {
    const std::optional<uint64_t> bytes = PixelSurfaceBytes(size);
    if (!bytes || surfacesleft == 0) return nullptr;
    if (surfacesleft > 0) --surfacesleft;
    try {
        return std::make_unique<headlesspixelsurface>(size, std::vector<uint32_t>(*bytes / sizeof(uint32_t)));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

bool headlessapplication::ChooseFile(filedialog& dialog) {
    filedialogs_.push_back(dialog);
    if (fileanswers_.empty()) return false;
    std::string answer = std::move(fileanswers_.front());
    fileanswers_.pop_front();
    if (answer.empty()) return false;
    dialog.filename = std::move(answer);
    return true;
}

bool headlessapplication::ChooseFont(fontspec& font) {
    fontdialogs.push_back(font);
    if (!fontanswer) return false;
    font = *fontanswer;
    return true;
}

bool headlessapplication::ChooseColour(colour& chosen, std::span<const colour> custom) {
    colourdialogs.push_back(chosen);
    customcolours.emplace_back(custom.begin(), custom.end());
    // The dialog takes the activation from the window that opened it while it is open, and
    // gives it back when it closes.
    headlessactivatable* owner = active_;
    if (owner != nullptr) Activate(nullptr);
    if (owner != nullptr) Activate(owner);
    if (!colouranswer) return false;
    chosen = *colouranswer;
    return true;
}

std::vector<std::string> headlessapplication::FindLibraries(std::string_view folder) {
    std::vector<std::string> names;
    const std::string prefix = std::string(folder) + "\\";
    for (const auto& [path, file] : libraryfiles) {
        if (!path.starts_with(prefix)) continue;
        const std::string name = path.substr(prefix.size());
        if (name.find('\\') == std::string::npos && name.size() > 4 && name.ends_with(".dll")) names.push_back(name);
    }
    return names;
}

std::unique_ptr<library> headlessapplication::OpenLibrary(std::string_view path) {
    libraryloads.emplace_back(path);
    const auto found = libraryfiles.find(std::string(path));
    if (found == libraryfiles.end() || !found->second.loads) return nullptr;
    return std::make_unique<headlesslibrary>(found->second, livelibraries_);
}

bool headlessapplication::CallGuarded(const std::function<void()>& call) {
    try {
        call();
        return true;
    } catch (...) {
        return false;
    }
}

bool headlessapplication::BringForwardOtherWindow(std::string_view caption, uint32_t identity, const window&) {
    for (size_t i = 0; i < otherwindows.size(); ++i) {
        const auto& [text, userdata] = otherwindows[i];
        if ((text == caption || text == "* " + std::string(caption)) && userdata == identity) {
            broughtforward = i;
            return true;
        }
    }
    return false;
}

bool headlessapplication::ChoosePrint(printrequest& request) {
    if (!printer_.answer) return false;
    request = *printer_.answer;
    return true;
}

std::unique_ptr<printjob> headlessapplication::StartPrintJob(std::string_view) {
    return std::make_unique<headlessprintjob>(printer_);
}

std::unique_ptr<window> headlessapplication::CreateForm(const formdesign& design, windowevents& events) {
    auto made = std::make_unique<headlesswindow>(*this, design, events);
    windows_.push_back(made.get());
    return made;
}

std::unique_ptr<menu> headlessapplication::CreateMenu(menukind) {
    return std::make_unique<menu>(std::make_unique<headlessmenupeer>());
}

std::unique_ptr<dialogform> headlessapplication::CreateDialogForm(std::string_view caption, dialogevents& events) {
    auto made = std::make_unique<headlessdialogform>(*this, caption, events);
    dialogs_.push_back(made.get());
    return made;
}

void headlessapplication::Forget(const headlessdialogform* gone) {
    std::replace(dialogs_.begin(), dialogs_.end(), const_cast<headlessdialogform*>(gone),
                 static_cast<headlessdialogform*>(nullptr));
}

headlessapplication::modalanswer headlessapplication::TakeModalAnswer() {
    if (modalanswers_.empty()) return {};
    modalanswer next = std::move(modalanswers_.front());
    modalanswers_.pop_front();
    return next;
}

void headlessapplication::Forget(const headlesswindow* gone) {
    std::replace(windows_.begin(), windows_.end(), const_cast<headlesswindow*>(gone),
                 static_cast<headlesswindow*>(nullptr));
}

headlesswindow::headlesswindow(headlessapplication& app, const formdesign& design, windowevents& events)
    : app_(app), design_(design), bounds_{0, 0, design.client.width, design.client.height}, events_(&events) {}

headlesswindow::~headlesswindow() {
    Disconnect();
    if (headlessmenupeer* peer = PeerOf(menubar_)) peer->AttachTo(nullptr);
    app_.Withdraw(*this);
    app_.Forget(this);
}

void headlesswindow::Hide() {
    visible_ = false;
    app_.Withdraw(*this);
}

void headlesswindow::Activate(bool active) {
    if (active)
        app_.Activate(this);
    else if (app_.ActiveWindow() == this)
        app_.Activate(nullptr);
}

std::vector<uintptr_t> headlesswindow::LowerOwnedTopmost() { return std::exchange(ownedtopmost, {}); }

void headlesswindow::RaiseOwned(const std::vector<uintptr_t>& windows) {
    ownedtopmost.insert(ownedtopmost.end(), windows.begin(), windows.end());
}

void headlesswindow::Disconnect() {
    static unheard nobody;
    events_ = &nobody;
}

std::unique_ptr<scrollbar> headlesswindow::CreateScrollBar(scrollaxis axis) {
    auto made = std::make_unique<headlessscrollbar>();
    (axis == scrollaxis::vertical ? vertical_ : horizontal_) = made.get();
    return made;
}

std::unique_ptr<statusbar> headlesswindow::CreateStatusBar() {
    auto made = std::make_unique<headlessstatusbar>();
    statusbar_ = made.get();
    return made;
}

void headlesswindow::Scroll(scrollaxis axis, int32_t position) {
    if (headlessscrollbar* bar = ScrollBar(axis)) bar->SetPosition(position);
    events_->OnScroll(axis, position);
}

void headlesswindow::Tick(int32_t id) {
    if (timers_.count(id)) events_->OnTimer(id);
}

void headlesswindow::SetMenuBar(menu* bar) {
    if (headlessmenupeer* peer = PeerOf(menubar_)) peer->AttachTo(nullptr);
    menubar_ = bar;
    if (headlessmenupeer* peer = PeerOf(menubar_)) peer->AttachTo(this);
    events_->OnResize(design_.client);
}

void headlesswindow::MenuBarGone() {
    menubar_ = nullptr;
    events_->OnResize(design_.client);
}

void headlesswindow::Resize(extent client) {
    design_.client = client;
    events_->OnResize(client);
}

}  // namespace quillmap::platform
