#include "platform/win32/win32filedialog.h"

#include <commdlg.h>

#include <vector>

#include "platform/win32/textcodec.h"

namespace quillmap::win32 {

bool RunFileDialog(platform::filedialog& dialog, HWND owner) {
    // The system wants the filter's parts separated by zeros and ended by two.
    std::wstring filter = WideFromCp1251(dialog.filter);
    for (wchar_t& c : filter)
        if (c == L'|') c = L'\0';
    filter.append(2, L'\0');
    const std::wstring title = WideFromCp1251(dialog.title);
    const std::wstring folder = WideFromCp1251(dialog.folder);
    std::vector<wchar_t> name(32768, L'\0');
    const std::wstring offered = WideFromCp1251(dialog.filename);
    offered.copy(name.data(), std::min(offered.size(), name.size() - 1));

    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = filter.c_str();
    request.nFilterIndex = static_cast<DWORD>(dialog.filterindex);
    request.lpstrFile = name.data();
    request.nMaxFile = static_cast<DWORD>(name.size());
    request.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    // Without a title of its own, the dialog takes the system's ("Open", "Save As").
    request.lpstrTitle = title.empty() ? nullptr : title.c_str();
    request.Flags = OFN_EXPLORER | OFN_ENABLESIZING |
                    (dialog.save ? OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY : OFN_FILEMUSTEXIST);
    const BOOL chosen = dialog.save ? GetSaveFileNameW(&request) : GetOpenFileNameW(&request);
    if (!chosen) return false;
    dialog.filename = Cp1251FromWide(name.data());
    dialog.filterindex = static_cast<int32_t>(request.nFilterIndex);
    return true;
}

}  // namespace quillmap::win32
