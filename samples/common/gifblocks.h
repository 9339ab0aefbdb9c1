/*
 * Finding the blocks of a GIF file in the program's field walk (service 17), whatever way its
 * field tree groups them. A piece of the top level is judged by where it lies and by its first
 * bytes: before the blocks it is a part of the header; after, a block begins with 0x2C (image),
 * 0x21 and a label (extension) or 0x3B (trailer). A piece that holds more than one block, or
 * that begins with none of these, may be a container of blocks: the walk descends into it and
 * learns from the next call whether it was one.
 */
#ifndef SAMPLES_GIFBLOCKS_H
#define SAMPLES_GIFBLOCKS_H

#include "quillmap_plugin.h"

#ifdef __cplusplus
extern "C" {
#endif

enum gif_block_kind {
    GIF_HEADER,          /* the signature "GIF" and the version */
    GIF_SCREEN,          /* the logical screen descriptor */
    GIF_GLOBAL_MAP,      /* the global colour map */
    GIF_IMAGE,           /* 0x2C: descriptor, local map, code size and data */
    GIF_GRAPHIC_CONTROL, /* 0x21 0xF9 */
    GIF_COMMENT,         /* 0x21 0xFE */
    GIF_PLAIN_TEXT,      /* 0x21 0x01 */
    GIF_APPLICATION,     /* 0x21 0xFF */
    GIF_EXTENSION,       /* 0x21 with another label */
    GIF_TRAILER,         /* 0x3B */
    GIF_SEVERAL,         /* one field that holds more than one block */
    GIF_GAP,             /* bytes outside any field (serial 0) */
    GIF_UNKNOWN,         /* a field after the header that is no block */
    GIF_CONTAINER        /* a field whose children were walked in its place */
};

/* The Russian name of a kind, in Windows-1251. */
const char *gif_block_kind_name(enum gif_block_kind kind);

/* The length of the block that begins at bytes[0], read from its own sub-blocks; more than
   count when the block goes on past the count bytes given (or they are no block). */
uint32_t gif_block_length(const uint8_t *bytes, uint32_t count);

/* Called for every piece the walk has judged: each block, header part, gap or unknown field
   once, in document order, and each container when its first child shows it is one. */
typedef void (*gif_block_seen)(void *context, qm_serial serial, uint32_t offset, qm_cell count,
                               enum gif_block_kind kind);

#define GIF_HEAD_SIZE 13 /* signature, version and screen descriptor */

struct gif_block_walk {
    gif_block_seen seen;
    void *context;
    uint32_t offset;                /* where the next piece begins */
    uint8_t head[GIF_HEAD_SIZE];    /* the first bytes, as they pass */
    uint32_t head_known;
    /* The piece last descended into: a leaf when its level ends at once. */
    int pending;
    qm_serial pending_serial;
    qm_cell pending_count;
    enum gif_block_kind pending_kind;
};

void gif_block_walk_init(struct gif_block_walk *walk, gif_block_seen seen, void *context);

/* One call of the field reader (service 17); returns the value for *descend. */
qm_cell gif_block_walk_step(struct gif_block_walk *walk, qm_serial serial, qm_cell count,
                            const uint8_t *bytes);

#ifdef __cplusplus
}
#endif

#endif
