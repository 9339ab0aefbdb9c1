/*
 * "Удалить комментарии": drops every comment extension (0x21 0xFE with its sub-blocks and
 * terminator) from the open GIF file.
 */
#include <windows.h>

#include "commentplan.h"
#include "message.h"

static struct comment_plan plan;

static void QM_CALL read_field(qm_serial serial, qm_cell count, const uint8_t *bytes,
                               qm_cell *descend, qm_cell *stop)
{
    (void)stop;
    *descend = comment_plan_read(&plan, serial, count, bytes);
}

static void QM_CALL rewrite_field(qm_serial serial, qm_cell *count, const uint8_t **bytes,
                                  qm_cell *descend, qm_cell *stop)
{
    (void)bytes;
    (void)stop;
    *descend = comment_plan_rewrite(&plan, serial, count);
}

QM_EXPORT void QM_CALL StartProc(qm_cell view_kind, qm_plugin_service service)
{
    if ((view_kind & 0xFF) != QM_VIEW_GIF) {
        show_message("Удалить комментарии", "Комментарии удаляются только в просмотре GIF.");
        return;
    }
    qm_read_fields read_fields = 0;
    qm_rewrite_fields rewrite_fields = 0;
    qm_refresh refresh = 0;
    service(QM_READ_FIELDS, (void **)&read_fields);
    service(QM_REWRITE_FIELDS, (void **)&rewrite_fields);
    service(QM_REFRESH, (void **)&refresh);
    if (!read_fields || !rewrite_fields || !refresh)
        return;

    comment_plan_init(&plan);
    read_fields(read_field);
    if (plan.comments == 0) {
        /* Rewriting would change nothing but empty the history of edits. */
        show_message("Удалить комментарии", "В файле нет комментариев.");
        return;
    }
    rewrite_fields(rewrite_field);
    refresh();
}
