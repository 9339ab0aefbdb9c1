#include "commentplan.h"

#include <string.h>

static void plan_piece(void *context, qm_serial serial, uint32_t offset, qm_cell count,
                       enum gif_block_kind kind)
{
    struct comment_plan *plan = context;
    (void)offset;
    (void)count;
    if (kind != GIF_COMMENT && kind != GIF_CONTAINER)
        return;
    if (plan->size == COMMENT_PLAN_CAPACITY)
        return;
    plan->serials[plan->size] = serial;
    plan->drop[plan->size] = kind == GIF_COMMENT;
    ++plan->size;
    plan->comments += kind == GIF_COMMENT;
}

void comment_plan_init(struct comment_plan *plan)
{
    memset(plan, 0, sizeof *plan);
    gif_block_walk_init(&plan->walk, plan_piece, plan);
}

qm_cell comment_plan_read(struct comment_plan *plan, qm_serial serial, qm_cell count, const uint8_t *bytes)
{
    return gif_block_walk_step(&plan->walk, serial, count, bytes);
}

qm_cell comment_plan_rewrite(struct comment_plan *plan, qm_serial serial, qm_cell *count)
{
    if (serial == 0 || plan->next == plan->size || plan->serials[plan->next] != serial)
        return 0;
    if (plan->drop[plan->next++]) {
        *count = 0;
        return 0;
    }
    return 1;
}
