#pragma once

// A tiny test-only format played with the seven field kinds, so the field tree's machinery is
// exercised without the GIF grammar:
//
//   magic   "TN" or "TM" (signatura, 2 bytes)
//   header  container: version (danye 1), flags (flagi 1,3,1,3 = M, C, S, N)
//   table   when M = 1: a repetition of N + 1 two-byte entries
//   mark    "TM" only: a separator ";" or "!!" found by scanning forward
//   chunks  container of sub-blocks: size byte (counter) and data, repeated while bytes remain
#include <string>

#include "model/cikl.h"
#include "model/cont.h"
#include "model/counter.h"
#include "model/danye.h"
#include "model/flagi.h"
#include "model/signatura.h"
#include "model/waiter.h"

namespace quillmap::testing {

class tinyroot final : public cont {
public:
    explicit tinyroot(fieldhost& view);
    // Bytes skipped before the mark belong to no field, yet a separator written there is the mark's.
    int32_t Recheck(int32_t position, int32_t count) override;
    void RebuildFrom(int32_t position) override;
    void GapText(int32_t position, std::string& text) const override;
    // Back to the state of a new document: only the magic.
    void Reset() override;
};

class tinymagic final : public signatura {
public:
    tinymagic(fieldhost& view, cont* parent);
    void OnMatch(int32_t index) override;
};

class tinyheader final : public cont {
public:
    tinyheader(fieldhost& view, cont* parent);
    void RebuildFrom(int32_t position) override;
};

class tinyflags final : public flagi {
public:
    tinyflags(fieldhost& view, cont* parent);
    // What follows depends on this byte, so an overwrite parses again from it.
    int32_t Recheck(int32_t position, int32_t count) override;
    void OnFlag(int32_t group, uint32_t value) override;

private:
    bool tablepresent_ = false;
};

class tinytable final : public cikl {
public:
    tinytable(fieldhost& view, cont* parent, int32_t count);
    void SetStart(int32_t position) override;
    void RebuildFrom(int32_t position) override;
};

class tinymark final : public waiter {
public:
    tinymark(fieldhost& view, cont* parent);
    void OnFound(int32_t index, int32_t position) override;
};

class tinychunks final : public cont {
public:
    tinychunks(fieldhost& view, cont* parent);
    void RebuildFrom(int32_t position) override;
};

class tinycount final : public counter {
public:
    tinycount(fieldhost& view, cont* parent);
    void Parse() override;
};

}  // namespace quillmap::testing
