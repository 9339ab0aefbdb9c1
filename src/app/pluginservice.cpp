// The services a plug-in reaches through PluginService: plain C functions with the kit's calling
// convention, each handing its request to the services of the command that is running.
#include <algorithm>
#include <cstring>

#include "app/pluginservices.h"
#include "platform/keys.h"

namespace quillmap {

namespace {

pluginservices* target = nullptr;

// Runs a request on the services; no exception of the program's may cross into the plug-in's
// frames, so a request that fails does nothing.
template <typename Result, typename Request>
Result Serve(Result none, Request&& request) {
    if (target == nullptr) return none;
    try {
        return request(*target);
    } catch (...) {
        return none;
    }
}

template <typename Request>
void Serve(Request&& request) {
    Serve(0, [&](pluginservices& services) {
        request(services);
        return 0;
    });
}

std::string TextIn(qm_cell length, const char* characters) {
    return characters != nullptr && length > 0 ? std::string(characters, static_cast<size_t>(length)) : std::string();
}

// A text handed out: with no buffer its whole length is told; otherwise as much of it as the
// capacity holds is copied and the count copied told. Answers the count told.
qm_cell TextOut(const std::string& text, qm_cell* length, char* buffer) {
    if (length == nullptr) return 0;
    const auto whole = static_cast<qm_cell>(std::min<size_t>(text.size(), INT32_MAX));
    if (buffer == nullptr) return *length = whole;
    const qm_cell copied = std::clamp(*length, 0, whole);
    std::memcpy(buffer, text.data(), static_cast<size_t>(copied));
    return *length = copied;
}

void QM_CALL KeyDownService(qm_cell key, qm_cell flags) {
    uint8_t shift = 0;
    if (flags & QM_SHIFT) shift |= platform::ssShift;
    if (flags & QM_CTRL) shift |= platform::ssCtrl;
    if (flags & QM_ALT) shift |= platform::ssAlt;
    Serve([&](pluginservices& services) { services.KeyDown(static_cast<uint16_t>(key), shift); });
}

void QM_CALL TypeCharService(qm_cell character) {
    Serve([&](pluginservices& services) { services.TypeChar(static_cast<char>(character & 0xFF)); });
}

void QM_CALL GetPositionService(qm_cell* column, qm_cell* line, qm_cell which) {
    Serve([&](pluginservices& services) {
        const textpos position = services.Position(which != 0);
        if (column != nullptr) *column = position.column;
        if (line != nullptr) *line = position.line;
    });
}

qm_cell QM_CALL SetPositionService(qm_cell column, qm_cell line, qm_cell iscaret) {
    return Serve(0, [&](pluginservices& services) { return services.SetPosition({column, line}, iscaret != 0) ? 1 : 0; });
}

void QM_CALL EndPositionService(qm_cell* position) {
    Serve([&](pluginservices& services) {
        if (position != nullptr) *position = services.EndPosition();
    });
}

void QM_CALL GetLineService(qm_cell line, qm_cell* length, char* buffer) {
    Serve([&](pluginservices& services) { TextOut(services.Line(line), length, buffer); });
}

void QM_CALL RefreshService() {
    Serve([](pluginservices& services) { services.Refresh(); });
}

void QM_CALL OpenService(qm_cell length, const char* path) {
    Serve([&](pluginservices& services) { services.Open(TextIn(length, path)); });
}

void QM_CALL SaveService(qm_cell length, const char* path) {
    Serve([&](pluginservices& services) { services.Save(TextIn(length, path)); });
}

qm_cell QM_CALL DocumentNameService(qm_cell* length, char* buffer) {
    return Serve(0, [&](pluginservices& services) { return TextOut(services.DocumentPath(), length, buffer); });
}

void QM_CALL ReadBlocksService(qm_block_reader callback) {
    if (callback == nullptr) return;
    Serve([&](pluginservices& services) {
        services.ReadBlocks([&](int32_t count, const uint8_t* bytes, bool& stop) {
            qm_cell stopped = stop;
            callback(count, bytes, &stopped);
            stop = stopped != 0;
        });
    });
}

void QM_CALL RewriteBlocksService(qm_block_rewriter callback) {
    if (callback == nullptr) return;
    Serve([&](pluginservices& services) {
        services.RewriteBlocks([&](int32_t& count, const uint8_t*& bytes, bool& last) {
            qm_cell lastblock = last;
            callback(&count, &bytes, &lastblock);
            last = lastblock != 0;
        });
    });
}

void QM_CALL GetSelectionService(qm_cell* length, char* buffer) {
    Serve([&](pluginservices& services) { TextOut(services.Selection(), length, buffer); });
}

void QM_CALL ReplaceSelectionService(qm_cell length, const char* text) {
    Serve([&](pluginservices& services) { services.ReplaceSelection(TextIn(length, text)); });
}

void QM_CALL ViewSizeService(qm_cell* width, qm_cell* height) {
    Serve([&](pluginservices& services) {
        const platform::extent size = services.ViewSize();
        if (width != nullptr) *width = size.width;
        if (height != nullptr) *height = size.height;
    });
}

void QM_CALL ReadFieldsService(qm_field_reader callback) {
    if (callback == nullptr) return;
    Serve([&](pluginservices& services) {
        services.ReadFields([&](uint32_t serial, int32_t length, const uint8_t* bytes, bool& descend, bool& stop) {
            qm_cell descending = 0;
            qm_cell stopped = stop;
            callback(serial, length, bytes, &descending, &stopped);
            descend = descending != 0;
            stop = stopped != 0;
        });
    });
}

void QM_CALL RewriteFieldsService(qm_field_rewriter callback) {
    if (callback == nullptr) return;
    Serve([&](pluginservices& services) {
        services.RewriteFields([&](uint32_t serial, int32_t& length, const uint8_t*& bytes, bool& descend, bool& stop) {
            qm_cell descending = 0;
            qm_cell stopped = stop;
            callback(serial, &length, &bytes, &descending, &stopped);
            descend = descending != 0;
            stop = stopped != 0;
        });
    });
}

template <typename Function>
void* Address(Function function) {
    return reinterpret_cast<void*>(function);
}

}  // namespace

pluginscope::pluginscope(pluginservices& services) : outer_(std::exchange(target, &services)) {}

pluginscope::~pluginscope() { target = outer_; }

extern "C" void QM_CALL PluginService(qm_cell request, void** result) {
    if (result == nullptr) return;
    switch (request) {
    case QM_SERVICE: *result = Address<qm_plugin_service>(PluginService); return;
    case QM_KEY_DOWN: *result = Address<qm_key_down>(KeyDownService); return;
    case QM_TYPE_CHAR: *result = Address<qm_type_char>(TypeCharService); return;
    case QM_GET_POSITION: *result = Address<qm_get_position>(GetPositionService); return;
    case QM_SET_POSITION: *result = Address<qm_set_position>(SetPositionService); return;
    case QM_END_POSITION: *result = Address<qm_end_position>(EndPositionService); return;
    case QM_GET_LINE: *result = Address<qm_get_line>(GetLineService); return;
    case QM_REFRESH: *result = Address<qm_refresh>(RefreshService); return;
    case QM_OPEN: *result = Address<qm_open>(OpenService); return;
    case QM_SAVE: *result = Address<qm_save>(SaveService); return;
    case QM_DOCUMENT_NAME: *result = Address<qm_document_name>(DocumentNameService); return;
    case QM_READ_BLOCKS: *result = Address<qm_read_blocks>(ReadBlocksService); return;
    case QM_REWRITE_BLOCKS: *result = Address<qm_rewrite_blocks>(RewriteBlocksService); return;
    case QM_GET_SELECTION: *result = Address<qm_get_selection>(GetSelectionService); return;
    case QM_REPLACE_SELECTION: *result = Address<qm_replace_selection>(ReplaceSelectionService); return;
    case QM_VIEW_SIZE: *result = Address<qm_view_size>(ViewSizeService); return;
    case QM_READ_FIELDS: *result = Address<qm_read_fields>(ReadFieldsService); return;
    case QM_REWRITE_FIELDS: *result = Address<qm_rewrite_fields>(RewriteFieldsService); return;
    default: *result = nullptr; return;
    }
}

}  // namespace quillmap
