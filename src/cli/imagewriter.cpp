#include "cli/imagewriter.h"

#include <cstdio>
#include <fstream>
#include <iostream>

#include "gif/gifblock.h"
#include "gif/gifcont.h"
#include "gif/gifimagedecode.h"
#include "platform/posix/posixfiles.h"

namespace quillmap {

namespace {

// Nothing on the command line reaches a clipboard.
class noclipboard final : public platform::clipboard {
public:
    bool Put(std::string_view) override { return false; }
    std::optional<std::string> Get() override { return std::nullopt; }
};

// Nor does any file type get bound to a program from there.
class noregistry final : public platform::registry {
public:
    bool KeyExists(std::string_view) override { return false; }
    bool KeyEmpty(std::string_view) override { return false; }
    std::optional<std::string> ReadValue(std::string_view, std::string_view) override { return std::nullopt; }
    bool WriteValue(std::string_view, std::string_view, std::string_view) override { return false; }
    bool DeleteValue(std::string_view, std::string_view) override { return false; }
    bool DeleteKey(std::string_view) override { return false; }
};

// Decoding makes no sound on the command line, and there is no screen.
class silentsystem final : public platform::system {
public:
    void Beep() override {}
    void MessageBeep(platform::beepkind) override {}
    uint32_t TickCount() override { return 0; }
    char DecimalSeparator() override { return '.'; }
    platform::extent ScreenSize() override { return {}; }
    platform::point CursorPos() override { return {}; }
    platform::rect WorkArea() override { return {}; }
    platform::fontspec MessageBoxFont() override { return {}; }
    platform::colour ColourValue(platform::colour c) override { return c; }
    platform::files& Files() override { return files_; }
    platform::clipboard& Clipboard() override { return clipboard_; }
    platform::registry& Registry() override { return registry_; }

private:
    platform::posixfiles files_;
    noclipboard clipboard_;
    noregistry registry_;
};

// A picture this large is refused rather than written: 256 megapixels is 768 MB of PPM.
constexpr int64_t LargestPicture = int64_t(1) << 28;

gifimdesc* ImageBlock(gifcont& root, long number) {
    for (int32_t i = 0; i < root.ChildCount(); ++i) {
        auto* block = dynamic_cast<gifimdesc*>(&root.Child(i));
        if (block && block->Kind() == gbImage && block->CodeSizeIndex() > 0 && --number == 0) return block;
    }
    return nullptr;
}

}  // namespace

bool WriteImage(gifdocument& document, long number, const std::string& path) {
    gifimdesc* block = ImageBlock(document.Root(), number);
    if (!block) {
        std::cerr << "quillmap-dump: the file has no image number " << number << '\n';
        return false;
    }
    silentsystem quiet;
    const lzwresult result = DecodeImageBlock(*block, quiet);
    const lzwinput input = ImageInputOf(*block);
    const int64_t pixels = int64_t(input.width) * input.height;
    if (pixels > LargestPicture) {
        std::cerr << "quillmap-dump: the picture is " << input.width << " x " << input.height << ", too large to write\n";
        return false;
    }
    // Pixels never decoded stay white.
    std::vector<uint8_t> picture(static_cast<size_t>(pixels) * 3, 0xFF);
    const size_t width = static_cast<size_t>(input.width);
    for (size_t k = 0; width > 0 && k < result.pixels.size(); ++k) {
        const int32_t row = PictureRow(static_cast<int32_t>(k / width), input.height, input.interlaced);
        const rgb colour = result.pixels[k];
        uint8_t* at = &picture[(static_cast<size_t>(row) * width + k % width) * 3];
        at[0] = colour.red;
        at[1] = colour.green;
        at[2] = colour.blue;
    }
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << input.width << ' ' << input.height << "\n255\n";
    out.write(reinterpret_cast<const char*>(picture.data()), static_cast<std::streamsize>(picture.size()));
    if (!out) {
        std::cerr << "quillmap-dump: cannot write " << path << '\n';
        return false;
    }
    std::cout << "status: " << int(result.status) << '\n';
    return true;
}

}  // namespace quillmap
