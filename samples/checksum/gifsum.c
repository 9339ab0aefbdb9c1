#include "gifsum.h"

#include <string.h>

uint32_t crc32_update(uint32_t crc, const uint8_t *bytes, uint32_t count)
{
    static uint32_t table[256];
    if (table[1] == 0) {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
    }
    crc = ~crc;
    for (uint32_t i = 0; i < count; ++i)
        crc = table[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

enum { AT_HEADER, AT_BLOCK, AT_IMAGE, AT_LABEL, AT_SUB_BLOCK, AT_END };

static uint32_t colour_map_size(uint8_t flags)
{
    return (flags & 0x80) ? 3u << ((flags & 7) + 1) : 0;
}

void gif_census_init(struct gif_census *census)
{
    memset(census, 0, sizeof *census);
    census->state = AT_HEADER;
}

static void take(struct gif_census *census, uint8_t byte)
{
    switch (census->state) {
    case AT_HEADER: /* "GIF", the version, the screen descriptor with its flags at 10 */
        if (census->at < 3 && byte != (uint8_t)"GIF"[census->at])
            census->state = AT_END;
        else if (++census->at == 11)
            census->flags = byte;
        else if (census->at == 13) {
            census->skip = colour_map_size(census->flags);
            census->state = AT_BLOCK;
        }
        break;
    case AT_BLOCK:
        census->at = 0;
        if (byte == 0x2C) {
            ++census->images;
            census->state = AT_IMAGE;
        } else if (byte == 0x21) {
            census->state = AT_LABEL;
        } else { /* the trailer, or no block at all */
            census->state = AT_END;
        }
        break;
    case AT_IMAGE: /* place and size, then the flags: the local map and the code size follow */
        if (++census->at == 9) {
            census->skip = colour_map_size(byte) + 1;
            census->state = AT_SUB_BLOCK;
        }
        break;
    case AT_LABEL:
        census->state = AT_SUB_BLOCK;
        break;
    case AT_SUB_BLOCK:
        if (byte == 0)
            census->state = AT_BLOCK;
        else
            census->skip = byte;
        break;
    }
}

void gif_census_feed(struct gif_census *census, const uint8_t *bytes, uint32_t count)
{
    census->size += count;
    uint32_t i = 0;
    while (i < count && census->state != AT_END) {
        if (census->skip) {
            uint32_t passed = count - i < census->skip ? count - i : census->skip;
            census->skip -= passed;
            i += passed;
        } else {
            take(census, bytes[i++]);
        }
    }
}
