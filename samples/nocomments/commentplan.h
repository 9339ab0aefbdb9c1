/*
 * Dropping the comment extensions of a GIF file in two walks over its fields. The first
 * (service 17) finds the comments and the containers that hold blocks, judged as in gifblocks.h;
 * the second (service 18) descends into exactly those containers and drops exactly those
 * comments, so that it never descends into a field that is not a container.
 */
#ifndef SAMPLES_COMMENTPLAN_H
#define SAMPLES_COMMENTPLAN_H

#include "gifblocks.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Fields to act on, in the order the walks offer them. A file with more is left with the rest
   of its comments: the command run again drops them. */
#define COMMENT_PLAN_CAPACITY 4096

struct comment_plan {
    struct gif_block_walk walk;
    qm_serial serials[COMMENT_PLAN_CAPACITY];
    uint8_t drop[COMMENT_PLAN_CAPACITY]; /* 1: drop the comment, 0: descend into the container */
    uint32_t size;
    uint32_t next; /* the rewriting walk's place in the plan */
    uint32_t comments;
};

void comment_plan_init(struct comment_plan *plan);

/* One call of the reading walk; returns the value for *descend. */
qm_cell comment_plan_read(struct comment_plan *plan, qm_serial serial, qm_cell count, const uint8_t *bytes);

/* One call of the rewriting walk: drops a planned comment (count 0), returns the value for
   *descend. */
qm_cell comment_plan_rewrite(struct comment_plan *plan, qm_serial serial, qm_cell *count);

#ifdef __cplusplus
}
#endif

#endif
