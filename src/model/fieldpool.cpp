#include "model/fieldpool.h"

#include <array>
#include <memory>
#include <new>
#include <vector>

namespace quillmap {

namespace {

constexpr std::size_t Granule = 8;
constexpr std::size_t LargestPooled = 256;
constexpr std::size_t ChunkSize = 256 * 1024;

struct freeplace {
    freeplace* next;
};

struct pool {
    std::array<freeplace*, LargestPooled / Granule + 1> freelists{};
    std::vector<std::unique_ptr<std::byte[]>> chunks;
    std::byte* unused = nullptr;
    std::size_t unusedsize = 0;
    std::size_t live = 0;

    void ReleaseAll() {
        freelists.fill(nullptr);
        chunks.clear();
        unused = nullptr;
        unusedsize = 0;
    }
};

pool& Pool() {
    static pool instance;
    return instance;
}

std::size_t Rounded(std::size_t size) { return (size + Granule - 1) / Granule * Granule; }

}  // namespace

void* AllocateField(std::size_t size) {
    const std::size_t rounded = Rounded(size);
    if (rounded > LargestPooled) return ::operator new(size);
    pool& p = Pool();
    ++p.live;
    freeplace*& list = p.freelists[rounded / Granule];
    if (list) {
        freeplace* place = list;
        list = place->next;
        return place;
    }
    if (p.unusedsize < rounded) {
        p.chunks.push_back(std::make_unique_for_overwrite<std::byte[]>(ChunkSize));
        p.unused = p.chunks.back().get();
        p.unusedsize = ChunkSize;
    }
    void* place = p.unused;
    p.unused += rounded;
    p.unusedsize -= rounded;
    return place;
}

void ReleaseField(void* field, std::size_t size) {
    const std::size_t rounded = Rounded(size);
    if (rounded > LargestPooled) {
        ::operator delete(field);
        return;
    }
    pool& p = Pool();
    auto* place = static_cast<freeplace*>(field);
    place->next = p.freelists[rounded / Granule];
    p.freelists[rounded / Granule] = place;
    if (--p.live == 0) p.ReleaseAll();
}

}  // namespace quillmap
