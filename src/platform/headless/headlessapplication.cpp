#include "platform/headless/headlessapplication.h"

#include <algorithm>

namespace quillmap::platform {

namespace {

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

}  // namespace

std::unique_ptr<bitmap> headlessapplication::CreateBitmap(extent size) { return std::make_unique<headlessbitmap>(size); }

std::unique_ptr<window> headlessapplication::CreateForm(const formdesign& design, windowevents& events) {
    auto made = std::make_unique<headlesswindow>(*this, design, events);
    windows_.push_back(made.get());
    return made;
}

void headlessapplication::Forget(const headlesswindow* gone) {
    std::replace(windows_.begin(), windows_.end(), const_cast<headlesswindow*>(gone),
                 static_cast<headlesswindow*>(nullptr));
}

headlesswindow::headlesswindow(headlessapplication& app, const formdesign& design, windowevents& events)
    : app_(app), design_(design), events_(events) {}

headlesswindow::~headlesswindow() { app_.Forget(this); }

void headlesswindow::Resize(extent client) {
    design_.client = client;
    events_.OnResize(client);
}

}  // namespace quillmap::platform
