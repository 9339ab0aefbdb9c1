/* Sums over a document read in blocks of any size (service 12): CRC-32, and the size and the
   number of images of a GIF file. */
#ifndef SAMPLES_GIFSUM_H
#define SAMPLES_GIFSUM_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The CRC-32 of zip and PNG, carried over blocks: start with 0, feed each block's result in. */
uint32_t crc32_update(uint32_t crc, const uint8_t *bytes, uint32_t count);

/* Follows the GIF grammar byte by byte, so that a block may end anywhere. It counts the image
   separators until the trailer; damage stops the count where it is. */
struct gif_census {
    uint32_t size;
    uint32_t images;
    int state;
    uint32_t at;   /* bytes read of the header or of an image descriptor */
    uint32_t skip; /* bytes to pass over before the next one that means something */
    uint8_t flags;
};

void gif_census_init(struct gif_census *census);
void gif_census_feed(struct gif_census *census, const uint8_t *bytes, uint32_t count);

#ifdef __cplusplus
}
#endif

#endif
