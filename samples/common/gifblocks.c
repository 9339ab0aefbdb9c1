#include "gifblocks.h"

#include <string.h>

#define NO_LIMIT 0xFFFFFFFFu

const char *gif_block_kind_name(enum gif_block_kind kind)
{
    switch (kind) {
    case GIF_HEADER: return "заголовок GIF";
    case GIF_SCREEN: return "дескриптор экрана";
    case GIF_GLOBAL_MAP: return "глобальная карта цветов";
    case GIF_IMAGE: return "изображение";
    case GIF_GRAPHIC_CONTROL: return "управление графикой";
    case GIF_COMMENT: return "комментарий";
    case GIF_PLAIN_TEXT: return "простой текст";
    case GIF_APPLICATION: return "расширение приложения";
    case GIF_EXTENSION: return "неизвестное расширение";
    case GIF_TRAILER: return "конец GIF";
    case GIF_SEVERAL: return "несколько блоков";
    case GIF_GAP: return "байты вне полей";
    case GIF_UNKNOWN: return "неизвестные данные";
    case GIF_CONTAINER: return "группа полей";
    }
    return "?";
}

/* Where a chain of sub-blocks starting at `at` ends (after its zero size byte). */
static uint32_t sub_blocks_end(const uint8_t *bytes, uint32_t count, uint32_t at)
{
    while (at < count) {
        uint8_t size = bytes[at];
        at += 1u + size;
        if (size == 0)
            return at;
    }
    return NO_LIMIT;
}

static uint32_t colour_map_size(uint8_t flags)
{
    return (flags & 0x80) ? 3u << ((flags & 7) + 1) : 0;
}

uint32_t gif_block_length(const uint8_t *bytes, uint32_t count)
{
    if (count == 0)
        return NO_LIMIT;
    switch (bytes[0]) {
    case 0x3B:
        return 1;
    case 0x21: /* separator, label, then sub-blocks (the fixed part is the first of them) */
        return sub_blocks_end(bytes, count, 2);
    case 0x2C: /* separator, 8 bytes of place and size, flags, local map, code size, data */
        if (count < 10)
            return NO_LIMIT;
        return sub_blocks_end(bytes, count, 11 + colour_map_size(bytes[9]));
    }
    return NO_LIMIT;
}

static enum gif_block_kind extension_kind(uint8_t label)
{
    switch (label) {
    case 0xF9: return GIF_GRAPHIC_CONTROL;
    case 0xFE: return GIF_COMMENT;
    case 0x01: return GIF_PLAIN_TEXT;
    case 0xFF: return GIF_APPLICATION;
    }
    return GIF_EXTENSION;
}

/* The kind of a piece after the header judged by its first bytes, or GIF_UNKNOWN. */
static enum gif_block_kind block_kind(const uint8_t *bytes, qm_cell count)
{
    uint32_t length = gif_block_length(bytes, (uint32_t)count);
    enum gif_block_kind kind = GIF_UNKNOWN;
    if (bytes[0] == 0x2C)
        kind = GIF_IMAGE;
    else if (bytes[0] == 0x3B)
        kind = GIF_TRAILER;
    else if (bytes[0] == 0x21)
        kind = count >= 2 ? extension_kind(bytes[1]) : GIF_EXTENSION;
    /* A block cut short by the end of the file is still that block; a longer piece is not. */
    if (kind != GIF_UNKNOWN && length < (uint32_t)count)
        kind = GIF_SEVERAL;
    return kind;
}

/* Where the first block begins, from the header's bytes seen so far: 0 when the file is no GIF
   (every piece is judged by its bytes), NO_LIMIT until the screen flags have passed. */
static uint32_t blocks_start(const struct gif_block_walk *walk)
{
    if (walk->head_known >= 3 && memcmp(walk->head, "GIF", 3) != 0)
        return 0;
    if (walk->head_known <= 10)
        return NO_LIMIT;
    return GIF_HEAD_SIZE + colour_map_size(walk->head[10]);
}

static void remember_head(struct gif_block_walk *walk, qm_cell count, const uint8_t *bytes)
{
    uint32_t at = walk->offset;
    uint32_t end = walk->offset + (uint32_t)count;
    for (; at < end && at < GIF_HEAD_SIZE; ++at)
        walk->head[at] = bytes[at - walk->offset];
    if (at > walk->head_known)
        walk->head_known = at;
}

static void take(struct gif_block_walk *walk, qm_serial serial, qm_cell count, enum gif_block_kind kind)
{
    walk->seen(walk->context, serial, walk->offset, count, kind);
    walk->offset += (uint32_t)count;
}

void gif_block_walk_init(struct gif_block_walk *walk, gif_block_seen seen, void *context)
{
    memset(walk, 0, sizeof *walk);
    walk->seen = seen;
    walk->context = context;
}

qm_cell gif_block_walk_step(struct gif_block_walk *walk, qm_serial serial, qm_cell count,
                            const uint8_t *bytes)
{
    if (serial == 0 && count == 0) { /* a level ends, or a leaf answers the descent */
        if (walk->pending)
            take(walk, walk->pending_serial, walk->pending_count, walk->pending_kind);
        walk->pending = 0;
        return 0;
    }
    if (walk->pending) { /* the piece descended into has children: this is the first */
        walk->seen(walk->context, walk->pending_serial, walk->offset, walk->pending_count, GIF_CONTAINER);
        walk->pending = 0;
    }
    if (count <= 0)
        return 0;
    if (serial == 0) {
        take(walk, serial, count, GIF_GAP);
        return 0;
    }
    remember_head(walk, count, bytes);
    uint32_t start = blocks_start(walk);
    uint32_t end = walk->offset + (uint32_t)count;
    enum gif_block_kind kind;
    int whole;
    if (walk->offset < start) { /* a part of the header, or more than that */
        kind = walk->offset == 0 ? GIF_HEADER : walk->offset < GIF_HEAD_SIZE ? GIF_SCREEN : GIF_GLOBAL_MAP;
        whole = end <= start;
    } else {
        kind = block_kind(bytes, count);
        whole = kind != GIF_UNKNOWN && kind != GIF_SEVERAL;
    }
    if (whole) {
        take(walk, serial, count, kind);
        return 0;
    }
    walk->pending = 1;
    walk->pending_serial = serial;
    walk->pending_count = count;
    walk->pending_kind = kind;
    return 1;
}
