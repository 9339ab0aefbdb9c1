#include "base/safewrite.h"

#include <string>
#include <system_error>

#include "base/bytefile.h"

namespace quillmap {

namespace fs = std::filesystem;

namespace {

// Enough names to step past the leftovers of earlier sessions that were cut short.
constexpr int TemporaryNames = 100;

// Beside the target, so that the replacement is a rename within one volume and never a copy.
fs::path FreeTemporaryName(const fs::path& target) {
    for (int n = 0; n < TemporaryNames; ++n) {
        fs::path candidate = target;
        candidate += ".saving" + std::to_string(n);
        std::error_code error;
        if (!fs::exists(candidate, error) && !error) return candidate;
    }
    throw bytefileerror(bytefilefault::cannotcreate);
}

}  // namespace

void WriteReplacing(platform::files& files, const fs::path& target,
                    const std::function<void(const fs::path& temporary)>& write) {
    const fs::path temporary = FreeTemporaryName(target);
    try {
        write(temporary);
        if (!files.MoveReplacing(temporary, target)) {
            throw bytefileerror(bytefilefault::replacefailed);
        }
    } catch (...) {
        std::error_code ignored;  // the failure that brought us here is the one to report
        fs::remove(temporary, ignored);
        throw;
    }
}

}  // namespace quillmap
