/*
 * "Градиент": a skin that paints the view's background from a light top colour down to a light
 * bottom colour, under the program's black codes. "Настройка шкурки..." picks the top colour.
 */
#include <windows.h>
#include <commdlg.h>

#include "quillmap_plugin.h"

static COLORREF top = RGB(0xFF, 0xFF, 0xEA);
static COLORREF bottom = RGB(0xEA, 0xFF, 0xFF);

/* The gradient is drawn from the two colours at every call: there is nothing to build when the
   skin is chosen nor to free when it is let go. */
QM_EXPORT void QM_CALL crskin(qm_cell width, qm_cell height)
{
    (void)width;
    (void)height;
}

QM_EXPORT void QM_CALL chskin(qm_cell first, qm_cell second)
{
    (void)first;
    (void)second;
}

QM_EXPORT void QM_CALL deletskin(void)
{
}

static TRIVERTEX vertex(LONG x, LONG y, COLORREF colour)
{
    TRIVERTEX v = {x, y, (COLOR16)(GetRValue(colour) << 8), (COLOR16)(GetGValue(colour) << 8),
                   (COLOR16)(GetBValue(colour) << 8), 0};
    return v;
}

QM_EXPORT void QM_CALL drskin(void *dc, qm_cell width, qm_cell height)
{
    TRIVERTEX corners[2] = {vertex(0, 0, top), vertex(width, height, bottom)};
    GRADIENT_RECT rect = {0, 1};
    GradientFill((HDC)dc, corners, 2, &rect, 1, GRADIENT_FILL_RECT_V);
}

QM_EXPORT void QM_CALL nastroj(void)
{
    static COLORREF custom[16] = {RGB(0xFF, 0xFF, 0xEA), RGB(0xEA, 0xFF, 0xFF), RGB(0xFF, 0xEA, 0xFF),
                                  RGB(0xEE, 0xFF, 0xEE)};
    CHOOSECOLORW choose = {0};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = GetActiveWindow();
    choose.rgbResult = top;
    choose.lpCustColors = custom;
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (ChooseColorW(&choose))
        top = choose.rgbResult;
}
