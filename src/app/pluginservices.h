#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/pluginabi.h"
#include "platform/geometry.h"
#include "views/fieldwalk.h"
#include "views/vwcommon.h"

namespace quillmap {

// What a plug-in may ask of the program while one of its commands runs; the main window answers.
class pluginservices {
public:
    virtual void KeyDown(uint16_t key, uint8_t shift) = 0;  // shift: shiftbit values
    virtual void TypeChar(char character) = 0;
    // The caret's position, or the anchor's.
    virtual textpos Position(bool caret) const = 0;
    // True when the position is the one asked for, false when it was brought into the text.
    virtual bool SetPosition(textpos position, bool caret) = 0;
    virtual int32_t EndPosition() const = 0;
    virtual std::string Line(int32_t line) const = 0;
    virtual void Refresh() = 0;
    virtual void Open(const std::string& path) = 0;
    // Empty: under the document's own name.
    virtual void Save(const std::string& path) = 0;
    virtual std::string DocumentPath() const = 0;
    virtual void ReadBlocks(const blockreader& callback) const = 0;
    virtual void RewriteBlocks(const blockrewriter& callback) = 0;
    virtual std::string Selection() const = 0;
    virtual void ReplaceSelection(std::string_view text) = 0;
    virtual platform::extent ViewSize() const = 0;
    virtual void ReadFields(const fieldreader& callback) const = 0;
    virtual void RewriteFields(const fieldrewriter& callback) = 0;

protected:
    ~pluginservices() = default;
};

// While it lives, the plug-ins' service requests go to these services; outside of it (a plug-in
// that kept a service's address and calls it later) they do nothing.
class pluginscope {
public:
    explicit pluginscope(pluginservices& services);
    ~pluginscope();
    pluginscope(const pluginscope&) = delete;
    pluginscope& operator=(const pluginscope&) = delete;

private:
    pluginservices* outer_;
};

// The service lookup a plug-in receives: the address of the service for a request number, 0 for
// any other number.
extern "C" void QM_CALL PluginService(qm_cell request, void** result);

}  // namespace quillmap
