/*
 * Quillmap plug-in and skin kit.
 *
 * A plug-in is a DLL in the "plugins" folder beside quillmap.exe; a skin is a DLL in the "skins"
 * folder. The program finds them at start-up by their string resources and calls the entry
 * points below. Everything crosses the boundary as plain C: 32-bit cells, byte pointers and
 * function addresses, with the __stdcall convention (arguments pushed right to left, removed by
 * the callee). Texts are single-byte Windows-1251 characters given as a length and a pointer,
 * never zero-terminated.
 *
 * 32-bit and 64-bit programs. The 32-bit quillmap.exe is the interface exactly: every argument
 * and every cell is 32 bits wide. The 64-bit quillmap.exe loads 64-bit DLLs only, and there:
 *   - __stdcall means nothing: x64 has one calling convention, and this header's declarations
 *     compile to it unchanged;
 *   - what holds an address is 64 bits wide: the cell PluginService stores the service's address
 *     into (void **), the byte and text pointers, the addresses of the pointers that services 13
 *     and 18 let a callback change (const uint8_t **), the callbacks themselves, and the device
 *     context drskin receives;
 *   - everything else stays 32 bits: counts, lengths, capacities, positions, flags, key codes,
 *     view kinds, command indexes and field serials (qm_cell, qm_serial).
 * Source written against this header builds for both; only the DLL's architecture differs.
 *
 * Exports must carry their plain names (StartProc, not _StartProc@8): with MinGW link with
 * -Wl,--kill-at, with Microsoft's tools list them in a .def file.
 */
#ifndef QUILLMAP_PLUGIN_H
#define QUILLMAP_PLUGIN_H

#include <stdint.h>

#if defined(_WIN32)
#define QM_CALL __stdcall
#define QM_EXPORT __declspec(dllexport)
#else
#define QM_CALL
#define QM_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Counts, positions, flags (0 false, anything else true): 32 bits on every build. */
typedef int32_t qm_cell;
/* A field's serial number: 0 for bytes that belong to no field. */
typedef uint32_t qm_serial;

/* ---- String resources (a STRINGTABLE in the DLL) ---- */

/* Plug-in: id 1 must read "plugindll" (at most 9 characters are compared); id 2 is the caption
   in the menu "Плагины" (up to 99 characters); ids 4, 5, 6, ... are the shortcut texts of commands
   0, 1, 2, ... ("Ctrl+F9", "Ctrl+Shift+F9"; up to 29 characters), ending at the first empty or
   missing one. Id 3 is not read. */
#define QM_PLUGIN_SIGNATURE_ID 1
#define QM_PLUGIN_CAPTION_ID 2
#define QM_PLUGIN_FIRST_SHORTCUT_ID 4
#define QM_PLUGIN_SIGNATURE "plugindll"

/* Skin: id 1 must read "skindll"; id 2 is the caption in "Формат" > "Шкурки". */
#define QM_SKIN_SIGNATURE_ID 1
#define QM_SKIN_CAPTION_ID 2
#define QM_SKIN_SIGNATURE "skindll"

/* The low byte of the view kind a plug-in receives; its other bytes mean nothing. */
#define QM_VIEW_GIF 4

/* ---- Services ---- */

/* PluginService(request, result): stores the address of the service function for the request
   at *result, or 0 for a number it does not know. */
typedef void(QM_CALL *qm_plugin_service)(qm_cell request, void **result);

enum qm_request {
    QM_SERVICE = 0,            /* qm_plugin_service: PluginService itself */
    QM_KEY_DOWN = 1,           /* qm_key_down */
    QM_TYPE_CHAR = 2,          /* qm_type_char */
    QM_GET_POSITION = 3,       /* qm_get_position */
    QM_SET_POSITION = 4,       /* qm_set_position */
    QM_END_POSITION = 5,       /* qm_end_position */
    QM_GET_LINE = 6,           /* qm_get_line */
    QM_REFRESH = 8,            /* qm_refresh (7 gives 0) */
    QM_OPEN = 9,               /* qm_open */
    QM_SAVE = 10,              /* qm_save */
    QM_DOCUMENT_NAME = 11,     /* qm_document_name */
    QM_READ_BLOCKS = 12,       /* qm_read_blocks */
    QM_REWRITE_BLOCKS = 13,    /* qm_rewrite_blocks */
    QM_GET_SELECTION = 14,     /* qm_get_selection */
    QM_REPLACE_SELECTION = 15, /* qm_replace_selection */
    QM_VIEW_SIZE = 16,         /* qm_view_size */
    QM_READ_FIELDS = 17,       /* qm_read_fields: GIF view only */
    QM_REWRITE_FIELDS = 18     /* qm_rewrite_fields: GIF view only */
};

/* Bits of the flags of QM_KEY_DOWN. */
#define QM_SHIFT 1
#define QM_CTRL 2
#define QM_ALT 4

/* Texts out ("len in/out, buffer"): *length holds the buffer's capacity. With a null buffer the
   full length is stored in *length; otherwise at most the capacity is copied and the number of
   characters copied is stored. */

/* 1: the key (a Windows virtual-key code) goes down as if typed, with QM_SHIFT, QM_CTRL, QM_ALT. */
typedef void(QM_CALL *qm_key_down)(qm_cell key, qm_cell flags);
/* 2: a character typed (its low byte). */
typedef void(QM_CALL *qm_type_char)(qm_cell character);
/* 3: the caret's column and line (which != 0), or the anchor's (which == 0). */
typedef void(QM_CALL *qm_get_position)(qm_cell *column, qm_cell *line, qm_cell which);
/* 4: moves the caret (is_caret != 0) or the anchor; a line or column out of range is brought
   to the nearest one. Returns 1 when the place is the one asked for, 0 when it was brought in. */
