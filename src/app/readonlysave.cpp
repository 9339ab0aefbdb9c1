#include "app/readonlysave.h"

#include "base/bytefile.h"

namespace quillmap {

void SaveRespectingReadOnly(platform::files& files, const std::filesystem::path& target, bool trysavereadonly,
                            const std::function<void()>& save) {
    const platform::fileattributes attributes = files.Attributes(target);
    if (!attributes.exists || !attributes.readonly) {
        save();
        return;
    }
    if (!trysavereadonly || !files.SetReadOnly(target, false)) throw bytefileerror(bytefilefault::writeprotected);
    try {
        save();
    } catch (...) {
        files.SetReadOnly(target, true);
        throw;
    }
    // The document is saved; a file that could not be made read-only again is still the
    // user's document, so this is not reported as a failed save.
    files.SetReadOnly(target, true);
}

}  // namespace quillmap
