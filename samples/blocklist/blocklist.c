/*
 * "Список блоков": lists the blocks of the open GIF file with their offsets and sizes, read
 * through the program's field walk (service 17).
 */
#include <windows.h>

#include "gifblocks.h"
#include "message.h"

#define MAX_LINES 40

static struct {
    char text[4096];
    int length;
    int lines;
    int more; /* pieces past MAX_LINES */
} list;

static struct gif_block_walk walk;

static void append(const char *line)
{
    int length = lstrlenA(line);
    if (list.length + length < (int)sizeof list.text) {
        lstrcpyA(list.text + list.length, line);
        list.length += length;
    }
}

static void list_piece(void *context, qm_serial serial, uint32_t offset, qm_cell count,
                       enum gif_block_kind kind)
{
    (void)context;
    (void)serial;
    if (kind == GIF_CONTAINER)
        return; /* its children are listed instead */
    if (list.lines == MAX_LINES) {
        ++list.more;
        return;
    }
    char line[128];
    wsprintfA(line, "\n%u\t%d\t%s", offset, count, gif_block_kind_name(kind));
    append(line);
    ++list.lines;
}

static void QM_CALL read_field(qm_serial serial, qm_cell count, const uint8_t *bytes,
                               qm_cell *descend, qm_cell *stop)
{
    (void)stop;
    *descend = gif_block_walk_step(&walk, serial, count, bytes);
}

QM_EXPORT void QM_CALL StartProc(qm_cell view_kind, qm_plugin_service service)
{
    if ((view_kind & 0xFF) != QM_VIEW_GIF) {
        show_message("Список блоков", "Список блоков строится только в просмотре GIF.");
        return;
    }
    qm_read_fields read_fields = 0;
    service(QM_READ_FIELDS, (void **)&read_fields);
    if (!read_fields)
        return;

    list.length = list.lines = list.more = 0;
    list.text[0] = 0;
    append("Смещение\tБайт\tБлок");
    gif_block_walk_init(&walk, list_piece, 0);
    read_fields(read_field);
    if (list.more) {
        char line[64];
        wsprintfA(line, "\n… и ещё %d", list.more);
        append(line);
    }
    show_message("Список блоков", list.text);
}
