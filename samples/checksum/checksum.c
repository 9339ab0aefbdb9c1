/*
 * "Контрольная сумма": Ctrl+F9 (command 0) tells the document's name, size and number of
 * images; Ctrl+Shift+F9 (command 1) its CRC-32. Both read the document through service 12.
 */
#include <windows.h>

#include "gifsum.h"
#include "message.h"
#include "quillmap_plugin.h"

static struct gif_census census;
static uint32_t crc;

static void QM_CALL count_block(qm_cell count, const uint8_t *bytes, qm_cell *stop)
{
    (void)stop;
    gif_census_feed(&census, bytes, (uint32_t)count);
}

static void QM_CALL sum_block(qm_cell count, const uint8_t *bytes, qm_cell *stop)
{
    (void)stop;
    crc = crc32_update(crc, bytes, (uint32_t)count);
    census.size += (uint32_t)count;
}

static int read_document(qm_plugin_service service, qm_block_reader reader)
{
    qm_read_blocks read_blocks = 0;
    service(QM_READ_BLOCKS, (void **)&read_blocks);
    if (!read_blocks)
        return 0;
    gif_census_init(&census);
    crc = 0;
    read_blocks(reader);
    return 1;
}

static void show_size(qm_plugin_service service)
{
    qm_document_name document_name = 0;
    service(QM_DOCUMENT_NAME, (void **)&document_name);
    char name[512] = "";
    if (document_name) {
        qm_cell length = sizeof name - 1;
        qm_cell stored = document_name(&length, name);
        name[stored > 0 && stored < (qm_cell)sizeof name ? stored : 0] = 0;
    }
    if (!read_document(service, count_block))
        return;
    char text[1024];
    wsprintfA(text, "Документ: %s\nРазмер: %u байт\nИзображений: %u", name, census.size, census.images);
    show_message("Размер документа", text);
}

static void show_crc(qm_plugin_service service)
{
    if (!read_document(service, sum_block))
        return;
    char text[128];
    wsprintfA(text, "CRC-32: %08X\nРазмер: %u байт", crc, census.size);
    show_message("CRC-32", text);
}

QM_EXPORT void QM_CALL StartProc(qm_cell view_kind, qm_plugin_service service)
{
    (void)view_kind; /* the document's bytes are there in every view */
    show_size(service);
}

QM_EXPORT void QM_CALL StartDopProc(qm_cell view_kind, qm_cell command, qm_plugin_service service)
{
    (void)view_kind;
    if (command == 1)
        show_crc(service);
}