typedef qm_cell(QM_CALL *qm_set_position)(qm_cell column, qm_cell line, qm_cell is_caret);
/* 5: the linear position of the document's end. */
typedef void(QM_CALL *qm_end_position)(qm_cell *position);
/* 6: the text of a line of the view, one character per byte. */
typedef void(QM_CALL *qm_get_line)(qm_cell line, qm_cell *length, char *buffer);
/* 8: lays out and redraws the whole window; call it after 13, 15 and 18, which do not. */
typedef void(QM_CALL *qm_refresh)(void);
/* 9: opens the file at the path, without asking about the document it replaces. */
typedef void(QM_CALL *qm_open)(qm_cell length, const char *path);
/* 10: with a length other than 0 the document takes the path as its name; then it is saved. */
typedef void(QM_CALL *qm_save)(qm_cell length, const char *path);
/* 11: the document's path; returns the number of characters stored. */
typedef qm_cell(QM_CALL *qm_document_name)(qm_cell *length, char *buffer);

/* 12: the document's bytes in blocks, in order; setting *stop ends the reading. */
typedef void(QM_CALL *qm_block_reader)(qm_cell count, const uint8_t *bytes, qm_cell *stop);
typedef void(QM_CALL *qm_read_blocks)(qm_block_reader callback);
/* 13: the document rewritten block by block: the callback may point *bytes at other bytes and
   change *count; the bytes it leaves there (copied at once) replace the block. *last is set for
   the final block; setting it earlier keeps the rest of the document as it is. The history of
   edits is emptied. */
typedef void(QM_CALL *qm_block_rewriter)(qm_cell *count, const uint8_t **bytes, qm_cell *last);
typedef void(QM_CALL *qm_rewrite_blocks)(qm_block_rewriter callback);
/* 14: the selected text. */
typedef void(QM_CALL *qm_get_selection)(qm_cell *length, char *buffer);
/* 15: the selection replaced by the text (inserted at the caret without one), as one edit. */
typedef void(QM_CALL *qm_replace_selection)(qm_cell length, const char *text);
/* 16: the visible width and height of the view in pixels. */
typedef void(QM_CALL *qm_view_size)(qm_cell *width, qm_cell *height);

/* 17: a walk over the GIF fields. A level is the children of a container (of the whole file
   at the top), with gaps (serial 0) for the bytes no child covers. Each piece is offered in
   order; *descend is 0 before each call. Setting *descend on a container walks its children as a
   level in its place; on anything else, the callback is called once more with (0, 0, null).
   Every level ends with a call (0, 0, null). Setting *stop ends every level. */
typedef void(QM_CALL *qm_field_reader)(qm_serial serial, qm_cell count, const uint8_t *bytes,
                                       qm_cell *descend, qm_cell *stop);
typedef void(QM_CALL *qm_read_fields)(qm_field_reader callback);
/* 18: the same walk, rewriting: each piece not descended into contributes the bytes *bytes and
   *count designate after the call (change them to replace the piece, set *count to 0 to drop
   it); after a stop the rest of the document follows unchanged. The history is emptied. */
typedef void(QM_CALL *qm_field_rewriter)(qm_serial serial, qm_cell *count, const uint8_t **bytes,
                                         qm_cell *descend, qm_cell *stop);
typedef void(QM_CALL *qm_rewrite_fields)(qm_field_rewriter callback);

/* ---- Entry points ---- */

/* A plug-in's command 0 (its menu item, or its first shortcut), and commands 1, 2, ... (its
   further shortcuts). They run on the window's thread; the services are called from inside. */
typedef void(QM_CALL *qm_start_proc)(qm_cell view_kind, qm_plugin_service service);
typedef void(QM_CALL *qm_start_dop_proc)(qm_cell view_kind, qm_cell command, qm_plugin_service service);

/* A skin's five exports; a skin missing any of them is not used. crskin: once when chosen, with
   the drawing picture's size; chskin: never called; deletskin: before the skin is let go;
   drskin: paints the background of the picture (a Windows HDC) before the codes are drawn over
   it, at every redraw; nastroj: "Настройка шкурки...". */
typedef void(QM_CALL *qm_crskin)(qm_cell width, qm_cell height);
typedef void(QM_CALL *qm_chskin)(qm_cell first, qm_cell second);
typedef void(QM_CALL *qm_deletskin)(void);
typedef void(QM_CALL *qm_drskin)(void *dc, qm_cell width, qm_cell height);
typedef void(QM_CALL *qm_nastroj)(void);

#ifndef QUILLMAP_HOST
/* What a plug-in or skin defines (only the ones of its kind). */
QM_EXPORT void QM_CALL StartProc(qm_cell view_kind, qm_plugin_service service);
QM_EXPORT void QM_CALL StartDopProc(qm_cell view_kind, qm_cell command, qm_plugin_service service);
QM_EXPORT void QM_CALL crskin(qm_cell width, qm_cell height);
QM_EXPORT void QM_CALL chskin(qm_cell first, qm_cell second);
QM_EXPORT void QM_CALL deletskin(void);
QM_EXPORT void QM_CALL drskin(void *dc, qm_cell width, qm_cell height);
QM_EXPORT void QM_CALL nastroj(void);
#endif

#ifdef __cplusplus
}
#endif

#endif
